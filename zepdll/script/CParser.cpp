#include "CParser.h"

#include "CErrorHandler.h"
#include "CInitMgr.h"
#include "EwDataSet.h"
#include "EwRepository.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// Defined before m_asoZep in this file, so it is built first.
const SCANNER_TYPES kScannerTypes[CParser::kScannerTypeCount] = {
    {"??", "???", "ZEP???"},
    {"RV-4400", "100", "ZEP100"},
    {"RV-4400L", "100", "ZEP100"},
};

const GwString kPair00("00");

bool is_hex_type(const GwString& type) {
    return type == "NULSTRING" || type == "HEXCHAR" || type == "LISTEDINT";
}

bool is_quoted_name(const GwString& name) {
    return name == "CVI" || name == "CVM" || name == "H0E";
}

// A parameter length as the cutting rules use it: never negative, never beyond the text that
// is left (so that offsets cannot overflow on a hostile profile).
long usable_length(const GwString& length, int available) {
    const long n = length.to_long();
    return std::clamp<long>(n, 0, std::max(available, 0));
}

} // namespace

SCANNER_TYPES CParser::m_asoZep[CParser::kScannerTypeCount] = {kScannerTypes[0], kScannerTypes[1],
                                                               kScannerTypes[2]};

CParser::CParser()
    : m_pSpareNames(std::make_unique<DynGwStringPtrArray>(10, 10)),
      m_pCurrentNames(std::make_unique<DynGwStringPtrArray>(10, 10)) {
    fill_scanner_types();
}

CParser::~CParser() = default;

void CParser::fill_scanner_types() {
    for (int i = 0; i < kScannerTypeCount; ++i)
        m_asoZep[i] = kScannerTypes[i];
}

void CParser::set_current_names(DynGwStringPtrArray* names) {
    if (names == nullptr)
        names = new DynGwStringPtrArray(10, 10);
    m_pCurrentNames.reset(names);
}

int CParser::select_group(EwRepository* repo, const GwString& group) {
    DynGwStringPtrArray* names = repo != nullptr ? repo->list_of_param_names(group) : nullptr;
    set_current_names(names);
    return names != nullptr ? 1 : 0;
}

GwString CParser::param_prefix(const GwString& text, const GwString& group) const {
    for (int i = 0; i < m_pCurrentNames->count(); ++i) {
        const GwString* name = m_pCurrentNames->get(i);
        if (name == nullptr)
            continue;
        const GwString prefix = RemoveGroupID(*name, group);
        if (prefix.not_null() && text.begins_with(prefix))
            return group + prefix;
    }
    return GwString();
}

void CParser::get_array_of_values(EwRepository* repo, const GwString& group, const GwString& line,
                                  DynGwStringPtrArray* names, DynGwStringPtrArray* values) {
    GwString rest = line.from(group.len() + 1);
    if (repo == nullptr || names == nullptr || values == nullptr)
        return;
    GwString p = param_prefix(rest, group);
    int off = p.len() - group.len();
    if (p.is_empty()) {
        // A group's unnamed parameter (GNNONAME) has no field prefix: its value is the first
        // field, right after the group identifier.
        p = unnamed_parameter(group);
        off = 0;
    }
    for (; p.not_null(); p = param_prefix(rest, group), off = p.len() - group.len()) {
        const GwString type = repo->type(p);
        names->add(p);
        if (is_hex_type(type)) {
            const long n = usable_length(repo->length(p), rest.len());
            const long width = type == "NULSTRING" ? n : 2 * n;
            const long last = std::min<long>(rest.len() - 1, off + width - 1);
            const GwString v = rest(0, static_cast<int>(last));
            const int end = index_nth_occurrence(v, kPair00, 1, off, 2);
            if (end < 0) {
                values->add(v.from(off));
                rest = rest.from(v.len());
            } else {
                values->add(v(off, end + 1));
                rest = strip_string_front(rest.from(end + 2), kPair00);
            }
        } else if (is_quoted_name(p)) {
            if (rest[1] == '"' && rest[2] != '"') {
                GwString quoted = rest.from(1);
                const GwString value = quoted.token("\"");
                values->add(value);
                rest = rest.from(value.len() + 3);
            } else if (rest[1] == '"') {
                rest = rest.from(1);
                while (rest[0] == '"' && rest.not_null())
                    rest = rest.from(1);
                values->add(GwString());
            } else {
                // No opening quote: the text is the whole rest of the line (as a script line
                // holds it), so nothing after it can be read as further fields.
                rest = rest.from(1);
                while (rest[0] == '"' && rest.not_null())
                    rest = rest.from(1);
                values->add(rest);
                rest.clear();
            }
        } else {
            const long n = usable_length(repo->length(p), rest.len());
            values->add(rest(off, static_cast<int>(off + n - 1)));
            rest = rest.from(static_cast<int>(off + n));
        }
    }
}

GwString CParser::unnamed_parameter(const GwString& group) const {
    for (int i = 0; i < m_pCurrentNames->count(); ++i) {
        const GwString* name = m_pCurrentNames->get(i);
        if (name != nullptr && name->begins_with(group) && RemoveGroupID(*name, group).is_empty())
            return *name;
    }
    return GwString();
}

