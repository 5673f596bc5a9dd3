// The ZEP100 files with the script code: script round trips through "scl_000.tpl" in both
// forms, and the factory defaults "3PRF1" against the profile's defaults.
#include "CFileRepoIf.h"
#include "CInfoBox.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

// Every parameter's coded current value, or comparison value.
std::map<std::string, std::string> coded_values(const EwRepository& repo, bool comparison) {
    std::map<std::string, std::string> out;
    for (const GwString& name : parameters_of(repo))
        out[name.str()] = (comparison ? repo.prf_value(name, 1) : repo.value(name, 1)).str();
    return out;
}

} // namespace

// Script files hold coded values, the same in every language: one language is enough.
TEST(Zep100Script, RoundTripKeepsEveryValueInEitherForm) {
    ScannerDir dir;
    LanguageGuard english(1);
    for (int form : {0, 1}) {
        SCOPED_TRACE(form);
        const std::string path = dir.file("all" + std::to_string(form) + ".slp");
        Repo written = zep100_repo();
        ASSERT_EQ(parameters_of(*written).size(), 141u);
        EXPECT_EQ(change_every_value(*written), std::vector<GwString>{});
        written->set_value("CVI", "  A B  ", 1); // blanks at both ends survive the quotes
        written->set_value("H0E", "", 1);
        for (const GwString& name : parameters_of(*written))
            written->set_prf_value(name, written->value(name, 0), 0);
        // Written is the repository the caller's pointer holds at the time: none, nothing.
        EwRepository* source = nullptr;
        CFileRepoIf writer(source, nullptr);
        EXPECT_EQ(writer.repository_to_scriptfile(path, form), 1);
        EXPECT_FALSE(std::filesystem::exists(path));
        source = written.get();
        ASSERT_EQ(writer.repository_to_scriptfile(path, form), 1);
        GwString code;
        EXPECT_EQ(CFileRepoIf::check_script_header(path, code), 1);
        EXPECT_EQ(code, "100");

        Repo fresh = zep100_repo();
        EwRepository* target = fresh.get();
        GwMessageBox* box = nullptr;
        ASSERT_EQ(CFileRepoIf(target, nullptr).scriptfile_to_repository(path, box, form), 1);
        CInfoBox::adopt(box).close();
        EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0) << "a value refused";
        EXPECT_EQ(coded_values(*fresh, form == 1), coded_values(*written, false));
    }
}

TEST(Zep100Script, FactoryDefaultsGiveTheProfileDefaults) {
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
}
