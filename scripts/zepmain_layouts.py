#!/usr/bin/env python3
"""Writes the layouts of zepmain's own windows, one Qt Designer file per language:

    data/main_window{,_049,_033}.ui       "ZEP Utility": menus, tool bar, scanner type, indicators
    data/about{,_049,_033}.ui             "About"
    data/welcome{,_049,_033}.ui           "Welcome Dialog"
    data/printer_comment{,_049,_033}.ui   "Printer Comment"
    data/download_mode{,_049,_033}.ui     "Download Mode"
    data/compare_list{,_049,_033}.ui      "Compare List"

data/zepmain.cgw names them. The three languages share one description below; each text is
given as t(English, German, French). Elements the program looks up keep their ids in every
language; callbacks are bound by name (gwActivate, gwShow, ...), and the buttons that only
close a dialog or set a field bind the toolkit's "interpreter" with a command in gwData
("hide 6", "set ID_HLP_LABEL 1"). Pictures come from data/icons (scripts/zepmain_art.py).

    scripts/zepmain_layouts.py            rewrite the files
    scripts/zepmain_layouts.py --check    exit 1 when a file differs from what it would write
"""
import os
import sys
import xml.etree.ElementTree as ET

LANGS = ("001", "049", "033")
EN, DE, FR = LANGS
TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(TOP, "data")
FRAME = "CApplFrameMgr::"


def t(en, de=None, fr=None):
    """A text in the three languages (the English one where the others are the same)."""
    return {EN: en, DE: en if de is None else de, FR: en if fr is None else fr}


HELP = t("Help", "Hilfe", "Aide")
OK = t("OK")
CANCEL = t("Cancel", "Abbrechen", "Annuler")


class Ui:
    """One layout being written: its language and a counter for unique layout names."""

    def __init__(self, lang):
        self.lang = lang
        self.count = 0

    def name(self, stem):
        self.count += 1
        return "%s_%d" % (stem, self.count)

    def tr(self, text):
        return text[self.lang] if isinstance(text, dict) else text


def prop(parent, name, kind, value, stdset=True):
    p = ET.SubElement(parent, "property", name=name)
    if not stdset:
        p.set("stdset", "0")
    v = ET.SubElement(p, kind)
    if kind == "rect":
        for k, n in zip(("x", "y", "width", "height"), value):
            ET.SubElement(v, k).text = str(n)
    elif kind == "size":
        for k, n in zip(("width", "height"), value):
            ET.SubElement(v, k).text = str(n)
    elif kind == "iconset":
        normal, disabled = value
        ET.SubElement(v, "normaloff").text = normal
        if disabled:
            ET.SubElement(v, "disabledoff").text = disabled
    elif kind == "sizepolicy":
        v.set("hsizetype", value[0])
        v.set("vsizetype", value[1])
        ET.SubElement(v, "horstretch").text = "0"
        ET.SubElement(v, "verstretch").text = "0"
    elif kind == "font":
        for k, n in value.items():
            ET.SubElement(v, k).text = str(n)
    else:
        v.text = value if isinstance(value, str) else str(value)
    return p


def bind(element, kind, callback, data=None):
    prop(element, kind, "string", callback, stdset=False)
    if data is not None:
        prop(element, "gwData", "string", data, stdset=False)


def widget(parent, cls, name):
    return ET.SubElement(parent, "widget", {"class": cls, "name": name})


def layout(parent, cls, ui, stem, margins=None, spacing=None):
    lay = ET.SubElement(parent, "layout", {"class": cls, "name": ui.name(stem)})
    if margins is not None:
        for side in ("leftMargin", "topMargin", "rightMargin", "bottomMargin"):
            prop(lay, side, "number", margins)
    if spacing is not None:
        prop(lay, "spacing", "number", spacing)
    return lay


def item(lay, **pos):
    return ET.SubElement(lay, "item", {k: str(v) for k, v in pos.items()})


