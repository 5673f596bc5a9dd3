#!/usr/bin/env python3
"""Writes the ZEP100 report templates prt_001/049/033.tpl and rtf_001/049/033.tpl.

The six templates share one structure (groups, parameters, passages); this script holds it
once, with the texts of every language, and renders it in the report template language for
the printer (plain text, UTF-8) and for RTF (the whole RTF markup, ASCII with \\'hh escapes).

    scripts/zep100_reports.py            rewrite data/ZEP100/{prt,rtf}_{001,049,033}.tpl
    scripts/zep100_reports.py --check    exit 1 when a file differs from what it would write

The parameter texts are those of data/ZEP100/README.md ("Parameter reference").
"""
import os
import sys

LANGS = ("001", "049", "033")
EN, DE, FR = LANGS


def t(en, de=None, fr=None):
    """A text in the three languages (the English one where the others are the same)."""
    return {EN: en, DE: en if de is None else de, FR: en if fr is None else fr}


ON_OFF = [("0", t("off", "aus", "désactivé")), ("1", t("on", "ein", "activé"))]
BAUD = [(str(i), t(b)) for i, b in enumerate(
    ["300", "600", "1200", "2400", "4800", "9600", "19200", "38400"])]
FORMAT = [(c, t(f)) for c, f in zip("ABCDEFGHIJKL", [
    "8N1", "8E1", "8O1", "8N2", "8E2", "8O2", "7N1", "7E1", "7O1", "7N2", "7E2", "7O2"])]
TRAILER = [("0", t("None", "Keines", "Aucun")), ("1", t("CR")), ("2", t("LF")),
           ("3", t("CR LF")), ("4", t("ETX"))]
CODE_TYPES = [("00", t("not used", "nicht benutzt", "non utilisée")), ("01", t("Code 39")),
              ("02", t("2/5 Interleaved", "2/5 Interleaved", "2/5 entrelacé")),
              ("03", t("Code 128")), ("04", t("EAN-13")), ("05", t("EAN-8")),
              ("06", t("UPC-A")), ("07", t("UPC-E")), ("08", t("Codabar")),
              ("09", t("Code 93")), ("10", t("GS1-128"))]
NONE3 = t("---")


# ---- the structure ------------------------------------------------------------------------
# Items of a section:
#   ("row", label, value, unit)       a labelled value; value is a fragment (below)
#   ("text", text)                    a line of text
#   ("if", condition, items, else)    a passage: condition "IF(...)" or "CONTAINS(...)"
# Value fragments:
#   ("val", name)                     the parameter's value
#   ("dec", name, [(code, text)])     DECODE with the parameter's own value as default
#   ("raw", {lang: template text})    any template text

def val(name):
    return ("val", name)


def dec(name, table):
    return ("dec", name, table)


def raw(text):
    return ("raw", text)


def rule(n):
    L = "L%d" % n
    return ("if", "IF(%sO|00)" % L,
            [("text", t("Reading rule %d: not used" % n, "Leseregel %d: nicht benutzt" % n,
                        "Règle de lecture %d : non utilisée" % n))],
            [("sub", t("Reading rule %d" % n, "Leseregel %d" % n, "Règle de lecture %d" % n)),
             ("row", t("Code type", "Codeart", "Type de code"), dec(L + "O", CODE_TYPES), None),
             ("row", t("Code length", "Codelänge", "Longueur du code"),
              raw({lang: "$$%sL  $$DECODE_INDEX(%sL|2|2|_|%s|%s)" % (L, L, fixed, rng)
                   for lang, fixed, rng in ((EN, "(fixed length)", "(range)"),
                                            (DE, "(feste Länge)", "(Bereich)"),
                                            (FR, "(longueur fixe)", "(plage)"))}), None),
             ("row", t("Shortest code", "Kürzester Code", "Code le plus court"),
              raw({lang: "$$INDEX(%sL|0|1)" % L for lang in LANGS}),
              t("characters", "Zeichen", "caractères")),
             ("row", t("Code identifier", "Codekennung", "Identificateur de code"),
              dec(L + "U", [("", t("none", "keine", "aucun"))]), None),
             ("row", t("Reading direction", "Leserichtung", "Sens de lecture"),
              dec(L + "D", [("0", t("Normal")),
                            ("1", t("Forward only", "Nur vorwärts", "Avant seulement")),
                            ("2", t("Reverse only", "Nur rückwärts", "Arrière seulement"))]),
              None),
             ("row", t("Check digit", "Prüfziffer", "Caractère de contrôle"),
              dec(L + "C", [("0", t("Standard")), ("1", t("Off", "Aus", "Désactivé")),
                            ("2", t("Check", "Prüfen", "Contrôler")),
                            ("3", t("Check and send", "Prüfen und senden",
                                    "Contrôler et transmettre"))]), None),
             ("row", t("Reading security", "Lesesicherheit", "Sécurité de lecture"),
              dec(L + "S", [("0", t("Standard"))]), None),
             ("row", t("Switching output", "Schaltausgang", "Sortie de commutation"),
              dec(L + "A", [("0", t("Standard")), ("1", t("Pulse", "Impuls", "Impulsion")),
                            ("2", t("None", "Keiner", "Aucune"))]), None),
             ("row", t("Host output", "Hostausgabe", "Sortie hôte"),
              dec(L + "H", [("0", t("Normal")),
                            ("1", t("Suppressed", "Unterdrückt", "Supprimée")),
                            ("2", t("Auxiliary port only", "Nur Hilfsport",
                                    "Port auxiliaire seul"))]), None)])


