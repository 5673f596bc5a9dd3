// The parameter dialog: its callbacks and page handling on ZEP100's English layout and on a
// layout with gaps, every control driven through the callbacks its layout binds; and the ZEP100
// layout as the program loads it in English, German and French: every parameter has exactly
// one control and values go through the controls unchanged. An edit changes exactly its
// parameter or is put back; the frame tests edit through the same callbacks.
#include "DynGwStringPtrArray.h"
#include "EwCtrlVw.h"
#include "EwPage.h"
#include "GwEvent.h"
#include "GwSound.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <map>

namespace {

// Every coded value, by name.
std::map<std::string, std::string> coded_values(const EwRepository& repo) {
    std::map<std::string, std::string> out;
    for (const GwString& name : parameters_of(repo))
        out[name.str()] = repo.value(name, 1).str();
    return out;
}

class CMainDlgMgrTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(dialog->ShowDialog(), 1); }
    void edit(const char* id, const char* text) { edit_control(dialog.window(), id, text); }
    GwString value(const char* name) { return repo->value(name, 0); }

    LanguageGuard english{1};
    std::unique_ptr<EwRepository> repo = zep100_repository();
    DialogUnderTest dialog{repo.get()};
};

TEST_F(CMainDlgMgrTest, TitleMarkFollowsTheChangedFlagOnlyInATitleWithAFileName) {
    GwCore* window = dialog.window();
    const GwString plain = window->title();
    EXPECT_EQ(plain, "ZEP100 parameters ");
    repo->set_value("RCL", "4", 0);
    dialog->RefreshTitleAndPage();
    EXPECT_EQ(window->title(), plain); // no file name yet: the title keeps its last letter

    // The frame names the file the way the file interface does.
    EwRepository* file_repo = repo.get();
    CFileRepoIf files(file_repo, window);
    files.set_filename("c:\\data\\line 4.slp");
    files.UpdateApplTitle();
    dialog->RefreshTitleAndPage();
    dialog->RefreshTitleAndPage();
    EXPECT_EQ(window->title(), "ZEP100 parameters [c:\\data\\line 4.slp *]");
    repo->ResetChanged();
    dialog->RefreshTitleAndPage();
    EXPECT_EQ(window->title(), "ZEP100 parameters [c:\\data\\line 4.slp]");
    dialog->RefreshTitleAndPage();
    EXPECT_EQ(window->title(), "ZEP100 parameters [c:\\data\\line 4.slp]");
}

TEST_F(CMainDlgMgrTest, AnEditedValueIsStoredOrTheRepositorysValueIsPutBack) {
    dialog.window()->set_title("ZEP100 parameters [a.slp]");
    struct Row {
        const char* id;
        const char* typed;
        const char* shown; // also what the repository holds afterwards
    };
    const Row rows[] = {
        {"ROT", "1000", "800"}, // excluded: the mirror wheel resonates
        {"ROT", "1200", "1200"},   {"DCI", "-5", "500"},          {"HIA", "32", "1"},
        {"HIA", "7", "7"},         {"H0E", "NO CODE", "NO CODE"}, {"H0B", "19200", "19200"},
        {"L2O", "EAN-8", "EAN-8"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.id) + " " + row.typed);
        const auto before = coded_values(*repo);
        edit(row.id, row.typed);
        EXPECT_EQ(dialog.child(row.id)->text(), row.shown);
        EXPECT_EQ(value(row.id), row.shown);
        for (const auto& [name, coded] : coded_values(*repo)) // no other parameter changes
            EXPECT_TRUE(name == row.id || coded == before.at(name)) << name;
    }
    EXPECT_EQ(dialog.window()->title(), "ZEP100 parameters [a.slp *]");
}

TEST_F(CMainDlgMgrTest, ACheckBoxOrRadioButtonStoresItsWholePage) {
    dialog.child("ROT")->set_text("900"); // typed, not yet stored
    dialog.child("CVA")->click();
    EXPECT_EQ(value("CVA"), "1");
    EXPECT_EQ(value("ROT"), "900");
    dialog.child("LTT")->child("C")->click();
    EXPECT_EQ(value("LTT"), "C");
    EXPECT_EQ(dialog.child("DCL")->child("S")->value(), 1); // shown again: unchanged
    EXPECT_EQ(repo->HasChanged(), 1);
}

