// Pictures of a message box and of a loaded layout, for a person to look at: without fonts
// Qt draws boxes without any text and no other test would notice. Runs only when
// ZEP_SCREENSHOT_DIR names a directory (tests/screenshots.sh does this under xvfb-run).
#include "GwEventLoop.h"
#include "GwFont.h"
#include "GwMessageBox.h"
#include "UiFixture.h"

#include <QDir>
#include <QWidget>

#include <cstdlib>
#include <memory>

namespace {

void save(GwCore* window, const char* name) {
    window->show();
    for (int i = 0; i < 5; ++i)
        GwEventLoop::process_pending();
    const QDir out(QString::fromLocal8Bit(std::getenv("ZEP_SCREENSHOT_DIR")));
    EXPECT_TRUE(window->widget()->grab().save(out.filePath(name))) << name;
}

using Screenshots = UiTest;

TEST_F(Screenshots, MessageBoxAndLayout) {
    const char* dir = std::getenv("ZEP_SCREENSHOT_DIR");
    if (dir == nullptr || !QDir(QString::fromLocal8Bit(dir)).exists())
        GTEST_SKIP() << "ZEP_SCREENSHOT_DIR names no directory";
    GwMessageBox box(nullptr,
                     "Die Parameter wurden geändert.\n \nÄnderungen speichern in "
                     "c:\\data\\zep100.slp ?",
                     "ZEP Setup", 0x14200, "mb_quest");
    box.set_button_text(GwMB_YES, "Ja");
    box.set_button_text(GwMB_NO, "Nein");
    box.set_button_text(GwMB_CANCEL, "Abbrechen");
    for (GwCore* c : box.descendants())
        c->set_font(GwFont("GwDialogFont"));
    save(&box, "message_box.png");

    std::unique_ptr<GwCore> main(GwRcMgr::load("Main"));
    main->child("SCANNER_TYPE")->add_item("ZEP100");
    main->child("LIST")->add_item("From  RV-4400 V2.10");
    main->child("ID_PROGRESS")->set_slider_value(42.0);
    main->resize(640, 640);
    save(main.get(), "layout.png");
}

} // namespace
