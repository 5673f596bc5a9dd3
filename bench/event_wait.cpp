// Processor time of waiting for the serial line: the toolkit's wait for the next event against
// a loop that only processes pending events. Prints figures; it passes or fails nothing.
//
//   build/bench/event_wait          (about 4 s)
#include "BenchSupport.h"
#include "GwEventLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

// Waits `ms` milliseconds of wall time the given way; gives the processor seconds used.
template <typename Wait>
double measure(int ms, Wait wait) {
    QElapsedTimer clock;
    const double before = cpu_seconds();
    clock.start();
    while (clock.elapsed() < ms)
        wait(static_cast<int>(ms - clock.elapsed()));
    return cpu_seconds() - before;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ms = 2000;
    const double waiting = measure(ms, [](int left) { GwEventLoop::wait_for_events(left); });
    const double spinning = measure(ms, [](int) { GwEventLoop::process_pending(); });
    std::printf("waiting %d ms for an answer that does not come:\n", ms);
    std::printf("  GwEventLoop::wait_for_events  %8.3f s processor time\n", waiting);
    std::printf("  GwEventLoop::process_pending  %8.3f s processor time (spinning)\n", spinning);
    return 0;
}
