// Helpers of the window tests. The ZEP100 repository and parameter dialog built from the
// build's program directory; the program's own windows (resource file "zepmain", its callback
// table and message texts); and the main window in a test, built as the program builds it
// (ZepProgram::Run) but in a program directory of the test's own: the build's layouts, icons
// and help pages are linked in, the scanner type ZEP100 is copied (a test may change its files
// or add types), and the settings file is the directory's own. The frame's settings start as a
// technician's with the simulated scanner: port SIM at 9600,N,8,1, no welcome dialog, no
// connection at start, English; the in-process scanner is a fresh one that answers at once.
#pragma once

#include "../comm/CommTestSupport.h"
#include "CApplFrameMgr.h"
#include "CErrorHandler.h"
#include "CFileRepoIf.h"
#include "CInitMgr.h"
#include "CMainDlgMgr.h"
#include "CSplashScreen.h"
#include "EventWait.h"
#include "GwRcMgr.h"
#include "LanguageGuard.h"
#include "TempDir.h"
#include "ZepCallbacks.h"

#include <QDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

#define ZEP100_DIR ZEP_PROGRAM_DIR "/ZEP100/"

// ZEP100's repository, built in the current language, with the factory defaults loaded.
inline std::unique_ptr<EwRepository> zep100_repository() {
    std::unique_ptr<EwRepository> repo = zep100_repo();
    if (EwRepository* loaded = repo.get()) {
        CFileRepoIf files(loaded, nullptr); // holds a reference to the pointer
        EXPECT_EQ(files.commandfile_to_repository(ZEP100_DIR "3PRF1", 0), 1);
        repo->ResetChanged();
    }
    return repo;
}

// The user edits a control of a dialog: its text, then the activation the layout binds.
inline void edit_control(GwCore* dialog, const char* id, const char* text) {
    GwCore* control = dialog->child(id);
    ASSERT_NE(control, nullptr) << id;
    control->set_text(text);
    GwEvent activate(GwACTIVATE);
    control->fire(GwCB_ACTIVATE, &activate);
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

    CMainDlgMgr* operator->() const { return m_dialog.get(); }
    GwCore* window() const { return m_dialog->Window(); }
    GwCore* child(const char* id) const { return window()->child(id); }

private:
    GwString m_file;
    std::unique_ptr<CMainDlgMgr> m_dialog;
};

// The program's windows without its main window, with the settings a connection reads (see
// CommSettings); released and restored again when the object goes.
class ProgramWindows {
public:
    ProgramWindows() {
        GwRcMgr::use(file());
        GwRcMgr::use_func_desc(ZepCallbackTable());
        m_messages.reset(GwRcMgr::load("Error_Warnings", GwCore::of(&m_frame)));
        CErrorHandler::init(GwCore::of(&m_frame), m_messages.get());
    }
    ~ProgramWindows() {
        CErrorHandler::cleanup();
        CErrorHandler::_appfrm = nullptr;
        m_messages.reset();
        GwRcMgr::unuse(file());
    }
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    static GwString file() { return ZEP_PROGRAM_DIR "/zepmain"; }

private:
    LanguageGuard m_language{1};
    CommSettings m_settings;
    QWidget m_frame;
    std::unique_ptr<GwCore> m_messages;
};

// A program directory: everything of the build's, with ZEP100 as a copy of its own; the
// program itself copied as program_as when that is given (it must find its directory then).
class ProgramDir {
public:
    explicit ProgramDir(bool with_types = true, const std::string& program_as = "") {
        for (const auto& entry : fs::directory_iterator(ZEP_PROGRAM_DIR)) {
            const std::string name = entry.path().filename().string();
            if (name == "zepmain.ini" || name == "ser_dump.txt")
                continue;
            if (name == "zepmain" && !program_as.empty()) {
                fs::copy_file(entry.path(), m_dir.path() / program_as);
                continue;
            }
            if (name == "ZEP100") {
                if (with_types)
                    fs::copy(entry.path(), m_dir.path() / name, fs::copy_options::recursive);
                continue;
            }
            fs::create_symlink(entry.path(), m_dir.path() / name);
        }
    }
    // A copy of ZEP100 named name, without the files listed (names as in ZEP100).
    void add_type(const std::string& name, const std::vector<std::string>& without = {}) const {
        const fs::path to = m_dir.path() / name;
        fs::copy(m_dir.path() / "ZEP100", to, fs::copy_options::recursive);
        fs::rename(to / "ZEP100.cgw", to / (name + ".cgw"));
        for (const std::string& file : without)
            fs::remove(to / (file == "ZEP100.cgw" ? name + ".cgw" : file));
    }
    std::string dir() const { return m_dir.dir(); }
    std::string file(const std::string& name) const { return m_dir.file(name); }
    std::string write(const std::string& name, const std::string& text) const {
        return m_dir.write(name, text);
    }

private:
    TempDir m_dir;
};

