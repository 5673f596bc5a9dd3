#!/usr/bin/env python3
"""Writes the ZEP100 parameter dialog layout: ZEP100.cgw and its Qt Designer files.

    data/ZEP100/main_dialog{,_049,_033}.ui   "Main Dialog": the tab pages and their controls
    data/ZEP100/cvminfo{,_049,_033}.ui       "CVMInfo": what the comparison mask characters mean

The three languages share one description (PAGES below). What each control offers comes from
data/ZEP100/Profile.zep (type, length, bounds, excluded values, value texts per language,
unit); the German and French labels and the group names from the tables of
data/ZEP100/README.md. Every control's id is the parameter's full name, which binds it.

    scripts/zep100_dialog.py            rewrite the files
    scripts/zep100_dialog.py --check    exit 1 when a file differs from what it would write
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

LANGS = ("001", "049", "033")
EN, DE, FR = LANGS
TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(TOP, "data", "ZEP100")


def t(en, de=None, fr=None):
    """A text in the three languages (the English one where the others are the same)."""
    return {EN: en, DE: en if de is None else de, FR: en if fr is None else fr}


# ---- what the profile and the README say --------------------------------------------------

def read_profile(path):
    """Parameters by full name: type, length, bounds, excludes, codes, texts per language."""
    params, order = {}, []
    section, groups, instances, last = None, [], {}, []
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if not line or line.startswith(";"):
                continue
            m = re.match(r"\[(.*)\]$", line)
            if m:
                section = m.group(1)
                continue
            key, _, value = line.partition("=")
            if section == "ParameterGroups":
                groups.append(key)
            elif section in groups and key == "Instances":
                instances[section] = [i for i in value.split(",") if i] or [""]
            elif section in groups and key.startswith("MAPPING_"):
                texts = [s.replace("\\,", ",") for s in re.split(r"(?<!\\),", value)]
                for name in last:
                    params[name]["texts"][key[len("MAPPING_"):]] = texts
            elif section in groups and key != "Parameters":
                fields = value.split(";")
                label, ptype, length, rng, high, low, excl = fields[:7]
                unit = fields[9] if len(fields) > 9 else ""
                last = []
                if ptype in ("LISTEDINT", "CHAR"):
                    continue  # kept in the profile, no parameter of the program
                for inst in instances.get(section, [""]):
                    name = section + inst + key
                    params[name] = {
                        "label": label, "type": ptype, "length": int(length),
                        "codes": re.split(r"[|,]", rng) if rng else [], "high": high,
                        "low": low, "excludes": [x for x in excl.split(",") if x],
                        "unit": unit, "texts": {}}
                    order.append(name)
                    last.append(name)
    return params, order


def read_readme(path):
    """Labels by parameter name and group names, each in the three languages."""
    labels, groups = {}, {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            cells = [c.strip() for c in line.strip().strip("|").split("|")]
            if len(cells) == 6 and re.fullmatch(r"`[A-Z0-9]+`", cells[0]):
                groups[cells[0].strip("`")] = t(cells[1], cells[2], cells[3])
            elif len(cells) == 8 and re.fullmatch(r"`[A-Za-z0-9]+`", cells[0]):
                parts = cells[1].split(" / ")
                if len(parts) != 3:
                    continue
                name = cells[0].strip("`")
                for n in (range(10) if "n" in name else [None]):
                    labels[name.replace("n", str(n)) if n is not None else name] = t(*parts)
    return labels, groups


PROFILE, PROFILE_ORDER = read_profile(os.path.join(DATA, "Profile.zep"))
LABELS, GROUPS = read_readme(os.path.join(DATA, "README.md"))

UNITS = {"ms": t("ms"), "scans/s": t("scans/s", "Scans/s", "balayages/s"), "bit/s": t("bit/s"),
         "characters": t("characters", "Zeichen", "caractères")}

# ---- the texts of the dialog ----------------------------------------------------------------

TITLE = t("ZEP100 parameters ", "ZEP100-Parameter ", "Paramètres ZEP100 ")
HELP = t("Help", "Hilfe", "Aide")
RULE = t("Rule", "Regel", "Règle")
RULES = t("Reading rules", "Leseregeln", "Règles de lecture")
SIGNALS = t("Good-read signals", "Gutlese-Signale", "Signaux de bonne lecture")
ONE_OF = t("One of: {}", "Eine Auswahl aus: {}", "Un choix parmi : {}")
FROM_TO = t("{} to {}", "{} bis {}", "De {} à {}")
EXCEPT = t(", not {}", ", außer {}", ", sauf {}")
UP_TO = t("Up to {} characters", "Bis zu {} Zeichen", "Jusqu'à {} caractères")
CHECKED = t("Checked = on (1), cleared = off (0)", "Angekreuzt = ein (1), leer = aus (0)",
            "Coché = activé (1), vide = désactivé (0)")
PRINTABLE = t("Up to {} printable characters, without \" and ;",
              "Bis zu {} druckbare Zeichen, ohne \" und ;",
              "Jusqu'à {} caractères imprimables, sans \" ni ;")
# Hints where the profile's type does not say enough.
HINTS = {
    "L": t("nn-mm: nn to mm characters; nn___: exactly nn characters. 5-12 becomes 05-12, "
           "8 becomes 08___.",
           "nn-mm: nn bis mm Zeichen; nn___: genau nn Zeichen. Aus 5-12 wird 05-12, aus 8 wird "
           "08___.",
           "nn-mm : de nn à mm caractères ; nn___ : exactement nn caractères. 5-12 devient "
           "05-12, 8 devient 08___."),
    "U": t("Up to two characters sent before the code, separated by a blank (A, A B, STX); "
           "empty: none.",
           "Bis zu zwei Zeichen vor dem Code, durch ein Leerzeichen getrennt (A, A B, STX); "
           "leer: keine.",
           "Jusqu'à deux caractères envoyés avant le code, séparés par un espace (A, A B, STX) ; "
           "vide : aucun."),
    "CVI": PRINTABLE, "H0E": PRINTABLE,
    "CVM": t("One character per code position: P = must equal the master code, ? = any "
             "character, @ = any number of characters from here on. Up to 48; empty: the "
             "whole code is compared.",
             "Ein Zeichen je Codestelle: P = muss dem Mastercode gleichen, ? = beliebiges "
             "Zeichen, @ = beliebig viele Zeichen ab hier. Bis zu 48; leer: der ganze Code wird "
             "verglichen.",
             "Un caractère par position du code : P = égal au code maître, ? = caractère "
             "quelconque, @ = nombre quelconque de caractères à partir d'ici. Jusqu'à 48 ; "
             "vide : le code entier est comparé."),
    "K3F": t("Hex digits, two per character, at most two characters, ended by 00 (1D00 = GS).",
             "Hexziffern, zwei je Zeichen, höchstens zwei Zeichen, mit 00 am Ende (1D00 = GS).",
             "Chiffres hexadécimaux, deux par caractère, au plus deux caractères, terminés par "
             "00 (1D00 = GS)."),
    "LKS": t("One printable character (the semicolon too).",
             "Ein druckbares Zeichen (auch das Semikolon).",
             "Un caractère imprimable (point-virgule compris)."),
}
# Radio groups: one button per code, its id the code.
RADIOS = {
    "DCL": [("S", t("Standard")), ("F", t("Fast", "Schnell", "Rapide")),
            ("R", t("Robust", "Robust", "Robuste"))],
    "LTT": [("E", t("Edge", "Flanke", "Front")), ("L", t("Level", "Pegel", "Niveau")),
            ("C", t("Continuous", "Dauerbetrieb", "Continu"))],
    "CVO": [("A", t("All codes", "Alle Codes", "Tous les codes")),
            ("M", t("Matching only", "Nur übereinstimmende", "Concordants seuls")),
            ("N", t("Not matching only", "Nur abweichende", "Non concordants seuls"))],
}
CVMINFO_TITLE = t("Comparison mask", "Vergleichsmaske", "Masque de comparaison")
CVMINFO_INTRO = t("The comparison mask holds one character for each position of the code:",
                  "Die Vergleichsmaske enthält ein Zeichen für jede Stelle des Codes:",
                  "Le masque de comparaison contient un caractère pour chaque position du code :")
CVMINFO_CHARS = [
    ("P", t("the character must equal the master code at this position",
            "das Zeichen muss an dieser Stelle dem Mastercode gleichen",
            "le caractère doit être égal au code maître à cette position")),
    ("?", t("any character is accepted at this position",
            "an dieser Stelle wird jedes Zeichen angenommen",
            "tout caractère est accepté à cette position")),
    ("@", t("any number of characters (also none) is accepted from here on",
            "ab hier wird eine beliebige Anzahl Zeichen (auch keines) angenommen",
            "un nombre quelconque de caractères (aucun compris) est accepté à partir d'ici")),
]
CVMINFO_MORE = t(
    "Only P, ? and @ can be typed, at most 48. An empty mask compares the whole code with the "
    "master code.<br><br>Example: <b>PPPP??</b> accepts codes of six characters whose first "
    "four equal the master code.",
    "Nur P, ? und @ können eingegeben werden, höchstens 48. Eine leere Maske vergleicht den "
    "ganzen Code mit dem Mastercode.<br><br>Beispiel: <b>PPPP??</b> nimmt Codes mit sechs "
    "Zeichen an, deren erste vier dem Mastercode gleichen.",
    "Seuls P, ? et @ peuvent être saisis, 48 au plus. Un masque vide compare le code entier au "
    "code maître.<br><br>Exemple : <b>PPPP??</b> accepte les codes de six caractères dont les "
    "quatre premiers sont égaux au code maître.")


def cvminfo_text(lang):
    rows = "".join('<tr><td width="30"><b>%s</b></td><td>%s</td></tr>' % (c, text[lang])
                   for c, text in CVMINFO_CHARS)
    return "<p>%s</p><table>%s</table><p>%s</p>" % (CVMINFO_INTRO[lang], rows,
                                                      CVMINFO_MORE[lang])


# Read by the program when the type is chosen (line 0 is not used): model, help directory,
# profile menu, network detection, scanner software version.
SCANNER_VARIABLES = ("SCANNER_VARIABLES\nRV-4400\nZEP100\nPROFILE_MENU_DISABLED\n"
                     "NETWORK_DETECT_DISABLED\nV2.13")

# ---- the dialog -----------------------------------------------------------------------------
# A page: (id, tab title, help page, columns); a column: a list of boxes; a box: ("form",
# title, [parameter names]) or ("rules",). A parameter's control follows from its type: a
# combo box for value lists ("spin" names the spin buttons), an edit field for numbers and
# texts, a check box for BOOLEAN, a radio group for those in RADIOS.

SPIN = {"RCL", "DCC"}


def code_box(group, names):
    return ("form", GROUPS[group], names)


PAGES = [
    ("Reading", t("Reading", "Lesen", "Lecture"), "reading.htm", [
        [("row", [("form", GROUPS["RC"], ["RCL", "HIS"]),
                  ("form", GROUPS["LK"], ["LKC", "LKS"]),
                  ("form", GROUPS["DC"], ["DCC", "DCI"])]),
         ("rules",)]]),
    ("Device", t("Device", "Gerät", "Appareil"), "device.htm", [
        [("form", GROUPS["DC"], ["DCL", "DCO"]),
         ("form", GROUPS["RO"], ["ROT", "ROR", "ROS"]),
         ("form", GROUPS["LT"], ["LTD", "LTT", "LTM"])],
        [("form", GROUPS["CV"], ["CVA", "CVI", "CVM", "CVO"]),
         ("form", SIGNALS, ["GNNONAME", "BTNONAME", "FDNONAME"])]]),
    ("Code", t("Code types", "Codearten", "Types de code"), "code.htm", [
        [code_box("K1", ["K1E", "K1C", "K1N", "K1X", "K1F", "K1S"]),
         code_box("K4", ["K4A", "K4B", "K4C", "K4D", "K4S"])],
        [code_box("K2", ["K2E", "K2C", "K2N", "K2X"]),
         code_box("K5", ["K5E", "K5N", "K5X", "K5S"])],
        [code_box("K3", ["K3E", "K3N", "K3X", "K3G", "K3F"]),
         code_box("K6", ["K6E", "K6N", "K6X"])]]),
    ("Host", t("Host", "Host", "Hôte"), "host.htm", [
        [("form", GROUPS["HI"], ["HIP", "HIT", "HIA"]),
         ("form", GROUPS["H0"], ["H0B", "H0F", "H0T", "H0E", "H0C"])],
        [("form", GROUPS["H1"], ["H1B", "H1F", "H1T", "H1E"]),
         ("form", GROUPS["H2"], ["H2E"])]]),
]
RULE_FIELDS = "OLUDCSAH"


def kind(name):
    p = PROFILE[name]
    if name in RADIOS:
        return "radio"
    if name in SPIN:
        return "spin"
    if p["type"] == "BOOLEAN":
        return "check"
    if p["type"] in ("ENUMERATEDINT", "ENUMERATEDCHAR"):
        return "combo"
    return "edit"


def tooltip(name, lang):
    p = PROFILE[name]
    head = "%s: %s" % (name, LABELS[name][lang])
    unit = UNITS[p["unit"]][lang] if p["unit"] else ""
    base = name if name in HINTS else name[-1] if name[0] == "L" and name[1].isdigit() else None
    if name in RADIOS:
        allowed = ", ".join("%s = %s" % (c, text[lang]) for c, text in RADIOS[name])
    elif base in HINTS:
        allowed = HINTS[base][lang].format(p["length"])
    elif p["type"] == "BOOLEAN":
        allowed = CHECKED[lang]
    elif p["type"] in ("ENUMERATEDINT", "ENUMERATEDCHAR"):
        allowed = ONE_OF[lang].format(", ".join(p["texts"].get(lang, p["codes"])))
    elif p["type"] == "INT":
        allowed = FROM_TO[lang].format(p["low"], p["high"]) + (" " + unit if unit else "")
        if p["excludes"]:
            allowed += EXCEPT[lang].format(", ".join(p["excludes"]))
    else:
        allowed = UP_TO[lang].format(p["length"])
    return head + "\n" + allowed


# ---- writing Qt Designer XML ----------------------------------------------------------------

class Ui:
    """One .ui file being written: unique layout names and the tab order."""

    def __init__(self, lang):
        self.lang = lang
        self.count = 0
        self.tabstops = []

    def name(self, stem):
        self.count += 1
        return "%s_%d" % (stem, self.count)


def prop(parent, name, kind_, value, stdset=True):
    p = ET.SubElement(parent, "property", name=name)
    if not stdset:
        p.set("stdset", "0")
    v = ET.SubElement(p, kind_)
    if kind_ == "rect":
        for k, n in zip(("x", "y", "width", "height"), value):
            ET.SubElement(v, k).text = str(n)
    elif kind_ == "size":
        for k, n in zip(("width", "height"), value):
            ET.SubElement(v, k).text = str(n)
    else:
        v.text = value if isinstance(value, str) else str(value)
    return p


def widget(parent, cls, name, **texts):
    w = ET.SubElement(parent, "widget", {"class": cls, "name": name})
    for key, value in texts.items():
        prop(w, key, "string", value)
    return w


def layout(parent, cls, ui, stem, margins=None, **attrs):
    lay = ET.SubElement(parent, "layout", {"class": cls, "name": ui.name(stem)})
    if margins is not None:
        for side in ("leftMargin", "topMargin", "rightMargin", "bottomMargin"):
            prop(lay, side, "number", margins)
    for key, value in attrs.items():
        prop(lay, key, "number", value)
    return lay


def item(lay, **pos):
    return ET.SubElement(lay, "item", {k: str(v) for k, v in pos.items()})


def spacer(lay, ui, vertical, **pos):
    s = ET.SubElement(item(lay, **pos), "spacer", name=ui.name("spacer"))
    prop(s, "orientation", "enum", "Qt::Vertical" if vertical else "Qt::Horizontal")
    prop(s, "sizeHint", "size", (0, 0) if vertical else (20, 0))


def bind(w):
    prop(w, "gwActivate", "string", "CMainDlgMgr::WriteRead_CB", stdset=False)


# Radio groups whose buttons stand one below the other (long texts).
RADIOS_VERTICAL = {"CVO"}


def edit_width(name):
    """(minimum, maximum) width of an edit field: short values get a field of their size."""
    length = PROFILE[name]["length"]
    if name[0] == "L" and name[1].isdigit():
        return (56, 56) if name[-1] == "L" else (72, 72)  # "01-99"; "STX ETX"
    if length <= 2:
        return 44, 44
    if length <= 6:
        return 60, 60
    return (200, 200) if length <= 24 else (260, None)


def control(parent, ui, name, tip):
    """The control of a parameter (a widget element under parent)."""
    p = PROFILE[name]
    k = kind(name)
    if k == "radio":
        w = widget(parent, "QFrame", name, toolTip=tip)
        prop(w, "frameShape", "enum", "QFrame::NoFrame")
        vertical = name in RADIOS_VERTICAL
        lay = layout(w, "QVBoxLayout" if vertical else "QHBoxLayout", ui, "radios", margins=0)
        for code, text in RADIOS[name]:
            b = widget(item(lay), "QRadioButton", code, text=text[ui.lang], toolTip=tip)
            bind(b)
            ui.tabstops.append(code)
        if not vertical:
            spacer(lay, ui, False)
        return w
    cls = {"spin": "QSpinBox", "combo": "QComboBox", "check": "QCheckBox", "edit": "QLineEdit"}[k]
    w = widget(parent, cls, name, toolTip=tip)
    if k == "check":
        prop(w, "text", "string", LABELS[name][ui.lang])
    if k == "edit":
        if not (name[0] == "L" and name[-1] == "U"):  # plain identifiers are longer ("STX ETX")
            prop(w, "maxLength", "number", p["length"])
        low, high = edit_width(name)
        prop(w, "minimumSize", "size", (low, 0))
        if high is not None:
            prop(w, "maximumSize", "size", (high, 16777215))
    if k == "spin":
        prop(w, "minimumSize", "size", (60, 0))
    if name[0] == "L" and name[1].isdigit() and name[-1] == "L":
        prop(w, "gwTimer", "string", "CMainDlgMgr::WriteReadRange_CB", stdset=False)
    if name == "CVM":
        prop(w, "gwKey", "string", "CMainDlgMgr::CVMEdit_CB", stdset=False)
    bind(w)
    ui.tabstops.append(name)
    return w


def form(parent, ui, title, names):
    """A group box of labelled controls: label | control, unit."""
    box = widget(parent, "QGroupBox", "GRP_" + names[0], title=title[ui.lang])
    grid = layout(box, "QGridLayout", ui, "form", margins=6, verticalSpacing=4)
    for row, name in enumerate(names):
        tip = tooltip(name, ui.lang)
        if kind(name) == "check":
            control(item(grid, row=row, column=0, colspan=2), ui, name, tip)
            continue
        label = widget(item(grid, row=row, column=0), "QLabel", "LBL_" + name,
                       text=LABELS[name][ui.lang], toolTip=tip)
        prop(label, "buddy", "cstring", name)
        if name in RADIOS_VERTICAL:
            prop(label, "alignment", "set", "Qt::AlignLeft|Qt::AlignTop")
        cell = layout(item(grid, row=row, column=1), "QHBoxLayout", ui, "cell", spacing=6)
        control(item(cell), ui, name, tip)
        unit = PROFILE[name]["unit"]
        if unit:
            widget(item(cell), "QLabel", "UNIT_" + name, text=UNITS[unit][ui.lang])
        if kind(name) != "edit" or edit_width(name)[1] is not None:
            spacer(cell, ui, False)  # the control keeps its natural width
    return box


def two_lines(text):
    """A column header broken at the blank nearest its middle when it is long."""
    if len(text) <= 12 or " " not in text:
        return text
    blanks = [i for i, c in enumerate(text) if c == " "]
    cut = min(blanks, key=lambda i: abs(i - len(text) / 2))
    return text[:cut] + "\n" + text[cut + 1:]


def rules(parent, ui):
    box = widget(parent, "QGroupBox", "RULES", title=RULES[ui.lang])
    grid = layout(box, "QGridLayout", ui, "rules", margins=6, horizontalSpacing=4,
                  verticalSpacing=3)
    head = widget(item(grid, row=0, column=0), "QLabel", "HDR_RULE", text=RULE[ui.lang])
    for col, field in enumerate(RULE_FIELDS, start=1):
        label = widget(item(grid, row=0, column=col), "QLabel", "HDR_" + field,
                       text=two_lines(LABELS["L0" + field][ui.lang]))
        prop(label, "alignment", "set", "Qt::AlignLeft|Qt::AlignBottom")
    prop(head, "alignment", "set", "Qt::AlignLeft|Qt::AlignBottom")
    for n in range(10):
        widget(item(grid, row=n + 1, column=0), "QLabel", "LBL_L%d" % n, text="L%d" % n)
        for col, field in enumerate(RULE_FIELDS, start=1):
            name = "L%d%s" % (n, field)
            control(item(grid, row=n + 1, column=col), ui, name, tooltip(name, ui.lang))
    return box


def boxes(parent_layout, ui, entries, vertical):
    for entry in entries:
        if entry[0] == "form":
            form(item(parent_layout), ui, entry[1], entry[2])
        elif entry[0] == "rules":
            rules(item(parent_layout), ui)
        elif entry[0] == "row":
            row = layout(item(parent_layout), "QHBoxLayout", ui, "row")
            boxes(row, ui, entry[1], False)
    spacer(parent_layout, ui, vertical)


def page(tabs, ui, pid, title, help_page, columns):
    w = widget(tabs, "QWidget", pid)
    ET.SubElement(ET.SubElement(w, "attribute", name="title"), "string").text = title[ui.lang]
    outer = layout(w, "QVBoxLayout", ui, "page", margins=6)
    cols = layout(item(outer), "QHBoxLayout", ui, "columns")
    for column in columns:
        boxes(layout(item(cols), "QVBoxLayout", ui, "column"), ui, column, True)
    bottom = layout(item(outer), "QHBoxLayout", ui, "bottom")
    spacer(bottom, ui, False)
    button = widget(item(bottom), "QPushButton", "HELP_" + pid.upper(), text=HELP[ui.lang])
    prop(button, "autoDefault", "bool", "false")
    prop(button, "gwActivate", "string", "CHelpManager::ContextHelp", stdset=False)
    prop(button, "gwData", "string", help_page, stdset=False)
    ui.tabstops.append("HELP_" + pid.upper())


def main_dialog(lang):
    ui = Ui(lang)
    root = ET.Element("ui", version="4.0")
    ET.SubElement(root, "class").text = "MainDialog"
    dlg = widget(root, "QDialog", "MainDialog")
    prop(dlg, "geometry", "rect", (0, 0, 900, 600))
    prop(dlg, "windowTitle", "string", TITLE[lang])
    top = layout(dlg, "QVBoxLayout", ui, "dialog")
    tabs = widget(item(top), "QTabWidget", "TabCtl")
    prop(tabs, "currentIndex", "number", 0)
    prop(tabs, "gwActivate", "string", "CMainDlgMgr::UpdateActivePage_CB", stdset=False)
    for p in PAGES:
        page(tabs, ui, *p)
    variables = widget(item(top), "QLabel", "SCANNER_VARIABLES", text=SCANNER_VARIABLES)
    prop(variables, "visible", "bool", "false")
    stops = ET.SubElement(root, "tabstops")
    for name in ["TabCtl"] + ui.tabstops:
        ET.SubElement(stops, "tabstop").text = name
    ET.SubElement(root, "resources")
    ET.SubElement(root, "connections")
    return root


def cvminfo(lang):
    ui = Ui(lang)
    root = ET.Element("ui", version="4.0")
    ET.SubElement(root, "class").text = "CVMInfo"
    dlg = widget(root, "QDialog", "CVMInfo")
    prop(dlg, "windowTitle", "string", CVMINFO_TITLE[lang])
    top = layout(dlg, "QVBoxLayout", ui, "info")
    text = widget(item(top), "QLabel", "ID_TEXT", text=cvminfo_text(lang))
    prop(text, "textFormat", "enum", "Qt::RichText")
    prop(text, "wordWrap", "bool", "true")
    prop(text, "minimumSize", "size", (460, 0))
    row = layout(item(top), "QHBoxLayout", ui, "buttons")
    spacer(row, ui, False)
    widget(item(row), "QPushButton", "ID_OK", text="OK")
    ET.SubElement(root, "resources")
    conns = ET.SubElement(root, "connections")
    conn = ET.SubElement(conns, "connection")
    for key, value in (("sender", "ID_OK"), ("signal", "clicked()"), ("receiver", "CVMInfo"),
                       ("slot", "accept()")):
        ET.SubElement(conn, key).text = value
    return root


def to_text(root):
    ET.indent(root, space=" ")
    return '<?xml version="1.0" encoding="UTF-8"?>\n' + ET.tostring(root, "unicode") + "\n"


CGW = """; Resource file of the scanner type ZEP100: the parameter dialog and its information
; dialog, one Qt Designer layout per language. Written by scripts/zep100_dialog.py.
[Resources]
Main Dialog=main_dialog.ui
CVMInfo=cvminfo.ui

