// Enumerations whose values are characters in the profile (type ENUMERATEDCHAR).
// The value, default and comparison value are kept in plain form; value(1) and prf_value(1)
// give the code (see EwEnumType).
#pragma once

#include "EwEnumType.h"

class EwEnumChar : public EwEnumType {
public:
    EwEnumChar(const GwString& name, const GwString& type);

    // Form 1 with a code list: the code of the value, filled on the left with "0" to the
    // length; a value that is not in the list comes back unchanged (not filled). Otherwise the
    // plain value. Starts as "0".
    GwString value(int form) const override;
    // As value, for the comparison value (starts empty); a comparison value that is not in
    // the list is filled with "0" to the length.
    GwString prf_value(int form) const override;
    // Form 1 with a code list: a code is first turned into its value. The result is stored
    // when it is one of the values: 1; otherwise 0 and nothing changes.
    int set_value(const GwString& v, int form) override;
    int set_prf_value(const GwString& v, int form) override;
    // When v is one of the values, default and value become v: 1. Otherwise 0, no change.
    int set_default(const GwString& v) override;

private:
    GwString m_sValue = "0";
    GwString m_sDefault = "0";
    GwString m_sPrfValue;
};
