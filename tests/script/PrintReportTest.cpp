// Printed reports, produced headless as PDF files and read back with pdftotext: header, footer,
// page breaks by the page geometry, the values of ZEP100, and the failures of the print run.
#include "CErrorHandler.h"
#include "CScriptPrintMgr.h"
#include "GwCore.h"
#include "GwFont.h"
#include "GwScriptedAnswers.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <QFontInfo>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

// The text of a PDF file, page by page (pdftotext separates pages with a form feed).
std::vector<std::string> pdf_pages(const std::string& pdf) {
    const std::string command = "pdftotext -layout '" + pdf + "' - 2>/dev/null";
    std::string text;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, p)) > 0;)
            text.append(buffer, n);
        pclose(p);
    }
    std::vector<std::string> pages;
    std::stringstream in(text);
    for (std::string page; std::getline(in, page, '\f');)
        pages.push_back(page);
    if (!pages.empty() && pages.back().find_first_not_of(" \n") == std::string::npos)
        pages.pop_back(); // after the last form feed
    return pages;
}

bool has_pdftotext() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

int count_of(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// The print manager with its page geometry open to the test.
class PrintProbe : public CScriptPrintMgr {
public:
    using CScriptPrintMgr::body_lines;
    using CScriptPrintMgr::CScriptPrintMgr;
    using CScriptPrintMgr::lines_per_page;
    using CScriptPrintMgr::page_number;
    using CScriptPrintMgr::printer;

    // A print run of extra lines alone.
    void print_extras_only(DynGwStringPtrArray* lines) {
        printer().prepare(0);
        printer().start_doc("extras");
        init_for_print();
        init_page();
        print_extras(lines);
        printer().end_page();
        printer().end_doc();
    }
};

class PrintReport : public testing::Test {
protected:
    void SetUp() override {
        if (!has_pdftotext())
            GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    }
    // Prints with the given print template; the PDF's pages.
    std::vector<std::string> print(const std::string& tpl, int expected = 1) {
        m_dir.write("prt_001.tpl", tpl);
        return print_current(expected);
    }
    std::vector<std::string> print_current(int expected = 1) {
        const std::string pdf = m_dir.file("report.pdf");
        GwScriptedAnswers::printer_pdf(pdf);
        EXPECT_EQ(m_mgr.Repo2Printer(nullptr, 0), expected);
        return pdf_pages(pdf);
    }

    LanguageGuard m_english{1};
    ScannerDir m_dir;
    Repo m_repo = zep100_repo();
    EwRepository* m_ptr = m_repo.get();
    PrintProbe m_mgr{m_ptr};
};

std::string numbered(int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i)
        text += "body line " + std::to_string(1000 + i) + "\n";
    return text;
}

} // namespace

TEST(PrintFont, ResolvesToARealFont) {
    EXPECT_FALSE(QFontInfo(GwFont("8.Courier").qfont()).family().isEmpty());
    EXPECT_FALSE(QFontInfo(GwFont("7.Courier.I").qfont()).family().isEmpty());
}

TEST_F(PrintReport, HeaderAndFooterOnEveryPageAndBreaksByTheGeometry) {
    CInitMgr::m_sCompany = "ACME";
    CInitMgr::m_sUser = "tech";
    m_mgr.SetComment("Line 4 after repair");
    m_mgr.SetFilename("c:\\sets.d\\line4.slp");
    // Enough lines for three pages at any paper size: the layout comes from the printer.
    const std::vector<std::string> pages = print(numbered(1, 200));
    const int body = m_mgr.body_lines();
    ASSERT_GT(body, 20);
    EXPECT_EQ(m_mgr.lines_per_page(), body + 14);
    const int per_page = body - 1;
    const int page_count = (200 + per_page - 1) / per_page;
    ASSERT_EQ(static_cast<int>(pages.size()), page_count);
    EXPECT_EQ(m_mgr.page_number(), page_count);
    for (int p = 0; p < page_count; ++p) {
        const std::string& page = pages[static_cast<size_t>(p)];
        EXPECT_NE(page.find("Line 4 after repair"), std::string::npos) << p;
        EXPECT_NE(page.find("line4.slp/ACME/tech"), std::string::npos) << p;
        EXPECT_EQ(page.find("sets.d"), std::string::npos) << p;
        EXPECT_NE(page.find("- " + std::to_string(p + 1) + " -"), std::string::npos) << p;
        // Exactly the lines of this page, the first and last at the geometry's break.
        const int first = p * per_page + 1;
        const int last = std::min(200, first + per_page - 1);
        EXPECT_EQ(count_of(page, "body line "), last - first + 1) << p;
        EXPECT_NE(page.find("body line " + std::to_string(1000 + first)), std::string::npos);
        EXPECT_NE(page.find("body line " + std::to_string(1000 + last)), std::string::npos);
    }
    const GwScriptedAnswers::Shown* info = GwScriptedAnswers::last(GwScriptedAnswers::Info);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->text.str(), CErrorHandler::error_msg(56, 0).str());
}

TEST_F(PrintReport, HeaderRightSideJoinsOnlyWhatIsSet) {
    CInitMgr::m_sCompany = "ACME";
    std::vector<std::string> pages = print("x\n");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("ACME"), std::string::npos);
    EXPECT_EQ(pages[0].find("/ACME"), std::string::npos);
    m_mgr.SetFilename("c:\\a\\only.slp");
    CInitMgr::m_sCompany = "";
    pages = print("x\n");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("only.slp"), std::string::npos);
    EXPECT_EQ(pages[0].find("only.slp/"), std::string::npos);
}

