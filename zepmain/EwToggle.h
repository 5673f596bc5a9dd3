// A check box bound to a parameter: "" and "0" are off, every other value on; read back as
// "0" or "1".
#pragma once

#include "EwCtrlVw.h"

class EwToggle : public EwCtrlVw {
public:
    int ShowValue(const GwString& value) override;
    GwString GetValue() const override;
};
