// Parameter line parser: moves parameter values between text lines and the repository. It is
// the base of the scanner transfer, the script files and the report templates. For now it
// holds its static parts: the scanner type table and the text functions on names.
#pragma once

#include "GwString.h"
#include "SCANNER_TYPES.h"

class CParser {
public:
    // Writes the scanner type table (the same rows every time).
    CParser();
    virtual ~CParser() = default;

    CParser(const CParser&) = delete;
    CParser& operator=(const CParser&) = delete;

    // The field prefix of a parameter name: the name without its first len(group)
    // characters. When that remainder contains "NONAME" anywhere, it becomes empty if it is
    // exactly "NONAME" and otherwise loses its first six characters.
    //   ("Code1Len", "Code1") -> "Len"     ("G1NONAME", "G1") -> ""
    //   ("G1NONAMEX", "G1") -> "X"         ("G1AB", "Group1") -> ""
    static GwString RemoveGroupID(const GwString& name, const GwString& group);

    // Translates a scanner type text through m_asoZep. The rows are tried in order and the
    // first that matches in column from wins: from 1: text equals type_code; from 2: text
    // equals type_name; any other from: text contains model_text. Comparisons ignore case.
    // Gives column to of that row (1 type_code, 2 type_name, other model_text), or empty when
    // no row matches.
    //   ("Model RV-4400L V2", 0, 2) -> "ZEP100" (row "RV-4400" comes first)
    //   ("zep100", 2, 1) -> "100"   ("100", 1, 0) -> "RV-4400"   ("XY", 0, 2) -> ""
    static GwString TranslateType(const GwString& text, unsigned from, unsigned to);

    static constexpr int kScannerTypeCount = 3;
    // Row 0 stands for a scanner whose type is not recognised; rows 1 and 2 are two models of
    // one configuration type. Filled when the library is loaded, so the static functions work
    // before any parser exists; every construction writes the same rows again.
    static SCANNER_TYPES m_asoZep[kScannerTypeCount];

private:
    static void fill_scanner_types();
};
