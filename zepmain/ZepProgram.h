// The program's start and end, between the entry in main.cpp and the main window: the
// version, the program directory, the settings, the main window and the objects every window
// shares (message texts, the serial driver, the transfer object), the modal run of the main
// window, and writing the settings back.
#pragma once

#include "GwString.h"

#include <vector>

class ZepProgram {
public:
    // "V 1.1 - 64 Bit": the version and what the build is (" - 32 Bit" in a 32-bit build).
    static GwString VersionText();
    // The directory of the running program as the platform reports it, ending with "/";
    // neither the name the program was started by nor the working directory matters.
    static GwString ProgramDir();
    // What a new user starts with: a port that was never set (no settings file, or one without
    // a port) is the simulated scanner SIM, and line settings never set are 9600,N,8,1. A
    // port the user chose, "NONE" included, is kept.
    static void ApplyFirstStartDefaults();
    // The whole run. arguments[0] is the program, arguments[1] an optional script file to
    // open (relative to the directory the program was started from). 0 when the program ran
    // and ended; 1 when its main window could not be built (said on the error output).
    static int Run(const std::vector<GwString>& arguments);
};
