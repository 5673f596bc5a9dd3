// The splash screen shown while the program starts: a picture of the program directory with
// the version text drawn on it, turned by 90 degrees so that it reads upwards from (600, 220),
// in a borderless window above all others, centred on the screen. One at a time; the main
// window's splash timer closes it (or a start that fails).
#pragma once

#include "GwString.h"

class CSplashScreen {
public:
    // Shows picture (an image file; none found: a plain dark area of 640 x 480) with text.
    static void Open(const GwString& picture, const GwString& text);
    static void Close();
    static int IsOpen();
};
