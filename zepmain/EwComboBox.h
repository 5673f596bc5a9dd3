// A combo box over the allowed values of a parameter (a choice list; see EwCtrlVw).
#pragma once

#include "EwCtrlVw.h"

class EwComboBox : public EwCtrlVw {
public:
    int ShowValue(const GwString& value) override { return ShowChoice(value); }
    GwString GetValue() const override { return GetChoice(); }
};
