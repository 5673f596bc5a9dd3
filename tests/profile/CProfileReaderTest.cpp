// The profile reader: group list, parameter positions, fields, mappings by language, counts
// and the failure values of malformed profiles.
#include "CProfileReader.h"
#include "DynGwStringPtrArray.h"
#include "GwProfile.h"
#include "LanguageGuard.h"
#include "ProfileText.h"
#include "StringLists.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace {

const char* const kSample = R"([GeneralInformation]
Version=2.1
ResourceFile=ZEP100.cgw
[ParameterGroups]
Beep=Beeper
Code=Code settings
[Notes]
Text=never read
[Beep]
Count=2
Instances=
Volume=Volume;ENUMERATEDINT;1;0|1|2;;;;;Medium;
MAPPING_001=Low,Medium,High
MAPPING_049=Leise,Mittel,Laut
MAPPING_033=Bas,Moyen,Haut
Tone=Tone;INT  ;4;;4000;500;1000,2000;x;2500;Hz;extra
[Code]
Count=3
Instances=1,2
Len=Length;INT;2;;20;1;5,7;;10;chars
Suffix=Suffix;HEXCHAR;2;;7F;00;0A;;NA;
Label=Label;STRING;8;;;;;;ABC;
)";

// Exposes the protected steps of the reader.
class OpenReader : public CProfileReader {
public:
    using CProfileReader::CProfileReader;
    using CProfileReader::get_description_number;
    using CProfileReader::get_parameter_index;
    using CProfileReader::HasMapping;
    using CProfileReader::is_multidescriptive;
    using CProfileReader::is_valid_attribute;
    using CProfileReader::piece_of_string;
};

using Descriptions = std::unique_ptr<CDynParameterDescriptionArray>;

Descriptions describe(CProfileReader& reader, int group) {
    return Descriptions(reader.get_group_parameterdescriptions(group));
}

} // namespace

TEST(CProfileReader, ReadsGeneralInformationAndTheGroupList) {
    CProfileReader reader(profile_from(kSample));
    EXPECT_EQ(reader.zep_version().str(), "2.1");
    EXPECT_EQ(reader.name_of_resource().str(), "ZEP100.cgw");
    ASSERT_EQ(reader.number_of_groups(), 2);
    CGroupName** names = reader.all_group_names();
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names[0]->m_sName.str(), "Beep");
    EXPECT_EQ(names[0]->m_sValue.str(), "Beeper");
    EXPECT_EQ(names[0]->m_iIndex, 0);
    EXPECT_EQ(names[1]->m_sName.str(), "Code");
    EXPECT_EQ(names[1]->m_sValue.str(), "Code settings");
    EXPECT_EQ(names[1]->m_iIndex, 1);
    CProfileReader::release_group_names(names, reader.number_of_groups());
}

TEST(CProfileReader, DescribesEachParameterLine) {
    LanguageGuard english(1);
    CProfileReader reader(profile_from(kSample));
    Descriptions beep = describe(reader, 0);
    ASSERT_EQ(beep->count(), 2);

    const CParameterDescription* volume = beep->get(0);
    EXPECT_EQ(volume->m_iIndex, 1);
    EXPECT_EQ(volume->m_sName.str(), "Volume");
    EXPECT_EQ(volume->m_sType.str(), "ENUMERATEDINT");
    EXPECT_EQ(volume->m_sLength.str(), "1");
    EXPECT_EQ(volume->m_sRange.str(), "Low,Medium,High");
    EXPECT_EQ(texts_of(volume->m_pMapping), (Texts{"0", "1", "2"}));
    EXPECT_EQ(volume->m_sDefInt.str(), "Medium");
    EXPECT_EQ(volume->m_sID.str(), "Volume");
    EXPECT_EQ(volume->m_sGroup.str(), "Beeper");
    EXPECT_EQ(volume->m_sGroupID.str(), "Beep");
    EXPECT_EQ(volume->m_sOneOf.str(), "");
    EXPECT_EQ(volume->m_sReserved.str(), "");

    const CParameterDescription* tone = beep->get(1);
    EXPECT_EQ(tone->m_sType.str(), "INT"); // trailing blanks removed
    EXPECT_EQ(tone->m_sLength.str(), "4");
    EXPECT_EQ(tone->m_sRange.str(), "");
    EXPECT_EQ(tone->m_pMapping, nullptr);
    EXPECT_EQ(tone->m_sHigh.str(), "4000");
    EXPECT_EQ(tone->m_sLow.str(), "500");
    EXPECT_EQ(tone->m_sExcludes.str(), "1000,2000");
    EXPECT_EQ(tone->m_sDefChar.str(), "x");
    EXPECT_EQ(tone->m_sDefInt.str(), "2500");
    EXPECT_EQ(tone->m_sUnits.str(), "Hz");
    EXPECT_EQ(tone->m_sID.str(), "Tone");

    Descriptions code = describe(reader, 1);
    ASSERT_EQ(code->count(), 3);
    EXPECT_EQ(code->get(0)->m_sOneOf.str(), "1,2");
    EXPECT_EQ(code->get(2)->m_sOneOf.str(), "1,2");
    EXPECT_EQ(code->get(1)->m_sID.str(), "Suffix");
    EXPECT_EQ(code->get(1)->m_sDefInt.str(), "NA");
    EXPECT_EQ(code->get(2)->m_sGroupID.str(), "Code");
}

