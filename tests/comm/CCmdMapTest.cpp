// The command map: reading entries by position, cutting values out of replies by type and
// kind, lookups of names it does not know, and the ZEP100 map against the simulated scanner's
// command language.
#include "CCmdMap.h"
#include "CSimScanner.h"
#include "CommTestSupport.h"
#include "EwDataSet.h"
#include "EwString.h"

#include <gtest/gtest.h>

#include <string>

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

struct ExtractRow {
    const char* name;
    const char* param;
    const char* reply;
    std::string value;
    int fits;
};

void PrintTo(const ExtractRow& row, std::ostream* os) {
    *os << row.name;
}

class CmdMapExtract : public testing::TestWithParam<ExtractRow> {};

TEST_P(CmdMapExtract, CutsTheValueByTypeAndKind) {
    const ExtractRow& row = GetParam();
    CCmdMap map;
    ASSERT_EQ(map.InitializeText(kMap), 1);
    auto repo = sample_repo();
    GwString name = row.param;
    GwString reply = row.reply;
    EXPECT_EQ(map.ExtractValue(name, reply, repo.get()).str(), row.value);
    EXPECT_EQ(map.Fits(name, reply), row.fits);
    EXPECT_EQ(reply.str(), row.reply) << "the reply is not changed";
}

// A reply that lacks what the cut starts from gives an empty value and does not fit.
INSTANTIATE_TEST_SUITE_P(
    Replies, CmdMapExtract,
    testing::Values(ExtractRow{"SimpleFillsWithZeros", "S4", "S47", "0007", 1},
                    ExtractRow{"SimpleNeverShortens", "S2", "S212345", "12345", 1},
                    ExtractRow{"SimpleAfterFirstMarker", "S2", "xxS205S299", "05S299", 1},
                    ExtractRow{"SimpleWithoutMarker", "S4", "XY7", "", 0},
                    ExtractRow{"EmptyMarkerStandsAtTheStart", "E", "42", "042", 1},
                    ExtractRow{"WidthBoundedByTheLongestMessage", "HUGE", "H7",
                               std::string(CCmdMap::kMaxWidth - 1, '0') + "7", 1},
                    ExtractRow{"NormalIntDropsZerosAndRest", "NI", "NI=0042xyz", "0042", 1},
                    ExtractRow{"NormalIntFilled", "NI", "NI=500", "0500", 1},
                    ExtractRow{"NormalStrAsItIs", "NS", "NS=1D00", "1D00", 1},
                    ExtractRow{"NormalOtherKindEmpty", "NX", "NX=5", "", 1},
                    ExtractRow{"NormalWithoutMarker", "NI", "XY=5", "", 0},
                    ExtractRow{"NormalWithoutSearchText", "NI", "NI500", "", 0},
                    ExtractRow{"DependentInt", "DI", "L3O04C2", "2", 1},
                    ExtractRow{"DependentStrFilledRight", "DS", "L3O04UAB", "AB___", 1},
                    ExtractRow{"DependentRange", "DR", "L3O04L5-12", "05-12", 1},
                    ExtractRow{"DependentFixedLength", "DR", "L3O04L13___", "13___", 1},
                    ExtractRow{"DependentMissingFieldIsZero", "DI", "L3O04", "0", 1},
                    ExtractRow{"DependentStrMissingFieldIsZero", "DS", "L3O04", "0____", 1},
                    ExtractRow{"DependentOtherKindEmpty", "DX", "L3O04Q1", "", 1},
                    ExtractRow{"DependentWithoutMarker", "DI", "?WX", "", 0},
                    ExtractRow{"StringAfterLocator", "ST", "ST\"AB C\"", "\"AB C\"", 1},
                    ExtractRow{"StringWithoutLocator", "ST", "XX", "", 0},
                    ExtractRow{"UnknownTypeEmpty", "BAD", "B5", "", 0},
                    ExtractRow{"TooFewFieldsEmpty", "SHORT", "S5", "", 0},
                    ExtractRow{"NameNotInMap", "NOPE", "NOPE5", "0", 0}),
    [](const testing::TestParamInfo<ExtractRow>& info) { return info.param.name; });

TEST(CmdMap, FieldsAreSplitByPosition) {
    CCmdMap map;
    ASSERT_EQ(map.InitializeText("[GeneralInformation]\n[StartMapping]\n"
                                 "A=RW;;WA;-;A;SIMPLE\n"
                                 "B= RW ;  X ;\tWB;-; B ;STRING\n"
                                 "C=;;;;;\n"),
              1);
    ASSERT_EQ(map.Count(), 3);
    // An empty field stays in its place: the write command does not become the locator.
    // Leading blanks and tabs go, trailing ones stay.
    const char* const fields[][6] = {{"RW", "", "WA", "-", "A", "SIMPLE"},
                                     {"RW ", "X ", "WB", "-", "B ", "STRING"},
                                     {"", "", "", "", "", ""}};
    for (int i = 0; i < 3; ++i) {
        for (int f = 1; f <= CCmdMap::kFields; ++f)
            EXPECT_EQ(map.Field(i, f).str(), fields[i][f - 1]) << i << " " << f;
    }
    EXPECT_EQ(map.GetWriteCmd("A").str() + "|" + map.GetWriteCmd("B").str(), "A|B ");
    EXPECT_EQ(map.IsString("A") * 10 + map.IsString("B"), 1);
    GwString a = "A";
    GwString reply = "42";
    EXPECT_EQ(map.ExtractValue(a, reply, nullptr).str(), "42") << "no repository: width 0";
}

