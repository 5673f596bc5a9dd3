// Saving onto a file system that takes no more (a real write error, as a full disk gives one):
// every file the user keeps is written whole or not at all. The earlier file stays as it was,
// no temporary file is left behind, and the caller learns that the save failed.
#include "CFileRepoIf.h"
#include "CScriptPrintMgr.h"
#include "FileSizeLimit.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

TEST(SaveFailure, ARefusedWriteKeepsTheEarlierFileAndIsReported) {
    LanguageGuard english(1);
    ScannerDir templates;
    TempDir target;
    Repo repo = zep100_repo();
    EwRepository* p = repo.get();
    const struct {
        const char* file;
        int failed; // the result of a failed save
        std::function<int(const std::string&)> save;
    } savers[] = {
        {"set.slp", -1,
         [&](const std::string& path) {
             return CFileRepoIf(p, nullptr).repository_to_scriptfile(path, 0);
         }},
        {"report.rtf", -1,
         [&](const std::string& path) {
             return CScriptPrintMgr(p).repository_to_rtffile(path, 0);
         }},
        {"zepmain.ini", 0,
         [&](const std::string&) {
             // Beside the program, and when that fails in the user's configuration directory.
             qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(target.dir() + "config"));
             CInitMgr::m_sProgramDir = GwString(target.dir());
             CInitMgr::m_sInitFn = "zepmain.ini";
             return CInitMgr::WriteInitFile();
         }},
    };
    for (const auto& saver : savers) {
        SCOPED_TRACE(saver.file);
        const std::string path = target.write(saver.file, "earlier\n");
        EXPECT_EQ(run_with_file_size_limit(64, [&] { return saver.save(path); }), saver.failed);
        EXPECT_EQ(TempDir::read(path), "earlier\n");
        // With room enough the same save succeeds: the limit is what failed it.
        EXPECT_EQ(run_with_file_size_limit(1 << 20, [&] { return saver.save(path); }), 1);
        EXPECT_GT(TempDir::read(path).size(), 64u);
    }
    // Nothing else was left behind: no temporary file, and no user copy.
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(target.path()))
        files.insert(entry.path().lexically_relative(target.path()).string());
    EXPECT_EQ(files, (std::set<std::string>{"config", "config/zepsetup", "report.rtf", "set.slp",
                                            "zepmain.ini"}));
}
