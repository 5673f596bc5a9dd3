#include "EwRangeType.h"

#include "DynGwStringPtrArray.h"

EwRangeType::EwRangeType(const GwString& name) : EwType(name) {}

EwRangeType::EwRangeType(const GwString& name, const GwString& type) : EwType(name, type) {}

EwRangeType::~EwRangeType() {
    delete m_pExcludes;
}

DynGwStringPtrArray* EwRangeType::range(int /*which*/) const {
    return m_pExcludes;
}

GwString EwRangeType::bounds() const {
    return m_sLow + "," + m_sHigh;
}

void EwRangeType::set_range(DynGwStringPtrArray*& list, DynGwStringPtrArray* mapping) {
    DynGwStringPtrArray* const old = m_pExcludes;
    m_pExcludes = list;
    discard(mapping, list);
    if (old != list && old != mapping)
        delete old;
}

void EwRangeType::set_bounds(const GwString& low, const GwString& high) {
    m_sLow = low;
    m_sHigh = high;
}

int EwRangeType::is_excluded(const GwString& text) const {
    return m_pExcludes != nullptr && m_pExcludes->find(text) >= 0 ? 1 : 0;
}
