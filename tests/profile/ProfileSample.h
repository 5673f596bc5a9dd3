// A small profile for the reader and builder tests: two groups, the second with instances
// 1 and 2; a parameter with mappings in English and German; one of each other kind.
#pragma once

inline constexpr const char* kSample = R"([GeneralInformation]
Version=2.1
ResourceFile=ZEP100.cgw
[ParameterGroups]
Beep=Beeper
Code=Code settings
[Notes]
Text=never read
[Beep]
Count=2
Instances=
Volume=Volume;ENUMERATEDINT;1;0|1|2;;;;;Medium;
MAPPING_001=Low,Medium,High
MAPPING_049=Leise,Mittel,Laut
Tone=Tone;INT  ;4;;4000;500;1000,2000;x;2500;Hz;extra
[Code]
Count=3
Instances=1,2
Len=Length;INT;2;;20;1;5,7;;10;chars
Suffix=Suffix;HEXCHAR;2;;7F;00;0A;;NA;
Label=Label;STRING;8;;;;;;ABC;
)";
