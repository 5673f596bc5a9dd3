#include "CCliCommands.h"

#include "CAutoBaudDetect.h"
#include "CCliSession.h"
#include "CDriver.h"
#include "CErrorHandler.h"
#include "CFileRepoIf.h"
#include "CInfoBox.h"
#include "CInitMgr.h"
#include "CParamCompare.h"
#include "CScanRepoIf.h"
#include "CScriptPrintMgr.h"
#include "EwRepository.h"
#include "GwPath.h"
#include "GwScriptedAnswers.h"

#include <QJsonArray>

#include <iostream>

#include <utility>
#include <vector>

namespace {

QString q(const GwString& text) {
    return QString::fromStdString(text.str());
}

GwString without_blanks(const GwString& text) {
    GwString out;
    for (int i = 0; i < text.len(); ++i) {
        if (text[i] != ' ')
            out += GwString(text[i], 1);
    }
    return out;
}

// "W18 text" + " " + name: "The file has been written: out.slp".
GwString written(const GwString& file) {
    return CErrorHandler::warning(18, 0) + " " + file;
}

} // namespace

CCliCommands::CCliCommands(CCliSession& session, const CCliOptions& options)
    : m_rSession(session), m_rOptions(options) {}

CCliResult CCliCommands::Run() {
    switch (m_rOptions.m_eCommand) {
    case CCliOptions::kDetect:
        return Detect();
    case CCliOptions::kInfo:
        return Info();
    case CCliOptions::kUpload:
        return Upload();
    case CCliOptions::kDownload:
        return Download();
    case CCliOptions::kDiff:
        return Diff();
    case CCliOptions::kReport:
        return Report();
    default:
        return CCliResult{2, "", {}};
    }
}

std::string CCliCommands::PortFileName(const std::string& port) {
    std::string name = port.rfind("/dev/", 0) == 0 ? port.substr(5) : port;
    for (char& c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
        if (!plain)
            c = '-';
    }
    return name;
}

CCliResult CCliCommands::Finish(CCliResult result, bool failed) {
    m_rSession.ReportMessages();
    if (result.m_iStatus != 2)
        result.m_iStatus = failed || m_rSession.Errors() > 0 ? 1 : 0;
    QJsonArray messages;
    for (const std::string& m : m_rSession.Messages())
        messages.append(QString::fromStdString(m));
    result.m_oJson["status"] = result.m_iStatus;
    result.m_oJson["messages"] = messages;
    return result;
}

// ---------------------------------------------------------------------------------------------
// detect, info

CCliResult CCliCommands::Detect() {
    CCliResult r;
    CScanRepoIf& transfer = m_rSession.Transfer();
    r.m_oJson["port"] = q(m_rSession.Port());
    if (m_rSession.Port().is_empty()) {
        m_rSession.Fail(CErrorHandler::warning(6, 0));
        return Finish(r, true);
    }
    // The stored settings first: a scanner that answers at them needs no search.
    int found = transfer.initialize();
    if (!found && !m_rSession.Driver().PortOpen())
        return Finish(r, true); // the port itself failed (reported)
    if (!found) {
        CCliSession::Remark("no answer at " + m_rSession.Line().str() +
                            "; trying the line settings of automatic baud detection (up to 27 s)");
        CAutoBaudDetect detect(nullptr, nullptr);
        const int detected = detect.Detect();
        if (detected == 1) {
            const GwString line = without_blanks(detect.GetSucPars());
            GwString rest = line;
            CInitMgr::m_sComBaudrate = rest.token(",");
            CInitMgr::m_sComParity = rest.token(",");
            CInitMgr::m_sComDatabits = rest.token(",");
            CInitMgr::m_sComStopbits = rest.token(",");
            found = transfer.initialize();
        } else if (detected == 0) {
            m_rSession.Fail(CErrorHandler::warning(50, 0));
        }
    }
    if (!found)
        return Finish(r, true);

    const GwString model = CScanRepoIf::ConnectedScanner();
    const GwString version = CScanRepoIf::ConnectedVersion();
    r.m_sText = (m_rSession.Line() + " " + model + " " + version).str() + "\n";
    r.m_oJson["line"] = q(m_rSession.Line());
    r.m_oJson["model"] = q(model);
    r.m_oJson["version"] = q(version);
    r.m_oJson["saved"] = false;
    if (m_rOptions.m_bSave) {
        if (!CInitMgr::WriteInitFile()) {
            m_rSession.Fail(CErrorHandler::error_msg(4, 1) + CInitMgr::ProgramInitFile());
            return Finish(r, true);
        }
        const GwString user = CInitMgr::UserInitFile();
        const GwString file = CInitMgr::m_sInitPath.not_null() ? CInitMgr::m_sInitPath
                              : user.not_null() && GwPath::is_file(user)
                                  ? user
                                  : CInitMgr::ProgramInitFile();
        r.m_sText += written(file).str() + "\n";
        r.m_oJson["saved"] = true;
        r.m_oJson["settings"] = q(file);
    }
    return Finish(r, false);
}

