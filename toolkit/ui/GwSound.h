// The warning beep (a value the user typed is refused, a page is missing).
#pragma once

class GwSound {
public:
    static void beep();
    // Beeps since the program started, for tests that check a refusal was signalled.
    static int beep_count();
};