TEST(CProfileReader, MappingFollowsTheInterfaceLanguage) {
    struct Row {
        int language;
        const char* range;
        bool mapped;
    };
    for (const Row& row : {Row{1, "Low,Medium,High", true}, Row{49, "Leise,Mittel,Laut", true},
                           Row{33, "Bas,Moyen,Haut", true}, Row{7, "0|1|2", false}}) {
        LanguageGuard language(row.language);
        CProfileReader reader(profile_from(kSample));
        Descriptions beep = describe(reader, 0);
        ASSERT_EQ(beep->count(), 2);
        EXPECT_EQ(beep->get(0)->m_sRange.str(), row.range) << row.language;
        EXPECT_EQ(beep->get(0)->m_pMapping != nullptr, row.mapped) << row.language;
    }
}

TEST(CProfileReader, AParameterWithoutItsLanguageStopsAtTheNextParameter) {
    const char* text = "[G]\n[ParameterGroups]\nG=g\n[x]\n[G]\nCount=2\nInst=\n"
                       "Speed=Speed;ENUMERATEDINT;1;0|1\nMAPPING_001=Slow,Fast\n"
                       "MAPPING_049=Langsam,Schnell\nMode=Mode;ENUMERATEDINT;1;0|1\n"
                       "MAPPING_007=Seven0,Seven1\n";
    {
        LanguageGuard english(1);
        CProfileReader reader(profile_from(text));
        Descriptions d = describe(reader, 0);
        ASSERT_EQ(d->count(), 2);
        EXPECT_EQ(d->get(0)->m_sRange.str(), "Slow,Fast");
        EXPECT_EQ(d->get(1)->m_sID.str(), "Mode");
        EXPECT_EQ(d->get(1)->m_pMapping, nullptr);
    }
    {
        LanguageGuard german(49);
        CProfileReader reader(profile_from(text));
        Descriptions d = describe(reader, 0);
        EXPECT_EQ(d->get(0)->m_sRange.str(), "Langsam,Schnell"); // MAPPING_001 skipped
    }
    {
        // Language 7: the search from Speed ends at Mode and never sees Mode's own mapping.
        LanguageGuard seven(7);
        CProfileReader reader(profile_from(text));
        Descriptions d = describe(reader, 0);
        EXPECT_EQ(d->get(0)->m_pMapping, nullptr);
        EXPECT_EQ(d->get(0)->m_sRange.str(), "0|1");
        EXPECT_EQ(d->get(1)->m_sRange.str(), "Seven0,Seven1");
    }
}

TEST(CProfileReader, AnyKeyWithMapIsNoParameter) {
    LanguageGuard english(1);
    const char* text = "[a]\n[ParameterGroups]\nG=g\n[b]\n[G]\nCount=3\nInst=\n"
                       "Mode=Mode;BOOLEAN;1;0|1\nBITMAP=Bitmap;STRING;4\nMAPPING_001=No,Yes\n"
                       "Map=Lower case map;STRING;4\nZOOMAP=z;INT;1\n";
    OpenReader reader(profile_from(text));
    Descriptions d = describe(reader, 0);
    ASSERT_EQ(d->count(), 2);
    EXPECT_EQ(d->get(0)->m_sID.str(), "Mode");
    EXPECT_EQ(d->get(0)->m_sRange.str(), "No,Yes"); // BITMAP is passed over as a mapping entry
    EXPECT_EQ(d->get(1)->m_sID.str(), "Map");       // "MAP" is matched in upper case only
    EXPECT_EQ(reader.get_parameter_index(0, 0, 1), 2);
    EXPECT_EQ(reader.get_parameter_index(0, 1, 1), 5);
    EXPECT_EQ(reader.get_parameter_index(0, 2, 1), -1); // beyond the entries: no position
    EXPECT_EQ(reader.get_parameter_index(0, -1, 1), -1);
    EXPECT_EQ(reader.get_parameter_index(5, 0, 1), -1);
}

