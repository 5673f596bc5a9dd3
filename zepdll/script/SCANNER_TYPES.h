// One row of the scanner type table (CParser::m_asoZep): how a model name that a scanner
// reports relates to its type code and to the configuration type name under which the type's
// files are stored.
#pragma once

#include "GwString.h"

struct SCANNER_TYPES {
    GwString model_text; // a model name as it occurs in the scanner's identification ("RV-4400")
    GwString type_code;  // the numeric type code as text ("100")
    GwString type_name;  // the configuration type name ("ZEP100")
};
