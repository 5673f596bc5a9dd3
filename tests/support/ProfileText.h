// Profiles for tests, parsed from a text instead of a file.
#pragma once

#include "GwProfile.h"

#include <memory>
#include <string>

inline std::unique_ptr<GwProfile> profile_from(const std::string& text) {
    auto p = std::make_unique<GwProfile>();
    p->load_text(text);
    return p;
}
