{\rtf1\ansi\ansicpg1252\deff0\deflang1031
{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fmodern\fcharset0 Courier New;}}
{\colortbl;\red0\green0\blue0;\red0\green70\blue140;\red90\green90\blue90;}
{\info{\title ZEP Setup - Parameterbericht}{\author ZEP Setup}}
\paperw11906\paperh16838\margl1134\margr1134\margt1134\margb1134
\viewkind4\uc1\f0\fs20
{\pard\sa120\b\fs32\cf2 ZEP Setup - Parameterbericht\par}
{\pard\sa40 Scannertyp ZEP100 (RV-4400, RV-4400L), Typcode $$Type \par}
{\pard\sa40\tx2268 Erstellt:\tab $$Date \par}
{\pard\sa40\tx2268 Programm:\tab $$From \par}
{\pard\sa40\tx2268\cf3\fs16 Vorlage:\tab $$Created_by \par}
{\pard\keepn\sb300\sa100\b\fs26\cf2 1\tab Lesen\par}
{\pard\sa20\li567\tx5103 Codes pro Lesetor\tab $$DECODE(RCL|01|1|02|2|03|3|04|4|05|5|06|6|07|7|08|8|09|9|$$RCL)\par}
{\pard\sa20\li567\tx5103 Ergebnisausgabe\tab $$DECODE(HIS|0|Normal|1|Sofort|2|Keine Ausgabe|$$HIS)\par}
{\pard\sa20\li567\tx5103 Lesebest\'e4tigungen\tab $$DCC \par}
{\pard\sa20\li567\tx5103 Wiederholsperre\tab $$DCI  ms\par}
{\pard\sa20\li567\tx5103 Decodierstufe\tab $$DECODE(DCL|S|Standard|F|Schnell|R|Robust|$$DCL)\par}
{\pard\sa20\li567\tx5103 Ruhezone\tab $$DECODE(DCO|0|Normal|1|Reduziert|2|Minimal|$$DCO)\par}
{\pard\keepn\sb300\sa100\b\fs26\cf2 2\tab Leseregeln\par}
{\pard\sa40\li567\i Codel\'e4nge: nn-mm = nn bis mm Zeichen, nn___ = genau nn Zeichen.\par}
$$IF(L0O|00)
{\pard\sa40\li567\i Leseregel 0: nicht benutzt\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Leseregel 0\par}
{\pard\sa20\li567\tx5103 Codeart\tab $$DECODE(L0O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L0O)\par}
{\pard\sa20\li567\tx5103 Codel\'e4nge\tab $$L0L  $$DECODE_INDEX(L0L|2|2|_|(feste L\'e4nge)|(Bereich))\par}
{\pard\sa20\li567\tx5103 K\'fcrzester Code\tab $$INDEX(L0L|0|1) Zeichen\par}
{\pard\sa20\li567\tx5103 Codekennung\tab $$DECODE(L0U||keine|$$L0U)\par}
{\pard\sa20\li567\tx5103 Leserichtung\tab $$DECODE(L0D|0|Normal|1|Nur vorw\'e4rts|2|Nur r\'fcckw\'e4rts|$$L0D)\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(L0C|0|Standard|1|Aus|2|Pr\'fcfen|3|Pr\'fcfen und senden|$$L0C)\par}
{\pard\sa20\li567\tx5103 Lesesicherheit\tab $$DECODE(L0S|0|Standard|$$L0S)\par}
{\pard\sa20\li567\tx5103 Schaltausgang\tab $$DECODE(L0A|0|Standard|1|Impuls|2|Keiner|$$L0A)\par}
{\pard\sa20\li567\tx5103 Hostausgabe\tab $$DECODE(L0H|0|Normal|1|Unterdr\'fcckt|2|Nur Hilfsport|$$L0H)\par}
$$ENDIF
$$IF(L1O|00)
{\pard\sa40\li567\i Leseregel 1: nicht benutzt\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Leseregel 1\par}
{\pard\sa20\li567\tx5103 Codeart\tab $$DECODE(L1O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L1O)\par}
{\pard\sa20\li567\tx5103 Codel\'e4nge\tab $$L1L  $$DECODE_INDEX(L1L|2|2|_|(feste L\'e4nge)|(Bereich))\par}
{\pard\sa20\li567\tx5103 K\'fcrzester Code\tab $$INDEX(L1L|0|1) Zeichen\par}
{\pard\sa20\li567\tx5103 Codekennung\tab $$DECODE(L1U||keine|$$L1U)\par}
{\pard\sa20\li567\tx5103 Leserichtung\tab $$DECODE(L1D|0|Normal|1|Nur vorw\'e4rts|2|Nur r\'fcckw\'e4rts|$$L1D)\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(L1C|0|Standard|1|Aus|2|Pr\'fcfen|3|Pr\'fcfen und senden|$$L1C)\par}
{\pard\sa20\li567\tx5103 Lesesicherheit\tab $$DECODE(L1S|0|Standard|$$L1S)\par}
{\pard\sa20\li567\tx5103 Schaltausgang\tab $$DECODE(L1A|0|Standard|1|Impuls|2|Keiner|$$L1A)\par}
{\pard\sa20\li567\tx5103 Hostausgabe\tab $$DECODE(L1H|0|Normal|1|Unterdr\'fcckt|2|Nur Hilfsport|$$L1H)\par}
$$ENDIF
$$IF(L2O|00)
{\pard\sa40\li567\i Leseregel 2: nicht benutzt\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Leseregel 2\par}
{\pard\sa20\li567\tx5103 Codeart\tab $$DECODE(L2O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L2O)\par}
{\pard\sa20\li567\tx5103 Codel\'e4nge\tab $$L2L  $$DECODE_INDEX(L2L|2|2|_|(feste L\'e4nge)|(Bereich))\par}
{\pard\sa20\li567\tx5103 K\'fcrzester Code\tab $$INDEX(L2L|0|1) Zeichen\par}
{\pard\sa20\li567\tx5103 Codekennung\tab $$DECODE(L2U||keine|$$L2U)\par}
{\pard\sa20\li567\tx5103 Leserichtung\tab $$DECODE(L2D|0|Normal|1|Nur vorw\'e4rts|2|Nur r\'fcckw\'e4rts|$$L2D)\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(L2C|0|Standard|1|Aus|2|Pr\'fcfen|3|Pr\'fcfen und senden|$$L2C)\par}
{\pard\sa20\li567\tx5103 Lesesicherheit\tab $$DECODE(L2S|0|Standard|$$L2S)\par}
{\pard\sa20\li567\tx5103 Schaltausgang\tab $$DECODE(L2A|0|Standard|1|Impuls|2|Keiner|$$L2A)\par}
{\pard\sa20\li567\tx5103 Hostausgabe\tab $$DECODE(L2H|0|Normal|1|Unterdr\'fcckt|2|Nur Hilfsport|$$L2H)\par}
$$ENDIF
$$IF(L3O|00)
{\pard\sa40\li567\i Leseregel 3: nicht benutzt\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Leseregel 3\par}
{\pard\sa20\li567\tx5103 Codeart\tab $$DECODE(L3O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L3O)\par}
{\pard\sa20\li567\tx5103 Codel\'e4nge\tab $$L3L  $$DECODE_INDEX(L3L|2|2|_|(feste L\'e4nge)|(Bereich))\par}
{\pard\sa20\li567\tx5103 K\'fcrzester Code\tab $$INDEX(L3L|0|1) Zeichen\par}
{\pard\sa20\li567\tx5103 Codekennung\tab $$DECODE(L3U||keine|$$L3U)\par}
{\pard\sa20\li567\tx5103 Leserichtung\tab $$DECODE(L3D|0|Normal|1|Nur vorw\'e4rts|2|Nur r\'fcckw\'e4rts|$$L3D)\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(L3C|0|Standard|1|Aus|2|Pr\'fcfen|3|Pr\'fcfen und senden|$$L3C)\par}
{\pard\sa20\li567\tx5103 Lesesicherheit\tab $$DECODE(L3S|0|Standard|$$L3S)\par}
{\pard\sa20\li567\tx5103 Schaltausgang\tab $$DECODE(L3A|0|Standard|1|Impuls|2|Keiner|$$L3A)\par}
{\pard\sa20\li567\tx5103 Hostausgabe\tab $$DECODE(L3H|0|Normal|1|Unterdr\'fcckt|2|Nur Hilfsport|$$L3H)\par}
$$ENDIF
$$IF(L4O|00)
{\pard\sa40\li567\i Leseregel 4: nicht benutzt\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Leseregel 4\par}
{\pard\sa20\li567\tx5103 Codeart\tab $$DECODE(L4O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L4O)\par}
{\pard\sa20\li567\tx5103 Codel\'e4nge\tab $$L4L  $$DECODE_INDEX(L4L|2|2|_|(feste L\'e4nge)|(Bereich))\par}
{\pard\sa20\li567\tx5103 K\'fcrzester Code\tab $$INDEX(L4L|0|1) Zeichen\par}
{\pard\sa20\li567\tx5103 Codekennung\tab $$DECODE(L4U||keine|$$L4U)\par}
{\pard\sa20\li567\tx5103 Leserichtung\tab $$DECODE(L4D|0|Normal|1|Nur vorw\'e4rts|2|Nur r\'fcckw\'e4rts|$$L4D)\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(L4C|0|Standard|1|Aus|2|Pr\'fcfen|3|Pr\'fcfen und senden|$$L4C)\par}
{\pard\sa20\li567\tx5103 Lesesicherheit\tab $$DECODE(L4S|0|Standard|$$L4S)\par}
{\pard\sa20\li567\tx5103 Schaltausgang\tab $$DECODE(L4A|0|Standard|1|Impuls|2|Keiner|$$L4A)\par}
{\pard\sa20\li567\tx5103 Hostausgabe\tab $$DECODE(L4H|0|Normal|1|Unterdr\'fcckt|2|Nur Hilfsport|$$L4H)\par}
$$ENDIF
$$IF(L5O|00)
{\pard\sa40\li567\i Leseregel 5: nicht benutzt\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Leseregel 5\par}
{\pard\sa20\li567\tx5103 Codeart\tab $$DECODE(L5O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L5O)\par}
{\pard\sa20\li567\tx5103 Codel\'e4nge\tab $$L5L  $$DECODE_INDEX(L5L|2|2|_|(feste L\'e4nge)|(Bereich))\par}
{\pard\sa20\li567\tx5103 K\'fcrzester Code\tab $$INDEX(L5L|0|1) Zeichen\par}
{\pard\sa20\li567\tx5103 Codekennung\tab $$DECODE(L5U||keine|$$L5U)\par}
{\pard\sa20\li567\tx5103 Leserichtung\tab $$DECODE(L5D|0|Normal|1|Nur vorw\'e4rts|2|Nur r\'fcckw\'e4rts|$$L5D)\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(L5C|0|Standard|1|Aus|2|Pr\'fcfen|3|Pr\'fcfen und senden|$$L5C)\par}
{\pard\sa20\li567\tx5103 Lesesicherheit\tab $$DECODE(L5S|0|Standard|$$L5S)\par}
{\pard\sa20\li567\tx5103 Schaltausgang\tab $$DECODE(L5A|0|Standard|1|Impuls|2|Keiner|$$L5A)\par}
{\pard\sa20\li567\tx5103 Hostausgabe\tab $$DECODE(L5H|0|Normal|1|Unterdr\'fcckt|2|Nur Hilfsport|$$L5H)\par}
$$ENDIF
$$IF(L6O|00)
{\pard\sa40\li567\i Leseregel 6: nicht benutzt\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Leseregel 6\par}
{\pard\sa20\li567\tx5103 Codeart\tab $$DECODE(L6O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L6O)\par}
{\pard\sa20\li567\tx5103 Codel\'e4nge\tab $$L6L  $$DECODE_INDEX(L6L|2|2|_|(feste L\'e4nge)|(Bereich))\par}
{\pard\sa20\li567\tx5103 K\'fcrzester Code\tab $$INDEX(L6L|0|1) Zeichen\par}
{\pard\sa20\li567\tx5103 Codekennung\tab $$DECODE(L6U||keine|$$L6U)\par}
{\pard\sa20\li567\tx5103 Leserichtung\tab $$DECODE(L6D|0|Normal|1|Nur vorw\'e4rts|2|Nur r\'fcckw\'e4rts|$$L6D)\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(L6C|0|Standard|1|Aus|2|Pr\'fcfen|3|Pr\'fcfen und senden|$$L6C)\par}
{\pard\sa20\li567\tx5103 Lesesicherheit\tab $$DECODE(L6S|0|Standard|$$L6S)\par}
{\pard\sa20\li567\tx5103 Schaltausgang\tab $$DECODE(L6A|0|Standard|1|Impuls|2|Keiner|$$L6A)\par}
{\pard\sa20\li567\tx5103 Hostausgabe\tab $$DECODE(L6H|0|Normal|1|Unterdr\'fcckt|2|Nur Hilfsport|$$L6H)\par}
$$ENDIF
$$IF(L7O|00)
{\pard\sa40\li567\i Leseregel 7: nicht benutzt\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Leseregel 7\par}
{\pard\sa20\li567\tx5103 Codeart\tab $$DECODE(L7O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L7O)\par}
{\pard\sa20\li567\tx5103 Codel\'e4nge\tab $$L7L  $$DECODE_INDEX(L7L|2|2|_|(feste L\'e4nge)|(Bereich))\par}
{\pard\sa20\li567\tx5103 K\'fcrzester Code\tab $$INDEX(L7L|0|1) Zeichen\par}
{\pard\sa20\li567\tx5103 Codekennung\tab $$DECODE(L7U||keine|$$L7U)\par}
{\pard\sa20\li567\tx5103 Leserichtung\tab $$DECODE(L7D|0|Normal|1|Nur vorw\'e4rts|2|Nur r\'fcckw\'e4rts|$$L7D)\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(L7C|0|Standard|1|Aus|2|Pr\'fcfen|3|Pr\'fcfen und senden|$$L7C)\par}
{\pard\sa20\li567\tx5103 Lesesicherheit\tab $$DECODE(L7S|0|Standard|$$L7S)\par}
{\pard\sa20\li567\tx5103 Schaltausgang\tab $$DECODE(L7A|0|Standard|1|Impuls|2|Keiner|$$L7A)\par}
{\pard\sa20\li567\tx5103 Hostausgabe\tab $$DECODE(L7H|0|Normal|1|Unterdr\'fcckt|2|Nur Hilfsport|$$L7H)\par}
$$ENDIF
$$IF(L8O|00)
{\pard\sa40\li567\i Leseregel 8: nicht benutzt\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Leseregel 8\par}
{\pard\sa20\li567\tx5103 Codeart\tab $$DECODE(L8O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L8O)\par}
{\pard\sa20\li567\tx5103 Codel\'e4nge\tab $$L8L  $$DECODE_INDEX(L8L|2|2|_|(feste L\'e4nge)|(Bereich))\par}
{\pard\sa20\li567\tx5103 K\'fcrzester Code\tab $$INDEX(L8L|0|1) Zeichen\par}
{\pard\sa20\li567\tx5103 Codekennung\tab $$DECODE(L8U||keine|$$L8U)\par}
{\pard\sa20\li567\tx5103 Leserichtung\tab $$DECODE(L8D|0|Normal|1|Nur vorw\'e4rts|2|Nur r\'fcckw\'e4rts|$$L8D)\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(L8C|0|Standard|1|Aus|2|Pr\'fcfen|3|Pr\'fcfen und senden|$$L8C)\par}
{\pard\sa20\li567\tx5103 Lesesicherheit\tab $$DECODE(L8S|0|Standard|$$L8S)\par}
{\pard\sa20\li567\tx5103 Schaltausgang\tab $$DECODE(L8A|0|Standard|1|Impuls|2|Keiner|$$L8A)\par}
{\pard\sa20\li567\tx5103 Hostausgabe\tab $$DECODE(L8H|0|Normal|1|Unterdr\'fcckt|2|Nur Hilfsport|$$L8H)\par}
$$ENDIF
$$IF(L9O|00)
{\pard\sa40\li567\i Leseregel 9: nicht benutzt\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b Leseregel 9\par}
{\pard\sa20\li567\tx5103 Codeart\tab $$DECODE(L9O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L9O)\par}
{\pard\sa20\li567\tx5103 Codel\'e4nge\tab $$L9L  $$DECODE_INDEX(L9L|2|2|_|(feste L\'e4nge)|(Bereich))\par}
{\pard\sa20\li567\tx5103 K\'fcrzester Code\tab $$INDEX(L9L|0|1) Zeichen\par}
{\pard\sa20\li567\tx5103 Codekennung\tab $$DECODE(L9U||keine|$$L9U)\par}
{\pard\sa20\li567\tx5103 Leserichtung\tab $$DECODE(L9D|0|Normal|1|Nur vorw\'e4rts|2|Nur r\'fcckw\'e4rts|$$L9D)\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(L9C|0|Standard|1|Aus|2|Pr\'fcfen|3|Pr\'fcfen und senden|$$L9C)\par}
{\pard\sa20\li567\tx5103 Lesesicherheit\tab $$DECODE(L9S|0|Standard|$$L9S)\par}
{\pard\sa20\li567\tx5103 Schaltausgang\tab $$DECODE(L9A|0|Standard|1|Impuls|2|Keiner|$$L9A)\par}
{\pard\sa20\li567\tx5103 Hostausgabe\tab $$DECODE(L9H|0|Normal|1|Unterdr\'fcckt|2|Nur Hilfsport|$$L9H)\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 3\tab Abtastoptik und Lesetor\par}
{\pard\sa20\li567\tx5103 Abtastrate\tab $$ROT  Scans/s\par}
{\pard\sa20\li567\tx5103 Raster\tab $$DECODE(ROR|0|0\'b0|1|2\'b0|2|4\'b0|3|8\'b0|$$ROR)\par}
{\pard\sa20\li567\tx5103 Motor-Standby\tab $$DECODE(ROS|0|Aus|1|1 min|2|5 min|3|30 min|$$ROS)\par}
{\pard\sa20\li567\tx5103 Triggerart\tab $$DECODE(LTT|E|Flanke|L|Pegel|C|Dauerbetrieb|$$LTT)\par}
$$IF(LTT|C)
{\pard\sa40\li567\i Das Lesetor ist immer offen; Triggerverz\'f6gerung und maximale Lesetorzeit gelten nicht.\par}
$$ELSE
{\pard\sa20\li567\tx5103 Triggerverz\'f6gerung\tab $$DECODE(LTD|0|0 ms|1|10 ms|2|50 ms|3|100 ms|4|500 ms|$$LTD)\par}
{\pard\sa20\li567\tx5103 Maximale Lesetorzeit (ms)\tab $$DECODE(LTM|00000|unbegrenzt|$$LTM)\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 4\tab Codevergleich\par}
$$IF(CVA|1)
{\pard\sa20\li567\tx5103 Vergleich\tab aktiv\par}
{\pard\sa20\li567\tx5103 Mastercode\tab "$$CVI "\par}
{\pard\sa20\li567\tx5103 Vergleichsmaske\tab $$DECODE(CVM||keine: der ganze Code wird verglichen|$$CVM)\par}
{\pard\sa20\li567\tx5103 Vergleichsausgabe\tab $$DECODE(CVO|A|Alle Codes|M|Nur \'fcbereinstimmende Codes|N|Nur abweichende Codes|$$CVO)\par}
$$ELSE
{\pard\sa40\li567\i Der Codevergleich ist ausgeschaltet.\par}
$$ENDIF
$$CONTAINS(CVM|@)
{\pard\sa40\li567\i Hinweis: die Maske enth\'e4lt @; ab dieser Stelle wird eine beliebige Anzahl Zeichen angenommen.\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 5\tab Hostschnittstelle\par}
{\pard\sa20\li567\tx5103 Schnittstellentyp\tab $$DECODE(HIT|0|RS-232|1|RS-422|2|RS-485|$$HIT)\par}
{\pard\sa20\li567\tx5103 Protokoll\tab $$DECODE(HIP|0|Standard|1|ACK/NAK|2|Netzwerk|$$HIP)\par}
$$IF(HIP|2)
{\pard\sa20\li567\tx5103 Netzwerkadresse\tab $$HIA \par}
$$ENDIF
{\pard\sa20\li567\tx5103 Hostport: Baudrate\tab $$DECODE(H0B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H0B) bit/s\par}
{\pard\sa20\li567\tx5103 Hostport: Datenformat\tab $$DECODE(H0F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H0F)\par}
{\pard\sa20\li567\tx5103 Hostport: Endezeichen\tab $$DECODE(H0T|0|Keines|1|CR|2|LF|3|CR LF|4|ETX|$$H0T)\par}
{\pard\sa20\li567\tx5103 Hostport: Nichtlesetext\tab $$DECODE(H0E||keiner: es wird nichts gesendet|$$H0E)\par}
{\pard\sa20\li567\tx5103 Hostport: Pr\'fcfzeichen\tab $$DECODE(H0C|0|---|1|XOR|2|Summe|$$H0C)\par}
{\pard\sa20\li567\tx5103 Hilfsport-Ausgabe\tab $$DECODE(H1E|0|keine|1|Kopie der Hostausgabe|2|Leserate|3|Diagnose|$$H1E)\par}
$$IF(H1E|0)
$$ELSE
{\pard\sa20\li567\tx5103 Hilfsport: Baudrate\tab $$DECODE(H1B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H1B) bit/s\par}
{\pard\sa20\li567\tx5103 Hilfsport: Datenformat\tab $$DECODE(H1F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H1F)\par}
{\pard\sa20\li567\tx5103 Hilfsport: Endezeichen\tab $$DECODE(H1T|0|Keines|1|CR|2|LF|3|CR LF|4|ETX|$$H1T)\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 6\tab Signale\par}
{\pard\sa20\li567\tx5103 Schaltausgang-Ereignis\tab $$DECODE(H2E|0|nie|1|Gutlesung|2|Keine Lesung|3|Vergleichsfehler|$$H2E)\par}
{\pard\sa20\li567\tx5103 Gutlese-LED\tab $$DECODE(GN|0|Aus|1|Normal|2|Invertiert|$$GN)\par}
{\pard\sa20\li567\tx5103 Signalton\tab $$DECODE(BT|0|Aus|1|2 kHz|2|2,5 kHz|3|3 kHz|4|4 kHz|$$BT)\par}
{\pard\sa20\li567\tx5103 Signaldauer\tab $$FD  ms\par}
$$IF(LKC|0)
{\pard\sa20\li567\tx5103 Codeverkettung\tab aus\par}
$$ELSE
{\pard\sa20\li567\tx5103 Verkettete Codes\tab $$LKC \par}
{\pard\sa20\li567\tx5103 Verkettungszeichen\tab $$LKS \par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 7\tab Codearten\par}
$$IF(K1E|1)
{\pard\keepn\sb160\sa40\li283\b Code 39\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(K1C|0|---|1|Pr\'fcfen (Modulo 43)|2|Pr\'fcfen und senden|$$K1C)\par}
{\pard\sa20\li567\tx5103 Minimale L\'e4nge\tab $$K1N  Zeichen\par}
{\pard\sa20\li567\tx5103 Maximale L\'e4nge\tab $$K1X  Zeichen\par}
{\pard\sa20\li567\tx5103 Full ASCII\tab $$DECODE(K1F|0|aus|1|ein|$$K1F)\par}
{\pard\sa20\li567\tx5103 Start-/Stoppzeichen senden\tab $$DECODE(K1S|0|aus|1|ein|$$K1S)\par}
$$ELSE
{\pard\sa40\li567\i Code 39: Lesen ausgeschaltet\par}
$$ENDIF
$$IF(K2E|1)
{\pard\keepn\sb160\sa40\li283\b 2/5 Interleaved\par}
{\pard\sa20\li567\tx5103 Pr\'fcfziffer\tab $$DECODE(K2C|0|---|1|Pr\'fcfen (Modulo 10)|2|Pr\'fcfen und senden|$$K2C)\par}
{\pard\sa20\li567\tx5103 Minimale L\'e4nge\tab $$K2N  Zeichen\par}
{\pard\sa20\li567\tx5103 Maximale L\'e4nge\tab $$K2X  Zeichen\par}
$$ELSE
{\pard\sa40\li567\i 2/5 Interleaved: Lesen ausgeschaltet\par}
$$ENDIF
$$IF(K3E|1)
{\pard\keepn\sb160\sa40\li283\b Code 128\par}
{\pard\sa20\li567\tx5103 Minimale L\'e4nge\tab $$K3N  Zeichen\par}
{\pard\sa20\li567\tx5103 Maximale L\'e4nge\tab $$K3X  Zeichen\par}
{\pard\sa20\li567\tx5103 GS1-128-Auswertung\tab $$DECODE(K3G|0|aus|1|ein|$$K3G)\par}
$$ELSE
{\pard\sa40\li567\i Code 128: Lesen ausgeschaltet\par}
$$ENDIF
$$IF(K3G|1)
{\pard\sa20\li567\tx5103 FNC1-Ersatz\tab $$INDEX_CHAR(K3F|0|1) (hex $$K3F )\par}
$$ENDIF
{\pard\keepn\sb160\sa40\li283\b EAN/UPC\par}
{\pard\sa20\li567\tx5103 EAN-13\tab $$DECODE(K4A|0|aus|1|ein|$$K4A)\par}
{\pard\sa20\li567\tx5103 EAN-8\tab $$DECODE(K4B|0|aus|1|ein|$$K4B)\par}
{\pard\sa20\li567\tx5103 UPC-A\tab $$DECODE(K4C|0|aus|1|ein|$$K4C)\par}
{\pard\sa20\li567\tx5103 UPC-E\tab $$DECODE(K4D|0|aus|1|ein|$$K4D)\par}
{\pard\sa20\li567\tx5103 Zusatzcode\tab $$DECODE(K4S|0|keiner|1|2 Stellen|2|5 Stellen|3|2 oder 5 Stellen|$$K4S)\par}
$$IF(K5E|1)
{\pard\keepn\sb160\sa40\li283\b Codabar\par}
{\pard\sa20\li567\tx5103 Minimale L\'e4nge\tab $$K5N  Zeichen\par}
{\pard\sa20\li567\tx5103 Maximale L\'e4nge\tab $$K5X  Zeichen\par}
{\pard\sa20\li567\tx5103 Start-/Stoppzeichen senden\tab $$DECODE(K5S|0|aus|1|ein|$$K5S)\par}
$$ELSE
{\pard\sa40\li567\i Codabar: Lesen ausgeschaltet\par}
$$ENDIF
$$IF(K6E|1)
{\pard\keepn\sb160\sa40\li283\b Code 93\par}
{\pard\sa20\li567\tx5103 Minimale L\'e4nge\tab $$K6N  Zeichen\par}
{\pard\sa20\li567\tx5103 Maximale L\'e4nge\tab $$K6X  Zeichen\par}
$$ELSE
{\pard\sa40\li567\i Code 93: Lesen ausgeschaltet\par}
$$ENDIF
{\pard\sb300\cf3\fs16 Werte in der Codierung des Scanners, wo kein Text angegeben ist; Zahlen mit f\'fchrenden Nullen.\par}
{\pard\sb200\qc\b Ende des Berichts\par}
}
