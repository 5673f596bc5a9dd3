// Handles of window elements: finding by id, frames, class queries, texts and values, lists,
// menus, tab pages, the progress operations, key callbacks and the life of handles.
#include "GwCore.h"
#include "GwMessageBox.h"
#include "GwMultiColumnScrolledList.h"
#include "GwRcMgr.h"
#include "Recorder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kFixtures = ZEP_SOURCE_DIR "/tests/toolkit/ui/fixtures/test";

class GwCoreTest : public testing::Test {
protected:
    void SetUp() override {
        Recorder::clear();
        Recorder::use_fixtures();
        main.reset(GwRcMgr::load("Main"));
        ASSERT_NE(main, nullptr);
    }
    void TearDown() override {
        main.reset();
        GwRcMgr::unuse(kFixtures);
    }
    GwCore* get(const char* id) {
        GwCore* c = main->child(id);
        EXPECT_NE(c, nullptr) << id;
        return c;
    }
    std::unique_ptr<GwCore> main;
};

TEST_F(GwCoreTest, FindsWidgetsAndActionsByIdAndGivesTheSameHandleEachTime) {
    EXPECT_EQ(get("VERSION_LABEL")->text(), "V 1.1");
    EXPECT_EQ(get("TB_DF")->class_id(), GwMENUITEM_CLASS);
    EXPECT_EQ(get("NEW")->text(), "New");
    EXPECT_EQ(get("L0L"), get("TabCtl")->child("L0L"));
    EXPECT_EQ(main->child("NO_SUCH_ID"), nullptr);
    EXPECT_EQ(main->child(""), nullptr);
    EXPECT_EQ(get("L0L")->frame_child("VERSION_LABEL"), get("VERSION_LABEL"));
    EXPECT_EQ(get("Main"), main.get()) << "an element finds itself by its own id";
    GwCore* com2 = get("COM2");
    com2->set_id("COM12");
    EXPECT_EQ(main->child("COM12"), com2) << "a new id is found at once";
    EXPECT_EQ(main->child("COM2"), nullptr);
}

TEST_F(GwCoreTest, ElementsOfTheOwnFrameComeBeforeThoseOfANestedFrame) {
    GwCore* nested = GwRcMgr::load("Nested", main.get());
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(main->child("DUP")->text(), "outer");
    EXPECT_EQ(nested->child("DUP")->text(), "inner");
    EXPECT_EQ(main->child("INNER_ONLY")->text(), "only here") << "nested frames are searched too";
    EXPECT_EQ(main->child("INNER_ONLY")->frame(), nested);
    EXPECT_EQ(get("L0L")->frame(), main.get());
    EXPECT_EQ(get("NEW")->frame(), main.get()) << "an action belongs to its window";
}

struct ClassRow {
    const char* id;
    GwClassId cls;
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const ClassRow& row, std::ostream* os) {
    *os << row.id;
}

class GwCoreClass : public GwCoreTest, public testing::WithParamInterface<ClassRow> {};

