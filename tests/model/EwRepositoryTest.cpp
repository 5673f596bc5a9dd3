// The repository: which groups it asks, which answer counts, the changed flag and the dump.
#include "EwRepository.h"
#include "EwRangeInt.h"
#include "EwString.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace {

EwType* new_int(const GwString& name, int value, const char* low = "0", const char* high = "99") {
    auto* p = new EwRangeInt(name, "INT");
    p->set_length("2");
    p->set_bounds(low, high);
    p->set_default(GwString(value));
    return p;
}

EwType* new_text(const GwString& name, const char* value) {
    auto* p = new EwString(name, "STRING");
    p->set_default(value);
    return p;
}

EwDataSet* add_group(EwRepository& repo, const char* name, std::initializer_list<EwType*> items) {
    EwDataSet* g = new EwDataSet(name);
    for (EwType* p : items)
        g->add_item(p);
    repo.add_item(g);
    return g;
}

} // namespace

TEST(EwRepository, ValueAsksOnlyGroupsWhoseNameIsAPrefix) {
    EwRepository repo;
    add_group(repo, "Code", {new_int("CodeLen", 3)});
    add_group(repo, "Code2", {new_int("Code2Len", 7)});
    // Group Code is a prefix of Code2Len: it is asked first, answers empty, Code2 answers.
    EXPECT_EQ(repo.value("Code2Len", 1).str(), "07");
    EXPECT_EQ(repo.value("CodeLen", 1).str(), "03");

    // A group whose name is no prefix is never asked for value, but is for prf_value.
    EwRepository odd;
    add_group(odd, "X", {new_int("Code2Len", 4)});
    EXPECT_EQ(odd.value("Code2Len", 0).str(), "");
    EXPECT_EQ(odd.prf_value("Code2Len", 1).str(), "00");
    EXPECT_EQ(odd.type("Code2Len").str(), "INT");
}

TEST(EwRepository, ValueTakesTheFirstNonEmptyAnswer) {
    EwRepository repo;
    add_group(repo, "C", {new_text("CoX", "")});
    add_group(repo, "Co", {new_text("CoX", "second")});
    add_group(repo, "CoX", {new_text("CoX", "third")});
    EXPECT_EQ(repo.value("CoX", 0).str(), "second");
    repo.set_prf_value("CoX", "p", 0); // stored by the first group that has CoX
    EXPECT_EQ(repo.prf_value("CoX", 0).str(), "p");
    EXPECT_EQ(repo.item("C")->prf_value("CoX", 0).str(), "p");
}

TEST(EwRepository, BoundsAsksOnlyTheFirstPrefixGroupEvenWhenItHasNoAnswer) {
    EwRepository repo;
    add_group(repo, "Code", {new_int("CodeLen", 3, "1", "9")});
    add_group(repo, "Code2", {new_int("Code2Len", 7, "2", "8")});
    EXPECT_EQ(repo.bounds("CodeLen").str(), "1,9");
    EXPECT_EQ(repo.bounds("Code2Len").str(), "");
    EXPECT_EQ(repo.bounds("Other").str(), "");
}

TEST(EwRepository, FlagsCountOnlyAnExactOne) {
    EwRepository repo;
    add_group(repo, "A", {new_int("AX", 1)});
    add_group(repo, "B", {new_int("AX", 1)});
    EXPECT_EQ(repo.set_active("AX", 2), 1); // stored in group A only
    EXPECT_EQ(repo.IsActive("AX"), 0);
    repo.item("B")->set_active("AX", 1);
    EXPECT_EQ(repo.IsActive("AX"), 1);
    EXPECT_EQ(repo.set_visible("AX", 1), 1);
    EXPECT_EQ(repo.IsVisible("AX"), 1);
    EXPECT_EQ(repo.set_enabled("AX", 1), 1);
    EXPECT_EQ(repo.IsEnabled("AX"), 1);
    EXPECT_EQ(repo.IsEnabled("None"), 0);
}

