#include "CScriptPrintMgr.h"

#include "CDialogLock.h"
#include "CErrorHandler.h"
#include "CInfoBox.h"
#include "CInitMgr.h"
#include "CTemplateFile.h"
#include "CUtils.h"
#include "EwRepository.h"
#include "GwFileSelector.h"
#include "GwFont.h"
#include "GwLineReader.h"
#include "GwPath.h"

#include <algorithm>
#include <memory>

namespace {

constexpr const char* kBodyFont = "8.Courier";
constexpr const char* kHeaderFont = "7.Courier.I";
constexpr int kAlignLeft = 0x21;
constexpr int kAlignRight = 0x22;
constexpr int kAlignCentre = 0x24;
// The measuring text holds 52 letters, so its width / 52 is one character's.
constexpr const char* kMeasure = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr double kPerCharacter = 0.019230769230769232;

// A value text for RTF: "\", "{" and "}" escaped, characters beyond ASCII as \uN? (UTF-8 read;
// a byte that is no part of a valid UTF-8 sequence as \'hh).
GwString rtf_escape(const GwString& text) {
    const std::string& s = text.str();
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        // Bytes that follow a lead byte; -1 for a byte that cannot begin a sequence.
        const int extra = (c >= 0xF0 && c < 0xF5)   ? 3
                          : (c >= 0xE0 && c < 0xF0) ? 2
                          : (c >= 0xC2 && c < 0xE0) ? 1
                                                    : -1;
        unsigned long cp = extra == 3 ? c & 0x07u : extra == 2 ? c & 0x0Fu : c & 0x1Fu;
        bool valid = extra > 0 && i + static_cast<size_t>(extra) < s.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            valid = (d & 0xC0u) == 0x80u;
            cp = (cp << 6) | (d & 0x3Fu);
        }
        if (!valid || cp > 0x10FFFF) {
            static const char* const kHex = "0123456789abcdef";
            out += "\\'";
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
            ++i;
            continue;
        }
        auto put = [&out](unsigned long unit) {
            // RTF writes a 16-bit signed number; "?" stands in for readers without Unicode.
            out += "\\u" +
                   std::to_string(unit > 0x7FFF ? static_cast<long>(unit) - 0x10000
                                                : static_cast<long>(unit)) +
                   "?";
        };
        if (cp > 0xFFFF) {
            cp -= 0x10000;
            put(0xD800 + (cp >> 10));
            put(0xDC00 + (cp & 0x3FF));
        } else {
            put(cp);
        }
        i += static_cast<size_t>(extra) + 1;
    }
    return GwString(std::move(out));
}

// The line's output without the markers of empty values; a line of nothing but such markers
// is one empty line.
GwString without_markers(const GwString& result) {
    if (result.is_empty())
        return result;
    std::string s = result.str();
    s.erase(std::remove(s.begin(), s.end(), '\0'), s.end());
    if (s.empty())
        return CScriptPrintMgr::empty_line_marker();
    return GwString(std::move(s));
}

// The characters of value from the number in entry 1 of list to the one in entry 2.
GwString characters(const DynGwStringPtrArray& list, const GwString& value) {
    return value(list.get(1)->to_int(), list.get(2)->to_int());
}

} // namespace

CScriptPrintMgr::CScriptPrintMgr(EwRepository*& repository) : m_ppRepository(&repository) {}

CScriptPrintMgr::~CScriptPrintMgr() = default;

GwString CScriptPrintMgr::rtf_text(const GwString& text) {
    return rtf_escape(text);
}

GwString CScriptPrintMgr::empty_line_marker() {
    return GwString('\0', 1);
}

void CScriptPrintMgr::reset_interpreter() {
    m_iOutputEnabled = 1;
    m_uParsePos = 0;
    m_uBracketDepth = 0;
}

// ---- the interpreter -------------------------------------------------------------------------