TEST_P(GwCoreClass, IsTheClassTheSystemAsksFor) {
    GwCore* c = get(GetParam().id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->class_id(), GetParam().cls);
    EXPECT_EQ(c->is_a(GetParam().cls), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, GwCoreClass,
    testing::Values(ClassRow{"Main", GwFRAME_CLASS}, ClassRow{"VERSION_LABEL", GwLABEL_CLASS},
                    ClassRow{"SCANNER_TYPE", GwCOMBOBOX_CLASS}, ClassRow{"RCL", GwSPINBUTTON_CLASS},
                    ClassRow{"CVM", GwEDITBUTTON_CLASS}, ClassRow{"FMT", GwFMTEDITBUTTON_CLASS},
                    ClassRow{"TOGGLE", GwTOGGLEBUTTON_CLASS},
                    ClassRow{"COM1", GwTOGGLEBUTTON_CLASS}, ClassRow{"COMID", GwCONTAINER_CLASS},
                    ClassRow{"TabCtl", GwTABCONTROL_CLASS}, ClassRow{"Reading", GwTABPAGE_CLASS},
                    ClassRow{"ID_PROGRESS", GwPROGRESS_CLASS}, ClassRow{"LIST", GwLIST_CLASS},
                    ClassRow{"HELP", GwPUSHBUTTON_CLASS}, ClassRow{"NEW", GwMENUITEM_CLASS},
                    ClassRow{"FILEMENU", GwMENU_CLASS}),
    [](const testing::TestParamInfo<ClassRow>& info) { return std::string(info.param.id); });

std::vector<std::string> ids(const std::vector<GwCore*>& list) {
    std::vector<std::string> result;
    for (GwCore* c : list)
        result.push_back(c->id().str());
    return result;
}

TEST_F(GwCoreTest, ChildrenAreTheSystemsElementsNotQtsHelpers) {
    EXPECT_EQ(ids(get("COMID")->children()), (std::vector<std::string>{"COM1", "COM2"}));
    EXPECT_EQ(ids(get("TabCtl")->children()), (std::vector<std::string>{"Reading", "Device"}));
    EXPECT_TRUE(get("RCL")->children().empty()) << "a spin box's line edit is Qt's";
    const auto all = ids(main->descendants());
    for (const char* id : {"L0L", "COM2", "NEW", "FILEMENU", "TB_DF"})
        EXPECT_NE(std::find(all.begin(), all.end(), id), all.end()) << id;
    for (const std::string& id : all)
        EXPECT_NE(id.rfind("Scroll", 0), 0u) << "a helper of Qt's tab bar: " << id;
}

TEST_F(GwCoreTest, FormatTypeOfAFormattedField) {
    EXPECT_EQ(get("FMT")->format_type(), 3);
    EXPECT_EQ(get("CVM")->format_type(), 0);
}

TEST_F(GwCoreTest, PageOfAControlIsFoundByWalkingUpItsParents) {
    GwCore* c = get("L0L");
    while (c != nullptr && c->is_a(GwTABPAGE_CLASS) == 0 && c->is_a(GwFRAME_CLASS) == 0)
        c = c->parent();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->id(), "Reading");
}

TEST_F(GwCoreTest, TextsOfLabelsAndEditFieldsKeepEveryLine) {
    EXPECT_EQ(get("MULTI")->text(), "first\nsecond\nthird");
    get("CVM")->set_text("P?@");
    EXPECT_EQ(get("CVM")->text(), "P?@");
    get("CVM")->set_text("Grüße");
    EXPECT_EQ(get("CVM")->text(), "Grüße") << "texts are UTF-8 both ways";
    get("VERSION_LABEL")->set_text("12");
    EXPECT_EQ(get("VERSION_LABEL")->value(), 12);
}

TEST_F(GwCoreTest, ToggleValuesOfCheckBoxesRadioButtonsAndMenuItems) {
    GwCore* toggle = get("TOGGLE");
    EXPECT_EQ(toggle->value(), 0);
    toggle->set_value(1);
    EXPECT_EQ(toggle->value(), 1);

    get("COM1")->set_value(1);
    get("COM2")->set_value(1);
    EXPECT_EQ(get("COM1")->value(), 0) << "radio buttons of a group exclude each other";
    get("COM2")->set_value(0);
    EXPECT_EQ(get("COM2")->value(), 0) << "the program can leave a group with none checked";

    GwCore* item = get("049");
    item->set_value(1);
    EXPECT_EQ(item->value(), 1);
    item->set_value(0);
    EXPECT_EQ(item->value(), 0);
}

