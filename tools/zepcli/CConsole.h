// What zepcli needs to know about the console it runs in. The platform part lives in
// CConsole_unix.cpp / CConsole_win.cpp.
#pragma once

class CConsole {
public:
    // 1 when the standard error output is a terminal (a person watches: progress is shown).
    static int ErrorIsTerminal();
};
