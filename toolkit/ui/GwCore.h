// A handle to one element of a window: a widget, a menu or a menu/tool-bar action. The system
// finds elements by id (the Qt objectName: "SCANNER_TYPE", "TB_DF", "L3O", ...), reads and
// sets their texts and values, fills lists, runs windows modally and attaches callbacks and a
// timer. Every operation on a handle whose element is gone does nothing and gives the neutral
// result (0, empty text, null).
//
// Lifetime. GwCore::of() and every operation that finds an element (child, frame, parent,
// GwRcMgr::load, ...) give the element's one handle; it lives exactly as long as the element:
// Qt destroying the element (with its parent) deletes the handle, and deleting the handle
// destroys the element. So a window returned by GwRcMgr::load is deleted once, by its owner,
// while its parent window still exists (or not at all when the parent takes it along).
// Handles a program creates itself (new GwMessageBox, new GwDialogFrame) belong to the
// program: it deletes them; when Qt destroyed the element earlier they stay valid but dead.
//
// Frames. A window built from a resource (GwRcMgr::load) is a frame; frame() of any element is
// the nearest frame that contains it (itself when it is one), so a control of the parameter
// dialog has the dialog as frame, even though the dialog lives inside the main window.
#pragma once

#include "GwCallback.h"
#include "GwColor.h"
#include "GwEvent.h"
#include "GwString.h"
#include "GwUD.h"

#include <vector>

class QObject;
class QWidget;
class QAction;
class QEvent;
class GwBinder;
class GwFont;

// Element classes as the system asks for them (is_a, class_id).
enum GwClassId {
    GwWINDOW_CLASS = 0,    // any other element
    GwFRAME_CLASS,         // a window built from a resource, or any top-level window
    GwPAGE_CLASS,          // a page of a stacked widget or tool box
    GwTABPAGE_CLASS,       // a page of a tab widget
    GwTABCONTROL_CLASS,    // a tab widget ("TabCtl")
    GwEDITBUTTON_CLASS,    // a one- or multi-line edit field
    GwFMTEDITBUTTON_CLASS, // an edit field with the layout property gwFormat (format_type)
    GwSPINBUTTON_CLASS,    // a spin box (a spin over list items, GwSpinBox)
    GwCOMBOBOX_CLASS,      // a combo box
    GwTOGGLEBUTTON_CLASS,  // a check box or radio button
    GwPUSHBUTTON_CLASS,    // a push or tool button
    GwLABEL_CLASS,         // a label
    GwCONTAINER_CLASS,     // a group box or plain frame holding other controls
    GwSLIDER_CLASS,        // a slider
    GwPROGRESS_CLASS,      // a progress bar
    GwLIST_CLASS,          // a list or multi-column list
    GwMENU_CLASS,          // a menu
    GwMENUITEM_CLASS,      // a menu or tool-bar action
};

class GwCore {
public:
    // The handle of a Qt element (created on first use); null for null.
    static GwCore* of(QObject* object);

    virtual ~GwCore();
    GwCore(const GwCore&) = delete;
    GwCore& operator=(const GwCore&) = delete;

    QObject* object() const;
    QWidget* widget() const; // null for an action or a dead handle
    QAction* action() const; // null unless the element is an action
    int is_alive() const { return object() != nullptr ? 1 : 0; }

    // --- Finding elements -------------------------------------------------------------------
    GwString id() const; // the objectName
    void set_id(const GwString& id);
    // The element itself when its id is id, else the first element below it with that id.
    // Elements of this frame are found before those of frames nested in it (the parameter
    // dialog inside the main window), so an id repeated in a nested frame does not shadow
    // one of the outer frame. Null when there is none.
    GwCore* child(const GwString& id) const;
    GwCore* frame() const;                         // nearest frame containing the element
    GwCore* frame_child(const GwString& id) const; // frame()->child(id)
    GwCore* parent() const;                        // enclosing element, or null
    std::vector<GwCore*> children() const;         // direct child elements with an id
    std::vector<GwCore*> descendants() const;      // all elements below with an id
    int is_frame() const;

    // --- Class queries ----------------------------------------------------------------------
    GwClassId class_id() const;
    int is_a(GwClassId cls) const { return class_id() == cls ? 1 : 0; }
    // The format type of a GwFMTEDITBUTTON_CLASS field (gwFormat; 3 = numeric), else 0.
    int format_type() const;

    // --- Text, value, state -----------------------------------------------------------------
    // Text: labels, buttons, edit fields, menu items, group titles; a combo box or spin box
    // shows the text of its current item, or a free text when no item is current (see
    // set_text); a frame's text is its title. set_text on a list selects the item that equals
    // the text, or deselects all and shows the text without an item.
    virtual GwString text() const;
    virtual void set_text(const GwString& text);
    // Value: 1/0 for check boxes, radio buttons and checkable actions; the current item of a
    // list, combo or spin box (-1 for none); the position of sliders and progress bars;
    // the leading number of the text for other elements. set_value(1) on a menu item makes it
    // checkable and checks it; on a radio button it unchecks the others of its group.
    int value() const;
    void set_value(int value);

    void enable();
    void disable();
    int is_enabled() const;
    void show();
    void hide();
    int is_visible() const; // shown and all its parents shown

