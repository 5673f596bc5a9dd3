#include "CAutoBaudDlgMgr.h"

#include "CAutoBaudDetect.h"
#include "CErrorHandler.h"
#include "CInitMgr.h"
#include "CPortChoice.h"
#include "GwCore.h"
#include "GwUD.h"

#include <QDialog>

CAutoBaudDlgMgr::CAutoBaudDlgMgr(const GwString& resource, const GwString& file,
                                 const GwFuncDesc* table, GwCore* parent)
    : EwDialogSatz(nullptr, resource, file, table, parent), m_sStoredPort(CInitMgr::GetComID()) {
    GwCore* window = Window();
    GwCore* para = window != nullptr ? window->child("ID_PARA") : nullptr;
    GwCore* progress = window != nullptr ? window->child("ID_PROGRESS") : nullptr;
    m_pDetector = std::make_unique<CAutoBaudDetect>(para, progress);
    m_pPorts = std::make_unique<CPortChoice>(window);
    if (window != nullptr) {
        m_pButton = window->child("ID_BUTTON");
        m_pStateText = window->child("ID_STATE");
        // Escape and the window's close button cancel as the Cancel button does.
        if (auto* dialog = qobject_cast<QDialog*>(window->widget()))
            QObject::connect(dialog, &QDialog::rejected, dialog,
                             [this] { Cancel_CB(nullptr, nullptr, GwUD()); });
    }
    SetTexts(13, 57);
    if (para != nullptr)
        para->set_text(GwString());
    if (progress != nullptr)
        progress->set_slider_value(0.0);
}

CAutoBaudDlgMgr::~CAutoBaudDlgMgr() {
    ReleaseResourceFile();
}

void CAutoBaudDlgMgr::SetTexts(unsigned state_text, unsigned button_text) {
    if (m_pStateText != nullptr)
        m_pStateText->set_text(CErrorHandler::warning(state_text, 0));
    if (m_pButton != nullptr)
        m_pButton->set_text(CErrorHandler::warning(button_text, 0));
}

int CAutoBaudDlgMgr::Show(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (window == nullptr)
        return 1;
    window->set_result(15); // closing the window any other way is a cancel
    m_pPorts->Select(CInitMgr::GetComID());
    window->start_timer(kStartDelayMs);
    return 1;
}

int CAutoBaudDlgMgr::Timer_CB(GwCore* window, GwEvent* event, const GwUD& data) {
    if (window != nullptr)
        window->stop_timer();
    return Button_CB(window, event, data);
}

int CAutoBaudDlgMgr::Button_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    switch (m_iState) {
    case kIdle:
        // A press while a stopped detection finishes its last probe starts nothing: two
        // detections would share the driver.
        if (!m_iRunning)
            Detect();
        break;
    case kDetecting:
        m_pDetector->Stop();
        SetTexts(13, 57);
        m_iState = kIdle;
        break;
    default:
        Apply();
        break;
    }
    return 1;
}

void CAutoBaudDlgMgr::Detect() {
    m_iState = kDetecting;
    SetTexts(48, 58);
    CInitMgr::m_sComID = m_pPorts->Value();
    m_pPorts->Enable(0);
    m_pDetector->TryFirst(CInitMgr::GetComBaudrate() + "," + CInitMgr::GetComParity() + "," +
                          CInitMgr::GetComDatabits() + "," + CInitMgr::GetComStopbits());
    m_iRunning = 1;
    const int result = m_pDetector->Detect();
    m_iRunning = 0;
    m_pPorts->Enable(1);
    if (result == 1) {
        m_sFound = m_pDetector->GetSucPars();
        SetTexts(49, 59);
        m_iState = kFound;
        return;
    }
    if (result == -3)
        SetTexts(13, 57);
    else if (result == -1)
        SetTexts(62, 57);
    else
        SetTexts(50, 57);
    m_iState = kIdle;
}

void CAutoBaudDlgMgr::Apply() {
    GwCore* window = Window();
    if (m_sFound.not_null()) {
        // "9600 ,E,7,1": the leading number, then one character each after the commas.
        const int comma = m_sFound.first(',');
        CInitMgr::m_sComBaudrate = GwString(GwAtoi(m_sFound.cc()));
        CInitMgr::m_sComParity = m_sFound(comma + 1, comma + 1).to_lower();
        CInitMgr::m_sComDatabits = m_sFound(comma + 3, comma + 3);
        CInitMgr::m_sComStopbits = m_sFound(comma + 5, comma + 5);
    }
    if (window != nullptr) {
        window->set_result(6);
        window->hide();
    }
}

int CAutoBaudDlgMgr::Cancel_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    m_pDetector->Stop();
    CInitMgr::m_sComID = m_sStoredPort; // a detection set the port it tried
    if (GwCore* window = Window()) {
        window->set_result(15);
        window->hide();
    }
    return 1;
}

int CAutoBaudDlgMgr::ChooseCom_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (m_iState != kDetecting) {
        m_iState = kIdle;
        SetTexts(13, 57);
    }
    return 1;
}
