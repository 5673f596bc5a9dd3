// The profile reader: mappings by language, counts and the failure values of missing profiles.
// Group sections by position, mapping entries that are no parameters and every field of a line
// are what the ZEP100 profile (Zep100ProfileTest) and zepprofile's output (ZepProfileToolTest)
// show; short or malformed lines are the profile_builder fuzz target's.
#include "CProfileReader.h"
#include "DynGwStringPtrArray.h"
#include "LanguageGuard.h"
#include "ProfileText.h"
#include "StringLists.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

// A profile with one group "A" whose section holds the given lines.
std::string group_a(const std::string& section) {
    return "[a]\n[ParameterGroups]\nA=a\n[b]\n[A]\n" + section;
}

using Descriptions = std::unique_ptr<CDynParameterDescriptionArray>;

Descriptions describe(CProfileReader& reader, int group) {
    return Descriptions(reader.get_group_parameterdescriptions(group));
}

// The IDs of the descriptions of a group.
Texts ids(CProfileReader& reader, int group) {
    Texts out;
    Descriptions d = describe(reader, group);
    for (int i = 0; i < d->count(); ++i)
        out.push_back(d->get(i)->m_sID.str());
    return out;
}

} // namespace

// Every field of a parameter line as read is what zepprofile prints (ZepProfileToolTest), and
// its German mapping is taken; the group list, what every ZEP100 build reads (Zep100ProfileTest).
// Language 7: the search from Speed ends at Mode and never sees Mode's own mapping.
TEST(CProfileReader, MappingFollowsTheLanguageAndEndsAtTheNextParameter) {
    const std::string text =
        group_a("Count=2\nInst=\nSpeed=Speed;ENUMERATEDINT;1;0|1\nMAPPING_001=Slow,Fast\n"
                "MAPPING_049=Langsam,Schnell\nMode=Mode;ENUMERATEDINT;1;0|1\n"
                "MAPPING_007=Seven0,Seven1\n");
    for (const auto& [number, ranges] :
         {std::pair<int, const char*>{49, "Langsam,Schnell|0|1"}, {7, "0|1|Seven0,Seven1"}}) {
        LanguageGuard language(number);
        CProfileReader reader(profile_from(text));
        Descriptions d = describe(reader, 0);
        ASSERT_EQ(d->count(), 2);
        EXPECT_EQ(d->get(0)->m_sRange.str() + "|" + d->get(1)->m_sRange.str(), ranges);
        const int mapped = number == 7 ? 1 : 0;
        EXPECT_EQ(texts_of(d->get(mapped)->m_pMapping), (Texts{"0", "1"})) << number;
        EXPECT_EQ(texts_of(d->get(1 - mapped)->m_pMapping), Texts{}) << number;
    }
}

// Group numbers outside the list are never asked by the builder; the profile_builder fuzz
// target asks them of every profile.
TEST(CProfileReader, TheCountEntryDecidesButNeverBeyondTheEntriesThere) {
    const std::string lines = "Inst=\nP=p;INT;1\nQ=q;INT;1\n";
    for (const auto& [count, number, described] :
         {std::tuple<const char*, int, Texts>{"2x", 2, {"P", "Q"}},
          {"1", 1, {"P"}},
          {"2000000000", 2000000000, {"P", "Q"}},
          {"-4", -4, {}}}) {
        CProfileReader reader(profile_from(group_a("Count=" + std::string(count) + "\n" + lines)));
        EXPECT_EQ(reader.number_of_parameters(0), number) << count;
        EXPECT_EQ(reader.number_of_parameter_descriptions_in_group(0), number) << count;
        EXPECT_EQ(ids(reader, 0), described) << count;
    }
}

TEST(CProfileReader, MissingPartsGiveTheirFailureValues) {
    TempDir dir;
    // A file found without regard to case: Zep100ProfileTest reads "zep100\\PROFILE.ZEP".
    // Without "GeneralInformation" the groups still count.
    CProfileReader no_general(profile_from(group_a("Count=1\nInst=\nP=p;INT;1\n")));
    EXPECT_EQ(no_general.zep_version().str() + no_general.name_of_resource().str(), "");
    EXPECT_EQ(ids(no_general, 0), Texts{"P"});
    // A missing file and a profile without group list have no groups. (No caller makes a
    // reader without a profile.)
    CProfileReader missing(GwString(dir.dir() + "ZEP100\\Nothing.zep"));
    CProfileReader no_groups(profile_from("[GeneralInformation]\n[a]\n[b]\n"));
    for (CProfileReader* reader : {&missing, &no_groups}) {
        EXPECT_EQ(reader->number_of_groups(), 0);
        EXPECT_EQ(reader->all_group_names(), nullptr);
        EXPECT_EQ(ids(*reader, 0), Texts{});
    }
}
