// The program's wrapper of one control of a window. Attaching stores the wrapper's address in
// the control's user data (its text, a help page for example, stays) and tells the wrapper
// (Notify 1); detaching, on the next Attach or when the wrapper is deleted, tells it again
// (Notify 0) and clears the address. A wrapper never deletes its control, and it notices when
// the control is gone (Control() is then null).
#pragma once

#include <QPointer>

class GwCore;

class GwCtrlVw {
public:
    GwCtrlVw() = default;
    // Detaches from the control.
    virtual ~GwCtrlVw();

    GwCtrlVw(const GwCtrlVw&) = delete;
    GwCtrlVw& operator=(const GwCtrlVw&) = delete;

    // The control, or null when there is none (never attached, or gone).
    virtual GwCore* HasControl() const;
    virtual GwCore* Control() const { return HasControl(); }
    // Detaches from a previous control and attaches to control: 1, or 0 for null (the wrapper
    // is then detached).
    virtual int Attach(GwCore* control);
    // Called with 1 after attaching and with 0 before detaching; the base does nothing.
    virtual void Notify(int attached);

    // The wrapper attached to control, or null.
    static GwCtrlVw* WrapperOf(const GwCore* control);

private:
    void Detach();

    GwCore* m_pControl = nullptr;
    QPointer<QObject> m_oControlAlive;
};
