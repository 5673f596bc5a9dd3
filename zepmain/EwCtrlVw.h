// A control bound to one parameter: the parameter's name is the id of the control. The base
// class is the edit field; EwToggle, EwSpinButton, EwComboBox and EwRadioCont are the other
// kinds. Each kind shows a value in the plain form (ShowValue) and reads it back (GetValue):
//
//   edit field    ShowValue sets the text (1). GetValue gives the text; a numeric formatted
//                 field (format type 3) holding only "." or "," gives "".
//   toggle        "" and "0" show as off, any other text as on (1); GetValue gives "0" or "1".
//   choice list   (spin button, combo box) "" is shown as " ". When the text is an item it is
//                 selected (1); otherwise nothing is selected, " " is shown and the result is
//                 0. GetValue gives the text shown, " " read as "".
//   radio group   see EwRadioCont.
#pragma once

#include "GwCtrlVw.h"
#include "GwString.h"

class EwCtrlVw : public GwCtrlVw {
public:
    EwCtrlVw() = default;

    // 1 when the value is shown as it is; 0 when it could not be (or there is no control).
    virtual int ShowValue(const GwString& value);
    virtual GwString GetValue() const;

    // The parameter this control stands for: the control's id, or empty without a control.
    GwString Name() const;

protected:
    // The choice-list rules shared by spin buttons and combo boxes.
    int ShowChoice(const GwString& value);
    GwString GetChoice() const;
};
