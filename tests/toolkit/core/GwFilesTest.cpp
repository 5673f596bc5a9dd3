// The path resolver, the line reader and the atomic writer.
#include "GwAtomicFile.h"
#include "GwLineReader.h"
#include "GwPath.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

TEST(GwPath, ResolvesBackslashPathsWithoutRegardToCase) {
    TempDir dir;
    dir.write("ZEP100/3PRF1", "x");
    EXPECT_EQ(GwPath::resolve(GwString(dir.dir() + "zep100\\3prf1")), dir.file("ZEP100/3PRF1"));
    EXPECT_EQ(GwPath::is_file(GwString(dir.dir() + "Zep100\\3Prf1")), 1);
    EXPECT_EQ(GwPath::is_directory(GwString(dir.dir() + "ZEP100\\")), 1);
    EXPECT_EQ(GwPath::exists(GwString(dir.dir() + "ZEP100\\missing")), 0);
}

TEST(GwPath, KeepsUnknownComponentsAsWritten) {
    TempDir dir;
    dir.write("Data/a.slp", "x");
    EXPECT_EQ(GwPath::resolve(GwString(dir.dir() + "data\\New\\b.SLP")),
              dir.file("Data/New/b.SLP"));
    EXPECT_EQ(GwPath::resolve(""), "");
    EXPECT_EQ(GwPath::resolve(".\\data"), "./data");
    EXPECT_EQ(GwPath::resolve("help\\"), "help/");
}

TEST(GwPath, ListsMatchingEntriesSorted) {
    TempDir dir;
    dir.write("ZEP200/x", "");
    dir.write("zep100/x", "");
    dir.write("other/x", "");
    dir.write("zepfile", "");
    const auto dirs = GwPath::list(GwString(dir.dir()), "zep*", true);
    ASSERT_EQ(dirs.size(), 2u);
    EXPECT_EQ(dirs[0].str(), "ZEP200");
    EXPECT_EQ(dirs[1].str(), "zep100");
    EXPECT_EQ(GwPath::list(GwString(dir.dir()), "zep*").size(), 3u);
    EXPECT_TRUE(GwPath::list(GwString(dir.file("none")), "*").empty());
}

TEST(GwPath, WildcardsAndPathParts) {
    EXPECT_EQ(GwPath::matches("ZEP100", "zep*"), 1);
    EXPECT_EQ(GwPath::matches("zep", "zep*"), 1);
    EXPECT_EQ(GwPath::matches("azep", "zep*"), 0);
    EXPECT_EQ(GwPath::matches("prt_001.tpl", "*.TPL"), 1);
    EXPECT_EQ(GwPath::matches("ab", "a?"), 1);
    EXPECT_EQ(GwPath::matches("a", "a?"), 0);
    EXPECT_EQ(GwPath::file_part("c:\\dir\\file.slp").str(), "file.slp");
    EXPECT_EQ(GwPath::file_part("/tmp/x").str(), "x");
    EXPECT_EQ(GwPath::file_part("plain").str(), "plain");
    EXPECT_EQ(GwPath::directory_part("c:\\dir\\file.slp").str(), "c:\\dir\\");
    EXPECT_EQ(GwPath::directory_part("plain").str(), "");
}

TEST(GwLineReader, ReadsLinesWithoutTheirEnds) {
    GwLineReader r;
    r.open_text("one\r\ntwo\n\nlast");
    GwString line;
    ASSERT_EQ(r.read_line(line), 1);
    EXPECT_EQ(line.str(), "one");
    ASSERT_EQ(r.read_line(line), 1);
    EXPECT_EQ(line.str(), "two");
    ASSERT_EQ(r.read_line(line), 1);
    EXPECT_EQ(line.str(), "");
    ASSERT_EQ(r.read_line(line), 1);
    EXPECT_EQ(line.str(), "last");
    EXPECT_EQ(r.line_number(), 4);
    EXPECT_EQ(r.read_line(line), 0);
    EXPECT_EQ(line.str(), "");
    EXPECT_EQ(r.good(), 0);
}

