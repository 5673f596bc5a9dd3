// The command map of a scanner type ("cmd.map" in the type's data directory): for every
// parameter the command that queries it, where its value stands in the reply and how it is
// cut out, the command that writes it, and its kind. Read once per connection; the transfer
// asks it by full parameter name.
//
// File syntax (a GwProfile file; both sections must be present):
//   [GeneralInformation]                  nothing in it is read
//   [StartMapping]
//   ; name = reserved;marker;query;locator;write;type
//   DCI=RW;DCI;WDCI;=|INT;DCI;NORMAL
//   L3C=RW;L3;WL3C;C|INT;C;DPNDNT
// The six fields are split at each ";" by position: an empty field stays empty ("a;;c" is
// "a", "", "c"), missing trailing fields are empty, leading blanks and tabs of each field are
// removed, trailing ones stay.
//
// Cutting a value out of a reply (ExtractValue); "after X" is the reply from just after the
// first occurrence of X (an empty X occurs at 0):
//   SIMPLE   after the marker, filled on the left with "0" to the width
//              RCL01 with marker RCL, width 2        -> "01"
//   NORMAL   after the marker, then after the locator's search text (before "|"); the kind
//            (after "|") decides: contains INT -> the leading number, filled with "0";
//            contains STR -> as it is
//              DCI=500, marker DCI, locator =|INT, width 4   -> "0500"
//              K3F=1D00, marker K3F, locator =|STR         -> "1D00"
//   DPNDNT   as NORMAL, but a part without the search text counts as "0"; INT as NORMAL, STR
//            filled on the right with "_", RNG CUtils::ExtractRange(part, 2) filled with "_"
//              L3O04L13___, marker L3, locator L|RNG, width 5 -> "13___"
//   STRING   after the locator (used whole), as it is
//              CVI"AB", locator CVI                  -> "\"AB\""
// A reply that lacks the marker (or, for NORMAL, the search text; for STRING, the locator)
// gives an empty value: nothing outside the reply is read. Fits() tells such replies apart.
#pragma once

#include "DynGwStringPtrArray.h"
#include "GwString.h"

#include <memory>
#include <string>

class EwRepository;
class GwProfile;

class CCmdMap {
public:
    static constexpr int kFields = 6;
    // The longest value a width fills to: no reply is longer than the port's input queue.
    static constexpr int kMaxWidth = 4096;

    CCmdMap(); // empty: no entries
    virtual ~CCmdMap();
    CCmdMap(const CCmdMap&) = delete;
    CCmdMap& operator=(const CCmdMap&) = delete;

    // Reads program_dir + the configuration type name of the connected scanner
    // (CParser::TranslateType(CScanRepoIf::ConnectedScanner(), 0, 2)) + "\\cmd.map".
    // 1 when read. 0 when the file cannot be read or lacks "GeneralInformation" or
    // "StartMapping"; the entries of an earlier call then stay usable.
    int Initialize();
    // The same from a given file, and from a text (tests, fuzzing).
    int InitializeFile(const GwString& path);
    int InitializeText(const std::string& text);

    // Field 3 / field 5 of the entry; empty for a name not in the map.
    GwString GetQueryCmd(GwString& name);
    GwString GetWriteCmd(const GwString& name);
    // The value of name cut out of reply, in the form the repository stores (see above). The
    // width is repo->length(name) (0 without a repository, at most kMaxWidth). "0" for a name
    // not in the map; empty for a type other than the four.
    GwString ExtractValue(GwString& name, GwString& reply, EwRepository* repo);
    // 1 for type "DPNDNT" / "STRING", and for a name not in the map; else 0.
    int IsDependent(const GwString& name);
    int IsString(const GwString& name);

    // 1 when the map has an entry for name.
    int Contains(const GwString& name) const { return SearchQMVCmd(name) >= 0 ? 1 : 0; }
    // 1 when the entry's type is one of SIMPLE, NORMAL, DPNDNT, STRING.
    int HasKnownType(const GwString& name) const;
    // 1 when reply holds what ExtractValue cuts from for name: the marker (SIMPLE, NORMAL,
    // DPNDNT), then the search text (NORMAL, DPNDNT), or the locator (STRING). 0 otherwise and
    // for a name not in the map.
    //   DCI=500 for DCI -> 1     DCC2 for DCI -> 0     L3O04C2 for L3C -> 1     L3O04 -> 0
    int Fits(const GwString& name, const GwString& reply) const;
    // The value of name read strictly out of a reply: 1 and value (as ExtractValue gives it)
    // when the reply is exactly what the entry describes, with nothing in front of the marker
    // and nothing left over behind the value:
    //   SIMPLE   marker, value
    //   NORMAL   marker, search text, then the value: INT decimal digits only, STR the rest
    //   DPNDNT   marker, other fields (given in dependent), the first search text, then the
    //            value: INT digits only, STR the rest, RNG digits, optionally "-" and
    //            digits, then "_" fill
    //   STRING   locator, then the value: a text in double quotes without quotes inside
    // The value is never empty (an empty text in quotes is two quotes).
    // 0 otherwise, also for a name not in the map or a type or kind not listed (value and
    // dependent unchanged).
    //   DCI=500 -> "0500"    DCI=5x0 -> 0    xDCI=500 -> 0    L3O04L10-2x -> 0
    //   L3O04C2 (L3C) -> "2", dependent "O04"        CVI"AB -> 0
    int TakeValue(GwString& name, const GwString& reply, EwRepository* repo, GwString& value,
                  GwString& dependent) const;

    int Count() const { return m_iCount; }
    // Entry i: its name and its fields 1 to 6 (empty outside the map).
    GwString Name(int i) const;
    GwString Field(int i, int field) const;

protected:
    // Index of the first entry named name (exact comparison), or -1.
    int SearchQMVCmd(const GwString& name) const;

private:
    int take(std::unique_ptr<GwProfile> profile);
    GwString field(int index, int field) const;

    std::unique_ptr<DynGwStringPtrArray> m_pNames;
    std::unique_ptr<DynGwStringPtrArray> m_pFields[kFields];
    int m_iCount = 0;
    std::unique_ptr<GwProfile> m_pProfile;
};
