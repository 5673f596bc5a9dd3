ZEP Setup - parameter report
============================
Scanner type ZEP100 (RV-4400, RV-4400L), type code $$Type
Created: $$Date
Program: $$From
Template: $$Created_by


1  READING
----------
    Codes per reading gate ............... $$DECODE(RCL|01|1|02|2|03|3|04|4|05|5|06|6|07|7|08|8|09|9|$$RCL)
    Result output ........................ $$DECODE(HIS|0|Normal|1|Immediate|2|No output|$$HIS)
    Decode confirmations ................. $$DCC
    Repeat suppression time .............. $$DCI  ms
    Decoding level ....................... $$DECODE(DCL|S|Standard|F|Fast|R|Robust|$$DCL)
    Quiet zone ........................... $$DECODE(DCO|0|Normal|1|Reduced|2|Minimal|$$DCO)

2  READING RULES
----------------
    Code length: nn-mm = nn to mm characters, nn___ = exactly nn characters.
$$IF(L0O|00)
    Reading rule 0: not used
$$ELSE
  Reading rule 0
    Code type ............................ $$DECODE(L0O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L0O)
    Code length .......................... $$L0L  $$DECODE_INDEX(L0L|2|2|_|(fixed length)|(range))
    Shortest code ........................ $$INDEX(L0L|0|1) characters
    Code identifier ...................... $$DECODE(L0U||none|$$L0U)
    Reading direction .................... $$DECODE(L0D|0|Normal|1|Forward only|2|Reverse only|$$L0D)
    Check digit .......................... $$DECODE(L0C|0|Standard|1|Off|2|Check|3|Check and send|$$L0C)
    Reading security ..................... $$DECODE(L0S|0|Standard|$$L0S)
    Switching output ..................... $$DECODE(L0A|0|Standard|1|Pulse|2|None|$$L0A)
    Host output .......................... $$DECODE(L0H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L0H)
$$ENDIF
$$IF(L1O|00)
    Reading rule 1: not used
$$ELSE
  Reading rule 1
    Code type ............................ $$DECODE(L1O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L1O)
    Code length .......................... $$L1L  $$DECODE_INDEX(L1L|2|2|_|(fixed length)|(range))
    Shortest code ........................ $$INDEX(L1L|0|1) characters
    Code identifier ...................... $$DECODE(L1U||none|$$L1U)
    Reading direction .................... $$DECODE(L1D|0|Normal|1|Forward only|2|Reverse only|$$L1D)
    Check digit .......................... $$DECODE(L1C|0|Standard|1|Off|2|Check|3|Check and send|$$L1C)
    Reading security ..................... $$DECODE(L1S|0|Standard|$$L1S)
    Switching output ..................... $$DECODE(L1A|0|Standard|1|Pulse|2|None|$$L1A)
    Host output .......................... $$DECODE(L1H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L1H)
$$ENDIF
$$IF(L2O|00)
    Reading rule 2: not used
$$ELSE
  Reading rule 2
    Code type ............................ $$DECODE(L2O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L2O)
    Code length .......................... $$L2L  $$DECODE_INDEX(L2L|2|2|_|(fixed length)|(range))
    Shortest code ........................ $$INDEX(L2L|0|1) characters
    Code identifier ...................... $$DECODE(L2U||none|$$L2U)
    Reading direction .................... $$DECODE(L2D|0|Normal|1|Forward only|2|Reverse only|$$L2D)
    Check digit .......................... $$DECODE(L2C|0|Standard|1|Off|2|Check|3|Check and send|$$L2C)
    Reading security ..................... $$DECODE(L2S|0|Standard|$$L2S)
    Switching output ..................... $$DECODE(L2A|0|Standard|1|Pulse|2|None|$$L2A)
    Host output .......................... $$DECODE(L2H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L2H)
$$ENDIF
$$IF(L3O|00)
    Reading rule 3: not used
