// Waits the way the driver waits: the toolkit's event wait sleeps until the next event (data
// on a port, a timer) and the condition is checked after each. The guard ends a wait that
// would otherwise never end, so a fault fails the test instead of hanging it; it is no pass
// condition.
#pragma once

#include "GwEventLoop.h"

#include <QElapsedTimer>

// Waits for events until done() holds (true) or guardMs have passed (false).
template <class Done>
bool WaitFor(Done done, int guardMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        const qint64 left = guardMs - clock.elapsed();
        if (left <= 0)
            return false;
        GwEventLoop::wait_for_events(static_cast<int>(left));
    }
    return true;
}
