// The command map: reading entries by position, cutting values out of replies by type and
// kind, lookups of names it does not know.
#include "CCmdMap.h"
#include "CommTestSupport.h"
#include "EwDataSet.h"
#include "EwString.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

const char* const kMap = R"([GeneralInformation]
Version=1.0
[StartMapping]
S4=RW;S4;WS4;-;S4;SIMPLE
S2=RW;S2;WS2;-;S2;SIMPLE
NI=RW;NI;WNI;=|INT;NI;NORMAL
NS=RW;NS;WNS;=|STR;NS;NORMAL
NX=RW;NX;WNX;=|HEX;NX;NORMAL
DI=RW;L3;WL3C;C|INT;C;DPNDNT
DS=RW;L3;WL3U;U|STR;U;DPNDNT
DR=RW;L3;WL3L;L|RNG;L;DPNDNT
DX=RW;L3;WL3Q;Q|XYZ;Q;DPNDNT
ST=RW;-;WST;ST;ST;STRING
BAD=RW;B;WB;-;B;SIMPEL
SHORT=RW;S;WS
E=RW;;WE;-;E;SIMPLE
HUGE=RW;H;WH;-;H;SIMPLE
B= RW ;  X ;	WB;-; B ;STRING
C=;;;;;
)";

// One group with an empty name of string parameters of the given lengths.
std::unique_ptr<EwRepository> sample_repo() {
    const std::pair<const char*, int> params[] = {
        {"S4", 4},  {"S2", 2},    {"NI", 4}, {"NS", 6},           {"NX", 2},
        {"DI", 1},  {"DS", 5},    {"DR", 5}, {"DX", 1},           {"ST", 48},
        {"BAD", 1}, {"SHORT", 1}, {"E", 3},  {"HUGE", 2000000000}};
    auto repo = std::make_unique<EwRepository>();
    EwDataSet* group = new EwDataSet("");
    for (const auto& [name, length] : params) {
        EwType* p = new EwString(name, "STRING");
        group->add_item(p);
        group->set_length(name, GwString(length));
    }
    repo->add_item(group);
    return repo;
}

