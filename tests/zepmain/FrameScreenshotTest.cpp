// Pictures of the main window with each tab page of the parameter dialog below it, and of the
// program's dialogs, in the three languages, for a person to look at (cut texts, overlaps,
// icons missing). Runs only when ZEP_SCREENSHOT_DIR names a directory (tests/screenshots.sh
// does this under xvfb-run).
#include "CTransferBox.h"
#include "FrameTestSupport.h"
#include "GwEventLoop.h"
#include "GwMessageBox.h"
#include "ZepProgram.h"

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
        // The dialogs.
        for (const char* name : {"About", "Welcome Dialog", "Download Mode", "Printer Comment"}) {
            std::unique_ptr<GwCore> dialog(GwRcMgr::load(name, t.main));
            ASSERT_NE(dialog, nullptr) << name;
            if (GwCore* version = dialog->child("version_label"))
                version->set_text(ZepProgram::VersionText());
            dialog->show();
            settle();
            const QString file = QString(name).remove(' ').toLower();
            grab({dialog->widget()}, out.filePath(QString("%1_%2.png").arg(file).arg(language)));
        }
        // A transfer under way.
        {
            CTransferBox box(CErrorHandler::warning(9, 0));
            box.Step(57, 141);
            settle();
            grab({box.Box()->widget()}, out.filePath(QString("transfer_%1.png").arg(language)));
        }
        // The compare list after two edits.
        t.edit("DCI", "900");
        t.edit("H0E", "HALL 4");
        GwScriptedAnswers::on_dialog("Compare List", [&](GwCore* list) {
            settle();
            grab({list->widget()}, out.filePath(QString("compare_%1.png").arg(language)));
            list->child("ID_CLOSE")->click();
        });
        t.click("COMPARE_DEFAULTS");
    }
}

} // namespace
