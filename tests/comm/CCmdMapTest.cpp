// The command map: reading entries by position, cutting values out of replies by type and
// kind, lookups of names it does not know, and the ZEP100 map against the simulated scanner's
// command language.
#include "CCmdMap.h"
#include "CInitMgr.h"
#include "CScanRepoBuilder.h"
#include "CScanRepoIf.h"
#include "CSimScanner.h"
#include "EwDataSet.h"
#include "EwRepository.h"
#include "EwString.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

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
)";

// A repository of string parameters with the given lengths, in one group with an empty name.
std::unique_ptr<EwRepository> repo_with(const std::vector<std::pair<const char*, int>>& params) {
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

std::unique_ptr<EwRepository> sample_repo() {
    return repo_with({{"S4", 4},
                      {"S2", 2},
                      {"NI", 4},
                      {"NS", 6},
                      {"NX", 2},
                      {"DI", 1},
                      {"DS", 5},
                      {"DR", 5},
                      {"DX", 1},
                      {"ST", 48},
                      {"BAD", 1},
                      {"SHORT", 1}});
}

struct ExtractRow {
    const char* name;
    const char* param;
    const char* reply;
    const char* value;
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

INSTANTIATE_TEST_SUITE_P(
    Replies, CmdMapExtract,
    testing::Values(ExtractRow{"SimpleFillsWithZeros", "S4", "S47", "0007", 1},
                    ExtractRow{"SimpleNeverShortens", "S2", "S212345", "12345", 1},
                    ExtractRow{"SimpleAfterFirstMarker", "S2", "xxS205S299", "05S299", 1},
                    ExtractRow{"SimpleWithoutMarker", "S4", "XY7", "", 0},
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

TEST(CmdMap, WidthsNeverExceedTheLongestMessage) {
    CCmdMap map;
    ASSERT_EQ(map.InitializeText(kMap), 1);
    auto repo = repo_with({{"S4", 2000000000}});
    GwString name = "S4";
    GwString reply = "S47";
    EXPECT_EQ(map.ExtractValue(name, reply, repo.get()).len(), CCmdMap::kMaxWidth);
}

TEST(CmdMap, WithoutRepositoryTheWidthIsZero) {
    CCmdMap map;
    ASSERT_EQ(map.InitializeText(kMap), 1);
    GwString name = "S4";
    GwString reply = "S47";
    EXPECT_EQ(map.ExtractValue(name, reply, nullptr).str(), "7");
}

TEST(CmdMap, FieldsAreSplitByPosition) {
    CCmdMap map;
    ASSERT_EQ(map.InitializeText("[GeneralInformation]\n[StartMapping]\n"
                                 "A=RW;;WA;-;A;SIMPLE\n"
                                 "B= RW ;  X ;\tWB;-; B ;STRING\n"
                                 "C=;;;;;\n"),
              1);
    ASSERT_EQ(map.Count(), 3);
    // An empty field stays in its place: the write command does not become the locator.
    EXPECT_EQ(map.Field(0, 2).str(), "");
    EXPECT_EQ(map.Field(0, 3).str(), "WA");
    EXPECT_EQ(map.Field(0, 4).str(), "-");
    EXPECT_EQ(map.GetWriteCmd("A").str(), "A");
    EXPECT_EQ(map.IsString("A"), 0);
    // Leading blanks and tabs go, trailing ones stay.
    EXPECT_EQ(map.Field(1, 1).str(), "RW ");
    EXPECT_EQ(map.Field(1, 2).str(), "X ");
    EXPECT_EQ(map.Field(1, 3).str(), "WB");
    EXPECT_EQ(map.GetWriteCmd("B").str(), "B ");
    EXPECT_EQ(map.IsString("B"), 1);
    for (int f = 1; f <= CCmdMap::kFields; ++f)
        EXPECT_EQ(map.Field(2, f).str(), "") << f;
}

TEST(CmdMap, AnEmptyMarkerStandsAtTheStart) {
    CCmdMap map;
    ASSERT_EQ(map.InitializeText("[GeneralInformation]\n[StartMapping]\nA=RW;;WA;-;A;SIMPLE\n"), 1);
    GwString name = "A";
    GwString reply = "42";
    EXPECT_EQ(map.ExtractValue(name, reply, nullptr).str(), "42");
    EXPECT_EQ(map.Fits(name, reply), 1);
}

TEST(CmdMap, NamesNotInTheMap) {
    CCmdMap map;
    ASSERT_EQ(map.InitializeText(kMap), 1);
    GwString name = "NOPE";
    EXPECT_EQ(map.Contains(name), 0);
    EXPECT_EQ(map.GetQueryCmd(name).str(), "");
    EXPECT_EQ(map.GetWriteCmd(name).str(), "");
    EXPECT_EQ(map.IsDependent(name), 1);
    EXPECT_EQ(map.IsString(name), 1);
    EXPECT_EQ(map.HasKnownType(name), 0);
    // Known names answer by their type.
    EXPECT_EQ(map.IsDependent("DI"), 1);
    EXPECT_EQ(map.IsString("DI"), 0);
    EXPECT_EQ(map.IsDependent("ST"), 0);
    EXPECT_EQ(map.IsString("ST"), 1);
    EXPECT_EQ(map.HasKnownType("BAD"), 0);
    EXPECT_EQ(map.HasKnownType("S4"), 1);
}

TEST(CmdMap, TheFirstOfTwoEntriesWins) {
    CCmdMap map;
    ASSERT_EQ(map.InitializeText("[GeneralInformation]\n[StartMapping]\n"
                                 "A=RW;A;FIRST;-;A;SIMPLE\nA=RW;A;SECOND;-;A;SIMPLE\n"),
              1);
    GwString name = "A";
    EXPECT_EQ(map.GetQueryCmd(name).str(), "FIRST");
}

TEST(CmdMap, NamesAreComparedExactly) {
    CCmdMap map;
    ASSERT_EQ(map.InitializeText(kMap), 1);
    GwString lower = "s4";
    GwString longer = "S4X";
    EXPECT_EQ(map.GetQueryCmd(lower).str(), "");
    EXPECT_EQ(map.GetQueryCmd(longer).str(), "");
}

TEST(CmdMap, FailedInitializeKeepsTheEarlierMap) {
    CCmdMap map;
    ASSERT_EQ(map.InitializeText(kMap), 1);
    const int count = map.Count();
    EXPECT_EQ(map.InitializeFile("/nonexistent/cmd.map"), 0);
    EXPECT_EQ(map.InitializeText("[StartMapping]\nA=RW;A;WA;-;A;SIMPLE\n"), 0)
        << "no GeneralInformation";
    EXPECT_EQ(map.InitializeText("[GeneralInformation]\nA=1\n"), 0) << "no StartMapping";
    EXPECT_EQ(map.Count(), count);
    GwString name = "NI";
    EXPECT_EQ(map.GetQueryCmd(name).str(), "WNI");
}

TEST(CmdMap, ANewMapIsEmpty) {
    CCmdMap map;
    GwString name = "S4";
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.GetQueryCmd(name).str(), "");
}

// --- The ZEP100 map ------------------------------------------------------------------------

// The program directory and the connected scanner, restored after each test.
class Zep100Map : public testing::Test {
protected:
    void SetUp() override {
        m_dir = CInitMgr::m_sProgramDir;
        m_scanner = CScanRepoIf::m_sConnectedScanner;
        CInitMgr::m_sProgramDir = ZEP_PROGRAM_DIR "/";
        CScanRepoIf::m_sConnectedScanner = "RV-4400L";
        CScanRepoBuilder builder;
        repo.reset(builder.build_repo(GwString(ZEP_PROGRAM_DIR) + "/ZEP100/Profile.zep"));
        ASSERT_EQ(map.Initialize(), 1);
    }
    void TearDown() override {
        CInitMgr::m_sProgramDir = m_dir;
        CScanRepoIf::m_sConnectedScanner = m_scanner;
    }
    std::vector<GwString> parameters() const {
        std::vector<GwString> out;
        std::unique_ptr<DynGwStringPtrArray> groups(repo->list_of_names());
        for (int g = 0; g < groups->count(); ++g) {
            std::unique_ptr<DynGwStringPtrArray> names(repo->list_of_param_names(*groups->get(g)));
            for (int i = 0; i < names->count(); ++i)
                out.push_back(*names->get(i));
        }
        return out;
    }
    // The simulated scanner's key of a parameter (GNNONAME is GN).
    static GwString key_of(const GwString& name) {
        return name.ends_with("NONAME") ? name(0, name.len() - 7) : name;
    }

    std::unique_ptr<EwRepository> repo;
    CCmdMap map;
    GwString m_dir, m_scanner;
};

TEST_F(Zep100Map, IsFoundByTheConnectedScannersType) {
    EXPECT_EQ(map.Count(), 141);
    CScanRepoIf::m_sConnectedScanner = "XY-1";
    EXPECT_EQ(map.Initialize(), 0) << "a scanner of no known type has no map";
    EXPECT_EQ(map.Count(), 141);
}

TEST_F(Zep100Map, HasOneCompleteEntryPerParameter) {
    const std::vector<GwString> names = parameters();
    ASSERT_EQ(names.size(), 141u);
    std::set<std::string> entries;
    for (int i = 0; i < map.Count(); ++i) {
        entries.insert(map.Name(i).str());
        for (int f = 1; f <= CCmdMap::kFields; ++f)
            EXPECT_TRUE(map.Field(i, f).not_null()) << map.Name(i).str() << " field " << f;
    }
    EXPECT_EQ(entries.size(), static_cast<size_t>(map.Count())) << "no name twice";
    for (const GwString& name : names)
        EXPECT_TRUE(map.Contains(name)) << name.str();
}

TEST_F(Zep100Map, UsesEveryTypeAndKind) {
    std::set<std::string> types, kinds;
    for (int i = 0; i < map.Count(); ++i) {
        const GwString type = map.Field(i, 6);
        types.insert(type.str());
        const GwString locator = map.Field(i, 4);
        if ((type == "NORMAL" || type == "DPNDNT") && locator.first('|') >= 0)
            kinds.insert(locator.from(locator.first('|') + 1).str());
    }
    EXPECT_EQ(types, (std::set<std::string>{"SIMPLE", "NORMAL", "DPNDNT", "STRING"}));
    EXPECT_EQ(kinds, (std::set<std::string>{"INT", "STR", "RNG"}));
}

// Every query, cut and write of the map, checked with the scanner's own command language: the
// value cut from the reply is the scanner's coded value, and the write the program would
// build puts a new value into the scanner.
TEST_F(Zep100Map, SpeaksTheScannersLanguage) {
    CSimScanner scanner;
    // Values unlike the factory ones, in the coded form the scanner keeps.
    const std::vector<std::pair<const char*, const char*>> changed = {
        {"DCI", "1234"},        {"L3O", "04"},   {"L3L", "13___"},
        {"L3U", "4142"},        {"L3C", "2"},    {"CVI", "\"AB C\""},
        {"H0E", "\"NO READ\""}, {"K3F", "4100"}, {"LKS", ";"},
        {"FD", "0250"},         {"GN", "0"},     {"LTM", "00000"}};
    for (const auto& [key, value] : changed)
        ASSERT_EQ(scanner.SetValue(key, value), 1) << key;

    for (GwString name : parameters()) {
        const GwString key = key_of(name);
        GwString reply = scanner.Execute(map.GetQueryCmd(name));
        ASSERT_EQ(map.Fits(name, reply), 1) << name.str() << ": " << reply.str();
        EXPECT_EQ(map.ExtractValue(name, reply, repo.get()).str(), scanner.Value(key).str())
            << name.str() << " from " << reply.str();
    }

    // Writing each parameter's factory value the way a download builds the command.
    for (GwString name : parameters()) {
        const GwString key = key_of(name);
        GwString value = CSimScanner::FactoryValue(key);
        if (map.IsString(name) && value.len() >= 2)
            value = value(1, value.len() - 2); // the repository keeps texts without quotes
        if (map.IsString(name))
            value = "\"" + value + "\"";
        GwString command = map.GetWriteCmd(name);
        if (map.IsDependent(name))
            command = scanner.Execute(map.GetQueryCmd(name)) + command;
        EXPECT_EQ(scanner.Execute(command + value).str(), "") << "writes get no reply";
        EXPECT_EQ(scanner.Value(key).str(), CSimScanner::FactoryValue(key).str())
            << name.str() << " written with " << (command + value).str();
    }
    EXPECT_EQ(scanner.Execute("WER").str(), "ER00") << "no write was refused";
}

} // namespace
