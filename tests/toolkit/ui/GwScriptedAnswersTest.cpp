// The scripted answers for file selectors and their count of unanswered requests. What a
// selector records is checked by the script tests' file requests, the printer answers by the
// printer tests.
#include "GwScriptedAnswers.h"
#include "GwFileSelector.h"
#include "GwStringPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(GwScriptedAnswers, FileSelectorsTakeTheQueuedPathsInOrder) {
    GwScriptedAnswers::choose_file("c:\\data\\a.slp");
    GwScriptedAnswers::cancel_file();
    GwFileSelector open(nullptr, "c:\\", "*.slp", 0, "Open parameter file");
    GwString path = "unchanged";
    EXPECT_EQ(open.go(path), 1);
    EXPECT_EQ(path, "c:\\data\\a.slp");
    EXPECT_EQ(open.go(path), 0);
    EXPECT_EQ(path, "c:\\data\\a.slp") << "cancel leaves the caller's path";
    EXPECT_EQ(open.go(path) + GwScriptedAnswers::unanswered(), 1) << "nobody answers: cancelled";
    // A path longer than the caller's buffer is not cut: the buffer stays.
    GwScriptedAnswers::choose_file("c:\\a\\much\\too\\long\\path.slp");
    GwScriptedAnswers::choose_file("a.slp");
    char buffer[8] = "keep";
    EXPECT_EQ(open.go(buffer, static_cast<int>(sizeof buffer)), 0);
    EXPECT_STREQ(buffer, "keep");
    EXPECT_EQ(open.go(buffer, static_cast<int>(sizeof buffer)), 1);
    EXPECT_STREQ(buffer, "a.slp");
}

} // namespace
