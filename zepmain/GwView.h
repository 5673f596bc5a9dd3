// The base of every window manager of the program: one window built from a resource (or one
// window of such a resource, as a tab page is) and the link that lets any callback find the
// manager from the window it got.
//
// Building a view:
//   GwView view("Main Dialog", "ZEP100\\ZEP100", table, main_window);
//   if (view.Window() == nullptr) ...               // the resource could not be built
// registers the resource file with the toolkit (GwRcMgr::use; the owner releases it with
// GwRcMgr::unuse when it no longer needs it), registers the callback table when the file was
// taken, loads the named resource under the parent and links the window to the view.
//
// Linking stores the view's address in the window's user data (the text of the user data, a
// help page for example, stays); unlinking clears it. ViewOf(window) gives the view linked to
// exactly that window, and only while that view lives: a window whose view was deleted, or
// whose user data holds something else (a control wrapper), gives null.
//
// A view deletes the window it built (when the window still exists); a window it was only
// linked to (a tab page of a dialog) is unlinked and stays.
#pragma once

#include "GwCallback.h"
#include "GwString.h"

#include <QPointer>

class GwCore;
class GwEvent;
class GwUD;

class GwView {
public:
    // A view without a window; a derived class links one itself (LinkWindow).
    GwView() = default;
    // Builds the view (see above). file may be empty (the resource is then looked up in the
    // files already registered); table may be null.
    GwView(const GwString& resource, const GwString& file, const GwFuncDesc* table, GwCore* parent);
    // Unlinks the window and deletes it when the view built it.
    virtual ~GwView();

    GwView(const GwView&) = delete;
    GwView& operator=(const GwView&) = delete;

    // What the toolkit calls for the view's own "Show_CB"; the base does nothing and gives 0.
    virtual int Show(GwCore* window, GwEvent* event, const GwUD& data);

    // The window, or null when it was never built or is gone.
    GwCore* Window() const;
    GwCore* Parent() const { return m_pParent; }
    GwString ResourceName() const { return m_sResource; }
    GwString ResourceFile() const { return m_sResourceFile; }
    const GwFuncDesc* CallbackTable() const { return m_pTable; }

    // Stores this view's address in window's user data / clears it (only when it is this
    // view's). Null does nothing.
    void Link(GwCore* window);
    void Unlink(GwCore* window);
    // The live view linked to window, or null.
    static GwView* ViewOf(const GwCore* window);

protected:
    // Makes window the view's window without owning it, and links it.
    void LinkWindow(GwCore* window);
    // Gives back the view's use of its resource file (GwRcMgr::unuse), once, when the view
    // registered it: for owners whose view is the file's only user.
    void ReleaseResourceFile();

    int m_iReserved = 0; // free for a derived manager

private:
    void Build();

    GwCore* m_pWindow = nullptr;
    QPointer<QObject> m_oWindowAlive; // the window's element: tells whether m_pWindow lives
    bool m_bOwnsWindow = false;
    GwCore* m_pParent = nullptr;
    GwString m_sResource;
    GwString m_sResourceFile;
    const GwFuncDesc* m_pTable = nullptr;
    bool m_bUsesFile = false; // the view holds a use of its resource file
};
