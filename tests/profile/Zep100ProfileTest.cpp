// The real scanner type ZEP100: the repository built from its Profile.zep (as the build copies it
// into the program directory) must be what data/ZEP100/README.md documents, in all three
// languages, and its coded defaults must be the factory default lines of 3PRF1.
//
// The expectations are read from the README's tables, so a change of the profile that the
// documentation does not follow (or the other way round) fails here.
#include "CParser.h"
#include "CProfileReader.h"
#include "CScanRepoBuilder.h"
#include "DynGwStringPtrArray.h"
#include "EwRepository.h"
#include "LanguageGuard.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kReadme = std::string(ZEP_SOURCE_DIR) + "/data/ZEP100/README.md";
const std::string kFactoryDefaults = std::string(ZEP_PROGRAM_DIR) + "/ZEP100/3PRF1";
// Written the way the program writes it: Windows separators, the case of the settings.
const GwString kProfile = GwString(ZEP_PROGRAM_DIR) + "/zep100\\PROFILE.ZEP";

// ---- reading the README's tables ----------------------------------------------------------

std::string trim(const std::string& s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return "";
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

std::string unquote(const std::string& s) {
    std::string t = trim(s);
    if (t.size() >= 2 && t.front() == '`' && t.back() == '`')
        return t.substr(1, t.size() - 2);
    return t;
}

std::vector<std::string> split(const std::string& s, const std::string& sep) {
    std::vector<std::string> out;
    size_t from = 0;
    for (size_t at; (at = s.find(sep, from)) != std::string::npos; from = at + sep.size())
        out.push_back(s.substr(from, at - from));
    out.push_back(s.substr(from));
    return out;
}

// The cells of a table row "| a | b |" -> {"a", "b"}.
std::vector<std::string> cells(const std::string& row) {
    std::vector<std::string> c = split(row, "|");
    std::vector<std::string> out;
    for (size_t i = 1; i + 1 < c.size(); ++i)
        out.push_back(trim(c[i]));
    return out;
}

struct DocParameter {
    std::string name;
    std::string label; // English
    std::string type;
    int length = 0;
    std::string low, high;
    Texts excludes;
    std::string plain_default, coded_default;
    std::string unit;
    bool made = true; // false for the lines that give no parameter
    // A mapping: codes and the texts of each language; otherwise the plain values.
    bool mapped = false;
    Texts codes;
    std::map<int, Texts> texts;
    Texts values;
};

struct DocGroup {
    std::string key;
    std::string text; // English
    Texts instances;
    int parameters = 0;
    std::vector<DocParameter> params; // full names with the instance placeholder "n"
};

struct Doc {
    std::vector<DocGroup> groups;
    std::map<std::string, DocParameter> by_name; // by the full name of the first instance
};

void parse_default(const std::string& cell, DocParameter& p) {
    if (cell.find("no parameter") != std::string::npos) {
        p.made = false;
        return;
    }
    const std::string arrow = "\xE2\x86\x92"; // U+2192
    const size_t at = cell.find(arrow);
    std::string plain = at == std::string::npos ? cell : trim(cell.substr(0, at));
    const std::string coded =
        at == std::string::npos ? "" : unquote(cell.substr(at + arrow.size()));
    if (plain.rfind("empty", 0) == 0)
        plain = "";
    const size_t same = plain.find(" (coded the same)");
    if (same != std::string::npos)
        plain = plain.substr(0, same);
    plain = unquote(plain);
    if (plain.size() >= 2 && plain.front() == '"' && plain.back() == '"')
        plain = plain.substr(1, plain.size() - 2);
    p.plain_default = plain;
    p.coded_default = at == std::string::npos ? plain : coded;
}

DocParameter parse_parameter_row(const std::vector<std::string>& c) {
    DocParameter p;
    p.name = unquote(c[0]);
    p.label = trim(split(c[1], " / ")[0]);
    const std::vector<std::string> type = split(c[3], ", ");
    p.type = type[0];
    p.length = type.size() > 1 ? std::stoi(type[1]) : 0;
    const std::vector<std::string> bounds = split(c[4], " \xE2\x80\x93 "); // en dash
    if (bounds.size() == 2) {
        p.low = trim(bounds[0]);
        p.high = trim(split(trim(bounds[1]), " ")[0]);
    }
    if (!c[5].empty())
        p.excludes = split(c[5], ", ");
    parse_default(c[6], p);
    p.unit = c[7];
    return p;
}

Doc read_readme() {
    Doc doc;
    std::ifstream in(kReadme);
    std::string line;
    enum class Part { Before, Groups, Reference } part = Part::Before;
    DocGroup* group = nullptr;
    DocParameter* current = nullptr; // the parameter whose value table follows
    bool meaning_table = false;
    while (std::getline(in, line)) {
        if (line.rfind("## ", 0) == 0) {
            part = line == "## Groups"                ? Part::Groups
                   : line == "## Parameter reference" ? Part::Reference
                                                      : Part::Before;
            continue;
        }
        if (part == Part::Groups && line.rfind("| `", 0) == 0) {
            const std::vector<std::string> c = cells(line);
            DocGroup g;
            g.key = unquote(c[0]);
            g.text = c[1];
            g.instances = split(c[4], ", ");
            g.parameters = std::stoi(c[5]);
            doc.groups.push_back(g);
            continue;
        }
        if (part != Part::Reference)
            continue;
        if (line.rfind("### ", 0) == 0) {
            group = nullptr;
            current = nullptr;
            for (DocGroup& g : doc.groups) {
                if (line.rfind("### " + (g.instances.size() > 1 ? g.instances[0] : g.key) + " ",
                               0) == 0)
                    group = &g;
            }
            continue;
        }
        if (group == nullptr)
            continue;
        const std::vector<std::string> c = cells(line);
        if (line.rfind("| `", 0) == 0 && c.size() == 8) {
            group->params.push_back(parse_parameter_row(c));
            continue;
        }
        if (line.rfind("**`", 0) == 0) {
            current = nullptr;
            const std::string name = line.substr(3, line.find('`', 3) - 3);
            for (DocParameter& p : group->params) {
                if (p.name == name)
                    current = &p;
            }
            continue;
        }
        if (current == nullptr)
            continue;
        if (line.rfind("| Code | English", 0) == 0) {
            current->mapped = true;
            meaning_table = false;
        } else if (line.rfind("| Code | Meaning", 0) == 0) {
            meaning_table = true;
        } else if (line.rfind("| `", 0) == 0 && current->mapped && c.size() == 4) {
            current->codes.push_back(unquote(c[0]));
            current->texts[1].push_back(c[1]);
            current->texts[49].push_back(c[2]);
            current->texts[33].push_back(c[3]);
        } else if (line.rfind("| `", 0) == 0 && meaning_table && c.size() == 2) {
            current->values.push_back(unquote(c[0]));
        } else if (line.rfind("Values: `0` off, `1` on", 0) == 0) {
            current->values = {"0", "1"};
        }
    }
    return doc;
}

// The full name of a documented parameter in one instance of its group ("LnO" in L3: "L3O").
std::string instance_name(const DocGroup& g, const std::string& instance,
                          const std::string& doc_name) {
    if (g.instances.size() > 1)
        return instance + doc_name.substr(g.key.size() + 1);
    return doc_name;
}

std::string field_prefix(const std::string& group, const std::string& name) {
    return CParser::RemoveGroupID(GwString(name), GwString(group)).str();
}

} // namespace

