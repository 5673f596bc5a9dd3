// Message texts from the "Error_Warnings" labels and the message boxes of the system, in the
// three interface languages.
#include "CErrorHandler.h"
#include "CInfoBox.h"
#include "DynGwStringPtrArray.h"
#include "GwCore.h"
#include "GwLanguage.h"
#include "GwMessageBox.h"
#include "GwRcMgr.h"
#include "GwScriptedAnswers.h"
#include "GwWaitObject.h"
#include "ShownText.h"
#include "StringLists.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using Shown = GwScriptedAnswers::Shown;

// A view with labels of the given names and texts.
std::unique_ptr<QWidget> view_with(const std::vector<std::pair<const char*, const char*>>& labels) {
    auto view = std::make_unique<QWidget>();
    for (const auto& [name, text] : labels)
        (new QLabel(QString::fromUtf8(text), view.get()))->setObjectName(name);
    return view;
}

// Every test leaves the handler as it found it: no frame, no texts, no wait cursor.
class CErrorHandlerTest : public testing::Test {
protected:
    void TearDown() override {
        CErrorHandler::cleanup();
        CErrorHandler::destroy_wait();
        CErrorHandler::_appfrm = nullptr;
        GwLanguage::set_number(1);
    }
    // Texts "A", "B", "C" and "X", "Y" with a frame.
    void init() {
        view = view_with({{"ERRORMESSAGES", "A\nB\nC"}, {"WARNINGS_TEXTS", "X\nY"}});
        ASSERT_EQ(CErrorHandler::init(GwCore::of(&frame), GwCore::of(view.get())), 0);
    }
    QWidget frame;
    std::unique_ptr<QWidget> view;
};

TEST(CErrorHandlerRead, AppendsOneEntryPerLineOfALabel) {
    const std::pair<const char*, Texts> rows[] = {{"A\n\nB", {"A", "", "B"}},
                                                  {"A\nB\n", {"A", "B"}},
                                                  {"\nA", {"", "A"}},
                                                  {"", {}},
                                                  {" x \n", {" x "}}};
    for (const auto& [text, lines] : rows) {
        auto view = view_with({{"L", text}});
        DynGwStringPtrArray array(25, 10);
        array.add("kept");
        EXPECT_EQ(CErrorHandler::read_label_text(GwCore::of(view.get()), "L", &array), 0);
        Texts expected{"kept"};
        expected.insert(expected.end(), lines.begin(), lines.end());
        EXPECT_EQ(texts_of(&array), expected) << text;
    }
}

TEST_F(CErrorHandlerTest, AMissingLabelLeavesItsListEmptyAndTheFrameIsKept) {
    auto messages = view_with({{"ERRORMESSAGES", "A\nB"}});
    EXPECT_EQ(CErrorHandler::init(nullptr, GwCore::of(messages.get())), -1) << "no frame yet";
    EXPECT_EQ(CErrorHandler::_errmsg, nullptr);
    EXPECT_EQ(CErrorHandler::init(GwCore::of(&frame), GwCore::of(messages.get())), 0);
    EXPECT_EQ(CErrorHandler::_errmsg->count() * 10 + CErrorHandler::_warnings->count(), 20);
    EXPECT_EQ(CErrorHandler::init(nullptr, nullptr), 0);
    EXPECT_EQ(CErrorHandler::AppFrm()->widget(), &frame);
}

TEST_F(CErrorHandlerTest, ANumberWithoutALineGivesLineZeroAndTheNumber) {
    // Before init there are no texts at all, and the number is still named.
    CErrorHandler::cleanup();
    EXPECT_EQ(CErrorHandler::error_msg(7, 0), "Error 7");
    EXPECT_EQ(CErrorHandler::warning(44, 1), "Message 44\n");
    init();
    EXPECT_EQ(CErrorHandler::error_msg(2, 0), "C");
    EXPECT_EQ(CErrorHandler::error_msg(7, 0), "A7");
    EXPECT_EQ(CErrorHandler::error_msg(1, 1), "B\n");
    EXPECT_EQ(CErrorHandler::warning(5, 1) + "COM1", "X5\nCOM1");
}

TEST_F(CErrorHandlerTest, AQuestionSpeaksTheInterfaceLanguageAndDefaultsToNo) {
    for (const auto& [language, buttons] : {std::pair{49, "Ja=10 Nein=17* Abbrechen=15 "},
                                            {33, "Oui=10 Non=17* Annule=15 "},
                                            {44, "Yes=10 No=17* Cancel=15 "}}) {
        SCOPED_TRACE(language);
        GwLanguage::set_number(language);
        GwScriptedAnswers::reset();
        GwScriptedAnswers::answer_box(GwMB_RESULT_CANCEL);
        EXPECT_EQ(CErrorHandler::Question("ZEP Setup", "Save?", 0x14200), GwMB_RESULT_CANCEL);
        EXPECT_EQ(box_of(GwScriptedAnswers::last(GwScriptedAnswers::Box)),
                  "ZEP Setup|Save?|mb_quest");
        EXPECT_EQ(buttons_of(GwScriptedAnswers::last(GwScriptedAnswers::Box)), buttons);
        // A yes/no question nobody answers is refused.
        EXPECT_EQ(CErrorHandler::Question("Defaults", "Load anyway?", 0x4200), GwMB_RESULT_NO);
        // show_extra's second button speaks German too.
        GwScriptedAnswers::answer_box(17);
        EXPECT_EQ(CErrorHandler::show_extra("x"), 17);
        EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::Box)->buttons[1].label,
                  language == 49 ? "OK für alle" : "OK for all");
    }
}

