#include "EwToggle.h"

#include "GwCore.h"

int EwToggle::ShowValue(const GwString& value) {
    GwCore* control = Control();
    if (control == nullptr)
        return 0;
    control->set_value(value.not_null() && value != "0" ? 1 : 0);
    return 1;
}

GwString EwToggle::GetValue() const {
    GwCore* control = Control();
    return control != nullptr ? GwString(control->value() != 0 ? 1 : 0) : GwString();
}
