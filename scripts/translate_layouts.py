#!/usr/bin/env python3
"""Writes the German (_049) and French (_033) layouts of the terminal and the port dialogs from
the English ones in data/.

Every visible text of an English layout (text, title, window title, tool tip, placeholder,
progress format) must be in the table below or in KEEP (texts that read the same in every
language); the script stops with the texts it cannot translate, so that no layout goes out
half English. Edit the English .ui and the table, then run this script; the written .ui files
are committed.
"""
import re
import sys
from pathlib import Path
from xml.sax.saxutils import escape, unescape

LAYOUTS = ["dlg_terminal.ui", "com_parameter.ui", "auto_baud.ui"]

KEEP = {"Terminal", "STX", "ETX", "OK", "COM1", "COM2", "COM3", "COM4", "1", "2", "7", "8",
        "300", "600", "1200", "2400", "4800", "9600", "19200", "38400"}

# English: (German, French)
TEXTS = {
    # Terminal
    "&Command:": ("&Befehl:", "&Commande :"),
    "e.g. W0 or WER; control characters as <CR>, <ESC>, <E4>; Up/Down: earlier commands":
        ("z. B. W0 oder WER; Steuerzeichen als <CR>, <ESC>, <E4>; Pfeil auf/ab: frühere Befehle",
         "p. ex. W0 ou WER ; caractères de contrôle en <CR>, <ESC>, <E4> ; flèches haut/bas : "
         "commandes précédentes"),
    "&Send": ("&Senden", "&Envoyer"),
    "Sent &before the command:": ("&Vor dem Befehl gesendet:", "Envoyé &avant la commande :"),
    "a&fter it:": ("&danach:", "a&près :"),
    "(a name such as STX, ETX, CR, LF, or two hex digits; empty: nothing)":
        ("(ein Name wie STX, ETX, CR, LF oder zwei Hex-Ziffern; leer: nichts)",
         "(un nom comme STX, ETX, CR, LF ou deux chiffres hexadécimaux ; vide : rien)"),
    "Frequent commands (sent at once)":
        ("Häufige Befehle (werden sofort gesendet)", "Commandes fréquentes (envoyées aussitôt)"),
    "Model name and software version":
        ("Modellname und Softwareversion", "Nom du modèle et version du logiciel"),
    "W0 - version": ("W0 - Version", "W0 - version"),
    "Changed since the last store? U0: no, U1: yes":
        ("Seit dem letzten Speichern geändert? U0: nein, U1: ja",
         "Modifié depuis la dernière mémorisation ? U0 : non, U1 : oui"),
    "W1 - changed?": ("W1 - geändert?", "W1 - modifié ?"),
    "Error register: ER00 no error, ER01 unknown command, ER02 value refused":
        ("Fehlerregister: ER00 kein Fehler, ER01 unbekannter Befehl, ER02 Wert abgelehnt",
         "Registre d'erreur : ER00 aucune erreur, ER01 commande inconnue, ER02 valeur refusée"),
    "WER - last error": ("WER - letzter Fehler", "WER - dernière erreur"),
    "Store the parameters permanently in the scanner":
        ("Parameter dauerhaft im Scanner speichern",
         "Mémoriser les paramètres durablement dans le scanner"),
    "M2 - store": ("M2 - speichern", "M2 - mémoriser"),
    "Evaluation mode? UC0: off, UC1: on":
        ("Auswertemodus? UC0: aus, UC1: ein", "Mode d'évaluation ? UC0 : arrêt, UC1 : marche"),
    "WUC - evaluation?": ("WUC - Auswertung?", "WUC - évaluation ?"),
    "Switch evaluation mode on": ("Auswertemodus einschalten", "Activer le mode d'évaluation"),
    "UC1 - evaluation on": ("UC1 - Auswertung ein", "UC1 - évaluation marche"),
    "Switch evaluation mode off":
        ("Auswertemodus ausschalten", "Désactiver le mode d'évaluation"),
    "UC0 - evaluation off": ("UC0 - Auswertung aus", "UC0 - évaluation arrêt"),
    "Read rate of the evaluation in percent":
        ("Leserate der Auswertung in Prozent", "Taux de lecture de l'évaluation en pour cent"),
    "A0 - read rate": ("A0 - Leserate", "A0 - taux de lecture"),
    "Show control characters as &names":
        ("Steuerzeichen als &Namen zeigen", "Afficher les caractères de contrôle par leur &nom"),
    "Switches the scanner's evaluation mode on (UC1) and asks for the read rate (A0) once a "
    "second; switching it off restores the mode the scanner was in":
        ("Schaltet den Auswertemodus des Scanners ein (UC1) und fragt jede Sekunde die Leserate "
         "ab (A0); beim Ausschalten erhält der Scanner seinen vorigen Modus zurück",
         "Active le mode d'évaluation du scanner (UC1) et demande le taux de lecture (A0) "
         "chaque seconde ; à l'arrêt, le scanner retrouve son mode précédent"),
    "&Evaluation: read rate every second":
        ("&Auswertung: Leserate jede Sekunde", "É&valuation : taux de lecture chaque seconde"),
    "Write a &log file ...": ("&Protokolldatei schreiben ...", "Écrire un &journal ..."),
    "Port:": ("Schnittstelle:", "Port :"),
    "Copies the selected lines (all lines when none is selected) to the clipboard":
        ("Kopiert die markierten Zeilen (ohne Markierung alle) in die Zwischenablage",
         "Copie les lignes sélectionnées (toutes si aucune ne l'est) dans le presse-papiers"),
    "C&opy": ("&Kopieren", "C&opier"),
    "&Help": ("&Hilfe", "&Aide"),
    "Close": ("Schließen", "Fermer"),
    # Port settings
    "Serial port settings": ("Einstellungen der seriellen Schnittstelle", "Réglages du port série"),
    "Port": ("Schnittstelle", "Port"),
    "SIM - simulated scanner inside the program":
        ("SIM - simulierter Scanner im Programm", "SIM - scanner simulé dans le programme"),
    "Device path:": ("Gerätepfad:", "Chemin du périphérique :"),
    "for example /dev/pts/3": ("zum Beispiel /dev/pts/3", "par exemple /dev/pts/3"),
    "Baud rate (bit/s)": ("Baudrate (Bit/s)", "Débit (bit/s)"),
    "Data bits": ("Datenbits", "Bits de données"),
    "Parity": ("Parität", "Parité"),
    "None (N)": ("keine (N)", "aucune (N)"),
    "Even (E)": ("gerade (E)", "paire (E)"),
    "Odd (O)": ("ungerade (O)", "impaire (O)"),
    "Stop bits": ("Stoppbits", "Bits d'arrêt"),
    "Cancel": ("Abbrechen", "Annuler"),
    # Automatic baud detection
    "Automatic baud detection": ("Automatische Baudratenerkennung",
                                 "Détection automatique du débit"),
    "Start": ("Start", "Démarrer"),
}

TEXT_PROPERTY = re.compile(
    r'(<property name="(?:text|title|windowTitle|toolTip|placeholderText|format)">\s*<string>)'
    r'(.*?)(</string>)', re.S)


def translate(english, column, missing):
    def replace(match):
        text = unescape(match.group(2))
        if text in KEEP or text == "":
            return match.group(0)
        if text not in TEXTS:
            missing.add(text)
            return match.group(0)
        return match.group(1) + escape(TEXTS[text][column]) + match.group(3)
    return TEXT_PROPERTY.sub(replace, english)


def main():
    data = Path(__file__).resolve().parent.parent / "data"
    missing = set()
    out = {}
    for name in LAYOUTS:
        english = (data / name).read_text(encoding="utf-8")
        note = "Written by scripts/translate_layouts.py from " + name + ": do not edit."
        english = re.sub(r"<!--.*?-->", "<!-- " + note + " -->", english, count=1, flags=re.S)
        for column, suffix in ((0, "_049"), (1, "_033")):
            out[name.replace(".ui", suffix + ".ui")] = translate(english, column, missing)
    if missing:
        sys.exit("no translation for:\n  " + "\n  ".join(sorted(missing)))
    for name, text in out.items():
        (data / name).write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
