// Handles of window elements: finding by id, the class, text and value of each kind of element,
// the items of every kind of list, key callbacks and the life of handles.
#include "GwCore.h"
#include "GwMessageBox.h"
#include "GwMultiColumnScrolledList.h"
#include "GwSpinBox.h"
#include "UiFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTreeWidget>

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

// The ids of elements, each followed by a blank.
std::string ids(const std::vector<GwCore*>& list) {
    std::string result;
    for (GwCore* c : list)
        result += c->id().str() + " ";
    return result;
}

TEST_F(GwCoreTest, FindsWidgetsAndActionsByIdOneHandleEach) {
    EXPECT_EQ(get("L0L"), get("TabCtl")->child("L0L"));
    EXPECT_EQ(main->child("NO_SUCH_ID"), nullptr);
    EXPECT_EQ(main->child(""), nullptr);
    EXPECT_EQ(get("Main"), main.get()) << "an element finds itself by its own id";
    GwCore* recent = get("FILEMENU")->append_menu_item("RECENT1", "a.slp");
    EXPECT_EQ(get("RECENT1"), recent);
    EXPECT_EQ(recent->frame(), main.get()) << "a menu's item belongs to the menu's window";
    EXPECT_EQ(get("L0L")->parent(), get("Reading")) << "the way to the page of a control";
    // Children are the system's elements, not Qt's helpers (a spin box's line edit, the
    // scroll buttons of a tab bar).
    auto* holder = new QWidget(get("COMID")->widget()); // no id: looked through
    (new QLabel(holder))->setObjectName("COM3");
    EXPECT_EQ(ids(get("COMID")->children()), "COM1 COM2 COM3 ");
    EXPECT_EQ(ids(get("TabCtl")->children()), "Reading Device ");
    EXPECT_EQ(ids(get("RCL")->children()), "");
    const std::string all = ids(main->descendants());
    for (const char* id : {"L0L ", "COM2 ", "NEW ", "FILEMENU ", "TB_DF "})
        EXPECT_NE(all.find(id), std::string::npos) << id;
    for (const char* helper : {"Scroll", "qt_"})
        EXPECT_EQ(all.find(helper), std::string::npos) << all;
}

// main.ui: the frame DEEP holds DUP "outer" and LATE "deeper"; LATE "nearer" follows DEEP.
// The nested frame's DUP "inner" lies nearer to the window than DUP "outer".
TEST_F(GwCoreTest, ARepeatedIdIsFoundNearestFirstAndInTheOwnFrameFirst) {
    GwCore* nested = GwRcMgr::load("Nested", main.get());
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(main->child("LATE")->text(), "nearer") << "not the first in the order of Qt";
    EXPECT_EQ(get("DEEP")->child("LATE")->text(), "deeper");
    EXPECT_EQ(main->child("DUP")->text(), "outer") << "an element of this frame first";
    EXPECT_EQ(nested->child("DUP")->text(), "inner");
    GwCore* inner_only = main->child("INNER_ONLY");
    ASSERT_NE(inner_only, nullptr) << "nested frames are searched too";
    EXPECT_EQ(inner_only->frame(), nested);
    EXPECT_EQ(inner_only->frame_child("DUP")->text(), "inner");
}

