// Online help: which page is opened, in which browser, and that a page name never reaches a
// shell (the only use of GwExecute, which is tested here). The browsers are fake programs
// that record their arguments.
#include "CHelpManager.h"
#include "CErrorHandler.h"
#include "CInitMgr.h"
#include "FakeProgram.h"
#include "GwCore.h"
#include "GwFileSelector.h"
#include "GwScriptedAnswers.h"
#include "GwStringPrint.h"
#include "GwUD.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

class CHelpManagerTest : public testing::Test {
protected:
    void SetUp() override {
        CInitMgr::SetDefaults();
        CInitMgr::m_sProgramDir = program.dir().c_str();
        saved_openers = CHelpManager::DefaultOpeners;
        CHelpManager::DefaultOpeners = {"/no/such/opener"};
        for (const char* page : {"ZEP100/engl/home.htm", "ZEP100/engl/reading.htm",
                                 "ZEP100/deut/reading.htm", "engl/home.htm"})
            program.write(std::string("help/") + page, "x");
        CHelpManager::HelpSubDir = "help\\ZEP100\\engl\\";
    }
    void TearDown() override {
        CHelpManager::DefaultOpeners = saved_openers;
        CInitMgr::SetDefaults();
    }
    // The arguments the browser gets for a page of the help directory.
    std::string page(const std::string& relative) {
        return program.file("help/" + relative) + "\n";
    }

    TempDir program;
    FakeProgram browser{program, "browser"};
    std::vector<GwString> saved_openers;
};

TEST_F(CHelpManagerTest, OpensThePageOrTheStartPageInTheChosenBrowser) {
    int run = 0; // help directory, page asked for, page opened below help/
    for (const auto& [help_dir, asked, opened] :
         {std::tuple{"help\\ZEP100\\engl\\", "reading.htm", "ZEP100/engl/reading.htm"},
          {"help\\ZEP100\\engl\\", "READING.HTM", "ZEP100/engl/reading.htm"},
          {"help\\ZEP100\\engl\\", "gone.htm", "ZEP100/engl/home.htm"},
          {"help\\ZEP100\\deut\\", "reading.htm", "ZEP100/deut/reading.htm"},
          {"", "", "engl/home.htm"}}) { // no help directory: English
        FakeProgram chosen(program, "browser" + std::to_string(++run));
        CHelpManager::HelpSubDir = help_dir;
        CHelpManager::HtmlBrowser = chosen.path().c_str();
        EXPECT_EQ(CHelpManager::ContextHelp(nullptr, nullptr, GwUD(asked)), 1);
        EXPECT_EQ(chosen.arguments(), page(opened)) << asked;
    }
    EXPECT_EQ(GwScriptedAnswers::shown().size(), 0u);
}

TEST_F(CHelpManagerTest, APageNameWithQuotesAndSemicolonsReachesTheBrowserAsOneArgument) {
    const std::string odd = "a b\";touch INJECTED;\"'$(touch INJECTED2)'.htm";
    program.write("help/ZEP100/engl/" + odd, "odd");
    CHelpManager::HtmlBrowser = (browser.path() + " --new-window").c_str();
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD(odd.c_str()));
    EXPECT_EQ(browser.arguments(), "--new-window\n" + page("ZEP100/engl/" + odd));
    for (const char* injected : {"INJECTED", "INJECTED2"}) {
        EXPECT_FALSE(std::filesystem::exists(program.file(injected)));
        EXPECT_FALSE(std::filesystem::exists(injected));
    }
}

TEST_F(CHelpManagerTest, AChosenBrowserThatCannotStartIsReportedForgottenAndTheDefaultUsed) {
    QWidget frame;
    CErrorHandler::init(GwCore::of(&frame), nullptr);
    CHelpManager::HtmlBrowser = "/no/such/browser";
    CHelpManager::DefaultOpeners = {"/no/such/opener", browser.path().c_str()}; // in turn
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD("reading.htm"));
    const auto* box = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text, CErrorHandler::error_msg(2, 0));
    EXPECT_EQ(box->title, "ZEP Error: ");
    EXPECT_EQ(CHelpManager::HtmlBrowser, "") << "forgotten; the default is no choice either";
    EXPECT_EQ(browser.arguments(), page("ZEP100/engl/reading.htm"));
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::File), 0);
    CErrorHandler::cleanup();
    CErrorHandler::_appfrm = nullptr;
}

TEST_F(CHelpManagerTest, WhenNoBrowserStartsTheUserChoosesOneWhichIsKeptIfItStarts) {
    GwScriptedAnswers::choose_file(GwFileSelector::stored_form(browser.path().c_str()));
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD("reading.htm"));
    EXPECT_EQ(browser.arguments(), page("ZEP100/engl/reading.htm"));
    EXPECT_EQ(CHelpManager::HtmlBrowser, GwFileSelector::stored_form(browser.path().c_str()));
    const auto* chooser = GwScriptedAnswers::last(GwScriptedAnswers::File);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->title, CErrorHandler::warning(40, 0));
    EXPECT_EQ(chooser->save, 0);
    // A chosen program that does not start gives error 2 and is forgotten; a cancelled
    // chooser leaves no browser and shows nothing.
    CHelpManager::HtmlBrowser = "";
    GwScriptedAnswers::choose_file("\\no\\such\\browser");
    GwScriptedAnswers::press_button("OK");
    GwScriptedAnswers::cancel_file();
    CHelpManager::ContextHelp(nullptr, nullptr, GwUD("reading.htm"));
    EXPECT_EQ(CHelpManager::HtmlBrowser, "");
    EXPECT_EQ(CHelpManager::ContextHelp(nullptr, nullptr, GwUD("")), 1);
    EXPECT_EQ(CHelpManager::HtmlBrowser, "");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 1);
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
