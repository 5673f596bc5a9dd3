#include "CInitMgr.h"

#include "CErrorHandler.h"
#include "CHelpManager.h"
#include "CUtils.h"
#include "DynGwStringPtrArray.h"
#include "GwAtomicFile.h"
#include "GwCore.h"
#include "GwLanguage.h"
#include "GwLineReader.h"
#include "GwPath.h"
#include "GwQt.h"
#include "GwRcMgr.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <string>

GwString CInitMgr::m_sComID;
GwString CInitMgr::m_sComBaudrate;
GwString CInitMgr::m_sComDatabits;
GwString CInitMgr::m_sComStopbits;
GwString CInitMgr::m_sComParity;
GwString CInitMgr::m_sComStartRx;
GwString CInitMgr::m_sComStopRx;
GwString CInitMgr::m_sComStartTx;
GwString CInitMgr::m_sComStopTx;
int CInitMgr::m_bUnitDisplay = 0;
GwString CInitMgr::m_sLanguage;
GwString CInitMgr::m_sCompany;
GwString CInitMgr::m_sUser;
int CInitMgr::_PromptOverwrite = 1;
int CInitMgr::_ImmediateConnect = 1;
int CInitMgr::_WelcomeScreen = 1;
int CInitMgr::m_bLogOnlyReceive = 0;
int CInitMgr::m_bAskForSave = 1;
int CInitMgr::m_bSerialDump = 0;
GwString CInitMgr::_LastZEPType;
GwString CInitMgr::_Files[CInitMgr::kFiles];
int CInitMgr::m_iLastFileIndex = 0;
GwString CInitMgr::m_sInitFn;
GwString CInitMgr::m_sInitPath;
GwString CInitMgr::m_sProgramDir;
GwString CInitMgr::m_sZEPVersionNbr;
GwString CInitMgr::m_sScannerSubDir;
GwString CInitMgr::m_sScannerType;
GwString CInitMgr::m_sHelpSubDir;
int CInitMgr::m_bProfileMenuEnabled = 0;
int CInitMgr::m_bNetworkDetectEnabled = 0;
GwString CInitMgr::m_sValidSWVersion;
GwString CInitMgr::m_sEnabledOPModes;

namespace {

constexpr int kMaxRecent = 9;

// Position of the last path separator of either kind, or -1.
int last_separator(const GwString& path) {
    return std::max(path.last('\\'), path.last('/'));
}

// A value as one line of the file: a line break in it would start a line of its own and could
// set any other setting.
GwString one_line(const GwString& value) {
    std::string s = value.str();
    for (char& c : s)
        if (c == '\n' || c == '\r')
            c = ' ';
    return GwString(std::move(s));
}

// The value of a "KEY=value;" line: after the key and "=", up to the line's last ";" (the
// whole rest when the line has none).
GwString positional_value(const GwString& line, int key_length) {
    GwString value = line.from(key_length + 1);
    const int end = value.last(';');
    if (end >= 0)
        value = value(0, end - 1);
    return value;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Life cycle

void CInitMgr::SetDefaults() {
    m_sComID.clear();
    m_sComBaudrate.clear();
    m_sComDatabits.clear();
    m_sComStopbits.clear();
    m_sComParity.clear();
    m_sComStartRx.clear();
    m_sComStopRx.clear();
    m_sComStartTx.clear();
    m_sComStopTx.clear();
    m_bUnitDisplay = 0;
    m_sLanguage.clear();
    m_sCompany.clear();
    m_sUser.clear();
    _PromptOverwrite = 1;
    _ImmediateConnect = 1;
    _WelcomeScreen = 1;
    m_bLogOnlyReceive = 0;
    m_bAskForSave = 1;
    m_bSerialDump = 0;
    _LastZEPType.clear();
    for (GwString& f : _Files)
        f.clear();
    m_iLastFileIndex = 0;
    m_sInitFn.clear();
    m_sInitPath.clear();
    m_sProgramDir.clear();
    m_sZEPVersionNbr.clear();
    m_sScannerSubDir.clear();
    m_sScannerType.clear();
    m_sHelpSubDir.clear();
    m_bProfileMenuEnabled = 0;
    m_bNetworkDetectEnabled = 0;
    m_sValidSWVersion.clear();
    m_sEnabledOPModes.clear();
    CHelpManager::HtmlBrowser.clear();
    CHelpManager::HelpSubDir.clear();
}

void CInitMgr::Init(const GwString& program_path, const GwString& version) {
    m_sZEPVersionNbr = version;
    m_sValidSWVersion.clear();
    m_sInitFn = "zepmain.ini";
    m_sProgramDir = program_path(0, last_separator(program_path));
    _LastZEPType.clear();
    _Files[0] = ".\\data";
    for (int i = 1; i < kFiles; ++i)
        _Files[i].clear();
    m_iLastFileIndex = 0;
    ReadInitFile();
    BuildHelpSubDir(program_path, GwString());
}

void CInitMgr::EndIt() {
    WriteInitFile();
}

GwString CInitMgr::ProgramInitFile() {
    return m_sProgramDir + m_sInitFn;
}

GwString CInitMgr::UserInitFile() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty() || m_sInitFn.is_empty())
        return GwString();
    return GwQt::gs(base) + "/zepsetup/" + m_sInitFn;
}

