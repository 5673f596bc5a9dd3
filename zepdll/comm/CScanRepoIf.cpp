// Scanner transfer: connect, upload, download, store, type check and connection display.
#include "CScanRepoIf.h"

#include "CDriver.h"
#include "CErrorHandler.h"
#include "CInitMgr.h"
#include "CUtils.h"
#include "EwRepository.h"
#include "GwCore.h"

#include <map>
#include <string>

GwString CScanRepoIf::m_sConnectedScanner;
GwString CScanRepoIf::m_sConnectedVersion;

namespace {

// A framing byte from its hex setting; an empty setting keeps the default (a zero byte would
// end every write before it began).
unsigned char framing_byte(const GwString& hex, unsigned char fallback) {
    if (hex.is_empty())
        return fallback;
    return static_cast<unsigned char>(GwAtol(CUtils::Hex2Int(hex).cc()) & 0xFF);
}

// 1 when every character is printable ASCII, as every reply of the scanner is.
int printable(const GwString& text) {
    for (int i = 0; i < text.len(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c > 0x7E)
            return 0;
    }
    return 1;
}

bool hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// Upper-case hex pairs of a HEXCHAR (at most length pairs, each in the parameter's bounds,
// "00" behind fewer than length, "00" alone for none) or a NULSTRING (at most length
// characters, ending with its first pair "00").
int hex_form(EwRepository* repository, const GwString& name, const GwString& type,
             const GwString& value, int length) {
    if (value.len() % 2 != 0 || value.len() < 2)
        return 0;
    int pairs = 0;
    for (int i = 0; i < value.len(); i += 2) {
        if (!hex_digit(value[i]) || !hex_digit(value[i + 1]))
            return 0;
        const bool end = value[i] == '0' && value[i + 1] == '0';
        if (end)
            return i + 2 == value.len() &&
                   (type == "NULSTRING" ? value.len() <= length : pairs < length);
        if (type == "HEXCHAR" && !repository->IsValid(name, value(i, i + 1)))
            return 0;
        ++pairs;
    }
    return type == "HEXCHAR" && pairs == length ? 1 : 0;
}

GwString join(const DynGwStringPtrArray& names) {
    GwString text;
    for (int i = 0; i < names.count(); ++i) {
        if (i > 0)
            text += ", ";
        if (const GwString* n = names.get(i))
            text += *n;
    }
    return text;
}

} // namespace

CScanRepoIf::CScanRepoIf(GwCore* frame)
    : m_pFrame(frame), m_pCmdMap(std::make_unique<CCmdMap>()),
      m_pNoReply(std::make_unique<DynGwStringPtrArray>(10, 10)) {
    if (g_pcoDriver == nullptr)
        g_pcoDriver = new CDriver(CInitMgr::m_bSerialDump);
}

CScanRepoIf::~CScanRepoIf() {
    if (g_pcoDriver != nullptr)
        g_pcoDriver->set_window(m_pFrame, nullptr, nullptr);
}

int CScanRepoIf::ReceivedData_CB(const GwString& /*data*/) {
    return 1;
}

int CScanRepoIf::ReceivedError_CB(const GwString& message) {
    return CErrorHandler::show_error(message);
}

GwString CScanRepoIf::GetComID() {
    return CInitMgr::GetComID();
}

GwString CScanRepoIf::GetComParam() {
    return CInitMgr::GetComBaudrate() + "," + CInitMgr::GetComParity() + "," +
           CInitMgr::GetComDatabits() + "," + CInitMgr::GetComStopbits();
}

// ---------------------------------------------------------------------------------------------
// Connecting

int CScanRepoIf::initialize() {
    m_sConnectedScanner.clear();
    m_sConnectedVersion.clear();
    GwString port = GetComID();
    GwString settings = GetComParam();
    int result = 0;
    if (g_pcoDriver == nullptr) {
        SetConnectionStatus(0);
        return 0;
    }
    g_pcoDriver->SetStartRx(framing_byte(CInitMgr::GetComStartRx(), CDriver::kSTX));
    g_pcoDriver->SetStopRx(framing_byte(CInitMgr::GetComStopRx(), CDriver::kETX));
    g_pcoDriver->SetStartTx(framing_byte(CInitMgr::GetComStartTx(), CDriver::kSTX));
    g_pcoDriver->SetStopTx(framing_byte(CInitMgr::GetComStopTx(), CDriver::kETX));

    if (port.to_upper() == "NONE") {
        ReceivedError_CB(CErrorHandler::warning(6, 0));
    } else if (ConnectionOK(port, settings)) {
        g_pcoDriver->set_lookup(100);
        g_pcoDriver->set_mode(1);
        GwString reply = g_pcoDriver->WriteReadFramed("W0");
        m_sConnectedScanner = reply.token(" ");
        m_sConnectedVersion = reply.token(" ");
        if (!m_pCmdMap->Initialize())
            ReceivedError_CB("Initializing of Command-Mapping failed");
        else
            result = 1;
    }
    SetConnectionStatus(result);
    return result;
}

