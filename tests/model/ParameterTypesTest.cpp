// The typed parameters: validity, coded and plain forms, comparison values and defaults. What
// each profile type gives with its lists, bounds and default is CScanRepoBuilderTest's; texts
// (which accept everything) are stored and read back by the ZEP100 script round trips.
#include "EwEnumInt.h"
#include "EwRangeChar.h"
#include "EwRangeInt.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

namespace {

// Values and codes (no code list when empty), length 2.
std::unique_ptr<EwEnumInt> make(std::initializer_list<const char*> values = {"Off", "On"},
                                std::initializer_list<const char*> codes = {"0", "1"}) {
    auto p = std::make_unique<EwEnumInt>("GMode", "ENUMERATEDINT");
    p->set_length("2");
    DynGwStringPtrArray* list = new_list(values);
    p->set_range(list, codes.size() > 0 ? new_list(codes) : nullptr);
    return p;
}

// A range parameter of a length and bounds, excluding the given texts.
template <class T>
std::unique_ptr<T> make_range(const char* type, const char* length, const char* low,
                              const char* high, std::initializer_list<const char*> excludes) {
    auto p = std::make_unique<T>("GP", type);
    p->set_length(length);
    p->set_bounds(low, high);
    DynGwStringPtrArray* list = new_list(excludes);
    p->set_range(list, nullptr);
    return p;
}
std::unique_ptr<EwRangeChar> make_hex() {
    return make_range<EwRangeChar>("HEXCHAR", "2", "00", "7F", {"0A"});
}

// value(0)/value(1) and prf_value(0)/prf_value(1) of a parameter in one text: "On/01 Off/00".
std::string forms(const EwType& p) {
    return p.value(0).str() + "/" + p.value(1).str() + " " + p.prf_value(0).str() + "/" +
           p.prf_value(1).str();
}

} // namespace

// ---- Enumerations (EwEnumChar differs only in its name; ZEP100 builds both) ---------------

// Codes decoded on set and filled on read: every ZEP100 code goes through set_prf_value and
// back (Zep100Profile), the builder's rows read the filled coded forms, and the transfer tests
// write and read every enumeration in its coded form.

TEST(EwEnum, CodesAreNeitherCutNorReadPastTheirList) {
    auto p = make({"A", "B", "A", "X"}, {"5", "123", "7"});
    ASSERT_EQ(p->set_value("123", 1) + p->set_prf_value("7", 1), 2);
    EXPECT_EQ(forms(*p), "B/123 A/05"); // "7" decodes to "A", whose first code is 5
    // "X" has no code: the value comes back as it is, the comparison value filled.
    ASSERT_EQ(p->set_value("X", 0) + p->set_prf_value("X", 0), 2);
    EXPECT_EQ(forms(*p), "X/X X/0X");
    auto plain = make({"Off", "On"}, {});
    ASSERT_EQ(plain->set_value("On", 1) + plain->set_prf_value("Off", 1), 2);
    EXPECT_EQ(forms(*plain), "On/On Off/Off");
    EXPECT_EQ(plain->range(1), nullptr);
}

TEST(EwEnum, OnlyAListedTextIsValidOrADefault) {
    auto p = make();
    for (const char* text : {"on", "On ", "O", ""})
        EXPECT_EQ(p->IsValid(text), 0) << text;
    EXPECT_EQ(p->IsValid("On"), 1);
    EXPECT_EQ(p->set_default("Maybe"), 0);
    EXPECT_EQ(p->set_default("0"), 0); // a code is no default
    EXPECT_EQ(p->value(0), "0");
    EXPECT_EQ(p->set_default("On"), 1);
    EXPECT_EQ(p->value(0), "On");
    auto bare = std::make_unique<EwEnumInt>("GY", "BOOLEAN");
    EXPECT_EQ(bare->IsValid("0"), 0);
    EXPECT_EQ(bare->set_value("0", 1), 0);
}

// ---- Byte sequences: tokens in plain form, hex pairs in coded form --------------------------

