// The printer device: world coordinates, preparation through the scripted printer answer and
// measuring with the printer's own metrics. Documents of several pages are the print tests'
// (PrintReportTest reads them back).
#include "GwPrinterDCEx.h"
#include "GwFont.h"
#include "GwScriptedAnswers.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

// A printer prepared for PDF output into the test's directory.
class GwPrinter : public testing::Test {
protected:
    void SetUp() override {
        GwScriptedAnswers::printer_pdf(m_pdf.c_str());
        ASSERT_EQ(m_dc.prepare(0), 1);
        ASSERT_GT(m_dc.device_width(), 0);
        ASSERT_GT(m_dc.device_height(), 0);
    }
    TempDir m_tmp;
    std::string m_pdf = m_tmp.file("doc.pdf");
    GwPrinterDCEx m_dc;
};

} // namespace

TEST_F(GwPrinter, MapsWorldPointsOntoTheDevice) {
    const double w = m_dc.device_width();
    const double h = m_dc.device_height();
    const struct {
        const char* name;
        double x0, y0, x1, y1;
        int proportional, y_decides, turned;
        double x, y, device_x, device_y;
    } rows[] = {
        {"top_left_corner", -7, -7, 93, 63, 0, 1, 0, -7, -7, 0, 0},
        {"bottom_right_corner", -7, -7, 93, 63, 0, 1, 0, 93, 63, w, h},
        {"first_body_line", -7, -7, 93, 63, 0, 1, 0, 1, 1, 0.08 * w, 8.0 / 70 * h},
        {"y_turned_counts_from_the_bottom", 0, 0, 10, 10, 0, 1, 1, 5, 2, 0.5 * w, 0.8 * h},
        {"no_rectangle_is_one_to_one", 0, 0, 0, 0, 0, 1, 0, 3, 4, 3, 4},
        {"proportional_by_y", 0, 0, 100, 100, 1, 1, 0, 10, 10, 0.1 * h, 0.1 * h},
        {"proportional_by_x", 0, 0, 100, 100, 1, 0, 0, 10, 10, 0.1 * w, 0.1 * w},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        m_dc.set_wc_rect(r.x0, r.y0, r.x1, r.y1);
        m_dc.set_proportional(r.proportional, r.y_decides);
        m_dc.set_y_turned(r.turned);
        EXPECT_NEAR(m_dc.to_device_x(r.x), r.device_x, 1e-6 * w);
        EXPECT_NEAR(m_dc.to_device_y(r.y), r.device_y, 1e-6 * h);
    }
}

TEST_F(GwPrinter, MeasuresWithThePrinterMetrics) {
    m_dc.set_font(GwFont("8.Courier"));
    double w = 0;
    double h = 0;
    m_dc.text_extent("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", w, h);
    // A high-resolution printer: an 8-point line is far taller than the screen's 10 pixels.
    EXPECT_GT(h, 50.0);
    // A monospaced face: every character has the same width.
    double one = 0;
    m_dc.text_extent("W", one, h);
    EXPECT_NEAR(w / 52.0, one, one * 0.01);
}

TEST(GwPrinterFailed, PreparationLeavesNoDevice) {
    GwPrinterDCEx dc;
    GwScriptedAnswers::printer_fails();
    EXPECT_EQ(dc.prepare(0), 0);
    EXPECT_EQ(dc.device_width(), 0);
    EXPECT_EQ(dc.start_doc("x") + dc.start_page() + dc.text_out(1, 1, "x"), 0);
    double w = -1;
    double h = -1;
    dc.text_extent("abc", w, h);
    EXPECT_EQ(w, 0.0);
    // Unanswered: the preparation fails as well (no dialog waits for a person).
    EXPECT_EQ(dc.prepare(0), 0);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 1);
}