class Zep100Profile : public testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() { s_doc = new Doc(read_readme()); }
    static void TearDownTestSuite() {
        delete s_doc;
        s_doc = nullptr;
    }

    void SetUp() override {
        m_language = std::make_unique<LanguageGuard>(GetParam());
        CScanRepoBuilder builder;
        m_repo.reset(builder.build_repo(kProfile));
        ASSERT_NE(m_repo, nullptr);
        ASSERT_EQ(s_doc->groups.size(), 20u) << "the README's group table was not read";
    }

    static Doc* s_doc;
    std::unique_ptr<LanguageGuard> m_language;
    std::unique_ptr<EwRepository> m_repo;
};

Doc* Zep100Profile::s_doc = nullptr;

TEST_P(Zep100Profile, HasTheDocumentedGroupsAndInstances) {
    Texts expected;
    for (const DocGroup& g : s_doc->groups)
        expected.insert(expected.end(), g.instances.begin(), g.instances.end());
    std::unique_ptr<DynGwStringPtrArray> groups(m_repo->list_of_names());
    EXPECT_EQ(texts_of(groups.get()), expected);
    EXPECT_EQ(m_repo->size(), 29);
    EXPECT_EQ(m_repo->HasChanged(), 0);

    int parameters = 0;
    for (const DocGroup& g : s_doc->groups) {
        for (const std::string& instance : g.instances) {
            Texts names;
            for (const DocParameter& p : g.params) {
                if (p.made)
                    names.push_back(instance_name(g, instance, p.name));
            }
            EXPECT_EQ(static_cast<int>(names.size()), g.parameters) << instance;
            std::unique_ptr<DynGwStringPtrArray> listed(
                m_repo->list_of_param_names(GwString(instance)));
            EXPECT_EQ(texts_of(listed.get()), names) << instance;
            parameters += static_cast<int>(names.size());
        }
    }
    EXPECT_EQ(parameters, 141);
}

