// Message texts from the "Error_Warnings" labels and the message boxes of the system, in the
// three interface languages.
#include "CErrorHandler.h"
#include "DynGwStringPtrArray.h"
#include "GwCore.h"
#include "GwLanguage.h"
#include "GwMessageBox.h"
#include "GwRcMgr.h"
#include "GwScriptedAnswers.h"
#include "GwWaitObject.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

#include <memory>
#include <string>
#include <vector>

namespace {

using Shown = GwScriptedAnswers::Shown;

// A view with labels of the given names and texts.
std::unique_ptr<QWidget> view_with(const std::vector<std::pair<const char*, const char*>>& labels) {
    auto view = std::make_unique<QWidget>();
    view->setObjectName("Error_Warnings");
    for (const auto& [name, text] : labels) {
        auto* label = new QLabel(QString::fromUtf8(text), view.get());
        label->setObjectName(name);
    }
    return view;
}

std::vector<std::string> entries(const DynGwStringPtrArray& array) {
    std::vector<std::string> list;
    for (int i = 0; i < array.count(); ++i)
        list.push_back(array.get(i)->str());
    return list;
}

class CErrorHandlerTest : public testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<QWidget>();
        frame->setObjectName("ZEP Utility");
        view = view_with({{"ERRORMESSAGES", "Unknown error: \nE1\nE2"},
                          {"WARNINGS_TEXTS", "Unknown message: \nW1"}});
        ASSERT_EQ(CErrorHandler::init(GwCore::of(frame.get()), GwCore::of(view.get())), 0);
    }
    void TearDown() override {
        CErrorHandler::cleanup();
        CErrorHandler::destroy_wait();
        CErrorHandler::_appfrm = nullptr;
        GwLanguage::set_number(1);
    }
    std::unique_ptr<QWidget> frame;
    std::unique_ptr<QWidget> view;
};

struct LabelRow {
    const char* name;
    const char* text;
    std::vector<std::string> lines;
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const LabelRow& row, std::ostream* os) {
    *os << row.name;
}

class CErrorHandlerLabel : public testing::TestWithParam<LabelRow> {};

