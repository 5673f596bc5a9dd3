// The ZEP100 files with the script code: script round trips in every language, the factory
// defaults "3PRF1" and the script template "scl_000.tpl" against the repository.
#include "CErrorHandler.h"
#include "CFileRepoIf.h"
#include "GwLineReader.h"
#include "GwScriptedAnswers.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

std::map<std::string, std::string> coded_values(const EwRepository& repo) {
    std::map<std::string, std::string> out;
    for (const GwString& name : all_parameter_names(repo))
        out[name.str()] = repo.value(name, 1).str();
    return out;
}

class Zep100Script : public testing::TestWithParam<int> {
protected:
    LanguageGuard m_language{GetParam()};
    ScannerDir m_dir;
};

} // namespace

TEST_P(Zep100Script, RoundTripKeepsEveryCodedValue) {
    Repo written = zep100_repo();
    ASSERT_EQ(all_parameter_names(*written).size(), 141u);
    EXPECT_EQ(change_every_value(*written), std::vector<GwString>{});
    written->set_value("CVI", "  A B  ", 1); // blanks at both ends survive the quotes
    written->set_value("H0E", "", 1);
    EwRepository* source = written.get();
    CFileRepoIf writer(source, nullptr);
    const std::string path = m_dir.file("all.slp");
    ASSERT_EQ(writer.repository_to_scriptfile(path, 0), 1);

    Repo fresh = zep100_repo();
    EwRepository* target = fresh.get();
    CFileRepoIf reader(target, nullptr);
    GwMessageBox* box = nullptr;
    ASSERT_EQ(reader.scriptfile_to_repository(path, box, 0), 1);
    CErrorHandler::msgbox_destroy(box);
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0) << "a value was refused";
    EXPECT_EQ(coded_values(*fresh), coded_values(*written));
}

TEST_P(Zep100Script, ComparisonValuesRoundTripToo) {
    Repo written = zep100_repo();
    change_every_value(*written);
    for (const GwString& name : all_parameter_names(*written))
        written->set_prf_value(name, written->value(name, 0), 0);
    EwRepository* source = written.get();
    CFileRepoIf writer(source, nullptr);
    const std::string path = m_dir.file("prf.slp");
    ASSERT_EQ(writer.repository_to_scriptfile(path, 1), 1);

    Repo fresh = zep100_repo();
    EwRepository* target = fresh.get();
    CFileRepoIf reader(target, nullptr);
    GwMessageBox* box = nullptr;
    ASSERT_EQ(reader.scriptfile_to_repository(path, box, 1), 1);
    CErrorHandler::msgbox_destroy(box);
    for (const GwString& name : all_parameter_names(*fresh))
        EXPECT_EQ(fresh->prf_value(name, 1).str(), written->value(name, 1).str()) << name.str();
}

TEST_P(Zep100Script, ScriptOfAnotherTypeIsRecognisedByItsHeader) {
    Repo repo = zep100_repo();
    EwRepository* p = repo.get();
    CFileRepoIf files(p, nullptr);
    const std::string path = m_dir.file("other.slp");
    ASSERT_EQ(files.repository_to_scriptfile(path, 0), 1);
    std::string text = TempDir::read(path);
    const size_t at = text.find("\nType=100\n");
    ASSERT_NE(at, std::string::npos);
    GwString code;
    ASSERT_EQ(CFileRepoIf::check_script_header(path, code), 1);
    EXPECT_EQ(code.str(), CParser::TranslateType(CInitMgr::SelectedScanner(), 0, 1).str());

    text.replace(at, 10, "\nType=200 ; a scanner of another type\n");
    m_dir.write("other.slp", text);
    ASSERT_EQ(CFileRepoIf::check_script_header(path, code), 1);
    EXPECT_EQ(code.str(), "200");
    EXPECT_NE(code.str(), CParser::TranslateType(CInitMgr::SelectedScanner(), 0, 1).str());
    EXPECT_EQ(CParser::TranslateType(code, 1, 2).str(), ""); // no such type here
}

TEST_P(Zep100Script, FactoryDefaultsLoadWithoutRefusalAndGiveTheProfileDefaults) {
    Repo repo = zep100_repo();
    const std::map<std::string, std::string> defaults = coded_values(*repo);
    change_every_value(*repo);
    EwRepository* p = repo.get();
    CFileRepoIf files(p, nullptr);
    EXPECT_EQ(files.commandfile_to_repository(CInitMgr::scanner_sub_dir() + "3prf1", 0), 1);
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0) << "a value was refused";
    EXPECT_EQ(coded_values(*repo), defaults);
}

INSTANTIATE_TEST_SUITE_P(Languages, Zep100Script, testing::Values(1, 49, 33), LanguageName());

TEST(Zep100Files, FactoryDefaultsNameEveryParameterOnce) {
    LanguageGuard english(1);
    Repo repo = zep100_repo();
    ParserProbe parser;
    GwLineReader in(zep100_dir() + "3PRF1");
    ASSERT_EQ(in.is_open(), 1);
    std::multiset<std::string> named;
    GwString line;
    while (in.read_line(line)) {
        if (line[0] != '3')
            continue;
        GwString group;
        ASSERT_EQ(parser.get_group(repo.get(), line.from(1), group), 1) << line.str();
        for (const std::string& pair : parser.split(repo.get(), group, line))
            named.insert(pair.substr(0, pair.find('=')));
    }
    std::multiset<std::string> all;
    for (const GwString& name : all_parameter_names(*repo))
        all.insert(name.str());
    EXPECT_EQ(named, all);
}

TEST(Zep100Files, ScriptTemplateHasOneLinePerParameterInRepositoryOrder) {
    LanguageGuard english(1);
    Repo repo = zep100_repo();
    GwLineReader in(zep100_dir() + "scl_000.tpl");
    ASSERT_EQ(in.is_open(), 1);
    std::vector<std::string> lines;
    GwString line;
    bool in_parameters = false;
    while (in.read_line(line)) {
        if (CFileRepoIf::is_a_section(line))
            in_parameters = CFileRepoIf::is_section(line, "[Parameter]") != 0;
        else if (in_parameters && line.not_null() && line[0] != ';')
            lines.push_back(line.str());
    }
    std::vector<std::string> expected;
    std::unique_ptr<DynGwStringPtrArray> groups(repo->list_of_names());
    for (int g = 0; g < groups->count(); ++g) {
        const GwString group = *groups->get(g);
        std::unique_ptr<DynGwStringPtrArray> names(repo->list_of_param_names(group));
        for (int i = 0; i < names->count(); ++i) {
            const GwString name = *names->get(i);
            const bool quoted = name == "CVI" || name == "CVM" || name == "H0E";
            const GwString value = quoted ? "\"$$" + name + "\"" : "$$" + name;
            expected.push_back((group + CParser::RemoveGroupID(name, group) + "=" + value).str());
        }
    }
    EXPECT_EQ(lines, expected);
}
