// Pictures of the main window with each tab page of the parameter dialog below it, and of the
// program's dialogs, in the three languages, for a person to look at (cut texts, overlaps,
// icons missing). Runs only when ZEP_SCREENSHOT_DIR names a directory (tests/screenshots.sh
// does this under xvfb-run).
#include "FrameTestSupport.h"
#include "GwEventLoop.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <cstdlib>

namespace {

void settle() {
    for (int i = 0; i < 10; ++i)
        GwEventLoop::wait_for_events(20);
}

// The screen area covering the windows, as a person sees them.
void grab(const std::vector<QWidget*>& windows, const QString& path) {
    QRect area;
    for (QWidget* w : windows)
        area = area.united(w->frameGeometry());
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    ASSERT_TRUE(screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(path));
}

QString out_dir() {
    const char* dir = std::getenv("ZEP_SCREENSHOT_DIR");
    return dir != nullptr ? QString::fromLocal8Bit(dir) : QString();
}

TEST(Screenshots, MainWindowAndDialogs) {
    if (out_dir().isEmpty())
        GTEST_SKIP() << "ZEP_SCREENSHOT_DIR not set";
    const QDir out(out_dir());
    for (int language : {1, 49, 33}) {
        ProgramDir program;
        FrameUnderTest t(program, "delay=0;wire=off", language);
        CInitMgr::_ImmediateConnect = 1;
        t.start();
        ASSERT_NE(t.dialog(), nullptr);
        t.dialog()->set_title(t.dialog()->title() + "[c:\\data\\line 4.slp]");
        GwCore* tabs = t.dialog()->child("TabCtl");
        for (GwCore* page : tabs->children()) {
            tabs->set_active_page(page);
            settle();
            grab({t.main->widget(), t.dialog()->widget()},
                 out.filePath(QString("main_%1_%2.png").arg(language).arg(page->id().cc())));
        }
        // The dialogs, each shown where the program shows it.
        for (const char* name : {"About", "Welcome Dialog", "Download Mode", "Printer Comment"}) {
            std::unique_ptr<GwCore> dialog(GwRcMgr::load(name, t.main));
            ASSERT_NE(dialog, nullptr) << name;
            dialog->show();
            settle();
            grab({dialog->widget()},
                 out.filePath(
                     QString("%1_%2.png").arg(QString(name).remove(' ').toLower()).arg(language)));
        }
    }
}

} // namespace
