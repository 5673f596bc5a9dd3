// Entry of every test program except the toolkit core's: GoogleTest inside a QApplication on
// the offscreen platform, so widgets, timers and nested event loops work without a display.
// Scripted answers are on for the whole run, so that no message box, file selector or dialog
// ever waits for a person; queued answers and the record are cleared after every test.
#include "GwScriptedAnswers.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
class ResetScriptedAnswers : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo& /*info*/) override { GwScriptedAnswers::reset(); }
};
} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    GwScriptedAnswers::enable();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new ResetScriptedAnswers);
    return RUN_ALL_TESTS();
}
