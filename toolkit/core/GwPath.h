// Paths as the stored files write them: Windows style, backslash separators, names matched
// without regard to case ("ZEP100\\3prf1" finds "zep100/3PRF1"). Every file the system opens
// is found through resolve().
#pragma once

#include "GwString.h"

#include <vector>

class GwPath {
public:
    // The path with "\\" turned into "/" and each component that does not exist as written
    // replaced by the first directory entry that equals it without regard to case. Components
    // that match nothing stay as written, so the result names the file to create when it does
    // not exist yet. "." and ".." are kept. An empty path stays empty.
    static std::string resolve(const GwString& path);

    static int exists(const GwString& path);       // 1 for an existing file or directory
    static int is_file(const GwString& path);      // 1 for an existing regular file
    static int is_directory(const GwString& path); // 1 for an existing directory

    // Names of the entries of a directory that match a pattern with "*" and "?", without
    // regard to case, sorted by name; "." and ".." are never listed.
    static std::vector<GwString> list(const GwString& directory, const GwString& pattern,
                                      bool directories_only = false);

    // Case-insensitive wildcard match of a whole name ("zep*" matches "ZEP100").
    static int matches(const GwString& name, const GwString& pattern);

    // The part after the last "\\" or "/" (the whole text when it has none).
    static GwString file_part(const GwString& path);
    // Everything up to and including the last "\\" or "/" (empty when it has none).
    static GwString directory_part(const GwString& path);
};
