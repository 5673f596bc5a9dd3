// Fuzzes the report template interpreter on the ZEP100 repository: every line of the input is
// interpreted as a report template line. After each line the parse position is back at 0 and
// output is on or off; a line's output holds no empty-value marker unless it is the marker
// alone. The RTF escaping of the same text must give 7-bit text without an unescaped brace.
#include "CScriptPrintMgr.h"
#include "Zep100.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

void check_rtf(const GwString& text) {
    const std::string rtf = CScriptPrintMgr::rtf_text(text).str();
    for (size_t i = 0; i < rtf.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(rtf[i]);
        if (c >= 0x80)
            __builtin_trap();
        if (c == '\\')
            ++i; // an escaped character, or the start of a control word
        else if (c == '{' || c == '}')
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static EwRepository* repo = zep100_repository();
    static CScriptPrintMgr mgr(repo);
    mgr.reset_interpreter();
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int form = size > 0 ? data[0] & 1 : 0;
    const GwString marker = CScriptPrintMgr::empty_line_marker();
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const GwString out = mgr.instantiate_line(repo, GwString(line), "c:\\tpl", form);
        if (mgr.parse_position() != 0 || (mgr.output_enabled() != 0 && mgr.output_enabled() != 1))
            __builtin_trap();
        if (out != marker && out.str().find('\0') != std::string::npos)
            __builtin_trap();
        check_rtf(GwString(line));
    }
    return 0;
}
