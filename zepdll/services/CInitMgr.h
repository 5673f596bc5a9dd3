// Program-wide settings and start-up state. Every member and operation is static.
#pragma once

#include "GwString.h"

class CInitMgr {
public:
    // The toolkit's current interface language number as decimal, filled on the left with "0"
    // to three characters ("001", "049", "033").
    static GwString get_lang_str();
};
