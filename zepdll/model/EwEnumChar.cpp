#include "EwEnumChar.h"

EwEnumChar::EwEnumChar(const GwString& name, const GwString& type) : EwEnumType(name, type) {}

GwString EwEnumChar::value(int form) const {
    return coded(m_sValue, form, false);
}

GwString EwEnumChar::prf_value(int form) const {
    return coded(m_sPrfValue, form, true);
}

int EwEnumChar::set_value(const GwString& v, int form) {
    return decode_into(v, form, m_sValue);
}

int EwEnumChar::set_prf_value(const GwString& v, int form) {
    return decode_into(v, form, m_sPrfValue);
}

int EwEnumChar::set_default(const GwString& v) {
    if (!IsValid(v))
        return 0;
    m_sDefault = v;
    m_sValue = v;
    return 1;
}
