// The terminal and the two port dialogs as the main window opens them: the terminal talks on
// the program's connection and gives the driver back; settings taken over in a port dialog
// connect anew; a scanner found by automatic baud detection is adopted on request.
#include "FrameTestSupport.h"

namespace {

TEST(FramePorts, TheTerminalTalksOnTheConnectionAndGivesTheDriverBack) {
    ProgramDir program;
    FrameUnderTest t(program);
    t.start_with_zep100();
    std::vector<GwString> exchange;
    GwScriptedAnswers::on_dialog("DlgTerminal", [&exchange](GwCore* terminal) {
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
    // The connection still serves the scanner commands.
    CSimPort::Device().SetValue("DCI", "0700");
    t.click("UPLOAD_FROM_ZEP");
    EXPECT_EQ(t.value("DCI"), "700");
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
    EXPECT_EQ(CInitMgr::GetComBaudrate(), "9600");
    EXPECT_EQ(box_texts(),
              (std::vector<std::string>{CErrorHandler::error_msg(18, 0).str() + "ZEP100.\n \n" +
                                        CErrorHandler::error_msg(19, 0).str()}));
    EXPECT_EQ(t.frame().TypeName(), "ZEP100");
    EXPECT_EQ(t.value("DCI"), "700");
}

} // namespace
