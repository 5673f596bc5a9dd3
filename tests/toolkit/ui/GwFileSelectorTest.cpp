// Where the file chooser starts for the Windows-style paths the settings hold, and the stored
// form of a chosen path. The scripted answers that stand in for the person choosing are taken
// in order by the terminal's log file test (chosen, cancelled, chosen) and a cancel leaves the
// caller's path in the help tests (SetBrowserKeepsTheOldBrowserWhenCancelled).
#include "GwFileSelector.h"
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

} // namespace
