// The repository builder: groups and instances, one parameter class per profile type, value,
// exclude and code lists, defaults, and malformed profiles.
#include "CScanRepoBuilder.h"
#include "DynGwStringPtrArray.h"
#include "EwRepository.h"
#include "LanguageGuard.h"
#include "ProfileText.h"
#include "StringLists.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using Repo = std::unique_ptr<EwRepository>;

Repo build(const std::string& text) {
    CScanRepoBuilder builder;
    return Repo(builder.build_repo_from_profile(profile_from(text)));
}

// A profile with one group "G" (no instances) holding the given parameter lines.
std::string one_group(const std::string& lines, int count) {
    return "[GeneralInformation]\n[ParameterGroups]\nG=Group\n[Third]\n[G]\nCount=" +
           std::to_string(count) + "\nInstances=\n" + lines;
}

Texts group_names(const EwRepository& repo) {
    std::unique_ptr<DynGwStringPtrArray> names(repo.list_of_names());
    return texts_of(names.get());
}

Texts param_names(const EwRepository& repo, const char* group) {
    std::unique_ptr<DynGwStringPtrArray> names(repo.list_of_param_names(group));
    return texts_of(names.get());
}

const char* const kSample = R"([GeneralInformation]
Version=2.1
[ParameterGroups]
Beep=Beeper
Code=Code settings
[Notes]
[Beep]
Count=2
Instances=
Volume=Volume;ENUMERATEDINT;1;0|1|2;;;;;Medium;
MAPPING_001=Low,Medium,High
MAPPING_049=Leise,Mittel,Laut
Tone=Tone;INT;4;;4000;500;1000,2000;;2500;Hz
[Code]
Count=3
Instances=1,2,3
Len=Length;INT;2;;20;1;5,7;;10;chars
Suffix=Suffix;HEXCHAR;2;;7F;00;0A;;NA;
Label=Label;STRING;8;;;;;;ABC;
)";

} // namespace

TEST(CScanRepoBuilder, MakesOneGroupPerInstance) {
    LanguageGuard english(1);
    Repo repo = build(kSample);
    ASSERT_NE(repo, nullptr);
    EXPECT_EQ(repo->HasChanged(), 0);
    EXPECT_EQ(group_names(*repo), (Texts{"Beep", "Code1", "Code2", "Code3"}));
    EXPECT_EQ(param_names(*repo, "Beep"), (Texts{"BeepVolume", "BeepTone"}));
    EXPECT_EQ(param_names(*repo, "Code2"), (Texts{"Code2Len", "Code2Suffix", "Code2Label"}));
    // Each instance has parameters of its own.
    ASSERT_EQ(repo->set_value("Code1Len", "3", 0), 1);
    EXPECT_EQ(repo->value("Code1Len", 0).str(), "3");
    EXPECT_EQ(repo->value("Code2Len", 0).str(), "10");
    EXPECT_EQ(repo->value("Code3Len", 0).str(), "10");
}

TEST(CScanRepoBuilder, GivesEachTypeItsClassLengthBoundsAndLists) {
    LanguageGuard english(1);
    Repo repo = build(kSample);
    // Enumeration with mapping: the texts are the values, the codes come from the line.
    EXPECT_EQ(repo->type("BeepVolume").str(), "ENUMERATEDINT");
    EXPECT_EQ(texts_of(repo->range("BeepVolume", 0)), (Texts{"Low", "Medium", "High"}));
    EXPECT_EQ(texts_of(repo->range("BeepVolume", 1)), (Texts{"0", "1", "2"}));
    EXPECT_EQ(repo->value("BeepVolume", 0).str(), "Medium");
    EXPECT_EQ(repo->value("BeepVolume", 1).str(), "1");
    EXPECT_EQ(repo->bounds("BeepVolume").str(), "");
    // Integer: bounds Low,High and the exclude list.
    EXPECT_EQ(repo->type("BeepTone").str(), "INT");
    EXPECT_EQ(repo->length("BeepTone").str(), "4");
    EXPECT_EQ(repo->bounds("BeepTone").str(), "500,4000");
    EXPECT_EQ(texts_of(repo->range("BeepTone", 0)), (Texts{"1000", "2000"}));
    EXPECT_EQ(repo->IsValid("BeepTone", "2000"), 0);
    EXPECT_EQ(repo->IsValid("BeepTone", "2001"), 1);
    EXPECT_EQ(repo->value("BeepTone", 1).str(), "2500");
    // Byte sequence: default "NA" is an empty value; bounds and excludes as given.
    EXPECT_EQ(repo->type("Code1Suffix").str(), "HEXCHAR");
    EXPECT_EQ(repo->value("Code1Suffix", 0).str(), "");
    EXPECT_EQ(repo->value("Code1Suffix", 1).str(), "00");
    EXPECT_EQ(repo->bounds("Code1Suffix").str(), "00,7F");
    EXPECT_EQ(repo->IsValid("Code1Suffix", "0A"), 0);
    // Text: default taken, no bounds, an empty exclude list (not null).
    EXPECT_EQ(repo->value("Code2Label", 1).str(), "ABC");
    EXPECT_EQ(repo->bounds("Code2Label").str(), "");
    ASSERT_NE(repo->range("Code2Label", 0), nullptr);
    EXPECT_EQ(repo->range("Code2Label", 0)->count(), 0);
}

