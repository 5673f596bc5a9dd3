// The scanner commands of the main window against the in-process simulated scanner: the
// terminal, upload and download in each download mode, verify, Cancel while they run, a
// connection that fails, the compare list, the port dialogs (settings taken over connect anew,
// a scanner found by automatic detection is adopted on request) and Close.
#include "ShownText.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

// Presses Cancel in the transfer box as soon as its bar shows at least `after` parameters.
class CancelAfter {
public:
    explicit CancelAfter(int after) {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, after]() {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* bar = w->findChild<QProgressBar*>("ID_PROGRESS");
                auto* cancel = w->findChild<QPushButton*>("ID_CANCEL");
                if (bar != nullptr && cancel != nullptr && bar->value() >= after &&
                    cancel->isVisible()) {
                    m_total = bar->maximum();
                    cancel->click();
                    m_timer.stop();
                }
            }
        });
        m_timer.start(1);
    }
    int total() const { return m_total; } // the bar's end when it was pressed; 0: never

private:
    QTimer m_timer;
    int m_total = 0;
};

// Each query is answered after 2 ms, so that the window works meanwhile (Cancel).
const char* const kScanner = "delay=2;wire=off";

class FrameTransfer : public testing::Test {
protected:
    void SetUp() override {
        t.start_with_zep100();
        GwScriptedAnswers::reset();
    }
    // A fresh scanner with these options besides kScanner.
    static void scanner(const std::string& options) {
        reset_sim(std::string(kScanner) + ";" + options);
    }
    // Runs the download with the mode dialog answered by pressing these buttons.
    void download(std::vector<const char*> buttons) {
        GwScriptedAnswers::on_dialog("Download Mode", [buttons](GwCore* dialog) {
            for (const char* id : buttons)
                dialog->child(id)->click();
        });
        t.click("DOWNLOAD_TO_ZEP");
    }

    ProgramDir program;
    FrameUnderTest t{program, kScanner};
};

// The terminal talks on the program's connection and gives the driver back; the connection
// still serves the scanner commands.
TEST_F(FrameTransfer, TheTerminalAndAnUploadShareTheConnection) {
    std::vector<GwString> exchange;
    GwScriptedAnswers::on_dialog("DlgTerminal", [&exchange](GwCore* terminal) {
        ASSERT_EQ(g_pcoDriver->GetMode(), 3); // taken over when shown, before a click
        terminal->child("W0")->click();
        GwCore* list = terminal->child("LIST");
        WaitFor([list]() { return list->item_count() >= 2; }, 5000);
        for (int i = 0; i < list->item_count(); ++i)
            exchange.push_back(list->item_text(i));
        terminal->hide();
    });
    t.click("TERMINAL_EMULATOR");
    ASSERT_EQ(exchange.size(), 2u);
    EXPECT_TRUE(exchange[1].contains("|From|<STX>RV-4400<SPC>V2.13<ETX>")) << exchange[1].str();
    EXPECT_EQ(g_pcoDriver->GetMode(), 1);

    CSimPort::Device().SetValue("DCI", "0700");
    CSimPort::Device().SetValue("H0B", "6");
    t.click("UPLOAD_FROM_ZEP");
    EXPECT_EQ(t.value("DCI"), "700");
    EXPECT_EQ(t.dialog()->child("DCI")->text(), "700");
    EXPECT_EQ(t.dialog()->child("H0B")->text(), "19200");
    EXPECT_EQ(t.repo()->HasChanged(), 0);
    EXPECT_TRUE(box_texts().empty());
    EXPECT_EQ(t.child("CONNECT")->is_visible(), 1);
    EXPECT_EQ(t.child("VERSION_LABEL")->text(), "ZEP100 (RV-4400)");
}

TEST_F(FrameTransfer, AnUploadThatTakesNothingOverKeepsTheEditsAndTheirMark) {
    struct Row {
        const char* name;
        const char* options;
        int cancel_after; // 0: not cancelled
        std::string message;
    };
    const Row rows[] = {
        {"replies lost", "lose=7", 0, CErrorHandler::error_msg(59, 1).str()},
        {"cancelled", "", 20, CErrorHandler::warning(74, 0).str()},
    };
    g_pcoDriver->set_timeout(100); // each lost reply
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        scanner(row.options);
        CSimPort::Device().SetValue("DCI", "0700");
        t.edit("DCI", "900");
        GwScriptedAnswers::reset();
        GwScriptedAnswers::press_button("No"); // the save question: the upload may replace it
        std::unique_ptr<CancelAfter> cancel(row.cancel_after ? new CancelAfter(row.cancel_after)
                                                             : nullptr);
        t.click("UPLOAD_FROM_ZEP");
        if (cancel) {
            EXPECT_EQ(cancel->total(), 141);
        }
        EXPECT_EQ(t.value("DCI"), "900");
        EXPECT_EQ(t.repo()->HasChanged(), 1);
        ASSERT_FALSE(box_texts().empty());
        EXPECT_EQ(box_texts().back().rfind(row.message, 0), 0u) << box_texts().back();
    }
}

