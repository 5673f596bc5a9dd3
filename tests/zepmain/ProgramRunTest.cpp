// The program zepmain as a process, started the way a technician starts it, driven through its
// test entry point (ZEP_TEST_SCRIPT): a program directory of its own holding a copy of the
// program under another name, started by a relative path from another directory, so the
// program must find its directory from the executable; the settings file is the copy's.
#include "WindowTestSupport.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <fstream>

namespace {

class Installed : public ProgramDir {
public:
    Installed() : ProgramDir(true, "zep-setup") { fs::create_directory(file("work")); }
    std::string settings() const { return file("zepmain.ini"); }

    // Runs the program from work/ with a script; its standard output, one line each.
    // status: the exit code.
    Strings run(const Strings& script, int& status, const QStringList& args = {}) const {
        std::string text;
        for (const std::string& line : script)
            text += line + "\n";
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ZEP_TEST_SCRIPT", QString::fromStdString(write("script.txt", text)));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(file("config")));
        env.insert("ZEP_SIM", "delay=0;wire=off");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QString::fromStdString(file("work")));
        process.start("../zep-setup", args);
        status = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
                     ? process.exitCode()
                     : -1;
        Strings lines;
        for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                lines.push_back(line.toStdString());
        return lines;
    }
};

bool has(const Strings& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ProgramRun, ANewUserSeesItConnectToTheSimulatedScannerAndUpload) {
    Installed installed;
    int status = 0;
    const auto out = installed.run({"end|Welcome Dialog|6", "shown", "quit"}, status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(has(out, "dialog|Welcome Dialog|6"));
    EXPECT_TRUE(has(out, "info|Connecting to the scanner on port\\nSIM"));
    EXPECT_TRUE(has(out, "info|Reading the parameters from the scanner (upload) ..."));
    for (const std::string& line : out)
        EXPECT_NE(line.rfind("box|", 0), 0u) << line; // nothing went wrong
    // What it kept: the simulated scanner's port and the type it found.
    for (const char* kept : {"COMPORT=SIM;\n", "BAUDRATE=9600;\n", "LastZEPType=ZEP100\n"})
        EXPECT_TRUE(holds(installed.settings(), kept)) << TempDir::read(installed.settings());
}

TEST(ProgramRun, TheWholeJobAgainstZepsimOnAPseudoTerminal) {
    Installed installed;
    const std::string memory = installed.file("zepsim.mem");
    Zepsim zepsim;
    const std::string device =
        zepsim.start({"--no-wire", "--delay", "0", "--memory", QString::fromStdString(memory)});
    ASSERT_FALSE(device.empty());
    std::ofstream(installed.settings()) << "COMPORT=" << device << ";\nWelcomeScreen=NO\n";

    const std::string script = installed.file("work/line 4.slp");
    int status = 0;
    const auto out = installed.run(
        {
            "ready",
            // Change two values and save them as a script.
            "set|DCI|900",
            "set|H0E|HALL 4",
            "file|" + script,
            "answer|6",
            "click|SAVE_AS",
            // Back to the defaults, then the script again.
            "click|FACTORY_DEFAULTS",
            "file|" + script,
            "answer|6",
            "click|OPEN",
            // Download and store.
            "dialog|Download Mode|ID_MODE1|ID_OK",
            "answer|6",
            "click|DOWNLOAD_TO_ZEP",
            "shown",
            "quit",
        },
        status);
    zepsim.stop();
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(has(out, "ready"));
    EXPECT_TRUE(has(out, "box|ZEP Data: |The file has been written:\\n" + script + "|6"));
    EXPECT_TRUE(has(out, "box|ZEP Data: |The file has been read:\\n" + script + "|6"));
    EXPECT_TRUE(has(out, "box|ZEP Data: |The parameters were sent to the scanner. Whether it took "
                         "them was not checked: choose verify to read them back.\\nThe scanner "
                         "was told to store the parameters permanently.|6"))
        << testing::PrintToString(out);
    // The scanner's permanent memory holds what the script held.
    EXPECT_TRUE(holds(memory, "DCI=0900")) << TempDir::read(memory);
    EXPECT_TRUE(holds(memory, "H0E=\"HALL 4\"")) << TempDir::read(memory);
    EXPECT_TRUE(holds(installed.settings(), "COMPORT=" + device + ";"));

    // The script named on the command line, relative to where the program was started: it is
    // opened (and so first among the recent files) before anything else happens, silently: no
    // message that it was read, and no connection is tried (port NONE would be an error).
    std::ofstream(installed.settings()) << "COMPORT=NONE;\n";
    const auto again =
        installed.run({"end|Welcome Dialog|6", "shown", "quit"}, status, {"line 4.slp"});
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(has(again, "dialog|Welcome Dialog|6"));
    for (const std::string& line : again)
        EXPECT_NE(line.rfind("box|", 0), 0u) << line;
    std::string stored_form = script;
    std::replace(stored_form.begin(), stored_form.end(), '/', '\\');
    EXPECT_TRUE(holds(installed.settings(), "\nFile=" + stored_form + "\n"))
        << TempDir::read(installed.settings());
}

} // namespace
