#include "EwRangeChar.h"

#include "CUtils.h"

namespace {

int is_upper_hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') ? 1 : 0;
}

} // namespace

EwRangeChar::EwRangeChar(const GwString& name, const GwString& type) : EwRangeType(name, type) {}

int EwRangeChar::IsValid(const GwString& candidate) const {
    if (is_excluded(candidate))
        return 0;
    if (!is_upper_hex_digit(candidate[0]) || !is_upper_hex_digit(candidate[1]))
        return 0;
    return m_sLow.compare(candidate) <= 0 && candidate.compare(m_sHigh) <= 0 ? 1 : 0;
}

GwString EwRangeChar::value(int form) const {
    return form != 0 ? tokens_to_hex(m_sValue, m_iLength) : m_sValue;
}

GwString EwRangeChar::prf_value(int form) const {
    return form != 0 ? tokens_to_hex(m_sPrfValue, m_iLength) : m_sPrfValue;
}

int EwRangeChar::set_value(const GwString& v, int form) {
    m_sValue = form != 0 ? hex_to_tokens(v, m_iLength) : v;
    return 1;
}

int EwRangeChar::set_prf_value(const GwString& v, int form) {
    m_sPrfValue = form != 0 ? hex_to_tokens(v, m_iLength) : v;
    return 1;
}

int EwRangeChar::set_default(const GwString& v) {
    m_sDefault = v;
    m_sValue = v;
    return 1;
}

GwString EwRangeChar::hex_to_tokens(const GwString& hex, int length) {
    GwString result;
    GwString rest = hex;
    while (rest.not_null()) {
        const GwString pair = rest(0, 1);
        if (pair == "00" && length > 1)
            break;
        rest.remove(0, 1);
        result += CUtils::Hex2Token(pair);
        if (CUtils::TokenCount(result, " ") < length)
            result += " ";
    }
    return result;
}

GwString EwRangeChar::tokens_to_hex(const GwString& tokens, int length) {
    GwString result;
    GwString rest = tokens;
    while (rest.not_null())
        result += CUtils::Token2Hex(rest.token(" "));
    // 64-bit: a length near the int limit must not overflow the doubling.
    if (static_cast<long long>(result.len()) < 2LL * length)
        result += "00";
    return result;
}