def spacer(lay, ui, vertical=False, **pos):
    s = ET.SubElement(item(lay, **pos), "spacer", name=ui.name("spacer"))
    prop(s, "orientation", "enum", "Qt::Vertical" if vertical else "Qt::Horizontal")
    prop(s, "sizeHint", "size", (0, 0) if vertical else (20, 0))


def label(lay, ui, name, text, wrap=False, bold=False, size=None, **pos):
    w = widget(item(lay, **pos), "QLabel", name or ui.name("label"))
    prop(w, "text", "string", ui.tr(text))
    prop(w, "textFormat", "enum", "Qt::PlainText")
    if wrap:
        prop(w, "wordWrap", "bool", "true")
    if bold or size:
        font = {}
        if size:
            font["pointsize"] = size
        if bold:
            font["bold"] = "true"
        prop(w, "font", "font", font)
    return w


def picture(lay, ui, icon, name=None, align="Qt::AlignTop", **pos):
    w = widget(item(lay, alignment=align, **pos), "QLabel", name or ui.name("picture"))
    prop(w, "sizePolicy", "sizepolicy", ("Fixed", "Fixed"))
    prop(w, "pixmap", "pixmap", "icons/%s.svg" % icon)
    prop(w, "alignment", "set", "Qt::AlignLeading|Qt::AlignTop")
    return w


def button(lay, ui, name, text, callback, data=None, default=False):
    w = widget(item(lay), "QPushButton", name)
    prop(w, "text", "string", ui.tr(text))
    if default:
        prop(w, "default", "bool", "true")
    else:
        prop(w, "autoDefault", "bool", "false")
    bind(w, "gwActivate", callback, data)
    return w


def help_button(lay, ui, page):
    return button(lay, ui, "ID_HELP", HELP, "CHelpManager::ContextHelp", page)


def dialog(cls_name, ui, title, size):
    root = ET.Element("ui", version="4.0")
    ET.SubElement(root, "class").text = cls_name.replace(" ", "")
    w = widget(root, "QDialog", cls_name.replace(" ", ""))
    prop(w, "geometry", "rect", (0, 0) + size)
    prop(w, "windowTitle", "string", ui.tr(title))
    return root, w


def button_row(parent_lay, ui, help_page, buttons):
    row = layout(item(parent_lay), "QHBoxLayout", ui, "buttons")
    help_button(row, ui, help_page)
    spacer(row, ui)
    for b in buttons:
        button(row, ui, *b)
    return row


# ---- "ZEP Utility": the main window -------------------------------------------------------

