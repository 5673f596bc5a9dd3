// Online help: which page is opened, in which browser, and that a page name never reaches a
// shell. The browsers are fake programs written by the test that record their arguments.
#include "CHelpManager.h"
#include "CErrorHandler.h"
#include "CInitMgr.h"
#include "GwCore.h"
#include "GwEventLoop.h"
#include "GwFileSelector.h"
#include "GwScriptedAnswers.h"
#include "GwUD.h"
#include "TempDir.h"

#include <QFileInfo>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class CHelpManagerTest : public testing::Test {
protected:
    void SetUp() override {
        CInitMgr::SetDefaults();
        CInitMgr::m_sProgramDir = program.dir().c_str();
        saved_openers = CHelpManager::DefaultOpeners;
        CHelpManager::DefaultOpeners = {"/no/such/opener"};
        for (const char* lang : {"engl", "deut"}) {
            program.write(std::string("help/ZEP100/") + lang + "/home.htm", "home");
            program.write(std::string("help/ZEP100/") + lang + "/reading.htm", "reading");
        }
        program.write("help/engl/home.htm", "plain home");
        CHelpManager::HelpSubDir = "help\\ZEP100\\engl\\";
        browser = fake_browser("browser");
    }
    void TearDown() override {
        CHelpManager::DefaultOpeners = saved_openers;
        CInitMgr::SetDefaults();
    }

    // A program that records its arguments, one per line, in <name>.log (written in one go).
    std::string fake_browser(const std::string& name) {
        const std::string log = program.file(name + ".log");
        const std::string path = program.write(
            name + ".sh", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '" + log +
                              ".tmp'; done\nmv '" + log + ".tmp' '" + log + "'\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }
    // The arguments the fake browser of that name was started with (bounded wait).
    std::string arguments(const std::string& name) {
        const QString log = QString::fromStdString(program.file(name + ".log"));
        for (int i = 0; i < 200 && !QFileInfo::exists(log); ++i)
            GwEventLoop::wait_for_events(50);
        return TempDir::read(log.toStdString());
    }
    std::string page(const std::string& relative) { return program.file(relative); }

    TempDir program;
    std::string browser;
    std::vector<GwString> saved_openers;
};

struct PageRow {
    const char* name;
    const char* asked;
    const char* opened;
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const PageRow& row, std::ostream* os) {
    *os << row.name;
}

class CHelpManagerPage : public CHelpManagerTest, public testing::WithParamInterface<PageRow> {};

TEST_P(CHelpManagerPage, OpensThePageOrTheStartPageInTheChosenBrowser) {
    CHelpManager::HtmlBrowser = browser.c_str();
    EXPECT_EQ(CHelpManager::ContextHelp(nullptr, nullptr, GwUD(GetParam().asked)), 1);
    EXPECT_EQ(arguments("browser"), page(GetParam().opened) + "\n");
    EXPECT_EQ(GwScriptedAnswers::shown().size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CHelpManagerPage,
    testing::Values(PageRow{"NamedPage", "reading.htm", "help/ZEP100/engl/reading.htm"},
                    PageRow{"NameInOtherCase", "READING.HTM", "help/ZEP100/engl/reading.htm"},
                    PageRow{"MissingPageFallsBackToHome", "gone.htm", "help/ZEP100/engl/home.htm"},
                    PageRow{"NoPageOpensHome", "", "help/ZEP100/engl/home.htm"}),
    [](const testing::TestParamInfo<PageRow>& info) { return info.param.name; });

TEST_F(CHelpManagerTest, APageNameWithQuotesAndSemicolonsReachesTheBrowserAsOneArgument) {
    const std::string odd = "a\";touch INJECTED;\"'$(touch INJECTED2)'.htm";
    program.write("help/ZEP100/engl/" + odd, "odd");
    CHelpManager::HtmlBrowser = browser.c_str();
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD(odd.c_str()));
    EXPECT_EQ(arguments("browser"), page("help/ZEP100/engl/" + odd) + "\n");
    for (const char* injected : {"INJECTED", "INJECTED2"}) {
        EXPECT_FALSE(std::filesystem::exists(program.file(injected)));
        EXPECT_FALSE(std::filesystem::exists(injected));
    }
}

TEST_F(CHelpManagerTest, WithoutAHelpDirectoryTheEnglishOneIsUsed) {
    CHelpManager::HelpSubDir = "";
    CHelpManager::HtmlBrowser = browser.c_str();
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD(""));
    EXPECT_EQ(arguments("browser"), page("help/engl/home.htm") + "\n");
}

