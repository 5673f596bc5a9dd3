#include "GwCtrlVw.h"

#include "GwCore.h"
#include "GwUD.h"

#include <unordered_set>

namespace {

// Wrappers alive now: a control's user data is trusted as a wrapper only when it names one.
std::unordered_set<const void*>& live_wrappers() {
    static std::unordered_set<const void*> wrappers;
    return wrappers;
}

} // namespace

GwCtrlVw::~GwCtrlVw() {
    Detach();
}

GwCore* GwCtrlVw::HasControl() const {
    return m_oControlAlive != nullptr ? m_pControl : nullptr;
}

void GwCtrlVw::Detach() {
    if (GwCore* old = HasControl()) {
        Notify(0);
        if (old->user_data().pointer() == static_cast<GwCtrlVw*>(this))
            old->set_user_data(GwUD(old->user_data().text(), nullptr));
    }
    live_wrappers().erase(this);
    m_pControl = nullptr;
    m_oControlAlive = nullptr;
}

int GwCtrlVw::Attach(GwCore* control) {
    Detach();
    if (control == nullptr || control->object() == nullptr)
        return 0;
    m_pControl = control;
    m_oControlAlive = control->object();
    live_wrappers().insert(this);
    control->set_user_data(GwUD(control->user_data().text(), static_cast<GwCtrlVw*>(this)));
    Notify(1);
    return 1;
}

void GwCtrlVw::Notify(int /*attached*/) {}

GwCtrlVw* GwCtrlVw::WrapperOf(const GwCore* control) {
    if (control == nullptr)
        return nullptr;
    void* p = control->user_data().pointer();
    if (p == nullptr || live_wrappers().count(p) == 0)
        return nullptr;
    return static_cast<GwCtrlVw*>(p);
}
