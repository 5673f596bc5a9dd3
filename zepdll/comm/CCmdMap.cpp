// The command map: reading "cmd.map" and cutting values out of scanner replies.
#include "CCmdMap.h"

#include "CInitMgr.h"
#include "CParser.h"
#include "CScanRepoIf.h"
#include "CUtils.h"
#include "EwRepository.h"
#include "GwProfile.h"

#include <algorithm>

namespace {

enum Field { kReserved = 0, kMarker, kQuery, kLocator, kWrite, kType };

// The text after the first occurrence of what; found tells whether it occurs (an empty what
// occurs at 0).
GwString after(const GwString& text, const GwString& what, bool& found) {
    if (what.is_empty()) {
        found = true;
        return text;
    }
    const int pos = text.first(what);
    found = pos >= 0;
    return found ? text.from(pos + what.len()) : GwString();
}

// The locator of NORMAL and DPNDNT: search text before the first "|", kind after it.
void split_locator(const GwString& locator, GwString& search, GwString& kind) {
    const int bar = locator.first('|');
    if (bar < 0) {
        search = locator;
        kind.clear();
    } else {
        search = locator(0, bar - 1);
        kind = locator.from(bar + 1);
    }
}

// The number of a text of decimal digits and nothing else, without leading zeros; false for
// any other text and for numbers beyond nine digits.
bool plain_number(const GwString& text, GwString& number) {
    if (text.is_empty())
        return false;
    for (int i = 0; i < text.len(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    int first = 0;
    while (first < text.len() - 1 && text[first] == '0')
        ++first;
    number = text.from(first);
    return number.len() <= 9;
}

// 1 when the whole text is a range field: digits, optionally "-" and digits, then "_" fill.
bool range_field(const GwString& text) {
    int i = 0;
    auto digits = [&text, &i] {
        const int from = i;
        while (i < text.len() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i > from;
    };
    if (!digits())
        return false;
    if (i < text.len() && text[i] == '-') {
        ++i;
        if (!digits())
            return false;
    }
    while (i < text.len() && text[i] == '_')
        ++i;
    return i == text.len();
}

} // namespace

CCmdMap::CCmdMap() : m_pNames(std::make_unique<DynGwStringPtrArray>(10, 10)) {
    for (auto& list : m_pFields)
        list = std::make_unique<DynGwStringPtrArray>(10, 10);
}

CCmdMap::~CCmdMap() = default;

int CCmdMap::Initialize() {
    const GwString type = CParser::TranslateType(CScanRepoIf::ConnectedScanner(), 0, 2);
    return InitializeFile(CInitMgr::program_dir() + type + "\\cmd.map");
}

int CCmdMap::InitializeFile(const GwString& path) {
    m_pProfile.reset();
    return take(std::make_unique<GwProfile>(path));
}

int CCmdMap::InitializeText(const std::string& text) {
    m_pProfile.reset();
    auto profile = std::make_unique<GwProfile>();
    profile->load_text(text);
    return take(std::move(profile));
}

int CCmdMap::take(std::unique_ptr<GwProfile> profile) {
    if (!profile->is_valid() || !profile->has_section("GeneralInformation") ||
        !profile->set_section("StartMapping"))
        return 0;
    m_pProfile = std::move(profile);
    m_iCount = m_pProfile->value_count();
    m_pNames = std::make_unique<DynGwStringPtrArray>(10, 10);
    for (auto& list : m_pFields)
        list = std::make_unique<DynGwStringPtrArray>(10, 10);
    for (int i = 0; i < m_iCount; ++i) {
        m_pNames->add(m_pProfile->name(i));
        // By position: GwString::token would skip an empty field and move every later field
        // one place forward (the write command would become the locator).
        const GwString value = m_pProfile->value(i);
        for (int f = 0; f < kFields; ++f)
            m_pFields[f]->add(CUtils::EraseLeadingWhitespace(value.GetToken(f, ';')));
    }
    return 1;
}

int CCmdMap::SearchQMVCmd(const GwString& name) const {
    for (int i = 0; i < m_iCount; ++i) {
        const GwString* entry = m_pNames->get(i);
        if (entry != nullptr && entry->len() == name.len() && entry->compare(name) == 0)
            return i;
    }
    return -1;
}

GwString CCmdMap::field(int index, int f) const {
    if (index < 0 || f < 0 || f >= kFields)
        return GwString();
    const GwString* s = m_pFields[f]->get(index);
    return s != nullptr ? *s : GwString();
}

GwString CCmdMap::Name(int i) const {
    const GwString* s = m_pNames->get(i);
    return i >= 0 && i < m_iCount && s != nullptr ? *s : GwString();
}

GwString CCmdMap::Field(int i, int f) const {
    return i >= 0 && i < m_iCount ? field(i, f - 1) : GwString();
}

GwString CCmdMap::GetQueryCmd(GwString& name) {
    return field(SearchQMVCmd(name), kQuery);
}

GwString CCmdMap::GetWriteCmd(const GwString& name) {
    return field(SearchQMVCmd(name), kWrite);
}

int CCmdMap::IsDependent(const GwString& name) {
    const int i = SearchQMVCmd(name);
    return i < 0 || field(i, kType) == "DPNDNT" ? 1 : 0;
}

int CCmdMap::IsString(const GwString& name) {
    const int i = SearchQMVCmd(name);
    return i < 0 || field(i, kType) == "STRING" ? 1 : 0;
}

int CCmdMap::HasKnownType(const GwString& name) const {
    const GwString type = field(SearchQMVCmd(name), kType);
    return type == "SIMPLE" || type == "NORMAL" || type == "DPNDNT" || type == "STRING" ? 1 : 0;
}

int CCmdMap::Fits(const GwString& name, const GwString& reply) const {
    const int i = SearchQMVCmd(name);
    if (i < 0)
        return 0;
    const GwString type = field(i, kType);
    bool found = false;
    if (type == "STRING") {
        after(reply, field(i, kLocator), found);
        return found ? 1 : 0;
    }
    if (type != "SIMPLE" && type != "NORMAL" && type != "DPNDNT")
        return 0;
    const GwString part = after(reply, field(i, kMarker), found);
    if (!found)
        return 0;
    if (type == "SIMPLE")
        return 1;
    GwString search, kind;
    split_locator(field(i, kLocator), search, kind);
    after(part, search, found);
    return found ? 1 : 0;
}

GwString CCmdMap::ExtractValue(GwString& name, GwString& reply, EwRepository* repo) {
    const int width = repo != nullptr ? std::clamp(repo->length(name).to_int(), 0, kMaxWidth) : 0;
    const int i = SearchQMVCmd(name);
    if (i < 0)
        return "0";
    const GwString type = field(i, kType);
    bool found = false;

    if (type == "STRING")
        return after(reply, field(i, kLocator), found);

    if (type != "SIMPLE" && type != "NORMAL" && type != "DPNDNT")
        return GwString();

    GwString part = after(reply, field(i, kMarker), found);
    if (!found)
        return GwString();
    if (type == "SIMPLE")
        return CUtils::PadLeft(part, width);

    GwString search, kind;
    split_locator(field(i, kLocator), search, kind);
    part = after(part, search, found);
    if (type == "NORMAL") {
        if (!found)
            return GwString();
        if (kind.contains("INT"))
            return CUtils::PadLeft(GwString(part.to_int()), width);
        if (kind.contains("STR"))
            return part;
        return GwString();
    }

    // DPNDNT: a rule field that the reply does not carry counts as 0.
    if (!found)
        part = "0";
    if (kind.contains("INT"))
        return CUtils::PadLeft(GwString(part.to_int()), width);
    if (kind.contains("STR"))
        return CUtils::PadRight(part, width, '_');
    if (kind.contains("RNG"))
        return CUtils::PadRight(CUtils::ExtractRange(part, 2), width, '_');
    return GwString();
}

int CCmdMap::TakeValue(GwString& name, const GwString& reply, EwRepository* repo, GwString& value,
                       GwString& dependent) const {
    const int width = repo != nullptr ? std::clamp(repo->length(name).to_int(), 0, kMaxWidth) : 0;
    const int i = SearchQMVCmd(name);
    if (i < 0)
        return 0;
    const GwString type = field(i, kType);
    if (type == "STRING") {
        const GwString& locator = field(i, kLocator);
        const GwString text = reply.from(locator.len());
        if (!reply.begins_with(locator) || text.len() < 2 || text[0] != '"' ||
            text.first('"', 1) != text.len() - 1)
            return 0;
        value = text;
        dependent.clear();
        return 1;
    }
    const GwString& marker = field(i, kMarker);
    if ((type != "SIMPLE" && type != "NORMAL" && type != "DPNDNT") || !reply.begins_with(marker))
        return 0;
    GwString part = reply.from(marker.len());
    if (type == "SIMPLE") {
        if (part.is_empty())
            return 0;
        value = CUtils::PadLeft(part, width);
        dependent.clear();
        return 1;
    }

    GwString search, kind;
    split_locator(field(i, kLocator), search, kind);
    const int at = search.is_empty() ? 0 : part.first(search);
    if (at < 0 || (type == "NORMAL" && at != 0))
        return 0;
    const GwString before = part(0, at - 1);
    part = part.from(at + search.len());
    GwString number;
    GwString taken;
    if (part.is_empty()) {
        return 0;
    } else if (kind.contains("INT")) {
        if (!plain_number(part, number))
            return 0;
        taken = CUtils::PadLeft(number, width);
    } else if (kind.contains("STR")) {
        taken = type == "NORMAL" ? part : CUtils::PadRight(part, width, '_');
    } else if (type == "DPNDNT" && kind.contains("RNG")) {
        if (!range_field(part))
            return 0;
        taken = CUtils::PadRight(CUtils::ExtractRange(part, 2), width, '_');
    } else {
        return 0;
    }
    value = taken;
    dependent = before;
    return 1;
}
