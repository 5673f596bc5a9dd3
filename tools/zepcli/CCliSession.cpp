#include "CCliSession.h"

#include "CConsole.h"
#include "CDriver.h"
#include "CErrorHandler.h"
#include "CFileRepoIf.h"
#include "CInitMgr.h"
#include "CScanRepoBuilder.h"
#include "CScanRepoIf.h"
#include "DynGwStringPtrArray.h"
#include "EwRepository.h"
#include "GwCore.h"
#include "GwPath.h"
#include "GwRcMgr.h"
#include "GwScriptedAnswers.h"

#include <QCoreApplication>
#include <QWidget>

#include <cstdio>
#include <iostream>

namespace {

// The number of the message text a box begins with ("E59", "W11"), or empty. The longest
// text wins; one-word texts (column titles, button labels) are not taken as a message.
std::string message_code(const GwString& text) {
    std::string code;
    int best = 0;
    const auto search = [&](const DynGwStringPtrArray* texts, char kind) {
        for (int n = 1; texts != nullptr && n < texts->count(); ++n) {
            const GwString* t = texts->get(n);
            if (t == nullptr || t->len() <= best || t->first(' ') < 0 || !text.begins_with(*t))
                continue;
            best = t->len();
            code = kind + std::to_string(n);
        }
    };
    search(CErrorHandler::_errmsg, 'E');
    search(CErrorHandler::_warnings, 'W');
    return code;
}

// "a\nb" -> "a\n  b": the lines after the first indented under the message.
std::string indented(const GwString& text) {
    std::string out;
    for (char c : text.str()) {
        out += c;
        if (c == '\n')
            out += "  ";
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == '\n'))
        out.pop_back();
    return out;
}

void set_line(const GwString& line) {
    GwString rest = line;
    GwString* const fields[] = {&CInitMgr::m_sComBaudrate, &CInitMgr::m_sComParity,
                                &CInitMgr::m_sComDatabits, &CInitMgr::m_sComStopbits};
    for (GwString* field : fields)
        *field = rest.token(",");
}

int well_formed_line(const std::string& line) {
    GwString text(line);
    if (text.GetTokenCount(',') != 4)
        return 0;
    const GwString baud = text.GetToken(0, ',');
    const GwString parity = text.GetToken(1, ',').to_upper();
    const GwString data = text.GetToken(2, ',');
    const GwString stop = text.GetToken(3, ',');
    return baud.to_int() > 0 && (parity == "N" || parity == "E" || parity == "O") &&
                   (data == "7" || data == "8") && (stop == "1" || stop == "2")
               ? 1
               : 0;
}

} // namespace

CCliSession::CCliSession(const CCliOptions& options) : m_rOptions(options) {}

CCliSession::~CCliSession() {
    // The file interface holds the address of the repository member; the transfer detaches
    // the driver's callbacks before the driver goes.
    m_pFiles.reset();
    delete m_pRepository;
    m_pTransfer.reset();
    if (g_pcoDriver == m_pDriver.get())
        g_pcoDriver = nullptr;
    m_pDriver.reset();
    CErrorHandler::cleanup();
    CErrorHandler::_appfrm = nullptr; // the frame goes with this session
}

