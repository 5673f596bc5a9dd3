// The program's callback table: every callback the layouts bind by name, in one place. It is
// handed to every window built from the resources (GwView) before the first one is built.
//
// Every callback first finds the dialog manager that owns its window (EwDialogSatz::Owner)
// and gives 1 at once when there is none or it is not of the callback's class; otherwise it
// calls the member function of the same name ("CMainDlgMgr::Save_CB" calls
// CMainDlgMgr::Save_CB; a "Show_CB" calls the virtual Show).
#pragma once

#include "EwDialogSatz.h"
#include "GwCallback.h"

class GwUD;

// The table, ended by an empty row.
const GwFuncDesc* ZepCallbackTable();

// The callback for a member function of a dialog manager class:
//   {"CMainDlgMgr::Save_CB", ZepMemberCallback<CMainDlgMgr, &CMainDlgMgr::Save_CB>}
template <class Manager, int (Manager::*Member)(GwCore*, GwEvent*, const GwUD&)>
int ZepMemberCallback(GwCore* window, GwEvent* event, const GwUD& data) {
    auto* owner = dynamic_cast<Manager*>(EwDialogSatz::Owner(window));
    if (owner == nullptr)
        return 1;
    return (owner->*Member)(window, event, data);
}

// The callback for a function of a class of static members (CHelpManager), called for windows
// that have an owner.
template <int (*Function)(GwCore*, GwEvent*, const GwUD&)>
int ZepOwnedCallback(GwCore* window, GwEvent* event, const GwUD& data) {
    if (EwDialogSatz::Owner(window) == nullptr)
        return 1;
    return Function(window, event, data);
}
