// The "Code" page of the parameter dialog: its controls are those of the layout whose id
// names a parameter (the code types), bound by their class.
#pragma once

#include "EwPage.h"

class CMainPage3 : public EwPage {
public:
    // As CMainPage1.
    CMainPage3(GwCore* dialog, const EwRepository* repository);
};
