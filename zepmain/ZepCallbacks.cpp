#include "ZepCallbacks.h"

#include "CHelpManager.h"
#include "CMainDlgMgr.h"

const GwFuncDesc* ZepCallbackTable() {
    using Main = CMainDlgMgr;
    static const GwFuncDesc table[] = {
        // The application frame's rows (CApplFrameMgr::Move_CB to ::AutoBaudDetect_CB) come
        // here.
        {"CHelpManager::SetBrowser", ZepOwnedCallback<&CHelpManager::SetBrowser>},
        {"CHelpManager::ContextHelp", ZepOwnedCallback<&CHelpManager::ContextHelp>},
        // The port settings dialog's rows (CComDlgMgr) and the terminal's (CTerminal) come
        // here.
        {"CMainDlgMgr::Save_CB", ZepMemberCallback<Main, &Main::Save_CB>},
        {"CMainDlgMgr::Show_CB", ZepMemberCallback<Main, &Main::Show>},
        {"CMainDlgMgr::WriteRead_CB", ZepMemberCallback<Main, &Main::WriteRead_CB>},
        {"CMainDlgMgr::UpdateActivePage_CB", ZepMemberCallback<Main, &Main::UpdateActivePage_CB>},
        {"CMainDlgMgr::WriteReadRange_CB", ZepMemberCallback<Main, &Main::WriteReadRange_CB>},
        {"CMainDlgMgr::CVMEdit_CB", ZepMemberCallback<Main, &Main::CVMEdit_CB>},
        // The auto-baud dialog's rows (CAutoBaudDlgMgr) and "interpreter" come here.
        {nullptr, nullptr},
    };
    return table;
}
