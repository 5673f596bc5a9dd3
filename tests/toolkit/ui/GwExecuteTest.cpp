// Starting another program hands it its arguments one by one, with no shell in between.
#include "GwExecute.h"
#include "GwEventLoop.h"
#include "TempDir.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// A program that writes each of its arguments on a line of its own, then "end".
std::string fake_program(const TempDir& dir) {
    const std::string log = dir.file("args.log");
    const std::string path =
        dir.write("fake.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '" + log +
                                 ".tmp'; done\nmv '" + log + ".tmp' '" + log + "'\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

// Waits (bounded) for the program's record, which appears in one piece.
std::string wait_for(const std::string& file) {
    for (int i = 0; i < 200 && !QFileInfo::exists(QString::fromStdString(file)); ++i)
        GwEventLoop::wait_for_events(50);
    return TempDir::read(file);
}

TEST(GwExecute, PassesEveryArgumentVerbatimWithoutAShell) {
    TempDir dir;
    const std::string program = fake_program(dir);
    const std::string odd = dir.dir() + "a\";touch " + dir.dir() + "INJECTED;\".htm";
    ASSERT_EQ(GwExecute::start(program.c_str(), {odd.c_str(), "two words", "$HOME"}), 1);
    EXPECT_EQ(wait_for(dir.file("args.log")), odd + "\ntwo words\n$HOME\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("INJECTED")));
}

TEST(GwExecute, AProgramThatDoesNotExistIsNotStarted) {
    EXPECT_EQ(GwExecute::start("/no/such/program", {"x"}), 0);
    EXPECT_EQ(GwExecute::start("", {}), 0);
}

} // namespace
