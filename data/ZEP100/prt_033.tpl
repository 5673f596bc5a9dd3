ZEP Setup - rapport des paramètres
==================================
Type de scanner ZEP100 (RV-4400, RV-4400L), code de type $$Type
Créé le: $$Date
Programme: $$From
Modèle: $$Created_by


1  LECTURE
----------
    Codes par porte de lecture ........... $$DECODE(RCL|01|1|02|2|03|3|04|4|05|5|06|6|07|7|08|8|09|9|$$RCL)
    Sortie des résultats ................. $$DECODE(HIS|0|Normal|1|Immédiate|2|Aucune sortie|$$HIS)
    Confirmations de décodage ............ $$DCC
    Temps d'inhibition de répétition ..... $$DCI  ms
    Niveau de décodage ................... $$DECODE(DCL|S|Standard|F|Rapide|R|Robuste|$$DCL)
    Zone de silence ...................... $$DECODE(DCO|0|Normal|1|Réduite|2|Minimale|$$DCO)

2  RÈGLES DE LECTURE
--------------------
    Longueur du code : nn-mm = de nn à mm caractères, nn___ = exactement nn caractères.
$$IF(L0O|00)
    Règle de lecture 0 : non utilisée
$$ELSE
  Règle de lecture 0
    Type de code ......................... $$DECODE(L0O|00|non utilisée|01|Code 39|02|2/5 entrelacé|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L0O)
    Longueur du code ..................... $$L0L  $$DECODE_INDEX(L0L|2|2|_|(longueur fixe)|(plage))
    Code le plus court ................... $$INDEX(L0L|0|1) caractères
    Identificateur de code ............... $$DECODE(L0U||aucun|$$L0U)
    Sens de lecture ...................... $$DECODE(L0D|0|Normal|1|Avant seulement|2|Arrière seulement|$$L0D)
    Caractère de contrôle ................ $$DECODE(L0C|0|Standard|1|Désactivé|2|Contrôler|3|Contrôler et transmettre|$$L0C)
    Sécurité de lecture .................. $$DECODE(L0S|0|Standard|$$L0S)
    Sortie de commutation ................ $$DECODE(L0A|0|Standard|1|Impulsion|2|Aucune|$$L0A)
    Sortie hôte .......................... $$DECODE(L0H|0|Normal|1|Supprimée|2|Port auxiliaire seul|$$L0H)
$$ENDIF
$$IF(L1O|00)
    Règle de lecture 1 : non utilisée
$$ELSE
  Règle de lecture 1
    Type de code ......................... $$DECODE(L1O|00|non utilisée|01|Code 39|02|2/5 entrelacé|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L1O)
    Longueur du code ..................... $$L1L  $$DECODE_INDEX(L1L|2|2|_|(longueur fixe)|(plage))
    Code le plus court ................... $$INDEX(L1L|0|1) caractères
    Identificateur de code ............... $$DECODE(L1U||aucun|$$L1U)
    Sens de lecture ...................... $$DECODE(L1D|0|Normal|1|Avant seulement|2|Arrière seulement|$$L1D)
    Caractère de contrôle ................ $$DECODE(L1C|0|Standard|1|Désactivé|2|Contrôler|3|Contrôler et transmettre|$$L1C)
    Sécurité de lecture .................. $$DECODE(L1S|0|Standard|$$L1S)
    Sortie de commutation ................ $$DECODE(L1A|0|Standard|1|Impulsion|2|Aucune|$$L1A)
    Sortie hôte .......................... $$DECODE(L1H|0|Normal|1|Supprimée|2|Port auxiliaire seul|$$L1H)
$$ENDIF
$$IF(L2O|00)
    Règle de lecture 2 : non utilisée
