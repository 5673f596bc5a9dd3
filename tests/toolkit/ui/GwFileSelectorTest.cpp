// Where the file chooser starts for the Windows-style paths the settings hold, and the stored
// form of a chosen path.
#include "GwFileSelector.h"
#include "TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <string>

namespace {

struct StartRow {
    const char* name;
    std::function<std::string(const TempDir&)> start; // the start path given
    std::function<std::string(const TempDir&)> where; // where the chooser starts
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const StartRow& row, std::ostream* os) {
    *os << row.name;
}

class GwFileSelectorStart : public testing::TestWithParam<StartRow> {};

TEST_P(GwFileSelectorStart, StartsInASensibleLocalPlace) {
    TempDir dir;
    dir.write("data/set.SLP", "x");
    EXPECT_EQ(GwFileSelector::start_location(GetParam().start(dir).c_str()).str(),
              GetParam().where(dir));
}

std::string home(const TempDir&) {
    return QDir::homePath().toStdString();
}
std::string cwd(const TempDir&) {
    return QDir::currentPath().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Paths, GwFileSelectorStart,
    testing::Values(
        StartRow{"DriveRoot", [](const TempDir&) { return std::string("c:\\"); }, home},
        StartRow{"DriveLetterOnly", [](const TempDir&) { return std::string("C:"); }, home},
        StartRow{"DriveWithMissingPath",
                 [](const TempDir&) { return std::string("c:\\progra~1\\nowhere"); }, home},
        StartRow{"Dot", [](const TempDir&) { return std::string("."); }, cwd},
        StartRow{"Empty", [](const TempDir&) { return std::string(); }, cwd},
        StartRow{"ExistingDirectoryWrittenWithBackslashes",
                 [](const TempDir& d) { return d.dir() + "data"; },
                 [](const TempDir& d) { return d.dir() + "data"; }},
        StartRow{"ExistingFileAnyCase", [](const TempDir& d) { return d.dir() + "DATA\\set.slp"; },
                 [](const TempDir& d) { return d.dir() + "data/set.SLP"; }},
        StartRow{"MissingFileInAnExistingDirectory",
                 [](const TempDir& d) { return d.dir() + "data/new.slp"; },
                 [](const TempDir& d) { return d.dir() + "data"; }}),
    [](const testing::TestParamInfo<StartRow>& info) { return info.param.name; });

TEST(GwFileSelector, AChosenPathComesBackAbsoluteWithBackslashes) {
    EXPECT_EQ(GwFileSelector::stored_form("/home/tech/a.slp"), "\\home\\tech\\a.slp");
    const std::string expected =
        QDir::current().absoluteFilePath("x.log").replace('/', '\\').toStdString();
    EXPECT_EQ(GwFileSelector::stored_form("x.log").str(), expected);
}

} // namespace
