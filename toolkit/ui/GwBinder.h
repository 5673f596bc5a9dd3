// The Qt side of a GwCore handle: a hidden child object of the element that lives and dies
// with it. It tells the handle when the element is destroyed, passes the element's events
// (show, hide, close, move, keys) to it, and owns the element's timer. Internal to the toolkit.
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
    // Also receive the key events of an inner widget (the line edit of a spin or combo box).
    void watch_keys_of(QObject* inner);

    QTimer* timer(); // created on first use

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void timer_fired();

    QObject* m_element;
    GwCore* m_core;
    QTimer* m_timer = nullptr;
};
