// The terminal against a scripted line (every byte written is seen, any byte can arrive) and
// against zepsim on a pseudo-terminal:
// framing of typed commands, received lines as names or raw, the 200/30 list rule, the log
// file byte for byte, evaluation mode, and the driver's mode around the terminal.
#include "CTerminal.h"
#include "GwMultiColumnScrolledList.h"
#include "ScriptedPort.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTreeWidget>

#include <regex>

namespace {

class TerminalTest : public testing::Test {
protected:
    void TearDown() override {
        m_terminal.reset();
        CInitMgr::m_bLogOnlyReceive = m_saved[0];
        CInitMgr::_PromptOverwrite = m_saved[1];
    }
    // The driver on port (a scripted line unless port is given), synchronous as after a
    // connection and polling fast; then the terminal opens.
    void open(const std::string& port = "") {
        if (port.empty())
            ScriptedPort::Install(m_line);
        m_driver = std::make_unique<TestDriver>();
        (*m_driver)->set_lookup(5);
        (*m_driver)->set_timeout(500);
        ASSERT_EQ((*m_driver)->initialise(port.empty() ? "COM1" : port.c_str(), "9600,N,8,1"), 1);
        ASSERT_EQ((*m_driver)->set_mode(1), 1);
        reopen();
    }
    void reopen() {
        m_terminal = std::make_unique<CTerminal>("DlgTerminal", ProgramWindows::file(),
                                                 ZepCallbackTable(), nullptr);
        m_terminal->Window()->show();
    }
    GwCore* control(const char* id) const { return m_terminal->Window()->child(id); }
    // Sends a typed command; gives what went on the scripted line.
    std::string send(const char* command) {
        m_line->written.clear();
        control("WHAT")->set_text(command);
        control("ID_SEND")->click();
        return m_line->written;
    }
    // The entries of the exchange list as "direction|text" (the time column left out).
    Strings entries() const {
        Strings out;
        const QTreeWidget* tree = m_terminal->List()->tree();
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            out.push_back((tree->topLevelItem(i)->text(1) + "|" + tree->topLevelItem(i)->text(2))
                              .toStdString());
        return out;
    }
    Strings last(size_t n) const {
        const Strings all = entries();
        return Strings(all.end() - static_cast<long>(n), all.end());
    }
    bool wait_entries(size_t n) const {
        return WaitFor([&] { return entries().size() >= n; }, 5000);
    }

