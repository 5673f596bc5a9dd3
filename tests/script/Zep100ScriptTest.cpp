// The ZEP100 files with the script code: script round trips in every language, the factory
// defaults "3PRF1" and the script template "scl_000.tpl" against the repository.
#include "CFileRepoIf.h"
#include "GwLineReader.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// Every parameter's coded current value, or comparison value.
std::map<std::string, std::string> coded_values(const EwRepository& repo, bool comparison) {
    std::map<std::string, std::string> out;
    for (const GwString& name : all_parameter_names(repo))
        out[name.str()] = (comparison ? repo.prf_value(name, 1) : repo.value(name, 1)).str();
    return out;
}

} // namespace

TEST(Zep100Script, RoundTripKeepsEveryValueInEveryLanguageAndForm) {
    ScannerDir dir;
    const std::string path = dir.file("all.slp");
    for (int language : {1, 49, 33}) {
        for (int form : {0, 1}) {
            SCOPED_TRACE(std::to_string(language) + " form " + std::to_string(form));
            LanguageGuard guard(language);
            Repo written = zep100_repo();
            ASSERT_EQ(all_parameter_names(*written).size(), 141u);
            EXPECT_EQ(change_every_value(*written), std::vector<GwString>{});
            written->set_value("CVI", "  A B  ", 1); // blanks at both ends survive the quotes
            written->set_value("H0E", "", 1);
            for (const GwString& name : all_parameter_names(*written))
                written->set_prf_value(name, written->value(name, 0), 0);
            EwRepository* source = written.get();
            ASSERT_EQ(CFileRepoIf(source, nullptr).repository_to_scriptfile(path, form), 1);
            GwString code;
            EXPECT_EQ(CFileRepoIf::check_script_header(path, code), 1);
            EXPECT_EQ(code, "100");

            Repo fresh = zep100_repo();
            EwRepository* target = fresh.get();
            GwMessageBox* box = nullptr;
            ASSERT_EQ(CFileRepoIf(target, nullptr).scriptfile_to_repository(path, box, form), 1);
            CErrorHandler::msgbox_destroy(box);
            EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0) << "a value refused";
            EXPECT_EQ(coded_values(*fresh, form == 1), coded_values(*written, false));
        }
    }
}

TEST(Zep100Script, FactoryDefaultsGiveTheProfileDefaultsAndNameEveryParameterOnce) {
    ScannerDir dir;
    for (int language : {1, 49, 33}) {
        SCOPED_TRACE(language);
        LanguageGuard guard(language);
        Repo repo = zep100_repo();
        const auto defaults = coded_values(*repo, false);
        change_every_value(*repo);
        EwRepository* p = repo.get();
        EXPECT_EQ(CFileRepoIf(p, nullptr).commandfile_to_repository(dir.dir() + "3prf1", 0), 1);
        EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0) << "a value was refused";
        EXPECT_EQ(coded_values(*repo, false), defaults);
    }
    // Each parameter is named by exactly one field of the file.
    const Repo repo = zep100_repo();
    ParserProbe parser;
    GwLineReader in(zep100_dir() + "3PRF1");
    ASSERT_EQ(in.is_open(), 1);
    std::multiset<std::string> named;
    std::multiset<std::string> all;
    for (GwString line; in.read_line(line);) {
        GwString group;
        if (line[0] != '3')
            continue;
        ASSERT_EQ(parser.get_group(repo.get(), line.from(1), group), 1) << line.str();
        for (const std::string& pair : parser.split(repo.get(), group, line))
            named.insert(pair.substr(0, pair.find('=')));
    }
    for (const GwString& name : all_parameter_names(*repo))
        all.insert(name.str());
    EXPECT_EQ(named, all);
}

TEST(Zep100Script, TemplateHasOneLinePerParameterInRepositoryOrder) {
    const Repo repo = zep100_repo();
    GwLineReader in(zep100_dir() + "scl_000.tpl");
    ASSERT_EQ(in.is_open(), 1);
    std::vector<std::string> lines;
    bool in_parameters = false;
    for (GwString line; in.read_line(line);) {
        if (CFileRepoIf::is_a_section(line))
            in_parameters = CFileRepoIf::is_section(line, "[Parameter]") != 0;
        else if (in_parameters && line.not_null() && line[0] != ';')
            lines.push_back(line.str());
    }
    // Key = group + field prefix; the quoted texts between quotes so that blanks survive.
    std::vector<std::string> expected;
    for (const GwString& name : all_parameter_names(*repo)) {
        const GwString group = name(0, 1);
        const bool quoted = name == "CVI" || name == "CVM" || name == "H0E";
        expected.push_back((group + CParser::RemoveGroupID(name, group) + "=" +
                            (quoted ? "\"$$" + name + "\"" : "$$" + name))
                               .str());
    }
    EXPECT_EQ(lines, expected);
}
