// User data of a toolkit element: a text (a layout gives it with the property gwData, for
// example the help page of "CHelpManager::ContextHelp") and an address (the manager object a
// window belongs to). Callbacks receive the user data of the element that fired them.
#pragma once

#include "GwString.h"

class GwUD {
public:
    GwUD() = default;
    GwUD(const GwString& text) : m_text(text) {} // NOLINT: implicit, texts are written as literals
    GwUD(const char* text) : m_text(text) {}     // NOLINT
    explicit GwUD(void* pointer) : m_pointer(pointer) {}
    GwUD(const GwString& text, void* pointer) : m_text(text), m_pointer(pointer) {}

    const GwString& text() const { return m_text; }
    void* pointer() const { return m_pointer; }

private:
    GwString m_text;
    void* m_pointer = nullptr;
};
