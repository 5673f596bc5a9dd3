#include "EwRangeInt.h"

#include "CUtils.h"
#include "DynGwStringPtrArray.h"

namespace {

// 1 for a text that is a decimal number and nothing else ("1000", "-5"; not "", "5a", " 5").
int is_plain_number(const GwString& text) {
    int i = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (i >= text.len())
        return 0;
    for (; i < text.len(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return 0;
    }
    return 1;
}

} // namespace

EwRangeInt::EwRangeInt(const GwString& name, const GwString& type) : EwRangeType(name, type) {}

int EwRangeInt::IsValid(const GwString& candidate) const {
    if (is_excluded(candidate))
        return 0;
    const long v = candidate.to_long();
    // The value is stored as a number, so an excluded number must not come in under another
    // spelling ("01000", "1000 ").
    for (int i = 0; m_pExcludes != nullptr && i < m_pExcludes->count(); ++i) {
        const GwString* e = m_pExcludes->get(i);
        if (e != nullptr && is_plain_number(*e) && e->to_long() == v)
            return 0;
    }
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