TEST(CProfileReader, CountsComeFromTheFirstEntryOfTheGroupSection) {
    const char* text = "[a]\n[ParameterGroups]\nA=a\nB=b\nC=c\n[b]\n"
                       "[A]\nCount=2x\nInst=\nP=p;INT;1\nQ=q;INT;1\n"
                       "[B]\nCount=1\nInst=\nP=p;INT;1\nQ=q;INT;1\n";
    CProfileReader reader(profile_from(text));
    ASSERT_EQ(reader.number_of_groups(), 3);
    EXPECT_EQ(reader.number_of_parameter_descriptions_in_group(0), 2);
    EXPECT_EQ(reader.number_of_parameters(0), 2);
    EXPECT_EQ(reader.number_of_parameters(1), 1);
    EXPECT_EQ(describe(reader, 1)->count(), 1); // a smaller count hides later parameters
    // Group C has no section; -1 and 3 are no group numbers.
    for (int g : {2, 3, -1}) {
        EXPECT_EQ(reader.number_of_parameter_descriptions_in_group(g), -1) << g;
        EXPECT_EQ(reader.number_of_parameters(g), -1) << g;
        EXPECT_EQ(describe(reader, g)->count(), 0) << g;
    }
}

TEST(CProfileReader, ACountBeyondTheEntriesDescribesOnlyWhatIsThere) {
    const char* text = "[a]\n[ParameterGroups]\nA=a\n[b]\n"
                       "[A]\nCount=2000000000\nInst=\nP=p;INT;1\nQ=q;INT;1\n";
    CProfileReader reader(profile_from(text));
    EXPECT_EQ(reader.number_of_parameters(0), 2000000000);
    Descriptions d = describe(reader, 0);
    ASSERT_EQ(d->count(), 2);
    EXPECT_EQ(d->get(1)->m_sID.str(), "Q");
}

TEST(CProfileReader, NegativeOrMissingCountsDescribeNothing) {
    const char* text = "[a]\n[ParameterGroups]\nA=a\nB=b\n[b]\n"
                       "[A]\nCount=-4\nInst=\nP=p;INT;1\n[B]\n";
    CProfileReader reader(profile_from(text));
    EXPECT_EQ(describe(reader, 0)->count(), 0);
    EXPECT_EQ(reader.number_of_parameters(1), 0); // an empty section reads as 0
    EXPECT_EQ(describe(reader, 1)->count(), 0);
}

TEST(CProfileReader, InstanceListIsMinusOneOutOfRange) {
    OpenReader reader(profile_from(kSample));
    EXPECT_EQ(reader.is_multidescriptive(1, 0).str(), "1,2");
    EXPECT_EQ(reader.is_multidescriptive(1, 2).str(), "1,2");
    EXPECT_EQ(reader.is_multidescriptive(1, 3).str(), "-1");
    EXPECT_EQ(reader.is_multidescriptive(1, -1).str(), "-1");
    EXPECT_EQ(reader.is_multidescriptive(2, 0).str(), "-1");
    GwString range = "0|1";
    EXPECT_EQ(reader.HasMapping(0, 5, range), nullptr);
    EXPECT_EQ(range.str(), "0|1");
}

TEST(CProfileReader, OutOfRangeDescriptionsAreEmpty) {
    OpenReader reader(profile_from(kSample));
    for (auto [group, parameter] : {std::pair{2, 0}, std::pair{-1, 0}, std::pair{0, 2}}) {
        const CParameterDescription d = reader.get_description_number(group, parameter, 1);
        EXPECT_EQ(d.m_sName.str(), "") << group << "," << parameter;
        EXPECT_EQ(d.m_sType.str(), "");
        EXPECT_EQ(d.m_sGroupID.str(), "");
        EXPECT_EQ(d.m_pMapping, nullptr);
    }
}

namespace {

struct FieldCase {
    const char* name;
    const char* line;
    int field;
    const char* result;
};

std::string field_name(const testing::TestParamInfo<FieldCase>& info) {
    return info.param.name;
}

} // namespace

