// The terminal against a scripted line (every byte written is seen, any byte can arrive),
// against the simulated scanner in the process and against zepsim on a pseudo-terminal:
// framing of typed commands, received lines as names or raw, the 200/30 list rule, the log
// file byte for byte, evaluation mode, and the driver's mode around the terminal.
#include "../comm/CommTestSupport.h"
#include "CTerminal.h"
#include "EventWait.h"
#include "GwMultiColumnScrolledList.h"
#include "ProgramWindows.h"
#include "ScriptedPort.h"
#include "TempDir.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <regex>

namespace {

using Strings = std::vector<std::string>;

class TerminalTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(m_windows.loaded(), 1);
        m_saved_only_receive = CInitMgr::m_bLogOnlyReceive;
        m_saved_prompt = CInitMgr::_PromptOverwrite;
    }
    void TearDown() override {
        m_terminal.reset();
        CInitMgr::m_bLogOnlyReceive = m_saved_only_receive;
        CInitMgr::_PromptOverwrite = m_saved_prompt;
        CSimPort::ResetDevice();
    }
    // The driver on port, synchronous as after a connection, polling fast.
    void connect(const GwString& port) {
        m_driver = std::make_unique<TestDriver>();
        (*m_driver)->set_lookup(5);
        ASSERT_EQ((*m_driver)->initialise(port, "9600,N,8,1"), 1);
        ASSERT_EQ((*m_driver)->set_mode(1), 1);
        (*m_driver)->set_timeout(500);
    }
    void open() {
        m_terminal = std::make_unique<CTerminal>("DlgTerminal", ProgramWindows::file(),
                                                 ZepCallbackTable(), nullptr);
        ASSERT_NE(m_terminal->Window(), nullptr);
        m_terminal->Window()->show();
    }
    GwCore* control(const char* id) const { return m_terminal->Window()->child(id); }
    void type_and_send(const char* command) {
        control("WHAT")->set_text(command);
        control("ID_SEND")->click();
    }
    Strings entries() const { return entries_of(m_terminal->List()->tree()); }
    // Waits until the list holds n entries.
    bool wait_entries(size_t n) const {
        return WaitFor([&] { return entries().size() >= n; }, 5000);
    }

    ProgramWindows m_windows;
    CommSettings m_settings;
    std::unique_ptr<TestDriver> m_driver;
    std::unique_ptr<CTerminal> m_terminal;
    int m_saved_only_receive = 0;
    int m_saved_prompt = 1;
};

// What goes on the wire for a typed command: the frame fields around it (an empty command
// with both fields sends just the two characters; with neither, nothing), names turned into
// their bytes, a command button sending its own id.
TEST_F(TerminalTest, TypedCommandsGoOnTheWireBetweenTheFrameCharacters) {
    auto line = std::make_shared<ScriptedPort::Line>();
    ScriptedPort::Install(line);
    connect("COM1");
    open();
    const std::pair<const char*, std::string> rows[] = {
        {"W0", "\x02W0\x03"},
        {"", "\x02\x03"},
        {"H0E\"<E4>x>y<abc>\"<cr>", "\x02H0E\"\xE4x>y<abc>\"\r\x03"},
    };
    for (const auto& [typed, wire] : rows) {
        line->written.clear();
        type_and_send(typed);
        EXPECT_EQ(line->written, wire) << typed;
    }
    line->written.clear();
    control("WUC")->click();
    EXPECT_EQ(line->written, "\x02WUC\x03");
    EXPECT_EQ(entries().back(), "To|<STX>WUC<ETX>");
    EXPECT_EQ(control("WHAT")->text().str(), "WUC");

    control("STRT_FRAME")->set_text("");
    control("STOP_FRAME")->set_text("CR");
    line->written.clear();
    type_and_send("W1");
    EXPECT_EQ(line->written, "W1\r");
    delete control("STOP_FRAME");
    delete control("STRT_FRAME");
    const size_t before = entries().size();
    line->written.clear();
    type_and_send("");
    EXPECT_EQ(line->written, "") << "nothing to send";
    EXPECT_EQ(entries().size(), before);
}

