#include "CFileRepoIf.h"

#include "CDialogLock.h"
#include "CErrorHandler.h"
#include "CInfoBox.h"
#include "CInitMgr.h"
#include "CTemplateFile.h"
#include "EwRepository.h"
#include "GwCore.h"
#include "GwFileSelector.h"
#include "GwLineReader.h"
#include "GwPath.h"

#include <memory>

namespace {

constexpr long kYesNo = 0x4200;
constexpr int kAnswerNo = 17;

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

GwString without_leading_blanks(const GwString& text) {
    int i = 0;
    while (i < text.len() && is_blank(text[i]))
        ++i;
    return text.from(i);
}

GwString without_trailing_blanks(const GwString& text) {
    int end = text.len();
    while (end > 0 && is_blank(text[end - 1]))
        --end;
    return text(0, end - 1);
}

// A header line's value: the line without its key, comment and surrounding blanks.
GwString header_value(const GwString& line, const GwString& key) {
    GwString value = CParser::remove_nth_occurrence(line, key, 1, 0, 1);
    const int comment = value.first(';');
    if (comment >= 0)
        value = value(0, comment - 1);
    return without_trailing_blanks(without_leading_blanks(value));
}

} // namespace

CFileRepoIf::CFileRepoIf(EwRepository*& repository, GwCore* frame)
    : m_pFrame(frame), m_ppRepository(&repository) {
    set_current_names(nullptr);
}

CFileRepoIf::~CFileRepoIf() = default;

// ---- parameter lines -------------------------------------------------------------------------

int CFileRepoIf::parameter_line_text(const GwString& line, GwString& text) {
    GwString t = without_leading_blanks(line);
    // The link separator may itself be a semicolon: its first ";" is the value.
    const int comment =
        t.begins_with("LKS=;") ? index_nth_occurrence(t, ";", 2, 0, 1) : t.first(';');
    if (comment >= 0)
        t = t(0, comment - 1);
    t = without_trailing_blanks(t);
    const int eq = t.first('=', 2);
    if (eq < 2 || eq > 4)
        return 0;
    t = t(0, eq - 1) + t.from(eq + 1);
    if (t.len() < 3)
        return 0;
    text = t;
    return 1;
}

GwString CFileRepoIf::sets_group(DynGwStringPtrArray* groups, const GwString& line) {
    if (groups == nullptr)
        return GwString();
    for (int i = 0; i < groups->count(); ++i) {
        const GwString* g = groups->get(i);
        if (g != nullptr && line(1, g->len()) == *g)
            return *g;
    }
    return GwString();
}

int CFileRepoIf::store_line(const GwString& group, const GwString& line, int form) {
    EwRepository* repo = repository();
    select_group(repo, group);
    DynGwStringPtrArray names(10, 10);
    DynGwStringPtrArray values(10, 10);
    get_array_of_values(repo, group, line, &names, &values);
    int all_taken = 1;
    for (int i = 0; i < names.count() && i < values.count(); ++i) {
        const GwString& name = *names.get(i);
        const GwString& value = *values.get(i);
        const int taken =
            form == 0 ? repo->set_value(name, value, 1) : repo->set_prf_value(name, value, 1);
        if (taken == 0)
            all_taken = 0;
    }
    return all_taken;
}

void CFileRepoIf::load_to_repository(DynGwStringPtrArray* lines, int form) {
    if (!load_lines(lines, form))
        CErrorHandler::show_error(CErrorHandler::warning(11, 0));
}

int CFileRepoIf::load_lines(DynGwStringPtrArray* lines, int form) {
    EwRepository* repo = repository();
    if (repo == nullptr || lines == nullptr)
        return 1;
    const std::unique_ptr<DynGwStringPtrArray> groups(repo->list_of_names());
    int all_taken = 1;
    for (int i = 0; i < lines->count(); ++i) {
        const GwString* line = lines->get(i);
        if (line == nullptr)
            continue;
        const GwString group = sets_group(groups.get(), *line);
        if (group.is_empty())
            continue;
        if (!store_line(group, *line, form))
            all_taken = 0;
    }
    return all_taken;
}