    GwString title() const; // window title of the element (a list: its header)
    void set_title(const GwString& title);

    void set_font(const GwFont& font);
    void set_colors(const GwColor& text, const GwColor& background);

    // --- Position and size ------------------------------------------------------------------
    // move/position: relative to the parent element; for a window, relative to the top-left
    // corner of its parent window (screen coordinates when it has none).
    void move(int x, int y);
    void position(int& x, int& y) const;
    // The top-left corner on the screen, and moving there.
    void screen_position(int& x, int& y) const;
    void move_to_screen(int x, int y);
    void resize(int width, int height);
    void size(int& width, int& height) const;

    // --- Items of lists (combo box, spin box, list, multi-column list) ----------------------
    // Positions count from 0. A multi-column list takes and gives an item as its column texts
    // joined by "|" ("To|W0" fills two columns).
    // Adds an item at position (-1: at the end; with sorting on, where the order puts it);
    // gives the item's position, -1 when the element has no items.
    int add_item(const GwString& text, int position = -1);
    int delete_item(int position); // 1 when deleted
    void delete_all_items();
    int item_count() const;
    GwString item_text(int position) const;    // empty outside the list
    int find_item(const GwString& text) const; // position of the first equal item, or -1
    int select_item(int position);             // 1 when the item exists
    void deselect_all();
    int current_item() const; // -1 when none
    // 0: items stay in the order they were added; 1: descending; 2: ascending. Turning sorting
    // on sorts the items that are there.
    void set_sorting(int type);
    int sorting() const;
    void make_visible(int position);
    void set_item_colors(int position, const GwColor& text, const GwColor& background);

    // --- Menus ------------------------------------------------------------------------------
    // Appends an item (an action with that id) or a separator to a menu; the item's handle,
    // or null when the element is no menu.
    GwCore* append_menu_item(const GwString& id, const GwString& text);
    GwCore* append_separator(const GwString& id);

    // --- Tab control ------------------------------------------------------------------------
    GwCore* active_page() const; // the current page of a tab or stacked widget, or null
    int set_active_page(GwCore* page);

    // --- Slider and progress bar (auto-baud detection) --------------------------------------
    // The value runs from start to end as a floating-point number; the element shows it
    // rounded. change_by moves the value and keeps it within start..end.
    void set_solid_bar(int on);
    int solid_bar() const { return m_solid_bar; }
    void set_start(double start);
    void set_end(double end);
    void set_slider_value(double value);
    void change_by(double delta);
    double slider_value() const { return m_slider_value; }
    double slider_start() const { return m_slider_start; }
    double slider_end() const { return m_slider_end; }

    // --- User data --------------------------------------------------------------------------
    void set_user_data(const GwUD& data) { m_user_data = data; }
    const GwUD& user_data() const { return m_user_data; }

    // --- Callbacks and timer ----------------------------------------------------------------
    // One callback per kind: set_callback replaces the one of its kind.
    void set_callback(const GwCallback& callback);
    void remove_callback(GwCallbackKind kind);
    int has_callback(GwCallbackKind kind) const;
    GwCallbackFn callback(GwCallbackKind kind) const;
    // Calls the callback of that kind as the toolkit would: its result, or -1 when there is
    // none. event may be null (the program calls a command itself).
    int fire(GwCallbackKind kind, GwEvent* event);
    // Activates the element as the user would: clicks a button, triggers an action, otherwise
    // fires its activation callback with an activation event.
    void click();

    // The element's timer: fires every ms milliseconds until stopped and calls the
    // GwCB_TIMER callback with this element. Starting a running timer restarts it. Precise:
    // it never fires early.
    void start_timer(unsigned short ms);
    void stop_timer();
    int timer_active() const;

    // --- Modal run --------------------------------------------------------------------------
    // Shows the window and runs a nested event loop until the window is hidden (by a callback,
    // by a button of a message box, or by closing it without a close callback); gives the
    // result set with set_result. The window is application-modal while it runs. Under
    // scripted answers (GwScriptedAnswers) the answer is given while the window is up.
    virtual int go();
    void set_result(int result) { m_result = result; }
    int result() const { return m_result; }
    int is_running() const { return m_run != nullptr ? 1 : 0; }

protected:
    // A handle of the program's own (GwDialogFrame, GwMessageBox): the program deletes it;
    // deleting it destroys the element.
    explicit GwCore(QObject* object);
    // Called when the element was shown and when it was hidden.
    virtual void on_shown() {}
    virtual void on_hidden() {}

private:
    friend class GwBinder;
    friend class GwRcMgr;
    struct Run;

    GwCore(QObject* object, bool belongs_to_element);
    void end_run();
    bool handle_event(QObject* watched, QEvent* event); // from GwBinder; true swallows it
    void element_destroyed();                           // from GwBinder
    void apply_slider();
    void list_sort();

    GwBinder* m_binder = nullptr;
    bool m_belongs_to_element;
    bool m_is_frame = false;
    GwUD m_user_data;
    GwCallbackFn m_callbacks[GwCB_KIND_COUNT] = {};
    int m_result = 0;
    Run* m_run = nullptr;
    int m_sorting = 0;
    int m_solid_bar = 0;
    double m_slider_start = 0.0;
    double m_slider_end = 100.0;
    double m_slider_value = 0.0;
};
