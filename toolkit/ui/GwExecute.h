// Starts another program (a help browser) and does not wait for it. The program gets its
// arguments exactly as given, one by one, without a shell in between, so no file or page name
// can smuggle in a command: GwExecute::start("firefox", {"/x/a\";rm -rf ~;\".htm"}) hands
// firefox that one odd file name and nothing else.
//
// A program written with a directory ("c:\\tools\\view", "/usr/bin/firefox") is found through
// GwPath; a bare name through the PATH.
#pragma once

#include "GwString.h"

#include <vector>

class GwExecute {
public:
    // 1 when the program was started, 0 when it could not be (not found, not executable).
    static int start(const GwString& program, const std::vector<GwString>& arguments);
};
