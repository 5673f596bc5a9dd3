// Waits the way the driver waits: the event loop sleeps until the next event (data, a timer)
// and the condition is checked after each. A guard timer ends a wait that would otherwise
// never end, so a fault fails the test instead of hanging it; it is no pass condition.
#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

// Runs the event loop until done() holds (true) or guardMs have passed (false). Counts the
// wake-ups in *wakeups when given.
template <class Done>
bool WaitFor(Done done, int guardMs = 10000, int* wakeups = nullptr) {
    QTimer guard;
    guard.setSingleShot(true);
    guard.start(guardMs);
    int n = 0;
    while (!done()) {
        if (!guard.isActive()) {
            if (wakeups)
                *wakeups = n;
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ++n;
    }
    if (wakeups)
        *wakeups = n;
    return true;
}
