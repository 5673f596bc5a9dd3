// The path resolver and the line reader. The atomic writer is the savers' (SaveFailureTest: a
// failed write keeps the earlier file and leaves no temporary file; the same save with room
// replaces it). Cutting a path into its parts is checked through the titles, recent files and
// file names of the window and script tests.
#include "GwLineReader.h"
#include "GwPath.h"
#include "GwStringPrint.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// All lines a reader gives, each followed by "|".
std::string all_lines(GwLineReader& r) {
    std::string out;
    GwString line;
    while (r.read_line(line) != 0)
        out += line.str() + "|";
    EXPECT_EQ(line, "") << "the end gives an empty line";
    return out;
}

} // namespace

TEST(GwPath, ResolvesWindowsPathsWithoutRegardToCase) {
    TempDir dir;
    dir.write("ZEP100/3PRF1", "x");
    dir.write("zep050/x", "");
    dir.write("zepfile", "");
    EXPECT_EQ(GwPath::resolve(GwString(dir.dir() + "zep100\\3prf1")), dir.file("ZEP100/3PRF1"));
    // Components that match nothing stay as written: the name of a file to create.
    EXPECT_EQ(GwPath::resolve(GwString(dir.dir() + "Zep100\\New\\b.SLP")),
              dir.file("ZEP100/New/b.SLP"));
    EXPECT_EQ(GwPath::resolve("") + "|" + GwPath::resolve(".\\data") + "|" +
                  GwPath::resolve("help\\"),
              "|./data|help/");
    EXPECT_EQ(GwPath::is_file(GwString(dir.dir() + "Zep100\\3Prf1")) +
                  GwPath::is_directory(GwString(dir.dir() + "ZEP100\\")),
              2);
    EXPECT_EQ(GwPath::exists(GwString(dir.dir() + "ZEP100\\missing")), 0);
    const auto dirs = GwPath::list(GwString(dir.dir()), "zep*", true);
    ASSERT_EQ(dirs.size(), 2u);
    EXPECT_EQ(dirs[0] + "|" + dirs[1], "ZEP100|zep050"); // sorted by bytes
    EXPECT_EQ(GwPath::list(GwString(dir.dir()), "zep*").size(), 3u);
    EXPECT_TRUE(GwPath::list(GwString(dir.file("none")), "*").empty());
}

TEST(GwPath, WildcardsIgnoreCaseAndMatchTheWholeName) {
    EXPECT_EQ(GwPath::matches("zep", "zep*") + GwPath::matches("prt_001.tpl", "*.TPL"), 2);
    EXPECT_EQ(GwPath::matches("azep", "zep*"), 0);
}

// Lines cut at 1023 characters and files found without regard to case are the script and
// report tests'.
TEST(GwLineReader, ReadsLinesWithoutTheirEndsAndAnyBytes) {
    GwLineReader r;
    r.open_text("one\r\ntwo\n\nlast");
    EXPECT_EQ(all_lines(r), "one|two||last|");
    EXPECT_EQ(r.line_number(), 4);
    EXPECT_EQ(r.good(), 0);
    r.open_text(std::string("a\0b\n\xFFz\n", 7));
    EXPECT_EQ(all_lines(r), std::string("a\0b|\xFFz|", 7));
    r.rewind();
    EXPECT_EQ(r.line_number(), 0);
    EXPECT_EQ(all_lines(r).size(), 7u);
    TempDir dir;
    EXPECT_EQ(r.open(GwString(dir.file("missing.txt"))), 0);
    EXPECT_EQ(r.open(GwString(dir.dir())), 0);
    EXPECT_EQ(all_lines(r), "");
}