class PieceOfString : public testing::TestWithParam<FieldCase> {};
TEST_P(PieceOfString, PicksAField) {
    EXPECT_EQ(OpenReader::piece_of_string(GetParam().line, GetParam().field).str(),
              GetParam().result);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, PieceOfString,
    testing::Values(FieldCase{"first", "a;b;c", 0, "a"}, FieldCase{"middle", "a;b;c", 1, "b"},
                    FieldCase{"missing_field_is_empty", "a;b", 5, ""},
                    FieldCase{"field_ten_is_accepted", "0;1;2;3;4;5;6;7;8;9;10", 10, "10"},
                    FieldCase{"field_eleven_gives_zero", "a;b", 11, "0"},
                    FieldCase{"negative_gives_zero", "a;b", -1, "0"},
                    FieldCase{"field_twenty_reads_nine", "0;1;2;3;4;5;6;7;8;unit", 20, "unit"},
                    FieldCase{"empty_line_is_empty_even_for_eleven", "", 11, ""},
                    FieldCase{"empty_field", "a;;c", 1, ""}),
    field_name);

TEST(CProfileReader, ValidAttributesAreZeroToTen) {
    EXPECT_EQ(OpenReader::is_valid_attribute(0), 1);
    EXPECT_EQ(OpenReader::is_valid_attribute(10), 1);
    EXPECT_EQ(OpenReader::is_valid_attribute(11), 0);
    EXPECT_EQ(OpenReader::is_valid_attribute(-1), 0);
}

TEST(CProfileReader, GroupSectionsArePositionsNotNames) {
    // The group list's first group reads the section at position 3, whatever it is called.
    const char* text = "[ParameterGroups]\nA=a\nB=b\n[GeneralInformation]\nVersion=9\n"
                       "[A]\nCount=1\nInst=\nFromA=x;INT;1\n"
                       "[B]\nCount=1\nInst=\nFromB=y;INT;1\n";
    CProfileReader reader(profile_from(text));
    EXPECT_EQ(reader.zep_version().str(), "9"); // found by name at position 1
    Descriptions d = describe(reader, 0);
    ASSERT_EQ(d->count(), 1);
    EXPECT_EQ(d->get(0)->m_sID.str(), "FromB");
    EXPECT_EQ(d->get(0)->m_sGroupID.str(), "A");
    EXPECT_EQ(describe(reader, 1)->count(), 0);
}

TEST(CProfileReader, WithoutGeneralInformationTheGroupsStillCount) {
    const char* text = "[x]\n[ParameterGroups]\nA=a\n[y]\n[A]\nCount=1\nInst=\nP=p;INT;1\n";
    CProfileReader reader(profile_from(text));
    EXPECT_EQ(reader.zep_version().str(), "");
    EXPECT_EQ(reader.name_of_resource().str(), "");
    EXPECT_EQ(reader.number_of_groups(), 1);
    EXPECT_EQ(describe(reader, 0)->count(), 1);
}

TEST(CProfileReader, WithoutGroupListEveryQueryFails) {
    CProfileReader reader(profile_from("[GeneralInformation]\nVersion=1\n[a]\n[b]\n[c]\n"));
    EXPECT_EQ(reader.number_of_groups(), 0);
    EXPECT_EQ(reader.all_group_names(), nullptr);
    EXPECT_EQ(reader.number_of_parameters(0), -1);
    EXPECT_EQ(reader.number_of_parameter_descriptions_in_group(0), -1);
    EXPECT_EQ(describe(reader, 0)->count(), 0);
    EXPECT_EQ(reader.zep_version().str(), "1");
}

TEST(CProfileReader, AReaderWithoutFileAnswersFailureValues) {
    OpenReader reader;
    EXPECT_EQ(reader.number_of_groups(), -1);
    EXPECT_EQ(reader.all_group_names(), nullptr);
    EXPECT_EQ(reader.number_of_parameters(0), -1);
    EXPECT_EQ(reader.number_of_parameter_descriptions_in_group(0), -1);
    EXPECT_EQ(describe(reader, 0)->count(), 0);
    EXPECT_EQ(reader.is_multidescriptive(0, 0).str(), "-1");
    EXPECT_EQ(reader.get_parameter_index(0, 0, 1), -1);
    GwString range = "a|b";
    EXPECT_EQ(reader.HasMapping(0, 0, range), nullptr);
    CProfileReader from_null(std::unique_ptr<GwProfile>{});
    EXPECT_EQ(from_null.number_of_groups(), -1);
}