int CFileRepoIf::load_parameter_lines(GwLineReader& in, int form) {
    EwRepository* repo = repository();
    if (repo == nullptr)
        return 1;
    int all_taken = 1;
    GwString line;
    while (in.read_line(line) && !is_a_section(line)) {
        GwString text;
        if (!parameter_line_text(line, text))
            continue;
        GwString group;
        if (!get_group(repo, text, group))
            continue;
        // Every value is offered, also after a refusal: a refused value must not cost the
        // values that follow it in the file.
        if (!store_line(group, "3" + text, form))
            all_taken = 0;
    }
    return all_taken;
}

int CFileRepoIf::commandfile_to_repository(const GwString& file, int form) {
    if (repository() == nullptr)
        return -1;
    if (file.is_empty())
        return 0;
    GwLineReader in;
    if (!in.open(file))
        return -1;
    DynGwStringPtrArray lines(50, 10);
    GwString line;
    while (in.read_line(line)) {
        if (line[0] == '3')
            lines.add(line);
    }
    load_to_repository(&lines, form);
    return 1;
}

int CFileRepoIf::scriptfile_to_repository(const GwString& file, GwMessageBox*& box, int form) {
    box = nullptr;
    EwRepository* repo = repository();
    if (repo == nullptr)
        return 1;
    if (file.is_empty())
        return 0;
    GwLineReader in;
    int status = 0;
    int line_number = 0;
    in.open(file);
    if (!goto_section(in, "[Parameter]", status, line_number, 0)) {
        // Nothing was read: the caller must not enter the file in the recent files.
        CErrorHandler::show_error(CErrorHandler::error_msg(12, 1) + file);
        return 0;
    }
    CInfoBox shown(CErrorHandler::warning(8, 1) + file);

    // The defaults go where the script goes: loading a comparison set must neither overwrite
    // the current values nor leave the comparison values of earlier loads under it.
    if (commandfile_to_repository(CInitMgr::scanner_sub_dir() + "3PRF1", form) < 0) {
        const int answer = CErrorHandler::Question(CErrorHandler::error_msg(49, 0),
                                                   CErrorHandler::error_msg(7, 0), kYesNo);
        if (answer == kAnswerNo) {
            CErrorHandler::show_data(CErrorHandler::error_msg(13, 1) + file);
            return 0;
        }
    }
    // The reader stands on the first line after "[Parameter]".
    if (!load_parameter_lines(in, form))
        CErrorHandler::show_error(CErrorHandler::warning(11, 0));
    box = shown.release();
    return 1;
}

int CFileRepoIf::repository_to_scriptfile(const GwString& file, int form) {
    EwRepository* repo = repository();
    if (repo == nullptr)
        return 1;
    if (file.is_empty())
        return 0;
    const GwString tpl = CInitMgr::scanner_sub_dir() + "scl_000.tpl";
    return CTemplateFile::write(tpl, file, [&](std::ostream& out, const GwString& line) {
        out << instantiate_line(repo, line, tpl, form).str() << '\n';
    });
}

// ---- sections and the header -----------------------------------------------------------------

int CFileRepoIf::goto_section(GwLineReader& in, const GwString& section, int& status,
                              int& line_number, int n) {
    line_number = 0;
    if (!in.is_open()) {
        status = -1;
        return 0;
    }
    in.rewind();
    if (!in.good()) {
        status = 0;
        return 0;
    }
    int headers = 0;
    GwString line;
    while (in.read_line(line)) {
        ++line_number;
        if (!is_a_section(line))
            continue;
        ++headers;
        if ((n == 0 || headers == n) && is_section(line, section)) {
            status = 1;
            return 1;
        }
    }
    status = 0;
    return 0;
}

