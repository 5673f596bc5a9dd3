// Helpers of the window tests: the ZEP100 repository with its factory defaults in the current
// interface language, and the parameter dialog built from the program directory's layout
// under the program's callback table.
#pragma once

#include "CFileRepoIf.h"
#include "CMainDlgMgr.h"
#include "CScanRepoBuilder.h"
#include "EwRepository.h"
#include "GwCore.h"
#include "GwRcMgr.h"
#include "ZepCallbacks.h"

#include <gtest/gtest.h>

#include <memory>

#define ZEP100_DIR ZEP_PROGRAM_DIR "/ZEP100/"

// ZEP100's repository, built in the current language; with the factory defaults loaded when
// defaults is set (otherwise every value is the profile's default).
inline std::unique_ptr<EwRepository> zep100_repository(bool defaults = true) {
    EwRepository* repo = CScanRepoBuilder().build_repo(ZEP100_DIR "Profile.zep");
    if (repo != nullptr && defaults) {
        CFileRepoIf files(repo, nullptr);
        EXPECT_EQ(files.commandfile_to_repository(ZEP100_DIR "3PRF1", 0), 1);
        repo->ResetChanged();
    }
    return std::unique_ptr<EwRepository>(repo);
}

// The parameter dialog of a layout file (by default ZEP100's) on repo; the file is released
// again when the dialog goes.
class DialogUnderTest {
public:
    explicit DialogUnderTest(EwRepository* repo, const char* file = ZEP100_DIR "ZEP100")
        : m_file(file),
          m_dialog(new CMainDlgMgr(repo, "Main Dialog", file, ZepCallbackTable(), nullptr)) {}
    ~DialogUnderTest() {
        m_dialog.reset();
        GwRcMgr::unuse(m_file);
    }
    DialogUnderTest(const DialogUnderTest&) = delete;
    DialogUnderTest& operator=(const DialogUnderTest&) = delete;

    CMainDlgMgr& operator*() const { return *m_dialog; }
    CMainDlgMgr* operator->() const { return m_dialog.get(); }
    GwCore* window() const { return m_dialog->Window(); }
    GwCore* child(const char* id) const { return window()->child(id); }

private:
    GwString m_file;
    std::unique_ptr<CMainDlgMgr> m_dialog;
};