def code_group(enable, title, rows, off_text):
    return ("if", "IF(%s|1)" % enable, [("sub", title)] + rows,
            [("text", off_text)])


MIN_LEN = t("Minimum length", "Minimale Länge", "Longueur minimale")
MAX_LEN = t("Maximum length", "Maximale Länge", "Longueur maximale")
CHARS = t("characters", "Zeichen", "caractères")
CHECK = t("Check digit", "Prüfziffer", "Caractère de contrôle")


def off_text(name):
    return t("%s: reading switched off" % name, "%s: Lesen ausgeschaltet" % name,
             "%s : lecture désactivée" % name)


SECTIONS = [
    (t("Reading", "Lesen", "Lecture"), [
        ("row", t("Codes per reading gate", "Codes pro Lesetor", "Codes par porte de lecture"),
         dec("RCL", [("%02d" % i, t(str(i))) for i in range(1, 10)]), None),
        ("row", t("Result output", "Ergebnisausgabe", "Sortie des résultats"),
         dec("HIS", [("0", t("Normal")), ("1", t("Immediate", "Sofort", "Immédiate")),
                     ("2", t("No output", "Keine Ausgabe", "Aucune sortie"))]), None),
        ("row", t("Decode confirmations", "Lesebestätigungen", "Confirmations de décodage"),
         val("DCC"), None),
        ("row", t("Repeat suppression time", "Wiederholsperre",
                  "Temps d'inhibition de répétition"), val("DCI"), t("ms")),
        ("row", t("Decoding level", "Decodierstufe", "Niveau de décodage"),
         dec("DCL", [("S", t("Standard")), ("F", t("Fast", "Schnell", "Rapide")),
                     ("R", t("Robust", "Robust", "Robuste"))]), None),
        ("row", t("Quiet zone", "Ruhezone", "Zone de silence"),
         dec("DCO", [("0", t("Normal")), ("1", t("Reduced", "Reduziert", "Réduite")),
                     ("2", t("Minimal", "Minimal", "Minimale"))]), None),
    ]),
    (t("Reading rules", "Leseregeln", "Règles de lecture"),
     [("text", t("Code length: nn-mm = nn to mm characters, nn___ = exactly nn characters.",
                 "Codelänge: nn-mm = nn bis mm Zeichen, nn___ = genau nn Zeichen.",
                 "Longueur du code : nn-mm = de nn à mm caractères, nn___ = exactement nn "
                 "caractères."))] + [rule(n) for n in range(10)]),
    (t("Scanning optics and reading gate", "Abtastoptik und Lesetor",
       "Optique de balayage et porte de lecture"), [
        ("row", t("Scan rate", "Abtastrate", "Fréquence de balayage"), val("ROT"),
         t("scans/s", "Scans/s", "balayages/s")),
        ("row", t("Raster", "Raster", "Trame"),
         dec("ROR", [("0", t("0°")), ("1", t("2°")), ("2", t("4°")), ("3", t("8°"))]), None),
        ("row", t("Motor standby", "Motor-Standby", "Veille du moteur"),
         dec("ROS", [("0", t("Off", "Aus", "Désactivé")), ("1", t("1 min")),
                     ("2", t("5 min")), ("3", t("30 min"))]), None),
        ("row", t("Trigger mode", "Triggerart", "Mode de déclenchement"),
         dec("LTT", [("E", t("Edge", "Flanke", "Front")), ("L", t("Level", "Pegel", "Niveau")),
                     ("C", t("Continuous", "Dauerbetrieb", "Continu"))]), None),
        ("if", "IF(LTT|C)",
         [("text", t("The reading gate is always open; trigger delay and maximum gate time "
                     "do not apply.",
                     "Das Lesetor ist immer offen; Triggerverzögerung und maximale "
                     "Lesetorzeit gelten nicht.",
                     "La porte de lecture est toujours ouverte ; le retard de déclenchement "
                     "et la durée maximale ne s'appliquent pas."))],
         [("row", t("Trigger delay", "Triggerverzögerung", "Retard de déclenchement"),
           dec("LTD", [("0", t("0 ms")), ("1", t("10 ms")), ("2", t("50 ms")),
                       ("3", t("100 ms")), ("4", t("500 ms"))]), None),
          ("row", t("Maximum gate time (ms)", "Maximale Lesetorzeit (ms)",
                    "Durée maximale de la porte (ms)"),
           dec("LTM", [("00000", t("no limit", "unbegrenzt", "illimitée"))]), None)]),
    ]),
    (t("Code comparison", "Codevergleich", "Comparaison de code"), [
        ("if", "IF(CVA|1)",
         [("row", t("Comparison", "Vergleich", "Comparaison"),
           raw(t("active", "aktiv", "active")), None),
          ("row", t("Master code", "Mastercode", "Code maître"),
           raw({lang: '"$$CVI "' for lang in LANGS}), None),
          ("row", t("Comparison mask", "Vergleichsmaske", "Masque de comparaison"),
           dec("CVM", [("", t("none: the whole code is compared",
                              "keine: der ganze Code wird verglichen",
                              "aucun : le code entier est comparé"))]), None),
          ("row", t("Comparison output", "Vergleichsausgabe", "Sortie de comparaison"),
           dec("CVO", [("A", t("All codes", "Alle Codes", "Tous les codes")),
                       ("M", t("Matching codes only", "Nur übereinstimmende Codes",
                               "Codes concordants seulement")),
                       ("N", t("Codes that do not match only",
                               "Nur abweichende Codes",
                               "Codes non concordants seulement"))]), None)],
         [("text", t("Code comparison is switched off.", "Der Codevergleich ist ausgeschaltet.",
                     "La comparaison de code est désactivée."))]),
        ("if", "CONTAINS(CVM|@)",
         [("text", t("Note: the mask holds @, which accepts any number of characters from "
                     "its position on.",
                     "Hinweis: die Maske enthält @; ab dieser Stelle wird eine beliebige "
                     "Anzahl Zeichen angenommen.",
                     "Remarque : le masque contient @, qui accepte un nombre quelconque de "
                     "caractères à partir de sa position."))], None),
    ]),
    (t("Host interface", "Hostschnittstelle", "Interface hôte"), [
        ("row", t("Interface type", "Schnittstellentyp", "Type d'interface"),
         dec("HIT", [("0", t("RS-232")), ("1", t("RS-422")), ("2", t("RS-485"))]), None),
        ("row", t("Protocol", "Protokoll", "Protocole"),
         dec("HIP", [("0", t("Standard")), ("1", t("ACK/NAK")),
                     ("2", t("Network", "Netzwerk", "Réseau"))]), None),
        ("if", "IF(HIP|2)",
         [("row", t("Network address", "Netzwerkadresse", "Adresse réseau"), val("HIA"),
           None)], None),
        ("row", t("Host port: baud rate", "Hostport: Baudrate",
                  "Port hôte : vitesse de transmission"), dec("H0B", BAUD), t("bit/s")),
        ("row", t("Host port: data format", "Hostport: Datenformat",
                  "Port hôte : format des données"), dec("H0F", FORMAT), None),
        ("row", t("Host port: trailer", "Hostport: Endezeichen",
                  "Port hôte : caractères de fin"), dec("H0T", TRAILER), None),
        ("row", t("Host port: no-read text", "Hostport: Nichtlesetext",
                  "Port hôte : texte de non-lecture"),
         dec("H0E", [("", t("none: nothing is sent", "keiner: es wird nichts gesendet",
                            "aucun : rien n'est envoyé"))]), None),
        ("row", t("Host port: check character", "Hostport: Prüfzeichen",
                  "Port hôte : caractère de contrôle"),
         dec("H0C", [("0", NONE3), ("1", t("XOR")), ("2", t("Sum", "Summe", "Somme"))]), None),
        ("row", t("Auxiliary port output", "Hilfsport-Ausgabe", "Sortie du port auxiliaire"),
         dec("H1E", [("0", t("none", "keine", "aucune")),
                     ("1", t("Copy of host output", "Kopie der Hostausgabe",
                             "Copie de la sortie hôte")),
                     ("2", t("Reading rate", "Leserate", "Taux de lecture")),
                     ("3", t("Diagnostics", "Diagnose", "Diagnostic"))]), None),
        ("if", "IF(H1E|0)", [],
         [("row", t("Auxiliary port: baud rate", "Hilfsport: Baudrate",
                    "Port auxiliaire : vitesse"), dec("H1B", BAUD), t("bit/s")),
          ("row", t("Auxiliary port: data format", "Hilfsport: Datenformat",
                    "Port auxiliaire : format"), dec("H1F", FORMAT), None),
          ("row", t("Auxiliary port: trailer", "Hilfsport: Endezeichen",
                    "Port auxiliaire : caractères de fin"), dec("H1T", TRAILER), None)]),
    ]),
    (t("Signals", "Signale", "Signalisation"), [
        ("row", t("Switching output event", "Schaltausgang-Ereignis",
                  "Événement de la sortie de commutation"),
         dec("H2E", [("0", t("never", "nie", "jamais")),
                     ("1", t("Good read", "Gutlesung", "Lecture réussie")),
                     ("2", t("No read", "Keine Lesung", "Non-lecture")),
                     ("3", t("Comparison error", "Vergleichsfehler",
                             "Erreur de comparaison"))]), None),
        ("row", t("Good-read LED", "Gutlese-LED", "LED de bonne lecture"),
         dec("GN", [("0", t("Off", "Aus", "Désactivée")), ("1", t("Normal")),
                    ("2", t("Inverted", "Invertiert", "Inversée"))]), None),
        ("row", t("Beeper tone", "Signalton", "Tonalité du bip"),
         dec("BT", [("0", t("Off", "Aus", "Désactivé")), ("1", t("2 kHz")),
                    ("2", t("2.5 kHz", "2,5 kHz", "2,5 kHz")), ("3", t("3 kHz")),
                    ("4", t("4 kHz"))]), None),
        ("row", t("Feedback duration", "Signaldauer", "Durée de signalisation"), val("FD"),
         t("ms")),
        ("if", "IF(LKC|0)",
         [("row", t("Code linking", "Codeverkettung", "Chaînage de codes"),
           raw(t("off", "aus", "désactivé")), None)],
         [("row", t("Codes linked into one", "Verkettete Codes", "Codes chaînés en un"),
           val("LKC"), None),
          ("row", t("Link separator", "Verkettungszeichen", "Séparateur de chaînage"),
           val("LKS"), None)]),
    ]),
    (t("Code types", "Codearten", "Types de code"), [
        code_group("K1E", t("Code 39"), [
            ("row", CHECK, dec("K1C", [("0", NONE3),
                                       ("1", t("Check (modulo 43)", "Prüfen (Modulo 43)",
                                               "Contrôler (modulo 43)")),
                                       ("2", t("Check and send", "Prüfen und senden",
                                               "Contrôler et transmettre"))]), None),
            ("row", MIN_LEN, val("K1N"), CHARS), ("row", MAX_LEN, val("K1X"), CHARS),
            ("row", t("Full ASCII", "Full ASCII", "ASCII complet"), dec("K1F", ON_OFF), None),
            ("row", t("Send start/stop characters", "Start-/Stoppzeichen senden",
                      "Transmettre start/stop"), dec("K1S", ON_OFF), None)],
            off_text("Code 39")),
        code_group("K2E", t("2/5 Interleaved", "2/5 Interleaved", "2/5 entrelacé"), [
            ("row", CHECK, dec("K2C", [("0", NONE3),
                                       ("1", t("Check (modulo 10)", "Prüfen (Modulo 10)",
                                               "Contrôler (modulo 10)")),
                                       ("2", t("Check and send", "Prüfen und senden",
                                               "Contrôler et transmettre"))]), None),
            ("row", MIN_LEN, val("K2N"), CHARS), ("row", MAX_LEN, val("K2X"), CHARS)],
            off_text("2/5 Interleaved")),
        code_group("K3E", t("Code 128"), [
            ("row", MIN_LEN, val("K3N"), CHARS), ("row", MAX_LEN, val("K3X"), CHARS),
            ("row", t("GS1-128 interpretation", "GS1-128-Auswertung", "Interprétation GS1-128"),
             dec("K3G", ON_OFF), None)],
            off_text("Code 128")),
        ("if", "IF(K3G|1)",
         [("row", t("FNC1 substitute", "FNC1-Ersatz", "Substitut FNC1"),
           raw({lang: "$$INDEX_CHAR(K3F|0|1) (hex $$K3F )" for lang in LANGS}), None)], None),
        ("sub", t("EAN/UPC")),
        ("row", t("EAN-13"), dec("K4A", ON_OFF), None),
        ("row", t("EAN-8"), dec("K4B", ON_OFF), None),
        ("row", t("UPC-A"), dec("K4C", ON_OFF), None),
        ("row", t("UPC-E"), dec("K4D", ON_OFF), None),
        ("row", t("Add-on", "Zusatzcode", "Code supplémentaire"),
         dec("K4S", [("0", t("none", "keiner", "aucun")),
                     ("1", t("2 digits", "2 Stellen", "2 chiffres")),
                     ("2", t("5 digits", "5 Stellen", "5 chiffres")),
                     ("3", t("2 or 5 digits", "2 oder 5 Stellen", "2 ou 5 chiffres"))]), None),
        code_group("K5E", t("Codabar"), [
            ("row", MIN_LEN, val("K5N"), CHARS), ("row", MAX_LEN, val("K5X"), CHARS),
            ("row", t("Send start/stop characters", "Start-/Stoppzeichen senden",
                      "Transmettre start/stop"), dec("K5S", ON_OFF), None)],
            off_text("Codabar")),
        code_group("K6E", t("Code 93"), [
            ("row", MIN_LEN, val("K6N"), CHARS), ("row", MAX_LEN, val("K6X"), CHARS)],
            off_text("Code 93")),
    ]),
]

