#include "CParser.h"

namespace {

// Defined before m_asoZep in this file, so it is built first.
const SCANNER_TYPES kScannerTypes[CParser::kScannerTypeCount] = {
    {"??", "???", "ZEP???"},
    {"RV-4400", "100", "ZEP100"},
    {"RV-4400L", "100", "ZEP100"},
};

} // namespace

SCANNER_TYPES CParser::m_asoZep[CParser::kScannerTypeCount] = {kScannerTypes[0], kScannerTypes[1],
                                                               kScannerTypes[2]};

CParser::CParser() {
    fill_scanner_types();
}

void CParser::fill_scanner_types() {
    for (int i = 0; i < kScannerTypeCount; ++i)
        m_asoZep[i] = kScannerTypes[i];
}

GwString CParser::RemoveGroupID(const GwString& name, const GwString& group) {
    GwString rest = name.from(group.len());
    if (rest.contains("NONAME")) {
        if (rest == "NONAME")
            rest.clear();
        else
            rest.remove(0, 5);
    }
    return rest;
}

GwString CParser::TranslateType(const GwString& text, unsigned from, unsigned to) {
    const GwString wanted = text.to_upper();
    for (const SCANNER_TYPES& row : m_asoZep) {
        bool match = false;
        if (from == 1)
            match = wanted == row.type_code.to_upper();
        else if (from == 2)
            match = wanted == row.type_name.to_upper();
        else
            match = wanted.contains(row.model_text.to_upper()) != 0;
        if (!match)
            continue;
        if (to == 1)
            return row.type_code;
        if (to == 2)
            return row.type_name;
        return row.model_text;
    }
    return GwString();
}
