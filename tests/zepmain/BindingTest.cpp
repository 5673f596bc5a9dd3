// The control binding framework on controls built in the test: attaching wrappers and finding a
// window's manager, only while they live. What each kind of control shows and reads back: every
// value of the ZEP100 layout goes through its control in
// Zep100Dialog.EveryValueGoesThroughItsControlUnchanged, and the frame tests show uploaded
// values in the dialog again.
#include "EwCtrlVw.h"
#include "EwDialogSatz.h"
#include "GwCore.h"
#include "GwStringPrint.h"
#include "GwUD.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

template <typename W>
W* named(QWidget* parent, const char* id) {
    auto* w = new W(parent);
    w->setObjectName(id);
    return w;
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
