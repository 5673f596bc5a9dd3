// The real scanner type ZEP100 as the build copies it into the program directory, in English,
// German and French: every group section where its position says, every count entry true,
// every default taken and every code of a choice parameter with a text of its own. How each
// field of a line is read is checked on the sample profile; that 3PRF1 gives the coded
// defaults is checked where it is loaded (Zep100ScriptTest).
#include "CProfileReader.h"
#include "CScanRepoBuilder.h"
#include "EwRepository.h"
#include "GwProfile.h"
#include "LanguageGuard.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

// Written the way the program writes it: Windows separators, the case of the settings.
static const GwString kProfile = GwString(ZEP_PROGRAM_DIR) + "/zep100\\PROFILE.ZEP";

class Zep100Profile : public testing::TestWithParam<int> {};

TEST_P(Zep100Profile, EveryGroupDefaultAndCodeIsTakenInTheLanguage) {
    LanguageGuard language(GetParam());
    const std::unique_ptr<EwRepository> repo(CScanRepoBuilder().build_repo(kProfile));
    GwProfile profile(kProfile);
    CProfileReader reader(kProfile);
    ASSERT_EQ(reader.number_of_groups(), 20);
    int parameters = 0;
    for (int g = 0; g < reader.number_of_groups(); ++g) {
        std::unique_ptr<CDynParameterDescriptionArray> d(reader.get_group_parameterdescriptions(g));
        ASSERT_GT(d->count(), 0) << g;
        const CParameterDescription& first = *d->get(0);
        // Group sections are found by position: they must stand in the order of the list.
        EXPECT_EQ(profile.section_name(g + 3), first.m_sGroupID);
        EXPECT_EQ(reader.number_of_parameters(g), d->count()) << first.m_sGroupID.str();
        for (int k = 0; k < std::max(1, first.m_sOneOf.GetTokenCount(',')); ++k) {
            const GwString group = first.m_sGroupID + first.m_sOneOf.GetToken(k, ',');
            for (int i = 0; i < d->count(); ++i) {
                const CParameterDescription& p = *d->get(i);
                const GwString name = group + p.m_sID;
                SCOPED_TRACE(name.str());
                if (p.m_sType == "CHAR" || p.m_sType == "LISTEDINT") {
                    EXPECT_EQ(repo->type(name), ""); // types without a parameter class
                    continue;
                }
                ++parameters;
                EXPECT_EQ(repo->type(name), p.m_sType);
                // A default the parameter refuses would leave "0".
                EXPECT_EQ(repo->value(name, 0),
                          p.m_sType == "HEXCHAR" && p.m_sDefInt == "NA" ? "" : p.m_sDefInt);
                // Each code has the coded length and a text of its own, and comes back from it.
                const Texts codes = texts_of(p.m_pMapping);
                if (!codes.empty()) {
                    EXPECT_EQ(texts_of(repo->range(name, 0)).size(), codes.size());
                }
                for (const std::string& code : codes) {
                    EXPECT_EQ(std::to_string(code.size()), p.m_sLength.str()) << code;
                    ASSERT_EQ(repo->set_prf_value(name, code, 1), 1) << code;
                    EXPECT_EQ(repo->prf_value(name, 1), code);
                }
            }
        }
    }
    EXPECT_EQ(repo->size(), 29);
    EXPECT_EQ(parameters, 141);
}

INSTANTIATE_TEST_SUITE_P(Languages, Zep100Profile, testing::Values(1, 49, 33),
                         testing::PrintToStringParamName());