$$ELSE
  Règle de lecture 2
    Type de code ......................... $$DECODE(L2O|00|non utilisée|01|Code 39|02|2/5 entrelacé|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L2O)
    Longueur du code ..................... $$L2L  $$DECODE_INDEX(L2L|2|2|_|(longueur fixe)|(plage))
    Code le plus court ................... $$INDEX(L2L|0|1) caractères
    Identificateur de code ............... $$DECODE(L2U||aucun|$$L2U)
    Sens de lecture ...................... $$DECODE(L2D|0|Normal|1|Avant seulement|2|Arrière seulement|$$L2D)
    Caractère de contrôle ................ $$DECODE(L2C|0|Standard|1|Désactivé|2|Contrôler|3|Contrôler et transmettre|$$L2C)
    Sécurité de lecture .................. $$DECODE(L2S|0|Standard|$$L2S)
    Sortie de commutation ................ $$DECODE(L2A|0|Standard|1|Impulsion|2|Aucune|$$L2A)
    Sortie hôte .......................... $$DECODE(L2H|0|Normal|1|Supprimée|2|Port auxiliaire seul|$$L2H)
$$ENDIF
$$IF(L3O|00)
    Règle de lecture 3 : non utilisée
$$ELSE
  Règle de lecture 3
    Type de code ......................... $$DECODE(L3O|00|non utilisée|01|Code 39|02|2/5 entrelacé|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L3O)
    Longueur du code ..................... $$L3L  $$DECODE_INDEX(L3L|2|2|_|(longueur fixe)|(plage))
    Code le plus court ................... $$INDEX(L3L|0|1) caractères
    Identificateur de code ............... $$DECODE(L3U||aucun|$$L3U)
    Sens de lecture ...................... $$DECODE(L3D|0|Normal|1|Avant seulement|2|Arrière seulement|$$L3D)
    Caractère de contrôle ................ $$DECODE(L3C|0|Standard|1|Désactivé|2|Contrôler|3|Contrôler et transmettre|$$L3C)
    Sécurité de lecture .................. $$DECODE(L3S|0|Standard|$$L3S)
    Sortie de commutation ................ $$DECODE(L3A|0|Standard|1|Impulsion|2|Aucune|$$L3A)
    Sortie hôte .......................... $$DECODE(L3H|0|Normal|1|Supprimée|2|Port auxiliaire seul|$$L3H)
$$ENDIF
$$IF(L4O|00)
    Règle de lecture 4 : non utilisée
$$ELSE
  Règle de lecture 4
    Type de code ......................... $$DECODE(L4O|00|non utilisée|01|Code 39|02|2/5 entrelacé|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L4O)
    Longueur du code ..................... $$L4L  $$DECODE_INDEX(L4L|2|2|_|(longueur fixe)|(plage))
    Code le plus court ................... $$INDEX(L4L|0|1) caractères
    Identificateur de code ............... $$DECODE(L4U||aucun|$$L4U)
    Sens de lecture ...................... $$DECODE(L4D|0|Normal|1|Avant seulement|2|Arrière seulement|$$L4D)
    Caractère de contrôle ................ $$DECODE(L4C|0|Standard|1|Désactivé|2|Contrôler|3|Contrôler et transmettre|$$L4C)
    Sécurité de lecture .................. $$DECODE(L4S|0|Standard|$$L4S)
    Sortie de commutation ................ $$DECODE(L4A|0|Standard|1|Impulsion|2|Aucune|$$L4A)
    Sortie hôte .......................... $$DECODE(L4H|0|Normal|1|Supprimée|2|Port auxiliaire seul|$$L4H)
$$ENDIF
$$IF(L5O|00)
    Règle de lecture 5 : non utilisée
$$ELSE
  Règle de lecture 5
    Type de code ......................... $$DECODE(L5O|00|non utilisée|01|Code 39|02|2/5 entrelacé|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L5O)
    Longueur du code ..................... $$L5L  $$DECODE_INDEX(L5L|2|2|_|(longueur fixe)|(plage))
    Code le plus court ................... $$INDEX(L5L|0|1) caractères
    Identificateur de code ............... $$DECODE(L5U||aucun|$$L5U)
    Sens de lecture ...................... $$DECODE(L5D|0|Normal|1|Avant seulement|2|Arrière seulement|$$L5D)
    Caractère de contrôle ................ $$DECODE(L5C|0|Standard|1|Désactivé|2|Contrôler|3|Contrôler et transmettre|$$L5C)
    Sécurité de lecture .................. $$DECODE(L5S|0|Standard|$$L5S)
    Sortie de commutation ................ $$DECODE(L5A|0|Standard|1|Impulsion|2|Aucune|$$L5A)
    Sortie hôte .......................... $$DECODE(L5H|0|Normal|1|Supprimée|2|Port auxiliaire seul|$$L5H)
