// The information box of a long transfer (upload, download, verify): its text, and from the
// first progress report on a progress bar (parameters done of all) and a Cancel button. The
// box is shown while the object lives and removed with it, however the transfer ends.
//
//   CTransferBox box(CErrorHandler::warning(9, 0));
//   transfer.SetProgress([&box](int done, int total) { return box.Step(done, total); });
//   transfer.DataFromScanner(repository, 0);   // Step gives 0 once Cancel was pressed
//
// The transfer waits for the scanner with the window system alive, so the bar moves and the
// button answers while it runs. Other windows of the program take no input meanwhile.
#pragma once

#include "CInfoBox.h"
#include "GwString.h"

#include <QPointer>

class QProgressBar;
class QPushButton;

class CTransferBox {
public:
    explicit CTransferBox(const GwString& text);
    ~CTransferBox() = default;
    CTransferBox(const CTransferBox&) = delete;
    CTransferBox& operator=(const CTransferBox&) = delete;

    // Shows done of total; 0 once Cancel was pressed (the transfer is to stop), else 1.
    int Step(int done, int total);
    int Cancelled() const { return m_bCancelled ? 1 : 0; }
    // The box's Cancel button as the user would press it.
    void Cancel() { m_bCancelled = true; }
    GwMessageBox* Box() const { return m_oBox.get(); }

private:
    CInfoBox m_oBox;
    QPointer<QProgressBar> m_pBar;
    QPointer<QPushButton> m_pCancel;
    bool m_bCancelled = false;
};
