#!/usr/bin/env python3
"""Writes the message texts of zepmain into the "Error_Warnings" layouts of data/.

The texts are the lines of two labels, ERRORMESSAGES and WARNINGS_TEXTS; line n is message n.
Edit the tables below and run this script; the .ui files it writes are committed (they are
what the program reads, and they can be opened in Qt Designer).

Composition: callers append a line break and a name to many texts ("This file could not be
written:" + "\\n" + path), put a name between two halves (error 18, name, ".\\n \\n", error 19),
or cut the last four characters of warning 52 when no file name follows, so warning 52 ends
with a four-character word and its blanks (" to ").
"""
from pathlib import Path
from xml.sax.saxutils import escape

ERROR_COUNT = 68  # errors 0..67
WARNING_COUNT = 84  # warnings 0..83 (63..70: the port list; 71..80: the transfer; 81..83: the main window)

ERRORS = {
    "en": {
        0: "Unknown error, number ",
        2: "The chosen help browser could not be started. It has been forgotten; the next "
           "help request offers to choose another one.",
        4: "This file could not be written:",
        5: "This file could not be read or does not exist:",
        6: "The factory defaults could not be loaded.",
        7: "The factory-default file of this scanner type is missing. Load the parameter "
           "script anyway (parameters it does not name keep their current values)?",
        11: "This file is not a ZEP parameter script (the header "
            "\"[VELT AG, Script ZEP Language]\" is missing):",
        12: "The parameter script could not be read or has no section \"[Parameter]\":",
        13: "Loading was cancelled. Nothing was read from:",
        14: "A text could not be filled up to the requested width.",
        17: "Text:",
        18: "Automatic baud detection found a scanner of the type ",
        19: "Switch to this scanner type and read the scanner's parameters now?",
        21: "The connected scanner does not fit the selected scanner type.",
        22: "Connected scanner: ",
        23: "Selected scanner type: ",
        26: "Select the scanner type that fits the scanner and try again.",
        31: "The dialog layout of this scanner type is missing:",
        32: "No fitting scanner type was found in the program directory.",
        41: "Please confirm",
        49: "Factory defaults missing",
        50: "This template file could not be opened:",
        51: "Nothing was written to:",
        52: "Nothing was printed.",
        54: "Fill text:",
        55: "Width:",
        56: "The parameter report is being printed ...",
        57: "The printer could not be prepared.",
        58: "The parameter report has been printed.",
        59: "The scanner did not answer for these parameters, or its answer arrived corrupted. "
            "Nothing was taken over; all parameters keep their previous values:",
        60: "The scanner did not answer the query of this parameter, or its answer arrived "
            "corrupted. The download was stopped before anything was written behind it:",
        61: "The scanner holds other values than were sent (parameter: sent / in the scanner):",
        62: "The scanner did not answer when these parameters were read back; they are not "
            "verified:",
        63: "The two parameter sets belong to different scanner types:",
        64: "The download was cancelled. The scanner holds only part of the parameter set; "
            "repeat the download.",
        65: "Nothing was sent to the scanner: the parameter script was not loaded completely.",
        66: "The parameters were not stored permanently in the scanner, because the download "
            "was not verified.",
        67: "No scanner answered on this port at these line settings. Check the cable, the port "
            "and the line settings (automatic baud detection finds them):",
    },
    "de": {
        0: "Unbekannter Fehler, Nummer ",
        2: "Der gewählte Hilfe-Browser konnte nicht gestartet werden. Er wurde vergessen; "
           "bei der nächsten Hilfe-Anfrage kann ein anderer gewählt werden.",
        4: "Diese Datei konnte nicht geschrieben werden:",
        5: "Diese Datei konnte nicht gelesen werden oder fehlt:",
        6: "Die Werkseinstellungen konnten nicht geladen werden.",
        7: "Die Datei mit den Werkseinstellungen dieses Scannertyps fehlt. Das Parameterskript "
           "trotzdem laden (nicht genannte Parameter behalten ihre aktuellen Werte)?",
        11: "Diese Datei ist kein ZEP-Parameterskript (der Kopf "
            "\"[VELT AG, Script ZEP Language]\" fehlt):",
        12: "Das Parameterskript konnte nicht gelesen werden oder hat keinen Abschnitt "
            "\"[Parameter]\":",
        13: "Das Laden wurde abgebrochen. Nichts wurde gelesen aus:",
        14: "Ein Text konnte nicht auf die verlangte Breite aufgefüllt werden.",
        17: "Text:",
        18: "Die automatische Baudratenerkennung fand einen Scanner vom Typ ",
        19: "Zu diesem Scannertyp wechseln und die Parameter des Scanners jetzt lesen?",
        21: "Der angeschlossene Scanner passt nicht zum gewählten Scannertyp.",
        22: "Angeschlossener Scanner: ",
        23: "Gewählter Scannertyp: ",
        26: "Bitte den passenden Scannertyp wählen und es erneut versuchen.",
        31: "Das Dialog-Layout dieses Scannertyps fehlt:",
        32: "Im Programmverzeichnis wurde kein passender Scannertyp gefunden.",
        41: "Bitte bestätigen",
        49: "Werkseinstellungen fehlen",
        50: "Diese Vorlagendatei konnte nicht geöffnet werden:",
        51: "Es wurde nichts geschrieben in:",
        52: "Es wurde nichts gedruckt.",
        54: "Fülltext:",
        55: "Breite:",
        56: "Der Parameterbericht wird gedruckt ...",
        57: "Der Drucker konnte nicht vorbereitet werden.",
        58: "Der Parameterbericht wurde gedruckt.",
        59: "Der Scanner hat für diese Parameter nicht oder mit einer verfälschten Antwort "
            "geantwortet. Es wurde nichts übernommen; alle Parameter behalten ihre bisherigen "
            "Werte:",
        60: "Der Scanner hat die Abfrage dieses Parameters nicht oder verfälscht beantwortet. Der "
            "Download wurde abgebrochen, bevor dahinter etwas geschrieben wurde:",
        61: "Der Scanner hat andere Werte als gesendet (Parameter: gesendet / im Scanner):",
        62: "Der Scanner hat beim Zurücklesen dieser Parameter nicht geantwortet; sie sind nicht "
            "geprüft:",
        63: "Die beiden Parametersätze gehören zu verschiedenen Scannertypen:",
        64: "Der Download wurde abgebrochen. Der Scanner hat nur einen Teil des Parametersatzes; "
            "bitte den Download wiederholen.",
        65: "Es wurde nichts zum Scanner gesendet: das Parameterskript wurde nicht vollständig "
            "geladen.",
        66: "Die Parameter wurden nicht dauerhaft im Scanner gespeichert, weil der Download nicht "
            "geprüft wurde.",
        67: "Auf dieser Schnittstelle hat mit diesen Einstellungen kein Scanner geantwortet. Bitte "
            "Kabel, Schnittstelle und Einstellungen prüfen (die automatische "
            "Baudratenerkennung findet sie):",
    },
    "fr": {
        0: "Erreur inconnue, numéro ",
        2: "Le navigateur d'aide choisi n'a pas pu être lancé. Il a été oublié ; à la "
           "prochaine demande d'aide, un autre pourra être choisi.",
        4: "Ce fichier n'a pas pu être écrit :",
        5: "Ce fichier n'a pas pu être lu ou n'existe pas :",
        6: "Les réglages d'usine n'ont pas pu être chargés.",
        7: "Le fichier des réglages d'usine de ce type de scanner est absent. Charger quand "
           "même le script de paramètres (les paramètres qu'il ne cite pas gardent leur valeur "
           "actuelle) ?",
        11: "Ce fichier n'est pas un script de paramètres ZEP (l'en-tête "
            "\"[VELT AG, Script ZEP Language]\" manque) :",
        12: "Le script de paramètres n'a pas pu être lu ou n'a pas de section "
            "\"[Parameter]\" :",
        13: "Le chargement a été annulé. Rien n'a été lu de :",
        14: "Un texte n'a pas pu être complété à la largeur demandée.",
        17: "Texte :",
        18: "La détection automatique du débit a trouvé un scanner du type ",
        19: "Passer à ce type de scanner et lire maintenant les paramètres du scanner ?",
        21: "Le scanner connecté ne correspond pas au type de scanner choisi.",
        22: "Scanner connecté : ",
        23: "Type de scanner choisi : ",
        26: "Choisissez le type de scanner qui convient et réessayez.",
        31: "La disposition du dialogue de ce type de scanner est absente :",
        32: "Aucun type de scanner correspondant n'a été trouvé dans le répertoire du programme.",
        41: "Veuillez confirmer",
        49: "Réglages d'usine absents",
        50: "Ce fichier modèle n'a pas pu être ouvert :",
        51: "Rien n'a été écrit dans :",
        52: "Rien n'a été imprimé.",
        54: "Texte de remplissage :",
        55: "Largeur :",
        56: "Impression du rapport de paramètres ...",
        57: "L'imprimante n'a pas pu être préparée.",
        58: "Le rapport de paramètres a été imprimé.",
        59: "Le scanner n'a pas répondu pour ces paramètres, ou sa réponse est arrivée altérée. "
            "Rien n'a été repris ; tous les paramètres gardent leurs valeurs précédentes :",
        60: "Le scanner n'a pas répondu à la demande de ce paramètre, ou sa réponse est arrivée "
            "altérée. Le téléchargement a été interrompu avant toute écriture suivante :",
        61: "Le scanner contient d'autres valeurs que celles envoyées (paramètre : envoyé / "
            "dans le scanner) :",
        62: "Le scanner n'a pas répondu à la relecture de ces paramètres ; ils ne sont pas "
            "vérifiés :",
        63: "Les deux jeux de paramètres appartiennent à des types de scanner différents :",
        64: "Le téléchargement a été annulé. Le scanner ne contient qu'une partie du jeu de "
            "paramètres ; recommencez le téléchargement.",
        65: "Rien n'a été envoyé au scanner : le script de paramètres n'a pas été chargé "
            "entièrement.",
        66: "Les paramètres n'ont pas été enregistrés durablement dans le scanner, car le "
            "téléchargement n'a pas été vérifié.",
        67: "Aucun scanner n'a répondu sur ce port avec ces réglages. Vérifiez le câble, le port "
            "et les réglages (la détection automatique du débit les trouve) :",
    },
}

