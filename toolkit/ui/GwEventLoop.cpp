#include "GwEventLoop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void GwEventLoop::wait_for_events(int max_ms) {
    if (QCoreApplication::instance() == nullptr)
        return;
    QTimer wake;
    if (max_ms >= 0) {
        // A timer event wakes the wait; the timer itself needs no slot.
        wake.setSingleShot(true);
        wake.setTimerType(Qt::PreciseTimer);
        wake.start(max_ms);
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void GwEventLoop::process_pending() {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}
