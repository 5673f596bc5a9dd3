// Enumerations whose values are numbers in the profile (types ENUMERATEDINT and BOOLEAN); they
// behave as every enumeration does (EwEnumType).
#pragma once

#include "EwEnumType.h"

class EwEnumInt : public EwEnumType {
public:
    EwEnumInt(const GwString& name, const GwString& type) : EwEnumType(name, type) {}
};
