#include "CProfileReader.h"

#include "CUtils.h"
#include "DynGwStringPtrArray.h"
#include "GwDynIntArray.h"
#include "GwLanguage.h"
#include "GwProfile.h"

#include <algorithm>

namespace {

const char* const kGeneralSection = "GeneralInformation";
const char* const kGroupSection = "ParameterGroups";
// Group g lives in the section at this position plus g.
constexpr int kFirstGroupSection = 3;
// Entry positions of a group section before its parameters.
constexpr int kCountEntry = 0;
constexpr int kInstanceEntry = 1;
constexpr int kFieldCount = 11;

int is_mapping_key(const GwString& key) {
    return key.contains("MAP");
}

} // namespace

CProfileReader::CProfileReader() = default;

CProfileReader::CProfileReader(const GwString& path)
    : m_pProfile(std::make_unique<GwProfile>(path)), m_sFilePath(path) {
    read_group_names();
    initialise();
}

CProfileReader::CProfileReader(std::unique_ptr<GwProfile> profile)
    : m_pProfile(std::move(profile)) {
    if (m_pProfile == nullptr)
        return;
    m_sFilePath = m_pProfile->path();
    read_group_names();
    initialise();
}

CProfileReader::~CProfileReader() = default;

void CProfileReader::read_group_names() {
    m_aoGroupNames.clear();
    m_bHasGroupList = m_pProfile->set_section(kGroupSection) != 0;
    if (!m_bHasGroupList)
        return;
    for (int i = 0; i < m_pProfile->value_count(); ++i)
        m_aoGroupNames.emplace_back(m_pProfile->name(i), m_pProfile->value(i), i);
}

int CProfileReader::initialise() {
    if (m_pProfile->set_section(kGeneralSection)) {
        m_sVersion = m_pProfile->value("Version", "");
        m_sResourceFile = m_pProfile->value("ResourceFile", "");
    }
    m_iNumberOfGroups = 0;
    if (m_pProfile->set_section(kGroupSection))
        m_iNumberOfGroups = m_pProfile->value_count();
    return 1;
}

CGroupName** CProfileReader::all_group_names() const {
    if (!m_bHasGroupList)
        return nullptr;
    auto** names = new CGroupName*[m_aoGroupNames.size()];
    for (size_t i = 0; i < m_aoGroupNames.size(); ++i)
        names[i] = new CGroupName(m_aoGroupNames[i]);
    return names;
}

void CProfileReader::release_group_names(CGroupName** names, int count) {
    if (names == nullptr)
        return;
    for (int i = 0; i < count; ++i)
        delete names[i];
    delete[] names;
}

int CProfileReader::is_group(int group) const {
    return group >= 0 && group < m_iNumberOfGroups &&
                   group < static_cast<int>(m_aoGroupNames.size())
               ? 1
               : 0;
}

int CProfileReader::number_of_parameter_descriptions_in_group(int group) {
    if (m_pProfile == nullptr || !is_group(group))
        return -1;
    if (!m_pProfile->set_section(group + kFirstGroupSection))
        return -1;
    return m_pProfile->value(kCountEntry).to_int();
}

int CProfileReader::number_of_parameters(int group) {
    if (m_pProfile == nullptr || !m_bHasGroupList || !is_group(group))
        return -1;
    if (!m_pProfile->set_section(group + kFirstGroupSection))
        return -1;
    return GwAtoi(m_pProfile->value(kCountEntry).cc());
}

int CProfileReader::is_valid_attribute(int field) {
    return field >= 0 && field < kFieldCount ? 1 : 0;
}

GwString CProfileReader::piece_of_string(const GwString& line, int field) {
    if (line.is_empty())
        return GwString();
    if (field == 20)
        field = 9;
    if (!is_valid_attribute(field))
        return "0";
    return line.GetToken(field, ';');
}

GwString CProfileReader::get_defaults(const GwString& line) {
    return piece_of_string(line, 8);
}

int CProfileReader::is_allowed(const GwDynIntArray* excluded, int position) {
    return excluded == nullptr || !excluded->contains(position) ? 1 : 0;
}

int CProfileReader::get_parameter_index(int group, int parameter, int offset) {
    if (m_pProfile == nullptr || !m_pProfile->set_section(group + kFirstGroupSection))
        return -1;
    GwDynIntArray excluded;
    excluded.add(kCountEntry);
    excluded.add(kInstanceEntry);
    const int entries = m_pProfile->value_count();
    for (int pos = 0; pos < entries; ++pos) {
        if (is_mapping_key(m_pProfile->name(pos)))
            excluded.add(pos);
    }
    GwDynIntArray allowed;
    for (int pos = 0; pos < entries; ++pos) {
        if (is_allowed(&excluded, pos))
            allowed.add(pos);
    }
    const int wanted = parameter + offset - 1;
    // A parameter the section does not hold has no position.
    if (wanted < 0 || wanted >= allowed.count())
        return -1;
    return allowed.at(wanted);
}

int CProfileReader::parameter_entries(int group) {
    if (m_pProfile == nullptr || !m_pProfile->set_section(group + kFirstGroupSection))
        return 0;
    int n = 0;
    for (int pos = kInstanceEntry + 1; pos < m_pProfile->value_count(); ++pos) {
        if (!is_mapping_key(m_pProfile->name(pos)))
            ++n;
    }
    return n;
}