$$ELSE
  Reading rule 3
    Code type ............................ $$DECODE(L3O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L3O)
    Code length .......................... $$L3L  $$DECODE_INDEX(L3L|2|2|_|(fixed length)|(range))
    Shortest code ........................ $$INDEX(L3L|0|1) characters
    Code identifier ...................... $$DECODE(L3U||none|$$L3U)
    Reading direction .................... $$DECODE(L3D|0|Normal|1|Forward only|2|Reverse only|$$L3D)
    Check digit .......................... $$DECODE(L3C|0|Standard|1|Off|2|Check|3|Check and send|$$L3C)
    Reading security ..................... $$DECODE(L3S|0|Standard|$$L3S)
    Switching output ..................... $$DECODE(L3A|0|Standard|1|Pulse|2|None|$$L3A)
    Host output .......................... $$DECODE(L3H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L3H)
$$ENDIF
$$IF(L4O|00)
    Reading rule 4: not used
$$ELSE
  Reading rule 4
    Code type ............................ $$DECODE(L4O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L4O)
    Code length .......................... $$L4L  $$DECODE_INDEX(L4L|2|2|_|(fixed length)|(range))
    Shortest code ........................ $$INDEX(L4L|0|1) characters
    Code identifier ...................... $$DECODE(L4U||none|$$L4U)
    Reading direction .................... $$DECODE(L4D|0|Normal|1|Forward only|2|Reverse only|$$L4D)
    Check digit .......................... $$DECODE(L4C|0|Standard|1|Off|2|Check|3|Check and send|$$L4C)
    Reading security ..................... $$DECODE(L4S|0|Standard|$$L4S)
    Switching output ..................... $$DECODE(L4A|0|Standard|1|Pulse|2|None|$$L4A)
    Host output .......................... $$DECODE(L4H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L4H)
$$ENDIF
$$IF(L5O|00)
    Reading rule 5: not used
$$ELSE
  Reading rule 5
    Code type ............................ $$DECODE(L5O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L5O)
    Code length .......................... $$L5L  $$DECODE_INDEX(L5L|2|2|_|(fixed length)|(range))
    Shortest code ........................ $$INDEX(L5L|0|1) characters
    Code identifier ...................... $$DECODE(L5U||none|$$L5U)
    Reading direction .................... $$DECODE(L5D|0|Normal|1|Forward only|2|Reverse only|$$L5D)
    Check digit .......................... $$DECODE(L5C|0|Standard|1|Off|2|Check|3|Check and send|$$L5C)
    Reading security ..................... $$DECODE(L5S|0|Standard|$$L5S)
    Switching output ..................... $$DECODE(L5A|0|Standard|1|Pulse|2|None|$$L5A)
    Host output .......................... $$DECODE(L5H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L5H)
$$ENDIF
$$IF(L6O|00)
    Reading rule 6: not used
$$ELSE
  Reading rule 6
    Code type ............................ $$DECODE(L6O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L6O)
    Code length .......................... $$L6L  $$DECODE_INDEX(L6L|2|2|_|(fixed length)|(range))
    Shortest code ........................ $$INDEX(L6L|0|1) characters
    Code identifier ...................... $$DECODE(L6U||none|$$L6U)
    Reading direction .................... $$DECODE(L6D|0|Normal|1|Forward only|2|Reverse only|$$L6D)
    Check digit .......................... $$DECODE(L6C|0|Standard|1|Off|2|Check|3|Check and send|$$L6C)
    Reading security ..................... $$DECODE(L6S|0|Standard|$$L6S)
    Switching output ..................... $$DECODE(L6A|0|Standard|1|Pulse|2|None|$$L6A)
    Host output .......................... $$DECODE(L6H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L6H)
$$ENDIF
$$IF(L7O|00)
    Reading rule 7: not used
$$ELSE
  Reading rule 7
    Code type ............................ $$DECODE(L7O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L7O)
    Code length .......................... $$L7L  $$DECODE_INDEX(L7L|2|2|_|(fixed length)|(range))
    Shortest code ........................ $$INDEX(L7L|0|1) characters
    Code identifier ...................... $$DECODE(L7U||none|$$L7U)
    Reading direction .................... $$DECODE(L7D|0|Normal|1|Forward only|2|Reverse only|$$L7D)
    Check digit .......................... $$DECODE(L7C|0|Standard|1|Off|2|Check|3|Check and send|$$L7C)
    Reading security ..................... $$DECODE(L7S|0|Standard|$$L7S)
    Switching output ..................... $$DECODE(L7A|0|Standard|1|Pulse|2|None|$$L7A)
    Host output .......................... $$DECODE(L7H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L7H)
