// Parameter reports: interprets the report template language line by line and prints the result
// on printer pages with a header and a footer, or writes it as an RTF file.
//
// Templates: "prt_" + language + ".tpl" for printing and "rtf_" + language + ".tpl" for RTF, in
// the scanner type's data directory (language "001", "049", "033"). An RTF template carries all
// of the RTF markup itself; the program only escapes the parameter values it puts in ("\", "{",
// "}" and characters beyond ASCII), so that a value can never break the document.
//
// The template language. A line is a sequence of tokens:
//   text     any text up to ";" or "$$"                      printed as it is
//   comment  ";" to the end of the line                      printed as it is, ";" included
//   key      "$$" + key up to a blank, "(", ";" or "$$"       see below; one blank after the
//                                                            key is consumed
// Keys, in the order they are tested:
//   $$Date $$From $$Type $$Created_by    the special keys of CParser (by their beginning)
//   $$IF(X|a1|a2|...)           output on when the value of X is one of a1, a2, ... else off
//   $$CONTAINS(X|s1|s2|...)     output on when X holds some si at a multiple of len(si)
//   $$ELSE  $$ENDIF             output inverted / switched on
//   $$DECODE(X|k1|t1|...|d)     t of the last k equal to the value of X, else d
//   $$DECODE_INDEX(X|f|t|k1|t1|...|d)   the same on the characters f to t of the value
//   $$INDEX(X|f|t)              the characters f to t (from 0, inclusive) of the value
//   $$INDEX_CHAR(X|f|t)         those characters read as hex bytes (CUtils::Hex2Token)
//   $$X                         the value of parameter X
// A default d that begins with "$$" (three characters at least) names a parameter whose value
// is printed. GN, BT and FD name the unnamed parameters GNNONAME, BTNONAME, FDNONAME. Values are
// the coded form (current values, or comparison values for form 1), except HEXCHAR parameters,
// which show their plain form ("A B"). IF/ELSE/ENDIF do not nest: one flag, which an IF sets
// from its own condition. A placeholder with a malformed list, a wrong parameter count or an
// unknown parameter is printed verbatim (a faulty IF or CONTAINS switches output off).
//
//   "Baud rate: $$DECODE(H0B|5|9600|6|19200|other) bit/s"   -> "Baud rate: 9600 bit/s"
//   "$$IF(CVA|1)"  "Master code: $$CVI"  "$$ENDIF"           -> the middle line only when CVA
//                                                               is 1; the IF and ENDIF lines
//                                                               print nothing
//   "$$INDEX(X|2)"                                          -> "$$INDEX(X|2)" (wrong count)
//
// Empty values: a line whose output is only empty values prints as an empty line; an empty
// value inside a line shows as nothing and the rest of the line stays.
#pragma once

#include "CParser.h"
#include "GwPrinterDCEx.h"
#include "GwString.h"

#include <functional>
#include <memory>
#include <ostream>

class EwRepository;
class GwCore;

class CScriptPrintMgr : public CParser {
public:
    // Keeps the address of the caller's repository pointer (the frame's member).
    explicit CScriptPrintMgr(EwRepository*& repository);
    ~CScriptPrintMgr() override;

    // --- Output stages ----------------------------------------------------------------------
    // Prints the report through the printer chosen in the print dialog (frame is its parent,
    // and its child "Main Dialog" is disabled meanwhile; frame may be null). Results:
    //   1  printed (without a repository: 1, nothing printed)
    //   0  template missing (error 50 + template + error 52 shown), or the document could not
    //      be started (no message)
    //   -1 no printer: the dialog was cancelled or failed (error 57 + error 52 shown)
    // Page layout: body text "8.Courier", header and footer "7.Courier.I", measured with the
    // printer's font; 7 lines / characters of margin at the top, left and bottom. The header
    // shows the comment on the left and file/company/user on the right; the footer "- n -".
    // A page holds body lines - 1 lines; a line whose output is empty takes no line.
    int Repo2Printer(GwCore* frame, int form);

    // Writes the report as an RTF file: every template line gives one output line. Results:
    //   1  written (without a repository: 1, nothing written)
    //   0  empty name, or template missing (error 50 + template, error 51 + name shown; the
    //      output file is not touched)
    //   -1 the file could not be written (no message; the earlier file is as it was)
    int repository_to_rtffile(const GwString& file, int form);

