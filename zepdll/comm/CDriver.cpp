// The serial driver: port setup, framing, synchronous and asynchronous reception, error
// reports and the dump file.
#include "CDriver.h"

#include "GwCallback.h"
#include "GwCore.h"
#include "GwEventLoop.h"
#include "GwPath.h"
#include "GwWaitObject.h"

#include <QLoggingCategory>

#include <algorithm>
#include <climits>

CDriver* g_pcoDriver = nullptr;

const char* const CDriver::kDumpFile = "ser_dump.txt";

namespace {

Q_LOGGING_CATEGORY(lcComm, "zep.comm", QtWarningMsg)

CDriver::PortFactory& port_factory() {
    static CDriver::PortFactory factory;
    return factory;
}

std::unique_ptr<CSerialPort> make_port(const GwString& name) {
    if (port_factory())
        return port_factory()(name);
    return CSerialPort::Create(name);
}

// GwCore timers take an unsigned 16-bit count.
unsigned short timer_ms(int ms) {
    return static_cast<unsigned short>(std::clamp(ms, 0, 65535));
}

} // namespace

CDriver::CDriver(int dump) : m_iDump(dump) {
    if (m_iDump != 0) {
        m_oDump.open(GwPath::resolve(kDumpFile), std::ios::out | std::ios::trunc);
        if (m_oDump)
            m_oDump << "Kommunikation Scanner/ZEP Software:" << std::endl;
    }
}

CDriver::CDriver(GwCore* frame, ErrorCallback error, ReceiveCallback receive, int dump)
    : CDriver(dump) {
    m_pFrame = frame;
    m_oFrameObject = frame != nullptr ? frame->object() : nullptr;
    m_pErrorCB = error;
    m_pReceiveCB = receive;
    attach_timer_callback();
}

CDriver::~CDriver() {
    detach_frame();
    if (m_oDump.is_open())
        m_oDump.close();
    if (m_pPort)
        m_pPort->Close();
}

void CDriver::SetPortFactory(PortFactory factory) {
    port_factory() = std::move(factory);
}

GwCore* CDriver::GetFrame() const {
    return m_oFrameObject.isNull() ? nullptr : m_pFrame;
}

void CDriver::attach_timer_callback() {
    GwCore* frame = GetFrame();
    if (frame == nullptr)
        return;
    frame->set_callback(GwCallback(GwCB_TIMER, m_ucMode == 1 ? TimeoutWhileRequest : LookForData));
}

void CDriver::detach_frame() {
    if (GwCore* frame = GetFrame()) {
        frame->stop_timer();
        frame->remove_callback(GwCB_TIMER);
    }
    m_pFrame = nullptr;
    m_oFrameObject = nullptr;
    m_bPollingPaused = false;
}

int CDriver::set_window(GwCore* frame, ErrorCallback error, ReceiveCallback receive) {
    detach_frame();
    m_pFrame = frame;
    m_oFrameObject = frame != nullptr ? frame->object() : nullptr;
    m_pErrorCB = error;
    m_pReceiveCB = receive;
    if (GwCore* f = GetFrame()) {
        attach_timer_callback();
        if (m_ucMode != 1)
            f->start_timer(timer_ms(m_iLookup));
    }
    return 1;
}

int CDriver::set_receive_callback(ReceiveCallback receive) {
    m_pReceiveCB = receive;
    return 1;
}

int CDriver::set_mode(unsigned char mode) {
    GwCore* frame = GetFrame();
    if (frame == nullptr)
        return 0;
    if (mode == m_ucMode) {
        reset();
        return 1;
    }
    m_ucMode = mode;
    frame->stop_timer();
    frame->remove_callback(GwCB_TIMER);
    m_bPollingPaused = false;
    if (mode == 0 || mode == 3) {
        frame->set_callback(GwCallback(GwCB_TIMER, LookForData));
        frame->start_timer(timer_ms(m_iLookup));
    } else {
        frame->set_callback(GwCallback(GwCB_TIMER, TimeoutWhileRequest));
    }
    reset();
    return 1;
}

int CDriver::set_state(unsigned char state) {
    m_ucState = state;
    return 1;
}

int CDriver::Enable(int on) {
    if (on != 0) {
        m_ucState = 1;
        return 1;
    }
    m_ucState = 0;
    if (GwCore* frame = GetFrame())
        frame->stop_timer();
    m_bPollingPaused = false; // a read in progress must not start the polling again
    HandleTimeout();
    return 1;
}

