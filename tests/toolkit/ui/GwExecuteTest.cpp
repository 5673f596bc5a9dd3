// Starting another program hands it its arguments one by one, with no shell in between.
#include "GwExecute.h"
#include "FakeProgram.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

TEST(GwExecute, PassesEveryArgumentVerbatimWithoutAShell) {
    TempDir dir;
    FakeProgram program(dir, "fake");
    const std::string odd = dir.dir() + "a\";touch " + dir.dir() + "INJECTED;\".htm";
    ASSERT_EQ(GwExecute::start(program.path().c_str(), {odd.c_str(), "two words", "$HOME"}), 1);
    EXPECT_EQ(program.arguments(), odd + "\ntwo words\n$HOME\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("INJECTED")));
    EXPECT_EQ(GwExecute::start("/no/such/program", {"x"}) + GwExecute::start("", {}), 0);
}