TEST_F(PrintReport, EmptyResultsTakeNoLineAndAFullLastPageEndsTheDocument) {
    // Exactly one page of lines, with IF and ENDIF lines (no output) and empty lines between.
    print("x\n");
    const int per_page = m_mgr.body_lines() - 1;
    std::string tpl = "$$IF(H0B|5)\n" + numbered(1, per_page - 2) + "\n$$ENDIF\n" +
                      numbered(per_page, per_page) + "\n\n";
    const std::vector<std::string> pages = print(tpl);
    EXPECT_EQ(pages.size(), 1u); // no trailing page with only header and footer
    ASSERT_FALSE(pages.empty());
    EXPECT_NE(pages[0].find("body line " + std::to_string(1000 + per_page)), std::string::npos);
}

TEST_F(PrintReport, TemplateSwitchedOffPrintsHeaderAndFooterOnly) {
    m_mgr.SetComment("comment");
    const std::vector<std::string> pages = print("$$IF(H0B|9)\nnever\n$$ENDIF\n");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("comment"), std::string::npos);
    EXPECT_NE(pages[0].find("- 1 -"), std::string::npos);
    EXPECT_EQ(pages[0].find("never"), std::string::npos);
}

TEST_F(PrintReport, EachRunStartsWithOutputOn) {
    print("$$IF(H0B|9)\nhidden\n"); // leaves output off at its end
    const std::vector<std::string> pages = print("shown\n");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("shown"), std::string::npos);
}

TEST_F(PrintReport, MissingTemplateAndFailingPrinter) {
    m_dir.remove("prt_001.tpl");
    EXPECT_EQ(m_mgr.Repo2Printer(nullptr, 0), 0);
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::Box)->text.str(),
              (CErrorHandler::error_msg(50, 1) + m_dir.dir() + "prt_001.tpl\n" +
               CErrorHandler::error_msg(52, 0))
                  .str());
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Printer), 0);

    m_dir.write("prt_001.tpl", "x\n");
    QWidget window;
    QWidget dialog(&window);
    dialog.setObjectName("Main Dialog");
    GwScriptedAnswers::printer_fails();
    EXPECT_EQ(m_mgr.Repo2Printer(GwCore::of(&window), 0), -1);
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::Box)->text.str(),
              (CErrorHandler::error_msg(57, 0) + "\n" + CErrorHandler::error_msg(52, 0)).str());
    EXPECT_TRUE(dialog.isEnabled());

    // An output that cannot be opened: the document does not start, without a message.
    const int boxes = GwScriptedAnswers::count(GwScriptedAnswers::Box);
    GwScriptedAnswers::printer_pdf(m_dir.file("no/such/dir/r.pdf"));
    EXPECT_EQ(m_mgr.Repo2Printer(nullptr, 0), 0);
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), boxes);

    EwRepository* none = nullptr;
    CScriptPrintMgr empty(none);
    EXPECT_EQ(empty.Repo2Printer(nullptr, 0), 1);
}

TEST_F(PrintReport, ExtrasOfKnownGroupsArePrinted) {
    DynGwStringPtrArray extras(5, 5);
    extras.add("3H0B6");
    extras.add("3QQ1");
    const std::string pdf = m_dir.file("extras.pdf");
    GwScriptedAnswers::printer_pdf(pdf);
    m_mgr.print_extras_only(&extras);
    const std::vector<std::string> pages = pdf_pages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("H0B6"), std::string::npos);
    EXPECT_EQ(pages[0].find("QQ1"), std::string::npos);
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::Box)->text.str(),
              (CErrorHandler::warning(30, 1) + "\n" + CErrorHandler::warning(31, 0) + "QQ1").str());
}

namespace {
class Zep100Print : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        if (!has_pdftotext())
            GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    }
    LanguageGuard m_language{GetParam()};
    ScannerDir m_dir;
};
} // namespace

TEST_P(Zep100Print, ReportHoldsTheValues) {
    Repo repo = zep100_repo();
    repo->set_value("L3O", "04", 1);
    repo->set_value("L3L", "13___", 1);
    repo->set_value("H0E", "NO CODE", 1);
    repo->set_value("CVA", "1", 1);
    repo->set_value("CVI", "4006381333931", 1);
    repo->set_value("CVM", "PPP@", 1);
    repo->set_value("H0B", "6", 1);
    repo->set_value("K3G", "1", 1);
    EwRepository* p = repo.get();
    PrintProbe mgr(p);
    mgr.SetComment("Report test");
    const std::string pdf = m_dir.file("zep100.pdf");
    GwScriptedAnswers::printer_pdf(pdf);
    ASSERT_EQ(mgr.Repo2Printer(nullptr, 0), 1);
    const std::vector<std::string> pages = pdf_pages(pdf);
    ASSERT_GE(pages.size(), 2u);
    std::string all;
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_NE(pages[i].find("Report test"), std::string::npos) << i;
        EXPECT_NE(pages[i].find("- " + std::to_string(i + 1) + " -"), std::string::npos) << i;
        all += pages[i];
    }
    for (const char* value : {"19200", "NO CODE", "4006381333931", "PPP@", "EAN-13", "13___",
                              "0500", "02000", "GS (hex 1D00)", "RS-232", "8N1"})
        EXPECT_NE(all.find(value), std::string::npos) << value;
    EXPECT_EQ(all.find("$$"), std::string::npos) << "a placeholder was printed verbatim";
    EXPECT_EQ(all.find("Code 39: "), std::string::npos); // K1E is on: its passage, not "off"
    const char* rule3 = GetParam() == 49   ? "Leseregel 3"
                        : GetParam() == 33 ? "gle de lecture 3"
                                           : "Reading rule 3";
    EXPECT_NE(all.find(rule3), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Languages, Zep100Print, testing::Values(1, 49, 33), LanguageName());
