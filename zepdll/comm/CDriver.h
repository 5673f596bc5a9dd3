// The serial driver: the one port through which the system talks to a scanner, and the
// global g_pcoDriver that reaches it. It opens and configures the port, sends text with or
// without framing bytes, receives synchronously (the caller waits for the answer while the
// windows stay alive) or asynchronously (a window timer polls the port and hands complete
// messages, or single characters in terminal mode, to a callback), reports every port error
// through an error callback and can log all traffic to the dump file "ser_dump.txt".
//
// Principles of operation
//   - One thread, no thread of its own. Time-outs and polling come from the timer of a
//     toolkit window, the "frame": in mode 1 (synchronous) its timer callback is
//     TimeoutWhileRequest, in modes 0 (asynchronous) and 3 (terminal) LookForData, which
//     polls every lookup interval. The static callbacks act on g_pcoDriver.
//   - A synchronous read waits for the next event (data on the port, a timer, user input)
//     and handles it, so windows and buttons stay alive and no processor time is spent
//     spinning. Every synchronous read also keeps a deadline of its own: it ends after its
//     time-out even without a frame, and in modes 0 and 3 (where the frame's timer polls)
//     it pauses the polling for its duration and resumes it afterwards.
//   - Framing: a message is start byte, text, stop byte. A second start byte restarts the
//     message; bytes after the stop byte stay in the input queue for the next read. A
//     message holds at most kMaxMessage characters (the size of the port's input queue);
//     what comes beyond is dropped and the read goes on to the stop byte.
//   - One exchange at a time. While a synchronous read waits, the events it handles may try
//     to start another exchange (a timer, a click): every send, read and initialise is then
//     refused at once with the failure result, so the waiting read still gets its own reply.
//     The refusal is reported once, after the waiting read has ended, as "Port busy with
//     another exchange! Code: 11".
//   - Errors: every port error goes to the error callback as a text, ": " and the code of
//     the port layer (CSerialPort::Error), after pending input was discarded. A port that
//     fails while open (unplugged) is closed at once, so later operations find no port and
//     do nothing instead of failing again and again.
//
//   g_pcoDriver->set_window(main_window, CScanRepoIf::ReceivedError_CB,
//                           CScanRepoIf::ReceivedData_CB);
//   g_pcoDriver->initialise("COM1", "9600,N,8,1");   // mode text COM1: baud=9600 parity=N ...
//   g_pcoDriver->set_mode(1);
//   GwString reply = g_pcoDriver->WriteReadFramed("W0");   // sends 02 'W' '0' 03
#pragma once

#include "CLineSettings.h"
#include "CSerialPort.h"
#include "GwString.h"

#include <QPointer>

#include <chrono>
#include <fstream>
#include <functional>
#include <memory>

class GwCore;
class GwEvent;
class GwUD;
class QObject;

class CDriver {
public:
    using ErrorCallback = int (*)(const GwString& message);
    using ReceiveCallback = int (*)(const GwString& data);
    // Makes the port object for a port name (CSerialPort::Create unless replaced).
    using PortFactory = std::function<std::unique_ptr<CSerialPort>(const GwString& name)>;

    static constexpr unsigned char kSTX = 0x02;
    static constexpr unsigned char kETX = 0x03;
    static constexpr unsigned char kEOT = 0x04;
    static constexpr unsigned char kACK = 0x06;
    static constexpr unsigned char kPoll = 0x1E; // network poll byte
    static constexpr int kDefaultTimeout = 3000; // ms
    static constexpr int kDefaultLookup = 250;   // ms
    static constexpr int kMaxMessage = CSerialPort::kQueueSize;
    // WriteNetwork and ReadNetwork give up after this many polls without the awaited answer.
    static constexpr int kNetworkPolls = 10;
    // The code of "Port busy with another exchange!" (no port layer code has it).
    static constexpr int kBusy = 11;
    static const char* const kDumpFile; // "ser_dump.txt", in the working directory

    // All defaults (mode 0, state 0, time-out 3000 ms, lookup 250 ms, framing STX/ETX both
    // ways), no frame, no callbacks, no port. With dump non-zero "ser_dump.txt" is created
    // (replacing an earlier one) with the line "Kommunikation Scanner/ZEP Software:".
    explicit CDriver(int dump);
    // As above with a frame and both callbacks; LookForData is attached to the frame as its
    // timer callback, the timer is not started.
    CDriver(GwCore* frame, ErrorCallback error, ReceiveCallback receive, int dump);
    // Stops the frame's timer and removes its timer callback; closes the dump file and the
    // port.
    ~CDriver();
    CDriver(const CDriver&) = delete;
    CDriver& operator=(const CDriver&) = delete;

