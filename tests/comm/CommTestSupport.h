// Helpers of the communication tests: a driver with a frame of its own made the process's
// g_pcoDriver, a record of what reached its callbacks, the settings a connection reads
// (restored after each test), the ZEP100 repository, the boxes shown, and zepsim as a process.
#pragma once

#include "CDriver.h"
#include "CInitMgr.h"
#include "CScanRepoIf.h"
#include "CSimOptions.h"
#include "CSimPort.h"
#include "EwRepository.h"
#include "GwCore.h"
#include "GwScriptedAnswers.h"
#include "GwStringPrint.h"
#include "StringLists.h"
#include "Zep100Repo.h"
#include "ZepsimProcess.h"

#include <QWidget>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using Strings = std::vector<std::string>;

inline std::string framed(const std::string& text) {
    return "\x02" + text + "\x03";
}

// What the driver handed to its callbacks.
struct CallbackRecord {
    static inline Strings errors, received;
    static int error(const GwString& message) { return errors.push_back(message.str()), 0; }
    static int receive(const GwString& data) { return received.push_back(data.str()), 1; }
};

// A driver on a window of its own, installed as g_pcoDriver for the life of the object.
class TestDriver {
public:
    explicit TestDriver(int dump = 0) : m_frame(std::make_unique<QWidget>()), m_saved(g_pcoDriver) {
        CallbackRecord::errors.clear();
        CallbackRecord::received.clear();
        m_driver = std::make_unique<CDriver>(frame(), CallbackRecord::error,
                                             CallbackRecord::receive, dump);
        g_pcoDriver = m_driver.get();
    }
    ~TestDriver() {
        m_driver.reset();
        g_pcoDriver = m_saved;
        CDriver::SetPortFactory({});
    }
    TestDriver(const TestDriver&) = delete;
    TestDriver& operator=(const TestDriver&) = delete;

    CDriver* operator->() const { return m_driver.get(); }
    GwCore* frame() const { return GwCore::of(m_frame.get()); }

private:
    std::unique_ptr<QWidget> m_frame;
    CDriver* m_saved;
    std::unique_ptr<CDriver> m_driver;
};

// The settings a connection reads, set for one test: port SIM, 9600,N,8,1, STX/ETX framing,
// the build's program directory and the selected scanner RV-4400; no connected scanner.
class CommSettings {
public:
    CommSettings() {
        const std::pair<GwString*, const char*> values[] = {
            {&CInitMgr::m_sComID, "SIM"},           {&CInitMgr::m_sComBaudrate, "9600"},
            {&CInitMgr::m_sComDatabits, "8"},       {&CInitMgr::m_sComStopbits, "1"},
            {&CInitMgr::m_sComParity, "N"},         {&CInitMgr::m_sComStartRx, "02"},
            {&CInitMgr::m_sComStopRx, "03"},        {&CInitMgr::m_sComStartTx, "02"},
            {&CInitMgr::m_sComStopTx, "03"},        {&CInitMgr::m_sProgramDir, ZEP_PROGRAM_DIR "/"},
            {&CInitMgr::m_sScannerType, "RV-4400"}, {&CScanRepoIf::m_sConnectedScanner, ""}};
        for (const auto& [field, value] : values) {
            m_saved.emplace_back(field, *field);
            *field = value;
        }
    }
    ~CommSettings() {
        for (const auto& [field, value] : m_saved)
            *field = value;
    }
    CommSettings(const CommSettings&) = delete;
    CommSettings& operator=(const CommSettings&) = delete;

private:
    std::vector<std::pair<GwString*, GwString>> m_saved;
};

inline CSimOptions sim_options(const std::string& text) {
    CSimOptions parsed;
    GwString error;
    if (!parsed.Parse(text.c_str(), error))
        throw std::runtime_error(error.str());
    return parsed;
}

// Replaces the in-process scanner for one test.
inline void reset_sim(const std::string& options) {
    CSimPort::ResetDevice(sim_options(options));
}

// The simulated scanner's key of a parameter (GNNONAME is GN).
inline GwString sim_key(const GwString& name) {
    return name.ends_with("NONAME") ? name(0, name.len() - 7) : name;
}

// The texts of the message boxes shown in this test.
inline Strings box_texts() {
    Strings texts;
    for (const auto& shown : GwScriptedAnswers::shown())
        if (shown.kind == GwScriptedAnswers::Box)
            texts.push_back(shown.text.str());
    return texts;
}
