// One entry of a profile's "ParameterGroups" section: the group key, the group's text and the
// entry's position.
#pragma once

#include "GwString.h"

class CGroupName {
public:
    CGroupName() = default;
    CGroupName(const GwString& name, const GwString& value, int index);

    GwString m_sName;  // the group key ("Code"); parameter and group names start with it
    GwString m_sValue; // the group's text ("Code settings")
    int m_iIndex = 0;  // position of the entry, from 0
};