TEST_P(Zep100Profile, EveryParameterHasItsDocumentedTypeLengthBoundsAndDefault) {
    for (const DocGroup& g : s_doc->groups) {
        for (const std::string& instance : g.instances) {
            for (const DocParameter& d : g.params) {
                const GwString name(instance_name(g, instance, d.name));
                SCOPED_TRACE(name.str());
                if (!d.made) {
                    EXPECT_EQ(m_repo->type(name).str(), "");
                    continue;
                }
                EXPECT_EQ(m_repo->type(name).str(), d.type);
                EXPECT_EQ(m_repo->length(name).str(), std::to_string(d.length));
                const bool ranged = d.type == "INT" || d.type == "HEXCHAR";
                EXPECT_EQ(m_repo->bounds(name).str(), ranged ? d.low + "," + d.high : "");
                EXPECT_EQ(m_repo->value(name, 0).str(), d.plain_default);
                EXPECT_EQ(m_repo->value(name, 1).str(), d.coded_default);
                if (ranged || d.type == "STRING") {
                    EXPECT_EQ(texts_of(m_repo->range(name, 0)), d.excludes);
                }
                // A documented value is accepted in plain form, and only a documented one.
                if (d.type == "INT") {
                    EXPECT_EQ(m_repo->IsValid(name, GwString(d.low)), 1);
                    EXPECT_EQ(m_repo->IsValid(name, GwString(d.high)), 1);
                    EXPECT_EQ(m_repo->IsValid(name, GwString(std::stol(d.high) + 1)), 0);
                    for (const std::string& e : d.excludes) {
                        EXPECT_EQ(m_repo->IsValid(name, GwString(e)), 0) << e;
                        EXPECT_EQ(m_repo->IsValid(name, GwString("0" + e)), 0) << e;
                    }
                }
            }
        }
    }
}

