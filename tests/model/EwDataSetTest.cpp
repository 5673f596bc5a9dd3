// Groups: lookups by name in list order, neutral answers, dumps and difference lines.
#include "EwDataSet.h"
#include "EwEnumInt.h"
#include "EwRangeInt.h"
#include "EwString.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Group "Code1": Code1Mode (BOOLEAN Off/On coded 0/1, length 2) and Code1Len (INT 1..20,
// length 2, value 5).
std::unique_ptr<EwDataSet> make_group(const char* name = "Code1") {
    auto g = std::make_unique<EwDataSet>(name);
    const GwString n(name);
    EwType* mode = new EwEnumInt(n + "Mode", "BOOLEAN");
    mode->set_length("2");
    DynGwStringPtrArray* values = new_list({"Off", "On"});
    mode->set_range(values, new_list({"0", "1"}));
    mode->set_default("Off");
    EwType* len = new EwRangeInt(n + "Len", "INT");
    len->set_length("2");
    len->set_bounds("1", "20");
    len->set_default("5");
    g->add_item(mode);
    g->add_item(len);
    return g;
}

} // namespace

TEST(EwDataSet, AnswersForItsParametersByName) {
    auto g = make_group();
    EXPECT_EQ(g->get_name().str(), "Code1");
    EXPECT_EQ(g->has_name("Code1"), 1);
    EXPECT_EQ(g->has_name("Code"), 0);
    EXPECT_EQ(g->size(), 2);
    EXPECT_EQ(g->type("Code1Len").str(), "INT");
    EXPECT_EQ(g->length("Code1Mode").str(), "2");
    EXPECT_EQ(g->value("Code1Len", 1).str(), "05");
    EXPECT_EQ(g->bounds("Code1Len").str(), "1,20");
    EXPECT_EQ(g->IsValid("Code1Mode", "On"), 1);
    EXPECT_EQ(g->IsValid("Code1Mode", "1"), 0);
    EXPECT_EQ(texts_of(g->range("Code1Mode", 1)), (Texts{"0", "1"}));
    EXPECT_EQ(g->set_value("Code1Mode", "1", 1), 1);
    EXPECT_EQ(g->value("Code1Mode", 0).str(), "On");
    EXPECT_EQ(g->set_value("Code1Len", "21", 0), 0);
    EXPECT_EQ(g->set_prf_value("Code1Len", "7", 0), 1);
    EXPECT_EQ(g->prf_value("Code1Len", 1).str(), "07");
    EXPECT_EQ(g->set_length("Code1Len", "3"), 1);
    EXPECT_EQ(g->value("Code1Len", 1).str(), "005");
    EXPECT_EQ(g->set_bounds("Code1Len", "6", "9"), 1);
    EXPECT_EQ(g->bounds("Code1Len").str(), "6,9");
    EXPECT_EQ(g->set_active("Code1Len", 1), 1);
    EXPECT_EQ(g->set_visible("Code1Len", 1), 1);
    EXPECT_EQ(g->set_enabled("Code1Len", 1), 1);
    EXPECT_EQ(g->IsActive("Code1Len") + g->IsVisible("Code1Len") + g->IsEnabled("Code1Len"), 3);
    EXPECT_EQ(g->IsActive("Code1Mode"), 0);
}

TEST(EwDataSet, UnknownNamesGetTheNeutralAnswer) {
    auto g = make_group();
    const GwString x = "Code1Nothing";
    EXPECT_EQ(g->IsActive(x), 0);
    EXPECT_EQ(g->IsVisible(x), 0);
    EXPECT_EQ(g->IsEnabled(x), 0);
    EXPECT_EQ(g->type(x).str(), "");
    EXPECT_EQ(g->length(x).str(), "");
    EXPECT_EQ(g->value(x, 1).str(), "");
    EXPECT_EQ(g->prf_value(x, 1).str(), "");
    EXPECT_EQ(g->range(x, 0), nullptr);
    EXPECT_EQ(g->IsValid(x, "On"), 0);
    EXPECT_EQ(g->set_active(x, 1), 0);
    EXPECT_EQ(g->set_visible(x, 1), 0);
    EXPECT_EQ(g->set_enabled(x, 1), 0);
    EXPECT_EQ(g->set_length(x, "3"), 0);
    EXPECT_EQ(g->set_value(x, "1", 1), 0);
    EXPECT_EQ(g->set_prf_value(x, "1", 1), 0);
    EXPECT_EQ(g->set_default(x, "1"), 0);
    EXPECT_EQ(g->set_bounds(x, "1", "2"), 0);
    EXPECT_EQ(g->bounds(x).str(), "");
    // A prefix of a name, or the name with more after it, is a different name.
    EXPECT_EQ(g->value("Code1Le", 0).str(), "");
    EXPECT_EQ(g->value("Code1LenX", 0).str(), "");
}

TEST(EwDataSet, SetDefaultAnswersOneEvenWhenTheParameterRejects) {
    auto g = make_group();
    EXPECT_EQ(g->set_default("Code1Len", "99"), 1);
    EXPECT_EQ(g->value("Code1Len", 0).str(), "5");
    EXPECT_EQ(g->set_default("Code1Len", "9"), 1);
    EXPECT_EQ(g->value("Code1Len", 0).str(), "9");
}

