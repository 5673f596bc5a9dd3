#include "EwType.h"

#include "CUtils.h"
#include "DynGwStringPtrArray.h"

#include <algorithm>

EwType::EwType(const GwString& name) : m_sName(name) {}

EwType::EwType(const GwString& name, const GwString& type) : m_sName(name), m_sType(type) {}

EwType::~EwType() = default;

GwString EwType::length() const {
    return GwString(m_iLength);
}

void EwType::set_length(const GwString& length) {
    m_iLength = length.to_int();
}

int EwType::has_name(const GwString& n) const {
    if (m_sName.is_empty())
        return 0;
    return n.len() == m_sName.len() && n.compare(m_sName) == 0 ? 1 : 0;
}

GwString EwType::pad_to_length(const GwString& text) const {
    return CUtils::PadLeft(text, pad_width());
}

int EwType::pad_width() const {
    return std::min(m_iLength, kMaxPadWidth);
}

int EwType::common_differs() const {
    const GwString a = value(1);
    const GwString b = prf_value(1);
    return a.len() == b.len() && a.compare(b) == 0 ? 0 : 1;
}

GwString EwType::common_diff_text(int flag) const {
    if (!common_differs())
        return GwString();
    return m_sName + (flag != 0 ? value(1) : prf_value(1));
}

void EwType::discard(DynGwStringPtrArray* list, const DynGwStringPtrArray* kept) {
    if (list != kept)
        delete list;
}
