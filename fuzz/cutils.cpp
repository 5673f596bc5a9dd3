// Fuzzes the text conversions with arbitrary text and widths.
#include "CUtils.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const int width = data[0] % 12;
    const GwString text(reinterpret_cast<const char*>(data) + 1, static_cast<int>(size - 1));
    CUtils::Token2Hex(text);
    CUtils::Hex2Token(text);
    CUtils::TokenCount(text, " ");
    CUtils::TokenCount(text, GwString(text(0, 0)));
    CUtils::Hex2Int(text);
    CUtils::Int2Hex(text);
    const GwString range = CUtils::ExtractRange(text, width);
    if (range.len() < 5)
        __builtin_trap(); // always filled to five characters
    const GwString lead = CUtils::EraseLeadingWhitespace(text);
    const GwString trail = CUtils::EraseTrailingWhitespace(text);
    if (lead.len() > text.len() || trail.len() > text.len())
        __builtin_trap();
    if (text.len() > 0 && trail.len() == 0)
        __builtin_trap(); // the first character always stays
    return 0;
}
