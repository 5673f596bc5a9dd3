; Scanner profile of the configuration type ZEP100: the scanner models RV-4400 and
; RV-4400L, scanner software V2.13. Every parameter and its command are described in
; README.md beside this file.
;
; Group sections follow the three leading sections in the order of [ParameterGroups].
; Their first entry is the number of parameter lines, the second the instance list.
; Parameter line: label;type;length;range;high;low;excludes;default (coded);
;                 default;unit
; With a mapping the range holds the codes separated by "|", and each MAPPING_ line
; the texts of one language in the same order (a comma inside a text is written "\,").

[GeneralInformation]
Version=1.0
ResourceFile=ZEP100.cgw
Models=RV-4400,RV-4400L
Software=V2.13

[ParameterGroups]
RC=Reading control
DC=Decoder
L=Reading rule
RO=Scanning optics
LT=Reading gate
CV=Code comparison
HI=Host interface
H0=Host port
H1=Auxiliary port
H2=Switching output
GN=Good-read LED
BT=Beeper tone
FD=Feedback duration
LK=Code linking
K1=Code 39
K2=2/5 Interleaved
K3=Code 128
K4=EAN/UPC
K5=Codabar
K6=Code 93

[Languages]
001=English
049=Deutsch
033=Français

[RC]
Parameters=1
Instances=
L=Codes per reading gate;ENUMERATEDINT;2;01|02|03|04|05|06|07|08|09|10;;;;01;1;
MAPPING_001=1,2,3,4,5,6,7,8,9,10
MAPPING_049=1,2,3,4,5,6,7,8,9,10
MAPPING_033=1,2,3,4,5,6,7,8,9,10

[DC]
Parameters=4
Instances=
C=Decode confirmations;ENUMERATEDINT;1;1|2|3|4|5|6|7|8|9;;;;2;2;
MAPPING_001=1,2,3,4,5,6,7,8,9
MAPPING_049=1,2,3,4,5,6,7,8,9
MAPPING_033=1,2,3,4,5,6,7,8,9
I=Repeat suppression time;INT;4;;9999;0;;0500;500;ms
L=Decoding level;ENUMERATEDCHAR;1;S,F,R;;;;S;S;
O=Quiet zone;ENUMERATEDINT;1;0|1|2;;;;0;Normal;
MAPPING_001=Normal,Reduced,Minimal
MAPPING_049=Normal,Reduziert,Minimal
MAPPING_033=Normal,Réduite,Minimale

[L]
Parameters=8
Instances=0,1,2,3,4,5,6,7,8,9
O=Code type;ENUMERATEDINT;2;00|01|02|03|04|05|06|07|08|09|10;;;;00;---;
MAPPING_001=---,Code 39,2/5 Interleaved,Code 128,EAN-13,EAN-8,UPC-A,UPC-E,Codabar,Code 93,GS1-128
MAPPING_049=---,Code 39,2/5 Interleaved,Code 128,EAN-13,EAN-8,UPC-A,UPC-E,Codabar,Code 93,GS1-128
MAPPING_033=---,Code 39,2/5 entrelacé,Code 128,EAN-13,EAN-8,UPC-A,UPC-E,Codabar,Code 93,GS1-128
L=Code length;STRING;5;;;;;01-99;01-99;
U=Code identifier;HEXCHAR;2;;7F;01;;00;NA;
D=Reading direction;ENUMERATEDINT;1;0|1|2;;;;0;Normal;
MAPPING_001=Normal,Forward only,Reverse only
MAPPING_049=Normal,Nur vorwärts,Nur rückwärts
MAPPING_033=Normal,Avant seulement,Arrière seulement
C=Check digit;ENUMERATEDINT;1;0|1|2|3;;;;0;Standard;
MAPPING_001=Standard,Off,Check,Check and send
MAPPING_049=Standard,Aus,Prüfen,Prüfen und senden
MAPPING_033=Standard,Désactivé,Contrôler,Contrôler et transmettre
S=Reading security;ENUMERATEDINT;1;0|1|2|3|4|5;;;;0;Standard;
MAPPING_001=Standard,1,2,3,4,5
MAPPING_049=Standard,1,2,3,4,5
MAPPING_033=Standard,1,2,3,4,5
A=Switching output;ENUMERATEDINT;1;0|1|2;;;;0;Standard;
MAPPING_001=Standard,Pulse,None
MAPPING_049=Standard,Impuls,Keiner
MAPPING_033=Standard,Impulsion,Aucune
H=Host output;ENUMERATEDINT;1;0|1|2;;;;0;Normal;
MAPPING_001=Normal,Suppressed,Auxiliary port only
MAPPING_049=Normal,Unterdrückt,Nur Hilfsport
MAPPING_033=Normal,Supprimée,Port auxiliaire seul