int CFileRepoIf::is_section(const GwString& line, const GwString& section) {
    return without_leading_blanks(line).begins_with(section);
}

int CFileRepoIf::is_a_section(const GwString& line) {
    const GwString t = without_leading_blanks(line);
    return t[0] == '[' && t.first(']', 1) >= 1 ? 1 : 0;
}

CFileRepoIf::ScriptHeader CFileRepoIf::read_script_header(const GwString& file) {
    if (file.is_empty())
        return ScriptHeader();
    GwLineReader in;
    in.open(file);
    return read_script_header(in);
}

CFileRepoIf::ScriptHeader CFileRepoIf::read_script_header(GwLineReader& in) {
    ScriptHeader header;
    int status = 0;
    int line_number = 0;
    if (!goto_section(in, "[VELT AG, Script ZEP Language]", status, line_number, 0)) {
        header.status = kHeaderNotAScript;
        return header;
    }
    if (!goto_section(in, "[ZEP_Type_Target]", status, line_number, 0)) {
        header.status = kHeaderNoTarget;
        return header;
    }
    bool has_type = false;
    bool has_version = false;
    GwString line;
    while (in.read_line(line) && !is_a_section(line)) {
        const GwString t = without_leading_blanks(line);
        if (!has_type && t.begins_with("Type=")) {
            header.type_code = header_value(t, "Type=");
            has_type = true;
        } else if (!has_version && t.begins_with("Version=")) {
            header.version = header_value(t, "Version=");
            has_version = true;
        }
    }
    header.status = has_type ? kHeaderOk : kHeaderNoType;
    return header;
}

int CFileRepoIf::check_script_header(const GwString& file, GwString& type_code) {
    const ScriptHeader header = read_script_header(file);
    switch (header.status) {
    case kHeaderOk:
        type_code = header.type_code;
        return 1;
    case kHeaderNotAScript:
        CErrorHandler::show_error(CErrorHandler::error_msg(11, 1) + file);
        break;
    case kHeaderNoTarget:
        CErrorHandler::show_error(CErrorHandler::warning(20, 1) + file);
        break;
    case kHeaderNoType:
        CErrorHandler::show_error(CErrorHandler::warning(24, 1) + CErrorHandler::warning(25, 1) +
                                  file);
        break;
    case kHeaderNoFile:
        break;
    }
    return 0;
}

// ---- file names and the title ----------------------------------------------------------------

GwString CFileRepoIf::check_filename(int save, int always_ask, int add_extension) {
    if (m_sFileName.not_null() && always_ask == 0)
        return m_sFileName;
    GwString name = select_file(save);
    if (name.not_null() && add_extension != 0 && !GwPath::file_part(name).contains(".")) {
        name += ".SLP";
        // The name the file is written under is the one a later Save must use again.
        m_sFileName = name;
    }
    return name;
}

GwString CFileRepoIf::select_file(int save) {
    const GwString title =
        save != 0 ? CErrorHandler::warning(47, 0) : CErrorHandler::warning(39, 0);
    GwString start = CInitMgr::get_filename(0);
    if (!GwPath::exists(start))
        start = ".";
    GwString path;
    int chosen = 0;
    {
        CDialogLock lock(m_pFrame);
        GwFileSelector selector(m_pFrame, start, "*.slp", save, title);
        chosen = selector.go(path);
    }
    if (!chosen || path.is_empty())
        return GwString();
    m_sFileName = path;
    return path;
}

void CFileRepoIf::UpdateApplTitle() {
    if (m_pFrame == nullptr)
        return;
    const GwString name = m_sFileName.not_null() ? m_sFileName : GwString("No File");
    GwString title = m_pFrame->title();
    const int bracket = title.first('[');
    if (bracket >= 0)
        title = title(0, bracket - 1);
    m_pFrame->set_title(title + "[" + name + "]");
}
