#include "EwDialogSatz.h"

#include "DynGwStringPtrArray.h"
#include "EwCtrlVw.h"
#include "EwPage.h"
#include "EwRepository.h"
#include "GwCore.h"

#include <QComboBox>

EwDialogSatz::EwDialogSatz(EwRepository* repository, const GwString& resource, const GwString& file,
                           const GwFuncDesc* table, GwCore* parent)
    : GwView(resource, file, table, parent), m_pRepository(repository) {}

EwDialogSatz::~EwDialogSatz() {
    for (int i = 0; i < m_coPages.count(); ++i)
        delete m_coPages.get(i);
    m_coPages.clear_slots();
}

EwPage* EwDialogSatz::FindPage(GwCore* window) const {
    for (GwCore* w = window; w != nullptr; w = w->parent()) {
        const GwClassId cls = w->class_id();
        if (cls == GwFRAME_CLASS)
            return nullptr;
        if (cls != GwTABPAGE_CLASS && cls != GwPAGE_CLASS)
            continue;
        for (int i = 0; i < m_coPages.count(); ++i)
            if (m_coPages.get(i)->Window() == w)
                return m_coPages.get(i);
        return nullptr;
    }
    return nullptr;
}

int EwDialogSatz::StoreDialog() {
    if (m_pRepository == nullptr)
        return 0;
    int result = 1;
    for (int i = 0; i < m_coControls.count(); ++i) {
        const EwCtrlVw* c = m_coControls.get(i);
        if (m_pRepository->set_value(c->Name(), c->GetValue(), 0) == 0)
            result = 0;
    }
    for (int i = 0; i < m_coPages.count(); ++i)
        if (m_coPages.get(i)->StorePage(m_pRepository) == 0)
            result = 0;
    return result;
}

int EwDialogSatz::ShowDialog() {
    if (m_pRepository == nullptr)
        return 0;
    int result = 1;
    for (int i = 0; i < m_coControls.count(); ++i) {
        EwCtrlVw* c = m_coControls.get(i);
        if (c->ShowValue(m_pRepository->value(c->Name(), 0)) == 0)
            result = 0;
    }
    for (int i = 0; i < m_coPages.count(); ++i)
        if (m_coPages.get(i)->ShowPage(m_pRepository) == 0)
            result = 0;
    return result;
}

void EwDialogSatz::ClearDialog() {
    for (int i = 0; i < m_coControls.count(); ++i)
        m_coControls.get(i)->ShowValue(GwString());
    for (int i = 0; i < m_coPages.count(); ++i)
        m_coPages.get(i)->ClearPage();
}

EwDialogSatz* EwDialogSatz::Owner(const GwCore* window) {
    return window != nullptr ? dynamic_cast<EwDialogSatz*>(GwView::ViewOf(window->frame()))
                             : nullptr;
}

void EwDialogSatz::FillChoiceLists() {
    GwCore* window = Window();
    if (window == nullptr || m_pRepository == nullptr)
        return;
    for (GwCore* control : window->descendants()) {
        if (!control->is_a(GwSPINBUTTON_CLASS) && !control->is_a(GwCOMBOBOX_CLASS))
            continue;
        const DynGwStringPtrArray* range = m_pRepository->range(control->id(), 0);
        for (int i = 0; range != nullptr && i < range->count(); ++i)
            control->add_item(*range->get(i));
        // A combo box keeps the minimum width it had without items: a layout pressed for room
        // would cut its texts.
        if (auto* combo = qobject_cast<QComboBox*>(control->widget())) {
            combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            combo->setMinimumWidth(combo->sizeHint().width());
        }
    }
}
