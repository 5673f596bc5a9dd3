// Message boxes show their text as it stands. Button sets, the code of each button and the
// result of a box nobody answers are the message handler's tests (they read the buttons as
// shown); a box inside a running dialog is the modal tests'.
#include "GwMessageBox.h"
#include "GwStringPrint.h"

#include <QDialog>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

TEST(GwMessageBox, TextIsPlainWithItsLineBreaks) {
    GwMessageBox box(nullptr, "Received <STX>abc<ETX>\nsecond line", "T", GwMB_OK);
    auto* label = box.dialog()->findChild<QLabel*>("GwMB_TEXT");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(box.text(), "Received <STX>abc<ETX>\nsecond line");
}

} // namespace
