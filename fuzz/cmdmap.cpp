// Fuzzes the command map reader with arbitrary text, then every field and every cut of each
// entry it read, against replies made of the entry's own texts. What must hold whatever the
// file says: six fields per entry, nothing read outside a reply, a value cut from a reply
// that does not fit is empty (but for a dependent field's default), and no width makes a
// value longer than the longest message.
#include "CCmdMap.h"
#include "EwDataSet.h"
#include "EwRepository.h"
#include "EwString.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

// A repository with one string parameter per entry name, of varied lengths.
std::unique_ptr<EwRepository> repo_for(const CCmdMap& map) {
    auto repo = std::make_unique<EwRepository>();
    EwDataSet* group = new EwDataSet("");
    for (int i = 0; i < map.Count() && i < 64; ++i) {
        EwType* p = new EwString(map.Name(i), "STRING");
        group->add_item(p);
        group->set_length(map.Name(i), GwString((i * 37) % 300 - 5));
    }
    repo->add_item(group);
    return repo;
}

void check_cut(CCmdMap& map, GwString name, const GwString& text, EwRepository* repo,
               const GwString& marker) {
    GwString reply = text;
    const GwString value = map.ExtractValue(name, reply, repo);
    if (reply != text)
        __builtin_trap(); // the reply is not changed
    if (value.len() > reply.len() + CCmdMap::kMaxWidth + 8)
        __builtin_trap();
    if (map.Contains(name) && map.HasKnownType(name) && !map.Fits(name, reply)) {
        // A reply that does not fit gives nothing, except a dependent field that the reply
        // lacks after its marker: that one defaults to "0".
        const bool defaulted =
            map.IsDependent(name) && (marker.is_empty() || reply.first(marker) >= 0);
        if (value.not_null() && !defaulted)
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CCmdMap map;
    if (!map.InitializeText(text))
        return 0;
    auto repo = repo_for(map);
    for (int i = 0; i < map.Count(); ++i) {
        GwString name = map.Name(i);
        for (int f = 1; f <= CCmdMap::kFields; ++f) {
            if (map.Field(i, f).first(';') >= 0)
                __builtin_trap(); // fields are split at every ";"
        }
        // Lookups by name find the first entry of a name: a later entry of the same name is
        // never cut with, so its fields say nothing about a cut.
        bool repeated = false;
        for (int j = 0; j < i && !repeated; ++j)
            repeated = map.Name(j) == name;
        if (repeated)
            continue;
        const GwString marker = map.Field(i, 2);
        const GwString locator = map.Field(i, 4);
        const int bar = locator.first('|');
        const GwString search = bar >= 0 ? locator(0, bar - 1) : locator;
        check_cut(map, name, marker + search + "0042xyz", repo.get(), marker);
        check_cut(map, name, marker + locator + "AB-12", repo.get(), marker);
        check_cut(map, name, search, repo.get(), marker);
        check_cut(map, name, GwString(), repo.get(), marker);
        check_cut(map, name, map.Field(i, 3) + marker, nullptr, marker);
    }
    return 0;
}
