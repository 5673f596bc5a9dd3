// Parameter line parser: moves parameter values between text lines and the repository. It is
// the base of the scanner transfer (CScanRepoIf), the script files (CFileRepoIf) and the report
// templates (CScriptPrintMgr), and knows two kinds of text:
//
// The parameter data line: one group's parameters in one line, as an upload assembles it, as
// the factory-default command file holds it and as script lines are turned into:
//
//     3  H0  B5 FA T3 E"NOREAD" C0          (written without the blanks: 3H0B5FAT3E"NOREAD"C0)
//     |  |   each field: the parameter's field prefix, then its value
//     |  the group identifier
//     the response code "3" (skipped unread)
//
// A parameter's full name is its group followed by its field prefix (H0B = group H0, prefix B).
// How far a value runs depends on the parameter:
//   - type NULSTRING (at most length characters), HEXCHAR and LISTEDINT (at most 2 x length):
//     hex digit pairs, ending after the first pair "00" at an even offset from the value start
//     (the "00" is kept in the value); further "00" pairs right after it are filler and skipped;
//   - the full names CVI, CVM and H0E: a one-character prefix and the text in double quotes
//     (stored without the quotes); a prefix followed by no quote takes the rest of the line;
//   - every other parameter: exactly length characters.
// A group's unnamed parameter (GNNONAME: the key NONAME gives no field prefix) is read from the
// start of the fields when no prefix stands there: "3GN1" gives GNNONAME 1. Otherwise the first
// field that starts with no known prefix ends the line silently.
//
// The template line: a line with a "$$" placeholder that instantiate_line fills from the
// repository (the script template; CScriptPrintMgr replaces it with the report language).
#pragma once

#include "DynGwStringPtrArray.h"
#include "GwString.h"
#include "SCANNER_TYPES.h"

#include <memory>

class EwRepository;

class CParser {
public:
    // Writes the scanner type table (the same rows every time) and creates the spare and the
    // current name lists, both empty.
    CParser();
    virtual ~CParser();

    CParser(const CParser&) = delete;
    CParser& operator=(const CParser&) = delete;

    // --- The current name list ------------------------------------------------------------
    // The names of the group whose line is parsed next. param_prefix, get_array_of_values and
    // find_nth_param_position read it; get_param and get_group's callers set it per group.
    // Takes ownership of names and releases the previous list; null leaves an empty list.
    void set_current_names(DynGwStringPtrArray* names);
    // Sets the current name list to repo->list_of_param_names(group): 1 when the group
    // exists, else 0 (the list is then empty).
    int select_group(EwRepository* repo, const GwString& group);
    // The current list (never null; the parser keeps it).
    DynGwStringPtrArray* current_names() const { return m_pCurrentNames.get(); }
    // A list created with the parser and released with it; no parser operation reads it.
    DynGwStringPtrArray* spare_names() const { return m_pSpareNames.get(); }

    // --- Names and prefixes ---------------------------------------------------------------
    // The full name (group + prefix) of the first parameter of the current name list whose
    // non-empty field prefix text begins with; empty when none. List order wins, not length:
    // with A listed before AB, "AB7" gives the parameter of A.
    //   current names H0B, H0F; ("FA", "H0") -> "H0F"     ("XA", "H0") -> ""
    GwString param_prefix(const GwString& text, const GwString& group) const;

    // Searches the groups of repo in order; for each it makes the group's names current and
    // asks param_prefix(key without its first len(group) characters, group). The first group
    // whose answer key begins with wins: name := that full name, length := len(name), 1. A
    // group's unnamed parameter is found by its full name. 0 when no group has such a
    // parameter (name, length unchanged).
    //   ("H0E tail") -> 1, name "H0E", length 3        ("GNNONAME") -> 1, "GNNONAME", 8
    int get_param(EwRepository* repo, const GwString& key, GwString& name, int& length);

    // The first group identifier of repo (in list order) that text begins with: group := it,
    // 1. Else 0 (group unchanged). Does not change the current name list.
    //   ("H0B5") -> 1, group "H0"
    int get_group(EwRepository* repo, const GwString& text, GwString& group);

    // --- Template lines -------------------------------------------------------------------
    // Fills the first "$$" placeholder of line (later ones stay as they are):
    //   - a special key (see tpl_special_cases) replaces "$$" and everything after it;
    //   - a parameter name (get_param) is replaced by its coded value, repo->value(name, 1)
    //     for form <= 0 or repo->prf_value(name, 1) for form >= 1; text after the name stays;
    //   - any other key makes the whole line a comment: ";" + line.
    // Without repo, or without "$$", the line comes back unchanged. comment is the text of the
    // "Created_by" key.
    //   "DCI=$$DCI"       -> "DCI=0500"        "X $$DCI ms" -> "X 0500 ms"
    //   "Type=$$Type ;c"  -> "Type=100"        "A=$$Nothing" -> ";A=$$Nothing"
    virtual GwString instantiate_line(EwRepository* repo, const GwString& line,
                                      const GwString& comment, int form);

    // The special keys, each matched when key begins with it, tested in this order:
    //   "Date"        the local date and time as ctime writes it, without the line feed
    //                 ("Sat Dec  5 21:45:43 2026")
    //   "From"        "ZEP Setup V" + CInitMgr::ZEPVersionNumber(), without a second "V" when
    //                 the version text starts with one
    //   "Type"        the type code of the selected scanner (TranslateType(SelectedScanner,
    //                 0, 1)); empty without a selected scanner
    //   "Created_by"  "'" + comment + "'"
    // 1 and out set for a special key; 0 and out unchanged for any other key.
    int tpl_special_cases(const GwString& key, GwString& out, const GwString& comment);

