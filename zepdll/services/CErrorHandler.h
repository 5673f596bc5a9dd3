// Numbered message texts and every message box of the system. The texts are not compiled in:
// they are the lines of the labels "ERRORMESSAGES" and "WARNINGS_TEXTS" of the resource view
// "Error_Warnings" (line n is message n), so each language version of the resources brings its
// own texts. Every member and operation is static.
//
// Composition by callers: error_msg(5, 1) + path gives the text of error 5, a line break and
// the path. A number without a line gives line 0 followed by the number ("Unknown error: 77").
#pragma once

#include "GwString.h"

class GwCore;
class GwMessageBox;
class GwWaitObject;
class DynGwStringPtrArray;

class CErrorHandler {
public:
    // Stores frame as the parent of every box (when not null) and reads the two labels of
    // view into fresh text lists (old lists are freed). -1 when no frame was ever stored (the
    // lists are then left alone); otherwise 0, also when a label is missing (its list stays
    // empty).
    static int init(GwCore* frame, GwCore* view);
    // Frees both text lists; 0.
    static int cleanup();
    // Appends the lines of the label name of view to array, one entry per line: "A\nB\nC"
    // gives A, B, C; "A\n\nB" gives A, "", B; a final "\n" adds nothing. 0 when done; -1 when
    // view, the label or array is missing (array unchanged).
    static int read_label_text(GwCore* view, GwString name, DynGwStringPtrArray* array);

    // Text n, or text 0 followed by n when there is no line n; with f not 0 a "\n" follows.
    // Before init (no texts at all) the result still names the number ("Error 7").
    static GwString error_msg(unsigned n, unsigned f);
    static GwString warning(unsigned n, unsigned f);

    // Modal boxes at (210, 210) of the main window, in the dialog font; each first removes
    // the wait cursor. The results are the box's codes (GwMessageBox: OK 6, Yes 10,
    // Cancel 15, No 17).
    static int show_error(const GwString& text); // "ZEP Error: ", mb_stop, OK
    static int show_data(const GwString& text);  // "ZEP Data: ", mb_info, OK
    static void Info(const GwString& text);      // " Information ", mb_info, OK
    // " Information ", mb_info, OK and a second button "OK for all" ("OK für alle" in German)
    // that gives 17.
    static int show_extra(const GwString& text);
    // A question with the given button set (0x4200 Yes/No, 0x14200 Yes/No/Cancel); the
    // default button is No; the buttons are labelled in the interface language (Ja/Nein/
    // Abbrechen, Oui/Non/Annule, Yes/No/Cancel).
    static int Question(const GwString& title, const GwString& text, long buttons);

    // A box without buttons shown while a step runs; shows the wait cursor too. The caller
    // removes it with msgbox_destroy (both at once; a CInfoBox guard does it for the caller).
    static GwMessageBox* info_msg(const GwString& text);
    static void msgbox_destroy(GwMessageBox* box);

    // Sets the dialog font on every control of the box.
    static void set_font(GwMessageBox& box);
    static int set_wait();
    static int destroy_wait();
    static GwCore* AppFrm() { return _appfrm; }

    static GwCore* _appfrm;
    static DynGwStringPtrArray* _errmsg;
    static DynGwStringPtrArray* _warnings;
    static GwWaitObject* _wait;

private:
    static GwString lookup(const DynGwStringPtrArray* texts, unsigned n, unsigned f,
                           const char* fallback);
    static GwMessageBox* make_box(const GwString& title, const GwString& text,
                                  const GwString& bitmap, long buttons);
    static int run_and_delete(GwMessageBox* box);
};