int CParser::get_param(EwRepository* repo, const GwString& key, GwString& name, int& length) {
    if (repo == nullptr)
        return 0;
    const std::unique_ptr<DynGwStringPtrArray> groups(repo->list_of_names());
    for (int i = 0; i < groups->count(); ++i) {
        const GwString* group = groups->get(i);
        if (group == nullptr)
            continue;
        set_current_names(repo->list_of_param_names(*group));
        GwString full = param_prefix(key.from(group->len()), *group);
        if (full.is_empty() || !key.begins_with(full))
            full = unnamed_parameter(*group);
        if (full.not_null() && key.begins_with(full)) {
            name = full;
            length = full.len();
            return 1;
        }
    }
    return 0;
}

int CParser::get_group(EwRepository* repo, const GwString& text, GwString& group) {
    if (repo == nullptr)
        return 0;
    const std::unique_ptr<DynGwStringPtrArray> groups(repo->list_of_names());
    for (int i = 0; i < groups->count(); ++i) {
        const GwString* g = groups->get(i);
        if (g != nullptr && text.begins_with(*g)) {
            group = *g;
            return 1;
        }
    }
    return 0;
}

GwString CParser::instantiate_line(EwRepository* repo, const GwString& line,
                                   const GwString& comment, int form) {
    if (repo == nullptr)
        return line;
    const int pos = index_nth_occurrence(line, "$$", 1, 0, 1);
    if (pos < 0)
        return line;
    const GwString key = line.from(pos + 2);
    GwString out;
    if (tpl_special_cases(key, out, comment))
        return line(0, pos - 1) + out;
    GwString name;
    int length = 0;
    if (get_param(repo, key, name, length)) {
        const GwString v = form <= 0 ? repo->value(name, 1) : repo->prf_value(name, 1);
        return line(0, pos - 1) + v + line.from(pos + 2 + length);
    }
    return ";" + line;
}

int CParser::tpl_special_cases(const GwString& key, GwString& out, const GwString& comment) {
    if (key.begins_with("Date")) {
        out = ctime_text();
        return 1;
    }
    if (key.begins_with("From")) {
        // The program's version text already starts with its "V" ("V 1.1 - 64 Bit"); a bare
        // number ("1.1") gets one, so neither reads "VV".
        const GwString version = CInitMgr::ZEPVersionNumber();
        out = GwString("ZEP Setup ") + (version.begins_with("V") ? "" : "V") + version;
        return 1;
    }
    if (key.begins_with("Type")) {
        const GwString selected = CInitMgr::SelectedScanner();
        out = selected.is_empty() ? GwString() : TranslateType(selected, 0, 1);
        return 1;
    }
    if (key.begins_with("Created_by")) {
        out = "'" + comment + "'";
        return 1;
    }
    return 0;
}

GwString CParser::ctime_text() {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    // The ctime layout, written out so that the names stay English whatever the locale.
    GwString text;
    text.Put("%s %s %2d %02d:%02d:%02d %d", kDays[std::clamp(local.tm_wday, 0, 6)],
             kMonths[std::clamp(local.tm_mon, 0, 11)], local.tm_mday, local.tm_hour, local.tm_min,
             local.tm_sec, local.tm_year + 1900);
    return text;
}

GwString CParser::RemoveGroupID(const GwString& name, const GwString& group) {
    return EwDataSet::FieldPrefix(name, group);
}

int CParser::index_nth_occurrence(const GwString& text, const GwString& pattern, int n, int start,
                                  int step) {
    // A step of 0 would test one position for ever; a negative start would read before the text.
    const long stride = std::max(step, 1);
    const long last = static_cast<long>(text.len()) - pattern.len();
    int count = 0;
    for (long p = std::max(start, 0); p <= last; p += stride) {
        if (text.str().compare(static_cast<size_t>(p), pattern.str().size(), pattern.str()) != 0)
            continue;
        if (++count == n)
            return static_cast<int>(p);
    }
    return -1;
}

GwString CParser::remove_nth_occurrence(const GwString& text, const GwString& pattern, int n,
                                        int start, int step) {
    const int p = index_nth_occurrence(text, pattern, n, start, step);
    if (p < 0)
        return text;
    return text(0, p - 1) + text.from(p + pattern.len());
}

GwString CParser::strip_string_front(const GwString& text, const GwString& pattern) {
    GwString rest = text;
    while (rest.not_null() && pattern.not_null() && rest.begins_with(pattern))
        rest = rest.from(pattern.len());
    return rest;
}

GwString CParser::strip_string_tail(const GwString& text, const GwString& pattern) {
    GwString rest = text;
    while (rest.not_null() && pattern.not_null() && rest.ends_with(pattern))
        rest = rest(0, rest.len() - pattern.len() - 1);
    return rest;
}

int CParser::is_extras_insertion_point(const GwString& line) {
    return line.contains("$$Extras");
}

int CParser::find_nth_param_position(const GwString& text, const GwString& group, int n) {
    int count = 0;
    for (int p = 0; p < text.len(); ++p) {
        if (param_prefix(text.from(p), group).is_empty())
            continue;
        if (++count == n)
            return p;
    }
    return -1;
}

GwString CParser::fill_up_string(const GwString& text, const GwString& fill, int width) {
    if (fill.is_empty())
        return text;
    const long missing = static_cast<long>(width) - text.len();
    if (missing % fill.len() != 0) {
        CErrorHandler::show_error(CErrorHandler::error_msg(14, 1) +
                                  CErrorHandler::error_msg(17, 0) + text + "\n" +
                                  CErrorHandler::error_msg(54, 0) + fill + "\n" +
                                  CErrorHandler::error_msg(55, 0) + GwString(width));
        return text;
    }
    GwString result = text;
    while (result.len() < width)
        result += fill;
    return result;
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
