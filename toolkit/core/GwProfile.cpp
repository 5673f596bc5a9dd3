#include "GwProfile.h"

#include "GwLineReader.h"

#include <algorithm>
#include <cctype>

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

GwString trimmed(const std::string& s, size_t from, size_t to) {
    while (from < to && is_blank(s[from]))
        ++from;
    while (to > from && is_blank(s[to - 1]))
        --to;
    return GwString(s.substr(from, to - from));
}

bool equal_nocase(const GwString& a, const GwString& b) {
    return a.len() == b.len() && a.to_lower() == b.to_lower();
}

} // namespace

GwProfile::GwProfile(const GwString& path) : m_path(path) {
    GwLineReader reader;
    if (!reader.open(path))
        return;
    std::string text;
    GwString line;
    while (reader.read_line(line)) {
        text += line.str();
        text += '\n';
    }
    load_text(text);
}

void GwProfile::load_text(const std::string& text) {
    m_sections.clear();
    m_current = -1;
    m_valid = true;

    GwLineReader reader;
    reader.open_text(text);
    GwString line;
    bool first_line = true;
    while (reader.read_line(line)) {
        std::string s = line.str();
        if (first_line && s.compare(0, 3, "\xEF\xBB\xBF") == 0)
            s.erase(0, 3);
        first_line = false;

        size_t start = 0;
        while (start < s.size() && is_blank(s[start]))
            ++start;
        if (start == s.size() || s[start] == ';' || s[start] == '#')
            continue;
        if (s[start] == '[') {
            const size_t close = s.rfind(']');
            if (close != std::string::npos && close > start) {
                m_sections.push_back(Section{trimmed(s, start + 1, close), {}});
                continue;
            }
        }
        const size_t eq = s.find('=');
        if (eq == std::string::npos || m_sections.empty())
            continue;
        m_sections.back().entries.push_back(Entry{trimmed(s, 0, eq), GwString(s.substr(eq + 1))});
    }
}

GwString GwProfile::section_name(int position) const {
    if (position < 0 || position >= section_count())
        return GwString();
    return m_sections[static_cast<size_t>(position)].name;
}

int GwProfile::has_section(const GwString& name) const {
    return std::any_of(m_sections.begin(), m_sections.end(),
                       [&](const Section& s) { return equal_nocase(s.name, name); })
               ? 1
               : 0;
}

int GwProfile::set_section(const GwString& name) {
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (equal_nocase(m_sections[i].name, name)) {
            m_current = static_cast<int>(i);
            return 1;
        }
    }
    m_current = -1;
    return 0;
}

int GwProfile::set_section(int position) {
    if (position < 0 || position >= section_count()) {
        m_current = -1;
        return 0;
    }
    m_current = position;
    return 1;
}

const GwProfile::Section* GwProfile::current() const {
    if (m_current < 0 || m_current >= section_count())
        return nullptr;
    return &m_sections[static_cast<size_t>(m_current)];
}

int GwProfile::value_count() const {
    const Section* s = current();
    return s == nullptr ? 0 : static_cast<int>(s->entries.size());
}

GwString GwProfile::name(int position) const {
    const Section* s = current();
    if (s == nullptr || position < 0 || position >= static_cast<int>(s->entries.size()))
        return GwString();
    return s->entries[static_cast<size_t>(position)].key;
}

GwString GwProfile::value(int position) const {
    const Section* s = current();
    if (s == nullptr || position < 0 || position >= static_cast<int>(s->entries.size()))
        return GwString();
    return s->entries[static_cast<size_t>(position)].value;
}

GwString GwProfile::value(const GwString& key, const GwString& default_value) const {
    const Section* s = current();
    if (s == nullptr)
        return default_value;
    for (const Entry& e : s->entries) {
        if (equal_nocase(e.key, key))
            return e.value;
    }
    return default_value;
}
