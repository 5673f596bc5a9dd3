#include "ZepCallbacks.h"

#include "CApplFrameMgr.h"
#include "CCompareDlgMgr.h"
#include "CHelpManager.h"
#include "CMainDlgMgr.h"
#include "GwInterpreter.h"

const GwFuncDesc* ZepCallbackTable() {
    using Main = CMainDlgMgr;
    using Frame = CApplFrameMgr;
    using Compare = CCompareDlgMgr;
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
        // "CApplFrameMgr::Terminal_CB" comes here.
        {"CApplFrameMgr::ChangeLanguage_CB", ZepMemberCallback<Frame, &Frame::ChangeLanguage_CB>},
        // "CApplFrameMgr::ChangeCom_CB" and "::AutoBaudDetect_CB" come here.
        // The frame's commands beyond the classic table: the unit menu and About.
        {"CApplFrameMgr::ChangeUnit_CB", ZepMemberCallback<Frame, &Frame::ChangeUnit_CB>},
        {"CApplFrameMgr::About_CB", ZepMemberCallback<Frame, &Frame::About_CB>},
        {"CApplFrameMgr::Compare_CB", ZepMemberCallback<Frame, &Frame::Compare_CB>},
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
        // The auto-baud dialog's rows (CAutoBaudDlgMgr) come here.
        // The compare list's.
        {"CCompareDlgMgr::Copy_CB", ZepMemberCallback<Compare, &Compare::Copy_CB>},
        {"CCompareDlgMgr::Print_CB", ZepMemberCallback<Compare, &Compare::Print_CB>},
        {"interpreter", &GwInterpreter::interpreter},
        {nullptr, nullptr},
    };
    return table;
}
