#include "CSimPort.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<CSimScanner> s_device;
CSimPort* s_open = nullptr; // the open "SIM" port: there is only one line to the scanner
std::function<long long()> s_clock;

constexpr long long kNsPerMs = 1000000;
constexpr long long kChunkMs = 100; // longest wait for bytes that are arriving

// "SIM" is a built-in port of the driver's port layer, which lives below this folder.
[[maybe_unused]] const int s_registered =
    CSerialPort::RegisterBuiltIn("SIM", [] { return std::unique_ptr<CSerialPort>(new CSimPort); });

long long char_ns(const CLineSettings& line, bool wire) {
    if (!wire || line.m_iBaud <= 0)
        return 0;
    return static_cast<long long>(line.CharBits()) * 1000000000LL / line.m_iBaud;
}

} // namespace

CSimPort::CSimPort() {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    // Firing is what wakes a waiting event loop; the handler only sets the next wake-up.
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { arm_timer(); });
    open_wake();
}

CSimPort::~CSimPort() {
    if (m_bOpen)
        Close();
    close_wake();
}

void CSimPort::wake_in(long long ns) {
    if (precise_wake(ns))
        return;
    if (ns < 0) {
        m_timer.stop();
        return;
    }
    // Rounded up, so that the reply is there when the timer fires; should it still fire a
    // little early, the handler sets it again for the rest.
    m_timer.start(static_cast<int>(std::min<long long>((ns + kNsPerMs - 1) / kNsPerMs, INT_MAX)));
}

CSimScanner& CSimPort::Device() {
    if (!s_device) {
        CSimOptions options;
        if (const char* env = std::getenv("ZEP_SIM")) {
            GwString error;
            CSimOptions parsed;
            if (parsed.Parse(env, error))
                options = parsed;
            else
                std::fprintf(stderr,
                             "ZEP_SIM: %s; the simulated scanner starts with its factory "
                             "settings\n",
                             error.cc());
        }
        s_device = std::make_unique<CSimScanner>(options);
    }
    return *s_device;
}

void CSimPort::ResetDevice(const CSimOptions& options) {
    s_device = std::make_unique<CSimScanner>(options);
    if (s_open) {
        s_open->forget_wire();
        s_open->apply_host_line();
    }
}

void CSimPort::ResetDevice() {
    s_device.reset();
    if (s_open) {
        s_open->forget_wire();
        s_open->apply_host_line();
    }
}

void CSimPort::SetClock(std::function<long long()> clock) {
    s_clock = std::move(clock);
}

