// Font descriptors, and that fonts resolve at all: without a font Qt draws every box and PDF
// without text, silently.
#include "GwFont.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct FontRow {
    const char* name;
    const char* descriptor;
    int points;
    const char* family;
    bool italic;
    bool bold;
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const FontRow& row, std::ostream* os) {
    *os << row.name;
}

class GwFontDescriptor : public testing::TestWithParam<FontRow> {};

TEST_P(GwFontDescriptor, GivesSizeFamilyAndStyle) {
    const FontRow& row = GetParam();
    const GwFont font(row.descriptor);
    EXPECT_EQ(font.qfont().pointSize(), row.points);
    EXPECT_EQ(font.qfont().family().toStdString(), row.family);
    EXPECT_EQ(font.qfont().italic(), row.italic);
    EXPECT_EQ(font.qfont().bold(), row.bold);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptors, GwFontDescriptor,
    testing::Values(FontRow{"Body", "8.Courier", 8, "Courier", false, false},
                    FontRow{"HeaderItalic", "7.Courier.I", 7, "Courier", true, false},
                    FontRow{"StylesInAnyCase", "10.Arial.bi", 10, "Arial", true, true},
                    FontRow{"DialogFont", "GwDialogFont", 9, "DejaVu Sans", false, false},
                    FontRow{"FamilyOnly", "Courier", 9, "Courier", false, false},
                    FontRow{"AbsurdSizeIgnored", "9999.Courier", 9, "Courier", false, false}),
    [](const testing::TestParamInfo<FontRow>& info) { return info.param.name; });

TEST(GwFont, CourierAsksForATypewriterFont) {
    EXPECT_EQ(GwFont("8.Courier").qfont().styleHint(), QFont::TypeWriter);
}

TEST(GwFont, TheFontsOfBoxesAndReportsResolve) {
    for (const char* descriptor : {"GwDialogFont", "8.Courier", "7.Courier.I"}) {
        const QFontInfo info(GwFont(descriptor).qfont());
        EXPECT_FALSE(info.family().isEmpty()) << descriptor;
    }
}

} // namespace
