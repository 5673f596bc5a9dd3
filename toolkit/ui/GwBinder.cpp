#include "GwBinder.h"

#include "GwCore.h"
#include "GwSpinBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

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
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(element))
        watch_keys_of(spin->findChild<QLineEdit*>());
    if (auto* combo = qobject_cast<QComboBox*>(element))
        watch_keys_of(combo->lineEdit());
    connect_activation();
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

// The signal that means the user activated the element, for each kind that has one.
void GwBinder::connect_activation() {
    QObject* o = m_element;
    if (auto* a = qobject_cast<QAction*>(o))
        connect(a, &QAction::triggered, this, &GwBinder::activated);
    else if (auto* button = qobject_cast<QAbstractButton*>(o))
        connect(button, &QAbstractButton::clicked, this, &GwBinder::activated);
    else if (auto* combo = qobject_cast<QComboBox*>(o))
        connect(combo, &QComboBox::activated, this, &GwBinder::activated);
    else if (auto* spin = qobject_cast<GwSpinBox*>(o))
        connect(spin, &GwSpinBox::activated, this, &GwBinder::activated);
    else if (auto* number = qobject_cast<QSpinBox*>(o))
        connect(number, &QSpinBox::valueChanged, this, &GwBinder::activated);
    else if (auto* edit = qobject_cast<QLineEdit*>(o))
        connect(edit, &QLineEdit::editingFinished, this, &GwBinder::activated);
    else if (auto* slider = qobject_cast<QAbstractSlider*>(o))
        connect(slider, &QAbstractSlider::valueChanged, this, &GwBinder::activated);
    else if (auto* tabs = qobject_cast<QTabWidget*>(o))
        connect(tabs, &QTabWidget::currentChanged, this, &GwBinder::activated);
    else if (auto* list = qobject_cast<QListWidget*>(o))
        connect(list, &QListWidget::currentRowChanged, this, &GwBinder::activated);
    else if (auto* tree = qobject_cast<QTreeWidget*>(o))
        connect(tree, &QTreeWidget::currentItemChanged, this, &GwBinder::activated);
}

void GwBinder::activated() {
    if (m_core == nullptr)
        return;
    GwEvent event(GwACTIVATE);
    m_core->fire(GwCB_ACTIVATE, &event);
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
