// Helpers of the communication tests: a driver with a frame of its own made the process's
// g_pcoDriver, a record of what reached its callbacks, and the settings a connection reads,
// restored after each test.
#pragma once

#include "CDriver.h"
#include "CInitMgr.h"
#include "CSimOptions.h"
#include "CSimPort.h"
#include "GwCore.h"

#include <QWidget>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// What the driver handed to its callbacks.
struct CallbackRecord {
    static std::vector<std::string>& errors() {
        static std::vector<std::string> list;
        return list;
    }
    static std::vector<std::string>& received() {
        static std::vector<std::string> list;
        return list;
    }
    static int error(const GwString& message) {
        errors().push_back(message.str());
        return 0;
    }
    static int receive(const GwString& data) {
        received().push_back(data.str());
        return 1;
    }
    static void clear() {
        errors().clear();
        received().clear();
    }
};

// A driver on a window of its own, installed as g_pcoDriver for the life of the object.
class TestDriver {
public:
    explicit TestDriver(int dump = 0) : m_frame(std::make_unique<QWidget>()) {
        m_frame->setObjectName("ZEP Utility");
        CallbackRecord::clear();
        m_saved = g_pcoDriver;
        m_driver = std::make_unique<CDriver>(GwCore::of(m_frame.get()), CallbackRecord::error,
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

    CDriver& operator*() const { return *m_driver; }
    CDriver* operator->() const { return m_driver.get(); }
    GwCore* frame() const { return GwCore::of(m_frame.get()); }
    // Removes the window (the driver must notice that its frame is gone).
    void destroy_frame() { m_frame.reset(); }

private:
    std::unique_ptr<QWidget> m_frame;
    std::unique_ptr<CDriver> m_driver;
    CDriver* m_saved = nullptr;
};

// The settings a connection reads, set for one test: port, 9600,N,8,1, STX/ETX framing, the
// build's program directory (for "ZEP100\cmd.map") and the selected scanner RV-4400.
class CommSettings {
public:
    CommSettings()
        : m_port(CInitMgr::m_sComID), m_baud(CInitMgr::m_sComBaudrate),
          m_data(CInitMgr::m_sComDatabits), m_stop(CInitMgr::m_sComStopbits),
          m_parity(CInitMgr::m_sComParity), m_startRx(CInitMgr::m_sComStartRx),
          m_stopRx(CInitMgr::m_sComStopRx), m_startTx(CInitMgr::m_sComStartTx),
          m_stopTx(CInitMgr::m_sComStopTx), m_dir(CInitMgr::m_sProgramDir),
          m_scanner(CInitMgr::m_sScannerType) {
        CInitMgr::m_sComID = "SIM";
        CInitMgr::m_sComBaudrate = "9600";
        CInitMgr::m_sComDatabits = "8";
        CInitMgr::m_sComStopbits = "1";
        CInitMgr::m_sComParity = "N";
        CInitMgr::m_sComStartRx = "02";
        CInitMgr::m_sComStopRx = "03";
        CInitMgr::m_sComStartTx = "02";
        CInitMgr::m_sComStopTx = "03";
        CInitMgr::m_sProgramDir = ZEP_PROGRAM_DIR "/";
        CInitMgr::m_sScannerType = "RV-4400";
    }
    ~CommSettings() {
        CInitMgr::m_sComID = m_port;
        CInitMgr::m_sComBaudrate = m_baud;
        CInitMgr::m_sComDatabits = m_data;
        CInitMgr::m_sComStopbits = m_stop;
        CInitMgr::m_sComParity = m_parity;
        CInitMgr::m_sComStartRx = m_startRx;
        CInitMgr::m_sComStopRx = m_stopRx;
        CInitMgr::m_sComStartTx = m_startTx;
        CInitMgr::m_sComStopTx = m_stopTx;
        CInitMgr::m_sProgramDir = m_dir;
        CInitMgr::m_sScannerType = m_scanner;
    }
    CommSettings(const CommSettings&) = delete;
    CommSettings& operator=(const CommSettings&) = delete;

private:
    GwString m_port, m_baud, m_data, m_stop, m_parity, m_startRx, m_stopRx, m_startTx, m_stopTx,
        m_dir, m_scanner;
};

// Replaces the in-process scanner for one test and forgets it afterwards.
inline void reset_sim(const std::string& options) {
    CSimOptions parsed;
    GwString error;
    if (!parsed.Parse(options.c_str(), error))
        throw std::runtime_error(error.str());
    CSimPort::ResetDevice(parsed);
}
