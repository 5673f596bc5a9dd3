#include "CPtyServer.h"

#include "CLineSettings.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr long long kNsPerMs = 1000000;

int baud_of(speed_t speed) {
    switch (speed) {
    case B300:
        return 300;
    case B600:
        return 600;
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    default:
        return 0;
    }
}

speed_t speed_of(int baud) {
    switch (baud) {
    case 300:
        return B300;
    case 600:
        return B600;
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    default:
        return B9600;
    }
}

} // namespace

CPtyServer::CPtyServer(const CSimOptions& options) : m_device(options) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { send_due(); });
}

CPtyServer::~CPtyServer() {
    close_all();
}

long long CPtyServer::now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void CPtyServer::close_all() {
    m_notifier.reset();
    m_timer.stop();
    if (m_iOwnSlave >= 0)
        ::close(m_iOwnSlave);
    if (m_iMaster >= 0)
        ::close(m_iMaster);
    m_iOwnSlave = -1;
    m_iMaster = -1;
}

int CPtyServer::Start(GwString& error) {
    m_iMaster = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_iMaster < 0 || grantpt(m_iMaster) != 0 || unlockpt(m_iMaster) != 0) {
        error = GwString("cannot create a pseudo-terminal: ") + std::strerror(errno);
        close_all();
        return 0;
    }
    const char* slave = ptsname(m_iMaster);
    if (!slave) {
        error = GwString("no slave device: ") + std::strerror(errno);
        close_all();
        return 0;
    }
    m_sSlave = slave;
    m_iOwnSlave = ::open(slave, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_iOwnSlave < 0) {
        error = GwString("cannot open ") + slave + ": " + std::strerror(errno);
        close_all();
        return 0;
    }
    // Raw line at the scanner's speed until the program sets its own.
    termios tio{};
    if (tcgetattr(m_iOwnSlave, &tio) == 0) {
        cfmakeraw(&tio);
        cfsetispeed(&tio, speed_of(m_device.Line().m_iBaud));
        cfsetospeed(&tio, speed_of(m_device.Line().m_iBaud));
        if (m_device.Line().m_iStopBits == 2)
            tio.c_cflag |= CSTOPB;
        tcsetattr(m_iOwnSlave, TCSANOW, &tio);
    }
    fcntl(m_iMaster, F_SETFL, fcntl(m_iMaster, F_GETFL) | O_NONBLOCK);
    m_notifier = std::make_unique<QSocketNotifier>(m_iMaster, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { readable(); });
    return 1;
}

void CPtyServer::readable() {
    unsigned char buffer[4096];
    const ssize_t n = ::read(m_iMaster, buffer, sizeof buffer);
    if (n <= 0)
        return; // EAGAIN, or nothing: wait for the next notification
    // The settings the program has applied on its side, as far as a pseudo-terminal has them.
    termios tio{};
    if (tcgetattr(m_iMaster, &tio) == 0)
        m_device.SetHostLine(
            CLineSettings(baud_of(cfgetospeed(&tio)), '\0', 0, (tio.c_cflag & CSTOPB) ? 2 : 1));
    const CLineSettings& line = m_device.Line();
    const bool wire = m_device.Options().m_bWireTime;
    const long long charNs =
        wire ? static_cast<long long>(line.CharBits()) * 1000000000LL / line.m_iBaud : 0;
    // A pseudo-terminal hands the bytes over at once; on the line each takes its wire time,
    // one after the other, and the scanner acts on a command once its last byte is in.
    long long arrived = std::max(now(), m_llLineInFree);
    for (ssize_t i = 0; i < n; ++i) {
        arrived += charNs;
        m_llLineInFree = arrived;
        CSimScanner::Output out;
        if (m_device.Receive(buffer[i], out)) {
            if (!out.sBytes.empty()) {
                long long at = std::max(arrived + out.iDelayMs * kNsPerMs, m_llDeviceFree);
                for (char c : out.sBytes) {
                    at += charNs;
                    m_out.push_back({at, static_cast<unsigned char>(c)});
                }
                m_llDeviceFree = at;
            }
            m_llDeviceFree = std::max(m_llDeviceFree, arrived + out.iBusyMs * kNsPerMs);
        }
        if (m_device.Vanished())
            break;
    }
    arm();
}

void CPtyServer::arm() {
    if (m_out.empty()) {
        if (m_device.Vanished() && !m_bVanishing) {
            m_bVanishing = true;
            vanish_when_read();
        }
        return;
    }
    // Timers count whole milliseconds: a byte goes out at the nearest one to its moment, so
    // the replies are neither late nor early on average (rounding up would make every reply
    // up to 1 ms late, a bias of several per cent at 38400 baud).
    const long long wait = m_out.front().llAt - now();
    const long long ms =
        wait <= 0 ? 0 : std::min<long long>((wait + kNsPerMs / 2) / kNsPerMs, INT_MAX);
    m_timer.start(static_cast<int>(ms));
}

void CPtyServer::send_due() {
    const long long t = now();
    std::string bytes;
    while (!m_out.empty() && m_out.front().llAt <= t + kNsPerMs / 2) {
        bytes += static_cast<char>(m_out.front().byte);
        m_out.pop_front();
    }
    if (!bytes.empty() && m_iMaster >= 0) {
        // A full input queue on the other side loses the rest, as a real line would.
        const ssize_t written = ::write(m_iMaster, bytes.data(), bytes.size());
        (void)written;
        m_llLastWrite = t;
    }
    arm();
}

void CPtyServer::vanish_when_read() {
    // Closing the master throws away what the other side has not read yet; the last reply
    // before vanishing should still arrive whole. Wait (at most 5 s) until it was read. The
    // kernel hands written bytes on to the slave side a moment later, so a queue seen empty
    // right after the write proves nothing: give it 100 ms.
    int waiting = 0;
    const bool unread =
        m_iOwnSlave >= 0 && ioctl(m_iOwnSlave, FIONREAD, &waiting) == 0 && waiting > 0;
    const bool recent = now() - m_llLastWrite < 100 * kNsPerMs;
    if ((unread || recent) && ++m_iDrainPolls < 500) {
        QTimer::singleShot(10, &m_timer, [this] { vanish_when_read(); });
        return;
    }
    vanish();
}

void CPtyServer::vanish() {
    std::fprintf(stderr, "zepsim: the scanner has vanished\n");
    close_all();
    QCoreApplication::exit(0);
}
