#include "ZepCallbacks.h"

#include "CAutoBaudDlgMgr.h"
#include "CComDlgMgr.h"
#include "CHelpManager.h"
#include "CMainDlgMgr.h"
#include "CTerminal.h"

const GwFuncDesc* ZepCallbackTable() {
    using Main = CMainDlgMgr;
    using Com = CComDlgMgr;
    using Term = CTerminal;
    using Baud = CAutoBaudDlgMgr;
    static const GwFuncDesc table[] = {
        // The application frame's rows (CApplFrameMgr::Move_CB to ::AutoBaudDetect_CB) come
        // here.
        {"CHelpManager::SetBrowser", ZepOwnedCallback<&CHelpManager::SetBrowser>},
        {"CHelpManager::ContextHelp", ZepOwnedCallback<&CHelpManager::ContextHelp>},
        {"CComDlgMgr::Show_CB", ZepMemberCallback<Com, &Com::Show>},
        {"CComDlgMgr::Quit_CB", ZepMemberCallback<Com, &Com::Quit_CB>},
        {"CComDlgMgr::Cancel_CB", ZepMemberCallback<Com, &Com::Cancel_CB>},
        {"CTerminal::Show_CB", ZepMemberCallback<Term, &Term::Show>},
        {"CTerminal::Hide_CB", ZepMemberCallback<Term, &Term::Hide_CB>},
        {"CTerminal::Write_CB", ZepMemberCallback<Term, &Term::Write_CB>},
        {"CTerminal::Timer_CB", ZepMemberCallback<Term, &Term::Timer_CB>},
        {"CTerminal::WriteLogfile_CB", ZepMemberCallback<Term, &Term::WriteLogfile_CB>},
        {"CTerminal::PercentageEval_CB", ZepMemberCallback<Term, &Term::PercentageEval_CB>},
        {"CTerminal::HandleCommand_CB", ZepMemberCallback<Term, &Term::HandleCommand_CB>},
        {"CTerminal::ShowControlChar_CB", ZepMemberCallback<Term, &Term::ShowControlChar_CB>},
        {"CTerminal::Copy_CB", ZepMemberCallback<Term, &Term::Copy_CB>},
        {"CMainDlgMgr::Save_CB", ZepMemberCallback<Main, &Main::Save_CB>},
        {"CMainDlgMgr::Show_CB", ZepMemberCallback<Main, &Main::Show>},
        {"CMainDlgMgr::WriteRead_CB", ZepMemberCallback<Main, &Main::WriteRead_CB>},
        {"CMainDlgMgr::UpdateActivePage_CB", ZepMemberCallback<Main, &Main::UpdateActivePage_CB>},
        {"CMainDlgMgr::WriteReadRange_CB", ZepMemberCallback<Main, &Main::WriteReadRange_CB>},
        {"CMainDlgMgr::CVMEdit_CB", ZepMemberCallback<Main, &Main::CVMEdit_CB>},
        {"CAutoBaudDlgMgr::Button_CB", ZepMemberCallback<Baud, &Baud::Button_CB>},
        {"CAutoBaudDlgMgr::Cancel_CB", ZepMemberCallback<Baud, &Baud::Cancel_CB>},
        {"CAutoBaudDlgMgr::Show_CB", ZepMemberCallback<Baud, &Baud::Show>},
        {"CAutoBaudDlgMgr::Timer_CB", ZepMemberCallback<Baud, &Baud::Timer_CB>},
        {"CAutoBaudDlgMgr::ChooseCom_CB", ZepMemberCallback<Baud, &Baud::ChooseCom_CB>},
        // "interpreter" comes here.
        {nullptr, nullptr},
    };
    return table;
}