TEST(CProfileReader, OpensAFileWithoutRegardToCase) {
    TempDir dir;
    dir.write("ZEP100/Profile.zep", kSample);
    CProfileReader reader(GwString(dir.dir() + "zep100\\PROFILE.ZEP"));
    EXPECT_EQ(reader.number_of_groups(), 2);
    EXPECT_EQ(reader.zep_version().str(), "2.1");
    CProfileReader missing(GwString(dir.dir() + "ZEP100\\Nothing.zep"));
    EXPECT_EQ(missing.number_of_groups(), 0);
    EXPECT_EQ(missing.all_group_names(), nullptr);
}

TEST(CProfileReader, TruncatedLinesGiveEmptyFields) {
    const char* text = "[a]\n[ParameterGroups]\nA=a\n[b]\n[A]\nCount=2\nInst=\n"
                       "Short=Only a label\nEmpty=\n";
    CProfileReader reader(profile_from(text));
    Descriptions d = describe(reader, 0);
    ASSERT_EQ(d->count(), 2);
    EXPECT_EQ(d->get(0)->m_sName.str(), "Only a label");
    EXPECT_EQ(d->get(0)->m_sType.str(), "");
    EXPECT_EQ(d->get(0)->m_sDefInt.str(), "");
    EXPECT_EQ(d->get(1)->m_sName.str(), "");
    EXPECT_EQ(d->get(1)->m_sID.str(), "Empty");
}

TEST(CProfileReader, DumpListsEveryField) {
    LanguageGuard english(1);
    CProfileReader reader(profile_from(kSample));
    Descriptions beep = describe(reader, 0);
    std::ostringstream out;
    reader.dump_DnyParamDescArray(beep.get(), out, 0);
    const std::string expected = "Group Number 0 , Parameter Number 0\n"
                                 "Index    - 1\n"
                                 "One Of   - \n"
                                 "Name     - Volume\n"
                                 "Type     - ENUMERATEDINT\n"
                                 "Length   - 1\n"
                                 "Range    - Low,Medium,High\n"
                                 "High     - \n"
                                 "Low      - \n"
                                 "Excludes - \n"
                                 "Def Char - \n"
                                 "Def Int  - Medium\n"
                                 "Group    - Beeper\n"
                                 "Group ID - Beep\n"
                                 "ID       - Volume\n"
                                 "UNITS    - \n"
                                 "MAPPING  - 012\n"
                                 "\n\n\n"
                                 "Group Number 0 , Parameter Number 1\n"
                                 "Index    - 1\n"
                                 "One Of   - \n"
                                 "Name     - Tone\n"
                                 "Type     - INT\n"
                                 "Length   - 4\n"
                                 "Range    - \n"
                                 "High     - 4000\n"
                                 "Low      - 500\n"
                                 "Excludes - 1000,2000\n"
                                 "Def Char - x\n"
                                 "Def Int  - 2500\n"
                                 "Group    - Beeper\n"
                                 "Group ID - Beep\n"
                                 "ID       - Tone\n"
                                 "UNITS    - Hz\n"
                                 "MAPPING  - NULL\n"
                                 "\n\n\n";
    EXPECT_EQ(out.str(), expected);

    std::ostringstream bad;
    bad.setstate(std::ios::badbit);
    reader.dump_DnyParamDescArray(beep.get(), bad, 0);
    bad.clear();
    EXPECT_EQ(bad.str(), "");
    std::ostringstream none;
    reader.dump_DnyParamDescArray(nullptr, none, 0);
    EXPECT_EQ(none.str(), "");
}

TEST(CParameterDescription, CopiesOwnTheirCodeList) {
    CParameterDescription a;
    a.m_sName = "n";
    a.m_pMapping = new_list({"0", "1"});
    CParameterDescription b(a);
    ASSERT_NE(b.m_pMapping, nullptr);
    EXPECT_NE(b.m_pMapping, a.m_pMapping);
    EXPECT_EQ(texts_of(b.m_pMapping), (Texts{"0", "1"}));
    CParameterDescription c;
    c = b;
    EXPECT_EQ(c.m_sName.str(), "n");
    EXPECT_NE(c.m_pMapping, b.m_pMapping);
    CParameterDescription d(std::move(c));
    EXPECT_EQ(c.m_pMapping, nullptr); // NOLINT: moved-from state is part of the contract
    EXPECT_EQ(texts_of(d.m_pMapping), (Texts{"0", "1"}));
    d = std::move(a);
    EXPECT_EQ(texts_of(d.m_pMapping), (Texts{"0", "1"}));
}