TEST(CmdMap, LookupsOfNamesAndFailedReads) {
    CCmdMap map;
    GwString name = "NI";
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.GetQueryCmd(name).str(), "") << "a new map is empty";
    ASSERT_EQ(map.InitializeText(kMap), 1);
    // A name not in the map: empty commands, dependent, string, no known type.
    GwString nope = "NOPE";
    EXPECT_EQ(map.GetQueryCmd(nope).str() + map.GetWriteCmd(nope).str(), "");
    EXPECT_EQ(map.IsDependent(nope) + map.IsString(nope), 2);
    EXPECT_EQ(map.Contains(nope) + map.HasKnownType(nope), 0);
    // Known names answer by their type.
    EXPECT_EQ(map.IsDependent("DI") * 10 + map.IsString("DI"), 10);
    EXPECT_EQ(map.IsDependent("ST") * 10 + map.IsString("ST"), 1);
    EXPECT_EQ(map.HasKnownType("BAD") * 10 + map.HasKnownType("S4"), 1);
    // Names are compared exactly.
    for (GwString other : {GwString("ni"), GwString("NIX"), GwString("N")})
        EXPECT_EQ(map.GetQueryCmd(other).str(), "") << other.str();
    // A failed read keeps the earlier map.
    EXPECT_EQ(map.InitializeFile("/nonexistent/cmd.map"), 0);
    EXPECT_EQ(map.InitializeText("[StartMapping]\nA=RW;A;WA;-;A;SIMPLE\n"), 0);
    EXPECT_EQ(map.InitializeText("[GeneralInformation]\nA=1\n"), 0);
    EXPECT_EQ(map.GetQueryCmd(name).str(), "WNI");
    // Of two entries with one name, the first wins.
    ASSERT_EQ(map.InitializeText("[GeneralInformation]\n[StartMapping]\n"
                                 "NI=RW;A;FIRST;-;A;SIMPLE\nNI=RW;A;SECOND;-;A;SIMPLE\n"),
              1);
    EXPECT_EQ(map.GetQueryCmd(name).str(), "FIRST");
}

// --- The ZEP100 map ------------------------------------------------------------------------

// Every query, cut and write of the map, checked with the scanner's own command language: the
// value cut from the reply is the scanner's coded value, and the write the program would
// build puts a value into the scanner.
TEST(Zep100Map, SpeaksTheScannersLanguage) {
    CommSettings settings;
    CScanRepoIf::m_sConnectedScanner = "RV-4400";
    CCmdMap map;
    ASSERT_EQ(map.Initialize(), 1);
    auto repo = zep100_repo();
    CSimScanner scanner;
    // Values unlike the factory ones, in the coded form the scanner keeps.
    const std::pair<const char*, const char*> changed[] = {
        {"DCI", "1234"}, {"L3O", "04"},          {"L3L", "13___"}, {"L3U", "4142"},
        {"L3C", "2"},    {"CVI", "\"AB C\""},    {"K3F", "4100"},  {"LKS", ";"},
        {"FD", "0250"},  {"H0E", "\"NO READ\""}, {"GN", "0"},      {"LTM", "00000"}};
    for (const auto& [key, value] : changed)
        ASSERT_EQ(scanner.SetValue(key, value), 1) << key;
    for (GwString name : parameters_of(*repo)) {
        GwString reply = scanner.Execute(map.GetQueryCmd(name));
        ASSERT_EQ(map.Fits(name, reply), 1) << name.str() << ": " << reply.str();
        EXPECT_EQ(map.ExtractValue(name, reply, repo.get()), scanner.Value(sim_key(name)))
            << name.str() << " from " << reply.str();
    }
    // Writing each parameter's factory value the way a download builds the command.
    for (GwString name : parameters_of(*repo)) {
        const GwString factory = CSimScanner::FactoryValue(sim_key(name));
        GwString command = map.GetWriteCmd(name);
        if (map.IsDependent(name))
            command = scanner.Execute(map.GetQueryCmd(name)) + command;
        EXPECT_EQ(scanner.Execute(command + factory), GwString()) << "writes get no reply";
        EXPECT_EQ(scanner.Value(sim_key(name)), factory) << (command + factory).str();
    }
    EXPECT_EQ(scanner.Execute("WER").str(), "ER00") << "no write was refused";
}

} // namespace
