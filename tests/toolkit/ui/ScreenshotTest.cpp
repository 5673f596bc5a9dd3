// Pictures of a message box and of a loaded layout, for a person to look at: without fonts
// Qt draws boxes without any text and no other test would notice. Runs only when
// ZEP_SCREENSHOT_DIR names a directory (tests/screenshots.sh does this under xvfb-run).
#include "GwEventLoop.h"
#include "GwFont.h"
#include "GwMessageBox.h"
#include "UiFixture.h"

#include <QDir>
#include <QFontInfo>
#include <QPixmap>
#include <QWidget>

#include <cstdlib>
#include <memory>

namespace {

class Screenshots : public UiTest {
protected:
    void SetUp() override {
        const char* dir = std::getenv("ZEP_SCREENSHOT_DIR");
        if (dir == nullptr || *dir == '\0')
            GTEST_SKIP() << "ZEP_SCREENSHOT_DIR not set";
        out = QDir(QString::fromLocal8Bit(dir));
        ASSERT_TRUE(out.exists());
        UiTest::SetUp();
    }
    void save(QWidget* w, const char* name) {
        for (int i = 0; i < 5; ++i)
            GwEventLoop::process_pending();
        EXPECT_FALSE(QFontInfo(w->font()).family().isEmpty());
        ASSERT_TRUE(w->grab().save(out.filePath(name)));
    }
    QDir out;
};

TEST_F(Screenshots, MessageBox) {
    GwMessageBox box(nullptr,
                     "Die Parameter wurden geändert.\n \nÄnderungen speichern in "
                     "c:\\data\\zep100.slp ?",
                     "ZEP Setup", 0x14200, "mb_quest");
    box.set_button_text(GwMB_YES, "Ja");
    box.set_button_text(GwMB_NO, "Nein");
    box.set_button_text(GwMB_CANCEL, "Abbrechen");
    box.set_font(GwFont("GwDialogFont"));
    for (GwCore* c : box.descendants())
        c->set_font(GwFont("GwDialogFont"));
    box.set_colors(GwColor::black(), GwColor::white());
    box.show();
    save(box.widget(), "message_box.png");
}

TEST_F(Screenshots, LoadedLayout) {
    std::unique_ptr<GwCore> main(GwRcMgr::load("Main"));
    ASSERT_NE(main, nullptr);
    main->child("SCANNER_TYPE")->add_item("ZEP100");
    main->child("SCANNER_TYPE")->select_item(0);
    main->child("LIST")->add_item("To  W0");
    main->child("LIST")->add_item("From  RV-4400 V2.10");
    main->child("ID_PROGRESS")->set_end(84.0);
    main->child("ID_PROGRESS")->set_slider_value(42.0);
    main->resize(640, 640);
    main->show();
    save(main->widget(), "layout.png");
}

} // namespace
