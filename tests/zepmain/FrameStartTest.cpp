// The main window's start-up and the scanner-type switch: what a technician sees at start with
// and without a scanner, the welcome dialog, and switching types that are incomplete or broken
// (a start file: ProgramRun.TheWholeJobAgainstZepsimOnAPseudoTerminal).
#include "GwPath.h"
#include "WindowTestSupport.h"
#include "ZepProgram.h"

#include <fstream>

namespace {

// A scanner at other line settings than the program's: it never answers.
const char* const kNoScanner = "line=19200,N,8,1;delay=0;wire=off";

TEST(FrameStart, WithoutAnAnsweringScannerTheTypeUsedLastOrNoneIsSelected) {
    for (const char* last : {"ZEP100", ""}) {
        SCOPED_TRACE(std::string("last type: ") + last);
        ProgramDir program;
        FrameUnderTest t(program, kNoScanner);
        CInitMgr::_ImmediateConnect = 1;
        CInitMgr::_LastZEPType = last;
        g_pcoDriver->set_timeout(200); // each unanswered read
        t.start();
        EXPECT_EQ(t.frame().TypeName(), last);
        EXPECT_EQ(t.child("NOCONNECT")->is_visible(), 1);
        // No type used before: nothing to say and nothing chosen for the user (no error 32
        // with an empty name).
        EXPECT_TRUE(box_texts().empty());
        EXPECT_EQ(t.transfer().IsConnected(), 0);
    }
}

TEST(FrameStart, TheWelcomeDialogsCheckBoxTurnsItOff) {
    for (const int check : {1, 0}) {
        SCOPED_TRACE(check);
        ProgramDir program;
        FrameUnderTest t(program);
        CInitMgr::_WelcomeScreen = 1;
        GwScriptedAnswers::on_dialog("Welcome Dialog", [check](GwCore* welcome) {
            welcome->child("ID_NOWELCOME")->set_value(check);
            welcome->child("ID_OK")->click();
        });
        t.start();
        ASSERT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Dialog), 1);
        EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::Dialog)->result, 6);
        EXPECT_EQ(CInitMgr::_WelcomeScreen, check == 1 ? 0 : 1);
        GwScriptedAnswers::reset();
    }
}

TEST(FrameStart, WithoutAnyScannerTypeDirectoryErrorThirtyTwoComesOnce) {
    ProgramDir program(false);
    FrameUnderTest t(program);
    t.start();
    ASSERT_EQ(box_texts().size(), 1u);
    EXPECT_EQ(box_texts()[0], CErrorHandler::error_msg(32, 0).str());
    EXPECT_EQ(t.child("SCANNER_TYPE")->item_count(), 0);
}

// --- switching the scanner type ----------------------------------------------------------

TEST(FrameTypeSwitch, ATypeLackingTwoFilesNamesBothAndKeepsTheOldType) {
    ProgramDir program;
    program.add_type("ZEP200", {"ZEP100.cgw", "cmd.map"});
    FrameUnderTest t(program);
    t.start_with_zep100();
    t.edit("DCI", "900");
    EwRepository* const before = t.repo();
    GwScriptedAnswers::reset();
    t.select_type("ZEP200");
    EXPECT_EQ(box_texts(), (Strings{CErrorHandler::error_msg(31, 1).str() + "ZEP200\\ZEP200.cgw",
                                    CErrorHandler::error_msg(5, 1).str() + "ZEP200\\cmd.map"}));
    EXPECT_EQ(t.repo(), before);
    EXPECT_EQ(t.value("DCI"), "900");
    EXPECT_EQ(t.repo()->HasChanged(), 1); // no save question was asked, nothing was dropped
    EXPECT_EQ(CInitMgr::scanner_sub_dir(), "ZEP100\\");
    EXPECT_EQ(t.child("SCANNER_TYPE")->text(), "ZEP100");
}

TEST(FrameTypeSwitch, ATypeThatCannotBeBuiltLeavesTheOldTypeWorking) {
    // All four files are there, but the layout cannot be built.
    ProgramDir program;
    program.add_type("ZEP200");
    for (const char* ui : {"main_dialog.ui", "main_dialog_049.ui", "main_dialog_033.ui"})
        std::ofstream(program.file(std::string("ZEP200/") + ui)) << "<ui version=\"4.0\"><widget";
    FrameUnderTest t(program);
    t.start_with_zep100();
    t.edit("DCI", "900");
    CMainDlgMgr* const dialog = t.frame().MainDialog();
    CFileRepoIf* const files = t.frame().FileInterface();
    GwScriptedAnswers::press_button("No"); // the save question: drop the change
    t.select_type("ZEP200");
    EXPECT_EQ(t.frame().TypeName(), "ZEP100");
    EXPECT_EQ(t.frame().MainDialog(), dialog);
    EXPECT_EQ(t.frame().FileInterface(), files);
    EXPECT_EQ(dialog->Repository(), t.repo());
    EXPECT_EQ(CInitMgr::scanner_sub_dir(), "ZEP100\\");
    EXPECT_EQ(t.child("SCANNER_TYPE")->text(), "ZEP100");
    EXPECT_EQ(box_texts().back(), CErrorHandler::error_msg(5, 1).str() + "ZEP200\\ZEP200.cgw");
    // Everything still works on the old set: the dialog shows it, a save writes it.
    t.edit("DCI", "1200");
    EXPECT_EQ(t.value("DCI"), "1200");
    GwScriptedAnswers::choose_file(program.file("after.slp"));
    t.click("SAVE");
    EXPECT_NE(TempDir::read(program.file("after.slp")).find("DCI=1200"), std::string::npos);
}

TEST(FrameStart, TheVersionTextSaysWhatTheBuildIs) {
    EXPECT_EQ(ZepProgram::VersionText(), sizeof(void*) == 8 ? "V 1.1 - 64 Bit" : "V 1.1 - 32 Bit");
}

} // namespace
