ZEP Setup - Parameterbericht
============================
Scannertyp ZEP100 (RV-4400, RV-4400L), Typcode $$Type
Erstellt: $$Date
Programm: $$From
Vorlage: $$Created_by


1  LESEN
--------
    Codes pro Lesetor .................... $$DECODE(RCL|01|1|02|2|03|3|04|4|05|5|06|6|07|7|08|8|09|9|$$RCL)
    Ergebnisausgabe ...................... $$DECODE(HIS|0|Normal|1|Sofort|2|Keine Ausgabe|$$HIS)
    Lesebestätigungen .................... $$DCC
    Wiederholsperre ...................... $$DCI  ms
    Decodierstufe ........................ $$DECODE(DCL|S|Standard|F|Schnell|R|Robust|$$DCL)
    Ruhezone ............................. $$DECODE(DCO|0|Normal|1|Reduziert|2|Minimal|$$DCO)

2  LESEREGELN
-------------
    Codelänge: nn-mm = nn bis mm Zeichen, nn___ = genau nn Zeichen.
$$IF(L0O|00)
    Leseregel 0: nicht benutzt
$$ELSE
  Leseregel 0
    Codeart .............................. $$DECODE(L0O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L0O)
    Codelänge ............................ $$L0L  $$DECODE_INDEX(L0L|2|2|_|(feste Länge)|(Bereich))
    Kürzester Code ....................... $$INDEX(L0L|0|1) Zeichen
    Codekennung .......................... $$DECODE(L0U||keine|$$L0U)
    Leserichtung ......................... $$DECODE(L0D|0|Normal|1|Nur vorwärts|2|Nur rückwärts|$$L0D)
    Prüfziffer ........................... $$DECODE(L0C|0|Standard|1|Aus|2|Prüfen|3|Prüfen und senden|$$L0C)
    Lesesicherheit ....................... $$DECODE(L0S|0|Standard|$$L0S)
    Schaltausgang ........................ $$DECODE(L0A|0|Standard|1|Impuls|2|Keiner|$$L0A)
    Hostausgabe .......................... $$DECODE(L0H|0|Normal|1|Unterdrückt|2|Nur Hilfsport|$$L0H)
$$ENDIF
$$IF(L1O|00)
    Leseregel 1: nicht benutzt
$$ELSE
  Leseregel 1
    Codeart .............................. $$DECODE(L1O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L1O)
    Codelänge ............................ $$L1L  $$DECODE_INDEX(L1L|2|2|_|(feste Länge)|(Bereich))
    Kürzester Code ....................... $$INDEX(L1L|0|1) Zeichen
    Codekennung .......................... $$DECODE(L1U||keine|$$L1U)
    Leserichtung ......................... $$DECODE(L1D|0|Normal|1|Nur vorwärts|2|Nur rückwärts|$$L1D)
    Prüfziffer ........................... $$DECODE(L1C|0|Standard|1|Aus|2|Prüfen|3|Prüfen und senden|$$L1C)
    Lesesicherheit ....................... $$DECODE(L1S|0|Standard|$$L1S)
    Schaltausgang ........................ $$DECODE(L1A|0|Standard|1|Impuls|2|Keiner|$$L1A)
    Hostausgabe .......................... $$DECODE(L1H|0|Normal|1|Unterdrückt|2|Nur Hilfsport|$$L1H)
$$ENDIF
$$IF(L2O|00)
    Leseregel 2: nicht benutzt
