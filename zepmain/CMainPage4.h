// The "Host" page of the parameter dialog: host interface, host port, auxiliary port and
// switching output.
#pragma once

#include "EwPage.h"

class CMainPage4 : public EwPage {
public:
    // As CMainPage1.
    CMainPage4(GwCore* dialog, const EwRepository* repository);
};
