// Parameter script files ("*.slp") and command files: moves parameter values between such files
// and the repository, keeps the application's current script file name, asks for file names
// and shows the name in the main window's title.
//
// A script file, as the template "scl_000.tpl" of the scanner type writes it:
//
//     [VELT AG, Script ZEP Language]      identifies the file as a script
//     [ZEP_Type_Target]
//     Type=100                            the scanner type code (";" starts a comment)
//     Version=1.0
//     [Parameter]
//     ; Host port                         a comment line
//     H0B=5                               group + field prefix, "=", the coded value
//     H0E=NOREAD                          quoted texts are written without their quotes
//     LKS=;                               "LKS=;" keeps its first ";" as the value
//
// Reading loads the type's factory defaults ("3PRF1") first and then every parameter line of
// "[Parameter]" (up to the next section header): a line KEY=VALUE with a key of two to four
// characters, comment and surrounding blanks removed, is joined to KEY+VALUE and parsed as the
// parameter data line "3" + KEY + VALUE (CParser), so one line may carry several fields of a
// group. Lines that fit no rule are skipped silently.
//
// A command file holds parameter data lines ("3" + group + fields); lines that do not begin
// with "3" are skipped. The factory defaults of a type are the command file "3PRF1" in its data
// directory.
//
// Files are written through GwAtomicFile: a write that fails leaves the earlier file as it was.
#pragma once

#include "CParser.h"
#include "GwString.h"

class EwRepository;
class GwCore;
class GwLineReader;
class GwMessageBox;

class CFileRepoIf : public CParser {
public:
    // Keeps the address of the caller's repository pointer (the frame's member), so a
    // repository replaced there is the one used from then on. frame is the parent of the file
    // dialogs and the owner of the title; it may be null.
    CFileRepoIf(EwRepository*& repository, GwCore* frame);
    ~CFileRepoIf() override;

    // --- Reading and writing ----------------------------------------------------------------
    // Loads a script file: the factory defaults first, then every "[Parameter]" line on top.
    // form 0 stores current values (set_value), any other form comparison values
    // (set_prf_value), the defaults as well as the lines; both in the coded form. Results:
    //   1  loaded (also when some values were refused: warning 11 is shown once at the end);
    //      without a repository 1 and nothing done
    //   0  not loaded: empty name; file missing or without "[Parameter]" (error 12 + name is
    //      shown; the repository is unchanged); the factory defaults are missing and the user
    //      answered No to going on (error 13 + name is shown)
    // While loading, an information box (warning 8 + name) is shown. When loaded it is left
    // open for the caller: box receives it, and the caller removes it (CInfoBox::adopt, or
    // CErrorHandler::msgbox_destroy). Otherwise it is removed and box is null.
    int scriptfile_to_repository(const GwString& file, GwMessageBox*& box, int form);

    // Writes the repository as a script file by filling the type's "scl_000.tpl" line by line
    // (CParser::instantiate_line with the template's path as comment). Results:
    //   1  written (without a repository 1 and nothing written)
    //   0  not written: empty name; template missing (error 50 + template, error 51 + name is
    //      shown; the output file is not touched)
    //   -1 the output could not be written (cannot be created, or a write failed); no message,
    //      the earlier file is as it was
    int repository_to_scriptfile(const GwString& file, int form);

    // Loads every data line (first character "3") of a command file through
    // load_to_repository. 1 loaded, 0 empty name, -1 no repository or the file cannot be read.
    int commandfile_to_repository(const GwString& file, int form);

    // Parses each data line with the group it names (sets_group) and stores every pair it
    // gives (form 0: set_value, other forms set_prf_value; coded form), also after a refusal.
    // Lines of no group are skipped. A refused value shows warning 11 once at the end.
    void load_to_repository(DynGwStringPtrArray* lines, int form);

    // The text a script line contributes, by the parameter line rules: leading blanks off; the
    // comment from the first ";" off (for a line beginning "LKS=;" from the second); trailing
    // blanks off; the first "=" at or after position 2 must stand at 2, 3 or 4 and is removed;
    // the result must have three characters at least. 1 and text set when the line is used.
    //   "  H0B=5 ; host"  -> "H0B5"        "LKS=; sep" -> "LKS;"      "X=1" -> not used
    //   "H0E=NO READ "    -> "H0ENO READ"  "ABCDE=1"   -> not used    "DC=" -> not used
    static int parameter_line_text(const GwString& line, GwString& text);