$$ELSE
  Leseregel 2
    Codeart .............................. $$DECODE(L2O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L2O)
    Codelänge ............................ $$L2L  $$DECODE_INDEX(L2L|2|2|_|(feste Länge)|(Bereich))
    Kürzester Code ....................... $$INDEX(L2L|0|1) Zeichen
    Codekennung .......................... $$DECODE(L2U||keine|$$L2U)
    Leserichtung ......................... $$DECODE(L2D|0|Normal|1|Nur vorwärts|2|Nur rückwärts|$$L2D)
    Prüfziffer ........................... $$DECODE(L2C|0|Standard|1|Aus|2|Prüfen|3|Prüfen und senden|$$L2C)
    Lesesicherheit ....................... $$DECODE(L2S|0|Standard|$$L2S)
    Schaltausgang ........................ $$DECODE(L2A|0|Standard|1|Impuls|2|Keiner|$$L2A)
    Hostausgabe .......................... $$DECODE(L2H|0|Normal|1|Unterdrückt|2|Nur Hilfsport|$$L2H)
$$ENDIF
$$IF(L3O|00)
    Leseregel 3: nicht benutzt
$$ELSE
  Leseregel 3
    Codeart .............................. $$DECODE(L3O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L3O)
    Codelänge ............................ $$L3L  $$DECODE_INDEX(L3L|2|2|_|(feste Länge)|(Bereich))
    Kürzester Code ....................... $$INDEX(L3L|0|1) Zeichen
    Codekennung .......................... $$DECODE(L3U||keine|$$L3U)
    Leserichtung ......................... $$DECODE(L3D|0|Normal|1|Nur vorwärts|2|Nur rückwärts|$$L3D)
    Prüfziffer ........................... $$DECODE(L3C|0|Standard|1|Aus|2|Prüfen|3|Prüfen und senden|$$L3C)
    Lesesicherheit ....................... $$DECODE(L3S|0|Standard|$$L3S)
    Schaltausgang ........................ $$DECODE(L3A|0|Standard|1|Impuls|2|Keiner|$$L3A)
    Hostausgabe .......................... $$DECODE(L3H|0|Normal|1|Unterdrückt|2|Nur Hilfsport|$$L3H)
$$ENDIF
$$IF(L4O|00)
    Leseregel 4: nicht benutzt
$$ELSE
  Leseregel 4
    Codeart .............................. $$DECODE(L4O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L4O)
    Codelänge ............................ $$L4L  $$DECODE_INDEX(L4L|2|2|_|(feste Länge)|(Bereich))
    Kürzester Code ....................... $$INDEX(L4L|0|1) Zeichen
    Codekennung .......................... $$DECODE(L4U||keine|$$L4U)
    Leserichtung ......................... $$DECODE(L4D|0|Normal|1|Nur vorwärts|2|Nur rückwärts|$$L4D)
    Prüfziffer ........................... $$DECODE(L4C|0|Standard|1|Aus|2|Prüfen|3|Prüfen und senden|$$L4C)
    Lesesicherheit ....................... $$DECODE(L4S|0|Standard|$$L4S)
    Schaltausgang ........................ $$DECODE(L4A|0|Standard|1|Impuls|2|Keiner|$$L4A)
    Hostausgabe .......................... $$DECODE(L4H|0|Normal|1|Unterdrückt|2|Nur Hilfsport|$$L4H)
$$ENDIF
$$IF(L5O|00)
    Leseregel 5: nicht benutzt
$$ELSE
  Leseregel 5
    Codeart .............................. $$DECODE(L5O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L5O)
    Codelänge ............................ $$L5L  $$DECODE_INDEX(L5L|2|2|_|(feste Länge)|(Bereich))
    Kürzester Code ....................... $$INDEX(L5L|0|1) Zeichen
    Codekennung .......................... $$DECODE(L5U||keine|$$L5U)
    Leserichtung ......................... $$DECODE(L5D|0|Normal|1|Nur vorwärts|2|Nur rückwärts|$$L5D)
    Prüfziffer ........................... $$DECODE(L5C|0|Standard|1|Aus|2|Prüfen|3|Prüfen und senden|$$L5C)
    Lesesicherheit ....................... $$DECODE(L5S|0|Standard|$$L5S)
    Schaltausgang ........................ $$DECODE(L5A|0|Standard|1|Impuls|2|Keiner|$$L5A)
    Hostausgabe .......................... $$DECODE(L5H|0|Normal|1|Unterdrückt|2|Nur Hilfsport|$$L5H)
