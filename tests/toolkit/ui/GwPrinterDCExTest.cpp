// The printer device: world coordinates, preparation through the scripted printer answer,
// documents and pages, and measuring with the printer's own metrics.
#include "GwPrinterDCEx.h"
#include "GwFont.h"
#include "GwScriptedAnswers.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct MappingRow {
    const char* name;
    double x0, y0, x1, y1;
    int proportional, y_decides, turned;
    double x, y;   // world point
    double fx, fy; // expected device point as a fraction of the device size
};

void PrintTo(const MappingRow& row, std::ostream* os) {
    *os << row.name;
}

class GwPrinterMapping : public testing::TestWithParam<MappingRow> {};

} // namespace

TEST_P(GwPrinterMapping, MapsWorldPointsOntoTheDevice) {
    TempDir tmp;
    GwPrinterDCEx dc;
    GwScriptedAnswers::printer_pdf(tmp.file("m.pdf").c_str());
    ASSERT_EQ(dc.prepare(0), 1);
    const MappingRow& r = GetParam();
    dc.set_wc_rect(r.x0, r.y0, r.x1, r.y1);
    dc.set_proportional(r.proportional, r.y_decides);
    dc.set_y_turned(r.turned);
    const double w = dc.device_width();
    const double h = dc.device_height();
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    EXPECT_NEAR(dc.to_device_x(r.x), r.fx * w, 1e-6 * w);
    EXPECT_NEAR(dc.to_device_y(r.y), r.fy * h, 1e-6 * h);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GwPrinterMapping,
    testing::Values(MappingRow{"top_left_corner", -7, -7, 93, 63, 0, 1, 0, -7, -7, 0.0, 0.0},
                    MappingRow{"bottom_right_corner", -7, -7, 93, 63, 0, 1, 0, 93, 63, 1.0, 1.0},
                    MappingRow{"first_body_line", -7, -7, 93, 63, 0, 1, 0, 1, 1, 0.08, 8.0 / 70},
                    MappingRow{"y_turned_counts_from_the_bottom", 0, 0, 10, 10, 0, 1, 1, 5, 2, 0.5,
                               0.8},
                    MappingRow{"no_rectangle_is_one_to_one", 0, 0, 0, 0, 0, 1, 0, 0, 0, 0.0, 0.0}),
    [](const testing::TestParamInfo<MappingRow>& info) { return std::string(info.param.name); });

TEST(GwPrinterDCEx, ProportionalUsesOneScale) {
    TempDir tmp;
    GwPrinterDCEx dc;
    GwScriptedAnswers::printer_pdf(tmp.file("p.pdf").c_str());
    ASSERT_EQ(dc.prepare(0), 1);
    dc.set_wc_rect(0, 0, 100, 100);
    dc.set_proportional(1, 1);
    const double sy = dc.device_height() / 100.0;
    EXPECT_NEAR(dc.to_device_x(10), 10 * sy, 1e-6);
    dc.set_proportional(1, 0);
    const double sx = dc.device_width() / 100.0;
    EXPECT_NEAR(dc.to_device_y(10), 10 * sx, 1e-6);
}

TEST(GwPrinterDCEx, FailedPreparationLeavesNoDevice) {
    GwPrinterDCEx dc;
    GwScriptedAnswers::printer_fails();
    EXPECT_EQ(dc.prepare(0), 0);
    EXPECT_EQ(dc.device_width(), 0);
    EXPECT_EQ(dc.start_doc("x"), 0);
    EXPECT_EQ(dc.start_page(), 0);
    EXPECT_EQ(dc.text_out(1, 1, "x"), 0);
    double w = -1;
    double h = -1;
    dc.text_extent("abc", w, h);
    EXPECT_EQ(w, 0.0);
    // Unanswered: the preparation fails as well (no dialog waits for a person).
    EXPECT_EQ(dc.prepare(0), 0);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 1);
}

TEST(GwPrinterDCEx, DocumentWithPagesIsWrittenAsPdf) {
    TempDir tmp;
    const std::string pdf = tmp.file("doc.pdf");
    GwPrinterDCEx dc;
    GwScriptedAnswers::printer_pdf(pdf.c_str());
    ASSERT_EQ(dc.prepare(0), 1);
    EXPECT_EQ(dc.output_file().str(), pdf);
    ASSERT_EQ(dc.start_doc("Test document"), 1);
    for (int page = 1; page <= 3; ++page) {
        ASSERT_EQ(dc.start_page(), 1);
        EXPECT_EQ(dc.text_out(10, 10, "page text"), 1);
        EXPECT_EQ(dc.end_page(), 1);
        EXPECT_EQ(dc.text_out(10, 10, "between pages"), 0);
    }
    EXPECT_EQ(dc.end_doc(), 1);
    EXPECT_EQ(dc.pages(), 3);
    const std::string data = TempDir::read(pdf);
    EXPECT_EQ(data.rfind("%PDF", 0), 0u);
    EXPECT_NE(data.find("/Count 3"), std::string::npos);
}

TEST(GwPrinterDCEx, MeasuresWithThePrinterMetrics) {
    TempDir tmp;
    GwPrinterDCEx dc;
    GwScriptedAnswers::printer_pdf(tmp.file("m.pdf").c_str());
    ASSERT_EQ(dc.prepare(0), 1);
    dc.set_font(GwFont("8.Courier"));
    double w = 0;
    double h = 0;
    dc.text_extent("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", w, h);
    // A high-resolution printer: an 8-point line is far taller than the screen's 10 pixels.
    EXPECT_GT(h, 50.0);
    EXPECT_GT(w, h);
    // A monospaced face: every character has the same width.
    double one = 0;
    dc.text_extent("W", one, h);
    EXPECT_NEAR(w / 52.0, one, one * 0.01);
}
