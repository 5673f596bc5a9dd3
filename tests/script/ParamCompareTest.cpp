// Comparing the parameter set shown with the factory defaults or a script: the other set goes
// into the comparison values only, and each difference comes in repository order with both
// values as the user reads them, in the interface language.
#include "CFileRepoIf.h"
#include "CParamCompare.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> rows(const std::vector<CParamCompare::Difference>& differences) {
    std::vector<std::string> out;
    for (const CParamCompare::Difference& d : differences)
        out.push_back((d.m_sName + "|" + d.m_sValue + "|" + d.m_sOther).str());
    return out;
}

// The comparison with the factory defaults as the main window lists it, the values and their
// changed mark left alone: FrameTransfer.TheCompareListShowsBothValuesAndChangesNothing.
TEST(ParamCompare, AScriptGoesUnderTheValuesOnTopOfTheDefaults) {
    LanguageGuard german(49);
    ScannerDir dir;
    Repo repo = zep100_repo();
    EwRepository* raw = repo.get();
    CFileRepoIf files(raw, nullptr);
    ASSERT_EQ(repo->set_value("L3D", "2", 1) + repo->set_value("DCI", "0700", 1), 2);
    ASSERT_EQ(repo->set_prf_value("L3D", "2", 1), 1); // as an earlier comparison left it
    repo->ResetChanged();

    // The script names DCI as the values have it and H0B otherwise; L3D, which it does not
    // name, has its factory default under the values, not the value of the last comparison.
    const std::string script = dir.write("a.slp", "[VELT AG, Script ZEP Language]\n"
                                                  "[ZEP_Type_Target]\nType=100\n"
                                                  "[Parameter]\nDCI=0700\nH0B=6\n");
    std::vector<CParamCompare::Difference> out;
    ASSERT_EQ(CParamCompare::CompareWithScript(files, GwString(script), out), 1);
    EXPECT_EQ(rows(out), (std::vector<std::string>{"L3D|Nur rückwärts|Normal", "H0B|9600|19200"}));
    EXPECT_EQ(repo->value("H0B", 1) + repo->value("DCI", 1) + repo->value("L3D", 1), "507002");
    EXPECT_EQ(repo->HasChanged(), 0);

    dir.remove("3PRF1");
    EXPECT_EQ(CParamCompare::CompareWithDefaults(files, out), 0);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(last_text(), err(5, 1) + dir.dir() + "3PRF1");
}

TEST(ParamCompare, TableLinesUpColumnsOfCharactersNotBytes) {
    const std::vector<CParamCompare::Difference> differences = {{"H0B", "9600", "19200"},
                                                                {"L3D", "Nur rückwärts", "Normal"}};
    EXPECT_EQ(CParamCompare::Table(differences, "Parameter", "Scanner", "a.slp").str(),
              "Parameter  Scanner        a.slp\n"
              "H0B        9600           19200\n"
              "L3D        Nur rückwärts  Normal\n");
}

} // namespace