[RO]
Parameters=3
Instances=
T=Scan rate;INT;4;;1200;300;1000,1100;0800;800;scans/s
R=Raster;ENUMERATEDINT;1;0|1|2|3;;;;0;0°;
MAPPING_001=0°,2°,4°,8°
MAPPING_049=0°,2°,4°,8°
MAPPING_033=0°,2°,4°,8°
S=Motor standby;ENUMERATEDINT;1;0|1|2|3;;;;2;5 min;
MAPPING_001=Off,1 min,5 min,30 min
MAPPING_049=Aus,1 min,5 min,30 min
MAPPING_033=Désactivé,1 min,5 min,30 min

[LT]
Parameters=3
Instances=
D=Trigger delay;ENUMERATEDINT;1;0|1|2|3|4;;;;0;0 ms;
MAPPING_001=0 ms,10 ms,50 ms,100 ms,500 ms
MAPPING_049=0 ms,10 ms,50 ms,100 ms,500 ms
MAPPING_033=0 ms,10 ms,50 ms,100 ms,500 ms
T=Trigger mode;ENUMERATEDCHAR;1;E,L,C;;;;E;E;
M=Maximum gate time;INT;5;;60000;0;;02000;2000;ms

[CV]
Parameters=4
Instances=
A=Comparison active;BOOLEAN;1;0,1;;;;0;0;
I=Master code;STRING;48;;;;;;;
M=Comparison mask;STRING;48;;;;;;;
O=Comparison output;ENUMERATEDCHAR;1;A,M,N;;;;A;A;

[HI]
Parameters=4
Instances=
S=Result output;ENUMERATEDINT;1;0|1|2;;;;0;Normal;
MAPPING_001=Normal,Immediate,No output
MAPPING_049=Normal,Sofort,Keine Ausgabe
MAPPING_033=Normal,Immédiate,Aucune sortie
P=Protocol;ENUMERATEDINT;1;0|1|2;;;;0;Standard;
MAPPING_001=Standard,ACK/NAK,Network
MAPPING_049=Standard,ACK/NAK,Netzwerk
MAPPING_033=Standard,ACK/NAK,Réseau
T=Interface type;ENUMERATEDINT;1;0|1|2;;;;0;RS-232;
MAPPING_001=RS-232,RS-422,RS-485
MAPPING_049=RS-232,RS-422,RS-485
MAPPING_033=RS-232,RS-422,RS-485
A=Network address;INT;2;;31;1;;01;1;

[H0]
Parameters=5
Instances=
B=Baud rate;ENUMERATEDINT;1;0|1|2|3|4|5|6|7;;;;5;9600;bit/s
MAPPING_001=300,600,1200,2400,4800,9600,19200,38400
MAPPING_049=300,600,1200,2400,4800,9600,19200,38400
MAPPING_033=300,600,1200,2400,4800,9600,19200,38400
F=Data format;ENUMERATEDCHAR;1;A|B|C|D|E|F|G|H|I|J|K|L;;;;A;8N1;
MAPPING_001=8N1,8E1,8O1,8N2,8E2,8O2,7N1,7E1,7O1,7N2,7E2,7O2
MAPPING_049=8N1,8E1,8O1,8N2,8E2,8O2,7N1,7E1,7O1,7N2,7E2,7O2
MAPPING_033=8N1,8E1,8O1,8N2,8E2,8O2,7N1,7E1,7O1,7N2,7E2,7O2
T=Trailer;ENUMERATEDINT;1;0|1|2|3|4;;;;3;CR LF;
MAPPING_001=None,CR,LF,CR LF,ETX
MAPPING_049=Keines,CR,LF,CR LF,ETX
MAPPING_033=Aucun,CR,LF,CR LF,ETX
E=No-read text;STRING;24;;;;;NOREAD;NOREAD;
C=Check character;ENUMERATEDINT;1;0|1|2;;;;0;---;
MAPPING_001=---,XOR,Sum
MAPPING_049=---,XOR,Summe
MAPPING_033=---,XOR,Somme

[H1]
Parameters=4
Instances=
B=Baud rate;ENUMERATEDINT;1;0|1|2|3|4|5|6|7;;;;5;9600;bit/s
MAPPING_001=300,600,1200,2400,4800,9600,19200,38400
MAPPING_049=300,600,1200,2400,4800,9600,19200,38400
MAPPING_033=300,600,1200,2400,4800,9600,19200,38400
F=Data format;ENUMERATEDCHAR;1;A|B|C|D|E|F|G|H|I|J|K|L;;;;A;8N1;
MAPPING_001=8N1,8E1,8O1,8N2,8E2,8O2,7N1,7E1,7O1,7N2,7E2,7O2
MAPPING_049=8N1,8E1,8O1,8N2,8E2,8O2,7N1,7E1,7O1,7N2,7E2,7O2
MAPPING_033=8N1,8E1,8O1,8N2,8E2,8O2,7N1,7E1,7O1,7N2,7E2,7O2
T=Trailer;ENUMERATEDINT;1;0|1|2|3|4;;;;3;CR LF;
MAPPING_001=None,CR,LF,CR LF,ETX
MAPPING_049=Keines,CR,LF,CR LF,ETX
MAPPING_033=Aucun,CR,LF,CR LF,ETX
E=Auxiliary port output;ENUMERATEDINT;1;0|1|2|3;;;;0;---;
MAPPING_001=---,Copy of host output,Reading rate,Diagnostics
MAPPING_049=---,Kopie der Hostausgabe,Leserate,Diagnose
MAPPING_033=---,Copie de la sortie hôte,Taux de lecture,Diagnostic