    // Asks for the RTF file (save mode, "*.rtf", title warning 47) with "Main Dialog" disabled
    // meanwhile. The last path component decides the extension: without a "." ".RTF" is
    // appended, otherwise its extension becomes "RTF". Empty when cancelled.
    //   "c:\\rep.d\\out" -> "c:\\rep.d\\out.RTF"     "c:\\rep\\out.txt" -> "c:\\rep\\out.RTF"
    GwString check_filename_rtf(GwCore* frame);

    void SetComment(const GwString& comment) { m_sComment = comment; }
    void SetFilename(const GwString& name) { m_sFileName = name; }

    // --- The interpreter --------------------------------------------------------------------
    // The output of one template line (see the language above). An empty line gives the
    // empty-line marker while output is on, an empty text while it is off. Without repo the
    // line comes back unchanged. comment is the text of "Created_by".
    GwString instantiate_line(EwRepository* repo, const GwString& line, const GwString& comment,
                              int form) override;

    // The next token of line from the parse position: kind 0 key (text without "$$"), 1
    // comment, 2 text; start is its first position. 1 when a token was read; 2 at the end of
    // the line, which sets the parse position back to 0.
    int get_next_token(const GwString& line, unsigned& kind, unsigned& start, GwString& text);
    void handle_token(const GwString& comment, int form, const GwString& line, unsigned kind,
                      unsigned start, const GwString& text, GwString& out);
    void handle_key_token(const GwString& comment, int form, const GwString& line, unsigned start,
                          const GwString& key, GwString& out);
    void handle_if(int form, const GwString& line, unsigned start, GwString& out);
    void HandleContains(int form, const GwString& line, unsigned start, GwString& out);
    void handle_decode(int form, const GwString& line, unsigned start, GwString& out);
    void handle_decode_index(int form, const GwString& line, unsigned start, GwString& out);
    void handle_index(int form, const GwString& line, unsigned start, GwString& out);
    void handle_index_char(int form, const GwString& line, unsigned start, GwString& out);
    void handle_else();
    void handle_endif();
    // out := the default key; a key "$$" + name (three characters at least) gives the value
    // of that parameter, or the error output when there is none.
    void handle_default(int form, const GwString& line, const GwString& key, unsigned start,
                        GwString& out);
    // out := the template text from start up to the parse position (the faulty placeholder).
    void handle_error(unsigned start, const GwString& line, GwString& out);

    // Reads "(p1|p2|...)" from the parse position; list receives a new list (the caller
    // deletes it, also when the result is 0). 1 when the closing ")" was reached, else 0.
    //   "(X|(a|b)|)" -> X, "(a|b)", the empty-line marker
    int get_parameter_list(const GwString& line, DynGwStringPtrArray*& list);
    // The next parameter from the parse position into a new string: 3 the first one, 1 a
    // further one, 4 the last one (the ")" that closes the list), 2 the end of the line was
    // reached (parameter null). An empty parameter is the empty-line marker.
    int get_next_parameter(const GwString& line, GwString*& parameter);

    // The value of a parameter for the report (see above); an empty value is the empty-line
    // marker. 1 found, 0 no such parameter (value unchanged).
    int get_repository_parameter(int form, const GwString& line, const GwString& name,
                                 GwString& value);
    // GN, BT and FD give GNNONAME, BTNONAME, FDNONAME; every other name stays.
    static void get_repository_parameter_name(const GwString& name, GwString& repo_name);
    // 1 when some group of repo has a parameter of exactly that name.
    int exist_repository_parameter(EwRepository* repo, const GwString& name);

    // At the parse position of line: ";" or "$$" / those or a blank or "(".
    int is_token_separator(const GwString& line) const;
    int is_key_token_separator(const GwString& line) const;
    static int is_white_space(char c);

    // A text as it goes into RTF: "\\", "{" and "}" escaped, characters beyond ASCII (UTF-8)
    // as \uN? (a byte of no valid UTF-8 sequence as \'hh). The result is 7-bit and adds no
    // unescaped brace.   "a{b}" -> "a\\{b\\}"     "\xC3\xA9" (e acute) -> "\\u233?"
    static GwString rtf_text(const GwString& text);

