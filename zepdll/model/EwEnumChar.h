// Enumerations whose values are characters in the profile (type ENUMERATEDCHAR); they behave
// as every enumeration does (EwEnumType).
#pragma once

#include "EwEnumType.h"

class EwEnumChar : public EwEnumType {
public:
    EwEnumChar(const GwString& name, const GwString& type) : EwEnumType(name, type) {}
};