// Received bytes split into lines at ETX, CR and LF; shown with names, or exactly as they
// came (a "<" or "|" of the data stays what it is); bytes of 128 and more as two hex digits;
// a zero byte is dropped.
TEST_F(TerminalTest, ReceivedLinesShowWithNamesOrAsTheyCame) {
    auto line = std::make_shared<ScriptedPort::Line>();
    ScriptedPort::Install(line);
    connect("COM1");
    open();
    line->arrive(std::string("\x02"
                             "A<B>|C \xE4\xFF\x03x\r\n") +
                 std::string(1, '\0') + "y\n");
    ASSERT_TRUE(wait_entries(4));
    EXPECT_EQ(entries(), (Strings{"From|<STX>A<B>|C<SPC><E4><FF><ETX>", "From|x<CR>", "From|<LF>",
                                  "From|y<LF>"}));
    control("ID_SHOWCTRL")->click(); // off
    line->arrive("\x02<STX>|\x03"
                 "z\r\n");
    ASSERT_TRUE(wait_entries(7));
    const Strings all = entries();
    EXPECT_EQ(Strings(all.begin() + 4, all.end()),
              (Strings{"From|\x02<STX>|\x03", "From|z\r", "From|"}));
    type_and_send("<ESC>");
    EXPECT_EQ(entries().back(), "To|\x02\x1b\x03") << "sent raw as well";
    for (int i = 0; i < 4096; ++i)
        CTerminal::Receive_CB("a"); // a scanner that never ends its line
    EXPECT_EQ(entries().back(), "From|" + std::string(4096, 'a'));

    // Evaluation switched on while a reply is on its way: the reply still shows.
    control("ID_SHOWCTRL")->click(); // names again
    line->on_write = [](ScriptedPort::Line& l, const std::string& bytes) {
        if (bytes == "\x02W0\x03")
            l.arrive("\x02RV-4400\x03");
    };
    type_and_send("W0");
    control("ID_EVAL")->click();
    EXPECT_TRUE(WaitFor([&] { return entries().back() == "From|<STX>RV-4400<ETX>"; }, 2000));
    control("ID_EVAL")->click();
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

// At most 200 entries: the line that would make 201 drops the oldest 30 at once. The log
// holds every line, in the fixed format, with and without the sent records.
TEST_F(TerminalTest, ListRuleAndLogFileByteForByte) {
    auto line = std::make_shared<ScriptedPort::Line>();
    line->on_write = [](ScriptedPort::Line& l, const std::string& bytes) {
        if (bytes == "\x02W0\x03")
            l.arrive("\x02RV-4400 V2.13\x03");
    };
    ScriptedPort::Install(line);
    connect("COM1");
    TempDir dir;
    CInitMgr::_PromptOverwrite = 0; // the second round replaces the first one's file unasked
    for (int only_receive : {0, 1}) {
        SCOPED_TRACE(only_receive);
        CInitMgr::m_bLogOnlyReceive = only_receive;
        open();
        GwScriptedAnswers::choose_file(dir.file("session").c_str());
        control("ID_WRITE_LOGFILE")->click();
        ASSERT_EQ(m_terminal->LogOpen(), 1);
        EXPECT_EQ(m_terminal->Window()->title().str(),
                  "Terminal [" + dir.file("session.log") + "]");
        type_and_send("W0");
        ASSERT_TRUE(wait_entries(2));
        for (int i = 1; i <= 199; ++i) {
            for (char c : std::to_string(i) + "\r")
                CTerminal::Receive_CB(GwString(c, 1)); // one byte at a time, as the driver does
            ASSERT_LE(entries().size(), 200u);
        }
        EXPECT_EQ(entries().size(), 171u) << "the 201st line dropped 30";
        EXPECT_EQ(entries().front(), "From|29<CR>");
        control("ID_WRITE_LOGFILE")->click(); // off
        EXPECT_EQ(m_terminal->LogOpen(), 0);
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
}

// The log file's question and failures: a chosen name with an extension is kept; an existing
// file is replaced only after Yes; No or a cancelled selector leaves logging off; a file that
// cannot be created says so (error 4 and its name) and unchecks the box.
TEST_F(TerminalTest, LogFileQuestionCancelAndFailure) {
    connect("SIM");
    open();
    TempDir dir;
    const std::string old = dir.write("old.txt", "keep me");
    CInitMgr::_PromptOverwrite = 1;
    GwCore* box = control("ID_WRITE_LOGFILE");

    GwScriptedAnswers::choose_file(old.c_str());
    GwScriptedAnswers::press_button("No");
    box->click();
    const auto* question = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->title, CErrorHandler::error_msg(41, 0));
    EXPECT_EQ(question->text, CErrorHandler::warning(44, 1) + old.c_str());
    EXPECT_EQ(box->value() + m_terminal->LogOpen(), 0);
    EXPECT_EQ(TempDir::read(old), "keep me");

    GwScriptedAnswers::cancel_file();
    box->click();
    EXPECT_EQ(box->value() + m_terminal->LogOpen(), 0);

    const std::string missing = dir.file("no/such/dir/s.log");
    GwScriptedAnswers::choose_file(missing.c_str());
    GwScriptedAnswers::press_button("OK");
    box->click();
    const auto* error = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    EXPECT_EQ(error->text, CErrorHandler::error_msg(4, 1) + missing.c_str());
    EXPECT_EQ(box->value() + m_terminal->LogOpen(), 0) << "not left looking logged";

    GwScriptedAnswers::choose_file(old.c_str());
    GwScriptedAnswers::press_button("Yes");
    box->click();
    EXPECT_EQ(m_terminal->LogOpen(), 1);
    box->click();
    EXPECT_EQ(TempDir::read(old).rfind("@LogOn  = ", 0), 0u);
    EXPECT_EQ(GwScriptedAnswers::unanswered(), 0);
}

// The whole session against a scanner: the reply to "WUC" kept at opening, replies shown,
// evaluation polls "A0" once a second and ending it sends the kept reply back, the history of
// commands, copying, and closing gives the driver back in synchronous mode.
class TerminalSession : public TerminalTest, public testing::WithParamInterface<bool> {};

TEST_P(TerminalSession, AgainstTheScanner) {
    Zepsim zepsim;
    std::string port = "SIM";
    if (GetParam())
        port = zepsim.start({"--options", "wire=off;delay=0"});
    else
        reset_sim("wire=off;delay=0");
    ASSERT_FALSE(port.empty());
    connect(port.c_str());
    open();
    EXPECT_EQ((*m_driver)->GetMode(), 3);
    EXPECT_EQ((*m_driver)->IsEnabled(), 1);
    EXPECT_NE(control("ID_PORT")->text().first(port.c_str()), -1) << "the port it talks on";

    type_and_send("W0");
    ASSERT_TRUE(wait_entries(2));
    type_and_send("WER");
    ASSERT_TRUE(wait_entries(4));
    EXPECT_EQ(entries(), (Strings{"To|<STX>W0<ETX>", "From|<STX>RV-4400<SPC>V2.13<ETX>",
                                  "To|<STX>WER<ETX>", "From|<STX>ER00<ETX>"}));

    control("ID_EVAL")->click();
    ASSERT_TRUE(WaitFor([&] { return entries().back().find("From|<STX>A0") == 0; }, 4000));
    control("ID_EVAL")->click(); // off: "UC0" goes back
    type_and_send("WUC");
    ASSERT_TRUE(WaitFor([&] { return entries().back() == "From|<STX>UC0<ETX>"; }, 4000));

    QWidget* what = control("WHAT")->widget();
    std::vector<std::string> recalled;
    for (auto key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(what, &press);
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

INSTANTIATE_TEST_SUITE_P(Scanner, TerminalSession, testing::Values(false, true),
                         [](const auto& p) { return p.param ? "Zepsim" : "InProcess"; });

} // namespace