CCliResult CCliCommands::Info() {
    CCliResult r;
    r.m_oJson["port"] = q(m_rSession.Port());
    if (!m_rSession.Connect())
        return Finish(r, true);
    const GwString model = CScanRepoIf::ConnectedScanner();
    const GwString version = CScanRepoIf::ConnectedVersion();
    const GwString type = CParser::TranslateType(model, 0, 2);
    r.m_sText = (model + " " + version + ", " + type + ", " + m_rSession.Line()).str() + "\n";
    r.m_oJson["model"] = q(model);
    r.m_oJson["version"] = q(version);
    r.m_oJson["type"] = q(type);
    r.m_oJson["line"] = q(m_rSession.Line());
    return Finish(r, false);
}

// ---------------------------------------------------------------------------------------------
// upload, download

CCliResult CCliCommands::Upload() {
    CCliResult r;
    std::string out = m_rOptions.m_oOperands[0];
    for (size_t at = out.find("%p"); at != std::string::npos; at = out.find("%p", at))
        out.replace(at, 2, PortFileName(m_rSession.Port().str()));
    r.m_oJson["port"] = q(m_rSession.Port());
    r.m_oJson["file"] = QString::fromStdString(out);
    if (!m_rSession.Connect())
        return Finish(r, true);
    const GwString model = CScanRepoIf::ConnectedScanner();
    if (!m_rSession.SelectType(CParser::TranslateType(model, 0, 2)))
        return Finish(r, true);
    r.m_oJson["model"] = q(model);
    EwRepository* repository = m_rSession.Repository();
    // Parameters the scanner is not asked for keep their factory defaults in the file.
    m_rSession.Files().commandfile_to_repository(CInitMgr::scanner_sub_dir() + "3PRF1", 0);
    CScanRepoIf& transfer = m_rSession.Transfer();
    transfer.SetProgress(
        [](int done, int total) { return CCliSession::Progress("upload", done, total); });
    transfer.DataFromScanner(repository, 0);
    if (!transfer.UploadComplete())
        return Finish(r, true);
    const int saved = m_rSession.Files().repository_to_scriptfile(GwString(out), 0);
    if (saved < 0)
        m_rSession.Fail(CErrorHandler::error_msg(4, 1) + GwString(out));
    if (saved != 1)
        return Finish(r, true);
    r.m_sText = written(GwString(out)).str() + "\n";
    return Finish(r, false);
}