    // --- Sections ---------------------------------------------------------------------------
    // Rewinds in and reads lines (counted in line_number) until a section header that
    // is_section finds section in: with n 0 any header is tested, otherwise only the nth
    // header. Found: status 1, result 1, the reader stands after the header line. End of the
    // file: status 0, result 0. A reader without a file: status -1, result 0.
    static int goto_section(GwLineReader& in, const GwString& section, int& status,
                            int& line_number, int n);
    // 1 when the line, after leading blanks and tabs, begins with section.
    static int is_section(const GwString& line, const GwString& section);
    // 1 when the line, after leading blanks and tabs, begins with "[" and holds a "]" later.
    //   "  [Parameter]" -> 1     "[]" -> 1     "[" -> 0     "; [x]" -> 0
    static int is_a_section(const GwString& line);

    // --- The script header ------------------------------------------------------------------
    enum HeaderStatus {
        kHeaderNoFile = 0,      // empty file name
        kHeaderOk = 1,          // a "Type=" line was found
        kHeaderNotAScript = -1, // no "[VELT AG, Script ZEP Language]", or the file is unreadable
        kHeaderNoTarget = -2,   // no "[ZEP_Type_Target]"
        kHeaderNoType = -3,     // "[ZEP_Type_Target]" without a "Type=" line
    };
    struct ScriptHeader {
        HeaderStatus status = kHeaderNoFile;
        GwString type_code; // the first "Type=" line's value, comment and blanks cut off
        GwString version;   // likewise for "Version=" (read, not used)
    };
    // Reads the header of a script file; shows nothing.
    //   "[VELT AG, Script ZEP Language]\n[ZEP_Type_Target]\n  Type=100 ; RV-4400\n"
    //     -> kHeaderOk, type code "100"
    static ScriptHeader read_script_header(const GwString& file);
    // The same from a reader (rewound first); a reader without a file is no script.
    static ScriptHeader read_script_header(GwLineReader& in);
    // The header check the main window runs before loading a script: 1 with type_code set
    // when the file may be loaded (the caller then compares the code with the selected
    // scanner type), 0 when it is not loaded. Shows error 11 + name (not a script), warning 20
    // + name (no type section) or warnings 24 and 25 + name (no "Type=" line); an empty name
    // shows nothing.
    static int check_script_header(const GwString& file, GwString& type_code);

    // --- File names and the title -----------------------------------------------------------
    // The current file name when there is one and always_ask is 0; otherwise the name chosen
    // with select_file(save), with ".SLP" appended (also to the current file name) when
    // add_extension is set and its last path component has no "."; empty when cancelled.
    // The application calls (1, 0, 1) for Save, (1, 1, 1) for Save As, (0, 1, 0) for Open.
    GwString check_filename(int save, int always_ask, int add_extension);
    // Runs the file selector ("*.slp", titled warning 47 for saving and 39 for opening,
    // starting at the data path when it exists, else at ".") with the frame's child "Main
    // Dialog" disabled meanwhile. A chosen path becomes the current file name and is returned;
    // cancel gives empty and keeps the current name.
    GwString select_file(int save);
    GwString get_filename() const { return m_sFileName; }
    // The repository the operations read and write (the caller's current one), or null.
    EwRepository* repository() const { return *m_ppRepository; }
    void set_filename(const GwString& name) { m_sFileName = name; }
    void reset_filename() { m_sFileName.clear(); }
    // The frame's title up to its first "[", then "[" + the current file name (or "No File")
    // + "]":  "ZEP Setup [old.slp]" -> "ZEP Setup [new.slp]".
    void UpdateApplTitle();

protected:
    // The first of groups (in order) that the line names at its characters 1 to len(group),
    // or empty.   ("3H0B5", {"H", "H0"}) -> "H"
    GwString sets_group(DynGwStringPtrArray* groups, const GwString& line);
    // The loading steps without messages: every data line of lines / every parameter line
    // from the reader's position up to the next section header is stored (form as in
    // load_to_repository). 1 when every value was taken, 0 when some were refused.
    int load_lines(DynGwStringPtrArray* lines, int form);
    int load_parameter_lines(GwLineReader& in, int form);

private:
    // Parses one data line of the group it names and stores its pairs; 1 when every store
    // was taken.
    int store_line(const GwString& group, const GwString& line, int form);

    GwCore* m_pFrame;
    GwString m_sFileName;
    EwRepository* const* m_ppRepository;
};
