#include "EwEnumType.h"

#include "DynGwStringPtrArray.h"

EwEnumType::EwEnumType(const GwString& name, const GwString& type) : EwType(name, type) {}

EwEnumType::~EwEnumType() {
    delete m_pValues;
    delete m_pCodes;
}

int EwEnumType::IsValid(const GwString& candidate) const {
    return m_pValues != nullptr && m_pValues->find(candidate) >= 0 ? 1 : 0;
}

GwString EwEnumType::value(int form) const {
    return coded(m_sValue, form, false);
}

GwString EwEnumType::prf_value(int form) const {
    return coded(m_sPrfValue, form, true);
}

int EwEnumType::set_value(const GwString& v, int form) {
    return decode_into(v, form, m_sValue);
}

int EwEnumType::set_prf_value(const GwString& v, int form) {
    return decode_into(v, form, m_sPrfValue);
}

int EwEnumType::set_default(const GwString& v) {
    if (!IsValid(v))
        return 0;
    m_sDefault = v;
    m_sValue = v;
    return 1;
}

DynGwStringPtrArray* EwEnumType::range(int which) const {
    return which == 1 ? m_pCodes : m_pValues;
}

void EwEnumType::set_range(DynGwStringPtrArray*& list, DynGwStringPtrArray* mapping) {
    DynGwStringPtrArray* const old_values = m_pValues;
    DynGwStringPtrArray* const old_codes = m_pCodes;
    m_pValues = list;
    // One list in both fields would be deleted twice.
    m_pCodes = mapping != nullptr && mapping == list ? new DynGwStringPtrArray(*mapping) : mapping;
    if (old_values != m_pValues && old_values != m_pCodes)
        delete old_values;
    if (old_codes != m_pValues && old_codes != m_pCodes)
        delete old_codes;
}

void EwEnumType::set_bounds(const GwString& /*low*/, const GwString& /*high*/) {}

GwString EwEnumType::coded(const GwString& plain, int form, bool fill_unlisted) const {
    if (form != 1 || m_pCodes == nullptr)
        return plain;
    const int k = m_pValues != nullptr ? m_pValues->find(plain) : -1;
    // A code list shorter than the value list leaves the later values without a code.
    const GwString* code = k >= 0 ? m_pCodes->get(k) : nullptr;
    if (code != nullptr)
        return pad_to_length(*code);
    return fill_unlisted ? pad_to_length(plain) : plain;
}

int EwEnumType::decode_into(const GwString& v, int form, GwString& target) const {
    GwString candidate = v;
    if (form == 1 && m_pCodes != nullptr) {
        const int k = m_pCodes->find(v);
        const GwString* plain = k >= 0 && m_pValues != nullptr ? m_pValues->get(k) : nullptr;
        if (plain != nullptr)
            candidate = *plain;
    }
    if (!IsValid(candidate))
        return 0;
    target = candidate;
    return 1;
}