$$ENDIF
$$IF(L6O|00)
    Règle de lecture 6 : non utilisée
$$ELSE
  Règle de lecture 6
    Type de code ......................... $$DECODE(L6O|00|non utilisée|01|Code 39|02|2/5 entrelacé|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L6O)
    Longueur du code ..................... $$L6L  $$DECODE_INDEX(L6L|2|2|_|(longueur fixe)|(plage))
    Code le plus court ................... $$INDEX(L6L|0|1) caractères
    Identificateur de code ............... $$DECODE(L6U||aucun|$$L6U)
    Sens de lecture ...................... $$DECODE(L6D|0|Normal|1|Avant seulement|2|Arrière seulement|$$L6D)
    Caractère de contrôle ................ $$DECODE(L6C|0|Standard|1|Désactivé|2|Contrôler|3|Contrôler et transmettre|$$L6C)
    Sécurité de lecture .................. $$DECODE(L6S|0|Standard|$$L6S)
    Sortie de commutation ................ $$DECODE(L6A|0|Standard|1|Impulsion|2|Aucune|$$L6A)
    Sortie hôte .......................... $$DECODE(L6H|0|Normal|1|Supprimée|2|Port auxiliaire seul|$$L6H)
$$ENDIF
$$IF(L7O|00)
    Règle de lecture 7 : non utilisée
$$ELSE
  Règle de lecture 7
    Type de code ......................... $$DECODE(L7O|00|non utilisée|01|Code 39|02|2/5 entrelacé|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L7O)
    Longueur du code ..................... $$L7L  $$DECODE_INDEX(L7L|2|2|_|(longueur fixe)|(plage))
    Code le plus court ................... $$INDEX(L7L|0|1) caractères
    Identificateur de code ............... $$DECODE(L7U||aucun|$$L7U)
    Sens de lecture ...................... $$DECODE(L7D|0|Normal|1|Avant seulement|2|Arrière seulement|$$L7D)
    Caractère de contrôle ................ $$DECODE(L7C|0|Standard|1|Désactivé|2|Contrôler|3|Contrôler et transmettre|$$L7C)
    Sécurité de lecture .................. $$DECODE(L7S|0|Standard|$$L7S)
    Sortie de commutation ................ $$DECODE(L7A|0|Standard|1|Impulsion|2|Aucune|$$L7A)
    Sortie hôte .......................... $$DECODE(L7H|0|Normal|1|Supprimée|2|Port auxiliaire seul|$$L7H)
$$ENDIF
$$IF(L8O|00)
    Règle de lecture 8 : non utilisée
$$ELSE
  Règle de lecture 8
    Type de code ......................... $$DECODE(L8O|00|non utilisée|01|Code 39|02|2/5 entrelacé|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L8O)
    Longueur du code ..................... $$L8L  $$DECODE_INDEX(L8L|2|2|_|(longueur fixe)|(plage))
    Code le plus court ................... $$INDEX(L8L|0|1) caractères
    Identificateur de code ............... $$DECODE(L8U||aucun|$$L8U)
    Sens de lecture ...................... $$DECODE(L8D|0|Normal|1|Avant seulement|2|Arrière seulement|$$L8D)
    Caractère de contrôle ................ $$DECODE(L8C|0|Standard|1|Désactivé|2|Contrôler|3|Contrôler et transmettre|$$L8C)
    Sécurité de lecture .................. $$DECODE(L8S|0|Standard|$$L8S)
    Sortie de commutation ................ $$DECODE(L8A|0|Standard|1|Impulsion|2|Aucune|$$L8A)
    Sortie hôte .......................... $$DECODE(L8H|0|Normal|1|Supprimée|2|Port auxiliaire seul|$$L8H)
$$ENDIF
$$IF(L9O|00)
    Règle de lecture 9 : non utilisée