CCliResult CCliCommands::Download() {
    CCliResult r;
    const GwString file(m_rOptions.m_oOperands[0]);
    r.m_oJson["port"] = q(m_rSession.Port());
    r.m_oJson["file"] = q(file);
    r.m_oJson["verified"] = false;
    r.m_oJson["stored"] = false;
    const GwString type = m_rSession.TypeOfScript(file);
    if (type.is_empty() || !m_rSession.SelectType(type))
        return Finish(r, true);
    GwMessageBox* raw = nullptr;
    const int loaded = m_rSession.Files().scriptfile_to_repository(file, raw, 0);
    CInfoBox::adopt(raw).close();
    // A script that did not load whole would send something else than the file says.
    if (!loaded || m_rSession.ReportMessages() > 0) {
        m_rSession.Fail(CErrorHandler::error_msg(65, 0));
        return Finish(r, true);
    }
    if (!m_rSession.Connect())
        return Finish(r, true);

    CScanRepoIf& transfer = m_rSession.Transfer();
    EwRepository* repository = m_rSession.Repository();
    transfer.SetProgress(
        [](int done, int total) { return CCliSession::Progress("download", done, total); });
    if (!transfer.Repo2Scanner(repository, 0))
        return Finish(r, true);
    bool verified = false;
    if (m_rOptions.m_bVerify) {
        transfer.SetProgress(
            [](int done, int total) { return CCliSession::Progress("verify", done, total); });
        DynGwStringPtrArray differs(10, 10);
        verified = transfer.VerifyScanner(repository, differs) == 1;
        QJsonArray names;
        for (int i = 0; i < differs.count(); ++i)
            names.append(q(*differs.get(i)));
        r.m_oJson["differs"] = names;
        if (!verified) {
            if (m_rOptions.m_bStore)
                m_rSession.Fail(CErrorHandler::error_msg(66, 0));
            return Finish(r, true);
        }
    }
    GwString text = CErrorHandler::warning(verified ? 72 : 71, 0);
    if (m_rOptions.m_bStore) {
        transfer.parameter_set_storing(repository);
        text += " " + CErrorHandler::warning(73, 0);
    }
    r.m_oJson["verified"] = verified;
    r.m_oJson["stored"] = m_rOptions.m_bStore;
    r.m_sText = text.str() + "\n";
    return Finish(r, false);
}

// ---------------------------------------------------------------------------------------------
// diff, report

GwString CCliCommands::TypeOfSides(int sides) {
    std::vector<std::pair<std::string, GwString>> named;
    for (int i = 0; i < sides; ++i) {
        const std::string& side = m_rOptions.m_oOperands[static_cast<size_t>(i)];
        GwString type;
        if (side == "defaults")
            continue;
        if (side == "scanner") {
            if (!m_rSession.Connect())
                return GwString();
            type = CParser::TranslateType(CScanRepoIf::ConnectedScanner(), 0, 2);
            if (type.is_empty()) {
                m_rSession.Fail(CErrorHandler::error_msg(32, 1) + CScanRepoIf::ConnectedScanner());
                return GwString();
            }
        } else {
            type = m_rSession.TypeOfScript(GwString(side));
            if (type.is_empty())
                return GwString();
        }
        named.emplace_back(side, type);
    }
    if (named.empty()) {
        std::string error;
        const GwString type = m_rSession.DefaultType(error);
        if (type.is_empty()) {
            std::cerr << "zepcli: " << error << "\n";
            m_bUsageError = true;
        }
        return type;
    }
    for (const auto& [side, type] : named) {
        if (type != named[0].second) {
            GwString text = CErrorHandler::error_msg(63, 0);
            for (const auto& [s, t] : named)
                text += "\n" + GwString(s) + ": " + t;
            m_rSession.Fail(text);
            return GwString();
        }
    }
    return named[0].second;
}

int CCliCommands::LoadSide(const std::string& side, int form) {
    CFileRepoIf& files = m_rSession.Files();
    if (side == "defaults")
        return files.commandfile_to_repository(CInitMgr::scanner_sub_dir() + "3PRF1", form) == 1;
    if (side == "scanner") {
        // Only ever the values: an upload is all or nothing into them.
        files.commandfile_to_repository(CInitMgr::scanner_sub_dir() + "3PRF1", 0);
        m_rSession.Transfer().SetProgress(
            [](int done, int total) { return CCliSession::Progress("upload", done, total); });
        m_rSession.Transfer().DataFromScanner(m_rSession.Repository(), 0);
        return m_rSession.Transfer().UploadComplete();
    }
    GwMessageBox* raw = nullptr;
    const int loaded = files.scriptfile_to_repository(GwString(side), raw, form);
    CInfoBox::adopt(raw).close();
    return loaded;
}

