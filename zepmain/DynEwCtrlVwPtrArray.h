// List of control wrappers. It does not delete them: the page that holds the list does.
// Index -1 of operator[] appends a new slot.
#pragma once

#include "GwDynArray.h"

class EwCtrlVw;

class DynEwCtrlVwPtrArray : public GwDynArray<EwCtrlVw> {
public:
    DynEwCtrlVwPtrArray(int initial, int grow) : GwDynArray<EwCtrlVw>(initial, grow) {}

    EwCtrlVw*& operator[](int i) { return access(i); }
    // Element i, or null outside the list.
    EwCtrlVw* get(int i) const { return at(i); }
};
