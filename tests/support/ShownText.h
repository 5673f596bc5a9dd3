// What the scripted answers recorded of a box, as texts a test compares in one go.
#pragma once

#include "GwScriptedAnswers.h"

#include <string>

// The buttons as "label=result", each followed by a blank, "*" marking the default:
// "Yes=10 No=17* ". Empty when nothing was shown.
inline std::string buttons_of(const GwScriptedAnswers::Shown* shown) {
    std::string out;
    for (size_t i = 0; shown != nullptr && i < shown->buttons.size(); ++i) {
        const auto& b = shown->buttons[i];
        out += b.label.str() + "=" + std::to_string(b.result) + (b.is_default ? "* " : " ");
    }
    return out;
}

// "title|text|bitmap"; empty when nothing was shown.
inline std::string box_of(const GwScriptedAnswers::Shown* shown) {
    return shown == nullptr
               ? std::string()
               : shown->title.str() + "|" + shown->text.str() + "|" + shown->bitmap.str();
}
