{\rtf1\ansi\ansicpg1252\deff0\deflang1036
{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fmodern\fcharset0 Courier New;}}
{\colortbl;\red0\green0\blue0;\red0\green70\blue140;\red90\green90\blue90;}
{\info{\title ZEP Setup - rapport des param\'e8tres}{\author ZEP Setup}}
\paperw11906\paperh16838\margl1134\margr1134\margt1134\margb1134
\viewkind4\uc1\f0\fs20
{\pard\sa120\b\fs32\cf2 ZEP Setup - rapport des param\'e8tres\par}
{\pard\sa40 Type de scanner ZEP100 (RV-4400, RV-4400L), code de type $$Type \par}
{\pard\sa40\tx2268 Cr\'e9\'e9 le:\tab $$Date \par}
{\pard\sa40\tx2268 Programme:\tab $$From \par}
{\pard\sa40\tx2268\cf3\fs16 Mod\'e8le:\tab $$Created_by \par}
{\pard\keepn\sb300\sa100\b\fs26\cf2 1\tab Lecture\par}
{\pard\sa20\li567\tx5103 Codes par porte de lecture\tab $$DECODE(RCL|01|1|02|2|03|3|04|4|05|5|06|6|07|7|08|8|09|9|$$RCL)\par}
{\pard\sa20\li567\tx5103 Sortie des r\'e9sultats\tab $$DECODE(HIS|0|Normal|1|Imm\'e9diate|2|Aucune sortie|$$HIS)\par}
{\pard\sa20\li567\tx5103 Confirmations de d\'e9codage\tab $$DCC \par}
{\pard\sa20\li567\tx5103 Temps d'inhibition de r\'e9p\'e9tition\tab $$DCI  ms\par}
{\pard\sa20\li567\tx5103 Niveau de d\'e9codage\tab $$DECODE(DCL|S|Standard|F|Rapide|R|Robuste|$$DCL)\par}
{\pard\sa20\li567\tx5103 Zone de silence\tab $$DECODE(DCO|0|Normal|1|R\'e9duite|2|Minimale|$$DCO)\par}
{\pard\keepn\sb300\sa100\b\fs26\cf2 2\tab R\'e8gles de lecture\par}
{\pard\sa40\li567\i Longueur du code : nn-mm = de nn \'e0 mm caract\'e8res, nn___ = exactement nn caract\'e8res.\par}
$$IF(L0O|00)
{\pard\sa40\li567\i R\'e8gle de lecture 0 : non utilis\'e9e\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b R\'e8gle de lecture 0\par}
{\pard\sa20\li567\tx5103 Type de code\tab $$DECODE(L0O|00|non utilis\'e9e|01|Code 39|02|2/5 entrelac\'e9|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L0O)\par}
{\pard\sa20\li567\tx5103 Longueur du code\tab $$L0L  $$DECODE_INDEX(L0L|2|2|_|(longueur fixe)|(plage))\par}
{\pard\sa20\li567\tx5103 Code le plus court\tab $$INDEX(L0L|0|1) caract\'e8res\par}
{\pard\sa20\li567\tx5103 Identificateur de code\tab $$DECODE(L0U||aucun|$$L0U)\par}
{\pard\sa20\li567\tx5103 Sens de lecture\tab $$DECODE(L0D|0|Normal|1|Avant seulement|2|Arri\'e8re seulement|$$L0D)\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(L0C|0|Standard|1|D\'e9sactiv\'e9|2|Contr\'f4ler|3|Contr\'f4ler et transmettre|$$L0C)\par}
{\pard\sa20\li567\tx5103 S\'e9curit\'e9 de lecture\tab $$DECODE(L0S|0|Standard|$$L0S)\par}
{\pard\sa20\li567\tx5103 Sortie de commutation\tab $$DECODE(L0A|0|Standard|1|Impulsion|2|Aucune|$$L0A)\par}
{\pard\sa20\li567\tx5103 Sortie h\'f4te\tab $$DECODE(L0H|0|Normal|1|Supprim\'e9e|2|Port auxiliaire seul|$$L0H)\par}
$$ENDIF
$$IF(L1O|00)
{\pard\sa40\li567\i R\'e8gle de lecture 1 : non utilis\'e9e\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b R\'e8gle de lecture 1\par}
{\pard\sa20\li567\tx5103 Type de code\tab $$DECODE(L1O|00|non utilis\'e9e|01|Code 39|02|2/5 entrelac\'e9|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L1O)\par}
{\pard\sa20\li567\tx5103 Longueur du code\tab $$L1L  $$DECODE_INDEX(L1L|2|2|_|(longueur fixe)|(plage))\par}
{\pard\sa20\li567\tx5103 Code le plus court\tab $$INDEX(L1L|0|1) caract\'e8res\par}
{\pard\sa20\li567\tx5103 Identificateur de code\tab $$DECODE(L1U||aucun|$$L1U)\par}
{\pard\sa20\li567\tx5103 Sens de lecture\tab $$DECODE(L1D|0|Normal|1|Avant seulement|2|Arri\'e8re seulement|$$L1D)\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(L1C|0|Standard|1|D\'e9sactiv\'e9|2|Contr\'f4ler|3|Contr\'f4ler et transmettre|$$L1C)\par}
{\pard\sa20\li567\tx5103 S\'e9curit\'e9 de lecture\tab $$DECODE(L1S|0|Standard|$$L1S)\par}
{\pard\sa20\li567\tx5103 Sortie de commutation\tab $$DECODE(L1A|0|Standard|1|Impulsion|2|Aucune|$$L1A)\par}
{\pard\sa20\li567\tx5103 Sortie h\'f4te\tab $$DECODE(L1H|0|Normal|1|Supprim\'e9e|2|Port auxiliaire seul|$$L1H)\par}
$$ENDIF
$$IF(L2O|00)
{\pard\sa40\li567\i R\'e8gle de lecture 2 : non utilis\'e9e\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b R\'e8gle de lecture 2\par}
{\pard\sa20\li567\tx5103 Type de code\tab $$DECODE(L2O|00|non utilis\'e9e|01|Code 39|02|2/5 entrelac\'e9|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L2O)\par}
{\pard\sa20\li567\tx5103 Longueur du code\tab $$L2L  $$DECODE_INDEX(L2L|2|2|_|(longueur fixe)|(plage))\par}
{\pard\sa20\li567\tx5103 Code le plus court\tab $$INDEX(L2L|0|1) caract\'e8res\par}
{\pard\sa20\li567\tx5103 Identificateur de code\tab $$DECODE(L2U||aucun|$$L2U)\par}
{\pard\sa20\li567\tx5103 Sens de lecture\tab $$DECODE(L2D|0|Normal|1|Avant seulement|2|Arri\'e8re seulement|$$L2D)\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(L2C|0|Standard|1|D\'e9sactiv\'e9|2|Contr\'f4ler|3|Contr\'f4ler et transmettre|$$L2C)\par}
{\pard\sa20\li567\tx5103 S\'e9curit\'e9 de lecture\tab $$DECODE(L2S|0|Standard|$$L2S)\par}
{\pard\sa20\li567\tx5103 Sortie de commutation\tab $$DECODE(L2A|0|Standard|1|Impulsion|2|Aucune|$$L2A)\par}
{\pard\sa20\li567\tx5103 Sortie h\'f4te\tab $$DECODE(L2H|0|Normal|1|Supprim\'e9e|2|Port auxiliaire seul|$$L2H)\par}
$$ENDIF
$$IF(L3O|00)
{\pard\sa40\li567\i R\'e8gle de lecture 3 : non utilis\'e9e\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b R\'e8gle de lecture 3\par}
{\pard\sa20\li567\tx5103 Type de code\tab $$DECODE(L3O|00|non utilis\'e9e|01|Code 39|02|2/5 entrelac\'e9|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L3O)\par}
{\pard\sa20\li567\tx5103 Longueur du code\tab $$L3L  $$DECODE_INDEX(L3L|2|2|_|(longueur fixe)|(plage))\par}
{\pard\sa20\li567\tx5103 Code le plus court\tab $$INDEX(L3L|0|1) caract\'e8res\par}
{\pard\sa20\li567\tx5103 Identificateur de code\tab $$DECODE(L3U||aucun|$$L3U)\par}
{\pard\sa20\li567\tx5103 Sens de lecture\tab $$DECODE(L3D|0|Normal|1|Avant seulement|2|Arri\'e8re seulement|$$L3D)\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(L3C|0|Standard|1|D\'e9sactiv\'e9|2|Contr\'f4ler|3|Contr\'f4ler et transmettre|$$L3C)\par}
{\pard\sa20\li567\tx5103 S\'e9curit\'e9 de lecture\tab $$DECODE(L3S|0|Standard|$$L3S)\par}
{\pard\sa20\li567\tx5103 Sortie de commutation\tab $$DECODE(L3A|0|Standard|1|Impulsion|2|Aucune|$$L3A)\par}
{\pard\sa20\li567\tx5103 Sortie h\'f4te\tab $$DECODE(L3H|0|Normal|1|Supprim\'e9e|2|Port auxiliaire seul|$$L3H)\par}
$$ENDIF
$$IF(L4O|00)
{\pard\sa40\li567\i R\'e8gle de lecture 4 : non utilis\'e9e\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b R\'e8gle de lecture 4\par}
{\pard\sa20\li567\tx5103 Type de code\tab $$DECODE(L4O|00|non utilis\'e9e|01|Code 39|02|2/5 entrelac\'e9|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L4O)\par}
{\pard\sa20\li567\tx5103 Longueur du code\tab $$L4L  $$DECODE_INDEX(L4L|2|2|_|(longueur fixe)|(plage))\par}
{\pard\sa20\li567\tx5103 Code le plus court\tab $$INDEX(L4L|0|1) caract\'e8res\par}
{\pard\sa20\li567\tx5103 Identificateur de code\tab $$DECODE(L4U||aucun|$$L4U)\par}
{\pard\sa20\li567\tx5103 Sens de lecture\tab $$DECODE(L4D|0|Normal|1|Avant seulement|2|Arri\'e8re seulement|$$L4D)\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(L4C|0|Standard|1|D\'e9sactiv\'e9|2|Contr\'f4ler|3|Contr\'f4ler et transmettre|$$L4C)\par}
{\pard\sa20\li567\tx5103 S\'e9curit\'e9 de lecture\tab $$DECODE(L4S|0|Standard|$$L4S)\par}
{\pard\sa20\li567\tx5103 Sortie de commutation\tab $$DECODE(L4A|0|Standard|1|Impulsion|2|Aucune|$$L4A)\par}
{\pard\sa20\li567\tx5103 Sortie h\'f4te\tab $$DECODE(L4H|0|Normal|1|Supprim\'e9e|2|Port auxiliaire seul|$$L4H)\par}
$$ENDIF
$$IF(L5O|00)
{\pard\sa40\li567\i R\'e8gle de lecture 5 : non utilis\'e9e\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b R\'e8gle de lecture 5\par}
{\pard\sa20\li567\tx5103 Type de code\tab $$DECODE(L5O|00|non utilis\'e9e|01|Code 39|02|2/5 entrelac\'e9|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L5O)\par}
{\pard\sa20\li567\tx5103 Longueur du code\tab $$L5L  $$DECODE_INDEX(L5L|2|2|_|(longueur fixe)|(plage))\par}
{\pard\sa20\li567\tx5103 Code le plus court\tab $$INDEX(L5L|0|1) caract\'e8res\par}
{\pard\sa20\li567\tx5103 Identificateur de code\tab $$DECODE(L5U||aucun|$$L5U)\par}
{\pard\sa20\li567\tx5103 Sens de lecture\tab $$DECODE(L5D|0|Normal|1|Avant seulement|2|Arri\'e8re seulement|$$L5D)\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(L5C|0|Standard|1|D\'e9sactiv\'e9|2|Contr\'f4ler|3|Contr\'f4ler et transmettre|$$L5C)\par}
{\pard\sa20\li567\tx5103 S\'e9curit\'e9 de lecture\tab $$DECODE(L5S|0|Standard|$$L5S)\par}
{\pard\sa20\li567\tx5103 Sortie de commutation\tab $$DECODE(L5A|0|Standard|1|Impulsion|2|Aucune|$$L5A)\par}
{\pard\sa20\li567\tx5103 Sortie h\'f4te\tab $$DECODE(L5H|0|Normal|1|Supprim\'e9e|2|Port auxiliaire seul|$$L5H)\par}
$$ENDIF
$$IF(L6O|00)
{\pard\sa40\li567\i R\'e8gle de lecture 6 : non utilis\'e9e\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b R\'e8gle de lecture 6\par}
{\pard\sa20\li567\tx5103 Type de code\tab $$DECODE(L6O|00|non utilis\'e9e|01|Code 39|02|2/5 entrelac\'e9|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L6O)\par}
{\pard\sa20\li567\tx5103 Longueur du code\tab $$L6L  $$DECODE_INDEX(L6L|2|2|_|(longueur fixe)|(plage))\par}
{\pard\sa20\li567\tx5103 Code le plus court\tab $$INDEX(L6L|0|1) caract\'e8res\par}
{\pard\sa20\li567\tx5103 Identificateur de code\tab $$DECODE(L6U||aucun|$$L6U)\par}
{\pard\sa20\li567\tx5103 Sens de lecture\tab $$DECODE(L6D|0|Normal|1|Avant seulement|2|Arri\'e8re seulement|$$L6D)\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(L6C|0|Standard|1|D\'e9sactiv\'e9|2|Contr\'f4ler|3|Contr\'f4ler et transmettre|$$L6C)\par}
{\pard\sa20\li567\tx5103 S\'e9curit\'e9 de lecture\tab $$DECODE(L6S|0|Standard|$$L6S)\par}
{\pard\sa20\li567\tx5103 Sortie de commutation\tab $$DECODE(L6A|0|Standard|1|Impulsion|2|Aucune|$$L6A)\par}
{\pard\sa20\li567\tx5103 Sortie h\'f4te\tab $$DECODE(L6H|0|Normal|1|Supprim\'e9e|2|Port auxiliaire seul|$$L6H)\par}
$$ENDIF
$$IF(L7O|00)
{\pard\sa40\li567\i R\'e8gle de lecture 7 : non utilis\'e9e\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b R\'e8gle de lecture 7\par}
{\pard\sa20\li567\tx5103 Type de code\tab $$DECODE(L7O|00|non utilis\'e9e|01|Code 39|02|2/5 entrelac\'e9|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L7O)\par}
{\pard\sa20\li567\tx5103 Longueur du code\tab $$L7L  $$DECODE_INDEX(L7L|2|2|_|(longueur fixe)|(plage))\par}
{\pard\sa20\li567\tx5103 Code le plus court\tab $$INDEX(L7L|0|1) caract\'e8res\par}
{\pard\sa20\li567\tx5103 Identificateur de code\tab $$DECODE(L7U||aucun|$$L7U)\par}
{\pard\sa20\li567\tx5103 Sens de lecture\tab $$DECODE(L7D|0|Normal|1|Avant seulement|2|Arri\'e8re seulement|$$L7D)\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(L7C|0|Standard|1|D\'e9sactiv\'e9|2|Contr\'f4ler|3|Contr\'f4ler et transmettre|$$L7C)\par}
{\pard\sa20\li567\tx5103 S\'e9curit\'e9 de lecture\tab $$DECODE(L7S|0|Standard|$$L7S)\par}
{\pard\sa20\li567\tx5103 Sortie de commutation\tab $$DECODE(L7A|0|Standard|1|Impulsion|2|Aucune|$$L7A)\par}
{\pard\sa20\li567\tx5103 Sortie h\'f4te\tab $$DECODE(L7H|0|Normal|1|Supprim\'e9e|2|Port auxiliaire seul|$$L7H)\par}
$$ENDIF
$$IF(L8O|00)
{\pard\sa40\li567\i R\'e8gle de lecture 8 : non utilis\'e9e\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b R\'e8gle de lecture 8\par}
{\pard\sa20\li567\tx5103 Type de code\tab $$DECODE(L8O|00|non utilis\'e9e|01|Code 39|02|2/5 entrelac\'e9|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L8O)\par}
{\pard\sa20\li567\tx5103 Longueur du code\tab $$L8L  $$DECODE_INDEX(L8L|2|2|_|(longueur fixe)|(plage))\par}
{\pard\sa20\li567\tx5103 Code le plus court\tab $$INDEX(L8L|0|1) caract\'e8res\par}
{\pard\sa20\li567\tx5103 Identificateur de code\tab $$DECODE(L8U||aucun|$$L8U)\par}
{\pard\sa20\li567\tx5103 Sens de lecture\tab $$DECODE(L8D|0|Normal|1|Avant seulement|2|Arri\'e8re seulement|$$L8D)\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(L8C|0|Standard|1|D\'e9sactiv\'e9|2|Contr\'f4ler|3|Contr\'f4ler et transmettre|$$L8C)\par}
{\pard\sa20\li567\tx5103 S\'e9curit\'e9 de lecture\tab $$DECODE(L8S|0|Standard|$$L8S)\par}
{\pard\sa20\li567\tx5103 Sortie de commutation\tab $$DECODE(L8A|0|Standard|1|Impulsion|2|Aucune|$$L8A)\par}
{\pard\sa20\li567\tx5103 Sortie h\'f4te\tab $$DECODE(L8H|0|Normal|1|Supprim\'e9e|2|Port auxiliaire seul|$$L8H)\par}
$$ENDIF
$$IF(L9O|00)
{\pard\sa40\li567\i R\'e8gle de lecture 9 : non utilis\'e9e\par}
$$ELSE
{\pard\keepn\sb160\sa40\li283\b R\'e8gle de lecture 9\par}
{\pard\sa20\li567\tx5103 Type de code\tab $$DECODE(L9O|00|non utilis\'e9e|01|Code 39|02|2/5 entrelac\'e9|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L9O)\par}
{\pard\sa20\li567\tx5103 Longueur du code\tab $$L9L  $$DECODE_INDEX(L9L|2|2|_|(longueur fixe)|(plage))\par}
{\pard\sa20\li567\tx5103 Code le plus court\tab $$INDEX(L9L|0|1) caract\'e8res\par}
{\pard\sa20\li567\tx5103 Identificateur de code\tab $$DECODE(L9U||aucun|$$L9U)\par}
{\pard\sa20\li567\tx5103 Sens de lecture\tab $$DECODE(L9D|0|Normal|1|Avant seulement|2|Arri\'e8re seulement|$$L9D)\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(L9C|0|Standard|1|D\'e9sactiv\'e9|2|Contr\'f4ler|3|Contr\'f4ler et transmettre|$$L9C)\par}
{\pard\sa20\li567\tx5103 S\'e9curit\'e9 de lecture\tab $$DECODE(L9S|0|Standard|$$L9S)\par}
{\pard\sa20\li567\tx5103 Sortie de commutation\tab $$DECODE(L9A|0|Standard|1|Impulsion|2|Aucune|$$L9A)\par}
{\pard\sa20\li567\tx5103 Sortie h\'f4te\tab $$DECODE(L9H|0|Normal|1|Supprim\'e9e|2|Port auxiliaire seul|$$L9H)\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 3\tab Optique de balayage et porte de lecture\par}
{\pard\sa20\li567\tx5103 Fr\'e9quence de balayage\tab $$ROT  balayages/s\par}
{\pard\sa20\li567\tx5103 Trame\tab $$DECODE(ROR|0|0\'b0|1|2\'b0|2|4\'b0|3|8\'b0|$$ROR)\par}
{\pard\sa20\li567\tx5103 Veille du moteur\tab $$DECODE(ROS|0|D\'e9sactiv\'e9|1|1 min|2|5 min|3|30 min|$$ROS)\par}
{\pard\sa20\li567\tx5103 Mode de d\'e9clenchement\tab $$DECODE(LTT|E|Front|L|Niveau|C|Continu|$$LTT)\par}
$$IF(LTT|C)
{\pard\sa40\li567\i La porte de lecture est toujours ouverte ; le retard de d\'e9clenchement et la dur\'e9e maximale ne s'appliquent pas.\par}
$$ELSE
{\pard\sa20\li567\tx5103 Retard de d\'e9clenchement\tab $$DECODE(LTD|0|0 ms|1|10 ms|2|50 ms|3|100 ms|4|500 ms|$$LTD)\par}
{\pard\sa20\li567\tx5103 Dur\'e9e maximale de la porte (ms)\tab $$DECODE(LTM|00000|illimit\'e9e|$$LTM)\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 4\tab Comparaison de code\par}
$$IF(CVA|1)
{\pard\sa20\li567\tx5103 Comparaison\tab active\par}
{\pard\sa20\li567\tx5103 Code ma\'eetre\tab "$$CVI "\par}
{\pard\sa20\li567\tx5103 Masque de comparaison\tab $$DECODE(CVM||aucun : le code entier est compar\'e9|$$CVM)\par}
{\pard\sa20\li567\tx5103 Sortie de comparaison\tab $$DECODE(CVO|A|Tous les codes|M|Codes concordants seulement|N|Codes non concordants seulement|$$CVO)\par}
$$ELSE
{\pard\sa40\li567\i La comparaison de code est d\'e9sactiv\'e9e.\par}
$$ENDIF
$$CONTAINS(CVM|@)
{\pard\sa40\li567\i Remarque : le masque contient @, qui accepte un nombre quelconque de caract\'e8res \'e0 partir de sa position.\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 5\tab Interface h\'f4te\par}
{\pard\sa20\li567\tx5103 Type d'interface\tab $$DECODE(HIT|0|RS-232|1|RS-422|2|RS-485|$$HIT)\par}
{\pard\sa20\li567\tx5103 Protocole\tab $$DECODE(HIP|0|Standard|1|ACK/NAK|2|R\'e9seau|$$HIP)\par}
$$IF(HIP|2)
{\pard\sa20\li567\tx5103 Adresse r\'e9seau\tab $$HIA \par}
$$ENDIF
{\pard\sa20\li567\tx5103 Port h\'f4te : vitesse de transmission\tab $$DECODE(H0B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H0B) bit/s\par}
{\pard\sa20\li567\tx5103 Port h\'f4te : format des donn\'e9es\tab $$DECODE(H0F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H0F)\par}
{\pard\sa20\li567\tx5103 Port h\'f4te : caract\'e8res de fin\tab $$DECODE(H0T|0|Aucun|1|CR|2|LF|3|CR LF|4|ETX|$$H0T)\par}
{\pard\sa20\li567\tx5103 Port h\'f4te : texte de non-lecture\tab $$DECODE(H0E||aucun : rien n'est envoy\'e9|$$H0E)\par}
{\pard\sa20\li567\tx5103 Port h\'f4te : caract\'e8re de contr\'f4le\tab $$DECODE(H0C|0|---|1|XOR|2|Somme|$$H0C)\par}
{\pard\sa20\li567\tx5103 Sortie du port auxiliaire\tab $$DECODE(H1E|0|aucune|1|Copie de la sortie h\'f4te|2|Taux de lecture|3|Diagnostic|$$H1E)\par}
$$IF(H1E|0)
$$ELSE
{\pard\sa20\li567\tx5103 Port auxiliaire : vitesse\tab $$DECODE(H1B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H1B) bit/s\par}
{\pard\sa20\li567\tx5103 Port auxiliaire : format\tab $$DECODE(H1F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H1F)\par}
{\pard\sa20\li567\tx5103 Port auxiliaire : caract\'e8res de fin\tab $$DECODE(H1T|0|Aucun|1|CR|2|LF|3|CR LF|4|ETX|$$H1T)\par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 6\tab Signalisation\par}
{\pard\sa20\li567\tx5103 \'c9v\'e9nement de la sortie de commutation\tab $$DECODE(H2E|0|jamais|1|Lecture r\'e9ussie|2|Non-lecture|3|Erreur de comparaison|$$H2E)\par}
{\pard\sa20\li567\tx5103 LED de bonne lecture\tab $$DECODE(GN|0|D\'e9sactiv\'e9e|1|Normal|2|Invers\'e9e|$$GN)\par}
{\pard\sa20\li567\tx5103 Tonalit\'e9 du bip\tab $$DECODE(BT|0|D\'e9sactiv\'e9|1|2 kHz|2|2,5 kHz|3|3 kHz|4|4 kHz|$$BT)\par}
{\pard\sa20\li567\tx5103 Dur\'e9e de signalisation\tab $$FD  ms\par}
$$IF(LKC|0)
{\pard\sa20\li567\tx5103 Cha\'eenage de codes\tab d\'e9sactiv\'e9\par}
$$ELSE
{\pard\sa20\li567\tx5103 Codes cha\'een\'e9s en un\tab $$LKC \par}
{\pard\sa20\li567\tx5103 S\'e9parateur de cha\'eenage\tab $$LKS \par}
$$ENDIF
{\pard\keepn\sb300\sa100\b\fs26\cf2 7\tab Types de code\par}
$$IF(K1E|1)
{\pard\keepn\sb160\sa40\li283\b Code 39\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(K1C|0|---|1|Contr\'f4ler (modulo 43)|2|Contr\'f4ler et transmettre|$$K1C)\par}
{\pard\sa20\li567\tx5103 Longueur minimale\tab $$K1N  caract\'e8res\par}
{\pard\sa20\li567\tx5103 Longueur maximale\tab $$K1X  caract\'e8res\par}
{\pard\sa20\li567\tx5103 ASCII complet\tab $$DECODE(K1F|0|d\'e9sactiv\'e9|1|activ\'e9|$$K1F)\par}
{\pard\sa20\li567\tx5103 Transmettre start/stop\tab $$DECODE(K1S|0|d\'e9sactiv\'e9|1|activ\'e9|$$K1S)\par}
$$ELSE
{\pard\sa40\li567\i Code 39 : lecture d\'e9sactiv\'e9e\par}
$$ENDIF
$$IF(K2E|1)
{\pard\keepn\sb160\sa40\li283\b 2/5 entrelac\'e9\par}
{\pard\sa20\li567\tx5103 Caract\'e8re de contr\'f4le\tab $$DECODE(K2C|0|---|1|Contr\'f4ler (modulo 10)|2|Contr\'f4ler et transmettre|$$K2C)\par}
{\pard\sa20\li567\tx5103 Longueur minimale\tab $$K2N  caract\'e8res\par}
{\pard\sa20\li567\tx5103 Longueur maximale\tab $$K2X  caract\'e8res\par}
$$ELSE
{\pard\sa40\li567\i 2/5 Interleaved : lecture d\'e9sactiv\'e9e\par}
$$ENDIF
$$IF(K3E|1)
{\pard\keepn\sb160\sa40\li283\b Code 128\par}
{\pard\sa20\li567\tx5103 Longueur minimale\tab $$K3N  caract\'e8res\par}
{\pard\sa20\li567\tx5103 Longueur maximale\tab $$K3X  caract\'e8res\par}
{\pard\sa20\li567\tx5103 Interpr\'e9tation GS1-128\tab $$DECODE(K3G|0|d\'e9sactiv\'e9|1|activ\'e9|$$K3G)\par}
$$ELSE
{\pard\sa40\li567\i Code 128 : lecture d\'e9sactiv\'e9e\par}
$$ENDIF
$$IF(K3G|1)
{\pard\sa20\li567\tx5103 Substitut FNC1\tab $$INDEX_CHAR(K3F|0|1) (hex $$K3F )\par}
$$ENDIF
{\pard\keepn\sb160\sa40\li283\b EAN/UPC\par}
{\pard\sa20\li567\tx5103 EAN-13\tab $$DECODE(K4A|0|d\'e9sactiv\'e9|1|activ\'e9|$$K4A)\par}
{\pard\sa20\li567\tx5103 EAN-8\tab $$DECODE(K4B|0|d\'e9sactiv\'e9|1|activ\'e9|$$K4B)\par}
{\pard\sa20\li567\tx5103 UPC-A\tab $$DECODE(K4C|0|d\'e9sactiv\'e9|1|activ\'e9|$$K4C)\par}
{\pard\sa20\li567\tx5103 UPC-E\tab $$DECODE(K4D|0|d\'e9sactiv\'e9|1|activ\'e9|$$K4D)\par}
{\pard\sa20\li567\tx5103 Code suppl\'e9mentaire\tab $$DECODE(K4S|0|aucun|1|2 chiffres|2|5 chiffres|3|2 ou 5 chiffres|$$K4S)\par}
$$IF(K5E|1)
{\pard\keepn\sb160\sa40\li283\b Codabar\par}
{\pard\sa20\li567\tx5103 Longueur minimale\tab $$K5N  caract\'e8res\par}
{\pard\sa20\li567\tx5103 Longueur maximale\tab $$K5X  caract\'e8res\par}
{\pard\sa20\li567\tx5103 Transmettre start/stop\tab $$DECODE(K5S|0|d\'e9sactiv\'e9|1|activ\'e9|$$K5S)\par}
$$ELSE
{\pard\sa40\li567\i Codabar : lecture d\'e9sactiv\'e9e\par}
$$ENDIF
$$IF(K6E|1)
{\pard\keepn\sb160\sa40\li283\b Code 93\par}
{\pard\sa20\li567\tx5103 Longueur minimale\tab $$K6N  caract\'e8res\par}
{\pard\sa20\li567\tx5103 Longueur maximale\tab $$K6X  caract\'e8res\par}
$$ELSE
{\pard\sa40\li567\i Code 93 : lecture d\'e9sactiv\'e9e\par}
$$ENDIF
{\pard\sb300\cf3\fs16 Valeurs dans le codage du scanner quand aucun texte n'est donn\'e9 ; nombres avec z\'e9ros de t\'eate.\par}
{\pard\sb200\qc\b Fin du rapport\par}
}
