// The scripted answers for file selectors and printer preparation, and the bookkeeping tests
// rely on (unanswered, pending, reset).
#include "GwScriptedAnswers.h"
#include "GwFileSelector.h"
#include "GwStringPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(GwScriptedAnswers, FileSelectorsTakeTheQueuedPathsInOrderAndAreRecorded) {
    GwScriptedAnswers::choose_file("c:\\data\\a.slp");
    GwScriptedAnswers::cancel_file();
    GwFileSelector open(nullptr, "c:\\", "*.slp", 0, "Open parameter file");
    GwString path = "unchanged";
    EXPECT_EQ(open.go(path), 1);
    EXPECT_EQ(path, "c:\\data\\a.slp");
    GwFileSelector save(nullptr, ".", "*.rtf", 1, "Save as");
    EXPECT_EQ(save.go(path), 0);
    EXPECT_EQ(path, "c:\\data\\a.slp") << "cancel leaves the caller's path";
    const auto& first = GwScriptedAnswers::shown()[0];
    EXPECT_EQ(first.title + "|" + first.filter + "|" + first.start,
              "Open parameter file|*.slp|c:\\");
    EXPECT_EQ(first.save, 0);
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::File)->save, 1);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
    EXPECT_EQ(save.go(path), 0) << "nobody answers: cancelled";
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 1);
    // A path longer than the caller's buffer is not cut: the buffer stays.
    GwScriptedAnswers::choose_file("c:\\a\\much\\too\\long\\path.slp");
    GwScriptedAnswers::choose_file("a.slp");
    char buffer[8] = "keep";
    EXPECT_EQ(open.go(buffer, static_cast<int>(sizeof buffer)), 0);
    EXPECT_STREQ(buffer, "keep");
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

TEST(GwScriptedAnswers, ResetForgetsEverythingAndDisabledTheRealThingIsAsked) {
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
    GwScriptedAnswers::disable();
    GwScriptedAnswers::Shown request;
    EXPECT_EQ(GwScriptedAnswers::file_requested(request, path), -1);
    EXPECT_EQ(GwScriptedAnswers::printer_requested(path), -1);
    GwScriptedAnswers::enable();
}

} // namespace
