#include "CScanRepoBuilder.h"

#include "CProfileReader.h"
#include "DynGwStringPtrArray.h"
#include "EwDataSet.h"
#include "EwEnumChar.h"
#include "EwEnumInt.h"
#include "EwRangeChar.h"
#include "EwRangeInt.h"
#include "EwRepository.h"
#include "EwString.h"
#include "GwProfile.h"

#include <algorithm>
#include <initializer_list>

namespace {

int is_one_of(const GwString& type, std::initializer_list<const char*> types) {
    return std::any_of(types.begin(), types.end(), [&](const char* t) { return type == t; }) ? 1
                                                                                             : 0;
}

} // namespace

CScanRepoBuilder::CScanRepoBuilder() = default;

CScanRepoBuilder::~CScanRepoBuilder() = default;

EwRepository* CScanRepoBuilder::build_repo(const GwString& profile_path) {
    m_pReader.reset();
    m_pReader = std::make_unique<CProfileReader>(profile_path);
    return build();
}

EwRepository* CScanRepoBuilder::build_repo_from_profile(std::unique_ptr<GwProfile> profile) {
    m_pReader.reset();
    m_pReader = std::make_unique<CProfileReader>(std::move(profile));
    return build();
}

EwRepository* CScanRepoBuilder::build() {
    auto repo = std::make_unique<EwRepository>();
    const int count = m_pReader->number_of_groups();
    CGroupName** names = m_pReader->all_group_names();
    for (int i = 0; names != nullptr && i < count; ++i) {
        const GwString base = names[i]->m_sName;
        const std::unique_ptr<CDynParameterDescriptionArray> descs(
            m_pReader->get_group_parameterdescriptions(i));
        // A group section without parameters has no first description to carry the
        // instance list: such a group has no instances.
        GwString instances = descs->count() > 0 ? descs->get(0)->m_sOneOf : GwString();
        const int n =
            std::min(m_pReader->number_of_parameter_descriptions_in_group(i), descs->count());
        do {
            const GwString group_name = instances.not_null() ? base + instances.token(",") : base;
            auto group = std::make_unique<EwDataSet>(group_name);
            for (int j = 0; j < n; ++j) {
                CParameterDescription* d = descs->get(j);
                d->m_sGroupID = group_name;
                EwType* p = create_type(d);
                if (!group->add_item(p))
                    delete p;
            }
            EwDataSet* g = group.release();
            repo->add_item(g);
        } while (instances.not_null());
    }
    CProfileReader::release_group_names(names, count);
    return repo.release();
}

EwType* CScanRepoBuilder::create_type(CParameterDescription* d) {
    GwString type = d->m_sType;
    type.EraseTrailingChars(' ');
    const GwString name = d->m_sGroupID + d->m_sID;

    std::unique_ptr<EwType> p;
    if (type == "ENUMERATEDCHAR")
        p = std::make_unique<EwEnumChar>(name, type);
    else if (is_one_of(type, {"ENUMERATEDINT", "BOOLEAN"}))
        p = std::make_unique<EwEnumInt>(name, type);
    else if (type == "INT")
        p = std::make_unique<EwRangeInt>(name, type);
    else if (type == "HEXCHAR")
        p = std::make_unique<EwRangeChar>(name, type);
    else if (is_one_of(type, {"STRING", "NULSTRING"}))
        p = std::make_unique<EwString>(name, type);
    else
        return nullptr;

    p->set_length(d->m_sLength);
    if (is_one_of(type, {"INT", "HEXCHAR"}))
        p->set_bounds(d->m_sLow, d->m_sHigh);
    if (is_one_of(type, {"ENUMERATEDCHAR", "ENUMERATEDINT", "BOOLEAN"})) {
        DynGwStringPtrArray* values = make_value_list(d);
        p->set_range(values, copy_code_list(d));
    } else if (is_one_of(type, {"INT", "HEXCHAR", "STRING"})) {
        DynGwStringPtrArray* excludes = make_exclude_list(d);
        p->set_range(excludes, copy_code_list(d));
    }
    if (type == "HEXCHAR" && d->m_sDefInt == "NA")
        p->set_default(GwString());
    else
        p->set_default(d->m_sDefInt);
    return p.release();
}

DynGwStringPtrArray* CScanRepoBuilder::make_value_list(const CParameterDescription* d) {
    if (!is_one_of(d->m_sType, {"ENUMERATEDCHAR", "ENUMERATEDINT", "BOOLEAN"}))
        return nullptr;
    auto* values = new DynGwStringPtrArray(15, 10);
    const GwString& range = d->m_sRange;
    const int fields = range.GetTokenCount(',');
    for (int k = 0; k < fields; ++k) {
        GwString item = range.GetToken(k, ',');
        // An empty field has no backslash to escape a comma with.
        if (item.not_null() && item[item.len() - 1] == '\\') {
            item.remove(item.len() - 1, item.len() - 1);
            ++k;
            item += "," + range.GetToken(k, ',');
        }
        values->add(item);
    }
    return values;
}

DynGwStringPtrArray* CScanRepoBuilder::make_exclude_list(const CParameterDescription* d) {
    if (!is_one_of(d->m_sType, {"CHAR", "INT", "HEXCHAR", "STRING", "LISTEDINT"}))
        return nullptr;
    auto* excludes = new DynGwStringPtrArray(10, 10);
    const int fields = d->m_sExcludes.GetTokenCount(',');
    for (int k = 0; k < fields; ++k)
        excludes->add(d->m_sExcludes.GetToken(k, ','));
    return excludes;
}

DynGwStringPtrArray* CScanRepoBuilder::copy_code_list(const CParameterDescription* d) {
    if (d->m_pMapping == nullptr ||
        !is_one_of(d->m_sType, {"ENUMERATEDCHAR", "ENUMERATEDINT", "BOOLEAN", "CHAR", "INT",
                                "HEXCHAR", "STRING", "LISTEDINT"}))
        return nullptr;
    auto* codes = new DynGwStringPtrArray(20, 10);
    for (int k = 0; k < d->m_pMapping->count(); ++k) {
        const GwString* code = d->m_pMapping->get(k);
        codes->add(code != nullptr ? *code : GwString());
    }
    return codes;
}
