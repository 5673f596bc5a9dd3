// The program's main window in a test, built as the program builds it (ZepProgram::Run) but
// in a program directory of the test's own: the build's layouts, icons and help pages are
// linked in, the scanner type ZEP100 is copied (a test may change its files or add types),
// and the settings file is the directory's own. The settings start as a technician's with
// the simulated scanner: port SIM at 9600,N,8,1, no welcome dialog, no connection at start,
// English; the in-process scanner is a fresh one that answers at once.
#pragma once

#include "CApplFrameMgr.h"
#include "CDriver.h"
#include "CErrorHandler.h"
#include "CInitMgr.h"
#include "CMainDlgMgr.h"
#include "CScanRepoIf.h"
#include "CSimOptions.h"
#include "CSimPort.h"
#include "CSplashScreen.h"
#include "EventWait.h"
#include "EwRepository.h"
#include "GwCore.h"
#include "GwRcMgr.h"
#include "GwScriptedAnswers.h"
#include "GwStringPrint.h"
#include "LanguageGuard.h"
#include "TempDir.h"
#include "ZepCallbacks.h"

#include <QDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// A program directory: everything of the build's, with ZEP100 as a copy of its own.
class ProgramDir {
public:
    explicit ProgramDir(bool with_types = true) {
        for (const auto& entry : fs::directory_iterator(ZEP_PROGRAM_DIR)) {
            const std::string name = entry.path().filename().string();
            if (name == "zepmain.ini" || name == "ser_dump.txt")
                continue;
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

class FrameUnderTest {
public:
    explicit FrameUnderTest(const ProgramDir& program, const std::string& sim = "delay=0;wire=off",
                            int language = 1)
        : m_language(language), m_sDir(program.dir()), m_sSavedDir(QDir::currentPath()),
          m_oSavedConfig(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(program.dir() + "config"));
        QDir::setCurrent(QString::fromStdString(m_sDir));
        CSimOptions options;
        GwString error;
        EXPECT_TRUE(options.Parse(sim.c_str(), error)) << error.str();
        CSimPort::ResetDevice(options);
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
    void start(const GwString& start_file = GwString()) {
        m_pFrame->SetStartFile(start_file);
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
    void edit(const char* id, const char* text) {
        GwCore* control = dialog()->child(id);
        ASSERT_NE(control, nullptr) << id;
        control->set_text(text);
        GwEvent activate(GwACTIVATE);
        control->fire(GwCB_ACTIVATE, &activate);
    }

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

// The texts of the message boxes shown so far.
inline std::vector<std::string> box_texts() {
    std::vector<std::string> texts;
    for (const auto& shown : GwScriptedAnswers::shown())
        if (shown.kind == GwScriptedAnswers::Box)
            texts.push_back(shown.text.str());
    return texts;
}
