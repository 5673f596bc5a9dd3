// Message boxes with every button set the system uses, answered through the scripted
// answers: what is shown (title, text, bitmap, buttons and labels) and which code comes back.
#include "GwMessageBox.h"
#include "GwScriptedAnswers.h"

#include <QDialog>
#include <QLabel>

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace {

using Shown = GwScriptedAnswers::Shown;

struct BoxRow {
    const char* name;
    long set;
    std::vector<std::string> labels; // in the order shown
    std::vector<int> results;        // the code of each button
    int neutral;                     // closing without a button
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const BoxRow& row, std::ostream* os) {
    *os << row.name;
}

class GwMessageBoxSet : public testing::TestWithParam<BoxRow> {};

TEST_P(GwMessageBoxSet, ShowsItsButtonsAndGivesEachButtonsCode) {
    const BoxRow& row = GetParam();
    for (std::size_t i = 0; i < row.labels.size(); ++i) {
        GwScriptedAnswers::reset();
        GwScriptedAnswers::press_button(row.labels[i].c_str());
        GwMessageBox box(nullptr, "Text", "Title", row.set, "mb_quest");
        EXPECT_EQ(box.go(), row.results[i]) << row.labels[i];
        const Shown* shown = GwScriptedAnswers::last(GwScriptedAnswers::Box);
        ASSERT_NE(shown, nullptr);
        ASSERT_EQ(shown->buttons.size(), row.labels.size());
        for (std::size_t k = 0; k < row.labels.size(); ++k) {
            EXPECT_EQ(shown->buttons[k].label, row.labels[k].c_str());
            EXPECT_EQ(shown->buttons[k].result, row.results[k]);
        }
        EXPECT_EQ(shown->result, row.results[i]);
        EXPECT_TRUE(shown->answered);
    }
}

TEST_P(GwMessageBoxSet, AnsweredByCodeLikeByButton) {
    const BoxRow& row = GetParam();
    GwScriptedAnswers::answer_box(row.results.back());
    GwMessageBox box(nullptr, "Text", "Title", row.set);
    EXPECT_EQ(box.go(), row.results.back());
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
}

TEST_P(GwMessageBoxSet, AnUnansweredBoxClosesAtOnceWithItsNeutralCode) {
    GwMessageBox box(nullptr, "Text", "Title", GetParam().set);
    EXPECT_EQ(box.go(), GetParam().neutral);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    ButtonSets, GwMessageBoxSet,
    testing::Values(BoxRow{"Ok", 32, {"OK"}, {6}, 6},
                    BoxRow{"YesNo", 0x4200, {"Yes", "No"}, {10, 17}, 17},
                    BoxRow{"YesNoCancel", 0x14200, {"Yes", "No", "Cancel"}, {10, 17, 15}, 15},
                    BoxRow{"OkAndSecond", 16416, {"OK", "No"}, {6, 17}, 17}),
    [](const testing::TestParamInfo<BoxRow>& info) { return info.param.name; });

TEST(GwMessageBox, RelabelledButtonsKeepTheirCodes) {
    GwMessageBox box(nullptr, "Saved.", " Information ", 16416, "mb_info");
    box.set_button_text(GwMB_NO, "OK for all");
    EXPECT_EQ(box.button_text(GwMB_NO), "OK for all");
    EXPECT_EQ(box.button_text(GwMB_CANCEL), "") << "not in the set";
    GwScriptedAnswers::press_button("OK for all");
    EXPECT_EQ(box.go(), 17);
    const Shown* shown = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    EXPECT_EQ(shown->title, " Information ");
    EXPECT_EQ(shown->text, "Saved.");
    EXPECT_EQ(shown->bitmap, "mb_info");
    EXPECT_EQ(shown->buttons[1].label, "OK for all");
}

TEST(GwMessageBox, AnAnswerThatNamesNoButtonIsNotUsed) {
    GwScriptedAnswers::answer_box(10); // there is no Yes
    GwMessageBox box(nullptr, "Text", "Title", GwMB_OK);
    EXPECT_EQ(box.go(), 6);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 1);
}

TEST(GwMessageBox, TheDefaultButtonIsMarked) {
    GwMessageBox box(nullptr, "Sure?", "Q", 0x4200);
    box.set_default_button(GwMB_NO);
    GwScriptedAnswers::answer_box(10);
    box.go();
    const Shown* shown = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    EXPECT_FALSE(shown->buttons[0].is_default);
    EXPECT_TRUE(shown->buttons[1].is_default);
}

TEST(GwMessageBox, TextIsShownAsPlainTextWithItsLineBreaks) {
    GwMessageBox box(nullptr, "Received <STX>abc<ETX>\nsecond line", "T", GwMB_OK);
    auto* label = box.dialog()->findChild<QLabel*>("GwMB_TEXT");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(box.text(), "Received <STX>abc<ETX>\nsecond line");
}

TEST(GwMessageBox, ABoxShownWithoutARunIsRecordedAsInformation) {
    auto* box = new GwMessageBox(nullptr, "Reading the file ...");
    box->show();
    EXPECT_EQ(box->is_visible(), 1);
    const Shown* shown = GwScriptedAnswers::last(GwScriptedAnswers::Info);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text, "Reading the file ...");
    EXPECT_TRUE(shown->buttons.empty());
    delete box;
}

TEST(GwMessageBox, DecorationAndModalityAreKept) {
    GwMessageBox box(nullptr, "x");
    box.set_frame_decoration(box.frame_decoration() | GwFD_ON_TOP);
    box.set_modality(2);
    box.set_style(1);
    EXPECT_EQ(box.frame_decoration() & GwFD_ON_TOP, GwFD_ON_TOP);
    EXPECT_TRUE(box.dialog()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(box.dialog()->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box.style(), 1);
}

} // namespace