GwString CScriptPrintMgr::instantiate_line(EwRepository* repo, const GwString& line,
                                           const GwString& comment, int form) {
    if (m_iOutputEnabled == 1 && line.is_empty())
        return empty_line_marker();
    if (repo == nullptr)
        return line;
    m_pLineRepository = repo;
    m_uParsePos = 0;
    GwString result;
    unsigned kind = 0;
    unsigned start = 0;
    GwString text;
    while (get_next_token(line, kind, start, text) == 1) {
        GwString out;
        handle_token(comment, form, line, kind, start, text, out);
        if (m_iOutputEnabled == 1)
            result += out;
    }
    m_pLineRepository = nullptr;
    return without_markers(result);
}

int CScriptPrintMgr::is_white_space(char c) {
    return c == ' ' || c == '\t' ? 1 : 0;
}

int CScriptPrintMgr::is_token_separator(const GwString& line) const {
    const int pos = static_cast<int>(m_uParsePos);
    if (line[pos] == ';' && pos < line.len())
        return 1;
    return line[pos] == '$' && pos + 1 < line.len() && line[pos + 1] == '$' ? 1 : 0;
}

int CScriptPrintMgr::is_key_token_separator(const GwString& line) const {
    const int pos = static_cast<int>(m_uParsePos);
    if (pos < line.len() && (line[pos] == ' ' || line[pos] == '('))
        return 1;
    return is_token_separator(line);
}

int CScriptPrintMgr::get_next_token(const GwString& line, unsigned& kind, unsigned& start,
                                    GwString& text) {
    const unsigned length = static_cast<unsigned>(line.len());
    if (m_uParsePos >= length) {
        m_uParsePos = 0;
        return 2;
    }
    start = m_uParsePos;
    const int at = static_cast<int>(start);
    if (length - m_uParsePos >= 2 && line[at] == '$' && line[at + 1] == '$') {
        m_uParsePos += 2;
        while (m_uParsePos < length && !is_key_token_separator(line))
            ++m_uParsePos;
        kind = 0;
        text = line(at + 2, static_cast<int>(m_uParsePos) - 1);
        if (m_uParsePos < length && line[static_cast<int>(m_uParsePos)] == ' ')
            ++m_uParsePos;
        return 1;
    }
    if (line[at] == ';') {
        kind = 1;
        text = line.from(at);
        m_uParsePos = length;
        return 1;
    }
    do
        ++m_uParsePos;
    while (m_uParsePos < length && !is_token_separator(line));
    kind = 2;
    text = line(at, static_cast<int>(m_uParsePos) - 1);
    return 1;
}

void CScriptPrintMgr::handle_token(const GwString& comment, int form, const GwString& line,
                                   unsigned kind, unsigned start, const GwString& text,
                                   GwString& out) {
    out.clear();
    if (kind == 1 || kind == 2)
        out = text;
    else
        handle_key_token(comment, form, line, start, text, out);
}

void CScriptPrintMgr::handle_key_token(const GwString& comment, int form, const GwString& line,
                                       unsigned start, const GwString& key, GwString& out) {
    if (tpl_special_cases(key, out, comment)) {
        out = output_value(out);
        return;
    }
    if (key == "IF")
        handle_if(form, line, start, out);
    else if (key == "CONTAINS")
        HandleContains(form, line, start, out);
    else if (key == "ELSE")
        handle_else();
    else if (key == "ENDIF")
        handle_endif();
    else if (key == "DECODE")
        handle_decode(form, line, start, out);
    else if (key == "DECODE_INDEX")
        handle_decode_index(form, line, start, out);
    else if (key == "INDEX")
        handle_index(form, line, start, out);
    else if (key == "INDEX_CHAR")
        handle_index_char(form, line, start, out);
    else if (get_repository_parameter(form, line, key, out))
        out = output_value(out);
    else
        handle_error(start, line, out);
}

