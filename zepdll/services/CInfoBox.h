// The information box shown while a step runs (CErrorHandler::info_msg: no buttons, on top,
// with the wait cursor), removed together with the wait cursor (CErrorHandler::msgbox_destroy)
// when its guard ends, whichever way the step is left.
//
//   {
//       CInfoBox box(CErrorHandler::warning(1, 1) + file);   // shown from here
//       ... write the file ...
//   }                                                         // removed here
//
// A guard holds one box or none. It can take over a box it did not open (adopt) and hand its
// own on without removing it (release), for a step that leaves its box open for the caller:
//
//   GwMessageBox* raw = nullptr;
//   files.scriptfile_to_repository(name, raw, 0);   // may leave its box open
//   CInfoBox box = CInfoBox::adopt(raw);            // removed when box ends
#pragma once

#include "GwString.h"

class GwMessageBox;

class CInfoBox {
public:
    // Holds no box.
    CInfoBox() = default;
    // Shows a box with text and holds it.
    explicit CInfoBox(const GwString& text);
    // close().
    ~CInfoBox();

    // Moving hands the box over: the source holds none afterwards. Assigning first removes
    // the box the target held.
    CInfoBox(CInfoBox&& other) noexcept;
    CInfoBox& operator=(CInfoBox&& other) noexcept;
    CInfoBox(const CInfoBox&) = delete;
    CInfoBox& operator=(const CInfoBox&) = delete;

    // A guard for a box that CErrorHandler::info_msg opened elsewhere; null gives one that
    // holds none.
    static CInfoBox adopt(GwMessageBox* box);

    // Removes the box held and the wait cursor; no effect when none is held.
    void close();
    // Hands the box on without removing it (the wait cursor stays too); whoever takes it
    // removes it, with CErrorHandler::msgbox_destroy or a guard of its own. Null when none
    // is held.
    GwMessageBox* release();
    GwMessageBox* get() const { return m_pBox; }

private:
    GwMessageBox* m_pBox = nullptr;
};