    ProgramWindows m_windows;
    const int m_saved[2] = {CInitMgr::m_bLogOnlyReceive, CInitMgr::_PromptOverwrite};
    std::shared_ptr<ScriptedPort::Line> m_line = std::make_shared<ScriptedPort::Line>();
    std::unique_ptr<TestDriver> m_driver;
    std::unique_ptr<CTerminal> m_terminal;
};

// What goes on the wire for a typed command: the frame fields around it (an empty command
// with both fields sends just the two characters; with neither, nothing), names as their
// bytes, a command button sending its own id. Received bytes split into lines at ETX, CR and
// LF, shown with names (bytes from 128 as two hex digits, a zero byte dropped) or exactly as
// they came (a "<" or "|" of the data stays what it is).
TEST_F(TerminalTest, WireAndListOnAScriptedLine) {
    open();
    EXPECT_EQ(send("W0"), "\x02W0\x03");
    EXPECT_EQ(send(""), "\x02\x03");
    EXPECT_EQ(send("H0E\"<E4>x>y<abc>\"<cr>"), "\x02H0E\"\xE4x>y<abc>\"\r\x03");
    m_line->written.clear();
    control("WUC")->click();
    EXPECT_EQ(m_line->written + entries().back(), "\x02WUC\x03To|<STX>WUC<ETX>");
    control("STRT_FRAME")->set_text("");
    control("STOP_FRAME")->set_text("CR");
    EXPECT_EQ(send("W1"), "W1\r");
    delete control("STOP_FRAME");
    delete control("STRT_FRAME");
    const size_t sent = entries().size();
    EXPECT_EQ(send("") + std::to_string(entries().size()), std::to_string(sent)) << "nothing";

    m_line->arrive(std::string("\x02"
                               "A<B>|C \xE4\xFF\x03x\r\n") +
                   std::string(1, '\0') + "y\n");
    ASSERT_TRUE(wait_entries(sent + 4));
    EXPECT_EQ(last(4), (Strings{"From|<STX>A<B>|C<SPC><E4><FF><ETX>", "From|x<CR>", "From|<LF>",
                                "From|y<LF>"}));
    control("ID_SHOWCTRL")->click(); // off
    m_line->arrive("\x02<STX>|\x03"
                   "z\r\n");
    ASSERT_TRUE(wait_entries(sent + 7));
    EXPECT_EQ(last(3), (Strings{"From|\x02<STX>|\x03", "From|z\r", "From|"}));
    send("<ESC>");
    EXPECT_EQ(entries().back(), "To|\x1b") << "sent raw as well (the frame fields are gone)";
    for (int i = 0; i < 4096; ++i)
        CTerminal::Receive_CB("a"); // a scanner that never ends its line
    EXPECT_EQ(entries().back(), "From|" + std::string(4096, 'a'));

    // Evaluation switched on while a reply is on its way: the reply still shows.
    control("ID_SHOWCTRL")->click();
    m_line->on_write = [](ScriptedPort::Line& l, const std::string& bytes) {
        if (bytes == "W0")
            l.arrive("\x02RV-4400\x03");
    };
    send("W0");
    control("ID_EVAL")->click();
    EXPECT_TRUE(WaitFor([&] { return entries().back() == "From|<STX>RV-4400<ETX>"; }, 2000));
}

// Every byte shown by name comes back as itself when typed (but 0xFF, whose digits are the
// name of form feed).
TEST(TerminalText, DisplayFormsTypeBackToTheirBytes) {
    for (int b = 1; b < 256; ++b) {
        const GwString shown = CTerminal::Raw2Display(static_cast<unsigned char>(b));
        const GwString back = CTerminal::Display2Raw(shown);
        SCOPED_TRACE(shown.str());
        ASSERT_EQ(back.len(), 1);
        EXPECT_EQ(static_cast<unsigned char>(back[0]), b == 0xFF ? 0x0C : b);
        EXPECT_EQ(shown.len() == 1, b > 0x20 && b <= 0x7F);
    }
    EXPECT_EQ(CTerminal::Display2Raw("<<STX>S X<S X>>").str(), "<\x02S X<S X>>");
}

// The log file: an existing file is replaced only after Yes; No, a cancelled selector and a
// file that cannot be created (error 4 with its name) leave the box off. At most 200 entries:
// the line that would make 201 drops the oldest 30 at once. The log holds every line, in the
// fixed format, with and without the sent records.
TEST_F(TerminalTest, ListRuleAndLogFile) {
    m_line->on_write = [](ScriptedPort::Line& l, const std::string& bytes) {
        if (bytes == "\x02W0\x03")
            l.arrive("\x02RV-4400 V2.13\x03");
    };
    open();
    TempDir dir;
    const std::string old = dir.write("old.txt", "keep me");
    const std::string missing = dir.file("no/such/dir/s.log");
    GwCore* box = control("ID_WRITE_LOGFILE");
    CInitMgr::_PromptOverwrite = 1;
    GwScriptedAnswers::choose_file(old.c_str());
    GwScriptedAnswers::press_button("No");
    box->click();
    const auto* question = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    EXPECT_EQ(question->title + question->text,
              CErrorHandler::error_msg(41, 0) + CErrorHandler::warning(44, 1) + old.c_str());
    GwScriptedAnswers::cancel_file();
    box->click();
    GwScriptedAnswers::choose_file(missing.c_str());
    GwScriptedAnswers::press_button("OK");
    box->click();
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::Box)->text,
              CErrorHandler::error_msg(4, 1) + missing.c_str());
    EXPECT_EQ(box->value() + m_terminal->LogOpen(), 0) << "not left looking logged";
    EXPECT_EQ(TempDir::read(old), "keep me");

    for (int only_receive : {0, 1}) {
        SCOPED_TRACE(only_receive);
        CInitMgr::m_bLogOnlyReceive = only_receive;
        reopen();
        GwScriptedAnswers::choose_file(dir.file("session").c_str());
        if (only_receive)
            GwScriptedAnswers::press_button("Yes"); // replaces the first round's file
        control("ID_WRITE_LOGFILE")->click();
        EXPECT_EQ(m_terminal->Window()->title().str(),
                  "Terminal [" + dir.file("session.log") + "]");
        send("W0");
        ASSERT_TRUE(wait_entries(2));
        for (int i = 1; i <= 199; ++i) {
            for (char c : std::to_string(i) + "\r")
                CTerminal::Receive_CB(GwString(c, 1)); // one byte at a time, as the driver does
            ASSERT_LE(entries().size(), 200u);
        }
        EXPECT_EQ(entries().size(), 171u) << "the 201st line dropped 30";
        EXPECT_EQ(entries().front(), "From|29<CR>");
        control("ID_WRITE_LOGFILE")->click(); // off
        EXPECT_EQ(m_terminal->Window()->title().str(), "Terminal");
        m_terminal.reset();

        std::string lines;
        for (int i = 1; i <= 199; ++i)
            lines += (only_receive ? "" : " ZEP --> ") + std::to_string(i) + "<CR>\n";
        const std::string stamp = R"(\d\d\.\d\d\.\d{4}   \d\d:\d\d:\d\d)";
        const std::string expected =
            "@LogOn  = " + stamp + " \tZEP Setup Version " + CInitMgr::ZEPVersionNumber().str() +
            "\n" + (only_receive ? "" : " --> ZEP <STX>W0<ETX>\n") +
            (only_receive ? "" : " ZEP --> ") + "<STX>RV-4400<SPC>V2\\.13<ETX>\n" + lines +
            "\n@LogOff = " + stamp + "\n";
        EXPECT_TRUE(std::regex_match(TempDir::read(dir.file("session.log")), std::regex(expected)))
            << TempDir::read(dir.file("session.log"));
    }
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
}

