// The program's test entry point. When the environment variable ZEP_TEST_SCRIPT names a file,
// the program takes the person's part from it - the answers to message boxes, dialogs, file
// selectors and the printer, and the commands to run - and writes what it showed on its
// standard output. Without the variable nothing of this runs. The end-to-end tests and the
// start-up benchmark drive the real program with it.
//
// The script: one step per line, fields separated by "|"; empty lines and lines beginning
// with "#" are skipped.
//   press|LABEL          the next message box: the button labelled LABEL ("Yes", "Oui")
//   answer|CODE          the next message box: the button that gives CODE (10 Yes, 15 Cancel)
//   file|PATH            the next file selector chooses PATH
//   nofile               the next file selector is cancelled
//   end|DIALOG|RESULT    the next run of the dialog DIALOG ("Welcome Dialog") ends with RESULT
//   dialog|DIALOG|ID...  the next run of DIALOG: its elements ID, ... are clicked in turn
//   printer|PDF          the next printer preparation succeeds, printing into the file PDF
//   click|ID             the element ID of the main window or the parameter dialog is
//                        activated as the user would (a menu item, a button)
//   set|ID|TEXT          the parameter dialog's control ID gets TEXT and is taken over, as
//                        when the user edits it (a list: the item with that text)
//   check|ID|0/1         the same for a check box or radio button
//   ready                prints "ready"
//   cpu                  prints "cpu MS": the processor time used so far, in milliseconds
//   wait|MS              lets the program run idle for MS milliseconds
//   shown                prints what was shown since the last "shown", one line each:
//                        "box|TITLE|TEXT|RESULT", "info|TEXT", "dialog|ID|RESULT",
//                        "file|PATH", "printer|PDF" (line breaks in texts as "\n")
//   quit                 Exit, as the file menu's item
// The answer steps before the first command are given before the window appears (for the
// welcome dialog and the boxes of the start-up); the commands run once the start-up is done,
// and each answer step is queued when the script reaches it. A line that cannot be read is
// printed as "bad|LINE" and skipped.
#pragma once

#include "GwString.h"

class CApplFrameMgr;

class CTestScript {
public:
    // Turns the scripted answers on, reads the script and queues its first answers; the
    // commands follow once frame's start-up is done. A script that cannot be read is said on
    // the error output and the program runs without it.
    static void Start(CApplFrameMgr* frame, const GwString& path);
};
