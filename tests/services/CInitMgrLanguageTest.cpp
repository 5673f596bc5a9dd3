#include "CInitMgr.h"
#include "GwLanguage.h"

#include <gtest/gtest.h>

TEST(CInitMgrLanguage, IsTheToolkitLanguageInThreeDigits) {
    const int saved = GwLanguage::number();
    GwLanguage::set_number(49);
    EXPECT_EQ(CInitMgr::get_lang_str().str(), "049");
    GwLanguage::set_number(1);
    EXPECT_EQ(CInitMgr::get_lang_str().str(), "001");
    GwLanguage::set_number(1234);
    EXPECT_EQ(CInitMgr::get_lang_str().str(), "1234");
    GwLanguage::set_number(saved);
}
