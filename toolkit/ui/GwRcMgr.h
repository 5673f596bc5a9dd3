// The resource manager: resource files, the callback table, the interface language.
//
// A resource file NAME.cgw is a GwProfile file that maps resource names to Qt Designer .ui
// files beside it (paths relative to the .cgw, backslashes allowed, names matched without
// regard to case). Section [Resources] holds the layouts of every language; a section named
// by a language number ("049" German, "033" French, "001" English) holds that language's own
// layouts, which win for that language:
//
//   [Resources]
//   Error_Warnings=error_warnings.ui
//   [049]
//   Error_Warnings=error_warnings_049.ui
//
// Looking up "Error_Warnings" with the language 49 gives error_warnings_049.ui; with 33 (no
// entry there) the English "001" entry, else the [Resources] one.
//
// Callbacks are bound by name through dynamic string properties of the .ui elements:
//   gwActivate, gwTimer, gwShow, gwHide, gwKey, gwClose, gwMove   name of a callback of the
//                                                                  table (GwCallbackKind)
//   gwData     the element's user data text (for example the help page)
//   gwFormat   the format type of an edit field (3: numeric)
// Other properties, Qt's own included, are left alone; an unknown gw property or callback
// name is reported as a warning and not bound.
//
//   GwRcMgr::use(program_dir + "zepmain");     // ".cgw" is added when the name has no extension
//   GwRcMgr::use_func_desc(table);
//   GwCore* about = gw_def_mgr.load("About", main_window);
#pragma once

#include "GwCallback.h"
#include "GwString.h"

class GwCore;

class GwRcMgr {
public:
    // Registers a resource file; files used later are searched first. Using a file again
    // counts up its use. 1 when the file could be read, else 0 (nothing registered).
    static int use(const GwString& file);
    // Releases one use of a file; the last release forgets it. 1 when it was in use.
    static int unuse(const GwString& file);
    // Adds the rows of a callback table (ended by an empty row) to the names callbacks are
    // bound by; a later row of the same name wins. Gives the number of rows taken.
    static int use_func_desc(const GwFuncDesc* table);
    // The function registered under a name, or null.
    static GwCallbackFn function(const GwString& name);

    // Builds the window named name from the registered resource files under parent (none:
    // a top-level window) and binds its callbacks; the window is not shown. Its id is the
    // resource name and it is a frame (GwCore::frame). Null - and no window - when the name is
    // in no used file, its .ui file is missing or not a valid layout.
    static GwCore* load(const GwString& name, GwCore* parent = nullptr);
    // The .ui path a name resolves to for the current language, or empty.
    static GwString layout_path(const GwString& name);

    // Binds the gw properties of an element and everything below it (load does this).
    static void bind(GwCore* root);

    // The interface language number: 49 German, 33 French, anything else English.
    static int language();
    static void set_language(int language);
};

// The toolkit's default resource manager; its operations are those of GwRcMgr.
extern GwRcMgr gw_def_mgr;
