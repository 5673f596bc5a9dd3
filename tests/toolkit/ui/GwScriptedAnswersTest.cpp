// The scripted answers for file selectors and printer preparation, and the bookkeeping tests
// rely on (unanswered, pending, reset).
#include "GwScriptedAnswers.h"
#include "GwFileSelector.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(GwScriptedAnswers, AFileSelectorTakesTheQueuedPathsInOrder) {
    GwScriptedAnswers::choose_file("c:\\data\\a.slp");
    GwScriptedAnswers::cancel_file();
    GwFileSelector open(nullptr, "c:\\", "*.slp", 0, "Open parameter file");
    GwString path = "unchanged";
    EXPECT_EQ(open.go(path), 1);
    EXPECT_EQ(path, "c:\\data\\a.slp");
    GwFileSelector save(nullptr, ".", "*.rtf", 1, "Save as");
    EXPECT_EQ(save.go(path), 0);
    EXPECT_EQ(path, "c:\\data\\a.slp") << "cancel leaves the caller's path";

    ASSERT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::File), 2);
    const auto& first = GwScriptedAnswers::shown()[0];
    EXPECT_EQ(first.title, "Open parameter file");
    EXPECT_EQ(first.filter, "*.slp");
    EXPECT_EQ(first.start, "c:\\");
    EXPECT_EQ(first.save, 0);
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::File)->save, 1);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
}

TEST(GwScriptedAnswers, AFileSelectorNobodyAnswersIsCancelled) {
    GwFileSelector open(nullptr, ".", "*.log", 1, "Terminal log file");
    GwString path;
    EXPECT_EQ(open.go(path), 0);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 1);
}

TEST(GwScriptedAnswers, APathLongerThanTheCallersBufferIsNotCut) {
    GwScriptedAnswers::choose_file("c:\\a\\much\\too\\long\\path.slp");
    GwFileSelector open(nullptr, ".", "*.slp", 0, "t");
    char buffer[8] = "keep";
    EXPECT_EQ(open.go(buffer, static_cast<int>(sizeof buffer)), 0);
    EXPECT_STREQ(buffer, "keep");
    GwScriptedAnswers::choose_file("a.slp");
    EXPECT_EQ(open.go(buffer, static_cast<int>(sizeof buffer)), 1);
    EXPECT_STREQ(buffer, "a.slp");
}

TEST(GwScriptedAnswers, PrinterPreparationSucceedsWithAPdfOrFails) {
    GwScriptedAnswers::printer_pdf("/tmp/report.pdf");
    GwScriptedAnswers::printer_fails();
    GwString pdf;
    EXPECT_EQ(GwScriptedAnswers::printer_requested(pdf), 1);
    EXPECT_EQ(pdf, "/tmp/report.pdf");
    EXPECT_EQ(GwScriptedAnswers::printer_requested(pdf), 0);
    EXPECT_EQ(GwScriptedAnswers::printer_requested(pdf), 0) << "nothing queued: it fails";
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Printer), 3);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 1);
}

TEST(GwScriptedAnswers, WhenDisabledTheRealThingIsAskedFor) {
    GwScriptedAnswers::disable();
    GwString path;
    GwScriptedAnswers::Shown request;
    EXPECT_EQ(GwScriptedAnswers::file_requested(request, path), -1);
    EXPECT_EQ(GwScriptedAnswers::printer_requested(path), -1);
    GwScriptedAnswers::enable();
}

TEST(GwScriptedAnswers, ResetForgetsAnswersAndRecord) {
    GwScriptedAnswers::answer_box(6);
    GwScriptedAnswers::choose_file("x");
    GwString path;
    GwScriptedAnswers::printer_requested(path);
    EXPECT_EQ(GwScriptedAnswers::pending(), 2);
    GwScriptedAnswers::set_dialog_timeout(5);
    GwScriptedAnswers::reset();
    EXPECT_EQ(GwScriptedAnswers::pending(), 0);
    EXPECT_TRUE(GwScriptedAnswers::shown().empty());
    EXPECT_EQ(GwScriptedAnswers::dialog_timeout(), 10000);
}

} // namespace
