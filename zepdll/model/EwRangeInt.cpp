#include "EwRangeInt.h"

#include "CUtils.h"

EwRangeInt::EwRangeInt(const GwString& name, const GwString& type) : EwRangeType(name, type) {}

int EwRangeInt::IsValid(const GwString& candidate) const {
    if (is_excluded(candidate))
        return 0;
    const long v = candidate.to_long();
    return m_sLow.to_long() <= v && v <= m_sHigh.to_long() ? 1 : 0;
}

GwString EwRangeInt::format(int number, int form) const {
    const GwString text(number);
    if (form != 1)
        return text;
    if (number >= 0)
        return pad_to_length(text);
    // Zeros in front of the sign would read back as 0.
    return "-" + CUtils::PadLeft(text.from(1), pad_width() - 1);
}

GwString EwRangeInt::value(int form) const {
    return format(m_iValue, form);
}

GwString EwRangeInt::prf_value(int form) const {
    return format(m_iPrfValue, form);
}

int EwRangeInt::set_value(const GwString& v, int /*form*/) {
    if (!IsValid(v))
        return 0;
    m_iValue = v.to_int();
    return 1;
}

int EwRangeInt::set_prf_value(const GwString& v, int /*form*/) {
    if (!IsValid(v))
        return 0;
    m_iPrfValue = v.to_int();
    return 1;
}

int EwRangeInt::set_default(const GwString& v) {
    if (!IsValid(v))
        return 0;
    m_iDefault = v.to_int();
    m_iValue = m_iDefault;
    return 1;
}