# Actions: id, text, callback (None: none), user data, icon, shortcut, enabled at start,
# tool tip. Items that need a scanner type (or a connection) start disabled; the transfer
# object enables them (EnableDisableMenuItems).
ACTIONS = [
    ("NEW", t("&New", "&Neu", "&Nouveau"), "NewFile_CB", None, "newfile1", "Ctrl+N", False, None),
    ("OPEN", t("&Open...", "Ö&ffnen...", "&Ouvrir..."), "ReadFromFile_CB", None, "open1",
     "Ctrl+O", True, None),
    ("CLOSE", t("&Close", "S&chließen", "&Fermer"), "CloseFile_CB", None, None, None, False,
     None),
    ("SAVE", t("&Save", "&Speichern", "&Enregistrer"), "WriteToFile_CB", None, "save1",
     "Ctrl+S", False, None),
    ("SAVE_AS", t("Save &As...", "Speichern &unter...", "Enregistrer &sous..."),
     "SaveAsFile_CB", None, None, None, False, None),
    ("PRINT", t("&Print...", "&Drucken...", "&Imprimer..."), "PrintSlpFile_CB", None,
     ("print1", "print0"), "Ctrl+P", False, None),
    ("EXPORT", t("&Export RTF...", "&RTF exportieren...", "E&xporter en RTF..."), "ExportRtf_CB",
     None, None, None, False, None),
    ("EXIT", t("E&xit", "&Beenden", "&Quitter"), "Close_CB", None, None, "Ctrl+Q", True, None),
    ("UPLOAD_FROM_ZEP", t("&Upload from scanner", "&Upload vom Scanner",
                          "&Lire depuis le scanner"), "UpLoad_CB", None,
     ("upload1", "upload0"), "Ctrl+U", False, None),
    ("DOWNLOAD_TO_ZEP", t("&Download to scanner...", "&Download zum Scanner...",
                          "&Envoyer au scanner..."), "DownLoad_CB", None,
     ("dnload1", "dnload0"), "Ctrl+D", False, None),
    ("FACTORY_DEFAULTS", t("&Factory defaults", "&Werkseinstellungen", "Réglages d'&usine"),
     "FactoryDefaults_CB", None, ("factory1", "factory0"), None, False, None),
    ("COMPARE_DEFAULTS", t("Compare with factory &defaults", "Mit Werkseinstellungen "
                           "&vergleichen", "&Comparer aux réglages d'usine"), "Compare_CB",
     "DEFAULTS", None, None, False, None),
    ("COMPARE_FILE", t("Compare with f&ile...", "Mit &Datei vergleichen...",
                       "Comparer à un &fichier..."), "Compare_CB", "FILE", None, None, False,
     None),
    ("TERMINAL_EMULATOR", t("&Terminal...", "&Terminal...", "&Terminal..."), "Terminal_CB", None,
     "term1", "Ctrl+T", True, None),
    ("COM_PARAMETER", t("&Port settings...", "&Schnittstelleneinstellungen...",
                        "Réglages du &port..."), "ChangeCom_CB", None, "handshak", None, True,
     None),
    ("AUTO_BAUD", t("&Automatic baud detection...", "&Automatische Baudratenerkennung...",
                    "&Détection automatique du débit..."), "AutoBaudDetect_CB", None, None, None,
     True, None),
    ("001", t("English"), "ChangeLanguage_CB", None, None, None, True, None),
    ("049", t("Deutsch"), "ChangeLanguage_CB", None, None, None, True, None),
    ("033", t("Français"), "ChangeLanguage_CB", None, None, None, True, None),
    ("METRIC", t("&Metric (mm)", "&Metrisch (mm)", "&Métrique (mm)"), "ChangeUnit_CB", None,
     None, None, True, None),
    ("INCH", t("&Inch", "&Zoll", "&Pouce"), "ChangeUnit_CB", None, None, None, True, None),
    ("HELP_CONTENTS", t("&Help for this window", "&Hilfe zu diesem Fenster",
                        "&Aide de cette fenêtre"), "CHelpManager::ContextHelp",
     "main_window.htm", None, "F1", True, None),
    ("HELP_HOME", t("Help &contents", "Hilfe-&Inhalt", "&Sommaire de l'aide"),
     "CHelpManager::ContextHelp", "home.htm", None, None, True, None),
    ("HELP_BROWSER", t("Choose help &browser...", "Hilfe-&Browser wählen...",
                       "Choisir le &navigateur d'aide..."), "CHelpManager::SetBrowser", None,
     None, None, True, None),
    ("ABOUT", t("&About ZEP Setup", "Ü&ber ZEP Setup", "À &propos de ZEP Setup"), "About_CB",
     None, None, None, True, None),
    # The tool bar's own items (the menu items above are not on it).
    ("TB_NEW", t("New", "Neu", "Nouveau"), "NewFile_CB", None, "newfile1", None, False,
     t("New parameter set (factory defaults, no file)", "Neuer Parametersatz "
       "(Werkseinstellungen, keine Datei)", "Nouveau jeu de paramètres (réglages d'usine, "
       "sans fichier)")),
    ("TB_OPEN", t("Open", "Öffnen", "Ouvrir"), "ReadFromFile_CB", None, "open1", None, True,
     t("Open a parameter script (*.slp)", "Parameterskript öffnen (*.slp)",
       "Ouvrir un script de paramètres (*.slp)")),
    ("TB_SAVE", t("Save", "Speichern", "Enregistrer"), "WriteToFile_CB", None, "save1", None,
     False, t("Save the parameter set as a script file", "Parametersatz als Skriptdatei "
              "speichern", "Enregistrer le jeu de paramètres comme script")),
    ("TB_PRINT", t("Print", "Drucken", "Imprimer"), "PrintSlpFile_CB", None,
     ("print1", "print0"), None, False,
     t("Print the parameter report", "Parameterbericht drucken",
       "Imprimer le rapport de paramètres")),
    ("TB_UF", t("Upload", "Upload", "Lire"), "UpLoad_CB", None, ("upload1", "upload0"), None,
     False, t("Read every parameter from the scanner", "Alle Parameter aus dem Scanner lesen",
              "Lire tous les paramètres du scanner")),
    ("TB_DF", t("Download", "Download", "Envoyer"), "DownLoad_CB", None,
     ("dnload1", "dnload0"), None, False,
     t("Send every parameter to the scanner", "Alle Parameter zum Scanner senden",
       "Envoyer tous les paramètres au scanner")),
    ("TB_FD", t("Defaults", "Werkseinstellungen", "Usine"), "FactoryDefaults_CB", None,
     ("factory1", "factory0"), None, False,
     t("Load the factory defaults of the scanner type", "Werkseinstellungen des Scannertyps "
       "laden", "Charger les réglages d'usine du type de scanner")),
    ("TB_TERMINAL", t("Terminal"), "Terminal_CB", None, "term1", None, True,
     t("Send commands to the scanner and see its answers", "Befehle zum Scanner senden und "
       "seine Antworten sehen", "Envoyer des commandes au scanner et voir ses réponses")),
    ("TB_COM", t("Port", "Schnittstelle", "Port"), "ChangeCom_CB", None, "handshak", None, True,
     t("Serial port and line settings", "Serielle Schnittstelle und Übertragungsparameter",
       "Port série et réglages de la ligne")),
]