TEST_F(GwCoreTest, EachKindOfElementHasItsClassTextAndValue) {
    struct Row {
        const char* id;
        GwClassId class_id;
        const char* text; // as loaded; null: not checked
        int loaded;       // the value as loaded
        int value;        // one that set_value gives and value() reads back
    };
    const Row rows[] = {{"Main", GwFRAME_CLASS, "ZEP Setup [No File]", 0, 0},
                        {"VERSION_LABEL", GwLABEL_CLASS, "V 1.1", 0, 7},
                        {"CVM", GwEDITBUTTON_CLASS, "", 0, 7},
                        {"FMT", GwFMTEDITBUTTON_CLASS, "12", 12, 7},
                        {"COM1", GwTOGGLEBUTTON_CLASS, "COM1", 0, 1},
                        {"TOGGLE", GwTOGGLEBUTTON_CLASS, "Log", 1, 0},
                        {"HELP", GwPUSHBUTTON_CLASS, "Help", 0, 0},
                        {"COMID", GwCONTAINER_CLASS, "Port", 0, 3},
                        {"DEEP", GwCONTAINER_CLASS, "", 0, 0},
                        {"TabCtl", GwTABCONTROL_CLASS, nullptr, 0, 1},
                        {"Reading", GwTABPAGE_CLASS, nullptr, 0, 0},
                        {"ID_PROGRESS", GwPROGRESS_CLASS, "24", 24, 42},
                        {"049", GwMENUITEM_CLASS, "Deutsch", 0, 1},
                        {"FILEMENU", GwMENU_CLASS, nullptr, 0, 0},
                        {"SCANNER_TYPE", GwCOMBOBOX_CLASS, "", -1, -1},
                        {"RCL", GwSPINBUTTON_CLASS, "", -1, -1},
                        {"LIST", GwLIST_CLASS, "", -1, -1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        GwCore* c = get(row.id);
        EXPECT_EQ(c->is_a(row.class_id), 1) << c->class_id();
        EXPECT_EQ(row.text != nullptr ? c->text() : "-", row.text != nullptr ? row.text : "-");
        EXPECT_EQ(c->value(), row.loaded);
        c->set_value(row.value);
        EXPECT_EQ(c->value(), row.value);
        // Elements without a value of their own show it as their text.
        EXPECT_EQ(row.value > 1 ? c->text() : "-", row.value > 1 ? GwString(row.value) : "-");
    }
    get("CVM")->set_text("Grüße");
    EXPECT_EQ(get("CVM")->text(), "Grüße") << "texts are UTF-8 both ways";
}

// (Enabling and hiding: the connection display of the transfer tests reads both. That the
// buttons of a group exclude each other is Qt's.)
TEST_F(GwCoreTest, TheProgramMayLeaveARadioGroupWithNoneChecked) {
    get("COM2")->set_value(1);
    get("COM2")->set_value(0);
    EXPECT_EQ(get("COM2")->value(), 0);
}

// Combo box, spin box, list and multi-column list (whose items are column texts joined by
// "|") keep their items alike; the first two show a text without an item as well.
TEST_F(GwCoreTest, EveryKindOfListKeepsItsItemsAlike) {
    auto exchange =
        std::make_unique<GwMultiColumnScrolledList>(main.get(), "XLIST", 16, 49, 480, 329, 2);
    exchange->set_callback(GwCallback(GwCB_ACTIVATE, Recorder::callback<0>));
    const struct {
        const char* id;
        const char* columns; // appended to each item text
        bool free_text;
        void (*choose_first)(QWidget*); // as the user does
    } rows[] = {
        {"SCANNER_TYPE", "", true,
         [](QWidget* w) {
             auto* combo = qobject_cast<QComboBox*>(w);
             combo->setCurrentIndex(0); // what a click on the first item does
             emit combo->activated(0);
         }},
        {"RCL", "", true, [](QWidget* w) { qobject_cast<GwSpinBox*>(w)->stepBy(1); }},
        {"LIST", "", false, [](QWidget* w) { qobject_cast<QListWidget*>(w)->setCurrentRow(0); }},
        {"XLIST", "|W0", false, [](QWidget* w) {
             auto* tree = qobject_cast<QTreeWidget*>(w);
             tree->setCurrentItem(tree->topLevelItem(0));
         }}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        Recorder::calls.clear();
        GwCore* c = get(row.id);
        auto item = [&row](const char* text) { return GwString(text) + row.columns; };
        auto order = [c] { // the first letters of the items
            std::string letters;
            for (int i = 0; i < c->item_count(); ++i)
                letters += c->item_text(i)[0];
            return letters;
        };
        EXPECT_EQ(c->add_item(item("b")), 0);
        EXPECT_EQ(c->add_item(item("c")), 1);
        EXPECT_EQ(c->add_item(item("a"), 0), 0);
        EXPECT_EQ(c->add_item(item("z"), 99), 3) << "beyond the end: at the end";
        EXPECT_EQ(order(), "abcz");
        EXPECT_EQ(c->item_text(3) + c->item_text(4) + c->item_text(-1), item("z"));
        EXPECT_EQ(c->select_item(2) + c->select_item(4) + c->select_item(-1), 1);
        EXPECT_EQ(c->current_item() * 10 + c->value(), 22);
        EXPECT_EQ(c->text(), item("c"));
        c->set_text(item("b"));
        EXPECT_EQ(c->current_item(), 1) << "a text selects its item";
        c->set_text("nothing");
        EXPECT_EQ(c->current_item(), -1);
        EXPECT_EQ(c->text(), row.free_text ? "nothing" : "");
        c->set_value(3);
        EXPECT_EQ(c->find_item(item("z")) * 10 + c->find_item("y"), 29);
        // Sorting keeps the current item, ignores case and places new items in order.
        c->set_sorting(1);
        EXPECT_EQ(order() + c->text().str(), "zcba" + item("z").str());
        c->set_sorting(2);
        c->add_item(item("B"));
        EXPECT_EQ(order(), "abBcz");
        EXPECT_EQ(c->delete_item(0), 1);
        EXPECT_EQ(c->delete_item(4), 0);
        EXPECT_EQ(order() + c->text().str(), "bBcz" + item("z").str());
        c->deselect_all();
        EXPECT_EQ(c->current_item(), -1);
        EXPECT_EQ(Recorder::count("Test::Activate"), 0) << "the program's changes activate not";
        row.choose_first(c->widget());
        EXPECT_EQ(c->current_item(), 0);
        ASSERT_EQ(Recorder::count("Test::Activate"), 1) << "the user's choice activates";
        EXPECT_EQ(Recorder::last("Test::Activate")->window, row.id);
        c->delete_all_items();
        EXPECT_EQ(c->item_count(), 0);
    }
    exchange->add_item("To|W0");
    exchange->set_item_colors(0, GwColor(255, 0, 0), GwColor::white());
    EXPECT_EQ(exchange->tree()->topLevelItem(0)->foreground(1).color(), QColor(Qt::red));
    exchange->set_title("Exchange");
    EXPECT_EQ(exchange->title(), "Exchange");
    EXPECT_EQ(exchange->tree()->headerItem()->text(1), "Exchange") << "the last column's";
}

// Tab pages and the progress bar are the window tests' (the parameter dialog's pages, the
// transfer and detection bars).
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
    const GwEvent& p = Recorder::calls[0].event;
    EXPECT_EQ(p.type(), GwSINGLE_CHAR);
    EXPECT_EQ(p.character(), 'P');
    EXPECT_EQ(p.flags() & GwKEY_CHAR, GwKEY_CHAR);
    EXPECT_EQ(Recorder::calls[2].event.flags() & GwKEY_CHAR, 0u) << "a cursor key is no character";
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
