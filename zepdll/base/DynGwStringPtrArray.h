// Owning list of strings, the list type passed between the parts of the system. Index -1 of
// operator[] appends a new slot; the destructor deletes every string still in the list.
//
//   DynGwStringPtrArray names(10, 10);
//   names[-1] = new GwString("RCL");   // append
//   GwString* first = names[0];
#pragma once

#include "GwDynArray.h"
#include "GwString.h"

class DynGwStringPtrArray : public GwDynArray<GwString> {
public:
    DynGwStringPtrArray(int initial, int grow);
    // Deep copy: every string is copied (initial capacity = source count, growth 10).
    DynGwStringPtrArray(const DynGwStringPtrArray& other);
    DynGwStringPtrArray& operator=(const DynGwStringPtrArray&) = delete;
    ~DynGwStringPtrArray() override;

    // Slot i (see GwDynArray::access: -1 appends, other indexes outside the list give a spare
    // slot whose contents are not kept).
    GwString*& operator[](int i);
    // String i, or null outside the list.
    GwString* get(int i) const { return at(i); }

    // Appends a copy of text; returns the new string.
    GwString* add(const GwString& text);
    // Index of the first entry equal to text (same length and compare 0), or -1.
    int find(const GwString& text) const;
    // Deletes every string and empties the list.
    void clear();
};