    // --- Setup ------------------------------------------------------------------------------
    // Detaches from the old frame (timer stopped, timer callback removed) and takes the new
    // frame and callbacks (nulls allowed). A new frame gets TimeoutWhileRequest in mode 1 and
    // LookForData otherwise; in every mode but 1 its timer starts with the lookup interval.
    // Always 1.
    int set_window(GwCore* frame, ErrorCallback error, ReceiveCallback receive);
    int set_receive_callback(ReceiveCallback receive); // 1
    // 0 without a frame (the mode stays). The current mode: purges (reset) and gives 1.
    // Another mode: stored; the frame's timer callback is replaced (LookForData for 0 and 3,
    // started with the lookup interval; TimeoutWhileRequest otherwise, timer stopped); then
    // reset; 1.
    int set_mode(unsigned char mode);
    int set_state(unsigned char state); // 1
    // On: state 1. Off: state 0, the frame's timer stops and a synchronous read in progress
    // ends (HandleTimeout). 1.
    int Enable(int on);
    int set_timeout(int ms); // longest silence of a synchronous read; 1
    int set_lookup(int ms);  // polling period from the next start of the timer; 1
    void SetStartTx(unsigned char byte) { m_ucStartTx = byte; }
    void SetStopTx(unsigned char byte) { m_ucStopTx = byte; }
    void SetStartRx(unsigned char byte) { m_ucStartRx = byte; }
    void SetStopRx(unsigned char byte) { m_ucStopRx = byte; }

    // Opens and configures the port; 1 when done. An open port is closed first. Refused (0)
    // while an exchange waits. The
    // settings text is baud rate, comma, parity letter, comma, data bits, comma, stop bits:
    // the baud rate is its leading number (blanks before the comma allowed), the others are
    // the single characters at comma + 1, + 3, + 5 (parity upper-cased). The mode text built
    // from them is kept (ModeText):
    //   ("COM1", "9600 ,n,8,1")  ->  "COM1: baud=9600 parity=N data=8 stop=1"
    // Failures, each reported through the error callback:
    //   "COM Port not available! Code"   the port cannot be opened; no port is open after it
    //   "COM Port Settings not supported by this version of Windows! Code"   the settings are
    //        malformed (code kUnsupported); the message ends with a line holding the mode text;
    //        the port stays open with its earlier line settings
    //   "SetCommState"                   the device refuses the settings (mode text follows)
    int initialise(const GwString& port, const GwString& settings);

    // --- Traffic ----------------------------------------------------------------------------
    // Sends the text up to its first zero byte, unchanged. Without a port, or while an
    // exchange waits, nothing happens (0). A write the port refuses is reported as "WriteFile" with
    // the port's code, the port is closed and the result is 0; 1 when sent. Logged as ">>" + bytes.
    int Write(const GwString& text);
    int WriteFramed(const GwString& text); // start byte + text + stop byte for sending
    int WriteACK();                        // the byte 0x06
    // Synchronous unframed read: everything that arrives within the time-out, which it always
    // waits out in full (at most kMaxMessage characters are kept). Never reports a time-out.
    // Without a port, or while an exchange waits: empty at once. Logged as "<<" + result.
    GwString Read();
    // Synchronous framed read (mode 1 only; other modes give empty at once): from the
    // last start byte to the stop byte, without both. Ends when the stop byte arrives, when
    // no byte has come for the time-out, or at the latest after the time-out plus the wire
    // time of kMaxMessage + 2 characters at the line's settings (a device that sends without
    // end cannot hold it: 3 s + 4.3 s at 9600 8N1). A time-out while enabled is reported as
    // "Connection timed out !: 0" and gives empty; while disabled it gives what arrived
    // since the last start byte. Port failures report "ClearCommError" or "ReadFile" and
    // give empty. Without a port: empty at once. Logged as "<<" + result.
    //   bytes 02 'A' 02 'B' 'C' 03 'D'  ->  "BC", 'D' stays for the next read
    GwString ReadFramed();
    // Without a port, or while an exchange waits: empty, nothing sent. Otherwise WriteFramed,
    // then (when the write went out) ReadFramed.
    GwString WriteReadFramed(const GwString& text);

    // Network station at address: polls with address + 0x1E and an unframed Read until the
    // reply begins with EOT, then sends address + 02 + data + 03 (no answer read). After
    // kNetworkPolls polls without EOT "Network station not answering! Polls" is reported with
    // the number of polls and nothing is sent.
    void WriteNetwork(const GwString& address, const GwString& data);
    // Polls as above until the reply holds 02; gives the reply without its first four and its
    // last character. After kNetworkPolls polls without 02: reported as above, empty result.
    GwString ReadNetwork(const GwString& address);

    // One asynchronous polling pass: every byte waiting is taken. Terminal mode (3) hands
    // each byte at once to the receive callback (a zero byte as an empty text); otherwise the
    // stop byte for receiving delivers the receive buffer to the callback and empties it, the
    // start byte empties it, other bytes are appended (at most kMaxMessage; more is dropped).
    // 0 without a port or after a port failure (reported), else 1.
    int LookCom();
    // Empties the receive buffer and purges both port queues; 0 without a port, else 1.
    int reset();
    // 1 when the receive buffer held something, else 0; empties it.
    int clear_buffer();
    int HandleTimeout(); // sets the time-out-reached flag; 1

