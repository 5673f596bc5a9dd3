// Everything a profile says about one parameter, as CProfileReader reads it from a parameter
// line (fields separated by ";") and the mapping line that follows it:
//
//   Speed=Scan speed;ENUMERATEDINT;2;0|1|2;;;;;1;scans/s
//   MAPPING_001=Slow,Normal,Fast
//
// gives Name "Scan speed", Type "ENUMERATEDINT", Length "2", Def Int "1", UNITS "scans/s",
// ID "Speed", MAPPING ("0", "1", "2") and, in language 1, Range "Slow,Normal,Fast".
#pragma once

#include "GwString.h"

class DynGwStringPtrArray;

class CParameterDescription {
public:
    CParameterDescription() = default;
    // Copies are deep: each record owns its own code list.
    CParameterDescription(const CParameterDescription& other);
    CParameterDescription(CParameterDescription&& other) noexcept;
    CParameterDescription& operator=(const CParameterDescription& other);
    CParameterDescription& operator=(CParameterDescription&& other) noexcept;
    // Deletes the code list.
    ~CParameterDescription();

    int m_iIndex = 0;     // 1 for every description a group listing delivers
    GwString m_sType;     // field 1, trailing blanks removed ("INT")
    GwString m_sGroup;    // the group's text in "ParameterGroups"
    GwString m_sGroupID;  // the group key; the builder puts the instance name here
    GwString m_sName;     // field 0: the label shown to the user
    GwString m_sID;       // the key of the parameter entry
    GwString m_sReserved; // always empty
    GwString m_sLength;   // field 2
    GwString m_sRange;    // field 3, or the mapping line's texts when there is a mapping
    GwString m_sHigh;     // field 4
    GwString m_sLow;      // field 5
    GwString m_sExcludes; // field 6
    GwString m_sDefChar;  // field 7
    GwString m_sUnits;    // field 9
    GwString m_sDefInt;   // field 8: the default the builder uses
    // The codes (field 3 split at "|") when a mapping line was found, else null; owned.
    DynGwStringPtrArray* m_pMapping = nullptr;
    // The group's instance list (position 1 of its section), or "-1" when the group or
    // parameter number was out of range.
    GwString m_sOneOf;
};
