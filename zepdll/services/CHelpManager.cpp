#include "CHelpManager.h"

#include "CErrorHandler.h"
#include "CInitMgr.h"
#include "GwCore.h"
#include "GwExecute.h"
#include "GwFileSelector.h"
#include "GwPath.h"
#include "GwQt.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

GwString CHelpManager::HelpSubDir;
GwString CHelpManager::HtmlBrowser;
#if defined(Q_OS_WIN)
std::vector<GwString> CHelpManager::DefaultOpeners;
#elif defined(Q_OS_MACOS)
std::vector<GwString> CHelpManager::DefaultOpeners = {"open"};
#else
std::vector<GwString> CHelpManager::DefaultOpeners = {"xdg-open"};
#endif

GwString CHelpManager::page_path(const GwString& page) {
    if (HelpSubDir.is_empty())
        HelpSubDir = "\\help\\engl\\";
    const GwString dir = CInitMgr::program_dir() + HelpSubDir;
    GwString name = page;
    if (name.is_empty() || GwPath::is_file(dir + name) == 0)
        name = "home.htm";
    // Absolute, so that a page name can never look like an option of the browser.
    return GwQt::gs(
        QFileInfo(QString::fromStdString(GwPath::resolve(dir + name))).absoluteFilePath());
}

int CHelpManager::start_browser(const GwString& command, const GwString& page) {
    // A chosen program path may hold blanks; a command with options is split like a command
    // line, but only the browser's own part: the page stays one argument.
    if (GwPath::is_file(command) != 0)
        return GwExecute::start(command, {page});
    const QStringList parts = QProcess::splitCommand(GwQt::qs(command));
    if (parts.isEmpty())
        return 0;
    std::vector<GwString> args;
    for (qsizetype i = 1; i < parts.size(); ++i)
        args.push_back(GwQt::gs(parts.at(i)));
    args.push_back(page);
    return GwExecute::start(GwQt::gs(parts.first()), args);
}

int CHelpManager::start_default(const GwString& page) {
    for (const GwString& opener : DefaultOpeners)
        if (GwExecute::start(opener, {page}) != 0)
            return 1;
#if defined(Q_OS_WIN)
    if (DefaultOpeners.empty() && QDesktopServices::openUrl(QUrl::fromLocalFile(GwQt::qs(page))))
        return 1;
#endif
    return 0;
}

int CHelpManager::ContextHelp(GwCore* window, GwEvent* /*event*/, const GwUD& data) {
    const GwString page = page_path(data.text());
    if (HtmlBrowser.not_null()) {
        if (start_browser(HtmlBrowser, page) != 0)
            return 1;
        // A browser that is gone would otherwise fail silently on every request.
        CErrorHandler::show_error(CErrorHandler::error_msg(2, 0));
        HtmlBrowser.clear();
    }
    if (start_default(page) != 0)
        return 1;
    HtmlBrowser = FindBrowser(window);
    if (HtmlBrowser.not_null() && start_browser(HtmlBrowser, page) == 0) {
        CErrorHandler::show_error(CErrorHandler::error_msg(2, 0));
        HtmlBrowser.clear();
    }
    return 1;
}

int CHelpManager::SetBrowser(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    const GwString browser = FindBrowser(window);
    if (browser.not_null())
        HtmlBrowser = browser;
    return 0;
}

GwString CHelpManager::FindBrowser(GwCore* window) {
    GwCore* frame = window != nullptr ? window->frame() : nullptr;
    GwCore* dialog = frame != nullptr ? frame->child("Main Dialog") : nullptr;
    if (dialog != nullptr)
        dialog->disable();
#if defined(Q_OS_WIN)
    const GwString start = "c:\\";
    const GwString filter = "*.exe";
#else
    // Programs here carry no extension; start where browsers live.
    const GwString start = GwPath::is_directory("/usr/bin") != 0 ? "/usr/bin" : "c:\\";
    const GwString filter = "*";
#endif
    GwFileSelector selector(frame, start, filter, 0, CErrorHandler::warning(40, 0));
    GwString path;
    const int chosen = selector.go(path);
    if (dialog != nullptr)
        dialog->enable();
    return chosen != 0 ? path : GwString();
}