    // --- Queries ----------------------------------------------------------------------------
    unsigned char GetMode() const { return m_ucMode; }
    unsigned char GetState() const { return m_ucState; }
    int IsSynchronMode() const { return m_ucMode == 1 ? 1 : 0; }
    int IsTerminalMode() const { return m_ucMode == 3 ? 1 : 0; }
    int IsEnabled() const { return m_ucState == 1 ? 1 : 0; }
    int Timeout() const { return m_iTimeout; }
    int Lookup() const { return m_iLookup; }
    int TimeoutReached() const { return m_iTimeoutReached; }
    GwCore* GetFrame() const; // null also when the frame's window is gone
    unsigned char GetStartTx() const { return m_ucStartTx; }
    unsigned char GetStopTx() const { return m_ucStopTx; }
    unsigned char GetStartRx() const { return m_ucStartRx; }
    unsigned char GetStopRx() const { return m_ucStopRx; }
    int PortOpen() const { return m_pPort ? 1 : 0; }
    // The line settings the last successful initialise applied.
    const CLineSettings& Line() const { return m_oLine; }
    // The mode text of the last initialise ("COM1: baud=9600 parity=N data=8 stop=1").
    const GwString& ModeText() const { return m_sModeText; }
    // 1 when the last ReadFramed ended at a stop byte and kept every character of the
    // message; 0 after a time-out, a port failure, a message cut at kMaxMessage, or a read
    // in another mode.
    int ReplyComplete() const { return m_iReplyComplete; }
    // Number of errors reported through CallError_CB so far (a caller can tell whether a
    // step already told the user).
    long ErrorCount() const { return m_lErrorCount; }

    // The callbacks of the frame's timer, in the toolkit's form; both act on g_pcoDriver.
    // LookForData: stops the window's timer, runs LookCom and, unless the mode is 1, starts
    // the timer again with the lookup interval. TimeoutWhileRequest: stops the timer and
    // calls HandleTimeout. Both give 0 for a null window, else 1.
    static int LookForData(GwCore* window, GwEvent* event, const GwUD& data);
    static int TimeoutWhileRequest(GwCore* window, GwEvent* event, const GwUD& data);

    // Replaces how ports are made (tests and fuzz targets hand in scripted ports); an empty
    // function restores CSerialPort::Create.
    static void SetPortFactory(PortFactory factory);

protected:
    // Frames text in place (start byte + text + stop byte for sending) and gives the copy.
    GwString PackData(GwString& text) const;
    // Discards pending input (reset); without an error callback 0; otherwise hands it
    // text + ": " + code (+ "\n" + detail when detail is not empty) and gives its result.
    int CallError_CB(const GwString& text, int code, const GwString& detail = GwString());
    int CallReceive_CB(const GwString& data); // 0 without a receive callback
    // Handles what is pending, waiting at most max_ms for the next event when nothing is.
    void EmulateMultitask(int max_ms);
    // Purges and closes the port; a failing close while enabled reports "CloseComm".
    void DeleteDevice();

private:
    using Clock = std::chrono::steady_clock;

    void attach_timer_callback();
    void detach_frame();
    // Starts the time-out of a synchronous read: the frame's timer in mode 1, the deadline
    // always. In other modes the frame's polling timer is paused.
    void start_read_timeout();
    void restart_read_timeout();
    void end_read_timeout();
    // Waits for the next event until the deadline; sets the flag when it has passed.
    void wait_for_data();
    // 1 (and counted) while an exchange waits: the caller gives its failure result.
    int refused();
    // Ends the exchange of a synchronous read and reports what was refused during it.
    void end_exchange();
    GwString read_framed();
    GwString read_unframed();
    // Status query of the port: bytes waiting, or -1 after reporting the failure.
    int bytes_waiting();
    // Reads one byte; 0 after reporting the failure.
    int read_byte(unsigned char& byte);
    void port_failed(const char* text);
    void dump(const char* direction, const GwString& text);

    GwCore* m_pFrame = nullptr;
    QPointer<QObject> m_oFrameObject; // tells whether the frame's window still exists
    std::unique_ptr<CSerialPort> m_pPort;
    unsigned char m_ucStartTx = kSTX;
    unsigned char m_ucStopTx = kETX;
    unsigned char m_ucStartRx = kSTX;
    unsigned char m_ucStopRx = kETX;
    unsigned char m_ucMode = 0;
    unsigned char m_ucState = 0;
    int m_iTimeout = kDefaultTimeout;
    int m_iLookup = kDefaultLookup;
    GwString m_sRecBuffer;
    ErrorCallback m_pErrorCB = nullptr;
    ReceiveCallback m_pReceiveCB = nullptr;
    CLineSettings m_oLine; // applied to the port by the last initialise
    GwString m_sModeText;
    int m_iTimeoutReached = 0;
    std::ofstream m_oDump;
    int m_iDump = 0;

    int m_iReplyComplete = 0;
    long m_lErrorCount = 0;
    Clock::time_point m_oDeadline; // the time-out of the silence
    Clock::time_point m_oReadEnd;  // the latest end of the read
    bool m_bInExchange = false;    // a synchronous read is waiting
    int m_iRefused = 0;            // sends and reads refused during it
    bool m_bPollingPaused = false;
};

// The one driver of the process (created by the program start, or by CScanRepoIf).
extern CDriver* g_pcoDriver;
