// Small text conversions shared by the terminal, the command map, the transfer and the
// parameter types: control-character mnemonics and hex codes, hex and decimal text, field
// counting, range texts and blank trimming. Every operation is static and leaves its argument
// unchanged.
#pragma once

#include "GwString.h"

class CUtils {
public:
    virtual ~CUtils() = default;

    static constexpr int Comp_Len = 34;
    // Index-aligned: Comp_Str[k] is the mnemonic of the two-digit upper-case code Comp_Hex[k]
    // ("ESC" / "1B"). Code 0x15 is spelt "NAC".
    static const GwString Comp_Str[Comp_Len];
    static const GwString Comp_Hex[Comp_Len];

    // Token (up to its first blank) to hex code: one character gives its code read as a signed
    // byte in "%X" form ("A" -> "41", " " -> "20", "\xE9" -> "FFFFFFE9"); a mnemonic of two or
    // three characters gives its code ("ESC" -> "1B"); anything else comes back as it is
    // ("NAK" -> "NAK", "ABCD" -> "ABCD").
    static GwString Token2Hex(const GwString& token);

    // Hex code (up to its first blank) to token. A text that sorts after "20" and not after
    // "7F" (a text comparison: "21".."7F", but also "3") is read as hex and gives that one
    // character ("41" -> "A"); otherwise a code of the table gives its mnemonic ("0D" -> "CR",
    // "20" -> "SPC"); anything else comes back as it is ("1b" -> "1b").
    static GwString Hex2Token(const GwString& hex);

    // Number of fields GwString::token takes off the text with that separator ("a;b;c" -> 3,
    // "" -> 0; a trailing separator adds one empty field: "a;" -> 2).
    static int TokenCount(const GwString& text, const GwString& separator);

    // Hex digits (upper case; any other character counts as its code minus 55) summed into a
    // 32-bit integer and written as signed decimal: "1B" -> "27", "FFFFFFFF" -> "-1", "" -> "0".
    static GwString Hex2Int(const GwString& hex);

    // Decimal text to upper-case hex without leading zeros ("27" -> "1B", "0" -> "0"); a
    // negative number gives its 32-bit two's complement ("-23" -> "FFFFFFE9").
    static GwString Int2Hex(const GwString& dec);

    // Normalises a range text: width 2 gives "5" -> "05___", "5-12" -> "05-12",
    // "3-007" -> "03-07". The part before the first "-" is padded with "0" as written; the
    // other parts are re-read as numbers; the result is filled with "_" to five characters.
    static GwString ExtractRange(GwString range, int width);

    // Without the leading blanks and tabs ("   " -> "").
    static GwString EraseLeadingWhitespace(const GwString& text);
    // Without trailing blanks and tabs, but the first character always stays ("   " -> " ").
    static GwString EraseTrailingWhitespace(const GwString& text);

    // text filled on the left with "0" to width characters (never shortened).
    static GwString PadLeft(const GwString& text, int width, char fill = '0');
    // text filled on the right with fill to width characters (never shortened).
    static GwString PadRight(const GwString& text, int width, char fill);
};