TEST(CScanRepoBuilder, ValuesFollowTheLanguage) {
    LanguageGuard german(49);
    Repo repo = build(kSample);
    EXPECT_EQ(texts_of(repo->range("BeepVolume", 0)), (Texts{"Leise", "Mittel", "Laut"}));
    // The default "Medium" is no German value: it is ignored and the value stays "0".
    EXPECT_EQ(repo->value("BeepVolume", 0).str(), "0");
    ASSERT_EQ(repo->set_value("BeepVolume", "2", 1), 1);
    EXPECT_EQ(repo->value("BeepVolume", 0).str(), "Laut");
}

TEST(CScanRepoBuilder, EscapedCommasJoinValues) {
    struct Row {
        const char* range;
        Texts values;
    };
    for (const Row& row :
         {Row{"Off,On,A\\,B", {"Off", "On", "A,B"}}, Row{"A\\,B\\,C", {"A,B\\", "C"}},
          Row{"A,,B", {"A", "", "B"}}, Row{",A", {"", "A"}}, Row{"A\\", {"A,"}}, Row{"", {}},
          Row{"\\\\,x", {"\\,x"}}}) {
        Repo repo = build(one_group("P=p;ENUMERATEDINT;1;" + std::string(row.range) + "\n", 1));
        EXPECT_EQ(texts_of(repo->range("GP", 0)), row.values) << row.range;
        EXPECT_EQ(repo->range("GP", 1), nullptr) << row.range;
    }
}

TEST(CScanRepoBuilder, EnumerationsOfAllThreeTypes) {
    Repo repo = build(one_group("B=b;BOOLEAN;1;No,Yes;;;;;Yes\n"
                                "C=c;ENUMERATEDCHAR;1;A,B,C;;;;;C\n"
                                "I=i;ENUMERATEDINT ;2;1,2;;;;;3\n",
                                3));
    EXPECT_EQ(repo->type("GB").str(), "BOOLEAN");
    EXPECT_EQ(repo->value("GB", 0).str(), "Yes");
    EXPECT_EQ(repo->type("GC").str(), "ENUMERATEDCHAR");
    EXPECT_EQ(repo->value("GC", 1).str(), "C"); // no mapping: plain, not filled
    EXPECT_EQ(repo->type("GI").str(), "ENUMERATEDINT");
    EXPECT_EQ(repo->value("GI", 0).str(), "0"); // the default 3 is no value: ignored
}

TEST(CScanRepoBuilder, TypesWithoutAClassAddNoParameter) {
    Repo repo = build(one_group("A=a;LISTEDINT;2;;;;;;0\nB=b;CHAR;1;;;;;;x\n"
                                "C=c;UNKNOWN;1\nD=d;int;1\nE=e;NULSTRING;6;;;;x;;dflt\n",
                                5));
    EXPECT_EQ(group_names(*repo), Texts{"G"});
    EXPECT_EQ(param_names(*repo, "G"), Texts{"GE"});
    EXPECT_EQ(repo->value("GE", 1).str(), "dflt");
    EXPECT_EQ(repo->range("GE", 0), nullptr); // NULSTRING gets no lists
}

TEST(CScanRepoBuilder, IntegersIgnoreAnInvalidDefaultAndDropTheirCodes) {
    LanguageGuard english(1);
    Repo repo = build(one_group("N=n;INT;3;a|b;10;1;;;50\nMAPPING_001=x,y\n", 1));
    EXPECT_EQ(repo->value("GN", 1).str(), "000");
    EXPECT_EQ(texts_of(repo->range("GN", 1)), Texts{}); // the excludes, empty
}

TEST(CScanRepoBuilder, AGroupWithoutParametersIsOneGroupNamedByItsKey) {
    // Its instance list cannot be read from a first description that does not exist.
    for (const char* section : {"[G]\nCount=0\nInstances=1,2\n", "[G]\nCount=2\nInstances=1,2\n",
                                "[G]\nCount=1\n", "[G]\n", ""}) {
        Repo repo = build(std::string("[a]\n[ParameterGroups]\nG=g\n[b]\n") + section);
        EXPECT_EQ(group_names(*repo), Texts{"G"}) << section;
        EXPECT_EQ(repo->item("G")->size(), 0) << section;
    }
}