TEST_P(Zep100Profile, ValueListsAndCodesAreTheDocumentedOnesInTheLanguage) {
    const int language = GetParam();
    int checked = 0;
    for (const DocGroup& g : s_doc->groups) {
        for (const std::string& instance : g.instances) {
            for (const DocParameter& d : g.params) {
                const bool enumeration =
                    d.type == "ENUMERATEDINT" || d.type == "BOOLEAN" || d.type == "ENUMERATEDCHAR";
                if (!d.made || !enumeration)
                    continue;
                const GwString name(instance_name(g, instance, d.name));
                SCOPED_TRACE(name.str());
                if (d.mapped) {
                    EXPECT_EQ(texts_of(m_repo->range(name, 0)), d.texts.at(language));
                    EXPECT_EQ(texts_of(m_repo->range(name, 1)), d.codes);
                    // Each code has the coded length and decodes to its text.
                    for (size_t k = 0; k < d.codes.size(); ++k) {
                        EXPECT_EQ(static_cast<int>(d.codes[k].size()), d.length) << d.codes[k];
                        ASSERT_EQ(m_repo->set_prf_value(name, GwString(d.codes[k]), 1), 1);
                        EXPECT_EQ(m_repo->prf_value(name, 0).str(), d.texts.at(language)[k]);
                        EXPECT_EQ(m_repo->prf_value(name, 1).str(), d.codes[k]);
                    }
                } else {
                    EXPECT_FALSE(d.values.empty()) << "no values documented";
                    EXPECT_EQ(texts_of(m_repo->range(name, 0)), d.values);
                    EXPECT_EQ(m_repo->range(name, 1), nullptr);
                }
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 90);
}

TEST_P(Zep100Profile, DescriptionsCarryTheDocumentedLabelsUnitsAndGroupTexts) {
    CProfileReader reader(kProfile);
    ASSERT_EQ(reader.number_of_groups(), static_cast<int>(s_doc->groups.size()));
    EXPECT_EQ(reader.zep_version().str(), "1.0");
    EXPECT_EQ(reader.name_of_resource().str(), "ZEP100.cgw");
    for (int i = 0; i < reader.number_of_groups(); ++i) {
        const DocGroup& g = s_doc->groups[static_cast<size_t>(i)];
        std::unique_ptr<CDynParameterDescriptionArray> d(reader.get_group_parameterdescriptions(i));
        ASSERT_EQ(d->count(), static_cast<int>(g.params.size())) << g.key;
        for (int j = 0; j < d->count(); ++j) {
            const CParameterDescription* p = d->get(j);
            const DocParameter& doc = g.params[static_cast<size_t>(j)];
            SCOPED_TRACE(doc.name);
            EXPECT_EQ(p->m_sGroupID.str() + p->m_sID.str(),
                      g.instances.size() > 1 ? g.key + doc.name.substr(g.key.size() + 1)
                                             : doc.name);
            EXPECT_EQ(p->m_sName.str(), doc.label);
            EXPECT_EQ(p->m_sType.str(), doc.type);
            EXPECT_EQ(p->m_sUnits.str(), doc.unit);
            EXPECT_EQ(p->m_sGroup.str(), g.text);
            EXPECT_EQ(p->m_sOneOf.str(), g.instances.size() > 1 ? "0,1,2,3,4,5,6,7,8,9" : "");
        }
    }
}

TEST_P(Zep100Profile, CodedDefaultsAreTheFactoryDefaultLines) {
    // Each line of 3PRF1 is "3", the group and, per parameter, its field prefix and coded
    // default; the quoted texts stand between double quotes.
    std::ifstream in(kFactoryDefaults);
    ASSERT_TRUE(in.good()) << kFactoryDefaults;
    Texts lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != ';')
            lines.push_back(line);
    }
    Texts built;
    std::unique_ptr<DynGwStringPtrArray> groups(m_repo->list_of_names());
    for (int i = 0; i < groups->count(); ++i) {
        const std::string group = groups->get(i)->str();
        std::string line = "3" + group;
        std::unique_ptr<DynGwStringPtrArray> names(m_repo->list_of_param_names(GwString(group)));
        for (int k = 0; k < names->count(); ++k) {
            const std::string name = names->get(k)->str();
            const std::string value = m_repo->value(GwString(name), 1).str();
            const bool quoted = name == "CVI" || name == "CVM" || name == "H0E";
            line += field_prefix(group, name) + (quoted ? "\"" + value + "\"" : value);
        }
        built.push_back(line);
    }
    EXPECT_EQ(built, lines);
}

INSTANTIATE_TEST_SUITE_P(Languages, Zep100Profile, testing::Values(1, 49, 33),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param == 1    ? std::string("English")
                                    : info.param == 49 ? std::string("German")
                                                       : std::string("French");
                         });
