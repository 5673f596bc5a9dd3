// Helpers for tests that hand string lists to the parameter model or read them back.
#pragma once

#include "DynGwStringPtrArray.h"
#include "GwStringPrint.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

using Texts = std::vector<std::string>;

// A new list with the texts in order (the receiver owns it).
inline DynGwStringPtrArray* new_list(std::initializer_list<const char*> texts) {
    auto* list = new DynGwStringPtrArray(10, 10);
    for (const char* t : texts)
        list->add(t);
    return list;
}

// The texts of a list (a null slot reads "<null>"); an empty vector for a null list.
inline Texts texts_of(const DynGwStringPtrArray* list) {
    Texts out;
    for (int i = 0; list != nullptr && i < list->count(); ++i) {
        const GwString* s = list->get(i);
        out.push_back(s != nullptr ? s->str() : "<null>");
    }
    return out;
}

// The same for a new list the caller owns, which is deleted.
inline Texts take_texts(DynGwStringPtrArray* list) {
    return texts_of(std::unique_ptr<DynGwStringPtrArray>(list).get());
}