std::unique_ptr<DynGwStringPtrArray> CScriptPrintMgr::parameters_for(const GwString& line,
                                                                     unsigned start, GwString& out,
                                                                     const ListShape& shape) {
    DynGwStringPtrArray* raw = nullptr;
    const int well_formed = get_parameter_list(line, raw);
    std::unique_ptr<DynGwStringPtrArray> list(raw);
    const int n = list->count();
    if (!well_formed || n < shape.minimum || (shape.even && n % 2 != 0) ||
        (shape.exact > 0 && n != shape.exact)) {
        handle_error(start, line, out);
        if (shape.switch_off)
            m_iOutputEnabled = 0;
        return nullptr;
    }
    return list;
}

std::unique_ptr<DynGwStringPtrArray> CScriptPrintMgr::keyed_list(int form, const GwString& line,
                                                                 unsigned start, GwString& out,
                                                                 const ListShape& shape,
                                                                 GwString& value) {
    std::unique_ptr<DynGwStringPtrArray> list = parameters_for(line, start, out, shape);
    if (list == nullptr)
        return nullptr;
    if (!get_repository_parameter(form, line, *list->get(0), value)) {
        handle_error(start, line, out);
        if (shape.switch_off)
            m_iOutputEnabled = 0;
        return nullptr;
    }
    return list;
}

void CScriptPrintMgr::switch_output(int form, const GwString& line, unsigned start, GwString& out,
                                    bool (*matches)(const GwString& value, const GwString& entry)) {
    GwString value;
    const auto list = keyed_list(form, line, start, out, kCondition, value);
    if (list == nullptr)
        return;
    int enabled = 0;
    for (int i = 1; i < list->count(); ++i) {
        if (matches(value, *list->get(i)))
            enabled = 1;
    }
    m_iOutputEnabled = enabled;
    out.clear();
}

void CScriptPrintMgr::handle_if(int form, const GwString& line, unsigned start, GwString& out) {
    switch_output(form, line, start, out,
                  [](const GwString& value, const GwString& entry) { return entry == value; });
}

void CScriptPrintMgr::HandleContains(int form, const GwString& line, unsigned start,
                                     GwString& out) {
    switch_output(form, line, start, out, [](const GwString& value, const GwString& part) {
        return index_nth_occurrence(value, part, 1, 0, part.len()) >= 0;
    });
}

void CScriptPrintMgr::handle_else() {
    m_iOutputEnabled = m_iOutputEnabled != 1 ? 1 : 0;
}

void CScriptPrintMgr::handle_endif() {
    m_iOutputEnabled = 1;
}

void CScriptPrintMgr::decode(int form, const GwString& line, unsigned start,
                             const DynGwStringPtrArray& list, int first, const GwString& key,
                             GwString& out) {
    // Code/text pairs from entry first on; the last code that equals the key wins, and without
    // one the last entry is the default.
    const int n = list.count();
    bool matched = false;
    for (int i = first; i + 1 < n; i += 2) {
        if (*list.get(i) == key) {
            out = *list.get(i + 1);
            matched = true;
        }
    }
    if (!matched)
        handle_default(form, line, *list.get(n - 1), start, out);
}

void CScriptPrintMgr::handle_decode(int form, const GwString& line, unsigned start, GwString& out) {
    GwString value;
    if (const auto list = keyed_list(form, line, start, out, kDecode, value))
        decode(form, line, start, *list, 1, value, out);
}

void CScriptPrintMgr::handle_decode_index(int form, const GwString& line, unsigned start,
                                          GwString& out) {
    GwString value;
    if (const auto list = keyed_list(form, line, start, out, kDecodeIndex, value))
        decode(form, line, start, *list, 3, characters(*list, value), out);
}

void CScriptPrintMgr::handle_index(int form, const GwString& line, unsigned start, GwString& out) {
    GwString value;
    if (const auto list = keyed_list(form, line, start, out, kIndex, value))
        out = output_value(characters(*list, value));
}