TEST_F(FrameTransfer, EachDownloadMode) {
    struct Row {
        const char* name;
        const char* options;
        const char* mode; // the radio button pressed before Send
        bool taken;       // DCI 900 in the scanner's working memory afterwards
        bool stored;      // and in its permanent memory
        Strings boxes;
    };
    using E = CErrorHandler;
    const std::string factory = CSimScanner::FactoryValue("DCI").str();
    const std::string sent = E::warning(71, 0).str(), store = "\n" + E::warning(73, 0).str();
    const Strings refused = {E::error_msg(61, 1).str() + "DCI: 900 / 500",
                             E::error_msg(66, 0).str()};
    const Row rows[] = {
        // send and store: ProgramRun.TheWholeJobAgainstZepsimOnAPseudoTerminal
        {"send", "", "ID_MODE0", true, false, {sent}},
        {"verify and store", "", "ID_MODE2", true, true, {E::warning(72, 0).str() + store}},
        {"verify fails", "refuse=DCI", "ID_MODE2", false, false, refused},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        scanner(row.options);
        t.edit("DCI", "900");
        GwScriptedAnswers::reset();
        download({row.mode, "ID_OK"});
        EXPECT_EQ(CSimPort::Device().Value("DCI"), row.taken ? "0900" : factory);
        EXPECT_EQ(CSimPort::Device().StoredValue("DCI"), row.stored ? "0900" : factory);
        EXPECT_EQ(box_texts(), row.boxes);
        EXPECT_EQ(t.repo()->HasChanged(), 0);
        t.edit("DCI", "500");
    }
    // Cancel in the mode dialog sends nothing; the mode chosen last is offered again.
    scanner("");
    t.edit("DCI", "900");
    GwString offered;
    GwScriptedAnswers::on_dialog("Download Mode", [&offered](GwCore* dialog) {
        for (const char* id : {"ID_MODE0", "ID_MODE1", "ID_MODE2"})
            if (dialog->child(id)->value() == 1)
                offered = id;
        dialog->child("ID_CANCEL")->click();
    });
    t.click("DOWNLOAD_TO_ZEP");
    EXPECT_EQ(offered, "ID_MODE2");
    EXPECT_EQ(CSimPort::Device().CommandCount(), 0);
    EXPECT_EQ(t.repo()->HasChanged(), 1);
}

TEST_F(FrameTransfer, ACancelledDownloadKeepsTheMarkAndStoresNothing) {
    t.edit("DCI", "900");
    CancelAfter cancel(30);
    download({"ID_MODE1", "ID_OK"});
    EXPECT_GT(cancel.total(), 30);
    EXPECT_EQ(box_texts(), (Strings{CErrorHandler::error_msg(64, 0).str()}));
    EXPECT_EQ(t.repo()->HasChanged(), 1);
    EXPECT_EQ(CSimPort::Device().StoredValue("DCI"), CSimScanner::FactoryValue("DCI"));
}

TEST_F(FrameTransfer, AFailedConnectionStopsTheCommandWithOneMessage) {
    struct Row {
        const char* name;
        const char* port;
        const char* options;
        std::string message;
    };
    const Row rows[] = {
        {"no port", "NONE", "", CErrorHandler::warning(6, 0).str()},
        {"nobody answers", "SIM", "line=19200,N,8,1",
         CErrorHandler::error_msg(67, 1).str() + "SIM 9600,N,8,1"},
    };
    g_pcoDriver->set_timeout(200);
    for (const Row& row : rows) {
        for (const char* command : {"UPLOAD_FROM_ZEP", "DOWNLOAD_TO_ZEP"}) {
            SCOPED_TRACE(std::string(row.name) + " " + command);
            scanner(row.options);
            CInitMgr::m_sComID = row.port;
            t.edit("DCI", "900");
            GwScriptedAnswers::reset();
            GwScriptedAnswers::on_dialog("Download Mode",
                                         [](GwCore* dialog) { dialog->child("ID_OK")->click(); });
            GwScriptedAnswers::press_button("No");
            t.command(command); // disabled after the first failure
            EXPECT_EQ(box_texts().back(), row.message);
            EXPECT_EQ(box_texts().size(), command == std::string("UPLOAD_FROM_ZEP") ? 2u : 1u);
            EXPECT_EQ(t.value("DCI"), "900");
            EXPECT_EQ(t.child("NOCONNECT")->is_visible(), 1);
        }
    }
}

