// The program's own windows in a test: the resource file "zepmain" of the build's program
// directory with the program's callback table, the message texts of one interface language,
// and message boxes with a parent. Everything is given back when the object goes.
#pragma once

#include "CErrorHandler.h"
#include "GwCore.h"
#include "GwRcMgr.h"
#include "LanguageGuard.h"
#include "ZepCallbacks.h"

#include <QWidget>

#include <memory>

class ProgramWindows {
public:
    explicit ProgramWindows(int language = 1) : m_language(language) {
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
    LanguageGuard m_language;
    QWidget m_frame;
    std::unique_ptr<GwCore> m_messages;
};