TEST(EwDataSet, TheFirstParameterOfAName) {
    EwDataSet g("G");
    EwType* first = new EwString("GA", "STRING");
    EwType* second = new EwString("GA", "STRING");
    first->set_value("one", 0);
    second->set_value("two", 0);
    g.add_item(first);
    g.add_item(second);
    EXPECT_EQ(g.value("GA", 0).str(), "one");
    ASSERT_EQ(g.set_value("GA", "new", 0), 1);
    EXPECT_EQ(first->value(0).str(), "new");
    EXPECT_EQ(second->value(0).str(), "two");
}

TEST(EwDataSet, AnUnnamedParameterIsNeverFound) {
    EwDataSet g("");
    EwType* unnamed = new EwString("", "STRING");
    g.add_item(unnamed);
    EXPECT_EQ(g.set_value("", "v", 0), 0);
    EXPECT_EQ(g.type("").str(), "");
    EXPECT_EQ(texts_of(std::unique_ptr<DynGwStringPtrArray>(g.list_of_names()).get()), Texts{""});
}

TEST(EwDataSet, ListOfNamesInItemOrder) {
    auto g = make_group();
    std::unique_ptr<DynGwStringPtrArray> names(g->list_of_names());
    EXPECT_EQ(texts_of(names.get()), (Texts{"Code1Mode", "Code1Len"}));
    EwDataSet empty("E");
    std::unique_ptr<DynGwStringPtrArray> none(empty.list_of_names());
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->count(), 0);
}

TEST(EwDataSet, DumpWritesOneLinePerParameter) {
    auto g = make_group();
    g->set_value("Code1Mode", "On", 0);
    g->set_prf_value("Code1Len", "12", 0);
    std::unique_ptr<DynGwStringPtrArray> values(g->dump(" . ", " : ", 0));
    EXPECT_EQ(texts_of(values.get()),
              (Texts{"Code1 . Code1Mode . 2 : 01 : On : ", "Code1 . Code1Len . 2 : 05 : 5 : "}));
    std::unique_ptr<DynGwStringPtrArray> compare(g->dump("|", ";", 1));
    EXPECT_EQ(texts_of(compare.get()),
              (Texts{"Code1|Code1Mode|2;00;;", "Code1|Code1Len|2;12;12;"}));
}

TEST(EwDataSet, CountsDifferingParameters) {
    auto g = make_group();
    // Mode: "Off" coded "00" against an empty comparison value filled to "00": equal.
    // Len: 5 against 0: differs.
    EXPECT_EQ(g->diff_measurement_method_1(), 1);
    g->set_prf_value("Code1Len", "5", 0);
    EXPECT_EQ(g->diff_measurement_method_1(), 0);
    g->set_value("Code1Mode", "On", 0);
    EXPECT_EQ(g->diff_measurement_method_1(), 1);
}

TEST(EwDataSet, DifferenceLinesInBothModes) {
    auto g = make_group();
    g->set_value("Code1Mode", "On", 0);
    g->set_prf_value("Code1Mode", "Off", 0);
    g->set_prf_value("Code1Len", "7", 0);
    std::unique_ptr<DynGwStringPtrArray> out(new DynGwStringPtrArray(10, 10));
    DynGwStringPtrArray* p = out.get();
    g->diff_profiles(0, p, "Code1", 1);
    EXPECT_EQ(texts_of(out.get()), Texts{"3Code1Mode01Len05"});
    g->diff_profiles(1, p, "Code1", 0);
    EXPECT_EQ(texts_of(out.get()), (Texts{"3Code1Mode01Len05", "3Code1Mode00", "3Code1Len07"}));
}

TEST(EwDataSet, NoDifferenceAppendsNothingInModeZero) {
    auto g = make_group();
    g->set_prf_value("Code1Len", "5", 0);
    auto* out = new DynGwStringPtrArray(10, 10);
    g->diff_profiles(0, out, "Code1", 1);
    EXPECT_EQ(out->count(), 0);
    g->diff_profiles(1, out, "Code1", 1);
    EXPECT_EQ(out->count(), 0);
    delete out;
    DynGwStringPtrArray* none = nullptr;
    g->diff_profiles(0, none, "Code1", 1); // no list to append to: nothing happens
    EXPECT_EQ(none, nullptr);
}

TEST(EwDataSet, DifferenceLinesDropNonamePrefixes) {
    EwDataSet g("G1");
    EwType* bare = new EwString("G1NONAME", "STRING");
    EwType* tagged = new EwString("G1NONAMEAB", "STRING");
    bare->set_value("x", 0);
    tagged->set_value("y", 0);
    g.add_item(bare);
    g.add_item(tagged);
    auto out = std::make_unique<DynGwStringPtrArray>(10, 10);
    DynGwStringPtrArray* p = out.get();
    g.diff_profiles(1, p, "G1", 1);
    // "NONAMEx" contains NONAME and is not exactly it: its first six characters go.
    EXPECT_EQ(texts_of(out.get()), (Texts{"3G1x", "3G1ABy"}));
}
