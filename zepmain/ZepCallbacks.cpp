#include "ZepCallbacks.h"

#include "CApplFrameMgr.h"
#include "CAutoBaudDlgMgr.h"
#include "CComDlgMgr.h"
#include "CCompareDlgMgr.h"
#include "CHelpManager.h"
#include "CMainDlgMgr.h"
#include "CTerminal.h"
#include "GwInterpreter.h"

const GwFuncDesc* ZepCallbackTable() {
    using Main = CMainDlgMgr;
    using Frame = CApplFrameMgr;
    using Compare = CCompareDlgMgr;
    using Com = CComDlgMgr;
    using Term = CTerminal;
    using Baud = CAutoBaudDlgMgr;
    static const GwFuncDesc table[] = {
        {"CApplFrameMgr::Move_CB", ZepMemberCallback<Frame, &Frame::Move_CB>},
        {"CApplFrameMgr::Close_CB", ZepMemberCallback<Frame, &Frame::Close_CB>},
        {"CApplFrameMgr::Timer_CB", ZepMemberCallback<Frame, &Frame::Timer_CB>},
        {"CApplFrameMgr::Show_CB", ZepMemberCallback<Frame, &Frame::Show>},
        {"CApplFrameMgr::SelectScanner_CB", ZepMemberCallback<Frame, &Frame::SelectScanner_CB>},
        {"CApplFrameMgr::NewFile_CB", ZepMemberCallback<Frame, &Frame::NewFile_CB>},
        {"CApplFrameMgr::ReadFromFile_CB", ZepMemberCallback<Frame, &Frame::ReadFromFile_CB>},
        {"CApplFrameMgr::CloseFile_CB", ZepMemberCallback<Frame, &Frame::CloseFile_CB>},
        {"CApplFrameMgr::WriteToFile_CB", ZepMemberCallback<Frame, &Frame::WriteToFile_CB>},
        {"CApplFrameMgr::SaveAsFile_CB", ZepMemberCallback<Frame, &Frame::SaveAsFile_CB>},
        {"CApplFrameMgr::DownLoad_CB", ZepMemberCallback<Frame, &Frame::DownLoad_CB>},
        {"CApplFrameMgr::UpLoad_CB", ZepMemberCallback<Frame, &Frame::UpLoad_CB>},
        {"CApplFrameMgr::PrintSlpFile_CB", ZepMemberCallback<Frame, &Frame::PrintSlpFile_CB>},
        {"CApplFrameMgr::ExportRtf_CB", ZepMemberCallback<Frame, &Frame::ExportRtf_CB>},
        {"CApplFrameMgr::FactoryDefaults_CB", ZepMemberCallback<Frame, &Frame::FactoryDefaults_CB>},
        {"CApplFrameMgr::Terminal_CB", ZepMemberCallback<Frame, &Frame::Terminal_CB>},
        {"CApplFrameMgr::ChangeLanguage_CB", ZepMemberCallback<Frame, &Frame::ChangeLanguage_CB>},
        {"CApplFrameMgr::ChangeCom_CB", ZepMemberCallback<Frame, &Frame::ChangeCom_CB>},
        {"CApplFrameMgr::AutoBaudDetect_CB", ZepMemberCallback<Frame, &Frame::AutoBaudDetect_CB>},
        // The frame's commands beyond the classic table: the unit menu, About, the compare.
        {"CApplFrameMgr::ChangeUnit_CB", ZepMemberCallback<Frame, &Frame::ChangeUnit_CB>},
        {"CApplFrameMgr::About_CB", ZepMemberCallback<Frame, &Frame::About_CB>},
        {"CApplFrameMgr::Compare_CB", ZepMemberCallback<Frame, &Frame::Compare_CB>},
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
        {"interpreter", &GwInterpreter::interpreter},
        // The compare list's.
        {"CCompareDlgMgr::Copy_CB", ZepMemberCallback<Compare, &Compare::Copy_CB>},
        {"CCompareDlgMgr::Print_CB", ZepMemberCallback<Compare, &Compare::Print_CB>},
        {nullptr, nullptr},
    };
    return table;
}