int CDriver::set_timeout(int ms) {
    m_iTimeout = ms;
    return 1;
}

int CDriver::set_lookup(int ms) {
    m_iLookup = ms;
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Opening the port

void CDriver::DeleteDevice() {
    if (!m_pPort)
        return;
    m_pPort->Purge();
    const int closed = m_pPort->Close();
    const int code = m_pPort->LastError();
    m_pPort.reset();
    if (!closed && m_ucState == 1)
        CallError_CB("CloseComm", code);
}

int CDriver::initialise(const GwString& port, const GwString& settings) {
    if (refused())
        return 0; // the exchange in progress waits on the open port
    if (m_pPort)
        DeleteDevice();

    std::unique_ptr<CSerialPort> device = make_port(port);
    if (!device || !device->Open(port)) {
        const int code = device ? device->LastError() : CSerialPort::kDeviceNotFound;
        CallError_CB("COM Port not available! Code", code);
        return 0;
    }
    m_pPort = std::move(device);

    // The settings text as the port dialogs and the auto-baud table write it: "9600,N,8,1",
    // "2400 ,E,7,2".
    const CLineSettings line = CLineSettings::Parse(settings);
    m_sModeText = CLineSettings::ModeText(port, settings);
    qCInfo(lcComm, "initialise %s", m_sModeText.cc());
    if (!line.IsValid()) {
        CallError_CB("COM Port Settings not supported by this version of Windows! Code",
                     CSerialPort::kUnsupported, m_sModeText);
        return 0;
    }
    if (!m_pPort->SetLine(line)) {
        CallError_CB("SetCommState", m_pPort->LastError(), m_sModeText);
        return 0;
    }
    m_oLine = line;
    m_pPort->Purge();
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Sending

GwString CDriver::PackData(GwString& text) const {
    text.prepend(GwString(static_cast<char>(m_ucStartTx), 1));
    text += static_cast<char>(m_ucStopTx);
    return text;
}

int CDriver::Write(const GwString& text) {
    if (!m_pPort || refused())
        return 0;
    const int zero = text.first('\0');
    const GwString bytes = zero >= 0 ? text(0, zero - 1) : text;
    dump(">>", bytes);
    if (m_pPort->Write(bytes.cc(), bytes.len()))
        return 1;
    port_failed("WriteFile");
    return 0;
}

int CDriver::WriteFramed(const GwString& text) {
    GwString framed = text;
    return Write(PackData(framed));
}

int CDriver::WriteACK() {
    return Write(GwString(static_cast<char>(kACK), 1));
}

GwString CDriver::WriteReadFramed(const GwString& text) {
    if (!m_pPort || refused())
        return GwString();
    if (!WriteFramed(text)) {
        m_iReplyComplete = 0;
        return GwString();
    }
    return ReadFramed();
}

// ---------------------------------------------------------------------------------------------
// Receiving

void CDriver::port_failed(const char* text) {
    // A port whose status query, read or write fails is gone (unplugged) or unusable; it is
    // closed so that later calls find no port instead of failing again.
    const int code = m_pPort ? m_pPort->LastError() : CSerialPort::kNotOpen;
    if (m_pPort) {
        reset(); // an error discards pending input, also what came before the failure
        m_pPort->Close();
        m_pPort.reset();
    }
    CallError_CB(text, code);
}

int CDriver::bytes_waiting() {
    if (!m_pPort)
        return -1;
    const int waiting = m_pPort->BytesWaiting();
    if (waiting < 0)
        port_failed("ClearCommError");
    return waiting;
}

int CDriver::read_byte(unsigned char& byte) {
    if (m_pPort && m_pPort->ReadByte(byte))
        return 1;
    port_failed("ReadFile");
    return 0;
}

void CDriver::start_read_timeout() {
    m_iTimeoutReached = 0;
    GwCore* frame = GetFrame();
    if (frame != nullptr) {
        frame->stop_timer();
        if (m_ucMode == 1)
            frame->start_timer(timer_ms(m_iTimeout));
        else
            m_bPollingPaused = true; // LookForData would take the bytes this read waits for
    }
    m_oDeadline = Clock::now() + std::chrono::milliseconds(std::max(m_iTimeout, 0));
    m_oReadEnd = m_oDeadline;
}

void CDriver::restart_read_timeout() {
    GwCore* frame = GetFrame();
    if (frame != nullptr && m_ucMode == 1)
        frame->start_timer(timer_ms(m_iTimeout));
    m_oDeadline = Clock::now() + std::chrono::milliseconds(std::max(m_iTimeout, 0));
}

void CDriver::end_read_timeout() {
    GwCore* frame = GetFrame();
    if (frame == nullptr) {
        m_bPollingPaused = false;
        return;
    }
    if (m_ucMode == 1) {
        frame->stop_timer();
    } else if (m_bPollingPaused) {
        frame->start_timer(timer_ms(m_iLookup));
    }
    m_bPollingPaused = false;
}

void CDriver::EmulateMultitask(int max_ms) {
    GwEventLoop::wait_for_events(max_ms);
}

void CDriver::wait_for_data() {
    const Clock::time_point end = std::min(m_oDeadline, m_oReadEnd);
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          end - Clock::now() + std::chrono::microseconds(999))
                          .count();
    if (left > 0)
        EmulateMultitask(static_cast<int>(std::min<long long>(left, INT_MAX)));
    if (Clock::now() >= end)
        HandleTimeout();
}

int CDriver::refused() {
    if (!m_bInExchange)
        return 0;
    ++m_iRefused;
    return 1;
}

void CDriver::end_exchange() {
    // Reported only now: an error box shown inside the wait would hold the exchange beyond
    // its time-out. Whatever tries to send while the box is up is refused without a report.
    if (m_iRefused > 0 && m_pErrorCB != nullptr) {
        ++m_lErrorCount;
        m_pErrorCB(GwString("Port busy with another exchange! Code: ") + GwString(kBusy));
    }
    m_iRefused = 0;
    m_bInExchange = false;
}

GwString CDriver::ReadFramed() {
    if (refused())
        return GwString();
    m_iTimeoutReached = 0;
    m_iReplyComplete = 0;
    if (m_ucMode != 1 || !m_pPort)
        return GwString();
    m_bInExchange = true;
    GwString result = read_framed();
    end_exchange();
    return result;
}

GwString CDriver::read_framed() {
    GwString result;
    start_read_timeout();
    // However the bytes keep coming, the read ends once the longest message could have come
    // down the line.
    m_oReadEnd = m_oDeadline + std::chrono::milliseconds(m_oLine.WireMs(kMaxMessage + 2));
    bool cut = false;
    bool complete = false;
    int waiting = bytes_waiting();
    while (waiting >= 0) {
        if (waiting == 0) {
            wait_for_data();
        } else {
            unsigned char byte = 0;
            if (!read_byte(byte)) {
                waiting = -1;
                break;
            }
            if (byte == m_ucStopRx) {
                complete = true;
                break;
            }
            if (byte == m_ucStartRx) {
                result.clear();
                cut = false;
            } else {
                if (result.len() < kMaxMessage)
                    result += static_cast<char>(byte);
                else
                    cut = true;
                restart_read_timeout();
                if (Clock::now() >= m_oReadEnd)
                    HandleTimeout();
            }
        }
        if (m_iTimeoutReached)
            break;
        waiting = bytes_waiting();
    }
    end_read_timeout();
    if (waiting < 0)
        return GwString(); // ended by a port error: reported, not logged

    if (!complete && m_iTimeoutReached && m_ucState == 1) {
        CallError_CB("Connection timed out !", 0);
        result.clear();
    }
    m_iReplyComplete = complete && !cut ? 1 : 0;
    dump("<<", result);
    return result;
}

GwString CDriver::Read() {
    if (refused())
        return GwString();
    m_iTimeoutReached = 0;
    if (!m_pPort)
        return GwString();
    m_bInExchange = true;
    GwString result = read_unframed();
    end_exchange();
    return result;
}

GwString CDriver::read_unframed() {
    GwString result;
    start_read_timeout();
    int waiting = bytes_waiting();
    while (waiting >= 0) {
        if (waiting == 0) {
            wait_for_data();
        } else {
            unsigned char byte = 0;
            if (!read_byte(byte)) {
                waiting = -1;
                break;
            }
            if (result.len() < kMaxMessage)
                result += static_cast<char>(byte);
        }
        if (m_iTimeoutReached) {
            // What arrived while the last wait ran belongs to this read, although the time-out
            // ended the wait before it could be taken; what comes later does not.
            for (int left = bytes_waiting(); left != 0 && waiting >= 0; --left) {
                unsigned char byte = 0;
                if (left < 0 || !read_byte(byte))
                    waiting = -1;
                else if (result.len() < kMaxMessage)
                    result += static_cast<char>(byte);
            }
            break;
        }
        waiting = bytes_waiting();
    }
    end_read_timeout();
    if (waiting < 0)
        return GwString();
    dump("<<", result);
    return result;
}

int CDriver::LookCom() {
    if (!m_pPort)
        return 0;
    int waiting = bytes_waiting();
    if (waiting < 0)
        return 0;
    while (waiting > 0) {
        unsigned char byte = 0;
        if (!read_byte(byte))
            return 0;
        if (m_ucMode == 3) {
            CallReceive_CB(byte != 0 ? GwString(static_cast<char>(byte), 1) : GwString());
        } else if (byte == m_ucStopRx) {
            // The callback may start a synchronous exchange; it gets its own copy.
            const GwString message = m_sRecBuffer;
            m_sRecBuffer.clear();
            CallReceive_CB(message);
        } else if (byte == m_ucStartRx) {
            m_sRecBuffer.clear();
        } else if (m_sRecBuffer.len() < kMaxMessage) {
            // A device that never sends a stop byte must not grow the buffer without end.
            m_sRecBuffer += static_cast<char>(byte);
        }
        if (!m_pPort)
            return 0; // the callback closed the port (an error box, a new connection)
        waiting = bytes_waiting();
        if (waiting < 0)
            return 0;
    }
    return 1;
}

int CDriver::reset() {
    if (!m_pPort)
        return 0;
    m_sRecBuffer.clear();
    m_pPort->Purge();
    return 1;
}

int CDriver::clear_buffer() {
    const int had = m_sRecBuffer.not_null();
    m_sRecBuffer.clear();
    return had;
}

int CDriver::HandleTimeout() {
    m_iTimeoutReached = 1;
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Network stations

void CDriver::WriteNetwork(const GwString& address, const GwString& data) {
    GwWaitObject wait;
    const GwString poll = address + static_cast<char>(kPoll);
    char first = '\0';
    int polls = 0;
    while (first != static_cast<char>(kEOT)) {
        if (polls == kNetworkPolls) {
            CallError_CB("Network station not answering! Polls", polls);
            return;
        }
        if (!Write(poll))
            return; // no port, or it failed (reported)
        ++polls;
        const GwString reply = Read();
        if (reply.not_null())
            first = reply[0];
    }
    Write(address + static_cast<char>(kSTX) + data + static_cast<char>(kETX));
}

GwString CDriver::ReadNetwork(const GwString& address) {
    GwWaitObject wait;
    const GwString poll = address + static_cast<char>(kPoll);
    GwString reply;
    int polls = 0;
    while (reply.first(static_cast<char>(kSTX)) < 0) {
        if (polls == kNetworkPolls) {
            CallError_CB("Network station not answering! Polls", polls);
            return GwString();
        }
        if (!Write(poll))
            return GwString();
        ++polls;
        reply = Read();
    }
    return reply(4, reply.len() - 2);
}

// ---------------------------------------------------------------------------------------------
// Callbacks and the dump file

int CDriver::CallError_CB(const GwString& text, int code, const GwString& detail) {
    reset();
    ++m_lErrorCount;
    if (m_pErrorCB == nullptr)
        return 0;
    GwString message = text + ": " + GwString(code);
    if (detail.not_null())
        message += "\n" + detail;
    return m_pErrorCB(message);
}

int CDriver::CallReceive_CB(const GwString& data) {
    if (m_pReceiveCB == nullptr)
        return 0;
    const GwString copy = data;
    return m_pReceiveCB(copy);
}

void CDriver::dump(const char* direction, const GwString& text) {
    if (m_iDump == 0 || !m_oDump.is_open() || text.is_empty())
        return;
    m_oDump << direction;
    m_oDump.write(text.str().data(), static_cast<std::streamsize>(text.len()));
    m_oDump << std::endl; // flushed: the file must be complete when the program dies
}

int CDriver::LookForData(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (window == nullptr)
        return 0;
    window->stop_timer();
    if (g_pcoDriver != nullptr) {
        g_pcoDriver->LookCom();
        if (g_pcoDriver->GetMode() != 1)
            window->start_timer(timer_ms(g_pcoDriver->Lookup()));
    }
    return 1;
}

int CDriver::TimeoutWhileRequest(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (window == nullptr)
        return 0;
    window->stop_timer();
    if (g_pcoDriver != nullptr)
        g_pcoDriver->HandleTimeout();
    return 1;
}
