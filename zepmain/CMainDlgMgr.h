// The parameter dialog: the tab pages "Reading", "Device", "Code" and "Host" of the resource
// "Main Dialog" of a scanner type's layout, each control bound to the parameter its id names.
// The frame creates one per scanner type and calls StoreDialog / ShowDialog around every
// transfer and file command, StoreActivePage, and RefreshTitleAndPage after a load.
//
// The layout binds these callbacks (ZepCallbacks.h) by name:
//   "CMainDlgMgr::WriteRead_CB"         a control's value was edited: stored and shown again
//   "CMainDlgMgr::Save_CB"              store the page of the window (or the whole dialog)
//   "CMainDlgMgr::Show_CB"              (timer) show the page of the control again
//   "CMainDlgMgr::UpdateActivePage_CB"  (the tab control) RefreshTitleAndPage
//   "CMainDlgMgr::WriteReadRange_CB"    (timer of a code length field) "5-12" -> "05-12"
//   "CMainDlgMgr::CVMEdit_CB"           (keys of the "CVM" field) only "P", "?" and "@"
//
// The dialog window's title holds the file name in brackets once the frame has set it
// (CFileRepoIf::UpdateApplTitle on the dialog window): "ZEP100 [c:\a.slp]". While the
// repository has changed, the title shows " *" before the closing bracket.
#pragma once

#include "EwDialogSatz.h"

class CMainDlgMgr : public EwDialogSatz {
public:
    // Builds "resource" from file under parent (GwView), creates the pages the layout holds
    // (a missing page or control is skipped), binds the controls and fills the choice lists
    // from the repository. Window() is null when the resource could not be built.
    CMainDlgMgr(EwRepository* repository, const GwString& resource, const GwString& file,
                const GwFuncDesc* table, GwCore* parent);
    ~CMainDlgMgr() override;

    // "CMainDlgMgr::Show_CB": stops window's timer and shows the page of window again (the
    // whole dialog when window is on no page). 1.
    int Show(GwCore* window, GwEvent* event, const GwUD& data) override;

    // The controls of the active tab page into the repository: StorePage's result; without an
    // active page the beep sounds and the result is 0.
    int StoreActivePage();
    // Adds " *" before the closing bracket of the title while the repository has changed and
    // removes it when it has not; a title that does not end in "]" stays as it is. Then
    // restarts, on the active page, the 300 ms timer of every control that has a timer
    // callback; without an active page the beep sounds.
    void RefreshTitleAndPage();

    // The callbacks; each gives 1 except CVMEdit_CB for a refused key.
    int Save_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // The edited control's value is stored and the repository's value shown in its place, so
    // a value the repository refuses or corrects is put back at once. A check box or radio
    // button stores and shows its whole page; a control on no page the whole dialog.
    int WriteRead_CB(GwCore* window, GwEvent* event, const GwUD& data);
    int UpdateActivePage_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // Normalises a code length ("5-12" -> "05-12", "8" -> "08___", CUtils::ExtractRange) and
    // stores it when the field is bound. A field the user is typing in is left alone.
    int WriteReadRange_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // A typed character other than "P", "?" and "@" is refused: beep, the information dialog
    // "CVMInfo" explains the mask, and the result 0 swallows the key. Other events give 1.
    int CVMEdit_CB(GwCore* window, GwEvent* event, const GwUD& data);

private:
    // The title part of RefreshTitleAndPage.
    void RefreshTitle();
};