TEST(GwLineReader, CutsLongLinesAt1023AndGoesOnWithTheNextLine) {
    GwLineReader r;
    r.open_text(std::string(1023, 'a') + "\n" + std::string(1024, 'b') + "\r\n" +
                std::string(3000, 'c') + "Z\nnext\n");
    GwString line;
    ASSERT_EQ(r.read_line(line), 1);
    EXPECT_EQ(line.len(), 1023);
    ASSERT_EQ(r.read_line(line), 1);
    EXPECT_EQ(line.str(), std::string(1023, 'b'));
    ASSERT_EQ(r.read_line(line), 1);
    EXPECT_EQ(line.str(), std::string(1023, 'c'));
    ASSERT_EQ(r.read_line(line), 1);
    EXPECT_EQ(line.str(), "next");
    EXPECT_EQ(r.read_line(line), 0);
}

TEST(GwLineReader, RewindStartsOverAndBinaryBytesSurvive) {
    GwLineReader r;
    r.open_text(std::string("a\0b\n\xFFz\n", 7));
    GwString line;
    r.read_line(line);
    EXPECT_EQ(line.len(), 3);
    r.read_line(line);
    EXPECT_EQ(line.str(), "\xFFz");
    r.rewind();
    EXPECT_EQ(r.line_number(), 0);
    ASSERT_EQ(r.read_line(line), 1);
    EXPECT_EQ(line[2], 'b');
}

TEST(GwLineReader, MissingFileOrDirectoryDoesNotOpen) {
    TempDir dir;
    GwLineReader r;
    EXPECT_EQ(r.open(GwString(dir.file("missing.txt"))), 0);
    EXPECT_EQ(r.is_open(), 0);
    EXPECT_EQ(r.open(GwString(dir.dir())), 0);
    GwString line;
    EXPECT_EQ(r.read_line(line), 0);
    dir.write("Some.TXT", "x\n");
    EXPECT_EQ(r.open(GwString(dir.dir() + "some.txt")), 1);
}

TEST(GwAtomicFile, CommitReplacesTheTarget) {
    TempDir dir;
    const std::string target = dir.write("set.slp", "old");
    {
        GwAtomicFile out{GwString(target)};
        ASSERT_EQ(out.is_open(), 1);
        out.stream() << "new contents\n";
        EXPECT_EQ(TempDir::read(target), "old"); // nothing visible before the commit
        ASSERT_EQ(out.commit(), 1);
    }
    EXPECT_EQ(TempDir::read(target), "new contents\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(GwAtomicFile, WithoutCommitTheOldFileStaysAndNoTemporaryRemains) {
    TempDir dir;
    const std::string target = dir.write("set.slp", "old");
    {
        GwAtomicFile out{GwString(target)};
        out.stream() << "half";
    }
    EXPECT_EQ(TempDir::read(target), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(GwAtomicFile, AFailedWriteLeavesTheOldFile) {
    TempDir dir;
    const std::string target = dir.write("set.slp", "old");
    GwAtomicFile::fail_writes_after(4);
    GwAtomicFile out{GwString(target)};
    GwAtomicFile::fail_writes_after(-1);
    out.stream() << "more than four bytes";
    EXPECT_EQ(out.commit(), 0);
    EXPECT_EQ(TempDir::read(target), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(GwAtomicFile, UnwritableDirectoryDoesNotOpen) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write anywhere";
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    GwAtomicFile out(GwString(dir.file("x.ini")));
    EXPECT_EQ(out.is_open(), 0);
    EXPECT_EQ(out.commit(), 0);
}

TEST(GwAtomicFile, CreatesANewFileAndRejectsADirectoryName) {
    TempDir dir;
    GwAtomicFile out(GwString(dir.dir() + "Fresh.RTF"));
    out.stream() << "{\\rtf1}";
    ASSERT_EQ(out.commit(), 1);
    EXPECT_EQ(TempDir::read(dir.file("Fresh.RTF")), "{\\rtf1}");
    GwAtomicFile bad(GwString(dir.dir()));
    EXPECT_EQ(bad.is_open(), 0);
}
