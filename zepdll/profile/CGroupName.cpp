#include "CGroupName.h"

CGroupName::CGroupName(const GwString& name, const GwString& value, int index)
    : m_sName(name), m_sValue(value), m_iIndex(index) {}