void CScriptPrintMgr::handle_index_char(int form, const GwString& line, unsigned start,
                                        GwString& out) {
    GwString value;
    if (const auto list = keyed_list(form, line, start, out, kIndex, value))
        out = output_value(CUtils::Hex2Token(characters(*list, value)));
}

void CScriptPrintMgr::handle_default(int form, const GwString& line, const GwString& key,
                                     unsigned start, GwString& out) {
    if (key.len() >= 3 && key.begins_with("$$")) {
        GwString value;
        if (get_repository_parameter(form, line, key.from(2), value))
            out = output_value(value);
        else
            handle_error(start, line, out);
        return;
    }
    out = key;
}

void CScriptPrintMgr::handle_error(unsigned start, const GwString& line, GwString& out) {
    out = line(static_cast<int>(start), static_cast<int>(m_uParsePos) - 1);
}

int CScriptPrintMgr::get_parameter_list(const GwString& line, DynGwStringPtrArray*& list) {
    m_uBracketDepth = 0;
    list = new DynGwStringPtrArray(10, 10);
    GwString* parameter = nullptr;
    int report = get_next_parameter(line, parameter);
    if (report != 3 && report != 4)
        return 0;
    (*list)[-1] = parameter;
    while (report != 4) {
        report = get_next_parameter(line, parameter);
        if (report != 1 && report != 4)
            return 0;
        (*list)[-1] = parameter;
    }
    return 1;
}

int CScriptPrintMgr::get_next_parameter(const GwString& line, GwString*& parameter) {
    parameter = nullptr;
    const unsigned length = static_cast<unsigned>(line.len());
    unsigned start = m_uParsePos;
    int report = 1;
    for (; m_uParsePos < length; ++m_uParsePos) {
        const char c = line[static_cast<int>(m_uParsePos)];
        bool ends = false;
        if (c == '(') {
            if (m_uBracketDepth == 0) {
                ++start;
                report = 3;
            }
            ++m_uBracketDepth;
        } else if (c == ')') {
            // A ")" before any "(" closes nothing.
            if (m_uBracketDepth > 0 && --m_uBracketDepth == 0) {
                ends = true;
                report = 4;
            }
        } else if (c == '|' && m_uBracketDepth == 1) {
            ends = true;
        }
        if (ends) {
            GwString text = line(static_cast<int>(start), static_cast<int>(m_uParsePos) - 1);
            if (text.is_empty())
                text = empty_line_marker();
            parameter = new GwString(text);
            ++m_uParsePos;
            return report;
        }
    }
    return 2;
}

void CScriptPrintMgr::get_repository_parameter_name(const GwString& name, GwString& repo_name) {
    if (name == "GN" || name == "BT" || name == "FD")
        repo_name = name + "NONAME";
    else
        repo_name = name;
}

int CScriptPrintMgr::exist_repository_parameter(EwRepository* repo, const GwString& name) {
    if (repo == nullptr)
        return 0;
    const std::unique_ptr<DynGwStringPtrArray> groups(repo->list_of_names());
    for (int i = 0; i < groups->count(); ++i) {
        const GwString* group = groups->get(i);
        if (group == nullptr || !name.begins_with(*group))
            continue;
        select_group(repo, *group);
        if (current_names()->find(name) >= 0)
            return 1;
    }
    return 0;
}

int CScriptPrintMgr::get_repository_parameter(int form, const GwString& /*line*/,
                                              const GwString& name, GwString& value) {
    EwRepository* repo = m_pLineRepository != nullptr ? m_pLineRepository : repository();
    GwString repo_name;
    get_repository_parameter_name(name, repo_name);
    if (!exist_repository_parameter(repo, repo_name))
        return 0;
    // Hex texts read best in their plain form (tokens such as "STX A").
    const int coded = repo->type(repo_name) == "HEXCHAR" ? 0 : 1;
    GwString v = form <= 0 ? repo->value(repo_name, coded) : repo->prf_value(repo_name, coded);
    value = v.is_empty() ? empty_line_marker() : v;
    return 1;
}

