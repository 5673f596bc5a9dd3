// Fuzzes the parameter data-line parser on the ZEP100 repository: the first byte picks the
// group, the rest is the line's fields. A split must pair every name with a value and name only
// parameters of that group; the template-line and search helpers run on the same text.
#include "CParser.h"
#include "CScanRepoBuilder.h"
#include "DynGwStringPtrArray.h"
#include "EwRepository.h"
#include "GwLanguage.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

class Probe : public CParser {
public:
    using CParser::get_array_of_values;
};

EwRepository& repository() {
    static std::unique_ptr<EwRepository> repo = [] {
        GwLanguage::set_number(1);
        CScanRepoBuilder builder;
        return std::unique_ptr<EwRepository>(
            builder.build_repo(GwString(ZEP_PROGRAM_DIR) + "/ZEP100/Profile.zep"));
    }();
    return *repo;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EwRepository& repo = repository();
    std::unique_ptr<DynGwStringPtrArray> groups(repo.list_of_names());
    if (size == 0 || groups->count() == 0)
        return 0;
    const GwString group = *groups->get(data[0] % groups->count());
    const GwString fields(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));

    Probe parser;
    parser.select_group(&repo, group);
    DynGwStringPtrArray names(10, 10);
    DynGwStringPtrArray values(10, 10);
    parser.get_array_of_values(&repo, group, "3" + group + fields, &names, &values);
    if (names.count() != values.count())
        __builtin_trap();
    for (int i = 0; i < names.count(); ++i) {
        if (!names.get(i)->begins_with(group))
            __builtin_trap();
        // What a loader does next with the pair.
        repo.set_value(*names.get(i), *values.get(i), 1);
    }

    GwString name;
    int length = 0;
    GwString found;
    size_t total = static_cast<size_t>(parser.get_param(&repo, fields, name, length) + length);
    total += static_cast<size_t>(parser.get_group(&repo, fields, found));
    total += static_cast<size_t>(parser.instantiate_line(&repo, fields, "c", data[0] & 1).len());
    total += static_cast<size_t>(parser.find_nth_param_position(fields, group, 2) + 1);
    total += static_cast<size_t>(
        CParser::index_nth_occurrence(fields, "00", 2, data[0] % 5, data[0] % 3) + 1);
    total += static_cast<size_t>(CParser::strip_string_front(fields, "0").len() +
                                 CParser::strip_string_tail(fields, "00").len());
    return total == static_cast<size_t>(-1) ? 1 : 0;
}