$$ENDIF
$$IF(L6O|00)
    Leseregel 6: nicht benutzt
$$ELSE
  Leseregel 6
    Codeart .............................. $$DECODE(L6O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L6O)
    Codelänge ............................ $$L6L  $$DECODE_INDEX(L6L|2|2|_|(feste Länge)|(Bereich))
    Kürzester Code ....................... $$INDEX(L6L|0|1) Zeichen
    Codekennung .......................... $$DECODE(L6U||keine|$$L6U)
    Leserichtung ......................... $$DECODE(L6D|0|Normal|1|Nur vorwärts|2|Nur rückwärts|$$L6D)
    Prüfziffer ........................... $$DECODE(L6C|0|Standard|1|Aus|2|Prüfen|3|Prüfen und senden|$$L6C)
    Lesesicherheit ....................... $$DECODE(L6S|0|Standard|$$L6S)
    Schaltausgang ........................ $$DECODE(L6A|0|Standard|1|Impuls|2|Keiner|$$L6A)
    Hostausgabe .......................... $$DECODE(L6H|0|Normal|1|Unterdrückt|2|Nur Hilfsport|$$L6H)
$$ENDIF
$$IF(L7O|00)
    Leseregel 7: nicht benutzt
$$ELSE
  Leseregel 7
    Codeart .............................. $$DECODE(L7O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L7O)
    Codelänge ............................ $$L7L  $$DECODE_INDEX(L7L|2|2|_|(feste Länge)|(Bereich))
    Kürzester Code ....................... $$INDEX(L7L|0|1) Zeichen
    Codekennung .......................... $$DECODE(L7U||keine|$$L7U)
    Leserichtung ......................... $$DECODE(L7D|0|Normal|1|Nur vorwärts|2|Nur rückwärts|$$L7D)
    Prüfziffer ........................... $$DECODE(L7C|0|Standard|1|Aus|2|Prüfen|3|Prüfen und senden|$$L7C)
    Lesesicherheit ....................... $$DECODE(L7S|0|Standard|$$L7S)
    Schaltausgang ........................ $$DECODE(L7A|0|Standard|1|Impuls|2|Keiner|$$L7A)
    Hostausgabe .......................... $$DECODE(L7H|0|Normal|1|Unterdrückt|2|Nur Hilfsport|$$L7H)
$$ENDIF
$$IF(L8O|00)
    Leseregel 8: nicht benutzt
$$ELSE
  Leseregel 8
    Codeart .............................. $$DECODE(L8O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L8O)
    Codelänge ............................ $$L8L  $$DECODE_INDEX(L8L|2|2|_|(feste Länge)|(Bereich))
    Kürzester Code ....................... $$INDEX(L8L|0|1) Zeichen
    Codekennung .......................... $$DECODE(L8U||keine|$$L8U)
    Leserichtung ......................... $$DECODE(L8D|0|Normal|1|Nur vorwärts|2|Nur rückwärts|$$L8D)
    Prüfziffer ........................... $$DECODE(L8C|0|Standard|1|Aus|2|Prüfen|3|Prüfen und senden|$$L8C)
    Lesesicherheit ....................... $$DECODE(L8S|0|Standard|$$L8S)
    Schaltausgang ........................ $$DECODE(L8A|0|Standard|1|Impuls|2|Keiner|$$L8A)
    Hostausgabe .......................... $$DECODE(L8H|0|Normal|1|Unterdrückt|2|Nur Hilfsport|$$L8H)
$$ENDIF
$$IF(L9O|00)
    Leseregel 9: nicht benutzt
