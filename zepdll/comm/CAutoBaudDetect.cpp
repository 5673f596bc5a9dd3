// Automatic baud-rate detection: the combination table, the probes and the progress display.
#include "CAutoBaudDetect.h"

#include "CDriver.h"
#include "CInitMgr.h"
#include "CLineSettings.h"
#include "GwCore.h"

namespace {

std::function<int(int)>& timeout_hook() {
    static std::function<int(int)> hook;
    return hook;
}

} // namespace

CAutoBaudDetect::CAutoBaudDetect(GwCore* parameter, GwCore* progress)
    : m_pParameter(parameter), m_pProgress(progress) {}

std::vector<GwString> CAutoBaudDetect::Combinations() {
    static const char* const formats[] = {"N,8,1", "E,8,1", "N,8,2", "E,8,2", "O,8,1", "O,8,2",
                                          "N,7,1", "N,7,2", "E,7,1", "E,7,2", "O,7,1", "O,7,2"};
    static const char* const rates[] = {"2400 ", "9600 ", "19200", "4800 ",
                                        "1200 ", "600  ", "300  "};
    std::vector<GwString> table;
    table.reserve(kCombinations);
    for (const char* format : formats) {
        for (const char* rate : rates)
            table.emplace_back(GwString(rate) + "," + format);
    }
    return table;
}

int CAutoBaudDetect::ProbeTimeout(int baud) {
    if (timeout_hook())
        return timeout_hook()(baud);
    return baud > 0 ? 120627 / baud + 200 : 200;
}

void CAutoBaudDetect::SetProbeTimeoutHook(std::function<int(int baud)> hook) {
    timeout_hook() = std::move(hook);
}

std::vector<GwString> CAutoBaudDetect::Order() const {
    std::vector<GwString> table = Combinations();
    const CLineSettings first = CLineSettings::Parse(m_sFirst);
    for (size_t i = 0; first.IsValid() && i < table.size(); ++i) {
        if (CLineSettings::Parse(table[i]) == first) {
            const GwString entry = table[i];
            table.erase(table.begin() + static_cast<long>(i));
            table.insert(table.begin(), entry);
            break;
        }
    }
    return table;
}

int CAutoBaudDetect::Detect() {
    m_iStopRequested = 0;
    m_iPortFailed = 0;
    m_iProbes = 0;
    if (m_pProgress != nullptr) {
        m_pProgress->set_solid_bar(1);
        m_pProgress->set_start(0.0);
        m_pProgress->set_end(static_cast<double>(kCombinations));
        m_pProgress->set_slider_value(0.0);
    }
    // Each probe sets its own short time-out; the connection that follows a detection needs
    // the driver's own again (a 206 ms time-out would fail a slow reply of an upload).
    const int timeout = g_pcoDriver != nullptr ? g_pcoDriver->Timeout() : 0;
    const std::vector<GwString> table = Order();
    GwString answer;
    for (const GwString& entry : table) {
        answer = TryToConnect(entry);
        ++m_iProbes;
        if (m_pProgress != nullptr)
            m_pProgress->change_by(1.0);
        if (m_iStopRequested || answer.not_null() || m_iPortFailed)
            break;
    }
    if (g_pcoDriver != nullptr)
        g_pcoDriver->set_timeout(timeout);
    // The bar always ends full, however early the run ended.
    if (m_pProgress != nullptr) {
        for (int i = m_iProbes; i < kCombinations; ++i)
            m_pProgress->change_by(1.0);
    }
    if (m_iPortFailed)
        return -1;
    if (m_iStopRequested)
        return -3;
    if (answer.not_null()) {
        m_sSucPars = table[static_cast<size_t>(m_iProbes - 1)];
        return 1;
    }
    return 0;
}

GwString CAutoBaudDetect::TryToConnect(const GwString& settings) {
    m_iPortFailed = 0;
    const GwString port = CInitMgr::GetComID();
    if (g_pcoDriver == nullptr || !g_pcoDriver->initialise(port, settings)) {
        m_iPortFailed = 1;
        return GwString();
    }
    if (m_pParameter != nullptr)
        m_pParameter->set_text("Parameter: " + settings);
    g_pcoDriver->set_timeout(ProbeTimeout(CLineSettings::Parse(settings).m_iBaud));
    g_pcoDriver->WriteFramed("W0");
    const GwString answer = g_pcoDriver->Read();
    return answer.contains("RV") ? answer : GwString();
}
