// List of parameter descriptions, one per parameter of a profile group in file order. It owns
// its records: the destructor deletes every one.
#pragma once

#include "CParameterDescription.h"
#include "GwDynArray.h"

class CDynParameterDescriptionArray : public GwDynArray<CParameterDescription> {
public:
    explicit CDynParameterDescriptionArray(int initial = 15, int grow = 10);
    ~CDynParameterDescriptionArray() override;

    // Slot i (see GwDynArray::access: -1 appends).
    CParameterDescription*& operator[](int i) { return access(i); }
    // Record i, or null outside the list.
    CParameterDescription* get(int i) const { return at(i); }
};