int CInitMgr::ReadInitFile() {
    if (m_sInitFn.is_empty())
        return 0;
    const GwString user = UserInitFile();
    GwString path = user.not_null() && GwPath::is_file(user) != 0 ? user : ProgramInitFile();
    if (m_sInitPath.not_null())
        path = m_sInitPath;
    GwLineReader reader;
    if (reader.open(path) == 0)
        return 0;
    ApplyInitLines(reader);
    return 1;
}

void CInitMgr::ApplyInitLines(GwLineReader& reader) {
    // Keys in the order they are tried: a line is treated by the first one it begins with.
    static const char* const kKeys[] = {
        "COMPORT",          "BAUDRATE",      "DATABITS",      "STOPBITS",       "PARITY",
        "COMPARStartRx",    "COMPARStopRx",  "COMPARStartTx", "COMPARStopTx",   "UNIT",
        "BROWSER",          "Company",       "User",          "LANGUAGE",       "PromptOverwrite",
        "ImmediateConnect", "WelcomeScreen", "LastZEPType",   "LogOnlyReceive", "AskForSave",
        "SerialDump",       "File",          "DataPath"};
    GwString* const kPositional[] = {&m_sComID,       &m_sComBaudrate, &m_sComDatabits,
                                     &m_sComStopbits, &m_sComParity,   &m_sComStartRx,
                                     &m_sComStopRx,   &m_sComStartTx,  &m_sComStopTx};
    GwString line;
    while (reader.read_line(line) != 0) {
        // A stray carriage return (a file edited with mixed line ends) is a blank, as the
        // writer makes it: otherwise a value would change between one run and the next.
        if (line.first('\r') >= 0)
            line = one_line(line);
        int k = 0;
        const int count = static_cast<int>(sizeof kKeys / sizeof kKeys[0]);
        while (k < count && line.begins_with(kKeys[k]) == 0)
            ++k;
        if (k == count)
            continue;
        const GwString key = kKeys[k];
        if (k < 9) {
            *kPositional[k] = positional_value(line, key.len());
        } else if (key == "UNIT") {
            set_unit(positional_value(line, key.len()));
        } else if (key == "BROWSER" || key == "Company" || key == "User") {
            const GwString v = positional_value(line, key.len());
            if (v.len() < 2)
                continue;
            if (key == "BROWSER")
                set_browser(v);
            else if (key == "Company")
                m_sCompany = v;
            else
                m_sUser = v;
        } else if (key == "LANGUAGE") {
            const GwString v = positional_value(line, key.len());
            if (v.is_empty())
                continue; // "LANGUAGE=;" names no language: keep the one there is
            m_sLanguage = fill_up_string_front(v, "0", 3);
            GwRcMgr::set_language(m_sLanguage.to_int());
        } else if (key == "PromptOverwrite" || key == "ImmediateConnect" ||
                   key == "WelcomeScreen" || key == "AskForSave") {
            if (GetIniValue(line).to_upper() == "NO") {
                if (key == "PromptOverwrite")
                    _PromptOverwrite = 0;
                else if (key == "ImmediateConnect")
                    _ImmediateConnect = 0;
                else if (key == "WelcomeScreen")
                    _WelcomeScreen = 0;
                else
                    m_bAskForSave = 0;
            }
        } else if (key == "LogOnlyReceive" || key == "SerialDump") {
            if (GetIniValue(line).to_upper() == "YES") {
                if (key == "LogOnlyReceive")
                    m_bLogOnlyReceive = 1;
                else
                    m_bSerialDump = 1;
            }
        } else if (key == "LastZEPType") {
            _LastZEPType = GetIniValue(line).to_upper();
        } else if (key == "File") {
            append_filename(line);
        } else if (key == "DataPath") {
            _Files[0] = GetIniValue(line);
        }
    }
}

