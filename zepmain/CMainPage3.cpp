#include "CMainPage3.h"

#include "EwRepository.h"

CMainPage3::CMainPage3(GwCore* dialog, const EwRepository* repository) : EwPage(dialog, "Code") {
    if (repository != nullptr)
        BindFurtherControls(*repository);
}