GwString CScriptPrintMgr::output_value(const GwString& value) const {
    return m_bRtf ? rtf_escape(value) : value;
}

// ---- printing --------------------------------------------------------------------------------

void CScriptPrintMgr::init_for_print() {
    m_coPrinter.set_font(GwFont(kBodyFont));
    double width = 0.0;
    double height = 0.0;
    m_coPrinter.text_extent(kMeasure, width, height);
    // A device that measures nothing must not divide by zero.
    m_dCharWidth = width > 0.0 ? width * kPerCharacter : 1.0;
    m_dLineHeight = height > 0.0 ? height : 1.0;
    // Clamped, so that an absurd device cannot overflow the conversion.
    m_iCharsPerLine =
        static_cast<int>(std::clamp(m_coPrinter.device_width() / m_dCharWidth, 0.0, 1e6));
    m_iLinesPerPage =
        static_cast<int>(std::clamp(m_coPrinter.device_height() / m_dLineHeight, 0.0, 1e6));
    m_iBodyLines = m_iLinesPerPage - m_iTopMargin - m_iBottomMargin;
    m_coPrinter.set_wc_rect(-m_iLeftMargin, -m_iTopMargin, m_iCharsPerLine - m_iLeftMargin,
                            m_iLinesPerPage - m_iBottomMargin);
    m_coPrinter.set_proportional(0, 1);
    m_coPrinter.set_y_turned(0);
    m_coPrinter.set_text_align(kAlignLeft);
    m_iPageNumber = 0;
    m_dCentreColumn = m_iCharsPerLine / 2 - m_iLeftMargin;
    m_bPagePending = false;
    m_iPendingBlanks = 0;
}

void CScriptPrintMgr::init_page() {
    m_coPrinter.start_page();
    PrintHeader();
    ++m_iPageNumber;
    m_iLine = 1;
    PrintFooter();
    m_coPrinter.set_font(GwFont(kBodyFont));
    m_coPrinter.set_text_align(kAlignLeft);
}

void CScriptPrintMgr::PrintHeader() {
    m_coPrinter.set_font(GwFont(kHeaderFont));
    m_coPrinter.set_text_align(kAlignLeft);
    m_coPrinter.text_out(1, -1, m_sComment);
    GwString right = GwPath::file_part(m_sFileName);
    for (const GwString& part : {CInitMgr::GetCompany(), CInitMgr::GetUser()}) {
        if (part.is_empty())
            continue;
        if (right.not_null())
            right += "/";
        right += part;
    }
    m_coPrinter.set_text_align(kAlignRight);
    m_coPrinter.text_out(2 * m_dCentreColumn, -1, right);
}

void CScriptPrintMgr::PrintFooter() {
    m_coPrinter.set_font(GwFont(kHeaderFont));
    m_coPrinter.set_text_align(kAlignCentre);
    m_coPrinter.text_out(m_dCentreColumn, m_iBodyLines + 1, "- " + GwString(m_iPageNumber) + " -");
}

void CScriptPrintMgr::place_line(const GwString& text) {
    if (m_bPagePending && text.is_empty()) {
        ++m_iPendingBlanks; // only placed when text follows on that page
        return;
    }
    while (m_bPagePending) {
        m_bPagePending = false;
        init_page();
        for (; m_iPendingBlanks > 0 && !m_bPagePending; --m_iPendingBlanks) {
            ++m_iLine;
            end_run_page();
        }
    }
    if (text.not_null())
        m_coPrinter.text_out(1, m_iLine, text);
    ++m_iLine;
    end_run_page();
}

void CScriptPrintMgr::end_run_page() {
    if (m_iLine >= m_iBodyLines) {
        m_coPrinter.end_page();
        m_bPagePending = true;
    }
}