TEST_P(CErrorHandlerLabel, GivesOneEntryPerLine) {
    auto view = view_with({{"L", GetParam().text}});
    DynGwStringPtrArray array(25, 10);
    EXPECT_EQ(CErrorHandler::read_label_text(GwCore::of(view.get()), "L", &array), 0);
    EXPECT_EQ(entries(array), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, CErrorHandlerLabel,
                         testing::Values(LabelRow{"ThreeLines", "A\nB\nC", {"A", "B", "C"}},
                                         LabelRow{"EmptyLineInside", "A\n\nB", {"A", "", "B"}},
                                         LabelRow{"FinalBreakAddsNothing", "A\nB\n", {"A", "B"}},
                                         LabelRow{"LeadingBreak", "\nA", {"", "A"}},
                                         LabelRow{"Empty", "", {}},
                                         LabelRow{"BlanksKept", " x \n", {" x "}}),
                         [](const testing::TestParamInfo<LabelRow>& info) {
                             return info.param.name;
                         });

TEST(CErrorHandlerRead, AMissingLabelViewOrListGivesMinusOneAndChangesNothing) {
    auto view = view_with({{"L", "A"}});
    DynGwStringPtrArray array(25, 10);
    array.add("kept");
    EXPECT_EQ(CErrorHandler::read_label_text(GwCore::of(view.get()), "NOPE", &array), -1);
    EXPECT_EQ(CErrorHandler::read_label_text(nullptr, "L", &array), -1);
    EXPECT_EQ(CErrorHandler::read_label_text(GwCore::of(view.get()), "L", nullptr), -1);
    EXPECT_EQ(entries(array), std::vector<std::string>{"kept"});
}

TEST(CErrorHandlerRead, AppendsToWhatTheListHolds) {
    auto view = view_with({{"L", "B\nC"}});
    DynGwStringPtrArray array(25, 10);
    array.add("A");
    CErrorHandler::read_label_text(GwCore::of(view.get()), "L", &array);
    EXPECT_EQ(entries(array), (std::vector<std::string>{"A", "B", "C"}));
}

TEST(CErrorHandlerTexts, ANumberBeyondTheLastLineGivesLineZeroAndTheNumber) {
    auto frame = std::make_unique<QWidget>();
    auto view = view_with({{"ERRORMESSAGES", "A\nB\nC"}, {"WARNINGS_TEXTS", "X\nY"}});
    ASSERT_EQ(CErrorHandler::init(GwCore::of(frame.get()), GwCore::of(view.get())), 0);
    EXPECT_EQ(CErrorHandler::error_msg(2, 0), "C");
    EXPECT_EQ(CErrorHandler::error_msg(7, 0), "A7");
    EXPECT_EQ(CErrorHandler::error_msg(1, 1), "B\n");
    EXPECT_EQ(CErrorHandler::warning(1, 0), "Y");
    EXPECT_EQ(CErrorHandler::warning(5, 1) + "COM1", "X5\nCOM1");
    CErrorHandler::cleanup();
    CErrorHandler::_appfrm = nullptr;
}

TEST(CErrorHandlerTexts, WithoutAnyTextsTheNumberIsStillNamed) {
    CErrorHandler::cleanup();
    EXPECT_EQ(CErrorHandler::error_msg(7, 0), "Error 7");
    EXPECT_EQ(CErrorHandler::warning(44, 1), "Message 44\n");
}

TEST(CErrorHandlerInit, WithoutAnyFrameGivesMinusOneAndLeavesTheTexts) {
    CErrorHandler::_appfrm = nullptr;
    CErrorHandler::cleanup();
    auto view = view_with({{"ERRORMESSAGES", "A"}});
    EXPECT_EQ(CErrorHandler::init(nullptr, GwCore::of(view.get())), -1);
    EXPECT_EQ(CErrorHandler::_errmsg, nullptr);
}

TEST(CErrorHandlerInit, AMissingLabelLeavesItsListEmpty) {
    auto frame = std::make_unique<QWidget>();
    auto view = view_with({{"ERRORMESSAGES", "A\nB"}});
    EXPECT_EQ(CErrorHandler::init(GwCore::of(frame.get()), GwCore::of(view.get())), 0);
    EXPECT_EQ(CErrorHandler::_errmsg->count(), 2);
    EXPECT_EQ(CErrorHandler::_warnings->count(), 0);
    // A later init without a frame keeps the stored one.
    EXPECT_EQ(CErrorHandler::init(nullptr, nullptr), 0);
    EXPECT_EQ(CErrorHandler::AppFrm()->widget(), frame.get());
    CErrorHandler::cleanup();
    CErrorHandler::_appfrm = nullptr;
}

struct BoxRow {
    const char* name;
    int (*show)(const GwString&);
    const char* title;
    const char* bitmap;
    std::vector<std::string> labels;
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const BoxRow& row, std::ostream* os) {
    *os << row.name;
}

class CErrorHandlerBox : public CErrorHandlerTest, public testing::WithParamInterface<BoxRow> {};

TEST_P(CErrorHandlerBox, HasItsTitleBitmapAndButtons) {
    const BoxRow& row = GetParam();
    GwScriptedAnswers::press_button(row.labels.back().c_str());
    const int result = row.show("File written:\nc:\\a.slp");
    const Shown* box = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title, row.title);
    EXPECT_EQ(box->text, "File written:\nc:\\a.slp");
    EXPECT_EQ(box->bitmap, row.bitmap);
    ASSERT_EQ(box->buttons.size(), row.labels.size());
    for (std::size_t i = 0; i < row.labels.size(); ++i)
        EXPECT_EQ(box->buttons[i].label, row.labels[i].c_str());
    EXPECT_EQ(result, box->buttons.back().result);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
}

int show_info(const GwString& text) {
    CErrorHandler::Info(text);
    return GwMB_RESULT_OK;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CErrorHandlerBox,
    testing::Values(
        BoxRow{"Error", CErrorHandler::show_error, "ZEP Error: ", "mb_stop", {"OK"}},
        BoxRow{"Data", CErrorHandler::show_data, "ZEP Data: ", "mb_info", {"OK"}},
        BoxRow{"Info", show_info, " Information ", "mb_info", {"OK"}},
        BoxRow{
            "Extra", CErrorHandler::show_extra, " Information ", "mb_info", {"OK", "OK for all"}}),
    [](const testing::TestParamInfo<BoxRow>& info) { return info.param.name; });

TEST_F(CErrorHandlerTest, TheSecondButtonOfShowExtraGivesSeventeenAndSpeaksGerman) {
    GwLanguage::set_number(49);
    GwScriptedAnswers::press_button("OK für alle");
    EXPECT_EQ(CErrorHandler::show_extra("x"), 17);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
}

struct LanguageRow {
    const char* name;
    int language;
    std::vector<std::string> labels; // Yes, No, Cancel
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const LanguageRow& row, std::ostream* os) {
    *os << row.name;
}

class CErrorHandlerQuestion : public CErrorHandlerTest,
                              public testing::WithParamInterface<LanguageRow> {};

