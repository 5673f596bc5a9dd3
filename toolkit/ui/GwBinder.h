// The Qt side of a GwCore handle: a hidden child object of the element that lives and dies
// with it. It tells the handle when the element is destroyed, passes the element's events
// (show, hide, close, move, keys, also those of a spin or combo box's line edit) and its
// activation (a click, a choice, a finished edit) to it, and owns the element's timer.
// Internal to the toolkit.
#pragma once

#include <QObject>

class GwCore;
class QTimer;

class GwBinder : public QObject {
public:
    GwBinder(QObject* element, GwCore* core);
    ~GwBinder() override;

    // The binder of an element, or null.
    static GwBinder* of(const QObject* element);

    GwCore* core() const { return m_core; }
    void detach_core() { m_core = nullptr; }
    QObject* element() const { return m_element; }
    QTimer* timer(); // created on first use

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connect_activation();
    void watch_keys_of(QObject* inner);
    void activated();
    void timer_fired();

    QObject* m_element;
    GwCore* m_core;
    QTimer* m_timer = nullptr;
};
