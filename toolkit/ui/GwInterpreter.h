// The toolkit's own script interpreter: layout buttons that only close their dialog or fill a
// field need no code of the program. The element binds the callback "interpreter" and its user
// data (gwData) holds commands separated by ";", run in order on the element's frame:
//
//   hide N         the frame's result becomes N and the frame is hidden (a modal run ends)
//   set ID TEXT    the frame's child ID shows TEXT (everything after the id, blanks kept)
//
//   "set ID_HLP_LABEL -1; hide 15"     a label gets "-1", then the dialog ends with 15
//
// A command of another name, or one whose element is missing, is reported on the console and
// skipped; the commands after it still run.
#pragma once

class GwCore;
class GwEvent;
class GwUD;

class GwInterpreter {
public:
    // The callback: runs the commands of data's text. Always 1.
    static int interpreter(GwCore* window, GwEvent* event, const GwUD& data);
};
