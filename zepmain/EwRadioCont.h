// A group of radio buttons bound to a parameter: the control is the container (its id is the
// parameter's name) and each radio button in it stands for one value by its id.
//
// The button that stands for a value v has the id
//   without a prefix:  v, or "BLANK" when v is "" or " ";
//   with a prefix p:   none when v does not begin with p; else v without p, or "BLANK" when
//                      that rest is "" or " ".
// With the prefix "X": "XA" checks button "A", "X" checks "BLANK", "Y" checks nothing.
//
// ShowValue checks the button for v (1); when there is none it checks no button at all (0),
// so that reading back never repeats a value that was not shown. GetValue gives the id of the
// first checked button ("BLANK" read as ""), with the prefix in front; "" when none is
// checked.
#pragma once

#include "EwCtrlVw.h"

class EwRadioCont : public EwCtrlVw {
public:
    int ShowValue(const GwString& value) override;
    GwString GetValue() const override;

    // The button for value v, or null.
    virtual GwCore* ButtonFor(const GwString& v) const;
    // Operations on the button for v; 0 (or empty, or nothing) when there is none.
    virtual int SetButtonText(const GwString& v, const GwString& text);
    virtual GwString ButtonText(const GwString& v) const;
    virtual int SetButtonId(const GwString& v, const GwString& id);
    virtual int DisableButton(const GwString& v);
    virtual int EnableButton(const GwString& v);
    virtual int HideButton(const GwString& v);

    // Stores the prefix; gives its length.
    int SetPrefix(const GwString& prefix);
    GwString Prefix() const { return m_sPrefix; }

private:
    // The id of the button for v, or empty when no button can stand for it.
    GwString ButtonId(const GwString& v) const;

    GwString m_sPrefix;
    int m_iPrefixLen = 0;
};