$$ENDIF
$$IF(L8O|00)
    Reading rule 8: not used
$$ELSE
  Reading rule 8
    Code type ............................ $$DECODE(L8O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L8O)
    Code length .......................... $$L8L  $$DECODE_INDEX(L8L|2|2|_|(fixed length)|(range))
    Shortest code ........................ $$INDEX(L8L|0|1) characters
    Code identifier ...................... $$DECODE(L8U||none|$$L8U)
    Reading direction .................... $$DECODE(L8D|0|Normal|1|Forward only|2|Reverse only|$$L8D)
    Check digit .......................... $$DECODE(L8C|0|Standard|1|Off|2|Check|3|Check and send|$$L8C)
    Reading security ..................... $$DECODE(L8S|0|Standard|$$L8S)
    Switching output ..................... $$DECODE(L8A|0|Standard|1|Pulse|2|None|$$L8A)
    Host output .......................... $$DECODE(L8H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L8H)
$$ENDIF
$$IF(L9O|00)
    Reading rule 9: not used
$$ELSE
  Reading rule 9
    Code type ............................ $$DECODE(L9O|00|not used|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L9O)
    Code length .......................... $$L9L  $$DECODE_INDEX(L9L|2|2|_|(fixed length)|(range))
    Shortest code ........................ $$INDEX(L9L|0|1) characters
    Code identifier ...................... $$DECODE(L9U||none|$$L9U)
    Reading direction .................... $$DECODE(L9D|0|Normal|1|Forward only|2|Reverse only|$$L9D)
    Check digit .......................... $$DECODE(L9C|0|Standard|1|Off|2|Check|3|Check and send|$$L9C)
    Reading security ..................... $$DECODE(L9S|0|Standard|$$L9S)
    Switching output ..................... $$DECODE(L9A|0|Standard|1|Pulse|2|None|$$L9A)
    Host output .......................... $$DECODE(L9H|0|Normal|1|Suppressed|2|Auxiliary port only|$$L9H)
$$ENDIF

3  SCANNING OPTICS AND READING GATE
-----------------------------------
    Scan rate ............................ $$ROT  scans/s
    Raster ............................... $$DECODE(ROR|0|0°|1|2°|2|4°|3|8°|$$ROR)
    Motor standby ........................ $$DECODE(ROS|0|Off|1|1 min|2|5 min|3|30 min|$$ROS)
    Trigger mode ......................... $$DECODE(LTT|E|Edge|L|Level|C|Continuous|$$LTT)
$$IF(LTT|C)
    The reading gate is always open; trigger delay and maximum gate time do not apply.
$$ELSE
    Trigger delay ........................ $$DECODE(LTD|0|0 ms|1|10 ms|2|50 ms|3|100 ms|4|500 ms|$$LTD)
    Maximum gate time (ms) ............... $$DECODE(LTM|00000|no limit|$$LTM)
$$ENDIF

4  CODE COMPARISON
------------------
$$IF(CVA|1)
    Comparison ........................... active
    Master code .......................... "$$CVI "
    Comparison mask ...................... $$DECODE(CVM||none: the whole code is compared|$$CVM)
    Comparison output .................... $$DECODE(CVO|A|All codes|M|Matching codes only|N|Codes that do not match only|$$CVO)
$$ELSE
    Code comparison is switched off.
$$ENDIF
$$CONTAINS(CVM|@)
    Note: the mask holds @, which accepts any number of characters from its position on.
$$ENDIF

5  HOST INTERFACE
-----------------
    Interface type ....................... $$DECODE(HIT|0|RS-232|1|RS-422|2|RS-485|$$HIT)
    Protocol ............................. $$DECODE(HIP|0|Standard|1|ACK/NAK|2|Network|$$HIP)
$$IF(HIP|2)
    Network address ...................... $$HIA
