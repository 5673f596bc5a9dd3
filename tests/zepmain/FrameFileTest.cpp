// The file commands of the main window as a technician uses them: the save question and its
// answers, writing over files, opening scripts (of this type, of another, not a script at
// all), the recent files, print, RTF export and the factory defaults.
#include "GwEventLoop.h"
#include "ShownText.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QProcess>

namespace {

class FrameFiles : public testing::Test {
protected:
    void SetUp() override {
        t.start_with_zep100();
        GwScriptedAnswers::reset();
    }
    std::string file(const char* name) const { return program.file(name); }
    GwString filename() const { return t.frame().FileInterface()->get_filename(); }

    ProgramDir program;
    FrameUnderTest t{program};
};

TEST_F(FrameFiles, EachAnswerToTheSaveQuestion) {
    // The command is Factory defaults, which drops the edit when it goes on.
    struct Row {
        const char* name;
        const char* button;
        const char* chosen; // the file selector's answer; null: cancelled
        bool goes_on;
        bool written;
    };
    const std::string unwritable = file("no such directory/a.slp");
    const Row rows[] = {
        {"yes", "Yes", "saved.slp", true, true},
        {"no", "No", nullptr, true, false},
        {"cancel", "Cancel", nullptr, false, false},
        {"yes, no file chosen", "Yes", nullptr, false, false},
        {"yes, not writable", "Yes", unwritable.c_str(), false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        t.edit("DCI", "900"); // each row starts from DCI 900, changed
        GwScriptedAnswers::press_button(row.button);
        if (row.button == std::string("Yes")) {
            if (row.chosen != nullptr) {
                GwScriptedAnswers::choose_file(row.chosen[0] == '/' ? row.chosen
                                                                    : file(row.chosen));
                GwScriptedAnswers::press_button("OK"); // written, or not writable
            } else {
                GwScriptedAnswers::cancel_file();
            }
        }
        t.click("FACTORY_DEFAULTS");
        const auto* question = &GwScriptedAnswers::shown().front();
        EXPECT_EQ(question->text, CErrorHandler::warning(51, 1) + " \nSave the changes ?");
        EXPECT_EQ(buttons_of(question), "Yes=10 No=17* Cancel=15 ");
        EXPECT_EQ(t.value("DCI"), row.goes_on ? "500" : "900");
        EXPECT_EQ(t.repo()->HasChanged(), row.goes_on ? 0 : 1);
        EXPECT_EQ(fs::exists(file("saved.slp")), row.written);
        EXPECT_EQ(filename(), row.written ? GwString(file("saved.slp")) : GwString());
        EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
        fs::remove(file("saved.slp"));
        t.frame().FileInterface()->reset_filename();
        GwScriptedAnswers::reset();
    }
}

TEST_F(FrameFiles, WritingOverAFile) {
    const std::string other = program.write("other.slp", "keep me");
    // Declined: the file stays, and the set does not take its name (a later Save would write
    // over it without asking).
    t.edit("DCI", "900");
    GwScriptedAnswers::choose_file(other);
    GwScriptedAnswers::press_button("No");
    t.click("SAVE_AS");
    EXPECT_EQ(box_of(GwScriptedAnswers::last(GwScriptedAnswers::Box)),
              "Please confirm|" + CErrorHandler::warning(44, 1).str() + other + "|mb_quest");
    EXPECT_EQ(TempDir::read(other), "keep me");
    EXPECT_EQ(filename(), "");
    // Accepted: written, the set's file from now on; saving it again asks nothing.
    GwScriptedAnswers::choose_file(other);
    GwScriptedAnswers::press_button("Yes");
    t.click("SAVE_AS");
    EXPECT_TRUE(holds(other, "DCI=0900"));
    EXPECT_EQ(filename(), other);
    EXPECT_EQ(t.dialog()->title(), "ZEP100 parameters [" + other + "]");
    GwScriptedAnswers::reset();
    t.edit("DCI", "1000");
    EXPECT_EQ(t.dialog()->title(), "ZEP100 parameters [" + other + " *]");
    t.click("SAVE");
    EXPECT_TRUE(holds(other, "DCI=1000"));
    EXPECT_EQ(box_texts(), (Strings{CErrorHandler::warning(18, 1).str() + other}));
    EXPECT_EQ(t.dialog()->title(), "ZEP100 parameters [" + other + "]");
}

TEST_F(FrameFiles, OpeningScripts) {
    const std::string saved = file("line4.slp");
    t.edit("DCI", "900");
    GwScriptedAnswers::choose_file(saved);
    t.click("SAVE_AS");
    t.click("NEW"); // the values stay, the file goes
    EXPECT_EQ(filename(), "");
    EXPECT_EQ(t.dialog()->title(), "ZEP100 parameters [No File]");
    t.click("FACTORY_DEFAULTS");
    ASSERT_EQ(t.value("DCI"), "500");

    GwScriptedAnswers::reset();
    GwScriptedAnswers::choose_file(saved);
    t.click("OPEN");
    EXPECT_EQ(t.value("DCI"), "900");
    EXPECT_EQ(filename(), saved);
    EXPECT_EQ(CInitMgr::get_filename(1), saved);
    EXPECT_EQ(box_texts(), (Strings{CErrorHandler::warning(19, 1).str() + saved}));

    // Not a script: said, and nothing of the set changes - values, mark, file name.
    const std::string text = program.write("notes.slp", "[Parameter]\nDCI=0100\n");
    t.edit("DCI", "1000");
    GwScriptedAnswers::reset();
    GwScriptedAnswers::press_button("No"); // the save question
    GwScriptedAnswers::choose_file(text);
    t.click("OPEN");
    EXPECT_EQ(box_texts().back(), CErrorHandler::error_msg(11, 1).str() + text);
    EXPECT_EQ(t.value("DCI"), "1000");
    EXPECT_EQ(t.repo()->HasChanged(), 1);
    EXPECT_EQ(filename(), saved);

    // A script of another type: No keeps everything, Yes switches to its type and loads it.
    program.add_type("ZEP200");
    t.child("SCANNER_TYPE")->add_item("ZEP200");
    std::string other = TempDir::read(saved);
    other.replace(other.find("Type=100"), 8, "Type=200");
    const std::string other_path = program.write("zep200.slp", other);
    for (const char* answer : {"No", "Yes"}) {
        SCOPED_TRACE(answer);
        GwScriptedAnswers::reset();
        GwScriptedAnswers::press_button("No"); // the save question
        GwScriptedAnswers::choose_file(other_path);
        GwScriptedAnswers::press_button(answer);
        t.click("OPEN");
        EXPECT_EQ(t.frame().TypeName(), answer == std::string("Yes") ? "ZEP200" : "ZEP100");
        EXPECT_EQ(t.value("DCI"), answer == std::string("Yes") ? "900" : "1000");
        int questions = 0; // the switch does not ask the save question a second time
        for (const std::string& shown : box_texts())
            questions += shown.rfind(CErrorHandler::warning(51, 0).str(), 0) == 0 ? 1 : 0;
        EXPECT_EQ(questions, 1);
    }
}

// The menus at start show the settings: three recent files (the newest first; one name holds
// "&", one is long) and the unit. Start-up runs once.
TEST(FrameRecentFiles, NineItemsShowTheirSlotsAndOpenTheirFiles) {
    ProgramDir program;
    FrameUnderTest t(program);
    const char* const deep = "c:\\a long directory name\\another one\\and a third\\x.slp";
    for (const char* f : {deep, "c:\\data\\b&c.slp", "c:\\data\\first.slp"})
        CInitMgr::select_file(f);
    CInitMgr::set_unit("INCH");
    t.start();
    EXPECT_EQ(t.child("INCH")->value() + 2 * t.child("METRIC")->value(), 1);
    EXPECT_EQ(t.child("001")->value(), 1);
    t.main->hide(); // shown again (after being minimised): no second start
    t.main->show();
    GwEventLoop::process_pending();
    EXPECT_EQ(t.child("SCANNER_TYPE")->item_count(), 1);
    EXPECT_EQ(t.child("FILE1")->text(), "&1 c:\\data\\first.slp");
    EXPECT_EQ(t.child("FILE2")->text(), "&2 c:\\data\\b&&c.slp");
    EXPECT_EQ(t.child("FILE3")->text(), "&3 c:\\..\\another one\\and a third\\x.slp");
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(t.child(("FILE" + std::to_string(i)).c_str())->action()->isVisible(), i <= 3)
            << i;
    // Slot 3 opens the file of slot 3; a file that is gone is said to be so.
    t.click("FILE3");
    EXPECT_EQ(box_texts(), (Strings{CErrorHandler::error_msg(5, 1).str() + std::string(deep)}));
}

TEST_F(FrameFiles, PrintAndRtfReports) {
    t.edit("H0E", "NO CODE");
    // Print: the comment comes into the page header and is kept for the next print.
    const std::string pdf = file("report.pdf");
    GwScriptedAnswers::on_dialog("Printer Comment", [](GwCore* dialog) {
        dialog->child("ID_COMMENT")->set_text("Hall 4, line 2");
        dialog->child("ID_OK")->click();
    });
    GwScriptedAnswers::printer_pdf(pdf);
    t.click("PRINT");
    EXPECT_EQ(box_texts(), (Strings{CErrorHandler::error_msg(58, 0).str()}));
    QProcess text;
    text.start("pdftotext", {QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const std::string printed = text.readAllStandardOutput().toStdString();
    EXPECT_NE(printed.find("Hall 4, line 2"), std::string::npos) << printed;
    EXPECT_NE(printed.find("NO CODE"), std::string::npos) << printed;
    EXPECT_EQ(t.frame().PrinterComment(), "Hall 4, line 2");

    // RTF: the name gets its extension, the file the value.
    GwScriptedAnswers::choose_file(file("report"));
    t.click("EXPORT");
    EXPECT_TRUE(holds(file("report.RTF"), "NO CODE"));
    EXPECT_EQ(box_texts().back(), CErrorHandler::warning(18, 1).str() + file("report.RTF"));
}

} // namespace
