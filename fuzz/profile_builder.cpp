// Fuzzes the sectioned key/value reader, the profile reader and the repository builder:
// arbitrary bytes as a profile, then a walk over everything a caller can ask of the result
// (every section and entry, also at positions outside them; descriptions, dumps, every
// parameter's values in both forms, lists, bounds, a value written back). The first byte also
// picks the interface language, so the language mappings are reached.
#include "CProfileReader.h"
#include "CScanRepoBuilder.h"
#include "DynGwStringPtrArray.h"
#include "EwRepository.h"
#include "GwLanguage.h"
#include "GwProfile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

namespace {

// Reads every text of a list, so that the sanitizer sees each element's memory.
size_t walk_list(const DynGwStringPtrArray* list) {
    size_t n = 0;
    for (int i = 0; list != nullptr && i < list->count(); ++i)
        n += list->get(i) != nullptr ? static_cast<size_t>(list->get(i)->len()) : 0;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const int kLanguages[] = {1, 49, 33, 7};
    GwLanguage::set_number(size > 0 ? kLanguages[data[0] % 4] : 1);
    auto profile = std::make_unique<GwProfile>();
    profile->load_text(std::string(reinterpret_cast<const char*>(data), size));
    size_t total = 0;
    auto walked = std::make_unique<GwProfile>(*profile);
    for (int s = -1; s <= walked->section_count(); ++s) {
        walked->set_section(s);
        for (int i = -1; i <= walked->value_count(); ++i)
            total += static_cast<size_t>(walked->name(i).len() + walked->value(i).len());
        if (walked->set_section(walked->section_name(s)) && walked->value_count() < 0)
            __builtin_trap(); // a section found by its name has entries or none
    }
    CProfileReader reader(std::move(walked));
    std::ostringstream out;
    for (int g = -1; g <= reader.number_of_groups(); ++g) {
        std::unique_ptr<CDynParameterDescriptionArray> d(reader.get_group_parameterdescriptions(g));
        reader.dump_DnyParamDescArray(d.get(), out, g);
        reader.number_of_parameters(g);
        reader.number_of_parameter_descriptions_in_group(g);
    }
    CProfileReader::release_group_names(reader.all_group_names(), reader.number_of_groups());

    CScanRepoBuilder builder;
    std::unique_ptr<EwRepository> repo(builder.build_repo_from_profile(std::move(profile)));
    if (repo == nullptr || repo->HasChanged())
        __builtin_trap();
    repo->rdump(out, " . ", " : ", 0);
    repo->rdump(out, "|", ";", 1);
    std::unique_ptr<DynGwStringPtrArray> groups(repo->list_of_names());
    for (int g = 0; g < groups->count(); ++g) {
        std::unique_ptr<DynGwStringPtrArray> params(repo->list_of_param_names(*groups->get(g)));
        if (params == nullptr)
            __builtin_trap(); // a listed group must be found again
        for (int p = 0; p < params->count(); ++p) {
            const GwString name = *params->get(p);
            const GwString coded = repo->value(name, 1);
            for (const GwString& text :
                 {repo->value(name, 0), repo->prf_value(name, 1), repo->prf_value(name, 0),
                  repo->bounds(name), repo->type(name), repo->length(name)})
                total += static_cast<size_t>(text.len());
            total += walk_list(repo->range(name, 0)) + walk_list(repo->range(name, 1));
            const DynGwStringPtrArray* values = repo->range(name, 0);
            if (values != nullptr && values->count() > 0 && values->get(0) != nullptr)
                repo->IsValid(name, *values->get(0));
            // Writing back what was read must never fail in a way that corrupts memory.
            repo->set_value(name, coded, 1);
            repo->set_prf_value(name, coded, 1);
        }
    }
    return total == static_cast<size_t>(-1) ? 1 : 0;
}
