// "COM Parameter" and "Auto Baud Detect" run modally and answered through the scripted
// answers: what they show of the stored settings, what OK, Apply and Cancel store, detection
// that starts by itself against the simulated scanner and zepsim, stopping and restarting, and
// a port that does not exist.
#include "../comm/CommTestSupport.h"
#include "CAutoBaudDetect.h"
#include "CAutoBaudDlgMgr.h"
#include "CComDlgMgr.h"
#include "EventWait.h"
#include "ProgramWindows.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

// Types text into a field as a person would (the field tells it was edited).
void type_into(GwCore* field, const std::string& text) {
    for (char c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
        QApplication::sendEvent(field->widget(), &press);
    }
}

class PortDialogs : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(m_windows.loaded(), 1); }
    static void store(const Strings& s) {
        CInitMgr::m_sComID = s[0].c_str();
        CInitMgr::m_sComBaudrate = s[1].c_str();
        CInitMgr::m_sComParity = s[2].c_str();
        CInitMgr::m_sComDatabits = s[3].c_str();
        CInitMgr::m_sComStopbits = s[4].c_str();
    }
    static Strings stored() {
        return {CInitMgr::m_sComID.str(), CInitMgr::m_sComBaudrate.str(),
                CInitMgr::m_sComParity.str(), CInitMgr::m_sComDatabits.str(),
                CInitMgr::m_sComStopbits.str()};
    }
    // The ids of the checked buttons of the five groups.
    static Strings checked(GwCore* dialog) {
        Strings ids;
        for (const char* group :
             {"COMID", "COMPARBAUDRATE", "COMPARPARITY", "COMPARDATABITS", "COMPARSTOPBITS"}) {
            std::string id;
            for (GwCore* c : dialog->child(group)->children())
                if (c->is_a(GwTOGGLEBUTTON_CLASS) && c->value() != 0)
                    id = c->id().str();
            ids.push_back(id);
        }
        return ids;
    }
    // Runs "COM Parameter" with action while it is up; its result.
    int run_com(const std::function<void(GwCore*)>& action) {
        CComDlgMgr dialog("COM Parameter", ProgramWindows::file(), ZepCallbackTable(), nullptr);
        GwScriptedAnswers::on_dialog("COM Parameter", action);
        return dialog.Window()->go();
    }

    ProgramWindows m_windows;
    CommSettings m_settings;
};

// The stored settings are checked (a parity stored in lower case by a detection too), OK
// stores the checked ids, Cancel and Escape store nothing, a group without a checked button
// stores the empty text, and a port no button names is a device path.
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
    EXPECT_EQ(shown, (Strings{"SIM", "19200", "E", "7", "2"}));
    EXPECT_EQ(stored(), (Strings{"COM2", "19200", "N", "7", "2"}));

    EXPECT_EQ(run_com([](GwCore* d) {
                  d->child("9600")->click();
                  d->child("ID_CANCEL")->click();
              }),
              15);
    EXPECT_EQ(run_com([](GwCore* d) {
                  d->child("9600")->click();
                  qobject_cast<QDialog*>(d->widget())->reject(); // Escape
              }),
              15);
    EXPECT_EQ(stored(), (Strings{"COM2", "19200", "N", "7", "2"}));

    store({"/dev/pts/77", "19200", "X", "7", "2"});
    EXPECT_EQ(run_com([&](GwCore* d) {
                  shown = checked(d);
                  shown.push_back(d->child("COMID_PATH_TEXT")->text().str());
                  d->child("ID_OK")->click();
              }),
              6);
    EXPECT_EQ(shown, (Strings{"COMID_PATH", "19200", "", "7", "2", "/dev/pts/77"}));
    EXPECT_EQ(stored(), (Strings{"/dev/pts/77", "19200", "", "7", "2"}));
}

// The port group: the layout's ports keep their names first in their texts (the machine may
// add device and state), typing a path chooses the path button.
TEST_F(PortDialogs, PortChoiceTextsAndTypedPath) {
    store({"COM1", "9600", "N", "8", "1"});
    Strings texts;
    std::string typed;
    EXPECT_EQ(run_com([&](GwCore* d) {
                  for (const char* id : {"COM1", "COM4", "SIM"})
                      texts.push_back(d->child(id)->text().str().substr(0, 4));
                  type_into(d->child("COMID_PATH_TEXT"), " /dev/ttyACM0 ");
                  typed = checked(d)[0];
                  d->child("ID_OK")->click();
              }),
              6);
    EXPECT_EQ(texts, (Strings{"COM1", "COM4", "SIM "}));
    EXPECT_EQ(typed, "COMID_PATH");
    EXPECT_EQ(CInitMgr::m_sComID.str(), "/dev/ttyACM0");
}

// --- Auto Baud Detect ----------------------------------------------------------------------