TEST_F(GwCoreTest, EnableAndShowWorkOnWidgetsAndActions) {
    for (const char* id : {"TB_DF", "HELP"}) {
        GwCore* c = get(id);
        c->disable();
        EXPECT_EQ(c->is_enabled(), 0) << id;
        c->enable();
        EXPECT_EQ(c->is_enabled(), 1) << id;
    }
    main->show();
    GwCore* label = get("VERSION_LABEL");
    EXPECT_EQ(label->is_visible(), 1);
    label->hide();
    EXPECT_EQ(label->is_visible(), 0);
    label->show();
    EXPECT_EQ(label->is_visible(), 1);
    main->hide();
}

class GwCoreChoice : public GwCoreTest, public testing::WithParamInterface<const char*> {};

// Combo boxes and spin boxes behave alike as choice lists.
TEST_P(GwCoreChoice, SelectsTheItemOfATextOrShowsAFreeText) {
    GwCore* c = get(GetParam());
    for (const char* item : {" ", "0", "1", "2"})
        c->add_item(item);
    EXPECT_EQ(c->item_count(), 4);
    c->set_text("2");
    EXPECT_EQ(c->current_item(), 3);
    EXPECT_EQ(c->text(), "2");
    c->set_text("7"); // no such item
    EXPECT_EQ(c->current_item(), -1);
    EXPECT_EQ(c->text(), "7");
    c->select_item(1);
    EXPECT_EQ(c->text(), "0");
    EXPECT_EQ(c->value(), 1);
    c->deselect_all();
    EXPECT_EQ(c->current_item(), -1);
    EXPECT_EQ(c->select_item(9), 0);
    EXPECT_EQ(c->delete_item(0), 1);
    EXPECT_EQ(c->item_text(0), "0");
    EXPECT_EQ(c->find_item("2"), 2);
    EXPECT_EQ(c->find_item("3"), -1);
    c->delete_all_items();
    EXPECT_EQ(c->item_count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Lists, GwCoreChoice, testing::Values("SCANNER_TYPE", "RCL"));

TEST_F(GwCoreTest, SortingPutsNewItemsInOrderWithoutRegardToCase) {
    GwCore* types = get("SCANNER_TYPE");
    types->add_item("ZEP300");
    types->add_item("zep100");
    types->set_sorting(2);
    EXPECT_EQ(types->item_text(0), "zep100") << "turning sorting on sorts what is there";
    types->add_item("ZEP200");
    types->add_item("ZEP050");
    const char* expected[] = {"ZEP050", "zep100", "ZEP200", "ZEP300"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(types->item_text(i), expected[i]) << i;
    types->set_sorting(0);
    types->add_item("AAA");
    EXPECT_EQ(types->item_text(4), "AAA");
}

TEST_F(GwCoreTest, AMultiColumnListTakesAndGivesItemsAsColumnsJoinedByBars) {
    auto* list = new GwMultiColumnScrolledList(main.get(), "XLIST", 16, 49, 480, 329, 2);
    list->set_title("Exchange");
    EXPECT_EQ(list->title(), "Exchange");
    list->add_item("To|W0");
    list->add_item("From|A0|OK");
    EXPECT_EQ(list->item_count(), 2);
    EXPECT_EQ(list->item_text(0), "To|W0");
    EXPECT_EQ(main->child("XLIST"), list);
    list->set_item_colors(0, GwColor::black(), GwColor(245, 245, 245));
    list->make_visible(1);
    EXPECT_EQ(list->delete_item(0), 1);
    EXPECT_EQ(list->item_text(0).begins_with("From|A0"), 1);
    delete list;
    EXPECT_EQ(main->child("XLIST"), nullptr);
}

TEST_F(GwCoreTest, MenuItemsAppendedByTheProgramAreFoundAndFire) {
    GwCore* menu = get("FILEMENU");
    ASSERT_NE(menu->append_separator("ignore"), nullptr);
    GwCore* item = menu->append_menu_item("FILE1", "&1 c:\\data\\a.slp");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(main->child("FILE1"), item);
    EXPECT_EQ(item->frame(), main.get());
    item->set_callback(GwCallback(GwCB_ACTIVATE, &Recorder::Activate));
    item->click();
    EXPECT_EQ(Recorder::last("Test::Activate")->window, "FILE1");
    EXPECT_EQ(get("VERSION_LABEL")->append_menu_item("X", "x"), nullptr) << "not a menu";
}

TEST_F(GwCoreTest, TheActivePageOfATabControl) {
    GwCore* tabs = get("TabCtl");
    EXPECT_EQ(tabs->active_page(), get("Reading"));
    EXPECT_EQ(tabs->set_active_page(get("Device")), 1);
    EXPECT_EQ(tabs->active_page()->id(), "Device");
    EXPECT_EQ(tabs->set_active_page(get("HELP")), 0) << "not a page of it";
}

TEST_F(GwCoreTest, ProgressRunsFromStartToEndAndEndsFull) {
    GwCore* bar = get("ID_PROGRESS");
    bar->set_solid_bar(1);
    bar->set_start(0.0);
    bar->set_end(84.0);
    bar->set_slider_value(0.0);
    for (int i = 0; i < 84; ++i)
        bar->change_by(1.0);
    EXPECT_DOUBLE_EQ(bar->slider_value(), 84.0);
    auto* progress = qobject_cast<QProgressBar*>(bar->widget());
    EXPECT_EQ(progress->maximum(), 84);
    EXPECT_EQ(progress->value(), 84);
    bar->change_by(5.0);
    EXPECT_DOUBLE_EQ(bar->slider_value(), 84.0) << "never beyond the end";
    EXPECT_EQ(bar->solid_bar(), 1);
}

TEST_F(GwCoreTest, AKeyCallbackSeesEachCharacterAndCanSwallowIt) {
    GwCore* cvm = get("CVM");
    Recorder::key_result() = [](char c) { return c == 'P' ? 1 : 0; };
    auto type = [&](int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(cvm->widget(), &press);
    };
    type(Qt::Key_P, "P");
    type(Qt::Key_X, "X");
    type(Qt::Key_Left, "");
    EXPECT_EQ(cvm->text(), "P") << "X was swallowed";
    ASSERT_EQ(Recorder::count("Test::Key"), 3);
    const Call& p = Recorder::calls()[0];
    EXPECT_EQ(p.type, GwSINGLE_CHAR);
    EXPECT_EQ(p.character, 'P');
    EXPECT_EQ(p.flags & GwKEY_CHAR, GwKEY_CHAR);
    EXPECT_EQ(Recorder::calls()[2].flags & GwKEY_CHAR, 0u) << "a cursor key is no character";
}

TEST_F(GwCoreTest, DeletingAHandleDestroysItsElementAndTheOtherWayRound) {
    GwCore* dialog = GwRcMgr::load("Dialog", main.get());
    QPointer<QWidget> widget(dialog->widget());
    delete dialog;
    EXPECT_TRUE(widget.isNull());

    // A box the program owns outlives a parent that Qt destroyed first: it is dead, not
    // dangling, and deleting it later is safe.
    GwCore* parent = GwRcMgr::load("Dialog");
    auto* box = new GwMessageBox(parent, "text");
    delete parent;
    EXPECT_EQ(box->is_alive(), 0);
    EXPECT_EQ(box->text(), "");
    EXPECT_EQ(box->go(), 0);
    delete box;
}

TEST_F(GwCoreTest, MovesAWindowRelativeToItsParentWindow) {
    main->move_to_screen(100, 50);
    main->show();
    std::unique_ptr<GwCore> dialog(GwRcMgr::load("Dialog", main.get()));
    dialog->move(30, 70);
    int x = 0;
    int y = 0;
    dialog->position(x, y);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 70);
    dialog->screen_position(x, y);
    int mx = 0;
    int my = 0;
    main->screen_position(mx, my);
    EXPECT_EQ(x - mx, 30);
    EXPECT_EQ(y - my, 70);
    main->hide();
}

} // namespace
