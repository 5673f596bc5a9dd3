// "COM Parameter": the serial port settings set by hand. Each setting is a radio group whose
// buttons have the setting's values as ids: "COMID" (the port, see CPortChoice),
// "COMPARBAUDRATE" ("9600"), "COMPARDATABITS" ("8"), "COMPARSTOPBITS" ("1") and
// "COMPARPARITY" ("N", "E", "O"). The dialog runs modally and gives 6 when OK took the
// settings over into CInitMgr, 15 when it was cancelled (also by Escape or the window's close
// button), which stores nothing.
//
// The layout binds "CComDlgMgr::Show_CB" (the window), "CComDlgMgr::Quit_CB" (OK) and
// "CComDlgMgr::Cancel_CB".
#pragma once

#include "EwDialogSatz.h"

#include <memory>

class CPortChoice;

class CComDlgMgr : public EwDialogSatz {
public:
    // Builds the dialog and takes the five settings from CInitMgr.
    CComDlgMgr(const GwString& resource, const GwString& file, const GwFuncDesc* table,
               GwCore* parent);
    ~CComDlgMgr() override;

    // Checks in each group the button of the stored value, without regard to case (a parity
    // stored as "e" checks "E"); a value without a button leaves its group unchecked. 1.
    int Show(GwCore* window, GwEvent* event, const GwUD& data) override;
    // OK: the id of the checked button of each group (empty for a group
    // with none checked) into the members and CInitMgr; result 6; the window is hidden. 1.
    int Quit_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // Result 15; the window is hidden; nothing is stored. 1.
    int Cancel_CB(GwCore* window, GwEvent* event, const GwUD& data);

private:
    GwString m_sComID;
    GwString m_sComBaudrate;
    GwString m_sComParity;
    GwString m_sComDatabits;
    GwString m_sComStopbits;
    std::unique_ptr<CPortChoice> m_pPorts;
};