class AutoBaudDialog : public PortDialogs {
protected:
    void SetUp() override {
        PortDialogs::SetUp();
        CAutoBaudDetect::SetProbeTimeoutHook([this](int) {
            if (++m_probes == m_stopAt)
                QTimer::singleShot(0, [this] { m_dialog->Window()->child("ID_BUTTON")->click(); });
            return m_timeout;
        });
        m_driver = std::make_unique<TestDriver>();
    }
    void TearDown() override {
        m_dialog.reset();
        CAutoBaudDetect::SetProbeTimeoutHook({});
        CSimPort::ResetDevice();
    }
    // Builds the dialog (with the settings stored now) and runs it with action while it is
    // up; its result.
    int run(const std::function<void()>& action) {
        m_dialog = std::make_unique<CAutoBaudDlgMgr>("Auto Baud Detect", ProgramWindows::file(),
                                                     ZepCallbackTable(), nullptr);
        m_window = m_dialog->Window();
        if (m_window == nullptr)
            return -1;
        GwScriptedAnswers::on_dialog("Auto Baud Detect", [action](GwCore*) { action(); });
        return m_window->go();
    }
    // Waits until a detection (it starts by itself) has returned: the bar is full and the port
    // group usable again. The state and button texts.
    Strings wait_detected() const {
        EXPECT_TRUE(WaitFor([this] {
            return m_window->child("ID_PROGRESS")->slider_value() == 84.0 &&
                   m_window->child("COMID")->is_enabled() &&
                   m_dialog->State() != CAutoBaudDlgMgr::kDetecting;
        }));
        return {m_window->child("ID_STATE")->text().str(),
                m_window->child("ID_BUTTON")->text().str()};
    }
    static Strings texts(unsigned state, unsigned button) {
        return {CErrorHandler::warning(state, 0).str(), CErrorHandler::warning(button, 0).str()};
    }

    std::unique_ptr<TestDriver> m_driver;
    std::unique_ptr<CAutoBaudDlgMgr> m_dialog;
    GwCore* m_window = nullptr;
    int m_probes = 0;
    int m_stopAt = 0;
    int m_timeout = 15;
};

// Found by itself on the simulated scanner at settings other than the stored ones; Apply
// stores them with the parity in lower case.
class AutoBaudOnSim : public AutoBaudDialog,
                      public testing::WithParamInterface<std::pair<const char*, Strings>> {};

TEST_P(AutoBaudOnSim, FindsTheScannerAndApplies) {
    reset_sim(std::string(GetParam().first) + ";wire=off;delay=0");
    store({"SIM", "9600", "N", "8", "1"});
    Strings shown;
    EXPECT_EQ(run([&] {
                  shown = wait_detected();
                  m_window->child("ID_BUTTON")->click();
              }),
              6);
    EXPECT_EQ(shown, texts(49, 59));
    EXPECT_EQ(stored(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, AutoBaudOnSim,
    testing::Values(std::make_pair("19200,E,7,1", Strings{"SIM", "19200", "e", "7", "1"}),
                    std::make_pair("9600,E,7,1", Strings{"SIM", "9600", "e", "7", "1"})));

// The button stops a detection (idle texts, the port group usable again) and starts it
// again; Cancel after a success stores nothing, not even the port that was tried.
TEST_F(AutoBaudDialog, StopRestartAndCancel) {
    reset_sim("300,O,7,2;wire=off;delay=0");
    store({"COM3", "9600", "N", "8", "1"});
    m_stopAt = 10;
    Strings stopped;
    int enabled = 0;
    std::string found;
    EXPECT_EQ(run([&] {
                  m_window->child("SIM")->click();
                  stopped = wait_detected();
                  enabled = m_window->child("COMID")->is_enabled();
                  m_window->child("ID_BUTTON")->click(); // start again: to the last entry
                  found = m_dialog->Found().str();
                  m_window->child("ID_CANCEL")->click();
              }),
              15);
    EXPECT_EQ(stopped, texts(13, 57));
    EXPECT_EQ(enabled, 1);
    EXPECT_EQ(m_probes, 10 + 84);
    EXPECT_EQ(found, "300  ,O,7,2");
    EXPECT_EQ(stored(), (Strings{"COM3", "9600", "N", "8", "1"}));
}

// A port that cannot be opened: the port-not-available texts after one probe, and the
// dialog stays for another try.
TEST_F(AutoBaudDialog, PortThatDoesNotExist) {
    store({"/dev/zep-no-such-port", "9600", "N", "8", "1"});
    Strings shown;
    EXPECT_EQ(run([&] {
                  shown = wait_detected();
                  m_window->child("ID_CANCEL")->click();
              }),
              15);
    EXPECT_EQ(shown, texts(62, 57));
    EXPECT_EQ(CallbackRecord::errors, Strings{"COM Port not available! Code: 1"});
}

// zepsim on a pseudo-terminal, chosen by its device path: found at 19200 baud with two stop
// bits (a pseudo-terminal carries no parity and no data bit count).
TEST_F(AutoBaudDialog, FindsZepsimOnAPseudoTerminal) {
    Zepsim zepsim;
    const std::string path =
        zepsim.start({"--line", "19200,N,8,2", "--options", "wire=off;delay=0"});
    ASSERT_FALSE(path.empty());
    store({path, "9600", "N", "8", "1"});
    m_timeout = 80;
    Strings shown;
    EXPECT_EQ(run([&] {
                  shown = wait_detected();
                  m_window->child("ID_BUTTON")->click();
              }),
              6);
    EXPECT_EQ(shown, texts(49, 59));
    EXPECT_EQ(stored(), (Strings{path, "19200", "n", "8", "2"}));
}

} // namespace
