// The port "SIM": the simulated scanner inside the process, so that the program runs and can
// be tried without hardware. The scanner itself (CSimScanner) is one per process and outlives
// the port, as a real scanner outlives the PC's opening and closing of its port.
//
// The line is modelled in time. A byte written takes one character time (CLineSettings::CharBits
// at the port's baud rate) to reach the scanner; the scanner answers a complete command after its
// answer delay, and each reply byte reaches the input queue one character time (at the
// scanner's own settings) after the one before. BytesWaiting() counts only the bytes that have
// arrived by now; a precise timer fires when a reply is complete (and every 100 ms while a
// longer one is arriving), which wakes an event loop waiting with WaitForMoreEvents. With wire time
// off (option wire=off) only the answer delay is left.
//
// The in-process scanner is made on first use from the environment variable ZEP_SIM (the text
// form of CSimOptions, e.g. "9600,N,8,1;model=RV-4400L"); a malformed text is reported on
// stderr and the scanner starts with its factory settings. Tests replace it with
// ResetDevice() and reach its memory and options through Device().
#pragma once

#include "CSerialPort.h"
#include "CSimOptions.h"
#include "CSimScanner.h"

#include <QSocketNotifier>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

class CSimPort : public CSerialPort {
public:
    CSimPort();
    ~CSimPort() override;

    int Open(const GwString& name) override; // only the name "SIM" (any case) exists
    int IsOpen() const override { return m_bOpen ? 1 : 0; }
    int SetLine(const CLineSettings& line) override;
    int BytesWaiting() override;
    int ReadByte(unsigned char& byte) override;
    int Write(const char* data, int length) override;
    int Purge() override;
    int Close() override;
    int LastError() const override { return m_iLastError; }

    // The in-process scanner (made from ZEP_SIM on first use).
    static CSimScanner& Device();
    // Replaces it by a new scanner with these options (an open port keeps its line settings
    // and loses what was on the wire).
    static void ResetDevice(const CSimOptions& options);
    // Forgets it: the next use makes a new one from ZEP_SIM.
    static void ResetDevice();
    // The clock of the line model in nanoseconds; an empty function restores the monotonic
    // clock (tests move a clock of their own by hand).
    static void SetClock(std::function<long long()> clock);
    static long long Now();

private:
    struct OnWire {
        long long llAt; // when it is in the input queue
        unsigned char byte;
    };

    int fail(int code);
    // 1 when the scanner has vanished by now; the port has then failed.
    int vanished(long long now);
    void take_arrived(long long now);
    void arm_timer();
    void apply_host_line();
    void forget_wire();
    // Wakes a waiting event loop in ns nanoseconds (to the nanosecond where the platform has
    // timer descriptors, else rounded up to the millisecond); a negative ns disarms.
    void wake_in(long long ns);
    // The platform's part (CSimPort_unix.cpp, CSimPort_win.cpp): a wake-up to the nanosecond.
    // precise_wake gives 1 when it took the request, 0 when the Qt timer must do it.
    void open_wake();
    void close_wake();
    int precise_wake(long long ns);

    bool m_bOpen = false;
    bool m_bFailed = false;
    int m_iLastError = kNoError;
    CLineSettings m_oLine; // the host's side

    std::deque<unsigned char> m_queue;
    std::deque<OnWire> m_wire;         // in time order
    std::deque<long long> m_replyEnds; // when each reply on the wire is complete
    long long m_llHostFree = 0;        // the host's transmitter is busy until then
    long long m_llDeviceFree = 0;      // the scanner's transmitter is busy until then
    long long m_llVanishAt = -1;       // when the scanner is gone, or -1
    QTimer m_timer;
    int m_iWakeFd = -1;
    std::unique_ptr<QSocketNotifier> m_pWake;
};
