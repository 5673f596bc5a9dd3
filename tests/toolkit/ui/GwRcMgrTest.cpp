// Resource files: loading windows by resource name, language variants, failures, and the
// binding of callbacks and user data by name.
#include "GwRcMgr.h"
#include "GwCore.h"
#include "Recorder.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

#include <memory>

namespace {

const char* const kFixtures = ZEP_SOURCE_DIR "/tests/toolkit/ui/fixtures/test";

class GwRcMgrTest : public testing::Test {
protected:
    void SetUp() override {
        Recorder::clear();
        Recorder::use_fixtures();
    }
    void TearDown() override {
        GwRcMgr::unuse(kFixtures);
        GwRcMgr::set_language(1);
    }
};

TEST_F(GwRcMgrTest, LoadsAWindowByItsResourceNameAsAFrame) {
    std::unique_ptr<GwCore> main(GwRcMgr::load("Main"));
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->id(), "Main");
    EXPECT_EQ(main->is_frame(), 1);
    EXPECT_EQ(main->title(), "ZEP Setup [No File]");
    EXPECT_EQ(main->is_visible(), 0) << "a loaded window waits to be shown";
    EXPECT_EQ(main->frame(), main.get());
}

TEST_F(GwRcMgrTest, TheLanguageVariantWinsAndEnglishIsTheFallback) {
    struct Row {
        int language;
        const char* text;
    };
    for (const Row row : {Row{49, "Deutsch"}, Row{33, "English"}, Row{1, "English"}}) {
        GwRcMgr::set_language(row.language);
        std::unique_ptr<GwCore> dialog(gw_def_mgr.load("Dialog"));
        ASSERT_NE(dialog, nullptr) << row.language;
        EXPECT_EQ(dialog->child("ID_TEXT")->text(), row.text) << row.language;
    }
}

TEST_F(GwRcMgrTest, TheLanguageNumberIsSharedWithTheCore) {
    GwRcMgr::set_language(33);
    EXPECT_EQ(GwRcMgr::language(), 33);
    EXPECT_EQ(gw_def_mgr.language(), 33);
}

struct FailingLoad {
    const char* name;
    const char* resource;
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const FailingLoad& row, std::ostream* os) {
    *os << row.name;
}

class GwRcMgrFailure : public GwRcMgrTest, public testing::WithParamInterface<FailingLoad> {};

TEST_P(GwRcMgrFailure, GivesNullAndNoWindow) {
    const int before = static_cast<int>(QApplication::allWidgets().size());
    EXPECT_EQ(GwRcMgr::load(GetParam().resource), nullptr);
    EXPECT_EQ(static_cast<int>(QApplication::allWidgets().size()), before);
}

INSTANTIATE_TEST_SUITE_P(Resources, GwRcMgrFailure,
                         testing::Values(FailingLoad{"NameInNoFile", "Nowhere"},
                                         FailingLoad{"LayoutFileMissing", "Missing"},
                                         FailingLoad{"MalformedXml", "Broken"},
                                         FailingLoad{"EmptyName", ""}),
                         [](const testing::TestParamInfo<FailingLoad>& info) {
                             return info.param.name;
                         });

TEST_F(GwRcMgrTest, UseCountsAndTheLastUnuseForgetsTheFile) {
    EXPECT_EQ(GwRcMgr::use(kFixtures), 1); // second use (SetUp made the first)
    EXPECT_EQ(GwRcMgr::unuse(kFixtures), 1);
    std::unique_ptr<GwCore> still(GwRcMgr::load("Main"));
    EXPECT_NE(still, nullptr);
    EXPECT_EQ(GwRcMgr::unuse(kFixtures), 1);
    EXPECT_EQ(GwRcMgr::load("Main"), nullptr);
    EXPECT_EQ(GwRcMgr::unuse(kFixtures), 0);
    EXPECT_EQ(GwRcMgr::use(kFixtures), 1); // for TearDown
}

TEST_F(GwRcMgrTest, UseOfAFileThatCannotBeReadRegistersNothing) {
    EXPECT_EQ(GwRcMgr::use(ZEP_SOURCE_DIR "/tests/toolkit/ui/fixtures/no_such_file"), 0);
    EXPECT_EQ(GwRcMgr::unuse(ZEP_SOURCE_DIR "/tests/toolkit/ui/fixtures/no_such_file"), 0);
}

TEST_F(GwRcMgrTest, BindsCallbacksAndUserDataOfItsOwnPrefixOnly) {
    std::unique_ptr<GwCore> main(GwRcMgr::load("Main"));
    GwCore* help = main->child("HELP");
    EXPECT_EQ(help->callback(GwCB_ACTIVATE), &Recorder::Activate);
    EXPECT_EQ(help->user_data().text(), "reading.htm");
    EXPECT_EQ(main->callback(GwCB_CLOSE), &Recorder::Close);
    EXPECT_EQ(main->child("VERSION_LABEL")->callback(GwCB_TIMER), &Recorder::Timer);
    EXPECT_EQ(main->child("CVM")->callback(GwCB_KEY), &Recorder::Key);
    // An unknown callback name and an unknown gw property bind nothing.
    GwCore* unbound = main->child("UNBOUND");
    for (int kind = 0; kind < GwCB_KIND_COUNT; ++kind)
        EXPECT_EQ(unbound->has_callback(static_cast<GwCallbackKind>(kind)), 0) << kind;
    // The spin box carries Qt's own dynamic property beside ours; only ours is bound.
    GwCore* spin = main->child("RCL");
    bool qt_property = false;
    for (const QByteArray& name : spin->object()->dynamicPropertyNames())
        qt_property = qt_property || name.startsWith("_q_");
    EXPECT_TRUE(qt_property) << "the fixture no longer shows Qt's own properties";
    EXPECT_EQ(spin->callback(GwCB_ACTIVATE), &Recorder::Activate);
}

TEST_F(GwRcMgrTest, FiresBoundCallbacksWithTheElementAnEventAndItsUserData) {
    std::unique_ptr<GwCore> main(GwRcMgr::load("Main"));
    main->child("HELP")->click();
    const Call* call = Recorder::last("Test::Activate");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->window, "HELP");
    EXPECT_EQ(call->type, GwACTIVATE);
    EXPECT_EQ(call->data, "reading.htm");

    main->child("NEW")->click(); // a menu action
    EXPECT_EQ(Recorder::last("Test::Activate")->window, "NEW");

    // A user's choice in a combo box activates it; the program's own selection does not.
    GwCore* types = main->child("SCANNER_TYPE");
    types->add_item("ZEP100");
    types->add_item("ZEP200");
    const int before = Recorder::count("Test::Activate");
    types->select_item(1);
    EXPECT_EQ(Recorder::count("Test::Activate"), before);
    emit qobject_cast<QComboBox*>(types->widget())->activated(0);
    EXPECT_EQ(Recorder::count("Test::Activate"), before + 1);
    EXPECT_EQ(Recorder::last("Test::Activate")->window, "SCANNER_TYPE");
}

TEST_F(GwRcMgrTest, AViewLoadedIntoAWindowBelongsToItAndStaysHiddenUntilShown) {
    std::unique_ptr<GwCore> main(GwRcMgr::load("Main"));
    GwCore* nested = GwRcMgr::load("Nested", main.get());
    ASSERT_NE(nested, nullptr);
    QPointer<QWidget> view(nested->widget());
    EXPECT_EQ(nested->parent(), main.get());
    EXPECT_EQ(nested->is_visible(), 0);
    main.reset(); // the parent takes the view and its handle along
    EXPECT_TRUE(view.isNull());
}

} // namespace