GwString CProfileReader::is_multidescriptive(int group, int parameter) {
    if (m_pProfile == nullptr || !m_bHasGroupList || !is_group(group))
        return "-1";
    if (parameter < 0 || parameter >= number_of_parameters(group))
        return "-1";
    if (!m_pProfile->set_section(group + kFirstGroupSection))
        return "-1";
    return m_pProfile->value(kInstanceEntry);
}

DynGwStringPtrArray* CProfileReader::HasMapping(int group, int parameter, GwString& range) {
    if (m_pProfile == nullptr || !is_group(group))
        return nullptr;
    if (parameter < 0 || parameter >= number_of_parameters(group))
        return nullptr;
    const int pos = get_parameter_index(group, parameter, 1);
    if (pos < 0)
        return nullptr;
    const GwString target = "MAPPING_" + CUtils::PadLeft(GwString(GwLanguage::number()), 3);
    // get_parameter_index left the group section selected.
    for (int e = pos + 1; e < m_pProfile->value_count(); ++e) {
        const GwString key = m_pProfile->name(e);
        if (!is_mapping_key(key))
            return nullptr;
        if (!key.contains(target))
            continue;
        const int fields = range.GetTokenCount('|');
        auto* codes = new DynGwStringPtrArray(fields, 10);
        for (int k = 0; k < fields; ++k)
            codes->add(range.GetToken(k, '|'));
        range = m_pProfile->value(e);
        return codes;
    }
    return nullptr;
}

CParameterDescription CProfileReader::get_description_number(int group, int parameter, int offset) {
    CParameterDescription d;
    if (m_pProfile == nullptr || !m_bHasGroupList || !is_group(group))
        return d;
    if (!m_pProfile->set_section(group + kFirstGroupSection))
        return d;
    const int pos = get_parameter_index(group, parameter, offset);
    if (pos < 0)
        return d;
    const GwString line = m_pProfile->value(pos);
    d.m_sName = piece_of_string(line, 0);
    d.m_sType = piece_of_string(line, 1);
    d.m_sType.EraseTrailingChars(' ');
    d.m_sLength = piece_of_string(line, 2);
    d.m_sRange = piece_of_string(line, 3);
    d.m_sHigh = piece_of_string(line, 4);
    d.m_sLow = piece_of_string(line, 5);
    d.m_sExcludes = piece_of_string(line, 6);
    d.m_sDefChar = piece_of_string(line, 7);
    d.m_sDefInt = get_defaults(line);
    d.m_sUnits = piece_of_string(line, 9);
    d.m_sID = m_pProfile->name(pos);
    const CGroupName& names = m_aoGroupNames[static_cast<size_t>(group)];
    d.m_sGroup = names.m_sValue;
    d.m_sGroupID = names.m_sName;
    d.m_pMapping = HasMapping(group, parameter, d.m_sRange);
    d.m_sOneOf = is_multidescriptive(group, parameter);
    return d;
}

CDynParameterDescriptionArray* CProfileReader::get_group_parameterdescriptions(int group) {
    auto* descriptions = new CDynParameterDescriptionArray(15, 10);
    // The count comes from the file; beyond the entries that exist there is nothing to
    // describe, and a huge count must not cost memory.
    const int n = std::min(number_of_parameters(group), parameter_entries(group));
    for (int p = 0; p < n; ++p) {
        auto* d = new CParameterDescription(get_description_number(group, p, 1));
        d->m_iIndex = 1;
        (*descriptions)[-1] = d;
    }
    return descriptions;
}

void CProfileReader::dump_DnyParamDescArray(CDynParameterDescriptionArray* a, std::ostream& out,
                                            int group) const {
    if (a == nullptr || !out.good())
        return;
    for (int i = 0; i < a->count(); ++i) {
        const CParameterDescription* d = a->get(i);
        if (d == nullptr)
            continue;
        out << "Group Number " << group << " , Parameter Number " << i << "\n";
        out << "Index    - " << d->m_iIndex << "\n";
        out << "One Of   - " << d->m_sOneOf.str() << "\n";
        out << "Name     - " << d->m_sName.str() << "\n";
        out << "Type     - " << d->m_sType.str() << "\n";
        out << "Length   - " << d->m_sLength.str() << "\n";
        out << "Range    - " << d->m_sRange.str() << "\n";
        out << "High     - " << d->m_sHigh.str() << "\n";
        out << "Low      - " << d->m_sLow.str() << "\n";
        out << "Excludes - " << d->m_sExcludes.str() << "\n";
        out << "Def Char - " << d->m_sDefChar.str() << "\n";
        out << "Def Int  - " << d->m_sDefInt.str() << "\n";
        out << "Group    - " << d->m_sGroup.str() << "\n";
        out << "Group ID - " << d->m_sGroupID.str() << "\n";
        out << "ID       - " << d->m_sID.str() << "\n";
        out << "UNITS    - " << d->m_sUnits.str() << "\n";
        out << "MAPPING  - ";
        if (d->m_pMapping == nullptr) {
            out << "NULL";
        } else {
            for (int k = 0; k < d->m_pMapping->count(); ++k) {
                const GwString* code = d->m_pMapping->get(k);
                if (code != nullptr)
                    out << code->str();
            }
        }
        out << "\n";
        out << std::endl << "\n" << std::endl;
    }
}