TITLE = t("ZEP Setup - parameter report", "ZEP Setup - Parameterbericht",
          "ZEP Setup - rapport des paramètres")
SCANNER = t("Scanner type ZEP100 (RV-4400, RV-4400L), type code",
            "Scannertyp ZEP100 (RV-4400, RV-4400L), Typcode",
            "Type de scanner ZEP100 (RV-4400, RV-4400L), code de type")
CREATED = t("Created", "Erstellt", "Créé le")
PROGRAM = t("Program", "Programm", "Programme")
TEMPLATE = t("Template", "Vorlage", "Modèle")
FOOT = t("Values in the scanner's coding where no text is given; numbers with leading zeros.",
         "Werte in der Codierung des Scanners, wo kein Text angegeben ist; Zahlen mit "
         "führenden Nullen.",
         "Valeurs dans le codage du scanner quand aucun texte n'est donné ; nombres avec "
         "zéros de tête.")
END = t("End of report", "Ende des Berichts", "Fin du rapport")


# ---- rendering ----------------------------------------------------------------------------

def value_text(fragment, lang, rtf):
    kind = fragment[0]
    if kind == "val":
        return "$$%s " % fragment[1]  # the blank after the key is consumed
    if kind == "dec":
        parts = [fragment[1]]
        for code, text in fragment[2]:
            parts += [code, esc(text[lang], rtf)]
        parts.append("$$" + fragment[1])
        return "$$DECODE(" + "|".join(parts) + ")"
    return esc(fragment[1][lang], rtf)  # "raw": placeholders have nothing to escape


