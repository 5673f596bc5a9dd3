// Fuzzes the settings file reader with arbitrary text, then checks what a reader must never
// break: the recent-file list stays within its nine places, and writing the settings out and
// reading them back gives the same settings (the file is the program's memory between runs).
#include "CInitMgr.h"
#include "GwLineReader.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

class Reader : public CInitMgr {
public:
    static void apply(const std::string& text) {
        GwLineReader reader;
        reader.open_text(text);
        ApplyInitLines(reader);
    }
    static std::string written() {
        std::ostringstream out;
        WriteInitLines(out);
        return out.str();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CInitMgr::SetDefaults();
    Reader::apply(std::string(reinterpret_cast<const char*>(data), size));
    if (CInitMgr::m_iLastFileIndex < 0 || CInitMgr::m_iLastFileIndex > 9)
        __builtin_trap();
    for (int i = -1; i <= 11; ++i)
        (void)CInitMgr::get_filename(i).len();

    // What was read survives a round trip through the file unchanged, as long as every line
    // fits the readers' line limit (a longer one is cut when read, by design).
    const std::string first = Reader::written();
    std::istringstream lines(first);
    for (std::string line; std::getline(lines, line);)
        if (line.size() > static_cast<size_t>(GwLineReader::kMaxLine))
            return 0;
    CInitMgr::SetDefaults();
    Reader::apply(first);
    if (Reader::written() != first)
        __builtin_trap();
    return 0;
}
