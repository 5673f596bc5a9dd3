// The path resolver, the line reader and the atomic writer.
#include "GwAtomicFile.h"
#include "GwLineReader.h"
#include "GwPath.h"
#include "GwStringPrint.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

size_t entries(const TempDir& dir) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir.path()),
                                             std::filesystem::directory_iterator()));
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

TEST(GwPath, WildcardsAndPathParts) {
    EXPECT_EQ(GwPath::matches("zep", "zep*") + GwPath::matches("prt_001.tpl", "*.TPL"), 2);
    EXPECT_EQ(GwPath::matches("azep", "zep*"), 0);
    EXPECT_EQ(GwPath::file_part("c:\\dir\\file.slp") + "|" + GwPath::file_part("/tmp/x") + "|" +
                  GwPath::file_part("plain"),
              "file.slp|x|plain");
    EXPECT_EQ(GwPath::directory_part("c:\\dir\\file.slp") + "|" + GwPath::directory_part("plain"),
              "c:\\dir\\|");
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

// A failed write is the savers' tests' (the settings, the script files).
TEST(GwAtomicFile, ReplacesTheTargetOnlyOnASuccessfulCommit) {
    TempDir dir;
    const std::string target = dir.write("set.slp", "old");
    {
        GwAtomicFile out{GwString(target)};
        ASSERT_EQ(out.is_open(), 1);
        out.stream() << "half";
    }
    EXPECT_EQ(TempDir::read(target), "old") << "no commit: the old file stays";
    {
        GwAtomicFile out{GwString(target)};
        out.stream() << "new contents\n";
        EXPECT_EQ(TempDir::read(target), "old") << "nothing visible before the commit";
        ASSERT_EQ(out.commit(), 1);
    }
    EXPECT_EQ(TempDir::read(target), "new contents\n");
    EXPECT_EQ(entries(dir), 1u) << "no temporary file remains";
    GwAtomicFile fresh(GwString(dir.dir() + "Fresh.RTF"));
    fresh.stream() << "{\\rtf1}";
    ASSERT_EQ(fresh.commit(), 1);
    EXPECT_EQ(TempDir::read(dir.file("Fresh.RTF")), "{\\rtf1}");
    EXPECT_EQ(GwAtomicFile(GwString(dir.dir())).is_open(), 0) << "a directory is no file";
}

TEST(GwAtomicFile, UnwritableDirectoryDoesNotOpen) {
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    if (std::ofstream(dir.file("probe")).is_open())
        GTEST_SKIP() << "this user may write anywhere (root)";
    GwAtomicFile out(GwString(dir.file("x.ini")));
    EXPECT_EQ(out.is_open() + out.commit(), 0);
}
