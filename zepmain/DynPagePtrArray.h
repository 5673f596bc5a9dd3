// List of the pages of a dialog. It does not delete them: the dialog that holds the list does.
// Index -1 of operator[] appends a new slot.
#pragma once

#include "GwDynArray.h"

class EwPage;

class DynPagePtrArray : public GwDynArray<EwPage> {
public:
    DynPagePtrArray(int initial, int grow) : GwDynArray<EwPage>(initial, grow) {}

    EwPage*& operator[](int i) { return access(i); }
    // Element i, or null outside the list.
    EwPage* get(int i) const { return at(i); }
};
