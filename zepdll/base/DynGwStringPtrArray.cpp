#include "DynGwStringPtrArray.h"

DynGwStringPtrArray::DynGwStringPtrArray(int initial, int grow)
    : GwDynArray<GwString>(initial, grow) {}

DynGwStringPtrArray::DynGwStringPtrArray(const DynGwStringPtrArray& other)
    : GwDynArray<GwString>(other.count(), 10) {
    for (int i = 0; i < other.count(); ++i) {
        const GwString* s = other.get(i);
        (*this)[-1] = s != nullptr ? new GwString(*s) : nullptr;
    }
}

DynGwStringPtrArray::~DynGwStringPtrArray() {
    clear();
}

GwString*& DynGwStringPtrArray::operator[](int i) {
    return access(i);
}

GwString* DynGwStringPtrArray::add(const GwString& text) {
    GwString* s = new GwString(text);
    (*this)[-1] = s;
    return s;
}

int DynGwStringPtrArray::find(const GwString& text) const {
    for (int i = 0; i < count(); ++i) {
        const GwString* s = get(i);
        if (s != nullptr && s->len() == text.len() && s->compare(text) == 0)
            return i;
    }
    return -1;
}

void DynGwStringPtrArray::clear() {
    for (int i = 0; i < count(); ++i)
        delete get(i);
    clear_slots();
}