[049]
Main Dialog=main_dialog_049.ui
CVMInfo=cvminfo_049.ui

[033]
Main Dialog=main_dialog_033.ui
CVMInfo=cvminfo_033.ui
"""


def outputs():
    yield "ZEP100.cgw", CGW
    for lang in LANGS:
        suffix = "" if lang == EN else "_" + lang
        yield "main_dialog%s.ui" % suffix, to_text(main_dialog(lang))
        yield "cvminfo%s.ui" % suffix, to_text(cvminfo(lang))


def main():
    placed = [n for p in PAGES for col in p[3] for e in col for n in names_of(e)]
    missing = sorted(set(PROFILE) - set(placed))
    twice = sorted({n for n in placed if placed.count(n) > 1})
    assert not missing and not twice, (missing, twice)
    check = "--check" in sys.argv[1:]
    differs = False
    for name, text in outputs():
        path = os.path.join(DATA, name)
        if check:
            with open(path, encoding="utf-8") as f:
                if f.read() != text:
                    print("differs:", path)
                    differs = True
        else:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
    return 1 if differs else 0


def names_of(entry):
    if entry[0] == "form":
        return entry[2]
    if entry[0] == "rules":
        return ["L%d%s" % (n, f) for n in range(10) for f in RULE_FIELDS]
    return [n for e in entry[1] for n in names_of(e)]


if __name__ == "__main__":
    sys.exit(main())
