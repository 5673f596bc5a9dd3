#include "GwProfile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

GwProfile parse(const std::string& text) {
    GwProfile p;
    p.load_text(text);
    return p;
}

} // namespace

TEST(GwProfile, SectionsAndEntriesKeepFileOrder) {
    GwProfile p = parse("[GeneralInformation]\n"
                        "Version=1.2\n"
                        "ResourceFile=ZEP100.cgw\n"
                        "[ParameterGroups]\n"
                        "RC=Reading control\n"
                        "L=Reading rules\n");
    ASSERT_EQ(p.is_valid(), 1);
    ASSERT_EQ(p.section_count(), 2);
    EXPECT_EQ(p.section_name(1).str(), "ParameterGroups");
    ASSERT_EQ(p.set_section("ParameterGroups"), 1);
    ASSERT_EQ(p.value_count(), 2);
    EXPECT_EQ(p.name(0).str(), "RC");
    EXPECT_EQ(p.value(0).str(), "Reading control");
    EXPECT_EQ(p.name(1).str(), "L");
    ASSERT_EQ(p.set_section(0), 1);
    EXPECT_EQ(p.value("Version", "none").str(), "1.2");
    EXPECT_EQ(p.value("Missing", "none").str(), "none");
}

TEST(GwProfile, ValuesSurviveUntouched) {
    const std::string value = "Speed;INT ; 3;A\\,B|C=D, x ;\\\\ ";
    GwProfile p = parse("[S]\nK=" + value + "\n");
    ASSERT_EQ(p.set_section("S"), 1);
    EXPECT_EQ(p.value(0).str(), value);
    EXPECT_EQ(p.value("K", "").str(), value);
}

TEST(GwProfile, KeysAreTrimmedAndLookedUpWithoutRegardToCase) {
    GwProfile p = parse("[Main]\n  Key One \t=v1\nkey two=v2\n");
    ASSERT_EQ(p.set_section("MAIN"), 1);
    EXPECT_EQ(p.name(0).str(), "Key One");
    EXPECT_EQ(p.value("KEY TWO", "").str(), "v2");
}

TEST(GwProfile, CommentsBlankLinesAndStrayLinesAreSkipped) {
    GwProfile p = parse("; comment before everything\n"
                        "orphan=before any section\n"
                        "\n"
                        "[S]\n"
                        "   ; indented comment\n"
                        "# hash comment\n"
                        "no equals sign here\n"
                        "a=1\n"
                        "\r\n"
                        "b=2\r\n");
    ASSERT_EQ(p.section_count(), 1);
    ASSERT_EQ(p.set_section(0), 1);
    ASSERT_EQ(p.value_count(), 2);
    EXPECT_EQ(p.value(1).str(), "2"); // "\r" of a Windows line end is not part of the value
}

TEST(GwProfile, FileWithoutSectionsHasNone) {
    GwProfile p = parse("a=1\nb=2\n");
    EXPECT_EQ(p.is_valid(), 1);
    EXPECT_EQ(p.section_count(), 0);
    EXPECT_EQ(p.set_section(0), 0);
    EXPECT_EQ(p.set_section("a"), 0);
    EXPECT_EQ(p.value_count(), 0);
}

TEST(GwProfile, DuplicateKeysAreAllKeptAndTheFirstWinsALookup) {
    GwProfile p = parse("[S]\nk=first\nk=second\n");
    ASSERT_EQ(p.set_section("S"), 1);
    EXPECT_EQ(p.value_count(), 2);
    EXPECT_EQ(p.value(1).str(), "second");
    EXPECT_EQ(p.value("k", "").str(), "first");
}

TEST(GwProfile, DuplicateSectionsAreSeparateAndTheFirstIsFoundByName) {
    GwProfile p = parse("[S]\na=1\n[T]\n[S]\nb=2\n");
    ASSERT_EQ(p.section_count(), 3);
    ASSERT_EQ(p.set_section("S"), 1);
    EXPECT_EQ(p.current_section(), 0);
    EXPECT_EQ(p.name(0).str(), "a");
    ASSERT_EQ(p.set_section(2), 1);
    EXPECT_EQ(p.name(0).str(), "b");
    ASSERT_EQ(p.set_section("T"), 1);
    EXPECT_EQ(p.value_count(), 0);
}

TEST(GwProfile, OutOfRangeQueriesGiveNeutralResults) {
    GwProfile p = parse("[S]\na=1\n");
    EXPECT_EQ(p.value_count(), 0); // nothing selected yet
    EXPECT_EQ(p.name(0).str(), "");
    EXPECT_EQ(p.value("a", "d").str(), "d");
    ASSERT_EQ(p.set_section(0), 1);
    EXPECT_EQ(p.name(1).str(), "");
    EXPECT_EQ(p.value(-1).str(), "");
    EXPECT_EQ(p.section_name(5).str(), "");
    EXPECT_EQ(p.set_section(-1), 0);
    EXPECT_EQ(p.current_section(), -1); // a failed selection leaves none selected
    EXPECT_EQ(p.value(0).str(), "");
}

TEST(GwProfile, VeryLongLinesAreCutAndReadingGoesOn) {
    const std::string long_value(5000, 'v');
    GwProfile p = parse("[S]\nlong=" + long_value + "\nnext=ok\n");
    ASSERT_EQ(p.set_section("S"), 1);
    ASSERT_EQ(p.value_count(), 2);
    EXPECT_EQ(p.value(0).len(), 1023 - 5);
    EXPECT_EQ(p.value(1).str(), "ok");
}

TEST(GwProfile, MissingFileIsNotValid) {
    TempDir dir;
    GwProfile p(GwString(dir.file("nothing.zep")));
    EXPECT_EQ(p.is_valid(), 0);
    EXPECT_EQ(p.section_count(), 0);
    EXPECT_EQ(p.set_section("GeneralInformation"), 0);
}

TEST(GwProfile, OpensAFileByAWindowsPathWithoutRegardToCase) {
    TempDir dir;
    dir.write("ZEP100/Profile.zep", "\xEF\xBB\xBF[GeneralInformation]\nVersion=7\n");
    GwProfile p(GwString(dir.dir() + "zep100\\PROFILE.ZEP"));
    ASSERT_EQ(p.is_valid(), 1);
    ASSERT_EQ(p.set_section("GeneralInformation"), 1); // a UTF-8 byte order mark is skipped
    EXPECT_EQ(p.value("Version", "").str(), "7");
}

TEST(GwProfile, SectionHeaderNeedsAClosingBracket) {
    GwProfile p = parse("[S]\n[broken\n[ Spaced ]\nx=1\n");
    ASSERT_EQ(p.section_count(), 2);
    EXPECT_EQ(p.section_name(1).str(), "Spaced");
}