TEST_F(CMainDlgMgrTest, CodeLengthsAreNormalisedByTheirTimerAfterARefresh) {
    dialog.child("TabCtl")->set_active_page(dialog.child("Reading"));
    edit("L3L", "5-12");
    EXPECT_EQ(value("L3L"), "5-12");
    // The refresh of the edit started the timers of the active page's range fields only.
    EXPECT_EQ(dialog.child("L0L")->timer_active(), 1);
    EXPECT_EQ(dialog.child("DCI")->timer_active(), 0);
    GwEvent timer(GwTIMER);
    dialog.child("L3L")->fire(GwCB_TIMER, &timer);
    EXPECT_EQ(dialog.child("L3L")->text(), "05-12");
    EXPECT_EQ(value("L3L"), "05-12");
    EXPECT_EQ(dialog.child("L3L")->timer_active(), 0);
    // A field the user is typing in is left alone.
    GwCore* l4 = dialog.child("L4L");
    l4->set_text("8");
    qobject_cast<QLineEdit*>(l4->widget())->setModified(true);
    l4->fire(GwCB_TIMER, &timer);
    EXPECT_EQ(l4->text(), "8");
}

TEST_F(CMainDlgMgrTest, TheMaskFieldTakesOnlyMaskCharacters) {
    struct Row {
        char c;
        unsigned flags;
        int result;
        int info; // 1 when the beep sounds and CVMInfo is shown
    };
    const Row rows[] = {{'P', GwKEY_CHAR, 1, 0}, {'?', GwKEY_CHAR, 1, 0}, {'@', GwKEY_CHAR, 1, 0},
                        {'A', GwKEY_CHAR, 0, 1}, {'p', GwKEY_CHAR, 0, 1}, {'A', 0, 1, 0},
                        {'\0', GwKEY_CHAR, 1, 0}};
    GwCore* cvm = dialog.child("CVM");
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(1, row.c) + " flags " + std::to_string(row.flags));
        GwScriptedAnswers::end_dialog("CVMInfo", 6);
        const int beeps = GwSound::beep_count();
        const int dialogs = GwScriptedAnswers::count(GwScriptedAnswers::Dialog);
        GwEvent key(GwSINGLE_CHAR, row.c, row.flags);
        EXPECT_EQ(cvm->fire(GwCB_KEY, &key), row.result);
        EXPECT_EQ(GwSound::beep_count() - beeps, row.info);
        EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Dialog) - dialogs, row.info);
        GwScriptedAnswers::reset();
    }
}

TEST_F(CMainDlgMgrTest, EscapeDoesNotCloseTheDialog) {
    dialog.window()->show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog.window()->widget(), &escape);
    EXPECT_EQ(dialog.window()->is_visible(), 1);
}

TEST_F(CMainDlgMgrTest, StoreActivePageStoresOnlyThePageInFront) {
    dialog.child("H0B")->set_text("38400");
    dialog.child("RCL")->set_text("5");
    dialog.child("TabCtl")->set_active_page(dialog.child("Host"));
    EXPECT_EQ(dialog->StoreActivePage(), 1);
    EXPECT_EQ(value("H0B"), "38400");
    EXPECT_EQ(value("RCL"), "1");
}

