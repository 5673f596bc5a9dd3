// The "Reading" page of the parameter dialog: codes per reading gate, result output, the ten
// reading rules L0 to L9, decode confirmations and repeat suppression.
#pragma once

#include "EwPage.h"

class CMainPage1 : public EwPage {
public:
    // Binds the page's controls in the dialog window; further controls whose id names a
    // parameter of the repository are bound by their class (EwPage::BindFurtherControls).
    CMainPage1(GwCore* dialog, const EwRepository* repository);
};
