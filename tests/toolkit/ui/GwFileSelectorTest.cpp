// Where the file chooser starts for the Windows-style paths the settings hold, the stored
// form of a chosen path, and the scripted answers that stand in for the person choosing.
#include "GwFileSelector.h"
#include "GwScriptedAnswers.h"
#include "GwStringPrint.h"
#include "TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(GwFileSelector, StartsInASensibleLocalPlace) {
    TempDir dir;
    dir.write("data/set.SLP", "x");
    const std::string home = QDir::homePath().toStdString();
    const std::string cwd = QDir::currentPath().toStdString();
    const std::pair<std::string, std::string> rows[] = {
        {"c:\\", home},
        {"C:", home}, // the data path of a file chosen at the top of drive C
        {"c:\\progra~1\\nowhere", home},
        {".", cwd},
        {"", cwd}, // the data path of a file chosen without a directory
        {dir.dir() + "data", dir.dir() + "data"},                // a directory, backslashes or not
        {dir.dir() + "DATA\\set.slp", dir.file("data/set.SLP")}, // a file in any case
        {dir.dir() + "data/new.slp", dir.dir() + "data"}};       // a new file: its directory
    for (const auto& [start, where] : rows)
        EXPECT_EQ(GwFileSelector::start_location(start.c_str()).str(), where) << start;
}

TEST(GwFileSelector, AChosenPathComesBackAbsoluteWithBackslashes) {
    EXPECT_EQ(GwFileSelector::stored_form("/home/tech/a.slp"), "\\home\\tech\\a.slp");
    EXPECT_EQ(GwFileSelector::stored_form("x.log").str(),
              QDir::current().absoluteFilePath("x.log").replace('/', '\\').toStdString());
}

TEST(GwFileSelector, TakesTheQueuedAnswersInOrderAndNeverACutPath) {
    GwScriptedAnswers::choose_file("c:\\data\\a.slp");
    GwScriptedAnswers::cancel_file();
    GwFileSelector open(nullptr, "c:\\", "*.slp", 0, "Open parameter file");
    GwString path = "unchanged";
    EXPECT_EQ(open.go(path), 1);
    EXPECT_EQ(path, "c:\\data\\a.slp");
    EXPECT_EQ(open.go(path), 0);
    EXPECT_EQ(path, "c:\\data\\a.slp") << "cancel leaves the caller's path";
    EXPECT_EQ(open.go(path), 0);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 1) << "nobody answers: cancelled";
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
