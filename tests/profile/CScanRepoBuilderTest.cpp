// The repository builder: the parameter each profile type gives with its lists and default.
// Groups and instances are what the ZEP100 profile and zepprofile's dump show; malformed
// profiles, a group section without parameters among them, fuzz_profile_builder's (a listed
// group is found again).
#include "CScanRepoBuilder.h"
#include "DynGwStringPtrArray.h"
#include "EwRepository.h"
#include "LanguageGuard.h"
#include "ProfileText.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using Repo = std::unique_ptr<EwRepository>;

Repo build(const std::string& text) {
    CScanRepoBuilder builder;
    return Repo(builder.build_repo_from_profile(profile_from(text)));
}

// A profile with one group "G" with the instance list and the parameter lines.
std::string one_group(const std::string& lines, int count = 1, const std::string& instances = "") {
    return "[GeneralInformation]\n[ParameterGroups]\nG=Group\n[Third]\n[G]\nCount=" +
           std::to_string(count) + "\nInstances=" + instances + "\n" + lines;
}

// A list as one text: "a|b", "" for an empty list, "null" for none.
std::string joined(const DynGwStringPtrArray* list) {
    if (list == nullptr)
        return "null";
    std::string out;
    for (const std::string& t : texts_of(list))
        out += (out.empty() ? "" : "|") + t;
    return out;
}

} // namespace

TEST(CScanRepoBuilder, EachTypeGivesItsParameterWithLengthBoundsListsAndDefault) {
    LanguageGuard english(1);
    // Parameter P of group G; its type | value(0) | value(1) | bounds | range(0) | range(1).
    const std::pair<const char*, const char*> rows[] = {
        {"P=p;ENUMERATEDINT;2;0|1|2;;;;;Medium;\nMAPPING_001=Low,Medium,High\n",
         "ENUMERATEDINT|Medium|01||Low|Medium|High|0|1|2"},
        {"P=p;BOOLEAN;1;No,Yes;;;;;Yes\n", "BOOLEAN|Yes|Yes||No|Yes|null"},
        {"P=p;ENUMERATEDCHAR;2;A,B,C;;;;;C\n", "ENUMERATEDCHAR|C|C||A|B|C|null"}, // not filled
        {"P=p;ENUMERATEDCHAR;2;A,B;;;;;Z\n", "ENUMERATEDCHAR|0|0||A|B|null"},     // ignored
        {"P=p;ENUMERATEDINT ;2;1,2;;;;;3\n", "ENUMERATEDINT|0|0||1|2|null"},      // default ignored
        {"P=p;INT;4;;4000;500;1000,2000;;2500;Hz\n", "INT|2500|2500|500,4000|1000|2000|1000|2000"},
        {"P=n;INT;3;a|b;10;1;;;50\nMAPPING_001=x,y\n", "INT|0|000|1,10||"}, // codes dropped
        {"P=p;HEXCHAR;2;;7F;00;0A;;NA;\n", "HEXCHAR||00|00,7F|0A|0A"},      // NA is empty
        {"P=p;STRING;8;;;;;;ABC;\n", "STRING|ABC|ABC|||"},                  // empty excludes
        {"P=p;NULSTRING;6;;;;x;;dflt\n", "NULSTRING|dflt|dflt||null|null"}, // no lists
        {"P=a;LISTEDINT;2;;;;;;0\nQ=b;CHAR;1;;;;;;x\nR=d;int;1\n", "||||null|null"}}; // none
    for (const auto& [lines, expected] : rows) {
        Repo repo = build(one_group(lines, 3));
        EXPECT_EQ(take_texts(repo->list_of_names()), Texts{"G"}) << "the group is made anyway";
        EXPECT_EQ(take_texts(repo->list_of_param_names("G")),
                  expected[0] == '|' ? Texts{} : Texts{"GP"});
        EXPECT_EQ(repo->type("GP").str() + "|" + repo->value("GP", 0).str() + "|" +
                      repo->value("GP", 1).str() + "|" + repo->bounds("GP").str() + "|" +
                      joined(repo->range("GP", 0)) + "|" + joined(repo->range("GP", 1)),
                  expected)
            << lines;
    }
}

TEST(CScanRepoBuilder, ListsAreCutAtCommasUnlessEscaped) {
    for (const auto& [text, values] :
         {std::pair<const char*, Texts>{"Off,On,A\\,B", {"Off", "On", "A,B"}},
          {"A\\,B\\,C", {"A,B\\", "C"}},
          {"A,,B", {"A", "", "B"}},
          {",A", {"", "A"}},
          {"A\\", {"A,"}},
          {"", {}},
          {"\\\\,x", {"\\,x"}}}) {
        Repo repo = build(one_group("P=p;ENUMERATEDINT;1;" + std::string(text) + "\n"));
        EXPECT_EQ(texts_of(repo->range("GP", 0)), values) << text;
    }
}