// The whole session against a scanner: the reply to "WUC" kept at opening, replies shown,
// evaluation polls "A0" once a second and ending it sends the kept reply back, the history of
// commands, copying, and closing gives the driver back in synchronous mode. Against zepsim on a
// pseudo-terminal (the in-process scanner: FrameTransfer.TheTerminalAndAnUploadShareTheConnection).
TEST_F(TerminalTest, SessionAgainstZepsim) {
    Zepsim zepsim;
    const std::string port = zepsim.start({"--options", "wire=off;delay=0"});
    ASSERT_FALSE(port.empty());
    open(port);
    EXPECT_EQ((*m_driver)->GetMode() + (*m_driver)->IsEnabled(), 3 + 1);
    EXPECT_NE(control("ID_PORT")->text().first(port.c_str()), -1) << "the port it talks on";

    send("W0");
    ASSERT_TRUE(wait_entries(2));
    send("WER");
    ASSERT_TRUE(wait_entries(4));
    EXPECT_EQ(entries(), (Strings{"To|<STX>W0<ETX>", "From|<STX>RV-4400<SPC>V2.13<ETX>",
                                  "To|<STX>WER<ETX>", "From|<STX>ER00<ETX>"}));

    control("ID_EVAL")->click();
    ASSERT_TRUE(WaitFor([&] { return entries().back().find("From|<STX>A0") == 0; }, 4000));
    control("ID_EVAL")->click(); // off: "UC0" goes back
    send("WUC");
    ASSERT_TRUE(WaitFor([&] { return entries().back() == "From|<STX>UC0<ETX>"; }, 4000));

    Strings recalled;
    for (auto key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(control("WHAT")->widget(), &press);
        recalled.push_back(control("WHAT")->text().str());
    }
    EXPECT_EQ(recalled, (Strings{"WUC", "WER", "W0", "WER", "WUC"}));

    QTreeWidget* tree = m_terminal->List()->tree();
    tree->topLevelItem(1)->setSelected(true);
    control("ID_COPY")->click();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              tree->topLevelItem(1)->text(0).toStdString() +
                  "\tFrom\t<STX>RV-4400<SPC>V2.13<ETX>\n");

    control("ID_EVAL")->click(); // on again, then the terminal closes
    m_terminal->Window()->hide();
    EXPECT_EQ((*m_driver)->GetMode(), 1);
    EXPECT_EQ((*m_driver)->WriteReadFramed("WUC").str(), "UC0") << "closing ended evaluation";
}

} // namespace