MENUS = [
    ("FILEMENU", t("&File", "&Datei", "&Fichier"),
     ["NEW", "OPEN", "CLOSE", "-", "SAVE", "SAVE_AS", "-", "PRINT", "EXPORT", "-", "EXIT"]),
    ("SCANNERMENU", t("&Scanner", "&Scanner", "&Scanner"),
     ["UPLOAD_FROM_ZEP", "DOWNLOAD_TO_ZEP", "FACTORY_DEFAULTS", "-", "COMPARE_DEFAULTS",
      "COMPARE_FILE", "-", "TERMINAL_EMULATOR", "-", "COM_PARAMETER", "AUTO_BAUD"]),
    ("OPTIONSMENU", t("&Options", "&Optionen", "&Options"), ["LANGUAGEMENU", "UNITMENU"]),
    ("HELPMENU", t("&Help", "&Hilfe", "&Aide"),
     ["HELP_CONTENTS", "HELP_HOME", "HELP_BROWSER", "-", "ABOUT"]),
]
SUBMENUS = {
    "LANGUAGEMENU": (t("&Language", "&Sprache", "&Langue"), ["001", "049", "033"]),
    "UNITMENU": (t("&Unit", "&Einheit", "&Unité"), ["METRIC", "INCH"]),
}
TOOLBAR = ["TB_NEW", "TB_OPEN", "TB_SAVE", "TB_PRINT", "-", "TB_UF", "TB_DF", "TB_FD", "-",
           "TB_TERMINAL", "TB_COM"]
# One of each is checked (the program unchecks the others).
CHECKABLE = ["001", "049", "033", "METRIC", "INCH"]


def add_actions(menu, names):
    for name in names:
        ET.SubElement(menu, "addaction", name="separator" if name == "-" else name)


def indicator(lay, ui, name, icon, text, visible=True):
    box = widget(item(lay), "QWidget", name)
    if not visible:
        prop(box, "visible", "bool", "false")
    row = layout(box, "QHBoxLayout", ui, "indicator", margins=0, spacing=4)
    picture(row, ui, icon, align="Qt::AlignVCenter")
    label(row, ui, None, text)


