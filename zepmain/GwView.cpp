#include "GwView.h"

#include "GwCore.h"
#include "GwRcMgr.h"
#include "GwUD.h"

#include <unordered_set>

namespace {

// Addresses of the views alive now: a window's user data is trusted as a view only when it
// names one of them.
std::unordered_set<const void*>& live_views() {
    static std::unordered_set<const void*> views;
    return views;
}

} // namespace

GwView::GwView(const GwString& resource, const GwString& file, const GwFuncDesc* table,
               GwCore* parent)
    : m_pParent(parent), m_sResource(resource), m_sResourceFile(file), m_pTable(table) {
    live_views().insert(this);
    Build();
}

GwView::~GwView() {
    GwCore* window = Window();
    Unlink(window);
    live_views().erase(this);
    if (m_bOwnsWindow)
        delete window; // destroys the element and everything in it
}

void GwView::Build() {
    if (m_sResourceFile.not_null()) {
        if (GwRcMgr::use(m_sResourceFile) == 0)
            return;
        m_bUsesFile = true;
        if (m_pTable != nullptr)
            GwRcMgr::use_func_desc(m_pTable);
    }
    GwCore* window = GwRcMgr::load(m_sResource, m_pParent);
    if (window == nullptr)
        return;
    LinkWindow(window);
    m_bOwnsWindow = true;
}

void GwView::ReleaseResourceFile() {
    if (m_bUsesFile)
        GwRcMgr::unuse(m_sResourceFile);
    m_bUsesFile = false;
}

int GwView::Show(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    return 0;
}

GwCore* GwView::Window() const {
    return m_oWindowAlive != nullptr ? m_pWindow : nullptr;
}

void GwView::LinkWindow(GwCore* window) {
    live_views().insert(this);
    m_pWindow = window;
    m_oWindowAlive = window != nullptr ? window->object() : nullptr;
    m_bOwnsWindow = false;
    Link(window);
}

void GwView::Link(GwCore* window) {
    if (window != nullptr)
        window->set_user_data(GwUD(window->user_data().text(), static_cast<GwView*>(this)));
}

void GwView::Unlink(GwCore* window) {
    if (window != nullptr && window->user_data().pointer() == static_cast<GwView*>(this))
        window->set_user_data(GwUD(window->user_data().text(), nullptr));
}

GwView* GwView::ViewOf(const GwCore* window) {
    if (window == nullptr)
        return nullptr;
    void* p = window->user_data().pointer();
    if (p == nullptr || live_views().count(p) == 0)
        return nullptr;
    return static_cast<GwView*>(p);
}
