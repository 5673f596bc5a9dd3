// Lets GoogleTest print a GwString as its text, so EXPECT_EQ on GwStrings shows the texts.
// Include it in every test file that compares GwStrings.
#pragma once

#include "GwString.h"

#include <ostream>

inline void PrintTo(const GwString& s, std::ostream* os) {
    *os << '"' << s.str() << '"';
}
