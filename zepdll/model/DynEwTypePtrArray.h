// List of EwType pointers. It does not own its elements: the group (EwDataSet) deletes them.
// Index -1 of operator[] appends a new slot.
#pragma once

#include "GwDynArray.h"

class EwType;

class DynEwTypePtrArray : public GwDynArray<EwType> {
public:
    DynEwTypePtrArray(int initial, int grow);

    // Slot i (see GwDynArray::access: -1 appends, other indexes outside the list give a spare
    // slot whose contents are not kept).
    EwType*& operator[](int i) { return access(i); }
    // Element i, or null outside the list.
    EwType* get(int i) const { return at(i); }
};
