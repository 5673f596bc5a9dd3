#include "CMainPage2.h"

#include "EwComboBox.h"
#include "EwRadioCont.h"
#include "EwRepository.h"
#include "EwToggle.h"

CMainPage2::CMainPage2(GwCore* dialog, const EwRepository* repository) : EwPage(dialog, "Device") {
    AddControl("DCL", new EwRadioCont);
    AddControl("DCO", new EwComboBox);
    AddControl("ROT", new EwCtrlVw);
    AddControl("ROR", new EwComboBox);
    AddControl("ROS", new EwComboBox);
    AddControl("LTD", new EwComboBox);
    AddControl("LTT", new EwRadioCont);
    AddControl("LTM", new EwCtrlVw);
    AddControl("CVA", new EwToggle);
    AddControl("CVI", new EwCtrlVw);
    AddControl("CVM", new EwCtrlVw);
    AddControl("CVO", new EwRadioCont);
    if (repository != nullptr)
        BindFurtherControls(*repository);
}