    // The one-character text (a NUL) that stands for an empty line and an empty value.
    static GwString empty_line_marker();

    int output_enabled() const { return m_iOutputEnabled; }
    unsigned parse_position() const { return m_uParsePos; }
    // Output on, parse position 0: the state every output run starts from.
    void reset_interpreter();

protected:
    void init_for_print();
    void init_page();
    void PrintHeader();
    void PrintFooter();
    // Extras, offered to derived use: lines whose text (without the first character) begins
    // with a group identifier, printed on the body / written as "\\par " + text. Other lines
    // are left out with a message (warnings 30 and 31).
    void print_extras(DynGwStringPtrArray* lines);
    void write_extras_to_file(std::ostream& out, DynGwStringPtrArray* lines);

    GwPrinterDCEx& printer() { return m_coPrinter; }
    int lines_per_page() const { return m_iLinesPerPage; }
    int chars_per_line() const { return m_iCharsPerLine; }
    int body_lines() const { return m_iBodyLines; }
    int page_number() const { return m_iPageNumber; }

private:
    EwRepository* repository() const { return *m_ppRepository; }
    // Places a body line: a text, or (empty) an empty line. Pages are started when the first
    // thing is placed on them, so a report that fills its last page exactly ends there.
    void place_line(const GwString& text);
    // DECODE and DECODE_INDEX: the text of the key in the code/text pairs of list.
    void decode(int form, const GwString& line, unsigned start, const DynGwStringPtrArray& list,
                int first, const GwString& key, GwString& out);
    // IF and CONTAINS: output on when the parameter's value matches one of the entries after it.
    void switch_output(int form, const GwString& line, unsigned start, GwString& out,
                       bool (*matches)(const GwString& value, const GwString& entry));
    // Hands each extra line that names a known group to take; reports the others.
    void for_each_extra(DynGwStringPtrArray* lines,
                        const std::function<void(const GwString&)>& take);
    void end_run_page();
    // A value as it goes into the output: RTF-escaped while an RTF file is written.
    GwString output_value(const GwString& value) const;
    // What the parameter list of a key must look like.
    struct ListShape {
        int minimum;     // entries at least
        bool even;       // an even count
        int exact;       // exactly this count (0: any)
        bool switch_off; // a faulty list switches output off (IF, CONTAINS)
    };
    static constexpr ListShape kCondition{2, false, 0, true};   // X|a1|a2|...
    static constexpr ListShape kDecode{2, true, 0, false};      // X|k1|t1|...|d
    static constexpr ListShape kDecodeIndex{4, true, 0, false}; // X|f|t|k1|t1|...|d
    static constexpr ListShape kIndex{3, false, 3, false};      // X|f|t
    // The list of a key from the parse position. Malformed or of the wrong shape: out is the
    // faulty placeholder (handle_error), output is switched off when the shape says so, and
    // the result is null.
    std::unique_ptr<DynGwStringPtrArray> parameters_for(const GwString& line, unsigned start,
                                                        GwString& out, const ListShape& shape);
    // The same for a key whose first entry names a parameter, with that parameter's value
    // (get_repository_parameter) in value; an unknown parameter is faulty too.
    std::unique_ptr<DynGwStringPtrArray> keyed_list(int form, const GwString& line, unsigned start,
                                                    GwString& out, const ListShape& shape,
                                                    GwString& value);

    GwString m_sFileName;
    GwString m_sComment;
    EwRepository* const* m_ppRepository;
    GwString m_sSpare;
    GwPrinterDCEx m_coPrinter;
    int m_iTopMargin = 7;
    int m_iLeftMargin = 7;
    int m_iBottomMargin = 7;
    int m_iPageNumber = 0;
    int m_iLine = 1;
    int m_iBodyLines = 0;
    int m_iLinesPerPage = 0;
    int m_iCharsPerLine = 0;
    double m_dCentreColumn = 0.0;
    double m_dCharWidth = 0.0;
    double m_dLineHeight = 0.0;
    int m_iOutputEnabled = 1;
    unsigned m_uParsePos = 0;
    unsigned m_uBracketDepth = 0;
    EwRepository* m_pLineRepository = nullptr; // the repository of the line being interpreted
    bool m_bRtf = false;
    bool m_bPagePending = false;
    int m_iPendingBlanks = 0;
};
