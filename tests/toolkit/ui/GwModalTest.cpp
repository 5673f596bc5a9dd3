// Modal runs in nested event loops, timers inside them, the end of a run, and the wait for
// events that the serial driver uses.
#include "GwCore.h"
#include "GwEventLoop.h"
#include "GwMessageBox.h"
#include "GwRcMgr.h"
#include "GwScriptedAnswers.h"
#include "Recorder.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

const char* const kFixtures = ZEP_SOURCE_DIR "/tests/toolkit/ui/fixtures/test";

class GwModalTest : public testing::Test {
protected:
    void SetUp() override {
        Recorder::clear();
        Recorder::use_fixtures();
        dialog.reset(GwRcMgr::load("Dialog"));
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override {
        dialog.reset();
        GwRcMgr::unuse(kFixtures);
    }
    std::unique_ptr<GwCore> dialog;
};

TEST_F(GwModalTest, RunsUntilTheWindowIsHiddenAndGivesItsResult) {
    GwScriptedAnswers::on_dialog("Dialog", [](GwCore* d) {
        EXPECT_EQ(d->is_visible(), 1);
        EXPECT_EQ(d->is_running(), 1);
        d->child("ID_OK")->click(); // its callback sets 6 and hides the dialog
    });
    EXPECT_EQ(dialog->go(), 6);
    EXPECT_EQ(dialog->is_running(), 0);
    EXPECT_EQ(dialog->is_visible(), 0);
    EXPECT_EQ(Recorder::count("Test::Show"), 1);
    EXPECT_EQ(Recorder::count("Test::Hide"), 1);
    ASSERT_NE(GwScriptedAnswers::last(GwScriptedAnswers::Dialog), nullptr);
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::Dialog)->id, "Dialog");
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::Dialog)->result, 6);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
}

TEST_F(GwModalTest, TimersFireInsideTheNestedLoopWithTheirWindow) {
    int fired = 0;
    Recorder::on_timer() = [&fired](GwCore* w) {
        if (++fired == 3) {
            w->stop_timer();
            w->set_result(42);
            w->hide();
        }
    };
    GwScriptedAnswers::on_dialog("Dialog", [](GwCore* d) { d->start_timer(5); });
    EXPECT_EQ(dialog->go(), 42);
    EXPECT_EQ(fired, 3);
    EXPECT_EQ(Recorder::last("Test::Timer")->window, "Dialog");
    EXPECT_EQ(Recorder::last("Test::Timer")->type, GwTIMER);
    EXPECT_EQ(dialog->timer_active(), 0);
}

TEST_F(GwModalTest, StartingARunningTimerRestartsIt) {
    dialog->start_timer(60000);
    EXPECT_EQ(dialog->timer_active(), 1);
    dialog->start_timer(1); // restarted with the new period: fires soon
    int fired = 0;
    Recorder::on_timer() = [&fired](GwCore* w) {
        ++fired;
        w->stop_timer();
    };
    for (int i = 0; i < 1000 && fired == 0; ++i)
        GwEventLoop::wait_for_events(100);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(dialog->timer_active(), 0);
}

TEST_F(GwModalTest, AMessageBoxRunsInsideARunningDialog) {
    int inner = 0;
    GwScriptedAnswers::answer_box(GwMB_RESULT_YES);
    GwScriptedAnswers::on_dialog("Dialog", [&inner](GwCore* d) {
        GwMessageBox box(d, "Overwrite?", "Please confirm", GwMB_YES | GwMB_NO);
        inner = box.go();
        d->set_result(inner);
        d->hide();
    });
    EXPECT_EQ(dialog->go(), GwMB_RESULT_YES);
    EXPECT_EQ(inner, GwMB_RESULT_YES);
}

TEST_F(GwModalTest, ADialogNobodyAnswersEndsAfterTheTimeOutAsCancel) {
    GwScriptedAnswers::set_dialog_timeout(20);
    GwScriptedAnswers::end_dialog("Another dialog", 3); // not for this one
    EXPECT_EQ(dialog->go(), GwMB_RESULT_CANCEL);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 1);
    EXPECT_EQ(GwScriptedAnswers::pending(), 1);
}

TEST_F(GwModalTest, AnAnswerWithoutIdEndsTheNextDialog) {
    GwScriptedAnswers::end_dialog("", 4);
    EXPECT_EQ(dialog->go(), 4);
    EXPECT_EQ(GwScriptedAnswers::pending(), 0);
}

TEST_F(GwModalTest, DeletingTheWindowWhileItRunsEndsTheRun) {
    GwCore* d = dialog.release();
    GwScriptedAnswers::on_dialog("Dialog", [](GwCore* w) {
        w->set_result(9);
        delete w;
    });
    EXPECT_EQ(d->go(), 9);
}

TEST_F(GwModalTest, ClosingAWindowAsksItsCloseCallbackWhichDecides) {
    std::unique_ptr<GwCore> main(GwRcMgr::load("Main"));
    main->show();
    main->widget()->close();
    EXPECT_EQ(Recorder::count("Test::Close"), 1);
    EXPECT_EQ(main->is_visible(), 1) << "the callback did not hide it";
    // Without a close callback closing hides the window and so ends its run.
    GwScriptedAnswers::on_dialog("Dialog", [](GwCore* w) { w->widget()->close(); });
    dialog->set_result(15);
    EXPECT_EQ(dialog->go(), 15);
}

TEST(GwEventLoop, AWaitWithABoundEndsWhenNothingHappens) {
    QElapsedTimer clock;
    clock.start();
    GwEventLoop::wait_for_events(30);
    EXPECT_LT(clock.elapsed(), 10000) << "the bound ends the wait";
}

TEST(GwEventLoop, AWaitHandlesTheEventThatEndsIt) {
    bool fired = false;
    QTimer::singleShot(5, [&fired]() { fired = true; });
    for (int i = 0; i < 1000 && !fired; ++i)
        GwEventLoop::wait_for_events(1000);
    EXPECT_TRUE(fired);
}

} // namespace
