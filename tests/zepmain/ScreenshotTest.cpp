// Pictures of every tab page of the ZEP100 parameter dialog and of "CVMInfo" in the three
// languages, for a person to look at (cut labels, overlaps, missing units). Runs only when
// ZEP_SCREENSHOT_DIR names a directory (tests/screenshots.sh does this under xvfb-run).
#include "DialogTestSupport.h"
#include "GwCore.h"
#include "GwEventLoop.h"
#include "LanguageGuard.h"

#include <QDir>
#include <QWidget>

#include <cstdlib>

namespace {

TEST(Screenshots, ParameterDialog) {
    const char* dir = std::getenv("ZEP_SCREENSHOT_DIR");
    if (dir == nullptr || *dir == '\0')
        GTEST_SKIP() << "ZEP_SCREENSHOT_DIR not set";
    const QDir out(QString::fromLocal8Bit(dir));
    for (int language : {1, 49, 33}) {
        LanguageGuard guard(language);
        auto repo = zep100_repository();
        DialogUnderTest dialog(repo.get());
        ASSERT_NE(dialog.window(), nullptr);
        dialog->ShowDialog();
        dialog.window()->set_title(dialog.window()->title() + "[c:\\data\\line 4.slp]");
        dialog.window()->show();
        GwCore* tabs = dialog.child("TabCtl");
        // Each page as shown, then with every list at its longest item: nothing may be cut.
        for (const char* state : {"", "_longest"}) {
            if (*state != '\0') {
                for (GwCore* c : dialog.window()->descendants()) {
                    int longest = -1;
                    for (int i = 0; i < c->item_count(); ++i)
                        if (longest < 0 || c->item_text(i).len() > c->item_text(longest).len())
                            longest = i;
                    c->select_item(longest);
                }
            }
            for (GwCore* page : tabs->children()) {
                tabs->set_active_page(page);
                for (int i = 0; i < 5; ++i)
                    GwEventLoop::process_pending();
                const QString name =
                    QString("dialog_%1_%2%3.png").arg(language).arg(page->id().cc()).arg(state);
                QWidget* w = dialog.window()->widget();
                EXPECT_LE(w->width(), 1000);
                EXPECT_LE(w->height(), 640);
                ASSERT_TRUE(w->grab().save(out.filePath(name)));
            }
        }
        std::unique_ptr<GwCore> info(GwRcMgr::load("CVMInfo", dialog.window()));
        ASSERT_NE(info, nullptr);
        info->show();
        for (int i = 0; i < 5; ++i)
            GwEventLoop::process_pending();
        ASSERT_TRUE(
            info->widget()->grab().save(out.filePath(QString("cvminfo_%1.png").arg(language))));
    }
}

} // namespace
