// A dialog window the program creates itself (message boxes derive from it). The program owns
// the handle: it deletes it, which destroys the window. go() (of GwCore) runs it modally in a
// nested event loop and gives its result; hiding it ends the run.
//
//   GwDialogFrame frame(main_window, "Settings");
//   frame.set_result(15);
//   int result = frame.go();         // runs until something hides the window
#pragma once

#include "GwCore.h"

class QDialog;

class GwDialogFrame : public GwCore {
public:
    // parent: the window the dialog belongs to (its frame is used), or null.
    explicit GwDialogFrame(GwCore* parent = nullptr, const GwString& title = GwString());
    ~GwDialogFrame() override = default;

    QDialog* dialog() const;

    // 0 modeless, 1 modal to its parent window, 2 modal to the application; applies when the
    // window is shown with show(). go() always runs it application-modal.
    void set_modality(int modality);
    int modality() const { return m_modality; }

private:
    int m_modality = 0;
};