WARNINGS = {
    "en": {
        0: "Unknown message, number ",
        1: "Writing the file ...",
        5: "Connecting to the scanner on port",
        6: "No serial port is selected (port NONE). Choose a port in the port settings first.",
        7: "Sending the parameters to the scanner (download) ...",
        8: "Reading the parameter script ...",
        9: "Reading the parameters from the scanner (upload) ...",
        11: "Some values were refused because they are not allowed for their parameter; "
            "those parameters keep their previous values.",
        12: "Loading the factory defaults ...",
        13: "Choose the port and press Start to search for the scanner's serial settings.",
        16: "Building the parameter set of the scanner type ...",
        18: "The file has been written:",
        19: "The file has been read:",
        20: "The parameter script names no scanner type (the section \"[ZEP_Type_Target]\" is "
            "missing). It was not loaded:",
        21: "This parameter script was written for another scanner type. Switch to the file's "
            "scanner type and load it?",
        22: "Scanner type of the file: ",
        23: "Selected scanner type: ",
        24: "The parameter script names no scanner type (the line \"Type=\" is missing).",
        25: "The file was not loaded:",
        30: "A report line begins with no known parameter group and was left out.",
        31: "Line: ",
        38: "Exchange with the scanner",
        39: "Open parameter file",
        40: "Choose the web browser for the help pages",
        44: "This file exists already. Overwrite it?",
        45: "Terminal log file",
        47: "Save as",
        48: "Searching: each serial setting is tried in turn ...",
        49: "The scanner answered. Press Apply to take over these settings.",
        50: "No scanner answered with any of the settings. Check the cable and the port and "
            "try again.",
        51: "The parameters have been changed.",
        52: "Save the changes to ",
        57: "Start",
        58: "Stop",
        59: "Apply",
        62: "The port could not be opened. Check that it exists and is not in use, then try "
            "again.",
        63: "No port is open: nothing can be sent. Connect to the scanner first (port settings "
            "or automatic baud detection).",
        64: "Time",
        65: "in use by ",
        66: "no access: the user is not in the group ",
        67: "no access before logging in again as a member of the group ",
        68: "no access rights",
        69: "not present",
        70: "Add the user to the group, then log out and in again:",
        71: "The parameters were sent to the scanner. Whether it took them was not checked: "
            "choose verify to read them back.",
        72: "The parameters were sent to the scanner and read back: the scanner holds every "
            "value sent.",
        73: "The scanner was told to store the parameters permanently.",
        74: "The upload was cancelled; nothing was taken over.",
        75: "Reading the parameters back from the scanner (verify) ...",
        76: "Parameter",
        77: "Factory defaults",
        78: "Scanner",
        79: "No parameter differs.",
        80: "Parameters that differ: ",
        81: "Cancel",
        82: "The new language is used from the next start of the program.",
        83: "Current values",
    },
    "de": {
        0: "Unbekannte Meldung, Nummer ",
        1: "Die Datei wird geschrieben ...",
        5: "Verbindung zum Scanner über die Schnittstelle",
        6: "Es ist keine serielle Schnittstelle gewählt (NONE). Bitte zuerst in den "
           "Schnittstelleneinstellungen eine Schnittstelle wählen.",
        7: "Die Parameter werden zum Scanner gesendet (Download) ...",
        8: "Das Parameterskript wird gelesen ...",
        9: "Die Parameter werden aus dem Scanner gelesen (Upload) ...",
        11: "Einige Werte wurden abgelehnt, weil sie für ihren Parameter nicht zulässig sind; "
            "diese Parameter behalten ihre bisherigen Werte.",
        12: "Die Werkseinstellungen werden geladen ...",
        13: "Schnittstelle wählen und Start drücken, um die seriellen Einstellungen des "
            "Scanners zu suchen.",
        16: "Der Parametersatz des Scannertyps wird aufgebaut ...",
        18: "Die Datei wurde geschrieben:",
        19: "Die Datei wurde gelesen:",
        20: "Das Parameterskript nennt keinen Scannertyp (der Abschnitt \"[ZEP_Type_Target]\" "
            "fehlt). Es wurde nicht geladen:",
        21: "Dieses Parameterskript wurde für einen anderen Scannertyp geschrieben. Zum "
            "Scannertyp der Datei wechseln und sie laden?",
        22: "Scannertyp der Datei: ",
        23: "Gewählter Scannertyp: ",
        24: "Das Parameterskript nennt keinen Scannertyp (die Zeile \"Type=\" fehlt).",
        25: "Die Datei wurde nicht geladen:",
        30: "Eine Berichtszeile beginnt mit keiner bekannten Parametergruppe und wurde "
            "ausgelassen.",
        31: "Zeile: ",
        38: "Austausch mit dem Scanner",
        39: "Parameterdatei öffnen",
        40: "Web-Browser für die Hilfeseiten wählen",
        44: "Diese Datei existiert bereits. Überschreiben?",
        45: "Protokolldatei des Terminals",
        47: "Speichern unter",
        48: "Suche läuft: jede serielle Einstellung wird der Reihe nach probiert ...",
        49: "Der Scanner hat geantwortet. Übernehmen drücken, um diese Einstellungen zu "
            "verwenden.",
        50: "Bei keiner Einstellung hat ein Scanner geantwortet. Bitte Kabel und Schnittstelle "
            "prüfen und es erneut versuchen.",
        51: "Die Parameter wurden geändert.",
        52: "Änderungen speichern in ",
        57: "Start",
        58: "Stopp",
        59: "Übernehmen",
        62: "Die Schnittstelle konnte nicht geöffnet werden. Bitte prüfen, ob sie existiert und "
            "frei ist, und es erneut versuchen.",
        63: "Keine Schnittstelle geöffnet: es kann nichts gesendet werden. Bitte zuerst mit dem "
            "Scanner verbinden (Schnittstelleneinstellungen oder automatische Baudratenerkennung).",
        64: "Zeit",
        65: "belegt von ",
        66: "kein Zugriff: der Benutzer ist nicht in der Gruppe ",
        67: "kein Zugriff vor erneuter Anmeldung als Mitglied der Gruppe ",
        68: "keine Zugriffsrechte",
        69: "nicht vorhanden",
        70: "Benutzer zur Gruppe hinzufügen, dann ab- und wieder anmelden:",
        71: "Die Parameter wurden zum Scanner gesendet. Ob er sie übernommen hat, wurde nicht "
            "geprüft: zum Zurücklesen Prüfen wählen.",
        72: "Die Parameter wurden zum Scanner gesendet und zurückgelesen: der Scanner hat jeden "
            "gesendeten Wert.",
        73: "Der Scanner wurde angewiesen, die Parameter dauerhaft zu speichern.",
        74: "Der Upload wurde abgebrochen; es wurde nichts übernommen.",
        75: "Die Parameter werden aus dem Scanner zurückgelesen (Prüfen) ...",
        76: "Parameter",
        77: "Werkseinstellungen",
        78: "Scanner",
        79: "Kein Parameter weicht ab.",
        80: "Abweichende Parameter: ",
        81: "Abbrechen",
        82: "Die neue Sprache gilt ab dem nächsten Start des Programms.",
        83: "Aktuelle Werte",
    },
    "fr": {
        0: "Message inconnu, numéro ",
        1: "Écriture du fichier ...",
        5: "Connexion au scanner sur le port",
        6: "Aucun port série n'est choisi (NONE). Choisissez d'abord un port dans les réglages "
           "du port.",
        7: "Envoi des paramètres vers le scanner ...",
        8: "Lecture du script de paramètres ...",
        9: "Lecture des paramètres depuis le scanner ...",
        11: "Certaines valeurs ont été refusées car elles ne sont pas permises pour leur "
            "paramètre ; ces paramètres gardent leur valeur précédente.",
        12: "Chargement des réglages d'usine ...",
        13: "Choisissez le port et appuyez sur Démarrer pour rechercher les réglages série du "
            "scanner.",
        16: "Construction du jeu de paramètres du type de scanner ...",
        18: "Le fichier a été écrit :",
        19: "Le fichier a été lu :",
        20: "Le script de paramètres ne nomme aucun type de scanner (la section "
            "\"[ZEP_Type_Target]\" manque). Il n'a pas été chargé :",
        21: "Ce script de paramètres a été écrit pour un autre type de scanner. Passer au type "
            "de scanner du fichier et le charger ?",
        22: "Type de scanner du fichier : ",
        23: "Type de scanner choisi : ",
        24: "Le script de paramètres ne nomme aucun type de scanner (la ligne \"Type=\" manque).",
        25: "Le fichier n'a pas été chargé :",
        30: "Une ligne du rapport ne commence par aucun groupe de paramètres connu et a été "
            "omise.",
        31: "Ligne : ",
        38: "Échanges avec le scanner",
        39: "Ouvrir un fichier de paramètres",
        40: "Choisir le navigateur web des pages d'aide",
        44: "Ce fichier existe déjà. L'écraser ?",
        45: "Fichier journal du terminal",
        47: "Enregistrer sous",
        48: "Recherche : chaque réglage série est essayé à son tour ...",
        49: "Le scanner a répondu. Appuyez sur Appliquer pour reprendre ces réglages.",
        50: "Aucun scanner n'a répondu, quel que soit le réglage. Vérifiez le câble et le port, "
            "puis réessayez.",
        51: "Les paramètres ont été modifiés.",
        52: "Enregistrer les modifications en ",
        57: "Démarrer",
        58: "Arrêter",
        59: "Appliquer",
        62: "Le port n'a pas pu être ouvert. Vérifiez qu'il existe et qu'il n'est pas occupé, "
            "puis réessayez.",
        63: "Aucun port n'est ouvert : rien ne peut être envoyé. Connectez-vous d'abord au "
            "scanner (réglages du port ou détection automatique du débit).",
        64: "Heure",
        65: "occupé par ",
        66: "pas d'accès : l'utilisateur n'est pas dans le groupe ",
        67: "pas d'accès avant une nouvelle connexion en tant que membre du groupe ",
        68: "pas de droits d'accès",
        69: "absent",
        70: "Ajoutez l'utilisateur au groupe, puis déconnectez-vous et reconnectez-vous :",
        71: "Les paramètres ont été envoyés au scanner. Il n'a pas été vérifié qu'il les a "
            "acceptés : choisissez la vérification pour les relire.",
        72: "Les paramètres ont été envoyés au scanner et relus : le scanner contient chaque "
            "valeur envoyée.",
        73: "Le scanner a reçu l'ordre d'enregistrer durablement les paramètres.",
        74: "Le chargement depuis le scanner a été annulé ; rien n'a été repris.",
        75: "Relecture des paramètres depuis le scanner (vérification) ...",
        76: "Paramètre",
        77: "Réglages d'usine",
        78: "Scanner",
        79: "Aucun paramètre ne diffère.",
        80: "Paramètres qui diffèrent : ",
        81: "Annuler",
        82: "La nouvelle langue est utilisée à partir du prochain démarrage du programme.",
        83: "Valeurs actuelles",
    },
}

