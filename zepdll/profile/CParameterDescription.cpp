#include "CParameterDescription.h"

#include "DynGwStringPtrArray.h"

#include <utility>

CParameterDescription::CParameterDescription(const CParameterDescription& other)
    : m_iIndex(other.m_iIndex), m_sType(other.m_sType), m_sGroup(other.m_sGroup),
      m_sGroupID(other.m_sGroupID), m_sName(other.m_sName), m_sID(other.m_sID),
      m_sReserved(other.m_sReserved), m_sLength(other.m_sLength), m_sRange(other.m_sRange),
      m_sHigh(other.m_sHigh), m_sLow(other.m_sLow), m_sExcludes(other.m_sExcludes),
      m_sDefChar(other.m_sDefChar), m_sUnits(other.m_sUnits), m_sDefInt(other.m_sDefInt),
      m_pMapping(other.m_pMapping != nullptr ? new DynGwStringPtrArray(*other.m_pMapping)
                                             : nullptr),
      m_sOneOf(other.m_sOneOf) {}

CParameterDescription::CParameterDescription(CParameterDescription&& other) noexcept
    : m_iIndex(other.m_iIndex), m_sType(std::move(other.m_sType)),
      m_sGroup(std::move(other.m_sGroup)), m_sGroupID(std::move(other.m_sGroupID)),
      m_sName(std::move(other.m_sName)), m_sID(std::move(other.m_sID)),
      m_sReserved(std::move(other.m_sReserved)), m_sLength(std::move(other.m_sLength)),
      m_sRange(std::move(other.m_sRange)), m_sHigh(std::move(other.m_sHigh)),
      m_sLow(std::move(other.m_sLow)), m_sExcludes(std::move(other.m_sExcludes)),
      m_sDefChar(std::move(other.m_sDefChar)), m_sUnits(std::move(other.m_sUnits)),
      m_sDefInt(std::move(other.m_sDefInt)), m_pMapping(std::exchange(other.m_pMapping, nullptr)),
      m_sOneOf(std::move(other.m_sOneOf)) {}

CParameterDescription& CParameterDescription::operator=(const CParameterDescription& other) {
    if (this != &other) {
        CParameterDescription copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CParameterDescription& CParameterDescription::operator=(CParameterDescription&& other) noexcept {
    if (this == &other)
        return *this;
    delete m_pMapping;
    m_iIndex = other.m_iIndex;
    m_sType = std::move(other.m_sType);
    m_sGroup = std::move(other.m_sGroup);
    m_sGroupID = std::move(other.m_sGroupID);
    m_sName = std::move(other.m_sName);
    m_sID = std::move(other.m_sID);
    m_sReserved = std::move(other.m_sReserved);
    m_sLength = std::move(other.m_sLength);
    m_sRange = std::move(other.m_sRange);
    m_sHigh = std::move(other.m_sHigh);
    m_sLow = std::move(other.m_sLow);
    m_sExcludes = std::move(other.m_sExcludes);
    m_sDefChar = std::move(other.m_sDefChar);
    m_sUnits = std::move(other.m_sUnits);
    m_sDefInt = std::move(other.m_sDefInt);
    m_pMapping = std::exchange(other.m_pMapping, nullptr);
    m_sOneOf = std::move(other.m_sOneOf);
    return *this;
}

CParameterDescription::~CParameterDescription() {
    delete m_pMapping;
}