TEST(EwRangeChar, ConvertsHexPairsAndTokens) {
    using Row = std::tuple<const char*, int, const char*>; // input, length, output
    const Row to_tokens[] = {{"0D0A", 2, "CR LF"}, {"0D00", 2, "CR "}, {"000D", 2, ""},
                             {"4100FF", 3, "A "},  {"00", 1, "NUL"},   {"414243", 2, "A BC"},
                             {"414", 3, "A \x04 "}};
    const Row to_hex[] = {{"CR", 3, "0D00"},
                          {"", 2, "00"},
                          {"CR ", 2, "0D00"},
                          {"NAK", 2, "NAK00"},
                          {"A", 2147483647, "4100"}};
    for (const auto& [in, length, out] : to_tokens)
        EXPECT_EQ(EwRangeChar::hex_to_tokens(in, length), out) << in << " " << length;
    for (const auto& [in, length, out] : to_hex)
        EXPECT_EQ(EwRangeChar::tokens_to_hex(in, length), out) << in << " " << length;
}

TEST(EwRangeChar, AValidPairIsTwoUpperCaseHexDigitsInsideTheBoundsAndNotExcluded) {
    const auto p = make_hex();
    std::string valid;
    for (const char* text : {"00", "7F", "7E55", "80", "0d", "0A", "7", "0G", "7F0"})
        valid += std::to_string(p->IsValid(text));
    EXPECT_EQ(valid, "111000000"); // "7E55" and "7F0" compare as texts
}

TEST(EwRangeChar, StoresTokensWithoutCheckAndGivesHexPairs) {
    auto p = make_hex();
    ASSERT_EQ(p->set_value("0D0A", 1) + p->set_prf_value("41", 3), 2);
    EXPECT_EQ(forms(*p), "CR LF/0D0A A /4100");
    EXPECT_EQ(p->value(5), "0D0A"); // any non-zero form is coded
    ASSERT_EQ(p->set_value("000D", 1), 1);
    EXPECT_EQ(p->value(1), "00");
    EXPECT_EQ(p->set_value("zz", 0) + p->set_default("anything"), 2); // never rejects
    EXPECT_EQ(p->value(0), "anything");
}

// ---- Integers ------------------------------------------------------------------------------

// Only a numeric entry excludes by number (under any spelling): "abc" reads as 0 but does not
// exclude 0.
TEST(EwRangeInt, JudgesByExcludedTextThenByNumberAndStoresWhatItAccepts) {
    const std::pair<const char*, int> rows[] = {
        {"1", 1},   {"10", 1}, {"5", 0}, {"05", 0}, {"5 ", 0},  {"11", 0}, {"-10", 0}, {"abc", 0},
        {"7kg", 1}, {"0", 1},  {"3", 1}, {"-3", 0}, {"-03", 0}, {"4", 0},  {"", 0}};
    for (const auto& [candidate, valid] : rows) {
        auto p = make_range<EwRangeInt>("INT", "3", "-9", "10", {"5", "abc", "-3", "+4", ""});
        EXPECT_EQ(p->IsValid(candidate), valid) << candidate;
        EXPECT_EQ(p->set_value(candidate, 1), valid) << candidate;
        EXPECT_EQ(p->set_prf_value(candidate, 0), valid) << candidate;
        p->set_bounds("0", "255"); // read anew
        EXPECT_EQ(p->IsValid("50") * 10 + p->IsValid("4"), 10);
    }
}

TEST(EwRangeInt, CodedFormIsDecimalFilledToTheLength) {
    auto p = make_range<EwRangeInt>("INT", "3", "1", "10", {});
    ASSERT_EQ(p->set_value("007", 1) + p->set_prf_value("9", 0), 2);
    EXPECT_EQ(forms(*p), "7/007 9/009");
    EXPECT_EQ(p->value(2), "7"); // only form 1 is filled
    // A length beyond a line (only a broken profile gives one) fills no further than a line.
    p->set_length("99999999999");
    EXPECT_EQ(p->length(), "2147483647");
    EXPECT_EQ(p->value(1).len(), 1023);
}

TEST(EwRangeInt, NegativeNumbersKeepTheSignInFrontOfTheZeros) {
    // "0-5" would read back as 0: the sign goes first so the coded form survives a round trip.
    auto p = make_range<EwRangeInt>("INT", "4", "-100", "100", {});
    ASSERT_EQ(p->set_value("-5", 0) + p->set_prf_value("-100", 0), 2);
    EXPECT_EQ(forms(*p), "-5/-005 -100/-100");
    ASSERT_EQ(p->set_prf_value("-005", 1), 1);
    EXPECT_EQ(p->prf_value(0), "-5");
}