def esc(text, rtf):
    if not rtf:
        return text
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            try:
                out.append("\\'%02x" % ch.encode("cp1252")[0])
            except UnicodeEncodeError:
                out.append("\\u%d?" % ord(ch))
    return "".join(out)


class Printer:
    """The printed report: plain text, labels filled with dots to one column."""
    rtf = False
    WIDTH = 38

    def __init__(self, lang):
        self.lang = lang
        self.lines = []
        self.number = 0

    def head(self):
        L = self.lang
        self.lines += [TITLE[L], "=" * len(TITLE[L]),
                       SCANNER[L] + " $$Type",
                       CREATED[L] + ": $$Date",
                       PROGRAM[L] + ": $$From",
                       TEMPLATE[L] + ": $$Created_by", ""]

    def section(self, title):
        self.number += 1
        heading = "%d  %s" % (self.number, title[self.lang].upper())
        self.lines += ["", heading, "-" * len(heading)]

    def sub(self, title):
        self.lines.append("  " + title[self.lang])

    def text(self, text):
        self.lines.append("    " + text[self.lang])

    def row(self, label, value, unit):
        text = label[self.lang] + " "
        text += "." * max(2, self.WIDTH - len(text)) + " "
        line = "    " + text + value_text(value, self.lang, False)
        if unit is not None:
            line += " " + unit[self.lang]
        self.lines.append(line)

    def control(self, key):
        self.lines.append("$$" + key)

    def foot(self):
        self.lines += ["", FOOT[self.lang], "", "- " + END[self.lang] + " -"]