TEST_F(FrameTransfer, TheCompareListShowsBothValuesAndChangesNothing) {
    t.edit("DCI", "900");
    t.edit("H0B", "19200");
    std::vector<GwString> lines;
    GwString heading;
    GwScriptedAnswers::on_dialog("Compare List", [&](GwCore* list) {
        heading = list->child("ID_HEADING")->text();
        GwCore* items = list->child("LIST");
        for (int i = 0; i < items->item_count(); ++i)
            lines.push_back(items->item_text(i));
        list->child("ID_COPY")->click();
        list->child("ID_CLOSE")->click();
    });
    t.click("COMPARE_DEFAULTS");
    EXPECT_EQ(heading, CErrorHandler::warning(80, 0) + "2");
    EXPECT_EQ(lines, (std::vector<GwString>{"DCI: Repeat suppression time|900|500",
                                            "H0B: Baud rate|19200|9600"}));
    EXPECT_EQ(
        QApplication::clipboard()->text().toStdString(),
        "Parameter\tCurrent values\tFactory defaults\nDCI: Repeat suppression time\t900\t500\n"
        "H0B: Baud rate\t19200\t9600\n");
    EXPECT_EQ(t.value("DCI"), "900");
    EXPECT_EQ(t.repo()->HasChanged(), 1);

    // A script holding the same values: nothing differs. Printed, the list is in the PDF.
    const std::string same = program.file("same.slp");
    GwScriptedAnswers::choose_file(same);
    t.click("SAVE_AS");
    GwScriptedAnswers::choose_file(same);
    GwScriptedAnswers::printer_pdf(program.file("list.pdf"));
    GwScriptedAnswers::on_dialog("Compare List", [&](GwCore* list) {
        heading = list->child("ID_HEADING")->text();
        list->child("ID_PRINT")->click();
        list->child("ID_CLOSE")->click();
    });
    t.click("COMPARE_FILE");
    EXPECT_EQ(heading, CErrorHandler::warning(79, 0));
    EXPECT_GT(fs::file_size(program.file("list.pdf")), 0u);
}

// Close: Cancel in the save question keeps the program; No ends it.
TEST_F(FrameTransfer, CloseWithCancelKeepsTheProgram) {
    t.edit("DCI", "900");
    GwScriptedAnswers::press_button("Cancel");
    t.click("EXIT");
    EXPECT_EQ(t.main->is_visible(), 1);
    GwScriptedAnswers::press_button("No");
    t.click("EXIT");
    EXPECT_EQ(t.main->is_visible(), 0);
    EXPECT_EQ(t.dialog()->is_visible(), 0);
    EXPECT_EQ(g_pcoDriver->IsEnabled(), 0);
}

TEST(FramePorts, SettingsTakenOverConnectAnewAndAFoundScannerIsAdopted) {
    ProgramDir program;
    FrameUnderTest t(program);
    CInitMgr::m_sComID = "NONE";
    t.start();
    GwScriptedAnswers::reset();
    // Port settings: SIM chosen and taken over.
    GwScriptedAnswers::on_dialog("COM Parameter", [](GwCore* dialog) {
        dialog->child("SIM")->click();
        dialog->child("ID_OK")->click();
    });
    t.click("COM_PARAMETER");
    EXPECT_EQ(CInitMgr::GetComID(), "SIM");
    EXPECT_EQ(t.transfer().IsConnected(), 1);
    EXPECT_EQ(t.child("ID_PORT")->text(), "RV-4400 \u00b7 SIM 9600,N,8,1");
    EXPECT_EQ(t.frame().TypeName(), ""); // connecting alone selects no type

    // Automatic detection finds the scanner at 9600 baud although 19200 is set; Apply, and
    // Yes to the question: its type is selected and its parameters read.
    CInitMgr::m_sComBaudrate = "19200";
    CSimPort::Device().SetValue("DCI", "0700");
    GwScriptedAnswers::on_dialog("Auto Baud Detect", [](GwCore* dialog) {
        const GwString apply = CErrorHandler::warning(59, 0);
        GwCore* button = dialog->child("ID_BUTTON");
        EXPECT_TRUE(WaitFor([button, &apply]() { return button->text() == apply; }, 20000));
        button->click();
    });
    GwScriptedAnswers::press_button("Yes");
    t.click("AUTO_BAUD");
    EXPECT_EQ(CInitMgr::GetComBaudrate() + "," + CInitMgr::m_sComParity + "," +
                  CInitMgr::m_sComDatabits + "," + CInitMgr::m_sComStopbits,
              "9600,n,8,1"); // all as found, the parity as the detection gives it
    EXPECT_EQ(box_texts(), (Strings{CErrorHandler::error_msg(18, 0).str() + "ZEP100.\n \n" +
                                    CErrorHandler::error_msg(19, 0).str()}));
    EXPECT_EQ(t.frame().TypeName(), "ZEP100");
    EXPECT_EQ(t.value("DCI"), "700");
}

} // namespace
