// The real scanner type ZEP100 as the build copies it into the program directory: the
// repository built from its Profile.zep holds every parameter line as written, in English,
// German and French. The expectations come from the profile's lines as written; that 3PRF1
// gives the coded defaults is checked where it is loaded (Zep100ScriptTest).
#include "CInitMgr.h"
#include "CScanRepoBuilder.h"
#include "EwRepository.h"
#include "GwProfile.h"
#include "LanguageGuard.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kDir = std::string(ZEP_PROGRAM_DIR) + "/ZEP100/";
// Written the way the program writes it: Windows separators, the case of the settings.
const GwString kProfile = GwString(ZEP_PROGRAM_DIR) + "/zep100\\PROFILE.ZEP";

// Fields of a text; "\," is a comma inside a field. An empty text has none.
Texts split(std::string text, char sep) {
    Texts out;
    for (size_t at; (at = text.find("\\,")) != std::string::npos;)
        text.replace(at, 2, "\x01");
    for (size_t from = 0; !text.empty() && from <= text.size();) {
        const size_t at = std::min(text.find(sep, from), text.size());
        std::string field = text.substr(from, at - from);
        for (char& c : field)
            c = c == '\x01' ? ',' : c;
        out.push_back(field);
        from = at + 1;
    }
    return out;
}

struct Line {
    std::string key;
    Texts fields;                           // label;type;length;range;high;low;excludes;...
    std::map<std::string, std::string> map; // language code ("049") -> texts
};

struct Group {
    std::string key, instances;
    int count;
    std::vector<Line> lines;
};

// The groups of the profile in order, read by section name (the reader under test goes by
// position).
std::vector<Group> read_profile() {
    GwProfile p(GwString(kDir + "Profile.zep"));
    std::vector<Group> groups;
    p.set_section("ParameterGroups");
    for (int i = 0; i < p.value_count(); ++i)
        groups.push_back({p.name(i).str(), "", 0, {}});
    for (Group& g : groups) {
        p.set_section(g.key);
        g.count = p.value("Parameters", "").to_int();
        g.instances = p.value("Instances", "").str();
        for (int i = 2; i < p.value_count(); ++i) {
            const std::string key = p.name(i).str();
            if (key.rfind("MAPPING_", 0) == 0)
                g.lines.back().map[key.substr(8)] = p.value(i).str();
            else
                g.lines.push_back({key, split(p.value(i).str(), ';'), {}});
            g.lines.back().fields.resize(10);
        }
    }
    return groups;
}

} // namespace

class Zep100Profile : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        m_language = std::make_unique<LanguageGuard>(GetParam());
        CScanRepoBuilder builder;
        m_repo.reset(builder.build_repo(kProfile));
        m_groups = read_profile();
        ASSERT_EQ(m_groups.size(), 20u) << "the profile's group list was not read";
    }
    std::unique_ptr<LanguageGuard> m_language;
    std::unique_ptr<EwRepository> m_repo;
    std::vector<Group> m_groups;
};

TEST_P(Zep100Profile, HoldsEveryParameterLineAsWritten) {
    const std::string language = CInitMgr::get_lang_str().str();
    Texts all_groups;
    int parameters = 0;
    for (const Group& g : m_groups) {
        EXPECT_EQ(g.count, static_cast<int>(g.lines.size())) << g.key;
        for (const std::string& instance :
             g.instances.empty() ? Texts{""} : split(g.instances, ',')) {
            const std::string group = g.key + instance;
            all_groups.push_back(group);
            Texts made;
            for (const Line& line : g.lines) {
                const Texts& f = line.fields;
                const GwString name = group + line.key;
                SCOPED_TRACE(name.str());
                if (f[1] == "CHAR" || f[1] == "LISTEDINT") {
                    EXPECT_EQ(m_repo->type(name), ""); // types without a parameter class
                    continue;
                }
                made.push_back(name.str());
                EXPECT_EQ(m_repo->type(name), f[1]);
                EXPECT_EQ(m_repo->length(name), f[2]);
                EXPECT_EQ(m_repo->value(name, 1), f[7]); // the line's coded default
                EXPECT_EQ(m_repo->value(name, 0), f[1] == "HEXCHAR" && f[8] == "NA" ? "" : f[8]);
                if (f[1] == "INT" || f[1] == "HEXCHAR" || f[1] == "STRING") {
                    EXPECT_EQ(texts_of(m_repo->range(name, 0)), split(f[6], ','));
                }
                if (f[1] == "INT" || f[1] == "HEXCHAR") {
                    EXPECT_EQ(m_repo->bounds(name), f[5] + "," + f[4]);
                }
                if (f[1] != "ENUMERATEDINT" && f[1] != "ENUMERATEDCHAR" && f[1] != "BOOLEAN")
                    continue;
                const bool mapped = !line.map.empty();
                EXPECT_EQ(texts_of(m_repo->range(name, 0)),
                          split(mapped ? line.map.at(language) : f[3], ','));
                EXPECT_EQ(texts_of(m_repo->range(name, 1)), mapped ? split(f[3], '|') : Texts{});
                // Each code has the coded length and comes back from its text: no text twice.
                for (const std::string& code : mapped ? split(f[3], '|') : Texts{}) {
                    EXPECT_EQ(std::to_string(code.size()), f[2]) << code;
                    ASSERT_EQ(m_repo->set_prf_value(name, code, 1), 1) << code;
                    EXPECT_EQ(m_repo->prf_value(name, 1), code);
                }
            }
            EXPECT_EQ(take_texts(m_repo->list_of_param_names(group)), made);
            parameters += static_cast<int>(made.size());
        }
    }
    EXPECT_EQ(take_texts(m_repo->list_of_names()), all_groups);
    EXPECT_EQ(m_repo->size(), 29);
    EXPECT_EQ(parameters, 141);
    EXPECT_EQ(m_repo->HasChanged(), 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, Zep100Profile, testing::Values(1, 49, 33),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param == 1    ? std::string("English")
                                    : info.param == 49 ? std::string("German")
                                                       : std::string("French");
                         });
