// A font named the toolkit's way: a descriptor "size.family[.styles]" or a named font.
//
//   GwFont("8.Courier")      Courier (or the system's typewriter font), 8 points
//   GwFont("7.Courier.I")    the same, 7 points, italic; style letters: I italic, B bold,
//                            U underline, in any order and case
//   GwFont("GwDialogFont")   the font of dialogs and message boxes
// A descriptor without a leading number is taken as a family name at the dialog font's size.
#pragma once

#include "GwString.h"

#include <QFont>

class GwFont {
public:
    explicit GwFont(const GwString& descriptor);

    const QFont& qfont() const { return m_font; }
    const GwString& descriptor() const { return m_descriptor; }

    // The dialog font ("GwDialogFont"): DejaVu Sans (a font the set-up installs), 9 points,
    // unless set otherwise.
    static QFont dialog_font();
    static void set_dialog_font(const QFont& font);

private:
    GwString m_descriptor;
    QFont m_font;
};