TEST_P(CErrorHandlerQuestion, LabelsItsButtonsInTheInterfaceLanguage) {
    GwLanguage::set_number(GetParam().language);
    const auto& labels = GetParam().labels;
    const int codes[] = {GwMB_RESULT_YES, GwMB_RESULT_NO, GwMB_RESULT_CANCEL};
    for (int i = 0; i < 3; ++i) {
        GwScriptedAnswers::press_button(labels[static_cast<std::size_t>(i)].c_str());
        EXPECT_EQ(CErrorHandler::Question("ZEP Setup", "Save?", 0x14200), codes[i]);
    }
    const Shown* box = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    ASSERT_EQ(box->buttons.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(box->buttons[i].label, labels[i].c_str());
    EXPECT_EQ(box->title, "ZEP Setup");
    EXPECT_EQ(box->bitmap, "mb_quest");
    EXPECT_TRUE(box->buttons[1].is_default) << "No is the default";
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CErrorHandlerQuestion,
    testing::Values(LanguageRow{"German", 49, {"Ja", "Nein", "Abbrechen"}},
                    LanguageRow{"French", 33, {"Oui", "Non", "Annule"}},
                    LanguageRow{"English", 1, {"Yes", "No", "Cancel"}},
                    LanguageRow{"OtherIsEnglish", 44, {"Yes", "No", "Cancel"}}),
    [](const testing::TestParamInfo<LanguageRow>& info) { return info.param.name; });

TEST_F(CErrorHandlerTest, AYesNoQuestionNobodyAnswersIsRefused) {
    EXPECT_EQ(CErrorHandler::Question("Factory defaults missing", "Load anyway?", 0x4200),
              GwMB_RESULT_NO);
}

TEST_F(CErrorHandlerTest, AnInformationBoxShowsTheWaitCursorUntilItIsDestroyed) {
    GwMessageBox* box = CErrorHandler::info_msg("Reading the parameters ...");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->is_visible(), 1);
    EXPECT_NE(CErrorHandler::_wait, nullptr);
    EXPECT_EQ(GwWaitObject::active(), 1);
    const Shown* shown = GwScriptedAnswers::last(GwScriptedAnswers::Info);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text, "Reading the parameters ...");
    EXPECT_TRUE(shown->buttons.empty());
    CErrorHandler::msgbox_destroy(box);
    EXPECT_EQ(CErrorHandler::_wait, nullptr);
    EXPECT_EQ(GwWaitObject::active(), 0);
}

TEST_F(CErrorHandlerTest, AModalBoxRemovesTheWaitCursorOfAnInformationBox) {
    GwMessageBox* box = CErrorHandler::info_msg("Download ...");
    EXPECT_EQ(GwWaitObject::active(), 1);
    CErrorHandler::show_error("Connection timed out !: 0");
    EXPECT_EQ(GwWaitObject::active(), 0);
    EXPECT_EQ(CErrorHandler::_wait, nullptr);
    CErrorHandler::msgbox_destroy(box);
    EXPECT_EQ(GwWaitObject::active(), 0) << "destroying does not go below zero";
}

TEST_F(CErrorHandlerTest, SetWaitMakesOneCursorOnly) {
    CErrorHandler::set_wait();
    CErrorHandler::set_wait();
    EXPECT_EQ(GwWaitObject::active(), 1);
    CErrorHandler::destroy_wait();
    EXPECT_EQ(GwWaitObject::active(), 0);
}

// --- The shipped texts ----------------------------------------------------------------------

struct ShippedRow {
    const char* name;
    int language;
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const ShippedRow& row, std::ostream* os) {
    *os << row.name;
}

class CErrorHandlerShipped : public testing::TestWithParam<ShippedRow> {
protected:
    void SetUp() override {
        GwLanguage::set_number(GetParam().language);
        ASSERT_EQ(GwRcMgr::use(ZEP_PROGRAM_DIR "/zepmain"), 1);
        frame = std::make_unique<QWidget>();
        view.reset(GwRcMgr::load("Error_Warnings", GwCore::of(frame.get())));
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(CErrorHandler::init(GwCore::of(frame.get()), view.get()), 0);
    }
    void TearDown() override {
        view.reset();
        CErrorHandler::cleanup();
        CErrorHandler::_appfrm = nullptr;
        GwRcMgr::unuse(ZEP_PROGRAM_DIR "/zepmain");
        GwLanguage::set_number(1);
    }
    std::unique_ptr<QWidget> frame;
    std::unique_ptr<GwCore> view;
};

// Every number some part of the system shows.
const unsigned kErrors[] = {2,  4,  5,  6,  7,  11, 12, 13, 14, 17, 18, 19, 21, 22, 23,
                            26, 31, 32, 41, 49, 50, 51, 52, 54, 55, 56, 57, 58, 59, 60};
const unsigned kWarnings[] = {1,  5,  6,  7,  8,  9,  11, 12, 13, 16, 18, 19,
                              20, 21, 22, 23, 24, 25, 30, 31, 38, 39, 40, 44,
                              45, 47, 48, 49, 50, 51, 52, 57, 58, 59, 62};

