#include "CMainPage1.h"

#include "EwComboBox.h"
#include "EwRepository.h"
#include "EwSpinButton.h"

CMainPage1::CMainPage1(GwCore* dialog, const EwRepository* repository) : EwPage(dialog, "Reading") {
    AddControl("RCL", new EwSpinButton);
    AddControl("HIS", new EwComboBox);
    for (int i = 0; i <= 9; ++i) {
        const GwString rule = "L" + GwString(i);
        AddControl(rule + "O", new EwComboBox);
        AddControl(rule + "L", new EwCtrlVw);
        AddControl(rule + "U", new EwCtrlVw);
        AddControl(rule + "D", new EwComboBox);
        AddControl(rule + "C", new EwComboBox);
        AddControl(rule + "S", new EwComboBox);
        AddControl(rule + "A", new EwComboBox);
        AddControl(rule + "H", new EwComboBox);
    }
    AddControl("DCC", new EwSpinButton);
    AddControl("DCI", new EwCtrlVw);
    if (repository != nullptr)
        BindFurtherControls(*repository);
}
