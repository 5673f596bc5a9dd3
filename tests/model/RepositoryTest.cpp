// Groups and the repository: lookups by name in list order, which groups are asked and which
// answer counts, neutral answers, the changed flag, and who deletes what (the sanitizer build
// fails on a leak or a double free along these paths). Passing a call on to the parameter is
// what every ZEP100 load, round trip and report relies on; the dump is what zepprofile prints
// (ZepProfileToolTest).
#include "EwDataSet.h"
#include "EwEnumInt.h"
#include "EwRangeChar.h"
#include "EwRangeInt.h"
#include "EwRepository.h"
#include "EwString.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <memory>

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

// A name nobody has: lookups give their neutral answers and no setter claims success.
void expect_neutral(EwDataSet& set, const GwString& x) {
    SCOPED_TRACE(x.str());
    EXPECT_EQ(set.type(x) + set.length(x) + set.value(x, 1) + set.prf_value(x, 1) + set.bounds(x),
              "");
    EXPECT_EQ(set.range(x, 0), nullptr);
    EXPECT_EQ(set.IsValid(x, "On") + set.IsActive(x) + set.set_value(x, "1", 1) +
                  set.set_prf_value(x, "1", 1) + set.set_default(x, "1") + set.set_active(x, 1),
              0);
}

} // namespace

TEST(EwDataSet, UnknownNamesGetNeutralAnswersAndTheFirstOfANameCounts) {
    EwDataSet g("Code1");
    EwType* len = new_int("Code1Len", 5);
    g.add_item(len);
    // A prefix of a name, or the name with more after it, is a different name.
    for (const char* name : {"Code1Nothing", "Code1Le", "Code1LenX", ""})
        expect_neutral(g, name);
    EwDataSet twice("G");
    EwType* first = new_text("GA", "one");
    EwType* second = new_text("GA", "two");
    EwType* unnamed = new_text("", "none");
    twice.add_item(first);
    twice.add_item(second);
    twice.add_item(unnamed);
    EXPECT_EQ(twice.value("GA", 0), "one");
    ASSERT_EQ(twice.set_value("GA", "new", 0), 1);
    EXPECT_EQ(second->value(0), "two");
    EXPECT_EQ(twice.value("", 0), ""); // an unnamed parameter answers to no name
}

TEST(EwRepository, ValueAsksOnlyGroupsWhoseNameIsAPrefixOtherLookupsAskAll) {
    EwRepository repo;
    add_group(repo, "Code", {new_int("CodeLen", 3, "1", "9")});
    add_group(repo, "Code2", {new_int("Code2Len", 7, "2", "8")});
    add_group(repo, "X", {new_int("Code2Mode", 4)});
    // Code is a prefix of Code2Len: asked first, it answers empty, then Code2 answers.
    EXPECT_EQ(repo.value("Code2Len", 1), "07");
    EXPECT_EQ(repo.value("Code2Mode", 0), "");
    EXPECT_EQ(repo.prf_value("Code2Mode", 1), "00");
    EXPECT_EQ(repo.type("Code2Mode"), "INT");
    EXPECT_EQ(repo.length("Code2Len"), "2");
    EXPECT_EQ(repo.IsValid("Code2Len", "8") + repo.IsValid("Code2Len", "9"), 1);
    for (const char* name : {"Z", "Code2Nothing"})
        expect_neutral(repo, name);
}

// The active flags and the repository's bounds are offered; no part of the system asks them.
TEST(EwRepository, TheFirstNonEmptyAnswerAndTheFirstGroupThatTakesASetting) {
    EwRepository repo;
    add_group(repo, "C", {new_text("CoX", "")});
    add_group(repo, "Co", {new_text("CoX", "second")});
    EXPECT_EQ(repo.value("CoX", 0), "second");
    EXPECT_EQ(repo.set_prf_value("CoX", "p", 0) + repo.set_default("CoX", "d"), 2);
    EXPECT_EQ(repo.item("C")->prf_value("CoX", 0) + repo.item("C")->value("CoX", 0), "pd");
    EXPECT_EQ(repo.item("Co")->value("CoX", 0), "second");
}