class Rtf:
    """The RTF report: every line a complete paragraph group, so that any passage can be
    left out without unbalancing the braces."""
    rtf = True
    LANG_ID = {EN: 1033, DE: 1031, FR: 1036}

    def __init__(self, lang):
        self.lang = lang
        self.lines = []
        self.number = 0

    def head(self):
        L = self.lang
        self.lines += [
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang%d" % self.LANG_ID[L],
            "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 Courier New;}}",
            "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green70\\blue140;\\red90\\green90\\blue90;}",
            "{\\info{\\title %s}{\\author ZEP Setup}}" % esc(TITLE[L], True),
            "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134",
            "\\viewkind4\\uc1\\f0\\fs20",
            "{\\pard\\sa120\\b\\fs32\\cf2 %s\\par}" % esc(TITLE[L], True),
            "{\\pard\\sa40 %s $$Type \\par}" % esc(SCANNER[L], True),
            "{\\pard\\sa40\\tx2268 %s:\\tab $$Date \\par}" % esc(CREATED[L], True),
            "{\\pard\\sa40\\tx2268 %s:\\tab $$From \\par}" % esc(PROGRAM[L], True),
            "{\\pard\\sa40\\tx2268\\cf3\\fs16 %s:\\tab $$Created_by \\par}"
            % esc(TEMPLATE[L], True),
        ]

    def section(self, title):
        self.number += 1
        self.lines.append("{\\pard\\keepn\\sb300\\sa100\\b\\fs26\\cf2 %d\\tab %s\\par}"
                          % (self.number, esc(title[self.lang], True)))

    def sub(self, title):
        self.lines.append("{\\pard\\keepn\\sb160\\sa40\\li283\\b %s\\par}"
                          % esc(title[self.lang], True))

    def text(self, text):
        self.lines.append("{\\pard\\sa40\\li567\\i %s\\par}" % esc(text[self.lang], True))

    def row(self, label, value, unit):
        v = value_text(value, self.lang, True)
        if unit is not None:
            v += " " + esc(unit[self.lang], True)
        self.lines.append("{\\pard\\sa20\\li567\\tx5103 %s\\tab %s\\par}"
                          % (esc(label[self.lang], True), v))

    def control(self, key):
        self.lines.append("$$" + key)

    def foot(self):
        self.lines += ["{\\pard\\sb300\\cf3\\fs16 %s\\par}" % esc(FOOT[self.lang], True),
                       "{\\pard\\sb200\\qc\\b %s\\par}" % esc(END[self.lang], True),
                       "}"]


