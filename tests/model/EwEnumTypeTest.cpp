// Enumerations: EwEnumInt and EwEnumChar behave the same, so every case runs on both.
#include "EwEnumChar.h"
#include "EwEnumInt.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>

template <typename T>
class EwEnum : public testing::Test {
protected:
    // values ("Off", "On"), codes ("0", "1") or none, length 2.
    std::unique_ptr<T> make(bool with_codes, const char* length = "2") {
        auto p = std::make_unique<T>("GMode", "ENUMERATEDINT");
        p->set_length(length);
        DynGwStringPtrArray* values = new_list({"Off", "On"});
        p->set_range(values, with_codes ? new_list({"0", "1"}) : nullptr);
        return p;
    }
};

using EnumClasses = testing::Types<EwEnumInt, EwEnumChar>;

struct EnumClassName {
    template <typename T>
    static std::string GetName(int) {
        return std::is_same_v<T, EwEnumInt> ? "EwEnumInt" : "EwEnumChar";
    }
};
TYPED_TEST_SUITE(EwEnum, EnumClasses, EnumClassName);

TYPED_TEST(EwEnum, StartsWithTheTextZeroAndAnEmptyComparisonValue) {
    auto p = this->make(true);
    EXPECT_EQ(p->value(0).str(), "0");
    // "0" is no value of the list: the coded form gives it unfilled.
    EXPECT_EQ(p->value(1).str(), "0");
    EXPECT_EQ(p->prf_value(0).str(), "");
    // The comparison value's fallback is filled to the length.
    EXPECT_EQ(p->prf_value(1).str(), "00");
}

TYPED_TEST(EwEnum, CodedFormDecodesOnSetAndFillsOnRead) {
    auto p = this->make(true);
    EXPECT_EQ(p->set_value("1", 1), 1);
    EXPECT_EQ(p->value(0).str(), "On");
    EXPECT_EQ(p->value(1).str(), "01");
    EXPECT_EQ(p->value(7).str(), "On"); // only form 1 is coded
    EXPECT_EQ(p->set_value("2", 1), 0);
    EXPECT_EQ(p->value(0).str(), "On");
}

TYPED_TEST(EwEnum, PlainFormIsNotDecoded) {
    auto p = this->make(true);
    EXPECT_EQ(p->set_value("1", 0), 0);
    EXPECT_EQ(p->set_value("Off", 0), 1);
    EXPECT_EQ(p->value(1).str(), "00");
    // A text that is no code is taken as it is, also in form 1.
    EXPECT_EQ(p->set_value("On", 1), 1);
    EXPECT_EQ(p->value(0).str(), "On");
}

TYPED_TEST(EwEnum, WithoutCodesTheCodedFormIsThePlainValueUnfilled) {
    auto p = this->make(false);
    EXPECT_EQ(p->set_value("On", 1), 1);
    EXPECT_EQ(p->value(1).str(), "On");
    EXPECT_EQ(p->set_prf_value("Off", 1), 1);
    EXPECT_EQ(p->prf_value(1).str(), "Off");
    EXPECT_EQ(p->range(1), nullptr);
}

TYPED_TEST(EwEnum, ComparisonValueIsKeptApart) {
    auto p = this->make(true);
    ASSERT_EQ(p->set_value("0", 1), 1);
    EXPECT_EQ(p->set_prf_value("1", 1), 1);
    EXPECT_EQ(p->prf_value(0).str(), "On");
    EXPECT_EQ(p->prf_value(1).str(), "01");
    EXPECT_EQ(p->value(0).str(), "Off");
    EXPECT_EQ(p->set_prf_value("9", 1), 0);
    EXPECT_EQ(p->prf_value(0).str(), "On");
}

TYPED_TEST(EwEnum, ALongerCodeIsNotCut) {
    auto p = std::make_unique<TypeParam>("GBaud", "ENUMERATEDCHAR");
    p->set_length("2");
    DynGwStringPtrArray* values = new_list({"9600", "115200"});
    p->set_range(values, new_list({"5", "123"}));
    ASSERT_EQ(p->set_value("123", 1), 1);
    EXPECT_EQ(p->value(1).str(), "123");
    ASSERT_EQ(p->set_value("5", 1), 1);
    EXPECT_EQ(p->value(1).str(), "05");
}

TYPED_TEST(EwEnum, FirstMatchInListOrderWins) {
    auto p = std::make_unique<TypeParam>("GX", "ENUMERATEDINT");
    p->set_length("1");
    DynGwStringPtrArray* values = new_list({"A", "B", "A"});
    p->set_range(values, new_list({"1", "2", "3"}));
    ASSERT_EQ(p->set_value("3", 1), 1); // code 3 decodes to the value "A"
    EXPECT_EQ(p->value(1).str(), "1");  // whose first code is 1
}