def main_window(lang):
    ui = Ui(lang)
    root = ET.Element("ui", version="4.0")
    ET.SubElement(root, "class").text = "MainWindow"
    w = widget(root, "QMainWindow", "MainWindow")
    prop(w, "geometry", "rect", (0, 0, 1000, 130))
    prop(w, "windowTitle", "string", "ZEP Setup")
    prop(w, "windowIcon", "iconset", ("icons/velt_icon.svg", None))
    prop(w, "toolButtonStyle", "enum", "Qt::ToolButtonTextUnderIcon")
    bind(w, "gwShow", FRAME + "Show_CB")
    bind(w, "gwClose", FRAME + "Close_CB")
    bind(w, "gwMove", FRAME + "Move_CB")

    central = widget(w, "QWidget", "centralwidget")
    column = layout(central, "QVBoxLayout", ui, "central", margins=0, spacing=0)
    row = layout(item(column), "QHBoxLayout", ui, "type_row", margins=6, spacing=8)
    picture(row, ui, "scantyp", align="Qt::AlignVCenter")
    caption = label(row, ui, "ID_TYPE_CAPTION", t("Scanner type:", "Scannertyp:",
                                                   "Type de scanner :"))
    prop(caption, "buddy", "cstring", "SCANNER_TYPE")
    combo = widget(item(row), "QComboBox", "SCANNER_TYPE")
    prop(combo, "minimumSize", "size", (130, 0))
    prop(combo, "toolTip", "string", ui.tr(t(
        "The scanner type whose parameters are shown; connecting to a scanner selects its type",
        "Der Scannertyp, dessen Parameter angezeigt werden; beim Verbinden wird der Typ des "
        "Scanners gewählt",
        "Le type de scanner dont les paramètres sont affichés ; la connexion choisit le type "
        "du scanner")))
    bind(combo, "gwActivate", FRAME + "SelectScanner_CB")
    version = label(row, ui, "VERSION_LABEL", "", bold=True)
    prop(version, "minimumSize", "size", (110, 0))
    bind(version, "gwTimer", FRAME + "Timer_CB")
    spacer(row, ui)
    indicator(row, ui, "CONNECT", "green", t("Connected", "Verbunden", "Connecté"), False)
    indicator(row, ui, "NOCONNECT", "red", t("Not connected", "Nicht verbunden",
                                              "Non connecté"))
    indicator(row, ui, "OFFLINE", "red", t("Offline", "Offline", "Hors ligne"), False)
    port = label(row, ui, "ID_PORT", "")
    prop(port, "toolTip", "string", ui.tr(t(
        "The serial port and its line settings (Scanner > Port settings)",
        "Die serielle Schnittstelle und ihre Einstellungen (Scanner > "
        "Schnittstelleneinstellungen)",
        "Le port série et ses réglages (Scanner > Réglages du port)")))
    # The parameter dialog is kept at this place's screen position: right below the window.
    ref = widget(item(column), "QWidget", "reference")
    prop(ref, "maximumSize", "size", (16777215, 0))

    bar = widget(w, "QMenuBar", "menubar")
    for name, title, entries in MENUS:
        menu = widget(bar, "QMenu", name)
        prop(menu, "title", "string", ui.tr(title))
        for entry in entries:
            if entry in SUBMENUS:
                sub_title, sub_entries = SUBMENUS[entry]
                sub = widget(menu, "QMenu", entry)
                prop(sub, "title", "string", ui.tr(sub_title))
                add_actions(sub, sub_entries)
        add_actions(menu, entries)
    add_actions(bar, [m[0] for m in MENUS])

    tools = widget(w, "QToolBar", "TOOLBAR")
    prop(tools, "windowTitle", "string", ui.tr(t("Tool bar", "Werkzeugleiste",
                                                  "Barre d'outils")))
    prop(tools, "movable", "bool", "false")
    prop(tools, "iconSize", "size", (24, 24))
    ET.SubElement(ET.SubElement(tools, "attribute", name="toolBarArea"), "enum").text = \
        "TopToolBarArea"
    ET.SubElement(ET.SubElement(tools, "attribute", name="toolBarBreak"), "bool").text = "false"
    add_actions(tools, TOOLBAR)

    for name, text, callback, data, icon, shortcut, enabled, tip in ACTIONS:
        a = ET.SubElement(w, "action", name=name)
        if name in CHECKABLE:
            prop(a, "checkable", "bool", "true")
        if icon:
            normal, disabled = icon if isinstance(icon, tuple) else (icon, None)
            prop(a, "icon", "iconset", ("icons/%s.svg" % normal,
                                        "icons/%s.svg" % disabled if disabled else None))
        prop(a, "text", "string", ui.tr(text))
        if tip:
            prop(a, "toolTip", "string", ui.tr(tip))
        if shortcut:
            prop(a, "shortcut", "string", shortcut)
        if not enabled:
            prop(a, "enabled", "bool", "false")
        callback = callback if "::" in callback else FRAME + callback
        bind(a, "gwActivate", callback, data)
    return root