TEST(CMainDlgMgrGaps, MissingPagesAndControlsAreSkippedAndTheRestBinds) {
    auto repo = zep100_repository();
    DialogUnderTest dialog(repo.get(), ZEP_SOURCE_DIR "/tests/zepmain/fixtures/partial");
    ASSERT_NE(dialog.window(), nullptr);
    std::string bound;
    for (int p = 0; p < dialog->Pages().count(); ++p) {
        const EwPage* page = dialog->Pages().get(p);
        bound += page->Window()->id().str() + ":";
        for (int c = 0; c < page->Controls().count(); ++c)
            bound += page->Controls().get(c)->Name().str() + " ";
    }
    EXPECT_EQ(bound, "Reading:RCL L0O L0L DCI Code:K1E Host:HIP H0E ");
    EXPECT_EQ(dialog->ShowDialog(), 1);
    EXPECT_EQ(dialog.child("K1E")->value(), 1);
    EXPECT_EQ(dialog.child("H1B")->item_count(), 8); // filled, though on no page
    EXPECT_EQ(dialog.child("XYZ")->item_count(), 0);

    // Save_CB on a field stores the field's page.
    dialog.child("RCL")->set_text("5");
    dialog.child("DCI")->set_text("750");
    dialog.child("DCI")->click();
    EXPECT_EQ(repo->value("RCL", 1), "05");
    EXPECT_EQ(repo->value("DCI", 1), "0750");
    // A Show_CB timer shows its page again.
    GwCore* tabs = dialog.child("TabCtl");
    tabs->set_active_page(dialog.child("Host"));
    dialog->RefreshTitleAndPage();
    GwCore* h0e = dialog.child("H0E");
    EXPECT_EQ(h0e->timer_active(), 1);
    h0e->set_text("typed");
    GwEvent timer(GwTIMER);
    h0e->fire(GwCB_TIMER, &timer);
    EXPECT_EQ(h0e->text(), "NOREAD");
    EXPECT_EQ(h0e->timer_active(), 0);
    // A page without page object: nothing stored, the beep sounds.
    tabs->set_active_page(dialog.child("Extra"));
    const int beeps = GwSound::beep_count();
    EXPECT_EQ(dialog->StoreActivePage(), 0);
    dialog->RefreshTitleAndPage();
    EXPECT_EQ(GwSound::beep_count() - beeps, 2);
}

TEST(ZepCallbacks, EveryCallbackLeavesAWindowWithoutOwnerAlone) {
    QLineEdit field("5-12"); // a help page and a range timer would act on it
    GwCore* window = GwCore::of(&field);
    window->set_user_data(GwUD("home.htm"));
    GwEvent key(GwSINGLE_CHAR, 'X', GwKEY_CHAR);
    for (const GwFuncDesc* row = ZepCallbackTable(); row->name != nullptr; ++row)
        EXPECT_EQ(row->function(window, &key, window->user_data()), 1) << row->name;
    EXPECT_EQ(field.text(), "5-12");
    EXPECT_EQ(GwScriptedAnswers::shown().size(), 0u);
}

// --- the ZEP100 layout in each language ---------------------------------------------------

// Gives every parameter another allowed value: the first of its list items, its bounds or a
// few texts that the parameter takes and that differs from its value.
void change_every_value(EwRepository& repo) {
    for (const GwString& name : parameters_of(repo)) {
        std::vector<GwString> candidates;
        const GwString type = repo.type(name);
        if (type.begins_with("ENUMERATED") || type == "BOOLEAN") {
            const DynGwStringPtrArray* items = repo.range(name, 0);
            for (int i = 0; items != nullptr && i < items->count(); ++i)
                candidates.push_back(*items->get(i));
        }
        const GwString bounds = repo.bounds(name);
        for (int i = 0; i < bounds.GetTokenCount(','); ++i)
            candidates.push_back(bounds.GetToken(i, ','));
        for (const char* text : {"7", "X", "4100"})
            candidates.push_back(text);
        const GwString before = repo.value(name, 1);
        for (const GwString& c : candidates)
            if (repo.set_value(name, c, 0) == 1 && repo.value(name, 1) != before)
                break;
    }
}

class Zep100Dialog : public testing::TestWithParam<int> {
protected:
    void SetUp() override { ASSERT_NE(dialog.window(), nullptr); }

    LanguageGuard language{GetParam()};
    std::unique_ptr<EwRepository> repo = zep100_repository();
    DialogUnderTest dialog{repo.get()};
};

