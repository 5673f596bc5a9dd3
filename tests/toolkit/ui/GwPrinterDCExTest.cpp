// The printer device: world coordinates and measuring with the printer's own metrics. The
// fonts are the program's fixed descriptors, drawn in every printed report and window the print
// tests read back and the screenshots show. Documents of several pages and a failing printer
// are the print tests' (they read the documents back).
#include "GwPrinterDCEx.h"
#include "GwFont.h"
#include "GwScriptedAnswers.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

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

// The mapping the print manager sets: a rectangle from (-7, -7) to (93, 63), neither
// proportional nor turned.
TEST_F(GwPrinter, MapsWorldPointsOntoTheDevice) {
    const double w = m_dc.device_width();
    const double h = m_dc.device_height();
    m_dc.set_wc_rect(-7, -7, 93, 63);
    m_dc.set_proportional(0, 1);
    m_dc.set_y_turned(0);
    for (const auto& [x, y, device_x, device_y] :
         {std::array<double, 4>{-7, -7, 0, 0}, {93, 63, w, h}, {1, 1, 0.08 * w, 8.0 / 70 * h}}) {
        EXPECT_NEAR(m_dc.to_device_x(x), device_x, 1e-6 * w) << x;
        EXPECT_NEAR(m_dc.to_device_y(y), device_y, 1e-6 * h) << y;
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
