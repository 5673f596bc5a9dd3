// Online help: opens a page of the help directory in a web browser. The layouts bind
// "CHelpManager::ContextHelp" with the page's file name as the element's user data (gwData)
// and "CHelpManager::SetBrowser" to let the user choose the browser. Every member and
// operation is static.
//
// The browser tried for a page: the one the user chose (HtmlBrowser, kept in the settings
// file); else the desktop's default browser (DefaultOpeners: "xdg-open" on Linux, "open" on
// macOS, the shell's association on Windows); else the user is asked to choose a program.
// The page's path is always handed over as one argument of its own, never through a shell.
#pragma once

#include "GwString.h"
#include "GwUD.h"

#include <vector>

class GwCore;
class GwEvent;

class CHelpManager {
public:
    // The help directory of the scanner type and language, relative to the program directory
    // and ending with a backslash ("help\\ZEP100\\engl\\"); set by CInitMgr::BuildHelpSubDir.
    static GwString HelpSubDir;
    // The browser the user chose: a program path, or a command with its own options
    // ("firefox --new-window"); empty when none was chosen.
    static GwString HtmlBrowser;
    // Programs that open a file in the desktop's default browser, tried in order when no
    // browser was chosen. An empty list on Windows, where the desktop services do it.
    static std::vector<GwString> DefaultOpeners;

    // Opens the page named by data's text (empty: "home.htm"; a page that does not exist:
    // "home.htm" of the same directory). Gives 1.
    static int ContextHelp(GwCore* window, GwEvent* event, const GwUD& data);
    // Lets the user choose the browser program; cancelling keeps the old one. Gives 0.
    static int SetBrowser(GwCore* window, GwEvent* event, const GwUD& data);

    // The absolute path of the page that ContextHelp opens for a page name.
    static GwString page_path(const GwString& page);

protected:
    // The file chooser for a browser program: the chosen path, or empty.
    static GwString FindBrowser(GwCore* window);
    // Starts the browser command with the page as its last argument; 1 when it started.
    static int start_browser(const GwString& command, const GwString& page);
    static int start_default(const GwString& page);
};