$$ENDIF
    Host port: baud rate ................. $$DECODE(H0B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H0B) bit/s
    Host port: data format ............... $$DECODE(H0F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H0F)
    Host port: trailer ................... $$DECODE(H0T|0|None|1|CR|2|LF|3|CR LF|4|ETX|$$H0T)
    Host port: no-read text .............. $$DECODE(H0E||none: nothing is sent|$$H0E)
    Host port: check character ........... $$DECODE(H0C|0|---|1|XOR|2|Sum|$$H0C)
    Auxiliary port output ................ $$DECODE(H1E|0|none|1|Copy of host output|2|Reading rate|3|Diagnostics|$$H1E)
$$IF(H1E|0)
$$ELSE
    Auxiliary port: baud rate ............ $$DECODE(H1B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H1B) bit/s
    Auxiliary port: data format .......... $$DECODE(H1F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H1F)
    Auxiliary port: trailer .............. $$DECODE(H1T|0|None|1|CR|2|LF|3|CR LF|4|ETX|$$H1T)
$$ENDIF

6  SIGNALS
----------
    Switching output event ............... $$DECODE(H2E|0|never|1|Good read|2|No read|3|Comparison error|$$H2E)
    Good-read LED ........................ $$DECODE(GN|0|Off|1|Normal|2|Inverted|$$GN)
    Beeper tone .......................... $$DECODE(BT|0|Off|1|2 kHz|2|2.5 kHz|3|3 kHz|4|4 kHz|$$BT)
    Feedback duration .................... $$FD  ms
$$IF(LKC|0)
    Code linking ......................... off
$$ELSE
    Codes linked into one ................ $$LKC
    Link separator ....................... $$LKS
$$ENDIF

7  CODE TYPES
-------------
$$IF(K1E|1)
  Code 39
    Check digit .......................... $$DECODE(K1C|0|---|1|Check (modulo 43)|2|Check and send|$$K1C)
    Minimum length ....................... $$K1N  characters
    Maximum length ....................... $$K1X  characters
    Full ASCII ........................... $$DECODE(K1F|0|off|1|on|$$K1F)
    Send start/stop characters ........... $$DECODE(K1S|0|off|1|on|$$K1S)
$$ELSE
    Code 39: reading switched off
$$ENDIF
$$IF(K2E|1)
  2/5 Interleaved
    Check digit .......................... $$DECODE(K2C|0|---|1|Check (modulo 10)|2|Check and send|$$K2C)
    Minimum length ....................... $$K2N  characters
    Maximum length ....................... $$K2X  characters
$$ELSE
    2/5 Interleaved: reading switched off
$$ENDIF
$$IF(K3E|1)
  Code 128
    Minimum length ....................... $$K3N  characters
    Maximum length ....................... $$K3X  characters
    GS1-128 interpretation ............... $$DECODE(K3G|0|off|1|on|$$K3G)
$$ELSE
    Code 128: reading switched off
$$ENDIF
$$IF(K3G|1)
    FNC1 substitute ...................... $$INDEX_CHAR(K3F|0|1) (hex $$K3F )
$$ENDIF
  EAN/UPC
    EAN-13 ............................... $$DECODE(K4A|0|off|1|on|$$K4A)
    EAN-8 ................................ $$DECODE(K4B|0|off|1|on|$$K4B)
    UPC-A ................................ $$DECODE(K4C|0|off|1|on|$$K4C)
    UPC-E ................................ $$DECODE(K4D|0|off|1|on|$$K4D)
    Add-on ............................... $$DECODE(K4S|0|none|1|2 digits|2|5 digits|3|2 or 5 digits|$$K4S)
$$IF(K5E|1)
  Codabar
    Minimum length ....................... $$K5N  characters
    Maximum length ....................... $$K5X  characters
    Send start/stop characters ........... $$DECODE(K5S|0|off|1|on|$$K5S)
$$ELSE
    Codabar: reading switched off
$$ENDIF
$$IF(K6E|1)
  Code 93
    Minimum length ....................... $$K6N  characters
    Maximum length ....................... $$K6X  characters
$$ELSE
    Code 93: reading switched off
$$ENDIF

Values in the scanner's coding where no text is given; numbers with leading zeros.

- End of report -