TEST(EwRepository, SetValueTriesEachPrefixGroupInOrderAndMarksAChange) {
    EwRepository repo;
    add_group(repo, "Co", {new_int("CodeN", 1, "0", "5")});
    add_group(repo, "Code", {new_int("CodeN", 1, "0", "50")});
    add_group(repo, "X", {new_int("CodeN", 1, "0", "500")});
    // Setting the value it has, comparison values and defaults mark nothing: Zep100Profile sets
    // every code and default, the dialog tests store what they show.
    EXPECT_EQ(repo.set_value("CodeN", "3", 0), 1);
    EXPECT_EQ(repo.HasChanged(), 1);
    EXPECT_EQ(repo.item("Code")->value("CodeN", 0), "1");
    // Rejected by Co, taken by Code; X is no prefix and never asked.
    EXPECT_EQ(repo.set_value("CodeN", "30", 0), 1);
    EXPECT_EQ(repo.item("Code")->value("CodeN", 0), "30");
    repo.ResetChanged();
    EXPECT_EQ(repo.set_value("CodeN", "300", 0), 0);
    EXPECT_EQ(repo.HasChanged(), 1) << "a different value marks a change even when rejected";
    EXPECT_EQ(repo.item("X")->value("CodeN", 0), "1");
    repo.ResetChanged();
    EXPECT_EQ(repo.set_value("Nowhere", "8", 0), 0);
    EXPECT_EQ(repo.HasChanged(), 0);
}

TEST(Ownership, ListsHandedOverAreKeptOrDeletedOnce) {
    // An enumeration keeps both lists; a second set_range replaces them.
    EwEnumInt e("GA", "ENUMERATEDINT");
    DynGwStringPtrArray* values = new_list({"x"});
    e.set_range(values, new_list({"1"}));
    DynGwStringPtrArray* both = new_list({"x", "y"});
    e.set_range(both, both); // one list as values and codes: the codes become a copy
    EXPECT_NE(e.range(1), e.range(0));
    EXPECT_EQ(texts_of(e.range(1)), (Texts{"x", "y"}));
    ASSERT_EQ(e.set_value("y", 1), 1);
    // Ranges and texts keep the excludes and delete the mapping at once; the same list
    // handed over again (or as both) is kept, not deleted.
    std::unique_ptr<EwType> others[] = {std::make_unique<EwRangeInt>("GI", "INT"),
                                        std::make_unique<EwRangeChar>("GH", "HEXCHAR"),
                                        std::make_unique<EwString>("GS", "STRING")};
    for (auto& p : others) {
        DynGwStringPtrArray* excludes = new_list({"7"});
        p->set_range(excludes, new_list({"1"}));
        p->set_range(excludes, nullptr);
        p->set_range(excludes, excludes);
        EXPECT_EQ(texts_of(p->range(0)), Texts{"7"}) << p->type().str();
    }
}

TEST(Ownership, GroupsAndTheRepositoryTakeEachElementOnce) {
    EwRepository repo;
    EwDataSet* g = new EwDataSet("G");
    EwType* p = new EwEnumInt("GA", "BOOLEAN");
    EwType* none = nullptr;
    EXPECT_EQ(g->add_item(p), 1);
    EXPECT_EQ(g->add_item(p), 0) << "already held: it would be deleted twice";
    EXPECT_EQ(g->add_item(none), 0);
    EXPECT_EQ(g->size(), 1);
    EwDataSet* self = &repo;
    EwDataSet* no_group = nullptr;
    EXPECT_EQ(repo.add_item(g), 1);
    EXPECT_EQ(repo.add_item(g), 0);
    EXPECT_EQ(repo.add_item(no_group) + repo.add_item(self), 0);
    EXPECT_EQ(repo.size(), 1);
    // Lists a set_range finds no taker for still belong to the caller.
    auto values = std::unique_ptr<DynGwStringPtrArray>(new_list({"Off", "On"}));
    auto codes = std::unique_ptr<DynGwStringPtrArray>(new_list({"0", "1"}));
    DynGwStringPtrArray* raw = values.get();
    EXPECT_EQ(repo.set_range("GB", raw, codes.get()), 0);
    raw = values.release();
    EXPECT_EQ(repo.set_range("GA", raw, nullptr), 1);
    // Lists handed out are new: deleting them leaves the repository intact.
    delete repo.list_of_names();
    delete repo.list_of_param_names("G");
    delete g->dump(";", ";", 0);
    EXPECT_EQ(repo.set_value("GA", "On", 0), 1);
}
