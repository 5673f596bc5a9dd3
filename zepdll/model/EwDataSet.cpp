#include "EwDataSet.h"

#include "DynGwStringPtrArray.h"
#include "EwType.h"

EwDataSet::EwDataSet(const GwString& name) : m_sName(name) {}

EwDataSet::~EwDataSet() {
    for (int i = 0; i < m_coItems.count(); ++i) {
        delete m_coItems[i];
        m_coItems[i] = nullptr;
    }
}

EwType* EwDataSet::find(const GwString& name) const {
    for (int i = 0; i < m_coItems.count(); ++i) {
        EwType* p = m_coItems.get(i);
        if (p != nullptr && p->has_name(name))
            return p;
    }
    return nullptr;
}

int EwDataSet::add_item(EwType*& p) {
    if (p == nullptr)
        return 0;
    for (int i = 0; i < m_coItems.count(); ++i) {
        if (m_coItems.get(i) == p)
            return 0;
    }
    m_coItems[-1] = p;
    return 1;
}

int EwDataSet::IsActive(const GwString& name) const {
    const EwType* p = find(name);
    return p != nullptr ? p->IsActive() : 0;
}

int EwDataSet::IsVisible(const GwString& name) const {
    const EwType* p = find(name);
    return p != nullptr ? p->IsVisible() : 0;
}

int EwDataSet::IsEnabled(const GwString& name) const {
    const EwType* p = find(name);
    return p != nullptr ? p->IsEnabled() : 0;
}

GwString EwDataSet::type(const GwString& name) const {
    const EwType* p = find(name);
    return p != nullptr ? p->type() : GwString();
}

GwString EwDataSet::length(const GwString& name) const {
    const EwType* p = find(name);
    return p != nullptr ? p->length() : GwString();
}

GwString EwDataSet::value(const GwString& name, int form) const {
    const EwType* p = find(name);
    return p != nullptr ? p->value(form) : GwString();
}

GwString EwDataSet::prf_value(const GwString& name, int form) const {
    const EwType* p = find(name);
    return p != nullptr ? p->prf_value(form) : GwString();
}

DynGwStringPtrArray* EwDataSet::range(const GwString& name, int which) const {
    const EwType* p = find(name);
    return p != nullptr ? p->range(which) : nullptr;
}

int EwDataSet::IsValid(const GwString& name, const GwString& candidate) const {
    const EwType* p = find(name);
    return p != nullptr ? p->IsValid(candidate) : 0;
}

int EwDataSet::set_active(const GwString& name, const int& flag) {
    EwType* p = find(name);
    if (p == nullptr)
        return 0;
    p->set_active(flag);
    return 1;
}

int EwDataSet::set_visible(const GwString& name, const int& flag) {
    EwType* p = find(name);
    if (p == nullptr)
        return 0;
    p->set_visible(flag);
    return 1;
}

int EwDataSet::set_enabled(const GwString& name, const int& flag) {
    EwType* p = find(name);
    if (p == nullptr)
        return 0;
    p->set_enabled(flag);
    return 1;
}

int EwDataSet::set_length(const GwString& name, const GwString& length) {
    EwType* p = find(name);
    if (p == nullptr)
        return 0;
    p->set_length(length);
    return 1;
}

int EwDataSet::set_value(const GwString& name, const GwString& v, int form) {
    EwType* p = find(name);
    return p != nullptr ? p->set_value(v, form) : 0;
}

int EwDataSet::set_prf_value(const GwString& name, const GwString& v, int form) {
    EwType* p = find(name);
    return p != nullptr ? p->set_prf_value(v, form) : 0;
}

int EwDataSet::set_default(const GwString& name, const GwString& v) {
    EwType* p = find(name);
    if (p == nullptr)
        return 0;
    p->set_default(v);
    return 1;
}

int EwDataSet::set_range(const GwString& name, DynGwStringPtrArray*& list,
                         DynGwStringPtrArray* mapping) {
    EwType* p = find(name);
    if (p == nullptr)
        return 0;
    p->set_range(list, mapping);
    return 1;
}

int EwDataSet::set_bounds(const GwString& name, const GwString& low, const GwString& high) {
    EwType* p = find(name);
    if (p == nullptr)
        return 0;
    p->set_bounds(low, high);
    return 1;
}

GwString EwDataSet::bounds(const GwString& name) const {
    const EwType* p = find(name);
    return p != nullptr ? p->bounds() : GwString();
}

DynGwStringPtrArray* EwDataSet::list_of_names() const {
    auto* names = new DynGwStringPtrArray(10, 10);
    for (int i = 0; i < m_coItems.count(); ++i) {
        const EwType* p = m_coItems.get(i);
        if (p != nullptr)
            names->add(p->name());
    }
    return names;
}

int EwDataSet::has_name(const GwString& n) const {
    return n.len() == m_sName.len() && n.compare(m_sName) == 0 ? 1 : 0;
}

DynGwStringPtrArray* EwDataSet::dump(const GwString& sep1, const GwString& sep2, int flag) const {
    auto* lines = new DynGwStringPtrArray(m_coItems.count(), 10);
    for (int i = 0; i < m_coItems.count(); ++i) {
        const EwType* p = m_coItems.get(i);
        if (p == nullptr)
            continue;
        const GwString coded = flag == 0 ? p->value(1) : p->prf_value(1);
        const GwString plain = flag == 0 ? p->value(0) : p->prf_value(0);
        lines->add(m_sName + sep1 + p->name() + sep1 + p->length() + sep2 + coded + sep2 + plain +
                   sep2);
    }
    return lines;
}

int EwDataSet::diff_measurement_method_1() const {
    int n = 0;
    for (int i = 0; i < m_coItems.count(); ++i) {
        const EwType* p = m_coItems.get(i);
        if (p != nullptr && p->differs() == 1)
            ++n;
    }
    return n;
}

void EwDataSet::diff_profiles(int mode, DynGwStringPtrArray*& out, const GwString& group,
                              int flag) const {
    if (out == nullptr)
        return;
    const GwString head = "3" + group;
    GwString line = head;
    for (int i = 0; i < m_coItems.count(); ++i) {
        const EwType* p = m_coItems.get(i);
        if (p == nullptr)
            continue;
        const GwString text = p->diff_text(flag);
        if (text.is_empty())
            continue;
        const GwString field = FieldPrefix(text, group);
        if (mode != 0)
            out->add(head + field);
        else
            line += field;
    }
    if (mode == 0 && line != head)
        out->add(line);
}

GwString EwDataSet::FieldPrefix(const GwString& name, const GwString& group) {
    GwString rest = name.from(group.len());
    if (rest.contains("NONAME")) {
        if (rest == "NONAME")
            rest.clear();
        else
            rest.remove(0, 5);
    }
    return rest;
}