# ---- the dialogs ----------------------------------------------------------------------------

def about(lang):
    ui = Ui(lang)
    root, w = dialog("About", ui, t("About ZEP Setup", "Über ZEP Setup", "À propos de ZEP Setup"),
                     (460, 190))
    column = layout(w, "QVBoxLayout", ui, "about")
    row = layout(item(column), "QHBoxLayout", ui, "head", spacing=16)
    picture(row, ui, "logo")
    text = layout(item(row), "QVBoxLayout", ui, "text")
    label(text, ui, None, "ZEP Setup", bold=True, size=16)
    label(text, ui, "version_label", "V", bold=True)
    label(text, ui, None, t(
        "Reads, edits and writes the parameters of ZEP barcode scanners on an RS-232 line: "
        "upload, download, parameter scripts, reports, terminal and automatic baud detection.",
        "Liest, bearbeitet und schreibt die Parameter von ZEP-Barcodescannern an einer "
        "RS-232-Leitung: Upload, Download, Parameterskripte, Berichte, Terminal und "
        "automatische Baudratenerkennung.",
        "Lit, modifie et écrit les paramètres des scanners de codes-barres ZEP sur une ligne "
        "RS-232 : lecture, envoi, scripts de paramètres, rapports, terminal et détection "
        "automatique du débit."), wrap=True)
    spacer(text, ui, vertical=True)
    button_row(column, ui, "about.htm", [("ID_OK", OK, "interpreter", "hide 6", True)])
    return root


WELCOME_STEPS = [
    ("handshak", t(
        "Connect the scanner to a serial port and choose the port under Scanner > Port "
        "settings, or let Automatic baud detection find the line settings. Without a scanner, "
        "the port SIM is a simulated scanner to try everything with.",
        "Den Scanner an eine serielle Schnittstelle anschließen und die Schnittstelle unter "
        "Scanner > Schnittstelleneinstellungen wählen, oder die automatische "
        "Baudratenerkennung die Einstellungen finden lassen. Ohne Scanner ist die "
        "Schnittstelle SIM ein simulierter Scanner zum Ausprobieren.",
        "Branchez le scanner sur un port série et choisissez le port dans Scanner > Réglages "
        "du port, ou laissez la détection automatique du débit trouver les réglages. Sans "
        "scanner, le port SIM est un scanner simulé pour tout essayer.")),
    ("from", t(
        "Upload reads every parameter from the scanner into the parameter dialog, where you "
        "change them.",
        "Upload liest alle Parameter aus dem Scanner in den Parameterdialog, wo Sie sie "
        "ändern.",
        "Lire charge tous les paramètres du scanner dans la fenêtre des paramètres, où vous "
        "les modifiez.")),
    ("to", t(
        "Download sends them to the scanner; store them there to keep them after power-off, "
        "and verify to read them back.",
        "Download sendet sie zum Scanner; dort speichern, damit sie nach dem Ausschalten "
        "bleiben, und prüfen, um sie zurückzulesen.",
        "Envoyer les transmet au scanner ; enregistrez-les pour qu'ils restent après "
        "l'arrêt, et vérifiez pour les relire.")),
    ("save1", t(
        "File > Save keeps a parameter set as a script file; File > Open loads it again, "
        "File > Print and Export RTF make a report.",
        "Datei > Speichern legt einen Parametersatz als Skriptdatei ab; Datei > Öffnen lädt "
        "ihn wieder, Datei > Drucken und RTF exportieren erstellen einen Bericht.",
        "Fichier > Enregistrer garde un jeu de paramètres comme script ; Fichier > Ouvrir le "
        "recharge, Fichier > Imprimer et Exporter en RTF font un rapport.")),
]


