// "Auto Baud Detect": finds the scanner's serial settings by trying the combinations of
// CAutoBaudDetect on the chosen port, starting by itself 200 ms after the dialog opens. One
// button starts, stops and applies:
//
//   state        "ID_STATE"                      "ID_BUTTON"
//   idle         warning 13 (choose, press)      warning 57 (Start)
//   detecting    warning 48                      warning 58 (Stop)
//   found        warning 49                      warning 59 (Apply)
//   not found    warning 50                      warning 57
//   no port      warning 62                      warning 57
//
// Detection first tries the settings stored in CInitMgr when they are one of the combinations,
// so a scanner still at its known settings is found in one probe. Apply stores the found
// settings ("9600 ,E,7,1" stores "9600", "e", "7", "1") and the port, and gives 6; Cancel (or
// Escape, or the window's close button) stops a detection, stores nothing, and gives 15. The
// port group "COMID" (CPortChoice) is disabled while detecting.
//
// The layout binds "CAutoBaudDlgMgr::Show_CB" and "::Timer_CB" (the window), "::Button_CB",
// "::Cancel_CB" and "::ChooseCom_CB" (every button of "COMID"); "ID_PARA" shows the settings
// being tried and "ID_PROGRESS" the progress.
#pragma once

#include "EwDialogSatz.h"

#include <memory>

class CAutoBaudDetect;
class CPortChoice;

class CAutoBaudDlgMgr : public EwDialogSatz {
public:
    enum State { kIdle = 0, kDetecting = 1, kFound = 2 };
    static constexpr unsigned short kStartDelayMs = 200;

    // Builds the dialog with its detector, in the idle state.
    CAutoBaudDlgMgr(const GwString& resource, const GwString& file, const GwFuncDesc* table,
                    GwCore* parent);
    ~CAutoBaudDlgMgr() override;

    // Checks the stored port and starts the 200 ms timer that starts detection. 1.
    int Show(GwCore* window, GwEvent* event, const GwUD& data) override;
    // Start (idle), stop (detecting) or apply (found), see above. 1.
    int Button_CB(GwCore* window, GwEvent* event, const GwUD& data);
    int Cancel_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // The start timer: stops itself and presses the button. 1.
    int Timer_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // Another port was chosen: idle. 1.
    int ChooseCom_CB(GwCore* window, GwEvent* event, const GwUD& data);

    int State() const { return m_iState; }
    // The settings found last ("9600 ,E,7,1"), empty before.
    GwString Found() const { return m_sFound; }

private:
    void SetTexts(unsigned state_text, unsigned button_text);
    void Detect();
    void Apply();

    std::unique_ptr<CAutoBaudDetect> m_pDetector;
    int m_iState = kIdle;
    GwCore* m_pButton = nullptr;
    GwCore* m_pStateText = nullptr;
    GwString m_sFound;
    std::unique_ptr<CPortChoice> m_pPorts;
    GwString m_sStoredPort; // given back on cancel
    int m_iRunning = 0;     // Detect has not returned yet (a stop is still finishing)
};