$$ELSE
  Leseregel 9
    Codeart .............................. $$DECODE(L9O|00|nicht benutzt|01|Code 39|02|2/5 Interleaved|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L9O)
    Codelänge ............................ $$L9L  $$DECODE_INDEX(L9L|2|2|_|(feste Länge)|(Bereich))
    Kürzester Code ....................... $$INDEX(L9L|0|1) Zeichen
    Codekennung .......................... $$DECODE(L9U||keine|$$L9U)
    Leserichtung ......................... $$DECODE(L9D|0|Normal|1|Nur vorwärts|2|Nur rückwärts|$$L9D)
    Prüfziffer ........................... $$DECODE(L9C|0|Standard|1|Aus|2|Prüfen|3|Prüfen und senden|$$L9C)
    Lesesicherheit ....................... $$DECODE(L9S|0|Standard|$$L9S)
    Schaltausgang ........................ $$DECODE(L9A|0|Standard|1|Impuls|2|Keiner|$$L9A)
    Hostausgabe .......................... $$DECODE(L9H|0|Normal|1|Unterdrückt|2|Nur Hilfsport|$$L9H)
$$ENDIF

3  ABTASTOPTIK UND LESETOR
--------------------------
    Abtastrate ........................... $$ROT  Scans/s
    Raster ............................... $$DECODE(ROR|0|0°|1|2°|2|4°|3|8°|$$ROR)
    Motor-Standby ........................ $$DECODE(ROS|0|Aus|1|1 min|2|5 min|3|30 min|$$ROS)
    Triggerart ........................... $$DECODE(LTT|E|Flanke|L|Pegel|C|Dauerbetrieb|$$LTT)
$$IF(LTT|C)
    Das Lesetor ist immer offen; Triggerverzögerung und maximale Lesetorzeit gelten nicht.
$$ELSE
    Triggerverzögerung ................... $$DECODE(LTD|0|0 ms|1|10 ms|2|50 ms|3|100 ms|4|500 ms|$$LTD)
    Maximale Lesetorzeit (ms) ............ $$DECODE(LTM|00000|unbegrenzt|$$LTM)
$$ENDIF

4  CODEVERGLEICH
----------------
$$IF(CVA|1)
    Vergleich ............................ aktiv
    Mastercode ........................... "$$CVI "
    Vergleichsmaske ...................... $$DECODE(CVM||keine: der ganze Code wird verglichen|$$CVM)
    Vergleichsausgabe .................... $$DECODE(CVO|A|Alle Codes|M|Nur übereinstimmende Codes|N|Nur abweichende Codes|$$CVO)
$$ELSE
    Der Codevergleich ist ausgeschaltet.
$$ENDIF
$$CONTAINS(CVM|@)
    Hinweis: die Maske enthält @; ab dieser Stelle wird eine beliebige Anzahl Zeichen angenommen.
$$ENDIF

5  HOSTSCHNITTSTELLE
--------------------
    Schnittstellentyp .................... $$DECODE(HIT|0|RS-232|1|RS-422|2|RS-485|$$HIT)
    Protokoll ............................ $$DECODE(HIP|0|Standard|1|ACK/NAK|2|Netzwerk|$$HIP)
$$IF(HIP|2)
    Netzwerkadresse ...................... $$HIA
$$ENDIF
    Hostport: Baudrate ................... $$DECODE(H0B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H0B) bit/s
    Hostport: Datenformat ................ $$DECODE(H0F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H0F)
    Hostport: Endezeichen ................ $$DECODE(H0T|0|Keines|1|CR|2|LF|3|CR LF|4|ETX|$$H0T)
    Hostport: Nichtlesetext .............. $$DECODE(H0E||keiner: es wird nichts gesendet|$$H0E)
    Hostport: Prüfzeichen ................ $$DECODE(H0C|0|---|1|XOR|2|Summe|$$H0C)
    Hilfsport-Ausgabe .................... $$DECODE(H1E|0|keine|1|Kopie der Hostausgabe|2|Leserate|3|Diagnose|$$H1E)