[H2]
Parameters=1
Instances=
E=Switching output event;ENUMERATEDINT;1;0|1|2|3;;;;0;---;
MAPPING_001=---,Good read,No read,Comparison error
MAPPING_049=---,Gutlesung,Keine Lesung,Vergleichsfehler
MAPPING_033=---,Lecture réussie,Non-lecture,Erreur de comparaison

[GN]
Parameters=1
Instances=
NONAME=Good-read LED;ENUMERATEDINT;1;0|1|2;;;;1;Normal;
MAPPING_001=Off,Normal,Inverted
MAPPING_049=Aus,Normal,Invertiert
MAPPING_033=Désactivée,Normal,Inversée

[BT]
Parameters=1
Instances=
NONAME=Beeper tone;ENUMERATEDINT;1;0|1|2|3|4;;;;3;3 kHz;
MAPPING_001=Off,2 kHz,2.5 kHz,3 kHz,4 kHz
MAPPING_049=Aus,2 kHz,2\,5 kHz,3 kHz,4 kHz
MAPPING_033=Désactivé,2 kHz,2\,5 kHz,3 kHz,4 kHz

[FD]
Parameters=1
Instances=
NONAME=Feedback duration;INT;4;;2000;10;;0100;100;ms

[LK]
Parameters=2
Instances=
C=Codes to link;ENUMERATEDINT;1;0|2|3|4;;;;0;---;
MAPPING_001=---,2,3,4
MAPPING_049=---,2,3,4
MAPPING_033=---,2,3,4
S=Link separator;STRING;1;;;;;/;/;

[K1]
Parameters=6
Instances=
E=Code 39 enabled;BOOLEAN;1;0,1;;;;1;1;
C=Check digit;ENUMERATEDINT;1;0|1|2;;;;0;---;
MAPPING_001=---,Check (modulo 43),Check and send
MAPPING_049=---,Prüfen (Modulo 43),Prüfen und senden
MAPPING_033=---,Contrôler (modulo 43),Contrôler et transmettre
N=Minimum length;INT;2;;48;1;;01;1;characters
X=Maximum length;INT;2;;48;1;;48;48;characters
F=Full ASCII;BOOLEAN;1;0,1;;;;0;0;
S=Send start/stop characters;BOOLEAN;1;0,1;;;;0;0;

[K2]
Parameters=5
Instances=
E=2/5 Interleaved enabled;BOOLEAN;1;0,1;;;;1;1;
C=Check digit;ENUMERATEDINT;1;0|1|2;;;;0;---;
MAPPING_001=---,Check (modulo 10),Check and send
MAPPING_049=---,Prüfen (Modulo 10),Prüfen und senden
MAPPING_033=---,Contrôler (modulo 10),Contrôler et transmettre
N=Minimum length;INT;2;;64;2;;04;4;characters
X=Maximum length;INT;2;;64;2;;32;32;characters
F=Fixed lengths;LISTEDINT;4;;64;2;;00;00;

[K3]
Parameters=5
Instances=
E=Code 128 enabled;BOOLEAN;1;0,1;;;;1;1;
N=Minimum length;INT;2;;64;1;;01;1;characters
X=Maximum length;INT;2;;64;1;;64;64;characters
G=GS1-128 interpretation;BOOLEAN;1;0,1;;;;0;0;
F=FNC1 substitute;NULSTRING;6;;;;;1D00;1D00;

[K4]
Parameters=5
Instances=
A=EAN-13 enabled;BOOLEAN;1;0,1;;;;1;1;
B=EAN-8 enabled;BOOLEAN;1;0,1;;;;1;1;
C=UPC-A enabled;BOOLEAN;1;0,1;;;;1;1;
D=UPC-E enabled;BOOLEAN;1;0,1;;;;0;0;
S=Add-on;ENUMERATEDINT;1;0|1|2|3;;;;0;---;
MAPPING_001=---,2 digits,5 digits,2 or 5 digits
MAPPING_049=---,2 Stellen,5 Stellen,2 oder 5 Stellen
MAPPING_033=---,2 chiffres,5 chiffres,2 ou 5 chiffres

[K5]
Parameters=5
Instances=
E=Codabar enabled;BOOLEAN;1;0,1;;;;0;0;
N=Minimum length;INT;2;;48;1;;04;4;characters
X=Maximum length;INT;2;;48;1;;48;48;characters
S=Send start/stop characters;BOOLEAN;1;0,1;;;;0;0;
T=Start/stop characters;CHAR;4;;;;;ABCD;ABCD;

[K6]
Parameters=3
Instances=
E=Code 93 enabled;BOOLEAN;1;0,1;;;;0;0;
N=Minimum length;INT;2;;48;1;;01;1;characters
X=Maximum length;INT;2;;48;1;;48;48;characters
