// "COM Parameter" and "Auto Baud Detect" run modally and answered through the scripted
// answers: what they show of the stored settings, what OK and Cancel store, stopping and
// restarting a detection that started by itself. Detection itself: tests/comm
// (CAutoBaudDetectTest); Apply and the found scanner taken over: FramePorts.
#include "CAutoBaudDetect.h"
#include "CAutoBaudDlgMgr.h"
#include "CComDlgMgr.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>

namespace {

GwString* const kSettings[] = {&CInitMgr::m_sComID, &CInitMgr::m_sComBaudrate,
                               &CInitMgr::m_sComParity, &CInitMgr::m_sComDatabits,
                               &CInitMgr::m_sComStopbits};

void store(const Strings& values) {
    for (size_t i = 0; i < values.size(); ++i)
        *kSettings[i] = values[i].c_str();
}

Strings stored() {
    Strings values;
    for (const GwString* setting : kSettings)
        values.push_back(setting->str());
    return values;
}

// The ids of the checked buttons of the five groups, and the text of the path field.
Strings checked(GwCore* dialog) {
    Strings ids;
    for (const char* group :
         {"COMID", "COMPARBAUDRATE", "COMPARPARITY", "COMPARDATABITS", "COMPARSTOPBITS"}) {
        ids.emplace_back();
        for (GwCore* c : dialog->child(group)->children())
            if (c->is_a(GwTOGGLEBUTTON_CLASS) && c->value() != 0)
                ids.back() = c->id().str();
    }
    ids.push_back(dialog->child("COMID_PATH_TEXT")->text().str());
    return ids;
}

class PortDialogs : public testing::Test {
protected:
    // Runs "COM Parameter" with action while it is up; its result.
    static int run_com(const std::function<void(GwCore*)>& action) {
        CComDlgMgr dialog("COM Parameter", ProgramWindows::file(), ZepCallbackTable(), nullptr);
        GwScriptedAnswers::on_dialog("COM Parameter", action);
        return dialog.Window()->go();
    }

    ProgramWindows m_windows;
};

// The stored settings are checked (a parity stored in lower case by a detection too), OK
// stores the checked ids, Cancel and Escape store nothing, a group without a checked button
// stores the empty text, and a port no button names is a device path, typed or stored.
TEST_F(PortDialogs, ComParameterShowsAndStores) {
    store({"sim", "19200", "e", "7", "2"});
    Strings shown;
    EXPECT_EQ(run_com([&](GwCore* d) {
                  shown = checked(d);
                  d->child("COM2")->click();
                  d->child("N")->click();
                  d->child("ID_OK")->click();
              }),
              6);
    EXPECT_EQ(shown, (Strings{"SIM", "19200", "E", "7", "2", ""}));
    EXPECT_EQ(stored(), (Strings{"COM2", "19200", "N", "7", "2"}));
    for (bool escape : {false, true})
        EXPECT_EQ(run_com([escape](GwCore* d) {
                      d->child("9600")->click();
                      if (escape)
                          qobject_cast<QDialog*>(d->widget())->reject();
                      else
                          d->child("ID_CANCEL")->click();
                  }),
                  15);
    EXPECT_EQ(stored(), (Strings{"COM2", "19200", "N", "7", "2"}));

    store({"/dev/pts/77", "19200", "X", "7", "2"});
    EXPECT_EQ(run_com([&](GwCore* d) {
                  shown = checked(d);
                  d->child("ID_OK")->click();
              }),
              6);
    EXPECT_EQ(shown, (Strings{"COMID_PATH", "19200", "", "7", "2", "/dev/pts/77"}));
    EXPECT_EQ(stored(), (Strings{"/dev/pts/77", "19200", "", "7", "2"}));

    store({"COM1"});
    EXPECT_EQ(run_com([&](GwCore* d) {
                  for (char c : std::string(" /dev/ttyACM0 ")) { // typed: chooses the path
                      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
                      QApplication::sendEvent(d->child("COMID_PATH_TEXT")->widget(), &key);
                  }
                  d->child("ID_OK")->click();
              }),
              6);
    EXPECT_EQ(CInitMgr::m_sComID.str(), "/dev/ttyACM0");
}

// "Auto Baud Detect" starts by itself. Its button stops a detection (idle texts, the port group
// usable again) and starts it again; Cancel after a success stores nothing, not even the port
// that was tried.
TEST_F(PortDialogs, AutoBaudStopRestartAndCancel) {
    TestDriver driver;
    reset_sim("300,O,7,2;wire=off;delay=0");
    store({"COM3", "9600", "N", "8", "1"});
    CAutoBaudDlgMgr dialog("Auto Baud Detect", ProgramWindows::file(), ZepCallbackTable(), nullptr);
    GwCore* window = dialog.Window();
    int probes = 0;
    CAutoBaudDetect::SetProbeTimeoutHook([&](int) {
        if (++probes == 10) // the button pressed during the tenth probe
            QTimer::singleShot(0, [window] { window->child("ID_BUTTON")->click(); });
        return 15;
    });
    Strings stopped;
    std::string found;
    GwScriptedAnswers::on_dialog("Auto Baud Detect", [&](GwCore*) {
        window->child("SIM")->click();
        EXPECT_TRUE(WaitFor([&] { // returned: the bar full, the port group usable again
            return window->child("ID_PROGRESS")->slider_value() == 84.0 &&
                   window->child("COMID")->is_enabled() &&
                   dialog.State() != CAutoBaudDlgMgr::kDetecting;
        }));
        stopped = {window->child("ID_STATE")->text().str(),
                   window->child("ID_BUTTON")->text().str()};
        window->child("ID_BUTTON")->click(); // start again: to the last entry
        found = dialog.Found().str();
        window->child("ID_CANCEL")->click();
    });
    EXPECT_EQ(window->go(), 15);
    CAutoBaudDetect::SetProbeTimeoutHook({});
    EXPECT_EQ(stopped,
              (Strings{CErrorHandler::warning(13, 0).str(), CErrorHandler::warning(57, 0).str()}));
    EXPECT_EQ(probes, 10 + 84);
    EXPECT_EQ(found, "300  ,O,7,2");
    EXPECT_EQ(stored(), (Strings{"COM3", "9600", "N", "8", "1"}));
    CSimPort::ResetDevice();
}

} // namespace
