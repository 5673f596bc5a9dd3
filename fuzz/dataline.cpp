// Fuzzes the parameter data-line parser on the ZEP100 repository: the first byte picks the
// group, the rest is the line's fields. A split must pair every name with a value and name only
// parameters of that group; the template-line helpers run on the same text.
#include "CParser.h"
#include "DynGwStringPtrArray.h"
#include "Zep100.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

class Probe : public CParser {
public:
    using CParser::get_array_of_values;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static EwRepository* const repo = zep100_repository();
    static const std::unique_ptr<DynGwStringPtrArray> groups(repo->list_of_names());
    if (size == 0 || groups->count() == 0)
        return 0;
    const GwString group = *groups->get(data[0] % groups->count());
    const GwString fields(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));

    Probe parser;
    parser.select_group(repo, group);
    DynGwStringPtrArray names(10, 10);
    DynGwStringPtrArray values(10, 10);
    parser.get_array_of_values(repo, group, "3" + group + fields, &names, &values);
    if (names.count() != values.count())
        __builtin_trap();
    for (int i = 0; i < names.count(); ++i) {
        if (!names.get(i)->begins_with(group))
            __builtin_trap();
        repo->set_value(*names.get(i), *values.get(i), 1); // what a loader does next
    }

    // The template-line helpers' results are the script tests'; here they must only stay
    // inside the text.
    GwString found;
    parser.get_group(repo, fields, found);
    parser.instantiate_line(repo, fields, "c", data[0] & 1);
    return 0;
}
