// Helpers for tests that hand string lists to the parameter model or read them back.
#pragma once

#include "DynGwStringPtrArray.h"

#include <initializer_list>
#include <string>
#include <vector>

// A new list with the texts in order (the receiver owns it).
inline DynGwStringPtrArray* new_list(std::initializer_list<const char*> texts) {
    auto* list = new DynGwStringPtrArray(10, 10);
    for (const char* t : texts)
        list->add(t);
    return list;
}

// The texts of a list (a null slot reads "<null>"); an empty vector for a null list.
inline std::vector<std::string> texts_of(const DynGwStringPtrArray* list) {
    std::vector<std::string> out;
    if (list == nullptr)
        return out;
    for (int i = 0; i < list->count(); ++i) {
        const GwString* s = list->get(i);
        out.push_back(s != nullptr ? s->str() : "<null>");
    }
    return out;
}

using Texts = std::vector<std::string>;
