// Printed reports, produced headless as PDF files and read back with pdftotext: header, footer,
// page breaks by the page geometry, the values of ZEP100, and the failures of the print run.
#include "CScriptPrintMgr.h"
#include "GwCore.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace {

using Pages = std::vector<std::string>;

// The text of a PDF file, page by page (pdftotext ends every page with a form feed).
Pages pdf_pages(const std::string& pdf) {
    Pages pages;
    if (std::system(("pdftotext -layout '" + pdf + "' '" + pdf + ".txt'").c_str()) != 0)
        return pages;
    std::stringstream in(TempDir::read(pdf + ".txt"));
    for (std::string page; std::getline(in, page, '\f');)
        pages.push_back(page);
    return pages;
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The print manager with its page geometry open to the test.
class PrintProbe : public CScriptPrintMgr {
public:
    using CScriptPrintMgr::body_lines;
    using CScriptPrintMgr::CScriptPrintMgr;
    using CScriptPrintMgr::lines_per_page;
};

class PrintReport : public testing::Test {
protected:
    void SetUp() override {
        if (std::system("pdftotext -v >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    }
    // Prints with the given print template (or the type's own); the PDF's pages.
    Pages print(const std::string& tpl) {
        if (!tpl.empty())
            m_dir.write("prt_" + CInitMgr::get_lang_str().str() + ".tpl", tpl);
        GwScriptedAnswers::printer_pdf(m_dir.file("report.pdf"));
        EXPECT_EQ(m_mgr.Repo2Printer(nullptr, 0), 1);
        return pdf_pages(m_dir.file("report.pdf"));
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

TEST_F(PrintReport, HeaderAndFooterOnEveryPageAndBreaksByTheGeometry) {
    CInitMgr::m_sCompany = "ACME";
    CInitMgr::m_sUser = "tech";
    m_mgr.SetComment("Line 4 after repair");
    m_mgr.SetFilename("c:\\sets.d\\line4.slp");
    // Enough lines for three pages at any paper size: the layout comes from the printer.
    const Pages pages = print(numbered(1, 200));
    const int per_page = m_mgr.body_lines() - 1;
    ASSERT_GT(per_page, 20);
    EXPECT_EQ(m_mgr.lines_per_page(), per_page + 15);
    ASSERT_EQ(static_cast<int>(pages.size()), (200 + per_page - 1) / per_page);
    for (int p = 0; p < static_cast<int>(pages.size()); ++p) {
        SCOPED_TRACE(p);
        const std::string& page = pages[static_cast<size_t>(p)];
        EXPECT_TRUE(has(page, "Line 4 after repair") && has(page, "line4.slp/ACME/tech"));
        EXPECT_FALSE(has(page, "sets.d"));
        EXPECT_TRUE(has(page, "- " + std::to_string(p + 1) + " -"));
        // Exactly the lines of this page: the first and the last at the geometry's break.
        const int first = p * per_page + 1;
        const int last = std::min(200, first + per_page - 1);
        int count = 0;
        for (size_t at = page.find("body line "); at != std::string::npos;
             at = page.find("body line ", at + 1))
            ++count;
        EXPECT_EQ(count, last - first + 1);
        EXPECT_TRUE(has(page, "body line " + std::to_string(1000 + first)));
        EXPECT_TRUE(has(page, "body line " + std::to_string(1000 + last)));
    }
    EXPECT_EQ(last_text(GwScriptedAnswers::Info), err(56));
}

TEST_F(PrintReport, EmptyResultsTakeNoLineAndAFullLastPageEndsTheDocument) {
    print("x\n");
    const int per_page = m_mgr.body_lines() - 1;
    // Exactly one page of lines, with IF and ENDIF lines (no output) and empty lines between.
    const Pages pages = print("$$IF(H0B|5)\n" + numbered(1, per_page - 2) + "\n$$ENDIF\n" +
                              numbered(per_page, per_page) + "\n\n");
    ASSERT_EQ(pages.size(), 1u); // no trailing page with only header and footer
    EXPECT_TRUE(has(pages[0], "body line " + std::to_string(1000 + per_page)));
}

TEST_F(PrintReport, HeaderJoinsOnlyWhatIsSetAndEachRunStartsWithOutputOn) {
    CInitMgr::m_sCompany = "ACME";
    const Pages off = print("$$IF(H0B|9)\nnever\n"); // leaves output off at its end
    ASSERT_EQ(off.size(), 1u);
    EXPECT_TRUE(has(off[0], "ACME") && !has(off[0], "/ACME") && has(off[0], "- 1 -"));
    EXPECT_FALSE(has(off[0], "never"));
    m_mgr.SetFilename("c:\\a\\only.slp");
    CInitMgr::m_sCompany = "";
    const Pages on = print("shown\n");
    ASSERT_EQ(on.size(), 1u);
    EXPECT_TRUE(has(on[0], "only.slp") && !has(on[0], "only.slp/") && has(on[0], "shown"));
}

TEST_F(PrintReport, MissingTemplateAndFailingPrinter) {
    m_dir.remove("prt_001.tpl");
    EXPECT_EQ(m_mgr.Repo2Printer(nullptr, 0), 0);
    EXPECT_EQ(last_box(), "ZEP Error: |" + err(50, 1) + m_dir.dir() + "prt_001.tpl\n" + err(52));
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Printer), 0);

    m_dir.write("prt_001.tpl", "x\n");
    QWidget window;
    QWidget dialog(&window);
    dialog.setObjectName("Main Dialog");
    GwScriptedAnswers::printer_fails();
    EXPECT_EQ(m_mgr.Repo2Printer(GwCore::of(&window), 0), -1);
    EXPECT_EQ(last_box(), "ZEP Error: |" + err(57) + "\n" + err(52));
    EXPECT_TRUE(dialog.isEnabled());

    // An output that cannot be opened: the document does not start, without a message.
    const int boxes = GwScriptedAnswers::count(GwScriptedAnswers::Box);
    GwScriptedAnswers::printer_pdf(m_dir.file("no/such/dir/r.pdf"));
    EXPECT_EQ(m_mgr.Repo2Printer(nullptr, 0), 0);
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), boxes);
    EwRepository* none = nullptr;
    EXPECT_EQ(CScriptPrintMgr(none).Repo2Printer(nullptr, 0), 1);
}

TEST_F(PrintReport, Zep100ReportHoldsTheValuesInEveryLanguage) {
    for (const char* name : {"L3O=04", "L3L=13___", "H0E=NO CODE", "CVA=1", "CVI=4006381333931",
                             "CVM=PPP@", "H0B=6", "K3G=1"}) {
        const std::string pair = name;
        m_repo->set_value(pair.substr(0, 3), pair.substr(4), 1);
    }
    for (const auto& [language, rule3] : {std::pair<int, const char*>{1, "Reading rule 3"},
                                          {49, "Leseregel 3"},
                                          {33, "gle de lecture 3"}}) {
        SCOPED_TRACE(language);
        LanguageGuard guard(language);
        const Pages pages = print("");
        ASSERT_GE(pages.size(), 2u);
        std::string all; // the header and footer of every page: HeaderAndFooterOnEveryPage...
        for (const std::string& page : pages)
            all += page;
        for (const char* value : {"19200", "NO CODE", "4006381333931", "PPP@", "EAN-13", "13___",
                                  "0500", "02000", "GS (hex 1D00)", "RS-232", "8N1", rule3})
            EXPECT_TRUE(has(all, value)) << value;
        EXPECT_FALSE(has(all, "$$")) << "a placeholder was printed verbatim";
        EXPECT_FALSE(has(all, "Code 39: ")); // K1E is on: its passage, not "off"
    }
}
