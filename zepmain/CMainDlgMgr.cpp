#include "CMainDlgMgr.h"

#include "CMainPage1.h"
#include "CMainPage2.h"
#include "CMainPage3.h"
#include "CMainPage4.h"
#include "CUtils.h"
#include "EwCtrlVw.h"
#include "EwRepository.h"
#include "GwCore.h"
#include "GwEvent.h"
#include "GwRcMgr.h"
#include "GwSound.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <memory>

namespace {

// The parameter dialog lives as long as its scanner type: the Escape key, which would hide
// a dialog window, is kept from it.
class KeepOpen : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        return event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    }
};

} // namespace

CMainDlgMgr::CMainDlgMgr(EwRepository* repository, const GwString& resource, const GwString& file,
                         const GwFuncDesc* table, GwCore* parent)
    : EwDialogSatz(repository, resource, file, table, parent) {
    GwCore* window = Window();
    if (window == nullptr)
        return;
    if (window->child("Reading") != nullptr)
        m_coPages[-1] = new CMainPage1(window, repository);
    if (window->child("Device") != nullptr)
        m_coPages[-1] = new CMainPage2(window, repository);
    if (window->child("Code") != nullptr)
        m_coPages[-1] = new CMainPage3(window, repository);
    if (window->child("Host") != nullptr)
        m_coPages[-1] = new CMainPage4(window, repository);
    FillChoiceLists();
    if (QWidget* w = window->widget(); w != nullptr && w->isWindow()) {
        // No close button either: the frame hides the dialog when the type changes.
        w->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        w->installEventFilter(new KeepOpen(w));
    }
}

CMainDlgMgr::~CMainDlgMgr() = default;

int CMainDlgMgr::Show(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (window != nullptr)
        window->stop_timer();
    if (EwPage* page = FindPage(window))
        page->ShowPage(m_pRepository);
    else
        ShowDialog();
    return 1;
}

int CMainDlgMgr::StoreActivePage() {
    GwCore* window = Window();
    GwCore* tabs = window != nullptr ? window->child("TabCtl") : nullptr;
    EwPage* page = tabs != nullptr ? FindPage(tabs->active_page()) : nullptr;
    if (page == nullptr) {
        GwSound::beep();
        return 0;
    }
    return page->StorePage(m_pRepository);
}

void CMainDlgMgr::RefreshTitle() {
    GwCore* window = Window();
    GwCore* frame = window != nullptr ? window->frame() : nullptr;
    if (frame == nullptr)
        return;
    GwString title = frame->title();
    if (!title.ends_with("]"))
        return; // no file name in the title yet: nothing to mark
    const bool marked = title.ends_with(" *]");
    const bool changed = m_pRepository != nullptr && m_pRepository->HasChanged() != 0;
    if (changed && !marked)
        title = title(0, title.len() - 2) + " *]";
    else if (!changed && marked)
        title = title(0, title.len() - 4) + "]";
    else
        return;
    frame->set_title(title);
}

void CMainDlgMgr::RefreshTitleAndPage() {
    RefreshTitle();
    GwCore* window = Window();
    GwCore* tabs = window != nullptr ? window->child("TabCtl") : nullptr;
    EwPage* page = tabs != nullptr ? FindPage(tabs->active_page()) : nullptr;
    if (page == nullptr || page->Window() == nullptr) {
        GwSound::beep();
        return;
    }
    for (GwCore* control : page->Window()->descendants())
        if (control->has_callback(GwCB_TIMER))
            control->start_timer(300);
}

int CMainDlgMgr::Save_CB(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (EwPage* page = FindPage(window))
        page->StorePage(m_pRepository);
    else
        StoreDialog();
    return 1;
}

int CMainDlgMgr::WriteRead_CB(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    EwPage* page = FindPage(window);
    if (page == nullptr) {
        StoreDialog();
        ShowDialog();
    } else if (window->is_a(GwTOGGLEBUTTON_CLASS)) {
        page->StorePage(m_pRepository);
        page->ShowPage(m_pRepository);
    } else if (m_pRepository != nullptr) {
        const GwString name = window->id();
        if (EwCtrlVw* control = page->FindControl(name)) {
            m_pRepository->set_value(name, control->GetValue(), 0);
            control->ShowValue(m_pRepository->value(name, 0));
        }
    }
    RefreshTitleAndPage();
    return 1;
}

int CMainDlgMgr::UpdateActivePage_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    RefreshTitleAndPage();
    return 1;
}

int CMainDlgMgr::WriteReadRange_CB(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (window == nullptr)
        return 1;
    window->stop_timer();
    // Text typed since the field was last shown is not finished yet: its WriteRead_CB comes
    // first and starts this timer again.
    if (auto* edit = qobject_cast<QLineEdit*>(window->widget());
        edit != nullptr && edit->isModified())
        return 1;
    const GwString range = CUtils::ExtractRange(window->text(), 2);
    if (range == window->text())
        return 1;
    window->set_text(range);
    EwPage* page = FindPage(window);
    EwCtrlVw* control = page != nullptr ? page->FindControl(window->id()) : nullptr;
    if (control != nullptr && m_pRepository != nullptr) {
        m_pRepository->set_value(control->Name(), control->GetValue(), 0);
        control->ShowValue(m_pRepository->value(control->Name(), 0));
        RefreshTitle();
    }
    return 1;
}

int CMainDlgMgr::CVMEdit_CB(GwCore* /*window*/, GwEvent* event, const GwUD& /*data*/) {
    if (event == nullptr || event->type() != GwSINGLE_CHAR || (event->flags() & GwKEY_CHAR) == 0)
        return 1;
    const char c = event->character();
    if (c == '\0' || c == 'P' || c == '?' || c == '@')
        return 1;
    GwSound::beep();
    std::unique_ptr<GwCore> info(GwRcMgr::load("CVMInfo", Window()));
    if (info != nullptr)
        info->go();
    return 0;
}
