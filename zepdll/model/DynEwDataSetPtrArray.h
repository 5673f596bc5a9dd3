// List of EwDataSet pointers. It does not own its elements: the repository deletes them.
// Index -1 of operator[] appends a new slot.
#pragma once

#include "GwDynArray.h"

class EwDataSet;

class DynEwDataSetPtrArray : public GwDynArray<EwDataSet> {
public:
    DynEwDataSetPtrArray(int initial, int grow);

    // Slot i (see GwDynArray::access: -1 appends, other indexes outside the list give a spare
    // slot whose contents are not kept).
    EwDataSet*& operator[](int i) { return access(i); }
    // Element i, or null outside the list.
    EwDataSet* get(int i) const { return at(i); }
};
