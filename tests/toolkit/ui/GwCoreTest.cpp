// Handles of window elements: finding by id, frames, class queries, texts and values, lists,
// menus, tab pages, the progress operations, key callbacks and the life of handles.
#include "GwCore.h"
#include "GwMessageBox.h"
#include "GwMultiColumnScrolledList.h"
#include "UiFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QProgressBar>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class GwCoreTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        main.reset(GwRcMgr::load("Main"));
        ASSERT_NE(main, nullptr);
    }
    void TearDown() override {
        main.reset();
        UiTest::TearDown();
    }
    GwCore* get(const char* id) {
        GwCore* c = main->child(id);
        EXPECT_NE(c, nullptr) << id;
        return c;
    }
    std::unique_ptr<GwCore> main;
};

std::vector<std::string> ids(const std::vector<GwCore*>& list) {
    std::vector<std::string> result;
    for (GwCore* c : list)
        result.push_back(c->id().str());
    return result;
}

TEST_F(GwCoreTest, FindsWidgetsAndActionsByIdOneHandleEach) {
    EXPECT_EQ(get("VERSION_LABEL")->text(), "V 1.1");
    EXPECT_EQ(get("NEW")->text(), "New");
    EXPECT_EQ(get("L0L"), get("TabCtl")->child("L0L"));
    EXPECT_EQ(main->child("NO_SUCH_ID"), nullptr);
    EXPECT_EQ(main->child(""), nullptr);
    EXPECT_EQ(get("L0L")->frame_child("VERSION_LABEL"), get("VERSION_LABEL"));
    EXPECT_EQ(get("Main"), main.get()) << "an element finds itself by its own id";
    // Children are the system's elements, not Qt's helpers (a spin box's line edit, the
    // scroll buttons of a tab bar).
    EXPECT_EQ(ids(get("COMID")->children()), (std::vector<std::string>{"COM1", "COM2"}));
    EXPECT_EQ(ids(get("TabCtl")->children()), (std::vector<std::string>{"Reading", "Device"}));
    EXPECT_TRUE(get("RCL")->children().empty());
    const auto all = ids(main->descendants());
    for (const char* id : {"L0L", "COM2", "NEW", "FILEMENU", "TB_DF"})
        EXPECT_NE(std::find(all.begin(), all.end(), id), all.end()) << id;
    for (const std::string& id : all)
        EXPECT_NE(id.rfind("Scroll", 0), 0u) << id;
}

TEST_F(GwCoreTest, ElementsOfTheOwnFrameComeBeforeThoseOfANestedFrame) {
    GwCore* nested = GwRcMgr::load("Nested", main.get());
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(main->child("DUP")->text(), "outer");
    EXPECT_EQ(nested->child("DUP")->text(), "inner");
    EXPECT_EQ(main->child("INNER_ONLY")->frame(), nested) << "nested frames are searched too";
    EXPECT_EQ(get("L0L")->frame(), main.get());
    EXPECT_EQ(get("NEW")->frame(), main.get()) << "an action belongs to its window";
    EXPECT_EQ(get("L0L")->parent(), get("Reading")) << "the way to the page of a control";
}

TEST_F(GwCoreTest, EachElementIsOfTheClassTheSystemAsksFor) {
    const std::pair<const char*, GwClassId> rows[] = {{"Main", GwFRAME_CLASS},
                                                      {"VERSION_LABEL", GwLABEL_CLASS},
                                                      {"SCANNER_TYPE", GwCOMBOBOX_CLASS},
                                                      {"RCL", GwSPINBUTTON_CLASS},
                                                      {"CVM", GwEDITBUTTON_CLASS},
                                                      {"FMT", GwFMTEDITBUTTON_CLASS},
                                                      {"COM1", GwTOGGLEBUTTON_CLASS},
                                                      {"COMID", GwCONTAINER_CLASS},
                                                      {"Reading", GwTABPAGE_CLASS},
                                                      {"ID_PROGRESS", GwPROGRESS_CLASS},
                                                      {"LIST", GwLIST_CLASS},
                                                      {"HELP", GwPUSHBUTTON_CLASS},
                                                      {"TB_DF", GwMENUITEM_CLASS},
                                                      {"FILEMENU", GwMENU_CLASS}};
    for (const auto& [id, class_id] : rows)
        EXPECT_EQ(get(id)->is_a(class_id), 1) << id;
    EXPECT_EQ(get("FMT")->format_type(), 3);
}