// The placeholder text of number n, made from the placeholder of an unused number.
GwString placeholder(const GwString& unused_text, unsigned unused, unsigned n) {
    const GwString number(static_cast<int>(unused));
    const int at = unused_text.first(number);
    GwString result = unused_text;
    if (at >= 0) {
        result.remove(at, at + number.len() - 1);
        result = result(0, at - 1) + GwString(static_cast<int>(n)) + result.from(at);
    }
    return result;
}

TEST_P(CErrorHandlerShipped, EveryNumberInUseHasARealText) {
    EXPECT_EQ(CErrorHandler::_errmsg->count(), 61);
    EXPECT_EQ(CErrorHandler::_warnings->count(), 63);
    // Unused numbers keep a text that names them.
    const GwString unused_error = CErrorHandler::error_msg(1, 0);
    const GwString unused_warning = CErrorHandler::warning(2, 0);
    EXPECT_EQ(unused_error.contains("1"), 1) << unused_error.str();
    EXPECT_EQ(unused_warning.contains("2"), 1) << unused_warning.str();
    EXPECT_EQ(CErrorHandler::error_msg(3, 0), placeholder(unused_error, 1, 3));
    for (unsigned n : kErrors) {
        const GwString t = CErrorHandler::error_msg(n, 0);
        EXPECT_GE(t.len(), 4) << "error " << n;
        EXPECT_NE(t, placeholder(unused_error, 1, n)) << "error " << n;
    }
    for (unsigned n : kWarnings) {
        const GwString t = CErrorHandler::warning(n, 0);
        EXPECT_GE(t.len(), 4) << "warning " << n;
        EXPECT_NE(t, placeholder(unused_warning, 2, n)) << "warning " << n;
    }
}

TEST_P(CErrorHandlerShipped, ComposedMessagesFitTogether) {
    // Save question: the last four characters of warning 52 go when no file name follows.
    const GwString w52 = CErrorHandler::warning(52, 0);
    ASSERT_GE(w52.len(), 5);
    EXPECT_EQ(w52[w52.len() - 1], ' ');
    EXPECT_EQ(w52[w52.len() - 4], ' ');
    EXPECT_NE(w52[w52.len() - 5], ' ');
    // Halves that a name follows directly end in a blank.
    for (unsigned n : {18u, 22u, 23u})
        EXPECT_EQ(CErrorHandler::error_msg(n, 0).ends_with(" "), 1) << "error " << n;
    for (unsigned n : {22u, 23u})
        EXPECT_EQ(CErrorHandler::warning(n, 0).ends_with(" "), 1) << "warning " << n;
    // A number without a line names itself.
    EXPECT_EQ(CErrorHandler::error_msg(99, 0).ends_with("99"), 1);
    EXPECT_EQ(CErrorHandler::warning(99, 0).ends_with("99"), 1);
}

TEST_P(CErrorHandlerShipped, AQuestionWithShippedTextsShowsThemInItsLanguage) {
    const GwString text = CErrorHandler::warning(44, 1) + "c:\\data\\a.slp";
    GwScriptedAnswers::answer_box(GwMB_RESULT_YES);
    EXPECT_EQ(CErrorHandler::Question(CErrorHandler::error_msg(41, 0), text, 0x4200),
              GwMB_RESULT_YES);
    const Shown* box = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    EXPECT_EQ(box->text, text);
    const char* yes = GetParam().language == 49 ? "Ja" : GetParam().language == 33 ? "Oui" : "Yes";
    EXPECT_EQ(box->buttons[0].label, yes);
}

INSTANTIATE_TEST_SUITE_P(Languages, CErrorHandlerShipped,
                         testing::Values(ShippedRow{"English", 1}, ShippedRow{"German", 49},
                                         ShippedRow{"French", 33}),
                         [](const testing::TestParamInfo<ShippedRow>& info) {
                             return info.param.name;
                         });

TEST(CErrorHandlerShippedLanguages, EachLanguageBringsItsOwnTexts) {
    ASSERT_EQ(GwRcMgr::use(ZEP_PROGRAM_DIR "/zepmain"), 1);
    auto frame = std::make_unique<QWidget>();
    std::vector<std::string> texts;
    for (int language : {1, 49, 33}) {
        GwLanguage::set_number(language);
        std::unique_ptr<GwCore> view(GwRcMgr::load("Error_Warnings", GwCore::of(frame.get())));
        CErrorHandler::init(GwCore::of(frame.get()), view.get());
        texts.push_back(CErrorHandler::error_msg(4, 0).str());
    }
    EXPECT_NE(texts[0], texts[1]);
    EXPECT_NE(texts[0], texts[2]);
    EXPECT_NE(texts[1], texts[2]);
    CErrorHandler::cleanup();
    CErrorHandler::_appfrm = nullptr;
    GwRcMgr::unuse(ZEP_PROGRAM_DIR "/zepmain");
    GwLanguage::set_number(1);
}

} // namespace
