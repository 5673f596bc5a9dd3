{\rtf1\ansi\ansicpg1252\deff0\deflang1033
{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fmodern\fcharset0 Courier New;}}
{\colortbl;\red0\green0\blue0;\red0\green70\blue140;\red90\green90\blue90;}
{\info{\title ZEP Setup - parameter report}{\author ZEP Setup}}
\paperw11906\paperh16838\margl1134\margr1134\margt1134\margb1134
\viewkind4\uc1\f0\fs20
{\pard\sa120\b\fs32\cf2 ZEP Setup - parameter report\par}
{\pard\sa40 Scanner type ZEP100 (RV-4400, RV-4400L), type code $$Type \par}
{\pard\sa40\tx2268 Created:\tab $$Date \par}
{\pard\sa40\tx2268 Program:\tab $$From \par}
{\pard\sa40\tx2268\cf3\fs16 Template:\tab $$Created_by \par}
{\pard\keepn\sb300\sa100\b\fs26\cf2 1\tab Reading\par}
{\pard\sa20\li567\tx5103 Codes per reading gate\tab $$DECODE(RCL|01|1|02|2|03|3|04|4|05|5|06|6|07|7|08|8|09|9|$$RCL)\par}
{\pard\sa20\li567\tx5103 Result output\tab $$DECODE(HIS|0|Normal|1|Immediate|2|No output|$$HIS)\par}
{\pard\sa20\li567\tx5103 Decode confirmations\tab $$DCC \par}
{\pard\sa20\li567\tx5103 Repeat suppression time\tab $$DCI  ms\par}
{\pard\sa20\li567\tx5103 Decoding level\tab $$DECODE(DCL|S|Standard|F|Fast|R|Robust|$$DCL)\par}
{\pard\sa20\li567\tx5103 Quiet zone\tab $$DECODE(DCO|0|Normal|1|Reduced|2|Minimal|$$DCO)\par}
{\pard\keepn\sb300\sa100\b\fs26\cf2 2\tab Reading rules\par}
{\pard\sa40\li567\i Code length: nn-mm = nn to mm characters, nn___ = exactly nn characters.\par}
$$IF(L0O|00)
{\pard\sa40\li567\i Reading rule 0: not used\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Reading rule 0\par}
{\pard\sa20\li567\tx5103 Code type\tab $$DECODE(L0O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L0O)\par}
{\pard\sa20\li567\tx5103 Code length\tab $$L0L  $$DECODE_INDEX(L0L|2|2|_|(fixed length)|(range))\par}
{\pard\sa20\li567\tx5103 Shortest code\tab $$INDEX(L0L|0|1) characters\par}
{\pard\sa20\li567\tx5103 Code identifier\tab $$DECODE(L0U||none|$$L0U)\par}
{\pard\sa20\li567\tx5103 Reading direction\tab $$DECODE(L0D|0|Normal|1|Forward only|2|Reverse only|$$L0D)\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(L0C|0|Standard|1|Off|2|Check|3|Check and send|$$L0C)\par}
{\pard\sa20\li567\tx5103 Reading security\tab $$DECODE(L0S|0|Standard|$$L0S)\par}
{\pard\sa20\li567\tx5103 Switching output\tab $$DECODE(L0A|0|Standard|1|Pulse|2|None|$$L0A)\par}
{\pard\sa20\li567\tx5103 Host output\tab $$DECODE(L0H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L0H)\par}
$$ENDIF
$$IF(L1O|00)
{\pard\sa40\li567\i Reading rule 1: not used\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Reading rule 1\par}
{\pard\sa20\li567\tx5103 Code type\tab $$DECODE(L1O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L1O)\par}
{\pard\sa20\li567\tx5103 Code length\tab $$L1L  $$DECODE_INDEX(L1L|2|2|_|(fixed length)|(range))\par}
{\pard\sa20\li567\tx5103 Shortest code\tab $$INDEX(L1L|0|1) characters\par}
{\pard\sa20\li567\tx5103 Code identifier\tab $$DECODE(L1U||none|$$L1U)\par}
{\pard\sa20\li567\tx5103 Reading direction\tab $$DECODE(L1D|0|Normal|1|Forward only|2|Reverse only|$$L1D)\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(L1C|0|Standard|1|Off|2|Check|3|Check and send|$$L1C)\par}
{\pard\sa20\li567\tx5103 Reading security\tab $$DECODE(L1S|0|Standard|$$L1S)\par}
{\pard\sa20\li567\tx5103 Switching output\tab $$DECODE(L1A|0|Standard|1|Pulse|2|None|$$L1A)\par}
{\pard\sa20\li567\tx5103 Host output\tab $$DECODE(L1H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L1H)\par}
$$ENDIF
$$IF(L2O|00)
{\pard\sa40\li567\i Reading rule 2: not used\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Reading rule 2\par}
{\pard\sa20\li567\tx5103 Code type\tab $$DECODE(L2O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L2O)\par}
{\pard\sa20\li567\tx5103 Code length\tab $$L2L  $$DECODE_INDEX(L2L|2|2|_|(fixed length)|(range))\par}
{\pard\sa20\li567\tx5103 Shortest code\tab $$INDEX(L2L|0|1) characters\par}
{\pard\sa20\li567\tx5103 Code identifier\tab $$DECODE(L2U||none|$$L2U)\par}
{\pard\sa20\li567\tx5103 Reading direction\tab $$DECODE(L2D|0|Normal|1|Forward only|2|Reverse only|$$L2D)\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(L2C|0|Standard|1|Off|2|Check|3|Check and send|$$L2C)\par}
{\pard\sa20\li567\tx5103 Reading security\tab $$DECODE(L2S|0|Standard|$$L2S)\par}
{\pard\sa20\li567\tx5103 Switching output\tab $$DECODE(L2A|0|Standard|1|Pulse|2|None|$$L2A)\par}
{\pard\sa20\li567\tx5103 Host output\tab $$DECODE(L2H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L2H)\par}
$$ENDIF
$$IF(L3O|00)
{\pard\sa40\li567\i Reading rule 3: not used\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Reading rule 3\par}
{\pard\sa20\li567\tx5103 Code type\tab $$DECODE(L3O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L3O)\par}
{\pard\sa20\li567\tx5103 Code length\tab $$L3L  $$DECODE_INDEX(L3L|2|2|_|(fixed length)|(range))\par}
{\pard\sa20\li567\tx5103 Shortest code\tab $$INDEX(L3L|0|1) characters\par}
{\pard\sa20\li567\tx5103 Code identifier\tab $$DECODE(L3U||none|$$L3U)\par}
{\pard\sa20\li567\tx5103 Reading direction\tab $$DECODE(L3D|0|Normal|1|Forward only|2|Reverse only|$$L3D)\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(L3C|0|Standard|1|Off|2|Check|3|Check and send|$$L3C)\par}
{\pard\sa20\li567\tx5103 Reading security\tab $$DECODE(L3S|0|Standard|$$L3S)\par}
{\pard\sa20\li567\tx5103 Switching output\tab $$DECODE(L3A|0|Standard|1|Pulse|2|None|$$L3A)\par}
{\pard\sa20\li567\tx5103 Host output\tab $$DECODE(L3H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L3H)\par}
$$ENDIF
$$IF(L4O|00)
{\pard\sa40\li567\i Reading rule 4: not used\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Reading rule 4\par}
{\pard\sa20\li567\tx5103 Code type\tab $$DECODE(L4O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L4O)\par}
{\pard\sa20\li567\tx5103 Code length\tab $$L4L  $$DECODE_INDEX(L4L|2|2|_|(fixed length)|(range))\par}
{\pard\sa20\li567\tx5103 Shortest code\tab $$INDEX(L4L|0|1) characters\par}
{\pard\sa20\li567\tx5103 Code identifier\tab $$DECODE(L4U||none|$$L4U)\par}
{\pard\sa20\li567\tx5103 Reading direction\tab $$DECODE(L4D|0|Normal|1|Forward only|2|Reverse only|$$L4D)\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(L4C|0|Standard|1|Off|2|Check|3|Check and send|$$L4C)\par}
{\pard\sa20\li567\tx5103 Reading security\tab $$DECODE(L4S|0|Standard|$$L4S)\par}
{\pard\sa20\li567\tx5103 Switching output\tab $$DECODE(L4A|0|Standard|1|Pulse|2|None|$$L4A)\par}
{\pard\sa20\li567\tx5103 Host output\tab $$DECODE(L4H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L4H)\par}
$$ENDIF
$$IF(L5O|00)
{\pard\sa40\li567\i Reading rule 5: not used\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Reading rule 5\par}
{\pard\sa20\li567\tx5103 Code type\tab $$DECODE(L5O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L5O)\par}
{\pard\sa20\li567\tx5103 Code length\tab $$L5L  $$DECODE_INDEX(L5L|2|2|_|(fixed length)|(range))\par}
{\pard\sa20\li567\tx5103 Shortest code\tab $$INDEX(L5L|0|1) characters\par}
{\pard\sa20\li567\tx5103 Code identifier\tab $$DECODE(L5U||none|$$L5U)\par}
{\pard\sa20\li567\tx5103 Reading direction\tab $$DECODE(L5D|0|Normal|1|Forward only|2|Reverse only|$$L5D)\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(L5C|0|Standard|1|Off|2|Check|3|Check and send|$$L5C)\par}
{\pard\sa20\li567\tx5103 Reading security\tab $$DECODE(L5S|0|Standard|$$L5S)\par}
{\pard\sa20\li567\tx5103 Switching output\tab $$DECODE(L5A|0|Standard|1|Pulse|2|None|$$L5A)\par}
{\pard\sa20\li567\tx5103 Host output\tab $$DECODE(L5H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L5H)\par}
$$ENDIF
$$IF(L6O|00)
{\pard\sa40\li567\i Reading rule 6: not used\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Reading rule 6\par}
{\pard\sa20\li567\tx5103 Code type\tab $$DECODE(L6O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L6O)\par}
{\pard\sa20\li567\tx5103 Code length\tab $$L6L  $$DECODE_INDEX(L6L|2|2|_|(fixed length)|(range))\par}
{\pard\sa20\li567\tx5103 Shortest code\tab $$INDEX(L6L|0|1) characters\par}
{\pard\sa20\li567\tx5103 Code identifier\tab $$DECODE(L6U||none|$$L6U)\par}
{\pard\sa20\li567\tx5103 Reading direction\tab $$DECODE(L6D|0|Normal|1|Forward only|2|Reverse only|$$L6D)\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(L6C|0|Standard|1|Off|2|Check|3|Check and send|$$L6C)\par}
{\pard\sa20\li567\tx5103 Reading security\tab $$DECODE(L6S|0|Standard|$$L6S)\par}
{\pard\sa20\li567\tx5103 Switching output\tab $$DECODE(L6A|0|Standard|1|Pulse|2|None|$$L6A)\par}
{\pard\sa20\li567\tx5103 Host output\tab $$DECODE(L6H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L6H)\par}
$$ENDIF
$$IF(L7O|00)
{\pard\sa40\li567\i Reading rule 7: not used\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Reading rule 7\par}
{\pard\sa20\li567\tx5103 Code type\tab $$DECODE(L7O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L7O)\par}
{\pard\sa20\li567\tx5103 Code length\tab $$L7L  $$DECODE_INDEX(L7L|2|2|_|(fixed length)|(range))\par}
{\pard\sa20\li567\tx5103 Shortest code\tab $$INDEX(L7L|0|1) characters\par}
{\pard\sa20\li567\tx5103 Code identifier\tab $$DECODE(L7U||none|$$L7U)\par}
{\pard\sa20\li567\tx5103 Reading direction\tab $$DECODE(L7D|0|Normal|1|Forward only|2|Reverse only|$$L7D)\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(L7C|0|Standard|1|Off|2|Check|3|Check and send|$$L7C)\par}
{\pard\sa20\li567\tx5103 Reading security\tab $$DECODE(L7S|0|Standard|$$L7S)\par}
{\pard\sa20\li567\tx5103 Switching output\tab $$DECODE(L7A|0|Standard|1|Pulse|2|None|$$L7A)\par}
{\pard\sa20\li567\tx5103 Host output\tab $$DECODE(L7H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L7H)\par}
$$ENDIF
$$IF(L8O|00)
{\pard\sa40\li567\i Reading rule 8: not used\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Reading rule 8\par}
{\pard\sa20\li567\tx5103 Code type\tab $$DECODE(L8O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L8O)\par}
{\pard\sa20\li567\tx5103 Code length\tab $$L8L  $$DECODE_INDEX(L8L|2|2|_|(fixed length)|(range))\par}
{\pard\sa20\li567\tx5103 Shortest code\tab $$INDEX(L8L|0|1) characters\par}
{\pard\sa20\li567\tx5103 Code identifier\tab $$DECODE(L8U||none|$$L8U)\par}
{\pard\sa20\li567\tx5103 Reading direction\tab $$DECODE(L8D|0|Normal|1|Forward only|2|Reverse only|$$L8D)\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(L8C|0|Standard|1|Off|2|Check|3|Check and send|$$L8C)\par}
{\pard\sa20\li567\tx5103 Reading security\tab $$DECODE(L8S|0|Standard|$$L8S)\par}
{\pard\sa20\li567\tx5103 Switching output\tab $$DECODE(L8A|0|Standard|1|Pulse|2|None|$$L8A)\par}
{\pard\sa20\li567\tx5103 Host output\tab $$DECODE(L8H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L8H)\par}
$$ENDIF
$$IF(L9O|00)
{\pard\sa40\li567\i Reading rule 9: not used\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Reading rule 9\par}
{\pard\sa20\li567\tx5103 Code type\tab $$DECODE(L9O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L9O)\par}
{\pard\sa20\li567\tx5103 Code length\tab $$L9L  $$DECODE_INDEX(L9L|2|2|_|(fixed length)|(range))\par}
{\pard\sa20\li567\tx5103 Shortest code\tab $$INDEX(L9L|0|1) characters\par}
{\pard\sa20\li567\tx5103 Code identifier\tab $$DECODE(L9U||none|$$L9U)\par}
{\pard\sa20\li567\tx5103 Reading direction\tab $$DECODE(L9D|0|Normal|1|Forward only|2|Reverse only|$$L9D)\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(L9C|0|Standard|1|Off|2|Check|3|Check and send|$$L9C)\par}
{\pard\sa20\li567\tx5103 Reading security\tab $$DECODE(L9S|0|Standard|$$L9S)\par}
{\pard\sa20\li567\tx5103 Switching output\tab $$DECODE(L9A|0|Standard|1|Pulse|2|None|$$L9A)\par}
{\pard\sa20\li567\tx5103 Host output\tab $$DECODE(L9H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L9H)\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 3\tab Scanning optics and reading gate\par}
{\pard\sa20\li567\tx5103 Scan rate\tab $$ROT  scans/s\par}
{\pard\sa20\li567\tx5103 Raster\tab $$DECODE(ROR|0|0\'b0|1|2\'b0|2|4\'b0|3|8\'b0|$$ROR)\par}
{\pard\sa20\li567\tx5103 Motor standby\tab $$DECODE(ROS|0|Off|1|1 min|2|5 min|3|30 min|$$ROS)\par}
{\pard\sa20\li567\tx5103 Trigger mode\tab $$DECODE(LTT|E|Edge|L|Level|C|Continuous|$$LTT)\par}
$$IF(LTT|C)
{\pard\sa40\li567\i The reading gate is always open; trigger delay and maximum gate time do not apply.\par}
$$ELSE
{\pard\sa20\li567\tx5103 Trigger delay\tab $$DECODE(LTD|0|0 ms|1|10 ms|2|50 ms|3|100 ms|4|500 ms|$$LTD)\par}
{\pard\sa20\li567\tx5103 Maximum gate time (ms)\tab $$DECODE(LTM|00000|no limit|$$LTM)\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 4\tab Code comparison\par}
$$IF(CVA|1)
{\pard\sa20\li567\tx5103 Comparison\tab active\par}
{\pard\sa20\li567\tx5103 Master code\tab "$$CVI "\par}
{\pard\sa20\li567\tx5103 Comparison mask\tab $$DECODE(CVM||none: the whole code is compared|$$CVM)\par}
{\pard\sa20\li567\tx5103 Comparison output\tab $$DECODE(CVO|A|All codes|M|Matching codes only|N|Codes that do not match only|$$CVO)\par}
$$ELSE
{\pard\sa40\li567\i Code comparison is switched off.\par}
$$ENDIF
$$CONTAINS(CVM|@)
{\pard\sa40\li567\i Note: the mask holds @, which accepts any number of characters from its position on.\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 5\tab Host interface\par}
{\pard\sa20\li567\tx5103 Interface type\tab $$DECODE(HIT|0|RS-232|1|RS-422|2|RS-485|$$HIT)\par}
{\pard\sa20\li567\tx5103 Protocol\tab $$DECODE(HIP|0|Standard|1|ACK/NAK|2|Network|$$HIP)\par}
$$IF(HIP|2)
{\pard\sa20\li567\tx5103 Network address\tab $$HIA \par}
$$ENDIF
{\pard\sa20\li567\tx5103 Host port: baud rate\tab $$DECODE(H0B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H0B) bit/s\par}
{\pard\sa20\li567\tx5103 Host port: data format\tab $$DECODE(H0F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H0F)\par}
{\pard\sa20\li567\tx5103 Host port: trailer\tab $$DECODE(H0T|0|None|1|CR|2|LF|3|CR LF|4|ETX|$$H0T)\par}
{\pard\sa20\li567\tx5103 Host port: no-read text\tab $$DECODE(H0E||none: nothing is sent|$$H0E)\par}
{\pard\sa20\li567\tx5103 Host port: check character\tab $$DECODE(H0C|0|---|1|XOR|2|Sum|$$H0C)\par}
{\pard\sa20\li567\tx5103 Auxiliary port output\tab $$DECODE(H1E|0|none|1|Copy of host output|2|Reading rate|3|Diagnostics|$$H1E)\par}
$$IF(H1E|0)
$$ELSE
{\pard\sa20\li567\tx5103 Auxiliary port: baud rate\tab $$DECODE(H1B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H1B) bit/s\par}
{\pard\sa20\li567\tx5103 Auxiliary port: data format\tab $$DECODE(H1F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H1F)\par}
{\pard\sa20\li567\tx5103 Auxiliary port: trailer\tab $$DECODE(H1T|0|None|1|CR|2|LF|3|CR LF|4|ETX|$$H1T)\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 6\tab Signals\par}
{\pard\sa20\li567\tx5103 Switching output event\tab $$DECODE(H2E|0|never|1|Good read|2|No read|3|Comparison error|$$H2E)\par}
{\pard\sa20\li567\tx5103 Good-read LED\tab $$DECODE(GN|0|Off|1|Normal|2|Inverted|$$GN)\par}
{\pard\sa20\li567\tx5103 Beeper tone\tab $$DECODE(BT|0|Off|1|2 kHz|2|2.5 kHz|3|3 kHz|4|4 kHz|$$BT)\par}
{\pard\sa20\li567\tx5103 Feedback duration\tab $$FD  ms\par}
$$IF(LKC|0)
{\pard\sa20\li567\tx5103 Code linking\tab off\par}
$$ELSE
{\pard\sa20\li567\tx5103 Codes linked into one\tab $$LKC \par}
{\pard\sa20\li567\tx5103 Link separator\tab $$LKS \par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 7\tab Code types\par}
$$IF(K1E|1)
{\pard\keepn\sb160\sa40\li283\b Code 39\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(K1C|0|---|1|Check (modulo 43)|2|Check and send|$$K1C)\par}
{\pard\sa20\li567\tx5103 Minimum length\tab $$K1N  characters\par}
{\pard\sa20\li567\tx5103 Maximum length\tab $$K1X  characters\par}
{\pard\sa20\li567\tx5103 Full ASCII\tab $$DECODE(K1F|0|off|1|on|$$K1F)\par}
{\pard\sa20\li567\tx5103 Send start/stop characters\tab $$DECODE(K1S|0|off|1|on|$$K1S)\par}
$$ELSE
{\pard\sa40\li567\i Code 39: reading switched off\par}
$$ENDIF
$$IF(K2E|1)
{\pard\keepn\sb160\sa40\li283\b 2/5 Interleaved\par}
{\pard\sa20\li567\tx5103 Check digit\tab $$DECODE(K2C|0|---|1|Check (modulo 10)|2|Check and send|$$K2C)\par}
{\pard\sa20\li567\tx5103 Minimum length\tab $$K2N  characters\par}
{\pard\sa20\li567\tx5103 Maximum length\tab $$K2X  characters\par}
$$ELSE
{\pard\sa40\li567\i 2/5 Interleaved: reading switched off\par}
$$ENDIF
$$IF(K3E|1)
{\pard\keepn\sb160\sa40\li283\b Code 128\par}
{\pard\sa20\li567\tx5103 Minimum length\tab $$K3N  characters\par}
{\pard\sa20\li567\tx5103 Maximum length\tab $$K3X  characters\par}
{\pard\sa20\li567\tx5103 GS1-128 interpretation\tab $$DECODE(K3G|0|off|1|on|$$K3G)\par}
$$ELSE
{\pard\sa40\li567\i Code 128: reading switched off\par}
$$ENDIF
$$IF(K3G|1)
{\pard\sa20\li567\tx5103 FNC1 substitute\tab $$INDEX_CHAR(K3F|0|1) (hex $$K3F )\par}
$$ENDIF
{\pard\keepn\sb160\sa40\li283\b EAN/UPC\par}
{\pard\sa20\li567\tx5103 EAN-13\tab $$DECODE(K4A|0|off|1|on|$$K4A)\par}
{\pard\sa20\li567\tx5103 EAN-8\tab $$DECODE(K4B|0|off|1|on|$$K4B)\par}
{\pard\sa20\li567\tx5103 UPC-A\tab $$DECODE(K4C|0|off|1|on|$$K4C)\par}
{\pard\sa20\li567\tx5103 UPC-E\tab $$DECODE(K4D|0|off|1|on|$$K4D)\par}
{\pard\sa20\li567\tx5103 Add-on\tab $$DECODE(K4S|0|none|1|2 digits|2|5 digits|3|2 or 5 digits|$$K4S)\par}
$$IF(K5E|1)
{\pard\keepn\sb160\sa40\li283\b Codabar\par}
{\pard\sa20\li567\tx5103 Minimum length\tab $$K5N  characters\par}
{\pard\sa20\li567\tx5103 Maximum length\tab $$K5X  characters\par}
{\pard\sa20\li567\tx5103 Send start/stop characters\tab $$DECODE(K5S|0|off|1|on|$$K5S)\par}
$$ELSE
{\pard\sa40\li567\i Codabar: reading switched off\par}
$$ENDIF
$$IF(K6E|1)
{\pard\keepn\sb160\sa40\li283\b Code 93\par}
{\pard\sa20\li567\tx5103 Minimum length\tab $$K6N  characters\par}
{\pard\sa20\li567\tx5103 Maximum length\tab $$K6X  characters\par}
$$ELSE
{\pard\sa40\li567\i Code 93: reading switched off\par}
$$ENDIF
{\pard\sb300\cf3\fs16 Values in the scanner's coding where no text is given; numbers with leading zeros.\par}
{\pard\sb200\qc\b End of report\par}
}
