#include "EwPage.h"

#include "EwComboBox.h"
#include "EwRadioCont.h"
#include "EwRepository.h"
#include "EwSpinButton.h"
#include "EwToggle.h"
#include "GwCore.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

bool holds_radio_buttons(const GwCore& container) {
    for (const GwCore* c : container.children())
        if (qobject_cast<QRadioButton*>(c->widget()) != nullptr)
            return true;
    return false;
}

// The wrapper for a control of that class, or null for a class that is no parameter control.
EwCtrlVw* wrapper_for(const GwCore& control) {
    switch (control.class_id()) {
    case GwCOMBOBOX_CLASS:
        return new EwComboBox;
    case GwSPINBUTTON_CLASS:
        return new EwSpinButton;
    case GwEDITBUTTON_CLASS:
    case GwFMTEDITBUTTON_CLASS:
        return new EwCtrlVw;
    case GwTOGGLEBUTTON_CLASS:
        return qobject_cast<QCheckBox*>(control.widget()) != nullptr ? new EwToggle : nullptr;
    case GwCONTAINER_CLASS:
        return holds_radio_buttons(control) ? new EwRadioCont : nullptr;
    default:
        return nullptr;
    }
}

} // namespace

EwPage::EwPage(GwCore* dialog, const GwString& page_id) {
    LinkWindow(dialog != nullptr ? dialog->child(page_id) : nullptr);
}

EwPage::~EwPage() {
    for (int i = 0; i < m_coControls.count(); ++i)
        delete m_coControls.get(i);
    m_coControls.clear_slots();
}

int EwPage::Hook(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    return 1;
}

int EwPage::StorePage(EwRepository* repository) {
    if (repository == nullptr)
        return 0;
    int result = 1;
    for (int i = 0; i < m_coControls.count(); ++i) {
        const EwCtrlVw* c = m_coControls.get(i);
        if (repository->set_value(c->Name(), c->GetValue(), 0) == 0)
            result = 0;
    }
    return result;
}

int EwPage::ShowPage(EwRepository* repository) {
    if (repository == nullptr)
        return 0;
    int result = 1;
    for (int i = 0; i < m_coControls.count(); ++i) {
        EwCtrlVw* c = m_coControls.get(i);
        if (c->ShowValue(repository->value(c->Name(), 0)) == 0)
            result = 0;
    }
    return result;
}

void EwPage::ClearPage() {
    for (int i = 0; i < m_coControls.count(); ++i)
        m_coControls.get(i)->ShowValue(GwString());
}

EwCtrlVw* EwPage::AddControl(const GwString& id, EwCtrlVw* wrapper) {
    GwCore* page = Window();
    GwCore* control = page != nullptr ? page->child(id) : nullptr;
    if (control == nullptr || GwCtrlVw::WrapperOf(control) != nullptr ||
        wrapper->Attach(control) == 0) {
        delete wrapper;
        return nullptr;
    }
    m_coControls[-1] = wrapper;
    return wrapper;
}

int EwPage::BindFurtherControls(const EwRepository& repository) {
    GwCore* page = Window();
    if (page == nullptr)
        return 0;
    int bound = 0;
    for (GwCore* control : page->descendants()) {
        const GwString id = control->id();
        if (GwCtrlVw::WrapperOf(control) != nullptr || repository.type(id).is_empty())
            continue;
        if (EwCtrlVw* wrapper = wrapper_for(*control)) {
            wrapper->Attach(control);
            m_coControls[-1] = wrapper;
            ++bound;
        }
    }
    return bound;
}

EwCtrlVw* EwPage::FindControl(const GwString& name) const {
    for (int i = 0; i < m_coControls.count(); ++i)
        if (m_coControls.get(i)->Name() == name)
            return m_coControls.get(i);
    return nullptr;
}
