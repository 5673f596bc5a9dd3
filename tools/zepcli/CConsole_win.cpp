#include "CConsole.h"

#include <cstdio>
#include <io.h>

int CConsole::ErrorIsTerminal() {
    return _isatty(_fileno(stderr)) ? 1 : 0;
}