int CScriptPrintMgr::Repo2Printer(GwCore* frame, int form) {
    const GwString tpl = CInitMgr::scanner_sub_dir() + "prt_" + CInitMgr::get_lang_str() + ".tpl";
    EwRepository* repo = repository();
    if (repo == nullptr)
        return 1;
    GwLineReader in;
    if (!in.open(tpl)) {
        CErrorHandler::show_error(CErrorHandler::error_msg(50, 1) + tpl + "\n" +
                                  CErrorHandler::error_msg(52, 0));
        return 0;
    }
    int ready = 0;
    {
        CDialogLock lock(frame);
        m_coPrinter.set_parent(frame);
        ready = m_coPrinter.prepare(0);
    }
    if (!ready) {
        CErrorHandler::show_error(CErrorHandler::error_msg(57, 0) + "\n" +
                                  CErrorHandler::error_msg(52, 0));
        return -1;
    }
    if (!m_coPrinter.start_doc("ZEP Parameter Settings"))
        return 0;
    const CInfoBox box(CErrorHandler::error_msg(56, 0));
    // A passage a faulty earlier template left switched off must not swallow this report.
    reset_interpreter();
    init_for_print();
    init_page();
    GwString line;
    while (in.read_line(line)) {
        const GwString out = instantiate_line(repo, line, tpl, form);
        if (out.is_empty())
            continue;
        place_line(out == empty_line_marker() ? GwString() : out);
    }
    if (!m_bPagePending)
        m_coPrinter.end_page();
    m_coPrinter.end_doc();
    return 1;
}

void CScriptPrintMgr::for_each_extra(DynGwStringPtrArray* lines,
                                     const std::function<void(const GwString&)>& take) {
    if (lines == nullptr)
        return;
    for (int i = 0; i < lines->count(); ++i) {
        const GwString* line = lines->get(i);
        if (line == nullptr)
            continue;
        const GwString text = line->from(1);
        GwString group;
        if (get_group(repository(), text, group))
            take(text);
        else
            CErrorHandler::show_data(CErrorHandler::warning(30, 1) + "\n" +
                                     CErrorHandler::warning(31, 0) + text);
    }
}

void CScriptPrintMgr::print_extras(DynGwStringPtrArray* lines) {
    for_each_extra(lines, [this](const GwString& text) {
        if (text.not_null())
            place_line(text);
    });
}

// ---- RTF -------------------------------------------------------------------------------------

void CScriptPrintMgr::write_extras_to_file(std::ostream& out, DynGwStringPtrArray* lines) {
    for_each_extra(
        lines, [&out](const GwString& text) { out << "\\par " << rtf_escape(text).str() << '\n'; });
}

int CScriptPrintMgr::repository_to_rtffile(const GwString& file, int form) {
    EwRepository* repo = repository();
    if (repo == nullptr)
        return 1;
    if (file.is_empty())
        return 0;
    const GwString tpl = CInitMgr::scanner_sub_dir() + "rtf_" + CInitMgr::get_lang_str() + ".tpl";
    reset_interpreter();
    m_bRtf = true;
    const int result =
        CTemplateFile::write(tpl, file, [&](std::ostream& out, const GwString& line) {
            const GwString o = instantiate_line(repo, line, tpl, form);
            if (o.not_null() && o != empty_line_marker())
                out << o.str();
            out << '\n';
        });
    m_bRtf = false;
    return result;
}

GwString CScriptPrintMgr::check_filename_rtf(GwCore* frame) {
    const GwString title = CErrorHandler::warning(47, 0);
    GwString path;
    int chosen = 0;
    {
        CDialogLock lock(frame);
        GwFileSelector selector(frame, ".", "*.rtf", 1, title);
        chosen = selector.go(path);
    }
    if (!chosen || path.is_empty())
        return GwString();
    // Only the file's own name decides; a dot in a directory name is no extension.
    const int name_start = std::max(path.last('\\'), path.last('/')) + 1;
    const int dot = path.last('.');
    if (dot <= name_start) // no dot, or only the one of a hidden file's name
        return path + ".RTF";
    return path(0, dot) + "RTF";
}
