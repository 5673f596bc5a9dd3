// Program-wide settings and start-up state: the serial port parameters, the user's
// preferences, the last used scanner type, the recent-file list, language and unit, the
// program and help directories, and the variables that come with the chosen scanner type.
// Every member and operation is static. Init reads the settings file "zepmain.ini" at start,
// EndIt writes it back at the end; in between every part reads the accessors and the user
// interface changes the settings through the setters and the public members.
//
// The settings file, one "KEY=value" line each, written in this order:
//   COMPORT=COM1;  BAUDRATE=9600;  DATABITS=8;  STOPBITS=1;  PARITY=N;
//   COMPARStartRx=02;  COMPARStopRx=03;  COMPARStartTx=02;  COMPARStopTx=03;
//   UNIT=METRIC;  BROWSER=...;  LANGUAGE=049;  Company=...;  User=...;
//   PromptOverwrite=YES  ImmediateConnect=YES  WelcomeScreen=YES  LogOnlyReceive=NO
//   AskForSave=YES  SerialDump=NO  LastZEPType=ZEP100  DataPath=.\data  File=... (one per
//   recent file, most recent first)
// The lines ending in ";" are read up to the line's last ";" ("COMPORT=/dev/ttyUSB0;" gives
// "/dev/ttyUSB0", "COMPORT=COM10;" gives "COM10"); the others are read with GetIniValue. A line
// counts when it begins with a key (case-sensitive); unknown lines are ignored; a later line
// of the same key wins; "File=" lines add up (nine at most).
//
// Where the file lives: beside the program. When the program directory cannot be written,
// the settings are kept in the user's configuration directory (UserInitFile, for example
// ~/.config/zepsetup/zepmain.ini), and a copy there is read first and written to from then on.
// The file is replaced atomically: a failed write leaves the previous settings as they were.
// A settings file named explicitly (m_sInitPath, the command-line tool's --settings) is the
// only one read and written.
#pragma once

#include "GwString.h"

#include <ostream>

class GwCore;
class GwLineReader;

class CInitMgr {
public:
    static constexpr int kFiles = 10; // _Files[0] data path, [1..9] recent files

    // --- Life cycle -------------------------------------------------------------------------
    // Fixes the program directory (program_path up to its last "\\" or "/") and the version,
    // resets the data path and recent files, reads the settings file and finds the help
    // directory.
    static void Init(const GwString& program_path, const GwString& version);
    static void EndIt(); // writes the settings file
    // 1 when a settings file was read, 0 when none could be opened (settings unchanged).
    static int ReadInitFile();
    // 1 when written (beside the program or in the user's configuration directory), else 0.
    static int WriteInitFile();
    // Every member to its value before any settings file was read.
    static void SetDefaults();

    // The settings file beside the program, and the user's copy (empty when the platform
    // names no configuration directory).
    static GwString ProgramInitFile();
    static GwString UserInitFile();

    // s with fill put in front until it is n characters long: ("7", "0", 3) gives "007". When
    // the missing length is not a multiple of fill's length, s unchanged: ("007", "00", 4)
    // gives "007". An empty fill gives s unchanged.
    static GwString fill_up_string_front(GwString s, GwString fill, int n);

    // --- Accessors --------------------------------------------------------------------------
    static GwString GetComID() { return m_sComID; }
    static GwString GetComBaudrate() { return m_sComBaudrate; }
    static GwString GetComDatabits() { return m_sComDatabits; }
    static GwString GetComStopbits() { return m_sComStopbits; }
    static GwString GetComParity() { return m_sComParity; }
    static GwString GetComStartRx() { return m_sComStartRx; }
    static GwString GetComStopRx() { return m_sComStopRx; }
    static GwString GetComStartTx() { return m_sComStartTx; }
    static GwString GetComStopTx() { return m_sComStopTx; }
    static void SetComID(const GwString& v) { m_sComID = v; }
    static void SetComBaudrate(const GwString& v) { m_sComBaudrate = v; }
    static void SetComDatabits(const GwString& v) { m_sComDatabits = v; }
    static void SetComStopbits(const GwString& v) { m_sComStopbits = v; }
    static void SetComParity(const GwString& v) { m_sComParity = v; }
    static void SetComStartRx(const GwString& v) { m_sComStartRx = v; }
    static void SetComStopRx(const GwString& v) { m_sComStopRx = v; }
    static void SetComStartTx(const GwString& v) { m_sComStartTx = v; }
    static void SetComStopTx(const GwString& v) { m_sComStopTx = v; }

    // "METRIC" when the unit display is 1, else "INCH"; set_unit takes "METRIC" as 1, any
    // other text as 0.
    static GwString GetUnit();
    static void set_unit(const GwString& unit);
    static int GetUnitDisplay() { return m_bUnitDisplay; }

