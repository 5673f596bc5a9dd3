// Who deletes what: a parameter its lists, a group its parameters, the repository its groups.
// Counting destructors show a lost or doubled deletion in every build; the sanitizer build
// also fails on a leak or a double free.
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

int g_lists_deleted = 0;
int g_parameters_deleted = 0;
int g_groups_deleted = 0;

class CountedList : public DynGwStringPtrArray {
public:
    CountedList() : DynGwStringPtrArray(2, 10) { add("x"); }
    ~CountedList() override { ++g_lists_deleted; }
};

class CountedParameter : public EwString {
public:
    explicit CountedParameter(const char* name) : EwString(name, "STRING") {}
    ~CountedParameter() override { ++g_parameters_deleted; }
};

class CountedGroup : public EwDataSet {
public:
    explicit CountedGroup(const char* name) : EwDataSet(name) {}
    ~CountedGroup() override { ++g_groups_deleted; }
};

class Ownership : public testing::Test {
protected:
    void SetUp() override {
        g_lists_deleted = 0;
        g_parameters_deleted = 0;
        g_groups_deleted = 0;
    }
};

} // namespace

TEST_F(Ownership, EnumerationKeepsBothListsUntilItIsDeleted) {
    auto p = std::make_unique<EwEnumInt>("GA", "BOOLEAN");
    DynGwStringPtrArray* values = new CountedList;
    p->set_range(values, new CountedList);
    EXPECT_EQ(g_lists_deleted, 0);
    EXPECT_EQ(p->range(0), values);
    p.reset();
    EXPECT_EQ(g_lists_deleted, 2);
}

TEST_F(Ownership, RangeTypesAndTextsDeleteTheMappingAtOnce) {
    std::unique_ptr<EwType> params[] = {std::make_unique<EwRangeInt>("GI", "INT"),
                                        std::make_unique<EwRangeChar>("GH", "HEXCHAR"),
                                        std::make_unique<EwString>("GS", "STRING")};
    int expected = 0;
    for (auto& p : params) {
        DynGwStringPtrArray* excludes = new CountedList;
        p->set_range(excludes, new CountedList);
        EXPECT_EQ(g_lists_deleted, ++expected) << p->type().str();
        EXPECT_EQ(p->range(0), excludes);
        p.reset();
        EXPECT_EQ(g_lists_deleted, ++expected) << "excludes";
    }
}

TEST_F(Ownership, ASecondSetRangeDeletesTheFirstLists) {
    EwEnumInt e("GA", "BOOLEAN");
    DynGwStringPtrArray* values = new CountedList;
    e.set_range(values, new CountedList);
    DynGwStringPtrArray* values2 = new CountedList;
    e.set_range(values2, nullptr);
    EXPECT_EQ(g_lists_deleted, 2);
    EXPECT_EQ(e.range(1), nullptr);

    EwRangeInt r("GI", "INT");
    DynGwStringPtrArray* excludes = new CountedList;
    r.set_range(excludes, nullptr);
    r.set_range(excludes, nullptr); // the same list again: kept, not deleted
    EXPECT_EQ(g_lists_deleted, 2);
    EXPECT_EQ(r.range(0), excludes);
}

TEST_F(Ownership, OneListAsValuesAndCodesIsNotDeletedTwice) {
    {
        EwEnumInt e("GA", "ENUMERATEDINT");
        DynGwStringPtrArray* both = new CountedList;
        e.set_range(both, both);
        EXPECT_NE(e.range(1), e.range(0)); // the codes are a copy
        EXPECT_EQ(texts_of(e.range(1)), texts_of(e.range(0)));
        ASSERT_EQ(e.set_value("x", 1), 1);
    }
    EXPECT_EQ(g_lists_deleted, 1);
    {
        EwRangeInt r("GI", "INT");
        DynGwStringPtrArray* both = new CountedList;
        r.set_range(both, both);
        EXPECT_EQ(g_lists_deleted, 1); // kept as excludes, not deleted as the mapping
        EXPECT_EQ(texts_of(r.range(0)), Texts{"x"});
    }
    EXPECT_EQ(g_lists_deleted, 2);
}

TEST_F(Ownership, GroupDeletesItsParametersOnce) {
    {
        EwDataSet g("G");
        EwType* a = new CountedParameter("GA");
        EwType* b = new CountedParameter("GB");
        EXPECT_EQ(g.add_item(a), 1);
        EXPECT_EQ(g.add_item(b), 1);
        EXPECT_EQ(g.add_item(a), 0); // already held: adding it again would delete it twice
        EwType* none = nullptr;
        EXPECT_EQ(g.add_item(none), 0);
        EXPECT_EQ(g.size(), 2);
    }
    EXPECT_EQ(g_parameters_deleted, 2);
}

TEST_F(Ownership, RepositoryDeletesItsGroupsAndTheirParameters) {
    {
        EwRepository repo;
        EwDataSet* g1 = new CountedGroup("G1");
        EwDataSet* g2 = new CountedGroup("G2");
        EwType* p = new CountedParameter("G1A");
        g1->add_item(p);
        EXPECT_EQ(repo.add_item(g1), 1);
        EXPECT_EQ(repo.add_item(g2), 1);
        EXPECT_EQ(repo.add_item(g2), 0);
        EwDataSet* none = nullptr;
        EXPECT_EQ(repo.add_item(none), 0);
        EXPECT_EQ(repo.size(), 2);
    }
    EXPECT_EQ(g_groups_deleted, 2);
    EXPECT_EQ(g_parameters_deleted, 1);
}

TEST_F(Ownership, SetRangeThroughTheRepositoryTakesListsOnlyWhenFound) {
    EwRepository repo;
    EwDataSet* g = new EwDataSet("G");
    EwType* p = new EwEnumInt("GA", "BOOLEAN");
    g->add_item(p);
    repo.add_item(g);

    DynGwStringPtrArray* values = new CountedList;
    auto* codes = new CountedList;
    EXPECT_EQ(repo.set_range("GB", values, codes), 0);
    EXPECT_EQ(g_lists_deleted, 0); // still the caller's
    delete values;
    delete codes;
    EXPECT_EQ(g_lists_deleted, 2);

    DynGwStringPtrArray* values2 = new CountedList;
    EXPECT_EQ(repo.set_range("GA", values2, new CountedList), 1);
    EXPECT_EQ(repo.range("GA", 0), values2);
    EXPECT_EQ(g_lists_deleted, 2);
}

TEST_F(Ownership, ListsHandedOutBelongToTheCaller) {
    EwRepository repo;
    EwDataSet* g = new EwDataSet("G");
    EwType* p = new EwString("GA", "STRING");
    g->add_item(p);
    repo.add_item(g);
    // Each of these is a new list; deleting it must not touch the repository.
    delete repo.list_of_names();
    delete repo.list_of_param_names("G");
    delete g->dump(";", ";", 0);
    EXPECT_EQ(repo.value("GA", 0).str(), "");
    EXPECT_EQ(repo.set_value("GA", "v", 0), 1);
    EXPECT_EQ(repo.value("GA", 0).str(), "v");
}