TEST(EwRepository, LookupsAcrossGroups) {
    EwRepository repo;
    add_group(repo, "A", {new_text("AT", "t")});
    add_group(repo, "B", {new_int("BN", 5, "1", "9")});
    EXPECT_EQ(repo.type("BN").str(), "INT");
    EXPECT_EQ(repo.length("BN").str(), "2");
    EXPECT_EQ(repo.IsValid("BN", "9"), 1);
    EXPECT_EQ(repo.IsValid("BN", "10"), 0);
    EXPECT_EQ(repo.IsValid("AT", "anything"), 1);
    EXPECT_EQ(repo.range("BN", 0), nullptr);
    DynGwStringPtrArray* excludes = new_list({"7"});
    EXPECT_EQ(repo.set_range("BN", excludes, nullptr), 1);
    EXPECT_EQ(repo.range("BN", 0), excludes);
    EXPECT_EQ(repo.IsValid("BN", "7"), 0);
    EXPECT_EQ(repo.set_length("BN", "4"), 1);
    EXPECT_EQ(repo.value("BN", 1).str(), "0005");
    EXPECT_EQ(repo.set_bounds("BN", "0", "3"), 1);
    EXPECT_EQ(repo.bounds("BN").str(), "0,3");
    EXPECT_EQ(repo.set_default("BN", "2"), 1);
    EXPECT_EQ(repo.value("BN", 0).str(), "2");
    // Not found anywhere: the neutral answers.
    EXPECT_EQ(repo.type("Z").str(), "");
    EXPECT_EQ(repo.length("Z").str(), "");
    EXPECT_EQ(repo.value("Z", 0).str(), "");
    EXPECT_EQ(repo.prf_value("Z", 0).str(), "");
    EXPECT_EQ(repo.range("Z", 0), nullptr);
    EXPECT_EQ(repo.set_value("Z", "1", 0), 0);
    EXPECT_EQ(repo.set_prf_value("Z", "1", 0), 0);
    EXPECT_EQ(repo.set_default("Z", "1"), 0);
    EXPECT_EQ(repo.set_length("Z", "1"), 0);
    EXPECT_EQ(repo.set_bounds("Z", "1", "2"), 0);
    EXPECT_EQ(repo.set_active("Z", 1), 0);
}

TEST(EwRepository, ChangedFlagFollowsSetValueOnly) {
    EwRepository repo;
    add_group(repo, "G", {new_int("GN", 5, "1", "9")});
    EXPECT_EQ(repo.HasChanged(), 0);
    EXPECT_EQ(repo.set_value("GN", "05", 1), 1); // the value it already has
    EXPECT_EQ(repo.HasChanged(), 0);
    EXPECT_EQ(repo.set_value("GN", "42", 1), 0); // different and rejected: still marked
    EXPECT_EQ(repo.HasChanged(), 1);
    EXPECT_EQ(repo.value("GN", 0).str(), "5");
    repo.ResetChanged();
    EXPECT_EQ(repo.HasChanged(), 0);
    EXPECT_EQ(repo.set_prf_value("GN", "7", 0), 1);
    EXPECT_EQ(repo.set_default("GN", "6"), 1);
    EXPECT_EQ(repo.set_length("GN", "3"), 1);
    EXPECT_EQ(repo.set_bounds("GN", "0", "99"), 1);
    EXPECT_EQ(repo.HasChanged(), 0);
    EXPECT_EQ(repo.set_value("GN", "8", 0), 1);
    EXPECT_EQ(repo.HasChanged(), 1);
    repo.ResetChanged();
    EXPECT_EQ(repo.set_value("Nowhere", "8", 0), 0); // no group is a prefix: no mark
    EXPECT_EQ(repo.HasChanged(), 0);
}

