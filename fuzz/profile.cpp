// Fuzzes the sectioned key/value reader with arbitrary bytes and walks everything it parsed.
#include "GwProfile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    GwProfile p;
    p.load_text(std::string(reinterpret_cast<const char*>(data), size));
    size_t total = 0;
    for (int s = -1; s <= p.section_count(); ++s) {
        p.set_section(s);
        for (int i = -1; i <= p.value_count(); ++i)
            total += static_cast<size_t>(p.name(i).len() + p.value(i).len());
        total += static_cast<size_t>(p.value("Version", "x").len());
        if (p.set_section(p.section_name(s)) && p.value_count() < 0)
            __builtin_trap();
    }
    return total == static_cast<size_t>(-1) ? 1 : 0;
}
