#include "EwEnumInt.h"

EwEnumInt::EwEnumInt(const GwString& name, const GwString& type) : EwEnumType(name, type) {}

GwString EwEnumInt::value(int form) const {
    return coded(m_sValue, form, false);
}

GwString EwEnumInt::prf_value(int form) const {
    return coded(m_sPrfValue, form, true);
}

int EwEnumInt::set_value(const GwString& v, int form) {
    return decode_into(v, form, m_sValue);
}

int EwEnumInt::set_prf_value(const GwString& v, int form) {
    return decode_into(v, form, m_sPrfValue);
}

int EwEnumInt::set_default(const GwString& v) {
    if (!IsValid(v))
        return 0;
    m_sDefault = v;
    m_sValue = v;
    return 1;
}