GwString CCliCommands::SideTitle(const std::string& side) {
    if (side == "defaults")
        return CErrorHandler::warning(77, 0);
    if (side == "scanner")
        return CErrorHandler::warning(78, 0);
    return GwPath::file_part(GwString(side));
}

CCliResult CCliCommands::Diff() {
    CCliResult r;
    const std::string& a = m_rOptions.m_oOperands[0];
    const std::string& b = m_rOptions.m_oOperands[1];
    r.m_oJson["a"] = QString::fromStdString(a);
    r.m_oJson["b"] = QString::fromStdString(b);
    const GwString type = TypeOfSides(2);
    r.m_iStatus = m_bUsageError ? 2 : 1;
    if (m_bUsageError || type.is_empty() || !m_rSession.SelectType(type))
        return Finish(r, true);
    r.m_oJson["type"] = q(m_rSession.SelectedType());
    // The scanner's side is uploaded into the values; the other side goes under it as the
    // comparison values, and the columns are turned back for the output.
    const bool turned = b == "scanner";
    if (!LoadSide(turned ? b : a, 0) || !LoadSide(turned ? a : b, 1))
        return Finish(r, true);
    std::vector<CParamCompare::Difference> differences =
        CParamCompare::Differences(*m_rSession.Repository());
    QJsonArray list;
    for (CParamCompare::Difference& d : differences) {
        if (turned)
            std::swap(d.m_sValue, d.m_sOther);
        QJsonObject entry;
        entry["parameter"] = q(d.m_sName);
        entry["a"] = q(d.m_sValue);
        entry["b"] = q(d.m_sOther);
        list.append(entry);
    }
    r.m_oJson["differences"] = list;
    if (differences.empty()) {
        r.m_sText = CErrorHandler::warning(79, 0).str() + "\n";
        return Finish(r, false);
    }
    r.m_sText =
        (CErrorHandler::warning(80, 0) + GwString(static_cast<int>(differences.size()))).str() +
        "\n" +
        CParamCompare::Table(differences, CErrorHandler::warning(76, 0), SideTitle(a), SideTitle(b))
            .str();
    return Finish(r, true);
}

CCliResult CCliCommands::Report() {
    CCliResult r;
    const std::string& side = m_rOptions.m_oOperands[0];
    const GwString type = TypeOfSides(1);
    r.m_iStatus = m_bUsageError ? 2 : 1;
    if (m_bUsageError || type.is_empty() || !m_rSession.SelectType(type))
        return Finish(r, true);
    // The factory defaults, or a script over them.
    CFileRepoIf& files = m_rSession.Files();
    bool failed = !LoadSide(side, 0);
    if (side != "defaults")
        files.set_filename(GwString(side));
    if (failed)
        return Finish(r, true);
    EwRepository* repository = m_rSession.Repository();
    CScriptPrintMgr reports(repository);
    reports.SetFilename(files.get_filename());
    if (!m_rOptions.m_sRtf.empty()) {
        const GwString rtf(m_rOptions.m_sRtf);
        const int done = reports.repository_to_rtffile(rtf, 0);
        if (done < 0)
            m_rSession.Fail(CErrorHandler::error_msg(4, 1) + rtf);
        failed = failed || done != 1;
        if (done == 1) {
            r.m_sText += written(rtf).str() + "\n";
            r.m_oJson["rtf"] = q(rtf);
        }
    }
    if (!m_rOptions.m_sPdf.empty()) {
        const GwString pdf(m_rOptions.m_sPdf);
        GwScriptedAnswers::printer_pdf(pdf);
        const int done = reports.Repo2Printer(nullptr, 0);
        failed = failed || done != 1;
        if (done == 1) {
            r.m_sText += written(pdf).str() + "\n";
            r.m_oJson["pdf"] = q(pdf);
        }
    }
    return Finish(r, failed);
}