# Numbers no part of the program uses keep a text that still says which number was meant.
UNUSED = {
    "en": ("Error {} (this number has no text).", "Message {} (this number has no text)."),
    "de": ("Fehler {} (für diese Nummer gibt es keinen Text).",
           "Meldung {} (für diese Nummer gibt es keinen Text)."),
    "fr": ("Erreur {} (ce numéro n'a pas de texte).", "Message {} (ce numéro n'a pas de texte)."),
}

FILES = {"en": "error_warnings.ui", "de": "error_warnings_049.ui", "fr": "error_warnings_033.ui"}


def lines(table, count, unused):
    return "\n".join(table.get(n, unused.format(n)) for n in range(count))


def label(name, y, text):
    return f"""  <widget class="QLabel" name="{name}">
   <property name="geometry">
    <rect><x>10</x><y>{y}</y><width>600</width><height>200</height></rect>
   </property>
   <property name="textFormat">
    <enum>Qt::PlainText</enum>
   </property>
   <property name="text">
    <string>{escape(text)}</string>
   </property>
  </widget>
"""


def main():
    data = Path(__file__).resolve().parent.parent / "data"
    for lang, name in FILES.items():
        err = lines(ERRORS[lang], ERROR_COUNT, UNUSED[lang][0])
        warn = lines(WARNINGS[lang], WARNING_COUNT, UNUSED[lang][1])
        ui = f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- Written by scripts/make_messages.py: edit the tables there, not this file. -->
<ui version="4.0">
 <class>Error_Warnings</class>
 <widget class="QWidget" name="Error_Warnings">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>620</width><height>420</height></rect>
  </property>
{label("ERRORMESSAGES", 0, err)}{label("WARNINGS_TEXTS", 210, warn)} </widget>
 <resources/>
 <connections/>
</ui>
"""
        (data / name).write_text(ui, encoding="utf-8")


if __name__ == "__main__":
    main()
