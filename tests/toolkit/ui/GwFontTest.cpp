// Font descriptors, and that fonts resolve at all: without a font Qt draws every box and PDF
// without text, silently.
#include "GwFont.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <string>

namespace {

// Points, family and style of a font as one text: "7 Courier I".
std::string described(const GwFont& font) {
    const QFont& f = font.qfont();
    return std::to_string(f.pointSize()) + " " + f.family().toStdString() +
           (f.italic() ? " I" : "") + (f.bold() ? " B" : "");
}

TEST(GwFont, DescriptorsGiveSizeFamilyAndStyle) {
    const std::pair<const char*, const char*> rows[] = {
        {"8.Courier", "8 Courier"},      {"7.Courier.I", "7 Courier I"},
        {"10.Arial.bi", "10 Arial I B"}, {"GwDialogFont", "9 DejaVu Sans"},
        {"Courier", "9 Courier"},        {"9999.Courier", "9 Courier"}}; // absurd size ignored
    for (const auto& [descriptor, expected] : rows)
        EXPECT_EQ(described(GwFont(descriptor)), expected) << descriptor;
    EXPECT_EQ(GwFont("8.Courier").qfont().styleHint(), QFont::TypeWriter);
}

TEST(GwFont, TheFontsOfBoxesAndReportsResolve) {
    for (const char* descriptor : {"GwDialogFont", "8.Courier", "7.Courier.I"})
        EXPECT_FALSE(QFontInfo(GwFont(descriptor).qfont()).family().isEmpty()) << descriptor;
}

} // namespace
