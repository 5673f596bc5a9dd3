// The program's own windows in a test: the resource file "zepmain" of the build's program
// directory with the program's callback table, the message texts of one interface language,
// and message boxes with a parent. Everything is given back when the object goes.
#pragma once

#include "CErrorHandler.h"
#include "GwCore.h"
#include "GwRcMgr.h"
#include "LanguageGuard.h"
#include "ZepCallbacks.h"

#include <QTreeWidget>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

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
    int loaded() const { return m_messages != nullptr ? 1 : 0; }

private:
    LanguageGuard m_language;
    QWidget m_frame;
    std::unique_ptr<GwCore> m_messages;
};

// The entries of a multi-column list as "direction|text" (the time column left out).
inline std::vector<std::string> entries_of(const QTreeWidget* tree) {
    std::vector<std::string> out;
    for (int i = 0; tree != nullptr && i < tree->topLevelItemCount(); ++i)
        out.push_back(
            (tree->topLevelItem(i)->text(1) + "|" + tree->topLevelItem(i)->text(2)).toStdString());
    return out;
}
