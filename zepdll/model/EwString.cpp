#include "EwString.h"

#include "DynGwStringPtrArray.h"

EwString::EwString(const GwString& name, const GwString& type) : EwType(name, type) {}

EwString::~EwString() {
    delete m_pExcludes;
}

int EwString::IsValid(const GwString& /*candidate*/) const {
    return 1;
}

GwString EwString::value(int /*form*/) const {
    return m_sValue;
}

GwString EwString::prf_value(int /*form*/) const {
    return m_sPrfValue;
}

int EwString::set_value(const GwString& v, int /*form*/) {
    m_sValue = v;
    return 1;
}

int EwString::set_prf_value(const GwString& v, int /*form*/) {
    m_sPrfValue = v;
    return 1;
}

int EwString::set_default(const GwString& v) {
    m_sDefault = v;
    m_sValue = v;
    return 1;
}

DynGwStringPtrArray* EwString::range(int /*which*/) const {
    return m_pExcludes;
}

void EwString::set_range(DynGwStringPtrArray*& list, DynGwStringPtrArray* mapping) {
    DynGwStringPtrArray* const old = m_pExcludes;
    m_pExcludes = list;
    discard(mapping, list);
    if (old != list && old != mapping)
        delete old;
}

void EwString::set_bounds(const GwString& /*low*/, const GwString& /*high*/) {}
