#include "EwRepository.h"

#include "DynGwStringPtrArray.h"

#include <memory>

EwRepository::EwRepository() : EwDataSet(GwString()) {}

EwRepository::~EwRepository() {
    for (int i = 0; i < m_coGroups.count(); ++i) {
        delete m_coGroups[i];
        m_coGroups[i] = nullptr;
    }
}

int EwRepository::is_prefix_group(const EwDataSet& group, const GwString& name) {
    return name.begins_with(group.get_name());
}

template <typename Ask>
int EwRepository::any_group(Ask ask) const {
    for (int i = 0; i < m_coGroups.count(); ++i) {
        EwDataSet* g = m_coGroups.get(i);
        if (g != nullptr && ask(*g) != 0)
            return 1;
    }
    return 0;
}

template <typename Ask>
GwString EwRepository::first_text(const GwString& name, bool prefix_groups_only, Ask ask) const {
    for (int i = 0; i < m_coGroups.count(); ++i) {
        const EwDataSet* g = m_coGroups.get(i);
        if (g == nullptr || (prefix_groups_only && !is_prefix_group(*g, name)))
            continue;
        GwString answer = ask(*g);
        if (answer.not_null())
            return answer;
    }
    return GwString();
}

int EwRepository::IsActive(const GwString& name) const {
    return any_group([&](EwDataSet& g) { return g.IsActive(name) == 1; });
}

int EwRepository::IsVisible(const GwString& name) const {
    return any_group([&](EwDataSet& g) { return g.IsVisible(name) == 1; });
}

int EwRepository::IsEnabled(const GwString& name) const {
    return any_group([&](EwDataSet& g) { return g.IsEnabled(name) == 1; });
}

GwString EwRepository::type(const GwString& name) const {
    return first_text(name, false, [&](const EwDataSet& g) { return g.type(name); });
}

GwString EwRepository::length(const GwString& name) const {
    return first_text(name, false, [&](const EwDataSet& g) { return g.length(name); });
}

GwString EwRepository::value(const GwString& name, int form) const {
    return first_text(name, true, [&](const EwDataSet& g) { return g.value(name, form); });
}

GwString EwRepository::prf_value(const GwString& name, int form) const {
    return first_text(name, false, [&](const EwDataSet& g) { return g.prf_value(name, form); });
}

DynGwStringPtrArray* EwRepository::range(const GwString& name, int which) const {
    for (int i = 0; i < m_coGroups.count(); ++i) {
        const EwDataSet* g = m_coGroups.get(i);
        DynGwStringPtrArray* answer = g != nullptr ? g->range(name, which) : nullptr;
        if (answer != nullptr)
            return answer;
    }
    return nullptr;
}

int EwRepository::IsValid(const GwString& name, const GwString& candidate) const {
    return any_group([&](EwDataSet& g) { return g.IsValid(name, candidate) == 1; });
}

int EwRepository::set_active(const GwString& name, const int& flag) {
    return any_group([&](EwDataSet& g) { return g.set_active(name, flag); });
}

int EwRepository::set_visible(const GwString& name, const int& flag) {
    return any_group([&](EwDataSet& g) { return g.set_visible(name, flag); });
}

int EwRepository::set_enabled(const GwString& name, const int& flag) {
    return any_group([&](EwDataSet& g) { return g.set_enabled(name, flag); });
}

int EwRepository::set_length(const GwString& name, const GwString& length) {
    return any_group([&](EwDataSet& g) { return g.set_length(name, length); });
}

int EwRepository::set_prf_value(const GwString& name, const GwString& v, int form) {
    return any_group([&](EwDataSet& g) { return g.set_prf_value(name, v, form); });
}

int EwRepository::set_default(const GwString& name, const GwString& v) {
    return any_group([&](EwDataSet& g) { return g.set_default(name, v); });
}

int EwRepository::set_range(const GwString& name, DynGwStringPtrArray*& list,
                            DynGwStringPtrArray* mapping) {
    return any_group([&](EwDataSet& g) { return g.set_range(name, list, mapping); });
}

int EwRepository::set_bounds(const GwString& name, const GwString& low, const GwString& high) {
    return any_group([&](EwDataSet& g) { return g.set_bounds(name, low, high); });
}

int EwRepository::set_value(const GwString& name, const GwString& v, int form) {
    for (int i = 0; i < m_coGroups.count(); ++i) {
        EwDataSet* g = m_coGroups.get(i);
        if (g == nullptr || !is_prefix_group(*g, name))
            continue;
        const GwString current = g->value(name, form);
        if (current.len() != v.len() || current.compare(v) != 0)
            SetChanged();
        if (g->set_value(name, v, form) != 0)
            return 1;
    }
    return 0;
}

GwString EwRepository::bounds(const GwString& name) const {
    for (int i = 0; i < m_coGroups.count(); ++i) {
        const EwDataSet* g = m_coGroups.get(i);
        if (g != nullptr && is_prefix_group(*g, name))
            return g->bounds(name);
    }
    return GwString();
}

DynGwStringPtrArray* EwRepository::list_of_names() const {
    auto* names = new DynGwStringPtrArray(10, 10);
    for (int i = 0; i < m_coGroups.count(); ++i) {
        const EwDataSet* g = m_coGroups.get(i);
        if (g != nullptr)
            names->add(g->get_name());
    }
    return names;
}

int EwRepository::add_item(EwDataSet*& g) {
    if (g == nullptr || g == this)
        return 0;
    for (int i = 0; i < m_coGroups.count(); ++i) {
        if (m_coGroups.get(i) == g)
            return 0;
    }
    m_coGroups[-1] = g;
    return 1;
}

EwDataSet* EwRepository::item(const GwString& group) const {
    for (int i = 0; i < m_coGroups.count(); ++i) {
        EwDataSet* g = m_coGroups.get(i);
        if (g != nullptr && g->has_name(group))
            return g;
    }
    return nullptr;
}

DynGwStringPtrArray* EwRepository::list_of_param_names(const GwString& group) const {
    const EwDataSet* g = item(group);
    return g != nullptr ? g->list_of_names() : nullptr;
}

void EwRepository::rdump(std::ostream& out, const GwString& sep1, const GwString& sep2,
                         int flag) const {
    if (!out.good())
        return;
    if (flag == 1) {
        out << "\nContents (_prf_value) of EwRepository:";
        out << "\nGroupName . ParamName : TRUE Value_1: FALSE Value_1";
    } else {
        out << "\nContents of EwRepository:";
        out << "\nGroupName . ParamName : TRUE Value: FALSE Value";
    }
    out << "\n";
    for (int i = 0; i < m_coGroups.count(); ++i) {
        const EwDataSet* g = m_coGroups.get(i);
        if (g == nullptr)
            continue;
        const std::unique_ptr<DynGwStringPtrArray> lines(g->dump(sep1, sep2, flag));
        for (int k = 0; k < lines->count(); ++k)
            out << lines->get(k)->str() << std::endl;
        out << "\n" << std::endl;
    }
}

int EwRepository::diff_measurement_method_1() const {
    int n = 0;
    for (int i = 0; i < m_coGroups.count(); ++i) {
        const EwDataSet* g = m_coGroups.get(i);
        if (g != nullptr && g->diff_measurement_method_1() > 0)
            ++n;
    }
    return n;
}

void EwRepository::diff_profiles(int mode, DynGwStringPtrArray*& out, int flag) const {
    for (int i = 0; i < m_coGroups.count(); ++i) {
        const EwDataSet* g = m_coGroups.get(i);
        if (g != nullptr)
            g->diff_profiles(mode, out, g->get_name(), flag);
    }
}