$$ELSE
  Règle de lecture 9
    Type de code ......................... $$DECODE(L9O|00|non utilisée|01|Code 39|02|2/5 entrelacé|03|Code 128|04|EAN-13|05|EAN-8|06|UPC-A|07|UPC-E|08|Codabar|09|Code 93|10|GS1-128|$$L9O)
    Longueur du code ..................... $$L9L  $$DECODE_INDEX(L9L|2|2|_|(longueur fixe)|(plage))
    Code le plus court ................... $$INDEX(L9L|0|1) caractères
    Identificateur de code ............... $$DECODE(L9U||aucun|$$L9U)
    Sens de lecture ...................... $$DECODE(L9D|0|Normal|1|Avant seulement|2|Arrière seulement|$$L9D)
    Caractère de contrôle ................ $$DECODE(L9C|0|Standard|1|Désactivé|2|Contrôler|3|Contrôler et transmettre|$$L9C)
    Sécurité de lecture .................. $$DECODE(L9S|0|Standard|$$L9S)
    Sortie de commutation ................ $$DECODE(L9A|0|Standard|1|Impulsion|2|Aucune|$$L9A)
    Sortie hôte .......................... $$DECODE(L9H|0|Normal|1|Supprimée|2|Port auxiliaire seul|$$L9H)
$$ENDIF

3  OPTIQUE DE BALAYAGE ET PORTE DE LECTURE
------------------------------------------
    Fréquence de balayage ................ $$ROT  balayages/s
    Trame ................................ $$DECODE(ROR|0|0°|1|2°|2|4°|3|8°|$$ROR)
    Veille du moteur ..................... $$DECODE(ROS|0|Désactivé|1|1 min|2|5 min|3|30 min|$$ROS)
    Mode de déclenchement ................ $$DECODE(LTT|E|Front|L|Niveau|C|Continu|$$LTT)
$$IF(LTT|C)
    La porte de lecture est toujours ouverte ; le retard de déclenchement et la durée maximale ne s'appliquent pas.
$$ELSE
    Retard de déclenchement .............. $$DECODE(LTD|0|0 ms|1|10 ms|2|50 ms|3|100 ms|4|500 ms|$$LTD)
    Durée maximale de la porte (ms) ...... $$DECODE(LTM|00000|illimitée|$$LTM)
$$ENDIF

4  COMPARAISON DE CODE
----------------------
$$IF(CVA|1)
    Comparaison .......................... active
    Code maître .......................... "$$CVI "
    Masque de comparaison ................ $$DECODE(CVM||aucun : le code entier est comparé|$$CVM)
    Sortie de comparaison ................ $$DECODE(CVO|A|Tous les codes|M|Codes concordants seulement|N|Codes non concordants seulement|$$CVO)
$$ELSE
    La comparaison de code est désactivée.
$$ENDIF
$$CONTAINS(CVM|@)
    Remarque : le masque contient @, qui accepte un nombre quelconque de caractères à partir de sa position.
$$ENDIF

5  INTERFACE HÔTE
-----------------
    Type d'interface ..................... $$DECODE(HIT|0|RS-232|1|RS-422|2|RS-485|$$HIT)
    Protocole ............................ $$DECODE(HIP|0|Standard|1|ACK/NAK|2|Réseau|$$HIP)
$$IF(HIP|2)
    Adresse réseau ....................... $$HIA