def welcome(lang):
    ui = Ui(lang)
    root, w = dialog("Welcome Dialog", ui, t("Welcome", "Willkommen", "Bienvenue"), (540, 300))
    column = layout(w, "QVBoxLayout", ui, "welcome", spacing=10)
    label(column, ui, None, t("Welcome to ZEP Setup", "Willkommen bei ZEP Setup",
                              "Bienvenue dans ZEP Setup"), bold=True, size=14)
    steps = layout(item(column), "QGridLayout", ui, "steps")
    prop(steps, "horizontalSpacing", "number", 12)
    prop(steps, "verticalSpacing", "number", 10)
    for i, (icon, text) in enumerate(WELCOME_STEPS):
        picture(steps, ui, icon, row=i, column=0)
        w_text = label(steps, ui, None, text, wrap=True, row=i, column=1)
        prop(w_text, "minimumSize", "size", (440, 0))
    spacer(column, ui, vertical=True)
    box = widget(item(column), "QCheckBox", "ID_NOWELCOME")
    prop(box, "text", "string", ui.tr(t("Do not show this window at start again",
                                        "Dieses Fenster beim Start nicht mehr zeigen",
                                        "Ne plus afficher cette fenêtre au démarrage")))
    button_row(column, ui, "welcome.htm", [("ID_OK", OK, "interpreter", "hide 6", True)])
    return root


def printer_comment(lang):
    ui = Ui(lang)
    root, w = dialog("Printer Comment", ui, t("Print parameter report", "Parameterbericht "
                                              "drucken", "Imprimer le rapport de paramètres"),
                     (440, 110))
    column = layout(w, "QVBoxLayout", ui, "comment")
    label(column, ui, None, t("Comment printed in the page header:",
                              "Kommentar in der Kopfzeile jeder Seite:",
                              "Commentaire imprimé en tête de page :"))
    edit = widget(item(column), "QLineEdit", "ID_COMMENT")
    prop(edit, "maxLength", "number", 80)
    prop(edit, "minimumSize", "size", (400, 0))
    spacer(column, ui, vertical=True)
    button_row(column, ui, "printer_comment.htm", [
        ("ID_OK", t("Print...", "Drucken...", "Imprimer..."), "interpreter", "hide 6", True),
        ("ID_CANCEL", CANCEL, "interpreter", "hide 15")])
    return root


DOWNLOAD_MODES = [
    t("Send only: the scanner uses the parameters until it is switched off",
      "Nur senden: der Scanner verwendet die Parameter bis zum Ausschalten",
      "Envoyer seulement : le scanner utilise les paramètres jusqu'à son arrêt"),
    t("Send and store them permanently in the scanner",
      "Senden und dauerhaft im Scanner speichern",
      "Envoyer et les enregistrer durablement dans le scanner"),
    t("Send, read back to verify, and store them when the scanner holds every value",
      "Senden, zur Prüfung zurücklesen und speichern, wenn der Scanner jeden Wert hat",
      "Envoyer, relire pour vérifier, et enregistrer si le scanner a chaque valeur"),
]


