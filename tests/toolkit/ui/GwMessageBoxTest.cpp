// Message boxes with every button set the system uses, answered through the scripted
// answers: what is shown (buttons and labels) and which code comes back. Titles, bitmaps,
// relabelled and default buttons and boxes shown without a run are the message handler's tests.
#include "GwMessageBox.h"
#include "GwScriptedAnswers.h"
#include "GwStringPrint.h"
#include "ShownText.h"

#include <QDialog>
#include <QLabel>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Shown = GwScriptedAnswers::Shown;

const Shown* last_box() {
    return GwScriptedAnswers::last(GwScriptedAnswers::Box);
}

TEST(GwMessageBox, EachButtonSetShowsItsButtonsAndGivesEachButtonsCode) {
    struct Row {
        long set;
        std::vector<const char*> labels; // in the order shown
        const char* buttons;
        int neutral; // closing without a button
    };
    for (const Row& row :
         {Row{32, {"OK"}, "OK=6 ", 6}, Row{0x4200, {"Yes", "No"}, "Yes=10 No=17 ", 17},
          Row{0x14200, {"Yes", "No", "Cancel"}, "Yes=10 No=17 Cancel=15 ", 15},
          Row{16416, {"OK", "No"}, "OK=6 No=17 ", 17}}) {
        SCOPED_TRACE(row.buttons);
        GwScriptedAnswers::reset();
        for (const char* label : row.labels) {
            GwScriptedAnswers::press_button(label);
            const int result = GwMessageBox(nullptr, "Text", "Title", row.set, "mb_quest").go();
            EXPECT_EQ(buttons_of(last_box()), row.buttons);
            EXPECT_NE(std::string(row.buttons).find(label + ("=" + std::to_string(result))),
                      std::string::npos)
                << label << " gave " << result;
            EXPECT_EQ(last_box()->result, result);
        }
        EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
        EXPECT_EQ(GwMessageBox(nullptr, "Text", "Title", row.set).go(), row.neutral);
        EXPECT_EQ(GwScriptedAnswers::unanswered(), 1) << "a box nobody answers closes at once";
    }
}

TEST(GwMessageBox, TextIsPlainWithItsLineBreaks) {
    GwMessageBox box(nullptr, "Received <STX>abc<ETX>\nsecond line", "T", GwMB_OK);
    auto* label = box.dialog()->findChild<QLabel*>("GwMB_TEXT");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(box.text(), "Received <STX>abc<ETX>\nsecond line");
}

} // namespace