// The main window, built as the program builds it, in program's directory.
class FrameUnderTest {
public:
    explicit FrameUnderTest(const ProgramDir& program, const std::string& sim = "delay=0;wire=off",
                            int language = 1)
        : m_language(language), m_sDir(program.dir()), m_sSavedDir(QDir::currentPath()),
          m_oSavedConfig(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(program.dir() + "config"));
        QDir::setCurrent(QString::fromStdString(m_sDir));
        reset_sim(sim);
        CInitMgr::SetDefaults();
        CInitMgr::Init(GwString(m_sDir) + "zepmain", "V 1.1 - 64 Bit");
        const std::pair<GwString*, const char*> settings[] = {
            {&CInitMgr::m_sComID, "SIM"},     {&CInitMgr::m_sComBaudrate, "9600"},
            {&CInitMgr::m_sComParity, "N"},   {&CInitMgr::m_sComDatabits, "8"},
            {&CInitMgr::m_sComStopbits, "1"}, {&CInitMgr::m_sComStartRx, "02"},
            {&CInitMgr::m_sComStopRx, "03"},  {&CInitMgr::m_sComStartTx, "02"},
            {&CInitMgr::m_sComStopTx, "03"}};
        for (const auto& [field, value] : settings)
            *field = value;
        CInitMgr::_WelcomeScreen = 0;
        CInitMgr::_ImmediateConnect = 0;
        GwRcMgr::use_func_desc(ZepCallbackTable());
        m_pFrame = std::make_unique<CApplFrameMgr>(
            nullptr, "ZEP Utility", GwString(m_sDir) + "zepmain", ZepCallbackTable());
        main = m_pFrame->Window();
        if (main == nullptr) {
            ADD_FAILURE() << "the main window was not built";
            return;
        }
        CErrorHandler::init(main, GwRcMgr::load("Error_Warnings", main));
        g_pcoDriver = new CDriver(0);
        m_pTransfer = std::make_unique<CScanRepoIf>(main);
        m_pFrame->SetTransfer(m_pTransfer.get());
    }
    ~FrameUnderTest() {
        m_pTransfer.reset();
        delete g_pcoDriver;
        g_pcoDriver = nullptr;
        m_pFrame.reset();
        CErrorHandler::cleanup();
        CErrorHandler::_appfrm = nullptr;
        GwRcMgr::unuse(GwString(m_sDir) + "zepmain");
        CSplashScreen::Close();
        CInitMgr::SetDefaults();
        CSimPort::ResetDevice();
        QDir::setCurrent(m_sSavedDir);
        if (m_oSavedConfig.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_oSavedConfig);
    }
    FrameUnderTest(const FrameUnderTest&) = delete;
    FrameUnderTest& operator=(const FrameUnderTest&) = delete;

    // Shows the main window and waits until its start-up is done.
    void start() {
        main->show();
        EXPECT_TRUE(WaitFor([this]() { return m_pFrame->StartedUp() != 0; }));
    }
    // Starts with the type ZEP100 selected from the list, without connecting.
    void start_with_zep100() {
        start();
        select_type("ZEP100");
        ASSERT_EQ(frame().TypeName(), "ZEP100");
    }
    // The user picks a type in the list.
    void select_type(const char* name) {
        GwCore* list = child("SCANNER_TYPE");
        list->select_item(list->find_item(name));
        GwEvent picked(GwACTIVATE);
        list->fire(GwCB_ACTIVATE, &picked);
    }
    // The user chooses a menu item or tool button.
    void click(const char* id) {
        GwCore* element = child(id);
        ASSERT_NE(element, nullptr) << id;
        element->click();
    }
    // The command behind an element, also while the element is disabled.
    void command(const char* id) {
        GwCore* element = child(id);
        ASSERT_NE(element, nullptr) << id;
        GwEvent activate(GwACTIVATE);
        element->fire(GwCB_ACTIVATE, &activate);
    }
    // The user edits a control of the parameter dialog.
    void edit(const char* id, const char* text) { edit_control(dialog(), id, text); }

    CApplFrameMgr& frame() const { return *m_pFrame; }
    CScanRepoIf& transfer() const { return *m_pTransfer; }
    EwRepository* repo() const { return m_pFrame->Repository(); }
    GwCore* dialog() const {
        return m_pFrame->MainDialog() != nullptr ? m_pFrame->MainDialog()->Window() : nullptr;
    }
    GwCore* child(const char* id) const { return main->child(id); }
    GwString value(const char* name) const { return repo()->value(name, 0); }

    GwCore* main = nullptr;

private:
    LanguageGuard m_language;
    std::string m_sDir;
    QString m_sSavedDir;
    QByteArray m_oSavedConfig;
    std::unique_ptr<CApplFrameMgr> m_pFrame;
    std::unique_ptr<CScanRepoIf> m_pTransfer;
};

// Whether the file at path holds text.
inline bool holds(const std::string& path, const std::string& text) {
    return TempDir::read(path).find(text) != std::string::npos;
}