int CCliSession::Start() {
    GwScriptedAnswers::enable();
    if (!m_rOptions.m_sSettings.empty())
        CInitMgr::m_sInitPath = GwString(m_rOptions.m_sSettings);
    CInitMgr::Init(GwString(QCoreApplication::applicationFilePath().toStdString()),
                   GwString(ZEP_VERSION));
    if (m_rOptions.m_iLanguage != 0)
        GwRcMgr::set_language(m_rOptions.m_iLanguage);

    // The message texts of the interface language, with a hidden frame as the boxes' parent.
    m_pFrame = std::make_unique<QWidget>();
    GwCore* frame = GwCore::of(m_pFrame.get());
    GwRcMgr::use(ProgramDir() + "zepmain.cgw");
    GwCore* texts = GwRcMgr::load("Error_Warnings", frame);
    CErrorHandler::init(frame, texts);
    m_uSeen = GwScriptedAnswers::shown().size(); // what Init showed is not this run's work

    if (CInitMgr::GetComBaudrate().is_empty())
        set_line("9600,N,8,1");
    if (!m_rOptions.m_sLine.empty()) {
        if (!well_formed_line(m_rOptions.m_sLine)) {
            std::cerr << "zepcli: --line takes baud,parity,data bits,stop bits (9600,N,8,1): "
                      << m_rOptions.m_sLine << "\n";
            return 0;
        }
        set_line(GwString(m_rOptions.m_sLine).to_upper());
    }
    if (m_rOptions.m_oPorts.size() == 1)
        CInitMgr::m_sComID = GwString(m_rOptions.m_oPorts[0]);

    m_pDriver = std::make_unique<CDriver>(frame, CScanRepoIf::ReceivedError_CB,
                                          CScanRepoIf::ReceivedData_CB, CInitMgr::SerialDump());
    g_pcoDriver = m_pDriver.get();
    m_pTransfer = std::make_unique<CScanRepoIf>(frame);
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Messages

int CCliSession::ReportMessages() {
    const auto& shown = GwScriptedAnswers::shown();
    int errors = 0;
    for (; m_uSeen < shown.size(); ++m_uSeen) {
        const GwScriptedAnswers::Shown& s = shown[m_uSeen];
        if (s.kind != GwScriptedAnswers::Box)
            continue; // information boxes only say what is going on
        const bool error = s.bitmap == "mb_stop";
        const std::string code = message_code(s.text);
        const std::string message = std::string(error ? "error " : "note ") +
                                    (code.empty() ? "" : code + " ") + indented(s.text);
        std::cerr << "zepcli: " << message << "\n";
        m_oMessages.push_back(message);
        errors += error ? 1 : 0;
    }
    m_iErrors += errors;
    return errors;
}

void CCliSession::Fail(const GwString& text) {
    CErrorHandler::show_error(text);
    ReportMessages();
}

void CCliSession::Remark(const std::string& text) {
    if (CConsole::ErrorIsTerminal())
        std::cerr << "zepcli: " << text << "\n";
}

int CCliSession::Progress(const char* label, int done, int total) {
    static const int terminal = CConsole::ErrorIsTerminal();
    if (!terminal)
        return 1;
    std::fprintf(stderr, "\r%s %d/%d", label, done, total);
    if (done >= total)
        std::fputc('\n', stderr);
    std::fflush(stderr);
    return 1;
}

// ---------------------------------------------------------------------------------------------
// The scanner type

GwString CCliSession::ProgramDir() const {
    return CInitMgr::program_dir();
}

GwString CCliSession::TypeOfCode(const GwString& code) {
    return code.is_empty() ? GwString() : CParser::TranslateType(code, 1, 2);
}

GwString CCliSession::TypeOfScript(const GwString& file) {
    GwString code;
    if (!CFileRepoIf::check_script_header(file, code))
        return GwString();
    const GwString type = TypeOfCode(code);
    if (type.is_empty() || !GwPath::is_directory(ProgramDir() + type)) {
        CErrorHandler::show_error(CErrorHandler::error_msg(32, 1) + "ZEP" + code);
        return GwString();
    }
    return type;
}

GwString CCliSession::DefaultType(std::string& error) const {
    if (!m_rOptions.m_sType.empty())
        return GwString(m_rOptions.m_sType).to_upper();
    if (CInitMgr::_LastZEPType.not_null() &&
        GwPath::is_directory(ProgramDir() + CInitMgr::_LastZEPType))
        return CInitMgr::_LastZEPType;
    const std::vector<GwString> types = GwPath::list(ProgramDir(), "zep*", true);
    if (types.size() == 1)
        return types[0].to_upper();
    error = types.empty() ? "the program directory holds no scanner type"
                          : "name the scanner type of \"defaults\" with --type";
    return GwString();
}

int CCliSession::SelectType(const GwString& type_name) {
    const GwString dir = ProgramDir() + type_name + "/";
    if (type_name.is_empty() || !GwPath::is_file(dir + "Profile.zep")) {
        CErrorHandler::show_error(CErrorHandler::error_msg(32, 1) + type_name);
        return 0;
    }
    m_sType = type_name;
    CInitMgr::set_scanner_sub_dir(dir);
    CInitMgr::m_sScannerType = CParser::TranslateType(type_name, 2, 0);
    m_pFiles.reset();
    delete m_pRepository;
    CScanRepoBuilder builder;
    m_pRepository = builder.build_repo(dir + "Profile.zep");
    m_pFiles = std::make_unique<CFileRepoIf>(m_pRepository, nullptr);
    return 1;
}

// ---------------------------------------------------------------------------------------------
// The scanner

GwString CCliSession::Port() const {
    return CInitMgr::GetComID();
}

GwString CCliSession::Line() const {
    return CInitMgr::GetComBaudrate() + "," + CInitMgr::GetComParity() + "," +
           CInitMgr::GetComDatabits() + "," + CInitMgr::GetComStopbits();
}

int CCliSession::Connect() {
    if (Port().is_empty()) {
        Fail(CErrorHandler::warning(6, 0));
        return 0;
    }
    if (!m_pTransfer->initialize()) {
        // The library reported a port error, a port "NONE" or a command map it cannot read;
        // a scanner that stays silent it leaves to the caller.
        if (m_pDriver->PortOpen() && CScanRepoIf::ConnectedScanner().is_empty())
            CErrorHandler::show_error(CErrorHandler::error_msg(67, 1) + Port() + " " + Line());
        ReportMessages();
        return 0;
    }
    if (m_sType.not_null() && m_pTransfer->CompareScanner().is_empty()) {
        ReportMessages();
        return 0;
    }
    return 1;
}
