// Sectioned key/value text file: the format of profiles, command maps and resource files.
//
// Syntax, line by line (each line read with the 1023-character limit of GwLineReader):
//   [Name]        a section header: after leading blanks a "[", the name up to the last "]"
//                 (blanks around the name removed). Sections keep their file order and are
//                 addressable by position from 0; two sections may share a name.
//   key=value     an entry of the current section. The key is the text before the first "="
//                 with blanks and tabs around it removed; the value is everything after that
//                 "=", exactly as written (";", "|", ",", "=", "\\" and blanks all survive).
//                 Entries keep their file order; keys may repeat.
//   ; text        comment lines (";" or "#" after leading blanks) and blank lines are skipped,
//   # text        as are lines without "=" and entries before the first section header.
// Section names and keys are looked up without regard to case, as Windows profile files are.
#pragma once

#include "GwString.h"

#include <string>
#include <vector>

class GwProfile {
public:
    GwProfile() = default;
    explicit GwProfile(const GwString& path); // path resolved with GwPath

    // Replaces the contents by those parsed from a text; the profile is then valid.
    void load_text(const std::string& text);

    // 1 when the file could be read (it may still hold no section).
    int is_valid() const { return m_valid ? 1 : 0; }
    const GwString& path() const { return m_path; }

    int section_count() const { return static_cast<int>(m_sections.size()); }
    GwString section_name(int position) const; // empty outside 0..section_count()-1
    int has_section(const GwString& name) const;

    // Selects the current section: the first of that name, or the one at that position.
    // 1 when it exists; otherwise 0 and no section is current.
    int set_section(const GwString& name);
    int set_section(int position);
    int current_section() const { return m_current; } // -1 when none

    // Entries of the current section; 0 / empty texts when no section is current or the
    // position is out of range.
    int value_count() const;
    GwString name(int position) const;
    GwString value(int position) const;
    // The value of the first entry with that key in the current section, else the default.
    GwString value(const GwString& key, const GwString& default_value) const;

private:
    struct Entry {
        GwString key;
        GwString value;
    };
    struct Section {
        GwString name;
        std::vector<Entry> entries;
    };
    const Section* current() const;

    GwString m_path;
    std::vector<Section> m_sections;
    int m_current = -1;
    bool m_valid = false;
};