// The guard removes its box and the wait cursor once, also when the box changes hands; a box
// removed twice or never fails the sanitizer build.
TEST_F(CErrorHandlerTest, AnInformationBoxLastsAsLongAsTheGuardThatHoldsIt) {
    QPointer<QWidget> shown_box;
    {
        CInfoBox box("Reading the parameters ...");
        ASSERT_NE(box.get(), nullptr);
        shown_box = box.get()->widget();
        EXPECT_EQ(box.get()->is_visible() + GwWaitObject::active(), 2);
        const Shown* shown = GwScriptedAnswers::last(GwScriptedAnswers::Info);
        EXPECT_EQ(shown ? shown->text.str() + buttons_of(shown) : "", "Reading the parameters ...");
        CInfoBox moved(std::move(box));
        box = CInfoBox("second"); // the guard moved from holds a new box again
        moved = std::move(box);   // the first box goes here
        EXPECT_TRUE(shown_box.isNull());
        EXPECT_EQ(box.get(), nullptr);
    }
    EXPECT_EQ(GwWaitObject::active(), 0);
    // Handed on without removing, then adopted: it stays until the adopting guard ends.
    GwMessageBox* raw = CInfoBox("Download ...").release();
    ASSERT_NE(raw, nullptr);
    shown_box = raw->widget();
    EXPECT_EQ(raw->is_visible() + GwWaitObject::active(), 2);
    {
        CInfoBox adopted = CInfoBox::adopt(raw);
        CErrorHandler::show_error("Connection timed out !: 0");
        EXPECT_EQ(GwWaitObject::active(), 0) << "a modal box removes the wait cursor";
        EXPECT_FALSE(shown_box.isNull());
    }
    EXPECT_TRUE(shown_box.isNull());
    CInfoBox::adopt(nullptr).close();
    EXPECT_EQ(CErrorHandler::_wait, nullptr);
}

// --- The shipped texts ----------------------------------------------------------------------

// A text without its digits: the placeholders of unused numbers differ only in those.
std::string letters(const GwString& text) {
    std::string out;
    for (char c : text.str())
        out += c >= '0' && c <= '9' ? "" : std::string(1, c);
    return out;
}

// One mark per number of a list: "x" for a text of its own, "." for a placeholder (these
// differ from that of the unused number only in their digits).
std::string marks(GwString (*text)(unsigned, unsigned), unsigned count, unsigned unused) {
    const std::string placeholder = letters(text(unused, 0));
    std::string out;
    for (unsigned n = 0; n < count; ++n)
        out += text(n, 0).len() >= 4 && letters(text(n, 0)) != placeholder ? 'x' : '.';
    return out;
}

class CErrorHandlerShipped : public CErrorHandlerTest, public testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        ASSERT_EQ(GwRcMgr::use(ZEP_PROGRAM_DIR "/zepmain"), 1);
        for (int language : {1, GetParam()}) { // English first, for comparison
            GwLanguage::set_number(language);
            shipped.reset(GwRcMgr::load("Error_Warnings", GwCore::of(&frame)));
            ASSERT_NE(shipped, nullptr);
            ASSERT_EQ(CErrorHandler::init(GwCore::of(&frame), shipped.get()), 0);
            ASSERT_EQ(CErrorHandler::_errmsg->count() * 100 + CErrorHandler::_warnings->count(),
                      6884);
            in_use.push_back(marks(CErrorHandler::error_msg, 68, 1) + "|" +
                             marks(CErrorHandler::warning, 84, 2));
            error_4.push_back(CErrorHandler::error_msg(4, 0).str());
        }
    }
    void TearDown() override {
        shipped.reset();
        GwRcMgr::unuse(ZEP_PROGRAM_DIR "/zepmain");
        CErrorHandlerTest::TearDown();
    }
    std::unique_ptr<GwCore> shipped;
    std::vector<std::string> in_use, error_4; // English, then the language's
};

// The numbers with a text are the same in every language: the 37 errors and 56 messages in
// use and the unknown number 0 of each list; a placeholder names its number.
TEST_P(CErrorHandlerShipped, EveryNumberInUseHasARealTextInTheLanguage) {
    EXPECT_EQ(in_use[1], in_use[0]);
    EXPECT_EQ(std::count(in_use[0].begin(), in_use[0].end(), 'x'), 38 + 57);
    EXPECT_EQ(error_4[1] == error_4[0], GetParam() == 1) << "translated";
    EXPECT_EQ(CErrorHandler::error_msg(1, 0).contains("1") +
                  CErrorHandler::warning(2, 0).contains("2"),
              2);
}

INSTANTIATE_TEST_SUITE_P(Languages, CErrorHandlerShipped, testing::Values(1, 49, 33),
                         testing::PrintToStringParamName());

} // namespace
