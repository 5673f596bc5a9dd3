// The file chooser (Qt's own file dialog, the same on every platform).
//
// The start path may be written the Windows way the stored settings use: "c:\\" (a drive
// root, which has no meaning here) starts in the user's home directory; "." and "" in the
// working directory; an existing directory in it; an existing file in its directory with the
// file preselected; anything else in the nearest existing directory above it (else the working
// directory). The filter is a pattern list such as "*.slp" or "*.slp;*.txt"; "All files (*)"
// is always offered besides. In save mode the dialog does not ask about overwriting: the
// system asks itself.
//
// The chosen path is handed back the way the system stores paths: absolute, with backslashes
// ("/home/tech/a.slp" comes back as "\\home\\tech\\a.slp"; GwPath resolves it again).
//
//   GwFileSelector selector(frame, "c:\\", "*.slp", 0, "Open parameter file");
//   GwString path;
//   if (selector.go(path)) ...      // 1: chosen, 0: cancelled
// Under scripted answers the queued file answer is taken and no dialog appears.
#pragma once

#include "GwString.h"

class GwCore;

class GwFileSelector {
public:
    GwFileSelector(GwCore* parent, const GwString& start, const GwString& filter, int save,
                   const GwString& title);

    // 1 and path set when a file was chosen; 0 (path unchanged) when cancelled.
    int go(GwString& path);
    // The same into a caller's buffer of size bytes; a path that does not fit counts as not
    // chosen (buffer untouched), since a cut path would name another file.
    int go(char* buffer, int size);

    // Where the dialog starts for a start path (see above); a native path.
    static GwString start_location(const GwString& start);
    // A native path in the stored form: absolute, backslashes.
    static GwString stored_form(const GwString& native_path);

private:
    GwCore* m_parent;
    GwString m_start;
    GwString m_filter;
    int m_save;
    GwString m_title;
};