TEST_F(GwCoreTest, TextsValuesAndStates) {
    get("CVM")->set_text("Grüße");
    EXPECT_EQ(get("CVM")->text(), "Grüße") << "texts are UTF-8 both ways";
    get("049")->set_value(1); // a menu item
    EXPECT_EQ(get("049")->value(), 1);
    get("COM1")->set_value(1);
    get("COM2")->set_value(1);
    EXPECT_EQ(get("COM1")->value(), 0) << "radio buttons of a group exclude each other";
    get("COM2")->set_value(0);
    EXPECT_EQ(get("COM2")->value(), 0) << "the program can leave a group with none checked";
    get("TB_DF")->disable();
    EXPECT_EQ(get("TB_DF")->is_enabled(), 0);
    main->show();
    get("VERSION_LABEL")->hide();
    EXPECT_EQ(get("VERSION_LABEL")->is_visible() + get("HELP")->is_visible(), 1);
    main->hide();
    EXPECT_EQ(get("HELP")->is_visible(), 0) << "visible only while its parents are";
}

// Combo boxes and spin boxes behave alike as choice lists.
TEST_F(GwCoreTest, AChoiceListSelectsTheItemOfATextOrShowsAFreeText) {
    for (const char* id : {"SCANNER_TYPE", "RCL"}) {
        SCOPED_TRACE(id);
        GwCore* c = get(id);
        for (const char* item : {" ", "0", "1", "2"})
            c->add_item(item);
        c->set_text("2");
        EXPECT_EQ(c->current_item(), 3);
        c->set_text("7"); // no such item
        EXPECT_EQ(c->current_item(), -1);
        EXPECT_EQ(c->text(), "7");
        c->select_item(1);
        EXPECT_EQ(c->text() + "|" + GwString(c->value()), "0|1");
        c->deselect_all();
        EXPECT_EQ(c->current_item() + c->select_item(9), -1);
        EXPECT_EQ(c->delete_item(0), 1);
        EXPECT_EQ(c->item_text(0), "0");
        EXPECT_EQ(c->find_item("2") * 10 + c->find_item("3"), 19);
        c->delete_all_items();
        EXPECT_EQ(c->item_count(), 0);
    }
}

TEST_F(GwCoreTest, SortingPutsItemsInOrderWithoutRegardToCase) {
    GwCore* types = get("SCANNER_TYPE");
    types->set_sorting(2);
    for (const char* name : {"ZEP300", "zep100", "ZEP200", "ZEP050"})
        types->add_item(name);
    std::string items;
    for (int i = 0; i < types->item_count(); ++i)
        items += types->item_text(i).str() + " ";
    EXPECT_EQ(items, "ZEP050 zep100 ZEP200 ZEP300 ");
}

// The terminal's exchange list, the dialog's active page and the auto-baud progress.
TEST_F(GwCoreTest, ListsPagesAndProgress) {
    auto list =
        std::make_unique<GwMultiColumnScrolledList>(main.get(), "XLIST", 16, 49, 480, 329, 2);
    list->add_item("To|W0");
    list->add_item("From|A0|OK");
    EXPECT_EQ(list->item_text(0), "To|W0") << "columns joined by bars";
    EXPECT_EQ(main->child("XLIST"), list.get());
    EXPECT_EQ(list->delete_item(0), 1);
    EXPECT_EQ(list->item_text(0).begins_with("From|A0"), 1);

    GwCore* tabs = get("TabCtl");
    EXPECT_EQ(tabs->active_page(), get("Reading"));
    EXPECT_EQ(tabs->set_active_page(get("Device")) + tabs->set_active_page(get("HELP")), 1);
    EXPECT_EQ(tabs->active_page(), get("Device"));

    GwCore* bar = get("ID_PROGRESS");
    bar->set_end(84.0);
    for (int i = 0; i < 85; ++i)
        bar->change_by(1.0);
    EXPECT_EQ(qobject_cast<QProgressBar*>(bar->widget())->value(), 84) << "never beyond the end";
}

TEST_F(GwCoreTest, AKeyCallbackSeesEachCharacterAndCanSwallowIt) {
    GwCore* cvm = get("CVM");
    Recorder::key_result = [](char c) { return c == 'P' ? 1 : 0; };
    for (const auto& [key, text] :
         {std::pair{Qt::Key_P, "P"}, {Qt::Key_X, "X"}, {Qt::Key_Left, ""}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(cvm->widget(), &press);
    }
    EXPECT_EQ(cvm->text(), "P") << "X was swallowed";
    ASSERT_EQ(Recorder::count("Test::Key"), 3);
    const Call& p = Recorder::calls[0];
    EXPECT_EQ(p.type, GwSINGLE_CHAR);
    EXPECT_EQ(p.character, 'P');
    EXPECT_EQ(p.flags & GwKEY_CHAR, GwKEY_CHAR);
    EXPECT_EQ(Recorder::calls[2].flags & GwKEY_CHAR, 0u) << "a cursor key is no character";
}

TEST_F(GwCoreTest, AHandleAndItsElementLiveAndDieTogether) {
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

} // namespace