TEST_P(Zep100Dialog, EveryValueGoesThroughItsControlUnchanged) {
    ASSERT_EQ(dialog->ShowDialog(), 1); // every factory default is shown as it is
    auto other = zep100_repository();
    change_every_value(*other);
    const auto defaults = coded_values(*repo);
    const auto changed = coded_values(*other);
    ASSERT_EQ(defaults.size(), 141u);
    for (const auto& [name, value] : changed)
        ASSERT_NE(value, defaults.at(name)) << name << ": no other value found";

    // The other values shown and read back into their repository: nothing changes.
    DialogUnderTest second(other.get());
    ASSERT_EQ(second->ShowDialog(), 1);
    other->ResetChanged();
    EXPECT_EQ(second->StoreDialog(), 1);
    EXPECT_EQ(other->HasChanged(), 0);
    EXPECT_EQ(coded_values(*other), changed);

    // The factory defaults read from the controls into that repository: all of them arrive.
    for (int p = 0; p < dialog->Pages().count(); ++p)
        EXPECT_EQ(dialog->Pages().get(p)->StorePage(other.get()), 1);
    EXPECT_EQ(coded_values(*other), defaults);
    // Storing what is shown changes nothing: no question about saving for nothing.
    EXPECT_EQ(dialog->StoreDialog(), 1);
    EXPECT_EQ(repo->HasChanged(), 0);
}

// Walks the layout both ways: each control of a value names a parameter of the profile and is
// bound, and each parameter has exactly one control, with its name in the tooltip and, outside
// the rules table, a label. And every page has its help.
TEST_P(Zep100Dialog, EveryParameterHasExactlyOneLabelledControl) {
    std::map<std::string, int> controls;
    std::map<const QWidget*, std::string> labelled;
    for (GwCore* c : dialog.window()->descendants())
        if (auto* label = qobject_cast<QLabel*>(c->widget()); label && label->buddy())
            labelled[label->buddy()] = label->text().toStdString();
    for (GwCore* c : dialog.window()->descendants()) {
        const GwClassId cls = c->class_id();
        bool radios = false;
        for (const GwCore* b : c->children())
            radios = radios || qobject_cast<QRadioButton*>(b->widget()) != nullptr;
        const bool check = qobject_cast<QCheckBox*>(c->widget()) != nullptr;
        if (cls != GwCOMBOBOX_CLASS && cls != GwSPINBUTTON_CLASS && cls != GwEDITBUTTON_CLASS &&
            !check && !(cls == GwCONTAINER_CLASS && radios))
            continue;
        const std::string id = c->id().str();
        SCOPED_TRACE(id);
        ++controls[id];
        EXPECT_FALSE(repo->type(c->id()).is_empty()) << "no such parameter";
        EXPECT_NE(GwCtrlVw::WrapperOf(c), nullptr) << "not bound";
        EXPECT_EQ(c->widget()->toolTip().toStdString().rfind(id + ": ", 0), 0u);
        const bool in_rules = c->parent() != nullptr && c->parent()->id() == "RULES";
        if (cls == GwCOMBOBOX_CLASS) { // as wide as its longest item, even where room is short
            EXPECT_GE(c->widget()->minimumWidth(), c->widget()->sizeHint().width());
        }
        if (!check && !in_rules) {
            EXPECT_FALSE(labelled[c->widget()].empty()) << "no label";
        }
    }
    for (const GwString& name : parameters_of(*repo))
        EXPECT_EQ(controls[name.str()], 1) << name.str();
    EXPECT_EQ(controls.size(), 141u);

    // Each page has a help button whose page exists in the language.
    const std::string help =
        std::string(ZEP_PROGRAM_DIR "/help/ZEP100/") + (GetParam() == 49   ? "deut/"
                                                        : GetParam() == 33 ? "fran/"
                                                                           : "engl/");
    int buttons = 0;
    for (GwCore* c : dialog.window()->descendants()) {
        if (c->callback(GwCB_ACTIVATE) != GwRcMgr::function("CHelpManager::ContextHelp"))
            continue;
        ++buttons;
        EXPECT_TRUE(std::filesystem::exists(help + c->user_data().text().str())) << c->id().str();
    }
    EXPECT_EQ(buttons, dialog->Pages().count());
}

std::string language_name(const testing::TestParamInfo<int>& language) {
    return language.param == 49 ? "German" : language.param == 33 ? "French" : "English";
}

INSTANTIATE_TEST_SUITE_P(Languages, Zep100Dialog, testing::Values(1, 49, 33), language_name);

} // namespace
