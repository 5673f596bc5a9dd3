#include "CConsole.h"

#include <unistd.h>

int CConsole::ErrorIsTerminal() {
    return isatty(STDERR_FILENO) ? 1 : 0;
}
