// Writes a file the user keeps by filling a template of the scanner type line by line: the
// shared way of the script writer and the RTF report.
#pragma once

#include "GwString.h"

#include <functional>
#include <ostream>

class CTemplateFile {
public:
    // Writes into out what one template line gives.
    using LineWriter = std::function<void(std::ostream& out, const GwString& line)>;

    // Opens the template tpl; when it cannot be read shows error 50 + tpl and error 51 + file
    // (show_data) and gives 0 without touching file. Otherwise writes file through
    // GwAtomicFile, every template line handed to write in order, while an information box
    // (warning 1 + file) is shown; the writing stops at the first failed write. 1 when
    // written; -1 when the file could not be created or a write failed (no message; the
    // earlier file is as it was).
    static int write(const GwString& tpl, const GwString& file, const LineWriter& write);
};
