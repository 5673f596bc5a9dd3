#include "EwCtrlVw.h"

#include "GwCore.h"

int EwCtrlVw::ShowValue(const GwString& value) {
    GwCore* control = Control();
    if (control == nullptr)
        return 0;
    control->set_text(value);
    return 1;
}

GwString EwCtrlVw::GetValue() const {
    GwCore* control = Control();
    if (control == nullptr)
        return GwString();
    const GwString text = control->text();
    if (control->is_a(GwFMTEDITBUTTON_CLASS) && control->format_type() == 3 &&
        (text == "." || text == ","))
        return GwString();
    return text;
}

GwString EwCtrlVw::Name() const {
    GwCore* control = Control();
    return control != nullptr ? control->id() : GwString();
}

int EwCtrlVw::ShowChoice(const GwString& value) {
    GwCore* control = Control();
    if (control == nullptr)
        return 0;
    const GwString shown = value.is_empty() ? GwString(" ") : value;
    control->deselect_all();
    const int item = control->find_item(shown);
    if (item >= 0) {
        control->set_text(shown);
        control->select_item(item);
        return 1;
    }
    control->set_text(" ");
    return 0;
}

GwString EwCtrlVw::GetChoice() const {
    GwCore* control = Control();
    if (control == nullptr)
        return GwString();
    const GwString text = control->text();
    return text == " " ? GwString() : text;
}