def render_items(out, items):
    for item in items:
        kind = item[0]
        if kind == "row":
            out.row(item[1], item[2], item[3])
        elif kind == "text":
            out.text(item[1])
        elif kind == "sub":
            out.sub(item[1])
        elif kind == "if":
            _, condition, then_items, else_items = item
            out.control(condition)
            render_items(out, then_items)
            if else_items is not None:
                out.control("ELSE")
                render_items(out, else_items)
            out.control("ENDIF")


def render(kind, lang):
    out = (Printer if kind == "prt" else Rtf)(lang)
    out.head()
    for title, items in SECTIONS:
        out.section(title)
        render_items(out, items)
    out.foot()
    # A blank that ends a line after a key would be consumed anyway.
    return "\n".join(line.rstrip(" ") for line in out.lines) + "\n"


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    check = "--check" in sys.argv[1:]
    differs = False
    for kind in ("prt", "rtf"):
        for lang in LANGS:
            path = os.path.join(top, "data", "ZEP100", "%s_%s.tpl" % (kind, lang))
            text = render(kind, lang)
            data = text.encode("utf-8" if kind == "prt" else "ascii")
            for line in text.split("\n"):
                assert len(line.encode("utf-8")) <= 1023, line
            if check:
                with open(path, "rb") as f:
                    if f.read() != data:
                        print("differs:", path)
                        differs = True
            else:
                with open(path, "wb") as f:
                    f.write(data)
    return 1 if differs else 0


if __name__ == "__main__":
    sys.exit(main())