$$ENDIF
    Port hôte : vitesse de transmission .. $$DECODE(H0B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H0B) bit/s
    Port hôte : format des données ....... $$DECODE(H0F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H0F)
    Port hôte : caractères de fin ........ $$DECODE(H0T|0|Aucun|1|CR|2|LF|3|CR LF|4|ETX|$$H0T)
    Port hôte : texte de non-lecture ..... $$DECODE(H0E||aucun : rien n'est envoyé|$$H0E)
    Port hôte : caractère de contrôle .... $$DECODE(H0C|0|---|1|XOR|2|Somme|$$H0C)
    Sortie du port auxiliaire ............ $$DECODE(H1E|0|aucune|1|Copie de la sortie hôte|2|Taux de lecture|3|Diagnostic|$$H1E)
$$IF(H1E|0)
$$ELSE
    Port auxiliaire : vitesse ............ $$DECODE(H1B|0|300|1|600|2|1200|3|2400|4|4800|5|9600|6|19200|7|38400|$$H1B) bit/s
    Port auxiliaire : format ............. $$DECODE(H1F|A|8N1|B|8E1|C|8O1|D|8N2|E|8E2|F|8O2|G|7N1|H|7E1|I|7O1|J|7N2|K|7E2|L|7O2|$$H1F)
    Port auxiliaire : caractères de fin .. $$DECODE(H1T|0|Aucun|1|CR|2|LF|3|CR LF|4|ETX|$$H1T)
$$ENDIF

6  SIGNALISATION
----------------
    Événement de la sortie de commutation .. $$DECODE(H2E|0|jamais|1|Lecture réussie|2|Non-lecture|3|Erreur de comparaison|$$H2E)
    LED de bonne lecture ................. $$DECODE(GN|0|Désactivée|1|Normal|2|Inversée|$$GN)
    Tonalité du bip ...................... $$DECODE(BT|0|Désactivé|1|2 kHz|2|2,5 kHz|3|3 kHz|4|4 kHz|$$BT)
    Durée de signalisation ............... $$FD  ms
$$IF(LKC|0)
    Chaînage de codes .................... désactivé
$$ELSE
    Codes chaînés en un .................. $$LKC
    Séparateur de chaînage ............... $$LKS
$$ENDIF

7  TYPES DE CODE
----------------
$$IF(K1E|1)
  Code 39
    Caractère de contrôle ................ $$DECODE(K1C|0|---|1|Contrôler (modulo 43)|2|Contrôler et transmettre|$$K1C)
    Longueur minimale .................... $$K1N  caractères
    Longueur maximale .................... $$K1X  caractères
    ASCII complet ........................ $$DECODE(K1F|0|désactivé|1|activé|$$K1F)
    Transmettre start/stop ............... $$DECODE(K1S|0|désactivé|1|activé|$$K1S)
$$ELSE
    Code 39 : lecture désactivée
$$ENDIF
$$IF(K2E|1)
  2/5 entrelacé
    Caractère de contrôle ................ $$DECODE(K2C|0|---|1|Contrôler (modulo 10)|2|Contrôler et transmettre|$$K2C)
    Longueur minimale .................... $$K2N  caractères
    Longueur maximale .................... $$K2X  caractères
$$ELSE
    2/5 Interleaved : lecture désactivée
$$ENDIF
$$IF(K3E|1)
  Code 128
    Longueur minimale .................... $$K3N  caractères
    Longueur maximale .................... $$K3X  caractères
    Interprétation GS1-128 ............... $$DECODE(K3G|0|désactivé|1|activé|$$K3G)
$$ELSE
    Code 128 : lecture désactivée
$$ENDIF
$$IF(K3G|1)
    Substitut FNC1 ....................... $$INDEX_CHAR(K3F|0|1) (hex $$K3F )
$$ENDIF
  EAN/UPC
    EAN-13 ............................... $$DECODE(K4A|0|désactivé|1|activé|$$K4A)
    EAN-8 ................................ $$DECODE(K4B|0|désactivé|1|activé|$$K4B)
    UPC-A ................................ $$DECODE(K4C|0|désactivé|1|activé|$$K4C)
    UPC-E ................................ $$DECODE(K4D|0|désactivé|1|activé|$$K4D)
    Code supplémentaire .................. $$DECODE(K4S|0|aucun|1|2 chiffres|2|5 chiffres|3|2 ou 5 chiffres|$$K4S)
$$IF(K5E|1)
  Codabar
    Longueur minimale .................... $$K5N  caractères
    Longueur maximale .................... $$K5X  caractères
    Transmettre start/stop ............... $$DECODE(K5S|0|désactivé|1|activé|$$K5S)
$$ELSE
    Codabar : lecture désactivée
$$ENDIF
$$IF(K6E|1)
  Code 93
    Longueur minimale .................... $$K6N  caractères
    Longueur maximale .................... $$K6X  caractères
$$ELSE
    Code 93 : lecture désactivée
$$ENDIF

Valeurs dans le codage du scanner quand aucun texte n'est donné ; nombres avec zéros de tête.

- Fin du rapport -