    // --- Static text helpers --------------------------------------------------------------
    // The field prefix of a parameter name (EwDataSet::FieldPrefix, the group's own rule).
    //   ("Code1Len", "Code1") -> "Len"     ("G1NONAME", "G1") -> ""
    static GwString RemoveGroupID(const GwString& name, const GwString& group);

    // Position of the nth occurrence of pattern in text, testing only the positions start,
    // start + step, start + 2 step, ... (a step below 1 counts as 1, a start below 0 as 0);
    // -1 when there are fewer than n or start is beyond len(text) - len(pattern).
    //   ("AB00CD00", "00", 1, 0, 2) -> 2     ("A00B", "00", 1, 0, 2) -> -1 (odd offset)
    //   ("xx00yy00", "00", 2, 0, 1) -> 6
    static int index_nth_occurrence(const GwString& text, const GwString& pattern, int n, int start,
                                    int step);
    // text without the occurrence index_nth_occurrence finds; unchanged when there is none.
    //   ("a;b;c", ";", 2, 0, 1) -> "a;bc"
    static GwString remove_nth_occurrence(const GwString& text, const GwString& pattern, int n,
                                          int start, int step);
    // text without the repetitions of pattern at its front / end; an empty pattern changes
    // nothing.   ("000012", "00") -> "12"     ("12000", "00") tail -> "120"
    static GwString strip_string_front(const GwString& text, const GwString& pattern);
    static GwString strip_string_tail(const GwString& text, const GwString& pattern);
    // 1 when line contains "$$Extras" anywhere.
    static int is_extras_insertion_point(const GwString& line);

    // Translates a scanner type text through m_asoZep. The rows are tried in order and the
    // first that matches in column from wins: from 1: text equals type_code; from 2: text
    // equals type_name; any other from: text contains model_text. Comparisons ignore case.
    // Gives column to of that row (1 type_code, 2 type_name, other model_text), or empty when
    // no row matches.
    //   ("Model RV-4400L V2", 0, 2) -> "ZEP100" (row "RV-4400" comes first)
    //   ("zep100", 2, 1) -> "100"   ("100", 1, 0) -> "RV-4400"   ("XY", 0, 2) -> ""
    static GwString TranslateType(const GwString& text, unsigned from, unsigned to);

    // --- Offered to callers; nothing in the system uses them ------------------------------
    // The position of the nth (from 1) position of text at which a field prefix of the
    // current name list begins, or -1.   current names H0B, H0F: ("xBxF", "H0", 2) -> 3
    int find_nth_param_position(const GwString& text, const GwString& group, int n);
    // text extended with copies of fill up to width. When width - len(text) is no whole
    // multiple of len(fill), an error message (texts 14, 17, 54, 55 with text, fill and width)
    // is shown and text comes back unchanged; an empty fill changes nothing.
    //   ("7", "0", 3) -> "700"
    GwString fill_up_string(const GwString& text, const GwString& fill, int width);

    static constexpr int kScannerTypeCount = 3;
    // Row 0 stands for a scanner whose type is not recognised; rows 1 and 2 are two models of
    // one configuration type. Filled when the library is loaded, so the static functions work
    // before any parser exists; every construction writes the same rows again.
    static SCANNER_TYPES m_asoZep[kScannerTypeCount];

protected:
    // Splits one parameter data line of group into (full name, value) pairs and appends them
    // to names and values (both grow by the same count; the caller owns both lists).
    //
    // Before the call the current name list must hold the group's parameter names:
    //     select_group(repo, "H0");
    //     get_array_of_values(repo, "H0", "3H0B5FAT3E\"NOREAD\"C0", names, values);
    //     // names: H0B H0F H0T H0E H0C    values: 5 A 3 NOREAD 0
    // The first character of line (the response code) and the group identifier are skipped
    // without being looked at. Parsing stops at the first place where no field prefix of the
    // current names begins; a value that runs past the end of the line takes what is there.
    // A negative parameter length counts as 0. Without repo nothing is appended. Nothing is
    // stored in the repository; that is the caller's step.
    //   "3K3E1N01X64G0F1D00" -> K3E 1, K3N 01, K3X 64, K3G 0, K3F 1D00
    //   "3L0U41000000D1"     -> L0U 4100, L0D 1 (the second "00" pair is filler)
    //   "3CVA0I\"\"M\"P?\"OA"   -> CVA 0, CVI (empty), CVM P?, CVO A
    //   "3CVA1IABC"          -> CVA 1, CVI ABC (no quote: the rest of the line)
    void get_array_of_values(EwRepository* repo, const GwString& group, const GwString& line,
                             DynGwStringPtrArray* names, DynGwStringPtrArray* values);

    // The current local time in the ctime layout without its line feed.
    static GwString ctime_text();

private:
    static void fill_scanner_types();
    // The first name of the current list that begins with group and has an empty field
    // prefix (GNNONAME in group GN), or empty.
    GwString unnamed_parameter(const GwString& group) const;

    std::unique_ptr<DynGwStringPtrArray> m_pSpareNames;
    std::unique_ptr<DynGwStringPtrArray> m_pCurrentNames;
};
