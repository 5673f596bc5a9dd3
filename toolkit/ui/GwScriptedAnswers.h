// Scripted answers: how a test stands in for the person in front of the screen. While enabled,
// every place that would wait for a person takes the next queued answer of its kind, and
// everything shown is recorded so that the test can check title, text, buttons and labels.
// Nothing waits for a person: with no answer queued a message box is closed at once with its
// neutral code (Cancel, else No, else OK), a file selector is cancelled, printer preparation
// fails, and a modal dialog is ended with 15 after dialog_timeout() milliseconds; each such
// case counts in unanswered(). Every test program of the project enables it (tests/support).
//
//   GwScriptedAnswers::press_button("Oui");                  // the next box: that button
//   GwScriptedAnswers::answer_box(17);                       // the box after it: result 17
//   GwScriptedAnswers::choose_file("c:\\data\\a.slp");       // the next file selector
//   GwScriptedAnswers::on_dialog("COM Parameter", [](GwCore* dlg) {
//       dlg->child("COM2")->set_value(1);                    // while the dialog is up
//       dlg->child("ID_OK")->click();          // press OK: its callback hides it
//   });
//   GwScriptedAnswers::printer_pdf("/tmp/report.pdf");       // the next printer preparation
//   ... run the command under test ...
//   const auto& box = *GwScriptedAnswers::last(GwScriptedAnswers::Box);
//   EXPECT_EQ(box.title, "ZEP Error: ");
//   EXPECT_EQ(box.buttons[0].label, "OK");
//   EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
//
// Answers of one kind are used in the order they were queued; a dialog answer with an id is
// used only by the dialog of that id (a resource name, "Welcome Dialog"), one without an id by
// the next dialog. A box answer that names no button of the box is not used: the box gets its
// neutral code and counts as unanswered. A modal window is answered once it has appeared, that
// is after its show callback has returned.
#pragma once

#include "GwString.h"

#include <functional>
#include <vector>

class GwCore;
class QObject;
class GwMessageBox;

class GwScriptedAnswers {
public:
    enum Kind { Box, Info, File, Dialog, Printer };

    struct Button {
        GwString label;
        int result;
        bool is_default;
    };

    // One thing that was shown and how it was answered.
    struct Shown {
        Kind kind = Box;
        GwString id;     // dialogs: the resource name
        GwString title;  // boxes, dialogs, file selectors
        GwString text;   // boxes: the message
        GwString bitmap; // boxes: "mb_stop", "mb_info", "mb_quest" or empty
        std::vector<Button> buttons;
        GwString filter;      // file selectors
        GwString start;       // file selectors: the start path as the caller gave it
        int save = 0;         // file selectors: 1 in save mode
        int result = 0;       // boxes and dialogs: the result code; files, printers: 1 or 0
        GwString path;        // files: the path given; printers: the PDF file
        bool answered = true; // false: no fitting answer was queued
    };

    static void enable();
    static void disable();
    static bool enabled();
    // Forgets queued answers and the record; the dialog time-out goes back to its default.
    static void reset();

    // --- Queueing answers -------------------------------------------------------------------
    static void answer_box(int result);
    static void press_button(const GwString& label);
    static void choose_file(const GwString& path);
    static void cancel_file();
    // While the dialog is up, run action with it; the action ends the run itself (a callback
    // that hides the window) or leaves the dialog running to work on its own.
    static void on_dialog(const GwString& id, std::function<void(GwCore* dialog)> action);
    // End the dialog at once with a result.
    static void end_dialog(const GwString& id, int result);
    // Printer preparation succeeds, with PDF output to this file; or fails.
    static void printer_pdf(const GwString& pdf_path);
    static void printer_fails();

    // --- Reading back -----------------------------------------------------------------------
    static const std::vector<Shown>& shown();
    static int count(Kind kind);
    static const Shown* last(Kind kind); // null when nothing of that kind was shown
    static int unanswered();             // things shown with no fitting answer queued
    static int pending();                // queued answers not used yet

    static void set_dialog_timeout(int ms);
    static int dialog_timeout();

    // --- Hooks for the toolkit and its devices ----------------------------------------------
    // A window starts a modal run (GwCore::go); called before it is shown.
    static void modal_started(GwCore* window);
    // The run of that element ended with result (the element may be gone already).
    static void modal_ended(const QObject* element, int result);
    // A message box was shown without a modal run (an information box).
    static void info_shown(GwMessageBox* box);
    // A file selector is about to open: -1 when not scripted (show the real one); 1 with the
    // path set when a file is chosen; 0 for cancel. request carries title, filter, start, save.
    static int file_requested(const Shown& request, GwString& path);
    // Printer preparation is about to ask the person: -1 when not scripted (ask); 1 with the PDF
    // path set when it succeeds; 0 when it fails.
    static int printer_requested(GwString& pdf_path);
};