TYPED_TEST(EwEnum, MembershipNeedsTheExactText) {
    auto p = this->make(true);
    EXPECT_EQ(p->IsValid("On"), 1);
    EXPECT_EQ(p->IsValid("on"), 0);
    EXPECT_EQ(p->IsValid("On "), 0);
    EXPECT_EQ(p->IsValid("O"), 0);
    EXPECT_EQ(p->IsValid(""), 0);
    auto bare = std::make_unique<TypeParam>("GY", "BOOLEAN");
    EXPECT_EQ(bare->IsValid("0"), 0); // no list at all
    EXPECT_EQ(bare->set_value("0", 1), 0);
}

TYPED_TEST(EwEnum, DefaultIsTakenOnlyWhenValid) {
    auto p = this->make(true);
    EXPECT_EQ(p->set_default("Maybe"), 0);
    EXPECT_EQ(p->value(0).str(), "0");
    EXPECT_EQ(p->set_default("On"), 1);
    EXPECT_EQ(p->value(0).str(), "On");
    // A code is not a default.
    EXPECT_EQ(p->set_default("0"), 0);
    EXPECT_EQ(p->value(0).str(), "On");
}

TYPED_TEST(EwEnum, ListsBoundsAndNote) {
    auto p = this->make(true);
    EXPECT_EQ(texts_of(p->range(0)), (Texts{"Off", "On"}));
    EXPECT_EQ(texts_of(p->range(1)), (Texts{"0", "1"}));
    EXPECT_EQ(p->range(5), p->range(0));
    EXPECT_EQ(p->bounds().str(), "");
    p->set_bounds("1", "9");
    EXPECT_EQ(p->bounds().str(), "");
    EXPECT_EQ(p->note().str(), "");
    p->set_note("see manual");
    EXPECT_EQ(p->note().str(), "see manual");
}

TYPED_TEST(EwEnum, ValueWithoutACodeBehavesAsUnlisted) {
    // A code list shorter than the value list must not be read past its end.
    auto p = std::make_unique<TypeParam>("GZ", "ENUMERATEDINT");
    p->set_length("3");
    DynGwStringPtrArray* values = new_list({"Off", "On", "Auto"});
    p->set_range(values, new_list({"0", "1"}));
    ASSERT_EQ(p->set_value("Auto", 0), 1);
    ASSERT_EQ(p->set_prf_value("Auto", 0), 1);
    EXPECT_EQ(p->value(1).str(), "Auto");
    EXPECT_EQ(p->prf_value(1).str(), "Auto"); // longer than the length: nothing to fill
    ASSERT_EQ(p->set_value("On", 0), 1);
    EXPECT_EQ(p->value(1).str(), "001");
}

TYPED_TEST(EwEnum, DifferenceComparesTheCodedForms) {
    auto p = this->make(true);
    ASSERT_EQ(p->set_value("On", 0), 1);
    ASSERT_EQ(p->set_prf_value("On", 0), 1);
    EXPECT_EQ(p->differs(), 0);
    EXPECT_EQ(p->diff_text(1).str(), "");
    ASSERT_EQ(p->set_prf_value("Off", 0), 1);
    EXPECT_EQ(p->differs(), 1);
    EXPECT_EQ(p->diff_text(1).str(), "GMode01");
    EXPECT_EQ(p->diff_text(0).str(), "GMode00");
}

TYPED_TEST(EwEnum, NameTypeLengthAndFlags) {
    auto p = this->make(true, "12abc");
    EXPECT_EQ(p->length().str(), "12");
    EXPECT_EQ(p->name().str(), "GMode");
    EXPECT_EQ(p->type().str(), "ENUMERATEDINT");
    EXPECT_EQ(p->has_name("GMode"), 1);
    EXPECT_EQ(p->has_name("GMod"), 0);
    EXPECT_EQ(p->has_name("GModeX"), 0);
    EXPECT_EQ(p->IsActive() + p->IsVisible() + p->IsEnabled(), 0);
    p->set_active(1);
    p->set_visible(2);
    p->set_enabled(3);
    EXPECT_EQ(p->IsActive(), 1);
    EXPECT_EQ(p->IsVisible(), 2);
    EXPECT_EQ(p->IsEnabled(), 3);
    p->set_length("x");
    EXPECT_EQ(p->length().str(), "0");
    p->set_name("");
    EXPECT_EQ(p->has_name(""), 0); // an unnamed parameter answers to no name
}