$$IF(H1E|0)
$$ELSE
    Hilfsport: Baudrate .................. $$DECODE(H1B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H1B) bit/s
    Hilfsport: Datenformat ............... $$DECODE(H1F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H1F)
    Hilfsport: Endezeichen ............... $$DECODE(H1T|0|Keines|1|CR|2|LF|3|CR LF|4|ETX|$$H1T)
$$ENDIF

6  SIGNALE
----------
    Schaltausgang-Ereignis ............... $$DECODE(H2E|0|nie|1|Gutlesung|2|Keine Lesung|3|Vergleichsfehler|$$H2E)
    Gutlese-LED .......................... $$DECODE(GN|0|Aus|1|Normal|2|Invertiert|$$GN)
    Signalton ............................ $$DECODE(BT|0|Aus|1|2 kHz|2|2,5 kHz|3|3 kHz|4|4 kHz|$$BT)
    Signaldauer .......................... $$FD  ms
$$IF(LKC|0)
    Codeverkettung ....................... aus
$$ELSE
    Verkettete Codes ..................... $$LKC
    Verkettungszeichen ................... $$LKS
$$ENDIF

7  CODEARTEN
------------
$$IF(K1E|1)
  Code 39
    Prüfziffer ........................... $$DECODE(K1C|0|---|1|Prüfen (Modulo 43)|2|Prüfen und senden|$$K1C)
    Minimale Länge ....................... $$K1N  Zeichen
    Maximale Länge ....................... $$K1X  Zeichen
    Full ASCII ........................... $$DECODE(K1F|0|aus|1|ein|$$K1F)
    Start-/Stoppzeichen senden ........... $$DECODE(K1S|0|aus|1|ein|$$K1S)
$$ELSE
    Code 39: Lesen ausgeschaltet
$$ENDIF
$$IF(K2E|1)
  2/5 Interleaved
    Prüfziffer ........................... $$DECODE(K2C|0|---|1|Prüfen (Modulo 10)|2|Prüfen und senden|$$K2C)
    Minimale Länge ....................... $$K2N  Zeichen
    Maximale Länge ....................... $$K2X  Zeichen
$$ELSE
    2/5 Interleaved: Lesen ausgeschaltet
$$ENDIF
$$IF(K3E|1)
  Code 128
    Minimale Länge ....................... $$K3N  Zeichen
    Maximale Länge ....................... $$K3X  Zeichen
    GS1-128-Auswertung ................... $$DECODE(K3G|0|aus|1|ein|$$K3G)
$$ELSE
    Code 128: Lesen ausgeschaltet
$$ENDIF
$$IF(K3G|1)
    FNC1-Ersatz .......................... $$INDEX_CHAR(K3F|0|1) (hex $$K3F )
$$ENDIF
  EAN/UPC
    EAN-13 ............................... $$DECODE(K4A|0|aus|1|ein|$$K4A)
    EAN-8 ................................ $$DECODE(K4B|0|aus|1|ein|$$K4B)
    UPC-A ................................ $$DECODE(K4C|0|aus|1|ein|$$K4C)
    UPC-E ................................ $$DECODE(K4D|0|aus|1|ein|$$K4D)
    Zusatzcode ........................... $$DECODE(K4S|0|keiner|1|2 Stellen|2|5 Stellen|3|2 oder 5 Stellen|$$K4S)
$$IF(K5E|1)
  Codabar
    Minimale Länge ....................... $$K5N  Zeichen
    Maximale Länge ....................... $$K5X  Zeichen
    Start-/Stoppzeichen senden ........... $$DECODE(K5S|0|aus|1|ein|$$K5S)
$$ELSE
    Codabar: Lesen ausgeschaltet
$$ENDIF
$$IF(K6E|1)
  Code 93
    Minimale Länge ....................... $$K6N  Zeichen
    Maximale Länge ....................... $$K6X  Zeichen
$$ELSE
    Code 93: Lesen ausgeschaltet
$$ENDIF

Werte in der Codierung des Scanners, wo kein Text angegeben ist; Zahlen mit führenden Nullen.

- Ende des Berichts -
