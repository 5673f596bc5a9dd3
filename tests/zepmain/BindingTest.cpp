// The control binding framework on controls built in the test: what the choice lists and radio
// groups show for a value outside their items or a blank (the ZEP100 layout has none, another
// type's may), attaching wrappers, and finding a window's manager, only while they live. Every
// value of the ZEP100 layout goes through its control in
// Zep100Dialog.EveryValueGoesThroughItsControlUnchanged.
#include "EwComboBox.h"
#include "EwDialogSatz.h"
#include "EwRadioCont.h"
#include "EwSpinButton.h"
#include "GwCore.h"
#include "GwSpinBox.h"
#include "GwStringPrint.h"
#include "GwUD.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

template <typename W>
W* named(QWidget* parent, const char* id) {
    auto* w = new W(parent);
    w->setObjectName(id);
    return w;
}

// The choice lists: a combo box and a spin button, each with or without a " " item.
TEST(Binding, ChoiceListsShowItemsOnlyAndReadBlankAsEmpty) {
    struct Row {
        const char* value;
        bool blank_item;
        int result;
        int selected; // item position, -1 for none (an unknown value shows the " " item)
        const char* read;
    };
    const Row rows[] = {
        {"", true, 1, 0, ""},  {"", false, 0, -1, ""},  {"B", true, 1, 2, "B"},
        {"Z", true, 0, 0, ""}, {"b", false, 0, -1, ""},
    };
    for (int spin = 0; spin <= 1; ++spin) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(spin ? "spin" : "combo") + " value \"" + row.value + "\"" +
                         (row.blank_item ? " with blank item" : ""));
            QWidget top;
            QWidget* w = spin ? static_cast<QWidget*>(named<GwSpinBox>(&top, "S"))
                              : static_cast<QWidget*>(named<QComboBox>(&top, "C"));
            GwCore* control = GwCore::of(w);
            if (row.blank_item)
                control->add_item(" ");
            control->add_item("A");
            control->add_item("B");
            std::unique_ptr<EwCtrlVw> wrapper(spin ? static_cast<EwCtrlVw*>(new EwSpinButton)
                                                   : new EwComboBox);
            ASSERT_EQ(wrapper->Attach(control), 1);
            wrapper->ShowValue("B"); // a value shown before must not linger
            EXPECT_EQ(wrapper->ShowValue(row.value), row.result);
            EXPECT_EQ(control->current_item(), row.selected);
            EXPECT_EQ(wrapper->GetValue(), row.read);
            if (row.result == 0) {
                EXPECT_EQ(control->text(), " ");
            }
        }
    }
}

// An unknown value checks no button (none shown before may linger); blank checks BLANK.
TEST(Binding, RadioGroupChecksTheButtonOfTheValue) {
    struct Row {
        const char* value;
        int result;
        const char* checked; // id of the checked button, "" for none
        const char* read;
    };
    const Row rows[] = {
        {"A", 1, "A", "A"}, {"", 1, "BLANK", ""}, {" ", 1, "BLANK", ""}, {"Y", 0, "", ""}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("value \"") + row.value + "\"");
        QWidget top;
        auto* box = named<QGroupBox>(&top, "DCL");
        for (const char* id : {"A", "B", "BLANK"})
            named<QRadioButton>(box, id);
        EwRadioCont radio;
        ASSERT_EQ(radio.Attach(GwCore::of(box)), 1);
        radio.ShowValue("B");
        EXPECT_EQ(radio.ShowValue(row.value), row.result);
        std::string checked;
        for (GwCore* b : GwCore::of(box)->children())
            checked += b->value() != 0 ? b->id().str() : "";
        EXPECT_EQ(checked, row.checked);
        EXPECT_EQ(radio.GetValue(), row.read);
    }
}

// A dialog manager on a window built in the test.
class TestDialog : public EwDialogSatz {
public:
    explicit TestDialog(GwCore* window) : EwDialogSatz(nullptr, "none", "", nullptr, nullptr) {
        LinkWindow(window);
    }
};

// Wrappers and managers are found through the user data of their windows, which keeps its text,
// and only while they live.
TEST(Binding, WrappersAndOwnersAreFoundOnlyWhileTheyLive) {
    QWidget top;
    GwCore* window = GwCore::of(&top);
    GwCore* first = GwCore::of(named<QLineEdit>(named<QGroupBox>(&top, "GROUP"), "CVI"));
    GwCore* second = GwCore::of(named<QLineEdit>(&top, "CVM"));
    first->set_user_data(GwUD("help.htm"));
    auto wrapper = std::make_unique<EwCtrlVw>();
    EXPECT_EQ(wrapper->Attach(first), 1);
    EXPECT_EQ(GwCtrlVw::WrapperOf(first), wrapper.get());
    EXPECT_EQ(wrapper->Attach(second), 1);
    EXPECT_EQ(GwCtrlVw::WrapperOf(first), nullptr);
    EXPECT_EQ(first->user_data().text(), "help.htm");
    wrapper.reset();
    EXPECT_EQ(GwCtrlVw::WrapperOf(second), nullptr);

    auto dialog = std::make_unique<TestDialog>(window);
    EXPECT_EQ(EwDialogSatz::Owner(first), dialog.get());
    EXPECT_EQ(EwDialogSatz::Owner(window), dialog.get());
    dialog.reset(); // unlinks; the window was only linked, so it stays
    EXPECT_EQ(EwDialogSatz::Owner(first), nullptr);
    EXPECT_EQ(first->user_data().text(), "help.htm");

    // A control destroyed first leaves its wrapper without control, and nothing dangling.
    EwCtrlVw orphan;
    orphan.Attach(second);
    delete top.findChild<QLineEdit*>("CVM");
    EXPECT_EQ(orphan.Control(), nullptr);
    EXPECT_EQ(orphan.ShowValue("x"), 0);
}

} // namespace
