// Benchmark of the program zepmain (offscreen): the time from starting the process to a usable
// main window with the ZEP100 parameter dialog shown, and the processor time the program uses
// while it sits idle for 10 s. The program runs from a program directory of its own (links to
// the build's, its own settings file) and is driven through its test entry point
// (ZEP_TEST_SCRIPT): the script's first command, "ready", is carried out once the start-up is
// done and the window takes input.
//
//   build/bench/zepmain_start            (about 30 s)
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Run {
    double ready = -1.0;    // seconds from the start to "ready"
    double idle_cpu = -1.0; // processor seconds over the idle wait
    std::vector<std::string> out;
};

Run run(const QString& dir, const std::vector<std::string>& script, const QString& sim,
        const QStringList& args) {
    const std::string path = (dir + "/script.txt").toStdString();
    std::ofstream(path) << [&] {
        std::string text;
        for (const std::string& line : script)
            text += line + "\n";
        return text;
    }();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ZEP_TEST_SCRIPT", QString::fromStdString(path));
    env.insert("XDG_CONFIG_HOME", dir + "/config");
    env.insert("ZEP_SIM", sim);
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(dir + "/zepmain", args);
    Run r;
    std::vector<double> cpu;
    while (process.waitForReadyRead(60000) || process.canReadLine()) {
        while (process.canReadLine()) {
            const std::string line = process.readLine().trimmed().toStdString();
            r.out.push_back(line);
            if (line == "ready")
                r.ready = clock.elapsed() / 1000.0;
            if (line.rfind("cpu ", 0) == 0)
                cpu.push_back(std::stod(line.substr(4)) / 1000.0);
        }
        if (process.state() == QProcess::NotRunning)
            break;
    }
    process.waitForFinished(60000);
    if (cpu.size() == 2)
        r.idle_cpu = cpu[1] - cpu[0];
    return r;
}

double best_ready(const QString& dir, const std::vector<std::string>& script, const QString& sim,
                  const QStringList& args, int times) {
    double best = -1.0;
    for (int i = 0; i < times; ++i) {
        const double t = run(dir, script, sim, args).ready;
        if (t >= 0.0 && (best < 0.0 || t < best))
            best = t;
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString dir = temp.path();
    for (const auto& entry : fs::directory_iterator(ZEP_PROGRAM_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name == "zepmain")
            fs::copy_file(entry.path(), dir.toStdString() + "/zepmain");
        else if (name != "zepmain.ini" && name != "ser_dump.txt")
            fs::create_symlink(entry.path(), dir.toStdString() + "/" + name);
    }
    const std::string ini = dir.toStdString() + "/zepmain.ini";
    const QString fast = "delay=0;wire=off";
    // A start file, written by the program itself.
    std::ofstream(ini) << "COMPORT=SIM;\nWelcomeScreen=NO\n";
    const std::string start = dir.toStdString() + "/start.slp";
    run(dir, {"file|" + start, "answer|6", "click|SAVE_AS", "quit"}, fast, {});
    if (!fs::exists(start)) {
        std::fprintf(stderr, "zepmain_start: the program did not run (no start file)\n");
        return 1;
    }

    std::printf("zepmain, offscreen: process start to a usable main window with the ZEP100 "
                "dialog shown (best of 5)\n");
    std::ofstream(ini) << "COMPORT=SIM;\nWelcomeScreen=NO\n";
    std::printf("  a start file, no connection:                      %6.3f s\n",
                best_ready(dir, {"ready", "quit"}, fast, {QString::fromStdString(start)}, 5));
    std::printf("  connect to SIM and upload, no line time:          %6.3f s\n",
                best_ready(dir, {"ready", "quit"}, fast, {}, 5));
    std::printf("  connect to SIM and upload at 9600 baud:           %6.3f s\n",
                best_ready(dir, {"ready", "quit"}, "", {}, 1));

    // Idle: the window is up with the dialog shown and nothing happens for 10 s.
    struct Idle {
        const char* name;
        QStringList args;
    };
    for (const Idle& idle : {Idle{"connected to SIM", {}}, Idle{"a start file, not connected",
                                                                {QString::fromStdString(start)}}}) {
        const Run r = run(dir, {"ready", "cpu", "wait|10000", "cpu", "quit"}, fast, idle.args);
        std::printf("idle for 10 s (%s): processor time %.3f s = %.2f %%\n", idle.name, r.idle_cpu,
                    r.idle_cpu * 10.0);
    }
    return 0;
}
