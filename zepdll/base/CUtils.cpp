#include "CUtils.h"

#include <cstdint>
#include <cstdio>

const GwString CUtils::Comp_Str[CUtils::Comp_Len] = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "HT",  "LF",  "VT",
    "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAC", "SYN", "ETB",
    "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US",  "SPC", "DEL"};

const GwString CUtils::Comp_Hex[CUtils::Comp_Len] = {
    "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "0A", "0B",
    "0C", "0D", "0E", "0F", "10", "11", "12", "13", "14", "15", "16", "17",
    "18", "19", "1A", "1B", "1C", "1D", "1E", "1F", "20", "7F"};

namespace {

// The text up to its first blank. A one-character text is taken whole, so that a single blank
// stays a blank (and converts to "20") instead of vanishing as a separator.
GwString first_word(const GwString& text) {
    if (text.len() == 1)
        return text;
    GwString copy(text);
    return copy.token(" ");
}

int table_index(const GwString table[], const GwString& t) {
    for (int k = 0; k < CUtils::Comp_Len; ++k) {
        if (table[k].len() == t.len() && table[k].compare(t) == 0)
            return k;
    }
    return -1;
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

GwString CUtils::Token2Hex(const GwString& token) {
    const GwString t = first_word(token);
    if (t.len() == 1) {
        GwString hex;
        hex.Put("%X", static_cast<unsigned>(static_cast<int>(static_cast<signed char>(t[0]))));
        return hex;
    }
    if (t.len() == 2 || t.len() == 3) {
        const int k = table_index(Comp_Str, t);
        return k >= 0 ? Comp_Hex[k] : t;
    }
    return t;
}

GwString CUtils::Hex2Token(const GwString& hex) {
    const GwString t = first_word(hex);
    if (t.compare("20") > 0 && t.compare("7F") <= 0) {
        unsigned code = 0;
        std::sscanf(t.cc(), "%x", &code);
        return GwString(static_cast<char>(code & 0xFF), 1);
    }
    const int k = table_index(Comp_Hex, t);
    return k >= 0 ? Comp_Str[k] : t;
}

int CUtils::TokenCount(const GwString& text, const GwString& separator) {
    GwString copy(text);
    int count = 0;
    while (copy.not_null()) {
        copy.token(separator);
        ++count;
    }
    return count;
}

GwString CUtils::Hex2Int(const GwString& hex) {
    // Unsigned arithmetic wraps like the 32-bit accumulator it stands for.
    std::uint32_t sum = 0;
    std::uint32_t weight = 1;
    for (int i = hex.len() - 1; i >= 0; --i) {
        const int code = static_cast<unsigned char>(hex[i]);
        const int digit = (code >= '0' && code <= '9') ? code - 48 : code - 55;
        sum += static_cast<std::uint32_t>(digit) * weight;
        weight *= 16u;
    }
    return GwString(static_cast<long>(static_cast<std::int32_t>(sum)));
}

GwString CUtils::Int2Hex(const GwString& dec) {
    GwString hex;
    hex.Put("%X", static_cast<unsigned>(GwAtoi(dec.cc())));
    return hex;
}

GwString CUtils::ExtractRange(GwString range, int width) {
    GwString result;
    const int dash = range.first('-');
    if (dash < 0) {
        result = PadLeft(GwString(GwAtoi(range.cc())), width);
    } else {
        const GwString low = range(0, dash - 1);
        GwString rest = range.from(dash + 1);
        const int further = rest.first('-');
        if (further >= 0)
            rest = rest(0, further - 1);
        result = PadLeft(low, width) + "-" + PadLeft(GwString(GwAtoi(rest.cc())), width);
    }
    return PadRight(result, 5, '_');
}

GwString CUtils::EraseLeadingWhitespace(const GwString& text) {
    int i = 0;
    while (i < text.len() && is_blank(text[i]))
        ++i;
    return text.from(i);
}

GwString CUtils::EraseTrailingWhitespace(const GwString& text) {
    int last = text.len() - 1;
    while (last > 0 && is_blank(text[last]))
        --last;
    return text(0, last);
}

GwString CUtils::PadLeft(const GwString& text, int width, char fill) {
    if (text.len() >= width)
        return text;
    return GwString(fill, width - text.len()) + text;
}

GwString CUtils::PadRight(const GwString& text, int width, char fill) {
    if (text.len() >= width)
        return text;
    return text + GwString(fill, width - text.len());
}