int CScanRepoIf::ConnectionOK(GwString& port, GwString& settings) {
    g_pcoDriver->set_mode(1);
    if (!g_pcoDriver->initialise(port, settings))
        return 0;
    if (g_pcoDriver->WriteReadFramed("W1")[0] == 'U')
        return 1;
    return g_pcoDriver->ReadFramed()[0] == 'U' ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// Upload

int CScanRepoIf::uploadable(const GwString& name) const {
    GwString n = name;
    return m_pCmdMap->Contains(name) && m_pCmdMap->HasKnownType(name) &&
                   m_pCmdMap->GetQueryCmd(n).not_null()
               ? 1
               : 0;
}

GwString CScanRepoIf::query(GwString& name) {
    GwString reply = g_pcoDriver->WriteReadFramed(m_pCmdMap->GetQueryCmd(name));
    // A complete reply that is not this parameter's is a late answer to an earlier query
    // (one that timed out); this parameter's answer follows it.
    if (g_pcoDriver->ReplyComplete() && !m_pCmdMap->Fits(name, reply))
        reply = g_pcoDriver->ReadFramed();
    return reply;
}

int CScanRepoIf::taken(EwRepository* repository, const GwString& name, const GwString& reply,
                       GwString& value) {
    return g_pcoDriver->ReplyComplete() && TakeReply(repository, name, reply, value) ? 1 : 0;
}

int CScanRepoIf::TakeReply(EwRepository* repository, const GwString& name, const GwString& reply,
                           GwString& value) {
    if (repository == nullptr || !printable(reply))
        return 0;
    GwString n = name;
    GwString cut;
    GwString dependent;
    if (!m_pCmdMap->TakeValue(n, reply, repository, cut, dependent))
        return 0;
    // A quoted text is stored without its quotes.
    if (m_pCmdMap->IsString(name))
        cut = cut(1, cut.len() - 2);
    if (!accepts(repository, name, cut))
        return 0;
    if (dependent.not_null()) {
        std::unique_ptr<DynGwStringPtrArray> groups(repository->list_of_names());
        int found = 0;
        for (int g = 0; g < groups->count() && !found; ++g) {
            const GwString& group = *groups->get(g);
            std::unique_ptr<DynGwStringPtrArray> names(repository->list_of_param_names(group));
            if (names && names->find(name) >= 0)
                found = group_fields(repository, group, dependent) ? 1 : -1;
        }
        if (found != 1)
            return 0;
    }
    value = cut;
    return 1;
}

int CScanRepoIf::accepts(EwRepository* repository, const GwString& name, const GwString& value) {
    const GwString type = repository->type(name);
    const int length = repository->length(name).to_int();
    if (type == "HEXCHAR" || type == "NULSTRING")
        return hex_form(repository, name, type, value, length);
    // The data line reads every other value by its length, a quoted text up to its quote.
    if (type == "STRING" && m_pCmdMap->IsString(name))
        return value.len() <= length ? 1 : 0;
    if (value.len() != length)
        return 0;
    if (type == "ENUMERATEDINT" || type == "ENUMERATEDCHAR" || type == "BOOLEAN") {
        // As the parameter decodes it: a code stands for the value at its place.
        const DynGwStringPtrArray* codes = repository->range(name, 1);
        const DynGwStringPtrArray* values = repository->range(name, 0);
        const int k = codes != nullptr ? codes->find(value) : -1;
        const GwString* plain = k >= 0 && values != nullptr ? values->get(k) : nullptr;
        return repository->IsValid(name, plain != nullptr ? *plain : value);
    }
    if (type == "INT") {
        // The parameter reads the leading number of any text: nothing else may be there.
        for (int i = 0; i < value.len(); ++i) {
            if (value[i] < '0' || value[i] > '9')
                return 0;
        }
    }
    return type == "STRING" ? 1 : repository->IsValid(name, value);
}

int CScanRepoIf::group_fields(EwRepository* repository, const GwString& group,
                              const GwString& text) {
    DynGwStringPtrArray names(30, 10);
    DynGwStringPtrArray values(30, 10);
    select_group(repository, group);
    get_array_of_values(repository, group, "3" + group + text, &names, &values);
    // Read back field by field, the fields must give the text again: nothing left over.
    GwString again;
    for (int k = 0; k < names.count() && k < values.count(); ++k) {
        if (!accepts(repository, *names.get(k), *values.get(k)))
            return 0;
        again += RemoveGroupID(*names.get(k), group) + *values.get(k);
    }
    return again == text ? 1 : 0;
}

int CScanRepoIf::verifiable(const GwString& name) const {
    return uploadable(name) && m_pCmdMap->GetWriteCmd(name).not_null() ? 1 : 0;
}

std::vector<GwString> CScanRepoIf::parameters(EwRepository* repository,
                                              int (CScanRepoIf::*test)(const GwString&)
                                                  const) const {
    std::vector<GwString> out;
    std::unique_ptr<DynGwStringPtrArray> groups(repository->list_of_names());
    for (int g = 0; g < groups->count(); ++g) {
        std::unique_ptr<DynGwStringPtrArray> names(
            repository->list_of_param_names(*groups->get(g)));
        for (int i = 0; names && i < names->count(); ++i) {
            if ((this->*test)(*names->get(i)))
                out.push_back(*names->get(i));
        }
    }
    return out;
}

int CScanRepoIf::step() {
    if (m_iTotal <= 0 || !m_oProgress)
        return 1;
    ++m_iDone;
    if (m_oProgress(m_iDone, m_iTotal) != 0)
        return 1;
    m_iCancelled = 1;
    return 0;
}

void CScanRepoIf::lost_port_check() {
    if (g_pcoDriver == nullptr || !g_pcoDriver->PortOpen())
        SetConnectionStatus(0);
}

DynGwStringPtrArray* CScanRepoIf::DataFromScanner(EwRepository* repository, int flag) {
    auto lines = std::make_unique<DynGwStringPtrArray>(12, 10);
    m_iUploadComplete = 0;
    m_iSilent = 0;
    m_iCancelled = 0;
    m_pNoReply->clear();
    if (repository == nullptr || g_pcoDriver == nullptr) {
        SetConnectionStatus(0);
        return nullptr;
    }
    m_iDone = 0;
    m_iTotal = static_cast<int>(parameters(repository, &CScanRepoIf::uploadable).size());
    std::unique_ptr<DynGwStringPtrArray> groups(repository->list_of_names());
    for (int i = 0; i < groups->count(); ++i)
        lines->add(read_group(repository, *groups->get(i), &CScanRepoIf::uploadable));
    m_iTotal = 0;

    if (m_iCancelled)
        return nullptr; // asked for: nothing is taken over, and nothing to report
    if (m_pNoReply->count() > 0) {
        // A value cut out of a missing reply would be made up: the set stays as it was.
        ReceivedError_CB(CErrorHandler::error_msg(kErrNoReplyUpload, 1) + join(*m_pNoReply));
        lost_port_check();
        return nullptr;
    }
    Data2Repo(repository, lines.get(), flag);
    repository->ResetChanged();
    m_iUploadComplete = 1;
    return nullptr;
}

GwString CScanRepoIf::CombineGroupFromScanner(EwRepository* repository, const GwString& group) {
    return read_group(repository, group, &CScanRepoIf::uploadable);
}

GwString CScanRepoIf::read_group(EwRepository* repository, const GwString& group,
                                 int (CScanRepoIf::*test)(const GwString&) const) {
    GwString line = "3" + group;
    if (repository == nullptr || g_pcoDriver == nullptr)
        return line;
    std::unique_ptr<DynGwStringPtrArray> names(repository->list_of_param_names(group));
    for (int i = 0; names && i < names->count() && !m_iCancelled; ++i) {
        GwString name = *names->get(i);
        if (!(this->*test)(name))
            continue; // the map cannot ask for it: its value stays as it is
        if (!g_pcoDriver->PortOpen() || m_iSilent >= kMaxSilent) {
            // The port is gone, or the scanner has stopped answering: asking the rest would
            // only wait a time-out each, and nothing will be stored anyway.
            m_pNoReply->add(name);
        } else {
            GwString reply = query(name);
            GwString value;
            if (taken(repository, name, reply, value)) {
                m_iSilent = 0;
                // The data line holds a quoted text with its quotes, as the reply carried it.
                if (m_pCmdMap->IsString(name))
                    value = "\"" + value + "\"";
                line += RemoveGroupID(name, group) + value;
            } else {
                m_pNoReply->add(name);
                // A reply that came whole but does not count shows the scanner is still there.
                m_iSilent = g_pcoDriver->ReplyComplete() ? 0 : m_iSilent + 1;
            }
        }
        step();
    }
    return line;
}

void CScanRepoIf::Data2Repo(EwRepository* repository, DynGwStringPtrArray* lines, int flag) {
    int ok = 1;
    if (repository == nullptr || g_pcoDriver == nullptr || lines == nullptr)
        return;
    std::unique_ptr<DynGwStringPtrArray> groups(repository->list_of_names());
    for (int i = 0; i < lines->count() && i < groups->count(); ++i) {
        const GwString group = *groups->get(i);
        DynGwStringPtrArray names(30, 10);
        DynGwStringPtrArray values(30, 10);
        select_group(repository, group);
        get_array_of_values(repository, group, *lines->get(i), &names, &values);
        for (int k = 0; k < names.count() && k < values.count(); ++k) {
            const GwString& name = *names.get(k);
            const GwString& value = *values.get(k);
            if (flag == 0) {
                if (!repository->set_value(name, value, 1))
                    ok = 0;
            } else if (ok) {
                if (!repository->set_prf_value(name, value, 1))
                    ok = 0;
            }
        }
    }
    if (!ok)
        CErrorHandler::show_error(CErrorHandler::warning(11, 0));
}

// ---------------------------------------------------------------------------------------------
// Download and store

int CScanRepoIf::Repo2Scanner(EwRepository* repository, int /*flag*/) {
    m_iCancelled = 0;
    if (repository == nullptr)
        return 1;
    if (g_pcoDriver == nullptr || !g_pcoDriver->PortOpen())
        return 0;
    m_iDone = 0;
    m_iTotal = 0;
    for (const GwString& name : parameters(repository, &CScanRepoIf::uploadable)) {
        if (m_pCmdMap->GetWriteCmd(name).not_null())
            ++m_iTotal;
    }
    const int sent = send_all(repository);
    m_iTotal = 0;
    return sent;
}

int CScanRepoIf::send_all(EwRepository* repository) {
    std::unique_ptr<DynGwStringPtrArray> groups(repository->list_of_names());
    for (int g = 0; g < groups->count(); ++g) {
        std::unique_ptr<DynGwStringPtrArray> names(
            repository->list_of_param_names(*groups->get(g)));
        for (int i = 0; names && i < names->count(); ++i) {
            GwString name = *names->get(i);
            const GwString write = m_pCmdMap->GetWriteCmd(name);
            if (!m_pCmdMap->Contains(name) || write.is_empty())
                continue; // nothing to write it with: the scanner keeps its value
            GwString value = repository->value(name, 1);
            if (m_pCmdMap->IsString(name))
                value = "\"" + value + "\"";
            GwString command = write;
            if (m_pCmdMap->IsDependent(name)) {
                const long errors = g_pcoDriver->ErrorCount();
                const GwString reply = query(name);
                GwString value_in_reply;
                if (!taken(repository, name, reply, value_in_reply)) {
                    // Without the reply the write would lack its prefix (rule and code type).
                    if (g_pcoDriver->ErrorCount() == errors)
                        ReceivedError_CB(CErrorHandler::error_msg(kErrNoReplyDownload, 1) + name);
                    lost_port_check();
                    return 0;
                }
                command = reply + write;
            }
            if (!g_pcoDriver->WriteFramed(command + value)) {
                lost_port_check(); // the driver reported why
                return 0;
            }
            if (!step())
                return 0; // asked for: the scanner holds the set only in part
        }
    }
    return 1;
}

int CScanRepoIf::VerifyScanner(EwRepository* repository, DynGwStringPtrArray& differs) {
    differs.clear();
    m_pNoReply->clear();
    m_iSilent = 0;
    m_iCancelled = 0;
    if (repository == nullptr || g_pcoDriver == nullptr || !g_pcoDriver->PortOpen())
        return 0;
    const std::vector<GwString> checked = parameters(repository, &CScanRepoIf::verifiable);
    m_iDone = 0;
    m_iTotal = static_cast<int>(checked.size());
    // What the scanner holds, as text, for each parameter read back; taken: the repository
    // took it as comparison value (a value the parameter does not allow shows as it came).
    struct ReadBack {
        GwString text;
        bool taken;
    };
    std::map<std::string, ReadBack> read;
    std::unique_ptr<DynGwStringPtrArray> groups(repository->list_of_names());
    for (int g = 0; g < groups->count() && !m_iCancelled; ++g) {
        const GwString group = *groups->get(g);
        const GwString line = read_group(repository, group, &CScanRepoIf::verifiable);
        DynGwStringPtrArray names(30, 10);
        DynGwStringPtrArray values(30, 10);
        select_group(repository, group);
        get_array_of_values(repository, group, line, &names, &values);
        for (int k = 0; k < names.count() && k < values.count(); ++k) {
            const bool taken = repository->set_prf_value(*names.get(k), *values.get(k), 1) != 0;
            read[names.get(k)->str()] = {*values.get(k), taken};
        }
    }
    m_iTotal = 0;
    if (m_iCancelled)
        return 0;

    GwString listing;
    for (const GwString& name : checked) {
        if (m_pNoReply->find(name) >= 0)
            continue;
        // A reply the line parser found no value in counts as differing, as an empty value.
        const auto it = read.find(name.str());
        const bool taken = it != read.end() && it->second.taken;
        if (taken && repository->value(name, 1) == repository->prf_value(name, 1))
            continue;
        differs.add(name);
        listing += "\n" + name + ": " + repository->value(name, 0) + " / " +
                   (taken              ? repository->prf_value(name, 0)
                    : it != read.end() ? it->second.text
                                       : GwString());
    }
    if (m_pNoReply->count() > 0) {
        ReceivedError_CB(CErrorHandler::error_msg(kErrNoReplyVerify, 1) + join(*m_pNoReply));
        lost_port_check();
    }
    if (differs.count() > 0)
        ReceivedError_CB(CErrorHandler::error_msg(kErrVerifyDiffers, 0) + listing);
    return differs.count() == 0 && m_pNoReply->count() == 0 ? 1 : 0;
}

int CScanRepoIf::parameter_set_storing(EwRepository* /*repository*/) {
    if (g_pcoDriver == nullptr)
        return 0;
    g_pcoDriver->WriteReadFramed("W0");
    g_pcoDriver->WriteFramed("M2");
    lost_port_check();
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Type check and display

GwString CScanRepoIf::CompareScanner() {
    GwString connected = m_sConnectedScanner;
    const GwString selected = CInitMgr::SelectedScanner();
    if (connected.contains("RV-4400L"))
        connected = "RV-4400";
    if (connected.not_null() && selected.contains(connected))
        return connected;
    if (selected.is_empty())
        return connected;
    if (connected.is_empty())
        return selected;
    const GwString text = CErrorHandler::error_msg(21, 1) + CErrorHandler::error_msg(22, 0) +
                          TranslateType(connected, 0, 2) + "\n" + CErrorHandler::error_msg(23, 0) +
                          TranslateType(selected, 0, 2) + "\n" + CErrorHandler::error_msg(26, 0);
    CErrorHandler::show_error(text);
    return GwString();
}

void CScanRepoIf::SetConnectionStatus(int connected) {
    m_iConnected = connected;
    DisplayConnection(connected);
    EnableDisableMenuItems();
}

void CScanRepoIf::DisplayConnection(int connected) {
    if (m_pFrame == nullptr)
        return;
    for (const char* id : {"OFFLINE", "NOCONNECT", "CONNECT"}) {
        if (GwCore* item = m_pFrame->frame_child(id))
            item->hide();
    }
    if (GwCore* item = m_pFrame->frame_child(connected != 0 ? "CONNECT" : "NOCONNECT"))
        item->show();
}

void CScanRepoIf::EnableDisableMenuItems() {
    if (m_pFrame == nullptr)
        return;
    auto enable = [this](const char* id) {
        if (GwCore* item = m_pFrame->child(id))
            item->enable();
    };
    auto disable = [this](const char* id) {
        if (GwCore* item = m_pFrame->child(id))
            item->disable();
    };
    enable("TB_TERMINAL");
    enable("TERMINAL_EMULATOR");
    if (CInitMgr::SelectedScanner().not_null()) {
        for (const char* id :
             {"NEW", "CLOSE", "SAVE", "SAVE_AS", "DOWNLOAD_TO_ZEP", "UPLOAD_FROM_ZEP", "PRINT",
              "EXPORT", "FACTORY_DEFAULTS", "TB_TERMINAL", "TB_NEW", "TB_SAVE", "TB_PRINT", "TB_DF",
              "TB_UF", "TB_FD"})
            enable(id);
    }
    if (!m_iConnected) {
        for (const char* id : {"TB_DF", "TB_UF", "DOWNLOAD_TO_ZEP", "UPLOAD_FROM_ZEP"})
            disable(id);
    }
}
