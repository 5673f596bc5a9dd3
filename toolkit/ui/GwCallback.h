// The toolkit's callback form and the table through which layouts bind callbacks by name.
//
//   int UpLoad_CB(GwCore* window, GwEvent* event, const GwUD& data);
//   static const GwFuncDesc table[] = {
//       {"CApplFrameMgr::UpLoad_CB", UpLoad_CB},
//       {nullptr, nullptr},                       // the empty pair ends the table
//   };
//   GwRcMgr::use_func_desc(table);
//
// A callback gets the element it belongs to, the event (null when the program calls the
// callback itself) and the element's user data. Its result is the callback's own business,
// except for key callbacks: 0 swallows the key, anything else lets the element take it.
#pragma once

class GwCore;
class GwEvent;
class GwUD;

using GwCallbackFn = int (*)(GwCore* window, GwEvent* event, const GwUD& data);

// What an element calls a callback for. An element holds at most one callback of each kind.
enum GwCallbackKind {
    GwCB_ACTIVATE = 0, // layout property gwActivate
    GwCB_TIMER,        // gwTimer
    GwCB_SHOW,         // gwShow
    GwCB_HIDE,         // gwHide
    GwCB_KEY,          // gwKey
    GwCB_CLOSE,        // gwClose: the user closes the window; the callback decides (hide or not)
    GwCB_MOVE,         // gwMove
    GwCB_KIND_COUNT
};

class GwCallback {
public:
    GwCallback(GwCallbackKind kind, GwCallbackFn fn) : m_kind(kind), m_function(fn) {}

    GwCallbackKind kind() const { return m_kind; }
    GwCallbackFn function() const { return m_function; }

private:
    GwCallbackKind m_kind;
    GwCallbackFn m_function;
};

// One row of a callback table; the table ends with a row whose name is null or empty.
struct GwFuncDesc {
    const char* name;
    GwCallbackFn function;
};
