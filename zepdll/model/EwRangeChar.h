// Byte-sequence parameters (profile type HEXCHAR), such as a prefix or suffix the scanner adds
// to each code. The plain form is a list of tokens separated by single blanks, one token per
// byte ("STX A CR"); the coded form is a string of hex digit pairs ("02410D"). length is the
// maximum number of bytes. Tokens and pairs are converted with CUtils::Hex2Token/Token2Hex.
#pragma once

#include "EwRangeType.h"

class EwRangeChar : public EwRangeType {
public:
    EwRangeChar(const GwString& name, const GwString& type);

    // 0 when candidate is an excluded text, or when its first or second character is not an
    // upper-case hex digit; otherwise 1 exactly when low <= candidate <= high in text order
    // (GwString::compare). "0D" with bounds "00","7F" is valid; "0d" is not.
    int IsValid(const GwString& candidate) const override;
    // Form non-zero: tokens_to_hex(value, length); form 0: the tokens. Starts as "0".
    GwString value(int form) const override;
    // As value, for the comparison value (starts empty).
    GwString prf_value(int form) const override;
    // Form non-zero: value := hex_to_tokens(v, length); form 0: value := v. Never rejects: 1.
    int set_value(const GwString& v, int form) override;
    int set_prf_value(const GwString& v, int form) override;
    // Default and value become v without a check: 1.
    int set_default(const GwString& v) override;

    // Hex pairs to blank-separated tokens. Reading stops at a pair "00" when length is above
    // 1; after each token a blank follows while fewer than length tokens were written, so a
    // full sequence has no trailing blank and one ended early keeps one.
    //   ("0D0A", 2) -> "CR LF"     ("0D00", 2) -> "CR "     ("000D", 2) -> ""
    //   ("00", 1) -> "NUL"         ("414243", 2) -> "A BC" (bytes beyond length run together)
    static GwString hex_to_tokens(const GwString& hex, int length);
    // Blank-separated tokens to hex pairs; when the result is shorter than 2 * length
    // characters one "00" is appended as terminator (not a fill).
    //   ("CR LF", 2) -> "0D0A"     ("CR", 2) -> "0D00"     ("", 2) -> "00"
    static GwString tokens_to_hex(const GwString& tokens, int length);

private:
    GwString m_sValue = "0";
    GwString m_sDefault = "0";
    GwString m_sPrfValue;
};
