// Pictures of the program's windows in the three languages, for a person to look at (cut texts,
// overlaps, missing icons or units): the main window with each tab page below it, each page of
// the parameter dialog as shown and with every list at its longest item, "CVMInfo", the
// terminal with traffic in it, both port dialogs, About, the welcome dialog, the download mode,
// the printer comment, a transfer under way and the compare list. Runs only when
// ZEP_SCREENSHOT_DIR names a directory (tests/screenshots.sh does this under xvfb-run).
#include "CAutoBaudDetect.h"
#include "CTransferBox.h"
#include "GwEventLoop.h"
#include "GwMessageBox.h"
#include "WindowTestSupport.h"
#include "ZepProgram.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdlib>

namespace {

void settle() {
    for (int i = 0; i < 10; ++i)
        GwEventLoop::wait_for_events(20);
}

// The screen area covering the windows, as a person sees them.
void grab(const std::vector<QWidget*>& windows, const QString& path) {
    settle();
    QRect area;
    for (QWidget* w : windows)
        area = area.united(w->frameGeometry());
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    ASSERT_TRUE(screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(path));
}

// The window alone, drawn with a font.
void snap(GwCore* window, const QString& path) {
    window->show();
    settle();
    EXPECT_FALSE(QFontInfo(window->widget()->font()).family().isEmpty());
    EXPECT_TRUE(window->widget()->grab().save(path));
}

TEST(Screenshots, ProgramWindows) {
    const char* dir = std::getenv("ZEP_SCREENSHOT_DIR");
    if (dir == nullptr || *dir == '\0')
        GTEST_SKIP() << "ZEP_SCREENSHOT_DIR not set";
    const QDir out(QString::fromLocal8Bit(dir));
    CAutoBaudDetect::SetProbeTimeoutHook([](int) { return 10; });
    for (int language : {1, 49, 33}) {
        const auto path = [&](const QString& name) {
            return out.filePath(QString("%1_%2.png").arg(name).arg(language));
        };
        ProgramDir program;
        FrameUnderTest t(program, "delay=0;wire=off", language);
        CInitMgr::_ImmediateConnect = 1;
        t.start();
        ASSERT_NE(t.dialog(), nullptr);
        t.dialog()->set_title(t.dialog()->title() + "[c:\\data\\line 4.slp]");
        GwCore* tabs = t.dialog()->child("TabCtl");
        QWidget* dialog = t.dialog()->widget();
        for (GwCore* page : tabs->children()) {
            tabs->set_active_page(page);
            const QString name = QString("%1_%2").arg(language).arg(page->id().cc());
            grab({t.main->widget(), dialog}, out.filePath("main_" + name + ".png"));
            snap(t.dialog(), out.filePath("dialog_" + name + ".png"));
            EXPECT_LE(dialog->width(), 1000);
            EXPECT_LE(dialog->height(), 640);
        }
        std::unique_ptr<GwCore> info(GwRcMgr::load("CVMInfo", t.dialog()));
        ASSERT_NE(info, nullptr);
        snap(info.get(), path("cvminfo"));
        info.reset();

        for (const char* name : {"About", "Welcome Dialog", "Download Mode", "Printer Comment"}) {
            std::unique_ptr<GwCore> window(GwRcMgr::load(name, t.main));
            ASSERT_NE(window, nullptr) << name;
            if (GwCore* version = window->child("version_label"))
                version->set_text(ZepProgram::VersionText());
            window->show();
            grab({window->widget()}, path(QString(name).remove(' ').toLower()));
        }
        {
            CTransferBox box(CErrorHandler::warning(9, 0));
            box.Step(57, 141);
            grab({box.Box()->widget()}, path("transfer"));
        }

        // The terminal with a few exchanges and evaluation polls in it.
        GwScriptedAnswers::on_dialog("DlgTerminal", [&](GwCore* terminal) {
            GwCore* list = terminal->child("LIST");
            for (const char* command : {"W0", "W1", "WER", "H0E\"NO<E4>READ\"", "WH0E"}) {
                const int before = list->item_count();
                terminal->child("WHAT")->set_text(command);
                terminal->child("ID_SEND")->click();
                WaitFor([&] { return list->item_count() == before + 2; }, 300);
            }
            terminal->child("ID_EVAL")->click();
            WaitFor([&] { return list->item_count() >= 12; }, 3000);
            terminal->child("ID_EVAL")->click();
            snap(terminal, path("terminal"));
            terminal->hide();
        });
        t.click("TERMINAL_EMULATOR");
        // The port settings with a parity stored in lower case by a detection.
        CInitMgr::m_sComParity = "e";
        GwScriptedAnswers::on_dialog("COM Parameter", [&](GwCore* com) {
            snap(com, path("com_parameter"));
            com->child("ID_CANCEL")->click();
        });
        t.click("COM_PARAMETER");
        // Detection that found the scanner at other settings.
        reset_sim("19200,E,7,1;wire=off;delay=0");
        GwScriptedAnswers::on_dialog("Auto Baud Detect", [&](GwCore* baud) {
            const GwString apply = CErrorHandler::warning(59, 0);
            GwCore* button = baud->child("ID_BUTTON");
            EXPECT_TRUE(WaitFor([&] { return button->text() == apply; }, 5000));
            snap(baud, path("auto_baud"));
            baud->child("ID_CANCEL")->click();
        });
        t.click("AUTO_BAUD");

        // The compare list after two edits.
        t.edit("DCI", "900");
        t.edit("H0E", "HALL 4");
        GwScriptedAnswers::on_dialog("Compare List", [&](GwCore* list) {
            grab({list->widget()}, path("compare"));
            list->child("ID_CLOSE")->click();
        });
        t.click("COMPARE_DEFAULTS");
        GwScriptedAnswers::press_button("No"); // back to the defaults, the edits dropped
        t.click("FACTORY_DEFAULTS");

        // Every list at its longest item: nothing may be cut.
        for (GwCore* c : t.dialog()->descendants()) {
            int longest = -1;
            for (int i = 0; i < c->item_count(); ++i)
                if (longest < 0 || c->item_text(i).len() > c->item_text(longest).len())
                    longest = i;
            c->select_item(longest);
        }
        for (GwCore* page : tabs->children()) {
            tabs->set_active_page(page);
            snap(t.dialog(),
                 out.filePath(
                     QString("dialog_%1_%2_longest.png").arg(language).arg(page->id().cc())));
        }
    }
    CAutoBaudDetect::SetProbeTimeoutHook({});
}

} // namespace
