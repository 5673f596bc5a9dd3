// Sectioned key/value files: order, lookups without regard to case and what is skipped.
#include "GwProfile.h"
#include "GwStringPrint.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

GwProfile parse(const std::string& text) {
    GwProfile p;
    p.load_text(text);
    return p;
}

} // namespace

TEST(GwProfile, KeepsSectionsAndEntriesInFileOrderWithValuesUntouched) {
    const std::string value = "Speed;INT ; 3;A\\,B|C=D, x ;\\\\ ";
    GwProfile p = parse("; comment before everything\norphan=before any section\n\n"
                        "[General]\n  Key One \t=" +
                        value +
                        "\n   ; indented comment\n"
                        "# hash=comment\nno equals sign here\nk=first\r\n\r\nk=second\r\n"
                        "[broken\n[ Groups ]\nRC=Reading control\n[General]\nb=2\n");
    ASSERT_EQ(p.is_valid(), 1);
    ASSERT_EQ(p.section_count(), 3);
    EXPECT_EQ(p.section_name(1), "Groups");
    ASSERT_EQ(p.set_section("GENERAL"), 1);
    EXPECT_EQ(p.current_section(), 0) << "the first section of a name";
    ASSERT_EQ(p.value_count(), 3);
    EXPECT_EQ(p.name(0), "Key One");
    EXPECT_EQ(p.value(0), value);
    EXPECT_EQ(p.value("key one", ""), value);
    EXPECT_EQ(p.value(2), "second"); // "\r" of a Windows line end is not part of the value
    EXPECT_EQ(p.value("K", ""), "first");
    EXPECT_EQ(p.value("Missing", "none"), "none");
    ASSERT_EQ(p.set_section(2), 1);
    EXPECT_EQ(p.name(0), "b");
}

// Queries outside the file (no section selected, a missing section, a missing file) give the
// profile reader's failure values (CProfileReader.MissingPartsGiveTheirFailureValues), and the
// fuzz target of the profile builder asks at every position outside the sections and entries.

TEST(GwProfile, OpensAFileByAWindowsPathWithoutRegardToCase) {
    TempDir dir;
    dir.write("ZEP100/Profile.zep", "\xEF\xBB\xBF[GeneralInformation]\nVersion=7\n");
    GwProfile p(GwString(dir.dir() + "zep100\\PROFILE.ZEP"));
    ASSERT_EQ(p.is_valid(), 1);
    ASSERT_EQ(p.set_section("GeneralInformation"), 1); // a UTF-8 byte order mark is skipped
    EXPECT_EQ(p.value("Version", ""), "7");
}
