// Restarting a timer, a box inside a running dialog, the end of a modal run by time-out,
// deletion or closing, and the message box's text. A run that ends with the result its window
// set is what every window test does (the welcome dialog's result in ProgramRun). The wait for
// events that the serial driver uses is exercised by every driver test; button sets, the code of
// each button and the result of a box nobody answers are the message handler's tests (they read the
// buttons as shown).
#include "EventWait.h"
#include "GwEventLoop.h"
#include "GwMessageBox.h"
#include "GwScriptedAnswers.h"
#include "UiFixture.h"

#include <QDialog>
#include <QLabel>
#include <QWidget>

#include <memory>

namespace {

class GwModalTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        dialog.reset(GwRcMgr::load("Dialog"));
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override {
        dialog.reset();
        UiTest::TearDown();
    }
    std::unique_ptr<GwCore> dialog;
};

// A timer firing inside a modal run is what the automatic baud detection does to start (its
// dialog's tests) and the terminal's evaluation mode to poll.
TEST_F(GwModalTest, StartingARunningTimerRestartsItWithTheNewPeriod) {
    Recorder::on_timer = [](GwCore* w) { w->stop_timer(); };
    dialog->start_timer(60000);
    dialog->start_timer(1);
    EXPECT_TRUE(WaitFor([] { return Recorder::count("Test::Timer") == 1; }));
    EXPECT_EQ(Recorder::last("Test::Timer")->window, "Dialog");
    EXPECT_EQ(Recorder::last("Test::Timer")->event.type(), GwTIMER);
    EXPECT_EQ(dialog->timer_active(), 0);
}

TEST_F(GwModalTest, AMessageBoxRunsInsideARunningDialog) {
    GwScriptedAnswers::answer_box(GwMB_RESULT_YES);
    GwScriptedAnswers::on_dialog("Dialog", [](GwCore* d) {
        GwMessageBox box(d, "Overwrite?", "Please confirm", GwMB_YES | GwMB_NO);
        d->set_result(box.go());
        d->hide();
    });
    EXPECT_EQ(dialog->go(), GwMB_RESULT_YES);
}

TEST(GwMessageBox, TextIsPlainWithItsLineBreaks) {
    GwMessageBox box(nullptr, "Received <STX>abc<ETX>\nsecond line", "T", GwMB_OK);
    auto* label = box.dialog()->findChild<QLabel*>("GwMB_TEXT");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(box.text(), "Received <STX>abc<ETX>\nsecond line");
}

TEST_F(GwModalTest, ADialogNobodyAnswersEndsAfterTheTimeOutAsCancel) {
    GwScriptedAnswers::set_dialog_timeout(20);
    GwScriptedAnswers::end_dialog("Another dialog", 3); // not for this one
    EXPECT_EQ(dialog->go(), GwMB_RESULT_CANCEL);
    EXPECT_EQ(GwScriptedAnswers::unanswered() + GwScriptedAnswers::pending(), 2);
}

TEST_F(GwModalTest, DeletingOrClosingTheWindowEndsTheRun) {
    GwScriptedAnswers::on_dialog("Dialog", [](GwCore* w) { w->widget()->close(); });
    dialog->set_result(15);
    EXPECT_EQ(dialog->go(), 15) << "without a close callback closing hides the window";
    GwCore* d = dialog.release();
    GwScriptedAnswers::on_dialog("Dialog", [](GwCore* w) {
        w->set_result(9);
        delete w;
    });
    EXPECT_EQ(d->go(), 9);
    // A close callback decides for itself: this one does not hide the window.
    std::unique_ptr<GwCore> main(GwRcMgr::load("Main"));
    main->show();
    main->widget()->close();
    EXPECT_EQ(Recorder::count("Test::Close"), 1);
    EXPECT_EQ(main->is_visible(), 1);
}

} // namespace