TEST(EwRepository, SetValueTriesEachPrefixGroupInOrder) {
    EwRepository repo;
    add_group(repo, "Co", {new_int("CodeN", 1, "0", "5")});
    add_group(repo, "Code", {new_int("CodeN", 1, "0", "50")});
    add_group(repo, "X", {new_int("CodeN", 1, "0", "500")});
    EXPECT_EQ(repo.set_value("CodeN", "3", 0), 1);
    EXPECT_EQ(repo.item("Co")->value("CodeN", 0).str(), "3");
    EXPECT_EQ(repo.item("Code")->value("CodeN", 0).str(), "1");
    // Rejected by Co, taken by Code; group X is no prefix and never asked.
    EXPECT_EQ(repo.set_value("CodeN", "30", 0), 1);
    EXPECT_EQ(repo.item("Code")->value("CodeN", 0).str(), "30");
    EXPECT_EQ(repo.set_value("CodeN", "300", 0), 0);
    EXPECT_EQ(repo.item("X")->value("CodeN", 0).str(), "1");
}

TEST(EwRepository, GroupsByName) {
    EwRepository repo;
    EXPECT_EQ(repo.size(), 0);
    EXPECT_EQ(repo.get_name().str(), "");
    EwDataSet* a = add_group(repo, "A", {new_text("AT", "t"), new_text("AU", "u")});
    add_group(repo, "B", {});
    EwDataSet* a2 = add_group(repo, "A", {});
    EXPECT_EQ(repo.size(), 3);
    EXPECT_EQ(repo.item("A"), a);
    EXPECT_NE(repo.item("A"), a2);
    EXPECT_EQ(repo.item("a"), nullptr);
    std::unique_ptr<DynGwStringPtrArray> groups(repo.list_of_names());
    EXPECT_EQ(texts_of(groups.get()), (Texts{"A", "B", "A"}));
    std::unique_ptr<DynGwStringPtrArray> params(repo.list_of_param_names("A"));
    EXPECT_EQ(texts_of(params.get()), (Texts{"AT", "AU"}));
    EXPECT_EQ(repo.list_of_param_names("C"), nullptr);
    std::unique_ptr<DynGwStringPtrArray> none(repo.list_of_param_names("B"));
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->count(), 0);
}

TEST(EwRepository, DumpsEveryGroup) {
    EwRepository repo;
    add_group(repo, "A", {new_int("AN", 5)});
    add_group(repo, "B", {new_text("BT", "x")});
    repo.set_prf_value("AN", "6", 0);
    std::ostringstream values;
    repo.rdump(values, " . ", " : ", 0);
    EXPECT_EQ(values.str(), "\nContents of EwRepository:"
                            "\nGroupName . ParamName : TRUE Value: FALSE Value\n"
                            "A . AN . 2 : 05 : 5 : \n\n\n"
                            "B . BT . 0 : x : x : \n\n\n");
    std::ostringstream compare;
    repo.rdump(compare, "|", ";", 1);
    EXPECT_EQ(compare.str(), "\nContents (_prf_value) of EwRepository:"
                             "\nGroupName . ParamName : TRUE Value_1: FALSE Value_1\n"
                             "A|AN|2;06;6;\n\n\n"
                             "B|BT|0;;;\n\n\n");
    std::ostringstream other_flag;
    repo.rdump(other_flag, "|", ";", 2);
    EXPECT_EQ(other_flag.str().rfind("\nContents of EwRepository:", 0), 0u);
}

TEST(EwRepository, DumpWritesNothingToABadStream) {
    EwRepository repo;
    add_group(repo, "A", {new_int("AN", 5)});
    std::ostringstream out;
    out.setstate(std::ios::failbit);
    repo.rdump(out, ";", ";", 0);
    out.clear();
    EXPECT_EQ(out.str(), "");
}

TEST(EwRepository, DifferencesOverAllGroups) {
    EwRepository repo;
    add_group(repo, "A", {new_int("AN", 5), new_int("AM", 0)});
    add_group(repo, "B", {new_int("BN", 0)});
    add_group(repo, "C", {new_int("CN", 3)});
    EXPECT_EQ(repo.diff_measurement_method_1(), 2); // A and C differ from their 0
    auto* out = new DynGwStringPtrArray(10, 10);
    repo.diff_profiles(0, out, 1);
    EXPECT_EQ(texts_of(out), (Texts{"3AN05", "3CN03"}));
    out->clear();
    repo.diff_profiles(1, out, 0);
    EXPECT_EQ(texts_of(out), (Texts{"3AN00", "3CN00"}));
    delete out;
}
