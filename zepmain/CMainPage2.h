// The "Device" page of the parameter dialog: decoder, scanning optics, reading gate, code
// comparison, and further device controls of the layout.
#pragma once

#include "EwPage.h"

class CMainPage2 : public EwPage {
public:
    // As CMainPage1.
    CMainPage2(GwCore* dialog, const EwRepository* repository);
};