long long CSimPort::Now() {
    if (s_clock)
        return s_clock();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int CSimPort::fail(int code) {
    m_iLastError = code;
    return 0;
}

void CSimPort::forget_wire() {
    m_queue.clear();
    m_wire.clear();
    m_replyEnds.clear();
    m_llHostFree = 0;
    m_llDeviceFree = 0;
    m_llVanishAt = -1;
    wake_in(-1);
}

void CSimPort::apply_host_line() {
    Device().SetHostLine(m_oLine);
}

int CSimPort::Open(const GwString& name) {
    if (m_bOpen)
        return fail(kOpen);
    if (name.to_upper() != "SIM")
        return fail(kDeviceNotFound);
    if (s_open)
        return fail(kPermission);
    if (Device().Vanished())
        return fail(kDeviceNotFound);
    s_open = this;
    m_bOpen = true;
    m_bFailed = false;
    forget_wire();
    // A freshly opened port runs at 9600,N,8,1 until told otherwise.
    m_oLine = CLineSettings(9600, 'N', 8, 1);
    apply_host_line();
    return 1;
}

int CSimPort::SetLine(const CLineSettings& line) {
    if (!m_bOpen)
        return fail(kNotOpen);
    if (m_bFailed)
        return 0;
    if (!line.IsValid())
        return fail(kUnsupported);
    m_oLine = line;
    m_oLine.m_cParity = static_cast<char>(line.m_cParity & ~0x20);
    apply_host_line();
    return 1;
}

int CSimPort::vanished(long long now) {
    if (m_bFailed)
        return 1;
    if (m_llVanishAt < 0 || now < m_llVanishAt)
        return 0;
    // The scanner is gone, and with it the port: like a USB adapter pulled out. What had
    // arrived before stays readable.
    take_arrived(m_llVanishAt);
    m_bFailed = true;
    m_iLastError = kResource;
    m_wire.clear();
    m_replyEnds.clear();
    wake_in(-1);
    return 1;
}

void CSimPort::take_arrived(long long now) {
    while (!m_wire.empty() && m_wire.front().llAt <= now) {
        if (static_cast<int>(m_queue.size()) < kQueueSize)
            m_queue.push_back(m_wire.front().byte);
        // else lost: the input queue is full
        m_wire.pop_front();
    }
}

void CSimPort::arm_timer() {
    if (!m_bOpen || m_bFailed)
        return;
    const long long now = Now();
    while (!m_replyEnds.empty() && m_replyEnds.front() <= now)
        m_replyEnds.pop_front();
    long long next = m_replyEnds.empty() ? LLONG_MAX : m_replyEnds.front();
    // A real port wakes its reader with every chunk it takes in; a long reply must not look
    // like silence until its end.
    if (!m_wire.empty())
        next = std::min(next, std::max(m_wire.front().llAt, now + kChunkMs * kNsPerMs));
    if (m_llVanishAt >= 0 && m_llVanishAt > now)
        next = std::min(next, m_llVanishAt);
    wake_in(next == LLONG_MAX ? -1 : next - now);
}

int CSimPort::BytesWaiting() {
    if (!m_bOpen) {
        fail(kNotOpen);
        return -1;
    }
    const long long now = Now();
    if (vanished(now))
        return m_queue.empty() ? -1 : static_cast<int>(m_queue.size());
    take_arrived(now);
    return static_cast<int>(m_queue.size());
}

int CSimPort::ReadByte(unsigned char& byte) {
    if (!m_bOpen)
        return fail(kNotOpen);
    const long long now = Now();
    if (!vanished(now) && m_queue.empty())
        take_arrived(now);
    if (m_queue.empty())
        return m_bFailed ? 0 : fail(kRead);
    byte = m_queue.front();
    m_queue.pop_front();
    return 1;
}

int CSimPort::Write(const char* data, int length) {
    if (!m_bOpen)
        return fail(kNotOpen);
    const long long now = Now();
    if (vanished(now))
        return 0;
    CSimScanner& device = Device();
    const bool wire = device.Options().m_bWireTime;
    const long long hostChar = char_ns(m_oLine, wire);
    const long long deviceChar = char_ns(device.Line(), wire);
    for (int i = 0; i < length; ++i) {
        const long long arrived = std::max(now, m_llHostFree) + hostChar;
        m_llHostFree = arrived;
        if (m_llVanishAt >= 0)
            continue; // nobody listens any more
        CSimScanner::Output out;
        if (device.Receive(static_cast<unsigned char>(data[i]), out)) {
            if (!out.sBytes.empty()) {
                const long long start = std::max(arrived + out.iDelayMs * kNsPerMs, m_llDeviceFree);
                long long at = start;
                for (char c : out.sBytes) {
                    at += deviceChar;
                    m_wire.push_back({at, static_cast<unsigned char>(c)});
                }
                m_llDeviceFree = at;
                m_replyEnds.push_back(at);
            }
            // Commands after a busy one ("M2") are answered once it is done.
            m_llDeviceFree = std::max(m_llDeviceFree, arrived + out.iBusyMs * kNsPerMs);
        }
        if (device.Vanished())
            m_llVanishAt = std::max(arrived, m_llDeviceFree);
    }
    arm_timer();
    return 1;
}

int CSimPort::Purge() {
    if (!m_bOpen)
        return fail(kNotOpen);
    const long long now = Now();
    if (!vanished(now))
        take_arrived(now);
    m_queue.clear(); // what is still on the wire arrives later, as on a real line
    return 1;
}

int CSimPort::Close() {
    if (!m_bOpen)
        return fail(kNotOpen);
    forget_wire();
    m_bOpen = false;
    m_bFailed = false;
    if (s_open == this)
        s_open = nullptr;
    return 1;
}
