// Resource files: loading windows by resource name, language variants, and the binding of
// callbacks and user data by name.
#include "GwLanguage.h"
#include "UiFixture.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace {

using GwRcMgrTest = UiTest;

TEST_F(GwRcMgrTest, LoadsAHiddenFrameByResourceNameInTheLanguageOfTheInterface) {
    std::unique_ptr<GwCore> main(GwRcMgr::load("Main"));
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->is_visible(), 0) << "a loaded window waits to be shown";
    // A view loaded into a window belongs to it and goes with it.
    GwCore* nested = GwRcMgr::load("Nested", main.get());
    QPointer<QWidget> view(nested->widget());
    EXPECT_EQ(nested->parent(), main.get());
    main.reset();
    EXPECT_TRUE(view.isNull());
    // The language's own layout wins; English is the fallback.
    for (const auto& [language, text] :
         {std::pair{49, "Deutsch"}, {33, "English"}, {1, "English"}}) {
        GwRcMgr::set_language(language);
        EXPECT_EQ(GwLanguage::number(), language) << "one language number with the core";
        std::unique_ptr<GwCore> dialog(gw_def_mgr.load("Dialog"));
        ASSERT_NE(dialog, nullptr) << language;
        EXPECT_EQ(dialog->child("ID_TEXT")->text(), text) << language;
    }
}

// A layout that cannot be built or is missing, and a resource file used by two owners of which
// one lets go, are the type switch's tests (FrameTypeSwitch: the old type keeps working).

TEST_F(GwRcMgrTest, BindsCallbacksAndUserDataOfItsOwnPrefixOnlyAndFiresThem) {
    std::unique_ptr<GwCore> main(GwRcMgr::load("Main"));
    // Each kind bound by its name: the terminal's timer, keys, showing and hiding, the main
    // window's Close, every click of the window tests.
    // An unknown callback name and an unknown gw property bind nothing.
    for (int kind = 0; kind < GwCB_KIND_COUNT; ++kind)
        EXPECT_EQ(main->child("UNBOUND")->has_callback(static_cast<GwCallbackKind>(kind)), 0);
    // The spin box carries Qt's own dynamic property beside ours; only ours is bound.
    GwCore* spin = main->child("RCL");
    bool qt_property = false;
    for (const QByteArray& name : spin->object()->dynamicPropertyNames())
        qt_property = qt_property || name.startsWith("_q_");
    EXPECT_TRUE(qt_property) << "the fixture no longer shows Qt's own properties";
    EXPECT_EQ(spin->callback(GwCB_ACTIVATE), &Recorder::callback<0>);

    main->child("HELP")->click();
    const Call* call = Recorder::last("Test::Activate");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->window + "|" + call->data, "HELP|reading.htm");
    EXPECT_EQ(call->event.type(), GwACTIVATE);
    main->child("NEW")->click(); // a menu action
    EXPECT_EQ(Recorder::last("Test::Activate")->window, "NEW");
}

} // namespace
