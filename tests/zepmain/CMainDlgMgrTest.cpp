// The parameter dialog's callbacks and page handling, on ZEP100's English layout and on a
// layout with gaps; every control is driven through the callbacks its layout binds.
#include "CFileRepoIf.h"
#include "DialogTestSupport.h"
#include "EwCtrlVw.h"
#include "EwPage.h"
#include "GwEvent.h"
#include "GwScriptedAnswers.h"
#include "GwSound.h"
#include "GwStringPrint.h"
#include "LanguageGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class CMainDlgMgrTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(dialog->ShowDialog(), 1); }
    // The user edits a control: its text, then the activation the layout binds.
    void edit(const char* id, const char* text) {
        GwCore* c = dialog.child(id);
        ASSERT_NE(c, nullptr) << id;
        c->set_text(text);
        GwEvent activate(GwACTIVATE);
        c->fire(GwCB_ACTIVATE, &activate);
    }
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
        edit(row.id, row.typed);
        EXPECT_EQ(dialog.child(row.id)->text(), row.shown);
        EXPECT_EQ(value(row.id), row.shown);
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
    std::vector<std::string> names;
    for (const GwFuncDesc* row = ZepCallbackTable(); row->name != nullptr; ++row) {
        EXPECT_EQ(row->function(window, &key, window->user_data()), 1) << row->name;
        names.push_back(row->name);
    }
    // The rows the layouts of every scanner type may bind, in the table's fixed order (the
    // program's own further rows may stand between them).
    const std::vector<std::string> fixed = {"CApplFrameMgr::Move_CB",
                                            "CApplFrameMgr::Close_CB",
                                            "CApplFrameMgr::Timer_CB",
                                            "CApplFrameMgr::Show_CB",
                                            "CApplFrameMgr::SelectScanner_CB",
                                            "CApplFrameMgr::NewFile_CB",
                                            "CApplFrameMgr::ReadFromFile_CB",
                                            "CApplFrameMgr::CloseFile_CB",
                                            "CApplFrameMgr::WriteToFile_CB",
                                            "CApplFrameMgr::SaveAsFile_CB",
                                            "CApplFrameMgr::DownLoad_CB",
                                            "CApplFrameMgr::UpLoad_CB",
                                            "CApplFrameMgr::PrintSlpFile_CB",
                                            "CApplFrameMgr::ExportRtf_CB",
                                            "CApplFrameMgr::FactoryDefaults_CB",
                                            "CApplFrameMgr::Terminal_CB",
                                            "CApplFrameMgr::ChangeLanguage_CB",
                                            "CApplFrameMgr::ChangeCom_CB",
                                            "CApplFrameMgr::AutoBaudDetect_CB",
                                            "CHelpManager::SetBrowser",
                                            "CHelpManager::ContextHelp",
                                            "CComDlgMgr::Show_CB",
                                            "CComDlgMgr::Quit_CB",
                                            "CComDlgMgr::Cancel_CB",
                                            "CTerminal::Show_CB",
                                            "CTerminal::Hide_CB",
                                            "CTerminal::Write_CB",
                                            "CTerminal::Timer_CB",
                                            "CTerminal::WriteLogfile_CB",
                                            "CTerminal::PercentageEval_CB",
                                            "CTerminal::HandleCommand_CB",
                                            "CTerminal::ShowControlChar_CB",
                                            "CMainDlgMgr::Save_CB",
                                            "CMainDlgMgr::Show_CB",
                                            "CMainDlgMgr::WriteRead_CB",
                                            "CMainDlgMgr::UpdateActivePage_CB",
                                            "CMainDlgMgr::WriteReadRange_CB",
                                            "CMainDlgMgr::CVMEdit_CB",
                                            "CAutoBaudDlgMgr::Button_CB",
                                            "CAutoBaudDlgMgr::Cancel_CB",
                                            "CAutoBaudDlgMgr::Show_CB",
                                            "CAutoBaudDlgMgr::Timer_CB",
                                            "CAutoBaudDlgMgr::ChooseCom_CB",
                                            "interpreter"};
    std::size_t next = 0;
    for (const std::string& name : names)
        if (next < fixed.size() && name == fixed[next])
            ++next;
    EXPECT_EQ(next, fixed.size()) << "missing or out of order: "
                                  << fixed[std::min(next, fixed.size() - 1)];
    EXPECT_EQ(field.text(), "5-12");
    EXPECT_EQ(GwScriptedAnswers::shown().size(), 0u);
}

} // namespace