void CInitMgr::WriteInitLines(std::ostream& out) {
    const auto semi = [&out](const char* key, const GwString& value) {
        out << key << "=" << one_line(value).str() << ";\n";
    };
    const auto flag = [&out](const char* key, int value) {
        out << key << "=" << TranslateBoolean(value).str() << "\n";
    };
    semi("COMPORT", m_sComID);
    semi("BAUDRATE", m_sComBaudrate);
    semi("DATABITS", m_sComDatabits);
    semi("STOPBITS", m_sComStopbits);
    semi("PARITY", m_sComParity);
    semi("COMPARStartRx", m_sComStartRx);
    semi("COMPARStopRx", m_sComStopRx);
    semi("COMPARStartTx", m_sComStartTx);
    semi("COMPARStopTx", m_sComStopTx);
    semi("UNIT", GetUnit());
    semi("BROWSER", get_browser());
    semi("LANGUAGE", m_sLanguage);
    semi("Company", m_sCompany);
    semi("User", m_sUser);
    flag("PromptOverwrite", _PromptOverwrite);
    flag("ImmediateConnect", _ImmediateConnect);
    flag("WelcomeScreen", _WelcomeScreen);
    flag("LogOnlyReceive", m_bLogOnlyReceive);
    flag("AskForSave", m_bAskForSave);
    flag("SerialDump", m_bSerialDump);
    out << "LastZEPType=" << one_line(_LastZEPType).str() << "\n";
    write_filenames(out);
}

int CInitMgr::WriteInitTo(const GwString& path) {
    GwAtomicFile file(path);
    if (file.is_open() == 0)
        return 0;
    WriteInitLines(file.stream());
    return file.commit();
}

int CInitMgr::WriteInitFile() {
    if (m_sInitFn.is_empty())
        return 0;
    if (m_sInitPath.not_null())
        return WriteInitTo(m_sInitPath);
    const GwString user = UserInitFile();
    // Once the settings live in the user's directory they are read from there first, so that
    // copy is the one to keep up to date.
    if (user.not_null() && GwPath::is_file(user) != 0)
        return WriteInitTo(user);
    if (WriteInitTo(ProgramInitFile()) != 0)
        return 1;
    if (user.is_empty())
        return 0;
    QDir().mkpath(QString::fromStdString(GwPath::resolve(GwPath::directory_part(user))));
    return WriteInitTo(user);
}

// ---------------------------------------------------------------------------------------------
// Helpers

GwString CInitMgr::GetIniValue(const GwString& line) {
    const int eq = line.first('=');
    if (eq < 0)
        return GwString();
    return CUtils::EraseTrailingWhitespace(CUtils::EraseLeadingWhitespace(line.from(eq + 1)));
}

GwString CInitMgr::TranslateBoolean(int value) {
    return value == 0 ? "NO" : "YES";
}

GwString CInitMgr::fill_up_string_front(GwString s, GwString fill, int n) {
    if (fill.is_empty())
        return s;
    const int missing = n - s.len();
    if (missing % fill.len() != 0)
        return s;
    for (int i = 0; i < missing / fill.len(); ++i)
        s.prepend(fill);
    return s;
}

GwString CInitMgr::GetUnit() {
    return m_bUnitDisplay == 1 ? "METRIC" : "INCH";
}

void CInitMgr::set_unit(const GwString& unit) {
    m_bUnitDisplay = unit == "METRIC" ? 1 : 0;
}

