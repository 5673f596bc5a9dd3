#include "ZepProgram.h"

#include "CApplFrameMgr.h"
#include "CDriver.h"
#include "CErrorHandler.h"
#include "CInitMgr.h"
#include "CScanRepoIf.h"
#include "CSplashScreen.h"
#include "CTestScript.h"
#include "GwCore.h"
#include "GwFileSelector.h"
#include "GwQt.h"
#include "GwRcMgr.h"
#include "ZepCallbacks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

GwString ZepProgram::VersionText() {
    return GwString("V 1.1") + (sizeof(void*) == 8 ? " - 64 Bit" : " - 32 Bit");
}

GwString ZepProgram::ProgramDir() {
    return GwQt::gs(QCoreApplication::applicationDirPath()) + "/";
}

void ZepProgram::ApplyFirstStartDefaults() {
    struct Default {
        GwString* setting;
        const char* value;
    };
    const Default defaults[] = {{&CInitMgr::m_sComID, "SIM"},
                                {&CInitMgr::m_sComBaudrate, "9600"},
                                {&CInitMgr::m_sComParity, "N"},
                                {&CInitMgr::m_sComDatabits, "8"},
                                {&CInitMgr::m_sComStopbits, "1"}};
    for (const Default& d : defaults)
        if (d.setting->is_empty())
            *d.setting = d.value;
}

namespace {

// The main window at the top of the screen, in the middle: the parameter dialog goes below it.
void place(GwCore* main) {
    QWidget* w = main->widget();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (w == nullptr || screen == nullptr)
        return;
    const QRect free = screen->availableGeometry();
    w->move(free.x() + std::max(0, (free.width() - w->width()) / 2), free.y());
}

} // namespace

int ZepProgram::Run(const std::vector<GwString>& arguments) {
    const GwString version = VersionText();
    const GwString dir = ProgramDir();
    CSplashScreen::Open(dir + "splash.svg", "Version " + version);
    // A start file named relative to where the program was started from.
    GwString start_file;
    if (arguments.size() > 1 && arguments[1].not_null())
        start_file = GwFileSelector::stored_form(
            GwQt::gs(QFileInfo(GwQt::qs(arguments[1])).absoluteFilePath()));
    QDir::setCurrent(GwQt::qs(dir));
    CInitMgr::Init(GwQt::gs(QCoreApplication::applicationFilePath()), version);
    ApplyFirstStartDefaults();

    const GwFuncDesc* table = ZepCallbackTable();
    GwRcMgr::use_func_desc(table);
    auto frame = std::make_unique<CApplFrameMgr>(nullptr, "ZEP Utility", dir + "zepmain", table);
    GwCore* main = frame->Window();
    if (main == nullptr) {
        CSplashScreen::Close();
        std::fprintf(stderr,
                     "zepmain: the main window \"ZEP Utility\" could not be built from %s\n",
                     (dir + "zepmain.cgw").cc());
        return 1;
    }
    place(main);
    // The About dialog lives as long as the main window (its parent).
    if (GwCore* about = GwRcMgr::load("About", main))
        if (GwCore* label = about->child("version_label"))
            label->set_text(version);
    CErrorHandler::init(main, GwRcMgr::load("Error_Warnings", main));

    g_pcoDriver = new CDriver(CInitMgr::m_bSerialDump);
    auto transfer = std::make_unique<CScanRepoIf>(main);
    frame->SetTransfer(transfer.get());
    frame->SetStartFile(start_file);
    if (const char* script = std::getenv("ZEP_TEST_SCRIPT"); script != nullptr && *script != '\0')
        CTestScript::Start(frame.get(), script);

    main->go();

    CInitMgr::EndIt();
    CSplashScreen::Close();
    transfer.reset();
    delete g_pcoDriver;
    g_pcoDriver = nullptr;
    frame.reset();
    CErrorHandler::cleanup();
    CErrorHandler::_appfrm = nullptr;
    return 0;
}
