// Pictures of the terminal (with traffic in it) and the two port dialogs in each interface
// language, for a person to look at: cut texts, overlaps, missing units. Runs only when
// ZEP_SCREENSHOT_DIR names a directory (tests/screenshots.sh, under a virtual X server).
#include "../comm/CommTestSupport.h"
#include "CAutoBaudDetect.h"
#include "CAutoBaudDlgMgr.h"
#include "CComDlgMgr.h"
#include "CTerminal.h"
#include "EventWait.h"
#include "GwEventLoop.h"
#include "GwMultiColumnScrolledList.h"
#include "ProgramWindows.h"

#include <QDir>
#include <QFontInfo>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class WindowScreenshots : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        const char* dir = std::getenv("ZEP_SCREENSHOT_DIR");
        if (dir == nullptr || *dir == '\0')
            GTEST_SKIP() << "ZEP_SCREENSHOT_DIR not set";
        m_out = QDir(QString::fromLocal8Bit(dir));
        m_windows = std::make_unique<ProgramWindows>(GetParam());
        reset_sim("wire=off;delay=0");
        m_driver = std::make_unique<TestDriver>();
        (*m_driver)->set_lookup(5);
        (*m_driver)->initialise("SIM", "9600,N,8,1");
        (*m_driver)->set_mode(1);
    }
    void TearDown() override { CSimPort::ResetDevice(); }
    void save(GwCore* window, const std::string& name) {
        window->show();
        for (int i = 0; i < 5; ++i)
            GwEventLoop::process_pending();
        EXPECT_FALSE(QFontInfo(window->widget()->font()).family().isEmpty());
        const std::string file = name + "_" + std::to_string(GetParam()) + ".png";
        EXPECT_TRUE(window->widget()->grab().save(m_out.filePath(file.c_str())));
        window->hide();
    }

    QDir m_out;
    CommSettings m_settings;
    std::unique_ptr<ProgramWindows> m_windows;
    std::unique_ptr<TestDriver> m_driver;
};

TEST_P(WindowScreenshots, TerminalAndPortDialogs) {
    CTerminal terminal("DlgTerminal", ProgramWindows::file(), ZepCallbackTable(), nullptr);
    GwCore* window = terminal.Window();
    window->show();
    for (const char* command : {"W0", "W1", "WER", "H0E\"NO<E4>READ\"", "WH0E"}) {
        const int before = terminal.List()->item_count();
        window->child("WHAT")->set_text(command);
        window->child("ID_SEND")->click();
        WaitFor([&] { return terminal.List()->item_count() == before + 2; }, 300);
    }
    window->child("ID_EVAL")->click();
    WaitFor([&] { return terminal.List()->item_count() >= 12; }, 3000);
    window->child("ID_EVAL")->click();
    save(window, "terminal");

    CInitMgr::m_sComParity = "e";
    CComDlgMgr com("COM Parameter", ProgramWindows::file(), ZepCallbackTable(), nullptr);
    save(com.Window(), "com_parameter");

    reset_sim("19200,E,7,1;wire=off;delay=0");
    CAutoBaudDetect::SetProbeTimeoutHook([](int) { return 10; });
    CAutoBaudDlgMgr baud("Auto Baud Detect", ProgramWindows::file(), ZepCallbackTable(), nullptr);
    baud.Window()->show();
    WaitFor([&] { return baud.State() == CAutoBaudDlgMgr::kFound; }, 5000);
    save(baud.Window(), "auto_baud");
    CAutoBaudDetect::SetProbeTimeoutHook({});
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowScreenshots, testing::Values(1, 49, 33),
                         testing::PrintToStringParamName());

} // namespace
