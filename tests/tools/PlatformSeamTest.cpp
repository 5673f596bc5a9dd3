// Windows stays within reach: a POSIX header is included only by a platform part (a file named
// *_unix.cpp, whose *_win.cpp twin the Windows build takes), by zepsim (the simulator on a
// pseudo-terminal, Unix only) and by the test helpers that make pseudo-terminals and file
// size limits.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

bool allowed(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    return (name.size() > 9 && name.compare(name.size() - 9, 9, "_unix.cpp") == 0) ||
           path.rfind("tools/zepsim/", 0) == 0 || path == "tests/support/PtyPair.h" ||
           path == "tests/support/FileSizeLimit.h";
}

TEST(PlatformSeams, PosixHeadersOnlyInThePlatformParts) {
    const std::regex posix(R"(^\s*#\s*include\s*<(unistd|fcntl|termios|pty|dirent|pwd|grp|poll|)"
                           R"(dlfcn|signal|sys/[a-z_]+)\.h>)");
    const std::filesystem::path top = ZEP_SOURCE_DIR;
    std::vector<std::string> outside;
    int seams = 0; // includes seen in the places that may have them
    for (const char* dir : {"toolkit", "zepdll", "zepmain", "tools", "tests", "bench", "fuzz"}) {
        if (!std::filesystem::exists(top / dir))
            continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(top / dir)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h"))
                continue;
            const std::string path = entry.path().lexically_relative(top).generic_string();
            std::ifstream in(entry.path());
            for (std::string line; std::getline(in, line);) {
                if (!std::regex_search(line, posix))
                    continue;
                if (allowed(path))
                    ++seams;
                else
                    outside.push_back(path + ": " + line);
            }
        }
    }
    EXPECT_EQ(outside, std::vector<std::string>{});
    EXPECT_GE(seams, 4) << "the pattern finds the includes of the platform parts";
}

} // namespace