TEST_F(CHelpManagerTest, TheLanguageDirectoryOfTheHelpDirectoryIsUsed) {
    CHelpManager::HelpSubDir = "help\\ZEP100\\deut\\";
    CHelpManager::HtmlBrowser = browser.c_str();
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD("reading.htm"));
    EXPECT_EQ(arguments("browser"), page("help/ZEP100/deut/reading.htm") + "\n");
}

TEST_F(CHelpManagerTest, ABrowserCommandWithOptionsKeepsThePageOneArgument) {
    program.write("help/ZEP100/engl/two words.htm", "x");
    CHelpManager::HtmlBrowser = (browser + " --new-window").c_str();
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD("two words.htm"));
    EXPECT_EQ(arguments("browser"),
              "--new-window\n" + page("help/ZEP100/engl/two words.htm") + "\n");
}

TEST_F(CHelpManagerTest, WithoutAChosenBrowserTheDesktopsDefaultOpensThePage) {
    CHelpManager::DefaultOpeners = {"/no/such/opener", browser.c_str()};
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD("reading.htm"));
    EXPECT_EQ(arguments("browser"), page("help/ZEP100/engl/reading.htm") + "\n");
    EXPECT_EQ(CHelpManager::HtmlBrowser, "") << "the default is not remembered as a choice";
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::File), 0);
}

TEST_F(CHelpManagerTest, AChosenBrowserThatCannotStartIsReportedForgottenAndTheDefaultUsed) {
    QWidget frame;
    CErrorHandler::init(GwCore::of(&frame), nullptr);
    CHelpManager::HtmlBrowser = "/no/such/browser";
    CHelpManager::DefaultOpeners = {browser.c_str()};
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD("reading.htm"));
    const auto* box = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text, CErrorHandler::error_msg(2, 0));
    EXPECT_EQ(box->title, "ZEP Error: ");
    EXPECT_EQ(CHelpManager::HtmlBrowser, "");
    EXPECT_EQ(arguments("browser"), page("help/ZEP100/engl/reading.htm") + "\n");
    CErrorHandler::cleanup();
    CErrorHandler::_appfrm = nullptr;
}

TEST_F(CHelpManagerTest, WhenNoBrowserStartsTheUserChoosesOneWhichIsKept) {
    GwScriptedAnswers::choose_file(GwFileSelector::stored_form(browser.c_str()));
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD("reading.htm"));
    EXPECT_EQ(arguments("browser"), page("help/ZEP100/engl/reading.htm") + "\n");
    EXPECT_EQ(CHelpManager::HtmlBrowser, GwFileSelector::stored_form(browser.c_str()));
    const auto* chooser = GwScriptedAnswers::last(GwScriptedAnswers::File);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->title, CErrorHandler::warning(40, 0));
    EXPECT_EQ(chooser->save, 0);
}

TEST_F(CHelpManagerTest, AChosenProgramThatDoesNotStartGivesErrorTwoAndIsForgotten) {
    GwScriptedAnswers::choose_file("\\no\\such\\browser");
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD("reading.htm"));
    EXPECT_EQ(CHelpManager::HtmlBrowser, "");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 1);
}

TEST_F(CHelpManagerTest, CancellingTheChooserLeavesNoBrowserAndShowsNothing) {
    GwScriptedAnswers::cancel_file();
    EXPECT_EQ(CHelpManager::ContextHelp(nullptr, nullptr, GwUD("")), 1);
    EXPECT_EQ(CHelpManager::HtmlBrowser, "");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
}

TEST_F(CHelpManagerTest, SetBrowserKeepsTheOldBrowserWhenCancelled) {
    QWidget frame;
    auto* dialog = new QWidget(&frame);
    dialog->setObjectName("Main Dialog");
    CHelpManager::HtmlBrowser = "old";
    GwScriptedAnswers::cancel_file();
    EXPECT_EQ(CHelpManager::SetBrowser(GwCore::of(&frame), nullptr, GwUD()), 0);
    EXPECT_EQ(CHelpManager::HtmlBrowser, "old");
    GwScriptedAnswers::choose_file("\\usr\\bin\\firefox");
    CHelpManager::SetBrowser(GwCore::of(&frame), nullptr, GwUD());
    EXPECT_EQ(CHelpManager::HtmlBrowser, "\\usr\\bin\\firefox");
    EXPECT_TRUE(dialog->isEnabled()) << "the parameter dialog is enabled again";
}

} // namespace