GwString CInitMgr::get_browser() {
    return CHelpManager::HtmlBrowser;
}

void CInitMgr::set_browser(const GwString& b) {
    CHelpManager::HtmlBrowser = b;
}

GwString CInitMgr::get_lang_str() {
    return CUtils::PadLeft(GwString(GwLanguage::number()), 3);
}

// ---------------------------------------------------------------------------------------------
// Recent files

void CInitMgr::append_filename(GwString line) {
    const GwString v = GetIniValue(line);
    if (v.not_null() && m_iLastFileIndex < kMaxRecent)
        _Files[++m_iLastFileIndex] = v;
}

void CInitMgr::write_filenames(std::ostream& out) {
    out << "DataPath=" << one_line(_Files[0]).str() << "\n";
    for (int i = 1; i <= m_iLastFileIndex && i < kFiles; ++i)
        out << "File=" << one_line(_Files[i]).str() << "\n";
}

void CInitMgr::select_file(const GwString& path) {
    int found = 0;
    for (int i = 1; i <= m_iLastFileIndex; ++i) {
        if (_Files[i].len() == path.len() && _Files[i].compare(path) == 0) {
            found = i;
            break;
        }
    }
    if (found == 0) {
        if (m_iLastFileIndex < kMaxRecent)
            ++m_iLastFileIndex;
        found = m_iLastFileIndex; // when the list was full, its last entry drops out
    }
    for (int i = found; i > 1; --i)
        _Files[i] = _Files[i - 1];
    _Files[1] = path;
    _Files[0] = path(0, last_separator(path) - 1);
}

GwString CInitMgr::get_filename(int i) {
    if (i < 0 || i > m_iLastFileIndex || i >= kFiles)
        return GwString();
    return _Files[i];
}

// ---------------------------------------------------------------------------------------------
// Scanner variables and help directory

void CInitMgr::reset_scanner_specific_variables() {
    m_sScannerType.clear();
    m_sHelpSubDir.clear();
    m_sValidSWVersion.clear();
    // The operating modes belong to the scanner type as much as the others: a type without
    // them must not inherit the previous type's.
    m_sEnabledOPModes.clear();
    m_bProfileMenuEnabled = 0;
    m_bNetworkDetectEnabled = 0;
}

int CInitMgr::set_scanner_specific_variables(GwCore* frame) {
    reset_scanner_specific_variables();
    GwCore* dialog = frame != nullptr ? frame->child("Main Dialog") : nullptr;
    if (dialog == nullptr)
        return 0;
    DynGwStringPtrArray lines(10, 10);
    if (CErrorHandler::read_label_text(dialog, "SCANNER_VARIABLES", &lines) != 0)
        return 0;
    // A short label leaves the missing variables empty.
    const auto entry = [&lines](int i) {
        const GwString* s = lines.get(i);
        return s != nullptr ? *s : GwString();
    };
    m_sScannerType = entry(1);
    BuildHelpSubDir(program_dir(), entry(2));
    m_bProfileMenuEnabled = entry(3) == "PROFILE_MENU_ENABLED" ? 1 : 0;
    m_bNetworkDetectEnabled = entry(4) == "NETWORK_DETECT_ENABLED" ? 1 : 0;
    m_sValidSWVersion = entry(5);
    m_sEnabledOPModes = entry(6);
    return 0;
}

int CInitMgr::BuildHelpSubDir(const GwString& program_path, const GwString& scanner_dir) {
    const int language = GwRcMgr::language();
    const GwString lang = language == 49 ? "\\deut\\" : language == 33 ? "\\fran\\" : "\\engl\\";
    if (scanner_dir.not_null()) {
        CHelpManager::HelpSubDir = "help\\" + scanner_dir + lang;
        return 1;
    }
    // The help pages lie below the program directory, wherever the working directory is.
    GwString base = program_path(0, last_separator(program_path));
    if (base.is_empty())
        base = ".\\";
    const auto dirs = GwPath::list(base + "help", "zep*", true);
    if (dirs.empty()) {
        CErrorHandler::show_error("Couldn't find help files!");
        return 0;
    }
    CHelpManager::HelpSubDir = "help\\" + dirs.front() + lang;
    return 1;
}