    static GwString get_browser();              // CHelpManager::HtmlBrowser
    static void set_browser(const GwString& b); // CHelpManager::HtmlBrowser
    // The stored language text ("049"); the interface language itself follows it at the next
    // ReadInitFile (that is, the next start).
    static GwString language() { return m_sLanguage; }
    static void set_language(const GwString& l) { m_sLanguage = l; }
    static GwString scanner_sub_dir() { return m_sScannerSubDir; }
    static void set_scanner_sub_dir(const GwString& d) { m_sScannerSubDir = d; }
    static GwString inifn() { return m_sInitFn; }
    static GwString ZEPVersionNumber() { return m_sZEPVersionNbr; }
    static GwString program_dir() { return m_sProgramDir; }
    static GwString help_sub_dir() { return m_sHelpSubDir; }
    static GwString SelectedScanner() { return m_sScannerType; }
    static GwString GetValidSWVersion() { return m_sValidSWVersion; }
    static GwString GetEnabledOPModes() { return m_sEnabledOPModes; }
    static int profile_menu_enabled() { return m_bProfileMenuEnabled; }
    static int NetworkDetectEnabled() { return m_bNetworkDetectEnabled; }
    static int LogOnlyReceive() { return m_bLogOnlyReceive; }
    static int AskForSave() { return m_bAskForSave; }
    static int SerialDump() { return m_bSerialDump; }
    static GwString GetUser() { return m_sUser; }
    static GwString GetCompany() { return m_sCompany; }

    // --- Recent files and scanner type ------------------------------------------------------
    // Moves path to the front of the recent files (the others keep their order; a tenth falls
    // out) and makes its directory (up to its last "\\" or "/", without it) the data path.
    static void select_file(const GwString& path);
    // _Files[i] for 0 <= i <= m_iLastFileIndex (0: the data path), else empty.
    static GwString get_filename(int i);
    // Reads the scanner variables from the label "SCANNER_VARIABLES" of the child "Main
    // Dialog" of frame (line 1 scanner name, 2 help directory, 3 "PROFILE_MENU_ENABLED",
    // 4 "NETWORK_DETECT_ENABLED", 5 software version, 6 operating modes; a missing line counts
    // as empty). Always 0.
    static int set_scanner_specific_variables(GwCore* frame);
    static void reset_scanner_specific_variables();
    // Sets CHelpManager::HelpSubDir to "help\\" + the help directory + "\\engl\\", "\\deut\\"
    // or "\\fran\\" by the interface language. The help directory is scanner_dir, or when that
    // is empty the first "zep*" directory below "help" in the directory of program_path (the
    // program directory); without one the error "Couldn't find help files!" is shown and the
    // help directory stays. 1 when set, else 0.
    static int BuildHelpSubDir(const GwString& program_path, const GwString& scanner_dir);
    // The interface language number in three digits ("049").
    static GwString get_lang_str();

    // --- Settings (the user interface reads and writes these directly) ----------------------
    static GwString m_sComID;
    static GwString m_sComBaudrate;
    static GwString m_sComDatabits;
    static GwString m_sComStopbits;
    static GwString m_sComParity;
    static GwString m_sComStartRx;
    static GwString m_sComStopRx;
    static GwString m_sComStartTx;
    static GwString m_sComStopTx;
    static int m_bUnitDisplay;
    static GwString m_sLanguage;
    static GwString m_sCompany;
    static GwString m_sUser;
    static int _PromptOverwrite;
    static int _ImmediateConnect;
    static int _WelcomeScreen;
    static int m_bLogOnlyReceive;
    static int m_bAskForSave;
    static int m_bSerialDump;
    static GwString _LastZEPType;
    static GwString _Files[kFiles];
    static int m_iLastFileIndex;
    static GwString m_sInitFn;
    static GwString m_sInitPath; // explicit settings file, empty: the rule above
    static GwString m_sProgramDir;
    static GwString m_sZEPVersionNbr;
    static GwString m_sScannerSubDir;
    static GwString m_sScannerType;
    static GwString m_sHelpSubDir;
    static int m_bProfileMenuEnabled;
    static int m_bNetworkDetectEnabled;
    static GwString m_sValidSWVersion;
    static GwString m_sEnabledOPModes;

protected:
    // Everything after the first "=" without blanks and tabs around it ("File= a.slp " gives
    // "a.slp"); empty when the line has no "=".
    static GwString GetIniValue(const GwString& line);
    static GwString TranslateBoolean(int value); // "NO" for 0, else "YES"
    static void append_filename(GwString line);  // the value of a "File=" line, at the end
    static void write_filenames(std::ostream& out);
    // Applies every line of a settings text (the work of ReadInitFile).
    static void ApplyInitLines(GwLineReader& reader);
    static void WriteInitLines(std::ostream& out);
    static int WriteInitTo(const GwString& path);
};