def download_mode(lang):
    ui = Ui(lang)
    root, w = dialog("Download Mode", ui, t("Download to the scanner", "Download zum Scanner",
                                            "Envoi au scanner"), (500, 160))
    column = layout(w, "QVBoxLayout", ui, "mode", spacing=8)
    label(column, ui, None, t("How should the parameters go to the scanner?",
                              "Wie sollen die Parameter zum Scanner gehen?",
                              "Comment envoyer les paramètres au scanner ?"), bold=True)
    for mode, text in enumerate(DOWNLOAD_MODES):
        radio = widget(item(column), "QRadioButton", "ID_MODE%d" % mode)
        prop(radio, "text", "string", ui.tr(text))
        if mode == 1:
            prop(radio, "checked", "bool", "true")
        bind(radio, "gwActivate", "interpreter", "set ID_HLP_LABEL %d" % mode)
    # After the dialog closes its text is the chosen mode: 0, 1, 2, or -1 (cancelled).
    mode_label = label(column, ui, "ID_HLP_LABEL", "1")
    prop(mode_label, "visible", "bool", "false")
    spacer(column, ui, vertical=True)
    button_row(column, ui, "download_mode.htm", [
        ("ID_OK", t("Send", "Senden", "Envoyer"), "interpreter", "hide 6", True),
        ("ID_CANCEL", CANCEL, "interpreter", "set ID_HLP_LABEL -1; hide 15")])
    return root


def compare_list(lang):
    ui = Ui(lang)
    root, w = dialog("Compare List", ui, t("Compare parameters", "Parameter vergleichen",
                                           "Comparer les paramètres"), (640, 460))
    column = layout(w, "QVBoxLayout", ui, "compare")
    label(column, ui, "ID_HEADING", "", wrap=True, bold=True)
    tree = widget(item(column), "QTreeWidget", "LIST")
    for key, value in (("rootIsDecorated", "false"), ("alternatingRowColors", "true"),
                       ("uniformRowHeights", "true"), ("allColumnsShowFocus", "true")):
        prop(tree, key, "bool", value)
    prop(tree, "selectionMode", "enum", "QAbstractItemView::ExtendedSelection")
    for title in (t("Parameter", "Parameter", "Paramètre"), t("Value"), t("Other value")):
        col = ET.SubElement(tree, "column")
        prop(col, "text", "string", ui.tr(title))
    button_row(column, ui, "compare.htm", [
        ("ID_COPY", t("&Copy", "&Kopieren", "&Copier"), "CCompareDlgMgr::Copy_CB"),
        ("ID_PRINT", t("&Print...", "&Drucken...", "&Imprimer..."), "CCompareDlgMgr::Print_CB"),
        ("ID_CLOSE", t("Close", "Schließen", "Fermer"), "interpreter", "hide 6", True)])
    return root


# ---- writing ------------------------------------------------------------------------------

def to_text(root):
    ET.indent(root, space=" ")
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<!-- Written by scripts/zepmain_layouts.py: edit the description there. -->\n' +
            ET.tostring(root, "unicode") + "\n")


WINDOWS = [("main_window", main_window), ("about", about), ("welcome", welcome),
           ("printer_comment", printer_comment), ("download_mode", download_mode),
           ("compare_list", compare_list)]


def outputs():
    for stem, build in WINDOWS:
        for lang in LANGS:
            suffix = "" if lang == EN else "_" + lang
            yield "%s%s.ui" % (stem, suffix), to_text(build(lang))


def main():
    check = "--check" in sys.argv[1:]
    differs = False
    for name, text in outputs():
        path = os.path.join(DATA, name)
        if check:
            try:
                with open(path, encoding="utf-8") as f:
                    same = f.read() == text
            except FileNotFoundError:
                same = False
            if not same:
                print("differs:", path)
                differs = True
        else:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
    return 1 if differs else 0


if __name__ == "__main__":
    sys.exit(main())