TEST(CScanRepoBuilder, InstanceListsAreCutAtCommas) {
    struct Row {
        const char* instances;
        Texts groups;
    };
    for (const Row& row :
         {Row{"", {"G"}}, Row{"A", {"GA"}}, Row{"1,2,3", {"G1", "G2", "G3"}}, Row{",,1", {"G1"}},
          Row{"1,2,", {"G1", "G2", "G"}}, Row{"1, 2", {"G1", "G 2"}}}) {
        Repo repo = build("[a]\n[ParameterGroups]\nG=g\n[b]\n[G]\nCount=1\nInstances=" +
                          std::string(row.instances) + "\nP=p;STRING;1\n");
        EXPECT_EQ(group_names(*repo), row.groups) << row.instances;
        const std::string first = row.groups.front();
        EXPECT_EQ(param_names(*repo, first.c_str()), Texts{first + "P"}) << row.instances;
    }
}

TEST(CScanRepoBuilder, CountsDecideHowManyParameters) {
    const std::string lines = "A=a;STRING;1\nB=b;STRING;1\n";
    EXPECT_EQ(param_names(*build(one_group(lines, 1)), "G"), Texts{"GA"});
    EXPECT_EQ(param_names(*build(one_group(lines, 2)), "G"), (Texts{"GA", "GB"}));
    EXPECT_EQ(param_names(*build(one_group(lines, 2000000000)), "G"), (Texts{"GA", "GB"}));
    EXPECT_EQ(param_names(*build(one_group(lines, -1)), "G"), Texts{});
}

TEST(CScanRepoBuilder, ProfilesThatCannotBeReadGiveAnEmptyRepository) {
    TempDir dir;
    CScanRepoBuilder builder;
    Repo missing(builder.build_repo(GwString(dir.file("nothing.zep"))));
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->size(), 0);
    EXPECT_EQ(build("[GeneralInformation]\nVersion=1\n")->size(), 0);
    EXPECT_EQ(build("")->size(), 0);
}

TEST(CScanRepoBuilder, ReadsAFileAndOutlivesTheBuilder) {
    LanguageGuard english(1);
    TempDir dir;
    dir.write("ZEP100/PROFILE.ZEP", kSample);
    Repo first;
    Repo second;
    {
        CScanRepoBuilder builder;
        first.reset(builder.build_repo(GwString(dir.dir() + "zep100\\Profile.zep")));
        second.reset(builder.build_repo(GwString(dir.dir() + "ZEP100\\profile.zep")));
    }
    ASSERT_EQ(first->size(), 4);
    ASSERT_EQ(second->size(), 4);
    ASSERT_EQ(first->set_value("BeepTone", "600", 0), 1);
    EXPECT_EQ(second->value("BeepTone", 0).str(), "2500");
    EXPECT_EQ(first->value("BeepTone", 1).str(), "0600");
}

TEST(CScanRepoBuilder, MalformedProfilesNeverCrash) {
    const std::string garbage[] = {
        std::string("\0\0\0[\0]\n=\n", 10),
        "[ParameterGroups]\n=\n==\n[x]\n[y]\n[]\nCount=3\n=\n;;;;;;;;;;;;\n",
        "[a]\n[ParameterGroups]\nG=g\n[b]\n[G]\nCount=99\nInstances=,,,\nMAPPING_001=x\n"
        "P=;ENUMERATEDINT;-5;\\,\\,\\;;;;;;\\\nMAPPING_001=\n",
        "[a]\n[ParameterGroups]\nG=g\n[b]\n[G]\nCount=1\nI=\nP=p;HEXCHAR;99999999999;;;;;;NA\n",
        "[a]\n[ParameterGroups]\nG\xff=g\n[b]\n[G\xff]\nCount=1\nI=\xfe\nP=\xfd;INT;2;;\xfc\n",
    };
    for (const std::string& text : garbage) {
        Repo repo = build(text);
        ASSERT_NE(repo, nullptr);
        std::unique_ptr<DynGwStringPtrArray> groups(repo->list_of_names());
        for (int g = 0; g < groups->count(); ++g) {
            std::unique_ptr<DynGwStringPtrArray> params(repo->list_of_param_names(*groups->get(g)));
            for (int p = 0; p < params->count(); ++p) {
                const GwString& name = *params->get(p);
                EXPECT_LE(repo->value(name, 1).len(), 2048);
                repo->prf_value(name, 1);
                repo->bounds(name);
            }
        }
    }
}
