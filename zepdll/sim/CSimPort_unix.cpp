// The Unix part of the simulated port: on Linux a timer descriptor wakes a waiting event loop
// when a reply is complete. A Qt timer counts whole milliseconds, half a millisecond too late
// on average for every reply.
#include "CSimPort.h"

#include <algorithm>
#include <cstdint>

#if defined(__linux__)
#include <sys/timerfd.h>
#include <unistd.h>
#endif

void CSimPort::open_wake() {
#if defined(__linux__)
    m_iWakeFd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_iWakeFd < 0)
        return;
    m_pWake = std::make_unique<QSocketNotifier>(m_iWakeFd, QSocketNotifier::Read);
    QObject::connect(m_pWake.get(), &QSocketNotifier::activated, m_pWake.get(), [this] {
        std::uint64_t expirations = 0;
        if (::read(m_iWakeFd, &expirations, sizeof expirations) < 0)
            expirations = 0; // nothing to take: a disarmed timer
        arm_timer();
    });
#endif
}

void CSimPort::close_wake() {
    m_pWake.reset();
#if defined(__linux__)
    if (m_iWakeFd >= 0)
        ::close(m_iWakeFd);
    m_iWakeFd = -1;
#endif
}

int CSimPort::precise_wake(long long ns) {
#if defined(__linux__)
    if (m_iWakeFd < 0)
        return 0;
    itimerspec due{};
    if (ns >= 0) {
        due.it_value.tv_sec = static_cast<time_t>(ns / 1000000000LL);
        due.it_value.tv_nsec = static_cast<long>(std::max(ns % 1000000000LL, 1LL));
    }
    timerfd_settime(m_iWakeFd, 0, &due, nullptr);
    return 1;
#else
    (void)ns;
    return 0;
#endif
}
