#include "GwBinder.h"

#include "GwCore.h"

#include <QPointer>
#include <QTimer>

#include <unordered_map>

namespace {
// Element -> binder. One thread, so no lock.
std::unordered_map<const QObject*, GwBinder*>& registry() {
    static std::unordered_map<const QObject*, GwBinder*> map;
    return map;
}
} // namespace

GwBinder::GwBinder(QObject* element, GwCore* core)
    : QObject(element), m_element(element), m_core(core) {
    registry()[element] = this;
    element->installEventFilter(this);
}

GwBinder::~GwBinder() {
    registry().erase(m_element);
    if (m_core != nullptr) {
        GwCore* core = m_core;
        m_core = nullptr;
        core->element_destroyed();
    }
}

GwBinder* GwBinder::of(const QObject* element) {
    const auto it = registry().find(element);
    return it == registry().end() ? nullptr : it->second;
}

void GwBinder::watch_keys_of(QObject* inner) {
    if (inner != nullptr && inner != m_element)
        inner->installEventFilter(this);
}

QTimer* GwBinder::timer() {
    if (m_timer == nullptr) {
        m_timer = new QTimer(this);
        // Qt's coarse timers fire up to 5% early; time-outs here must never be short.
        m_timer->setTimerType(Qt::PreciseTimer);
        connect(m_timer, &QTimer::timeout, this, &GwBinder::timer_fired);
    }
    return m_timer;
}

void GwBinder::timer_fired() {
    if (m_core == nullptr)
        return;
    GwEvent event(GwTIMER);
    m_core->fire(GwCB_TIMER, &event);
}

bool GwBinder::eventFilter(QObject* watched, QEvent* event) {
    if (m_core == nullptr)
        return false;
    return m_core->handle_event(watched, event);
}