// Cutting a value by type and kind, and the strict reading an upload takes over: marker at
// the start, the form of the kind, nothing left over. (A reply that lacks its marker gives an
// empty value: the command map fuzz target; what else an upload refuses: the transfer tests.)
TEST(CmdMap, ExtractValueCutsAndTakeValueReadsStrictly) {
    CCmdMap map;
    ASSERT_EQ(map.InitializeText(kMap), 1);
    auto repo = sample_repo();
    // name, reply, cut value, fits, strictly taken value ("-": refused)
    const std::tuple<const char*, const char*, std::string, int, std::string> rows[] = {
        {"S4", "S47", "0007", 1, "0007"},       // filled with zeros
        {"S2", "S212345", "12345", 1, "12345"}, // never shortened
        {"S2", "xxS205S299", "05S299", 1, "-"}, // something in front of the marker
        {"S2", "S2", "00", 1, "-"},             // no value
        {"E", "42", "042", 1, "042"},           // an empty marker stands at the start
        {"HUGE", "H7", std::string(CCmdMap::kMaxWidth - 1, '0') + "7", 1,
         std::string(CCmdMap::kMaxWidth - 1, '0') + "7"},
        {"NI", "NI=0042", "0042", 1, "0042"}, // INT: the number, filled
        {"NI", "NI=0042xyz", "0042", 1, "-"}, // ... and nothing behind it
        {"NI", "NI=", "0000", 1, "-"},
        {"NI", "NI=1234567890", "1234567890", 1, "-"}, // beyond nine digits
        {"NS", "NS=1D00", "1D00", 1, "1D00"},
        {"NX", "NX=5", "", 1, "-"},        // another kind
        {"NI", "NI500", "", 0, "-"},       // without the search text
        {"NI", "NIx=500", "0500", 1, "-"}, // the search text not right behind the marker
        {"DI", "L3O04C2", "2", 1, "2"},
        {"DI", "L3O04C2x", "2", 1, "-"},
        {"DS", "L3O04UAB", "AB___", 1, "AB___"},
        {"DR", "L3O04L5-12", "05-12", 1, "05-12"},
        {"DR", "L3O04L13___", "13___", 1, "13___"},
        {"DR", "L3O04L10-2x", "10-02", 1, "-"},
        {"DR", "L3O04L1x-12", "1x-12", 1, "-"},
        {"DI", "L3O04", "0", 0, "-"}, // a dependent field the reply lacks is cut as 0
        {"DX", "L3O04Q1", "", 1, "-"},
        {"ST", "ST\"AB C\"", "\"AB C\"", 1, "\"AB C\""},
        {"ST", "ST\"\"", "\"\"", 1, "\"\""},
        {"ST", "ST\"AB", "\"AB", 1, "-"}, // the closing quote lost
        {"ST", "ST\"A\"B\"", "\"A\"B\"", 1, "-"},
        {"BAD", "B5", "", 0, "-"},   // unknown type
        {"SHORT", "S5", "", 0, "-"}, // too few fields
        {"NOPE", "NOPE5", "0", 0, "-"}};
    for (const auto& [param, text, value, fits, taken] : rows) {
        SCOPED_TRACE(std::string(param) + " " + text);
        GwString name = param;
        GwString reply = text;
        EXPECT_EQ(map.ExtractValue(name, reply, repo.get()).str(), value);
        EXPECT_EQ(map.Fits(name, reply), fits);
        GwString strict = "-";
        GwString dependent;
        EXPECT_EQ(map.TakeValue(name, reply, repo.get(), strict, dependent), taken != "-");
        EXPECT_EQ(strict.str(), taken);
    }
    GwString name = "DI";
    GwString value;
    GwString dependent;
    ASSERT_EQ(map.TakeValue(name, "L3O04C2", repo.get(), value, dependent), 1);
    EXPECT_EQ(dependent.str(), "O04") << "the fields between the marker and the value";
}

TEST(CmdMap, FieldsAreSplitByPosition) {
    CCmdMap map;
    ASSERT_EQ(map.InitializeText(kMap), 1);
    ASSERT_EQ(map.Count(), 16);
    // An empty field stays in its place: the write command does not become the locator.
    // Leading blanks and tabs go, trailing ones stay; missing trailing fields are empty.
    const std::pair<int, const char*> rows[] = {{11, "RW|S|WS|||"},
                                                {12, "RW||WE|-|E|SIMPLE"},
                                                {14, "RW |X |WB|-|B |STRING"},
                                                {15, "|||||"}};
    for (const auto& [i, fields] : rows) {
        std::string joined = map.Field(i, 1).str();
        for (int f = 2; f <= CCmdMap::kFields; ++f)
            joined += "|" + map.Field(i, f).str();
        EXPECT_EQ(joined, fields) << map.Name(i).str();
    }
}

TEST(CmdMap, LookupsOfNamesAndFailedReads) {
    CCmdMap map;
    GwString name = "NI";
    ASSERT_EQ(map.InitializeText(kMap), 1);
    // Names are compared exactly. (A name not in the map, an unknown type: the rows NOPE and
    // BAD above.)
    for (GwString other : {GwString("ni"), GwString("NIX"), GwString("N")})
        EXPECT_EQ(map.GetQueryCmd(other).str(), "") << other.str();
    // A failed read keeps the earlier map.
    EXPECT_EQ(map.InitializeFile("/nonexistent/cmd.map"), 0);
    EXPECT_EQ(map.InitializeText("[StartMapping]\nA=RW;A;WA;-;A;SIMPLE\n"), 0);
    EXPECT_EQ(map.InitializeText("[GeneralInformation]\nA=1\n"), 0);
    EXPECT_EQ(map.GetQueryCmd(name).str(), "WNI");
    // (Of two entries with one name the first wins: the transfer test of the map's gaps.)
}

} // namespace
