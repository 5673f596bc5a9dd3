#include "CMainPage4.h"

#include "EwComboBox.h"
#include "EwRepository.h"

CMainPage4::CMainPage4(GwCore* dialog, const EwRepository* repository) : EwPage(dialog, "Host") {
    for (const char* id : {"HIP", "HIT"})
        AddControl(id, new EwComboBox);
    AddControl("HIA", new EwCtrlVw);
    for (const char* id : {"H0B", "H0F", "H0T"})
        AddControl(id, new EwComboBox);
    AddControl("H0E", new EwCtrlVw);
    for (const char* id : {"H0C", "H1B", "H1F", "H1T", "H1E", "H2E"})
        AddControl(id, new EwComboBox);
    if (repository != nullptr)
        BindFurtherControls(*repository);
}
