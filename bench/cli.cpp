// zepcli against zepsim on a pseudo-terminal, as a production line runs it: the wall time of
// "zepcli upload" and of "zepcli download --verify" at 9600 and 38400 baud, each as a ratio to
// the modelled line time. Prints figures; passes or fails nothing.
//
//   build/bench/cli            (about 25 s)
//
// The modelled time comes from zepcli's own serial dump of the run: every byte sent and
// received takes its wire time (10 bits at 8N1), and every reply comes after zepsim's answer
// delay. The wall time is the whole process, from its start to its end; the start-up of a
// zepcli that talks to no scanner ("diff defaults defaults") is printed beside it.
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int kDelayMs = 10; // zepsim's default answer delay

struct Run {
    double wall = 0.0;
    double modelled = 0.0;
    int status = -1;
};

// Wire and answer time of the exchanges in a serial dump (">>" sent with its framing bytes,
// "<<" received without them).
double modelled_seconds(const std::string& dump, int baud) {
    std::ifstream in(dump);
    const double char_seconds = 10.0 / baud;
    double t = 0.0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(">>", 0) == 0)
            t += static_cast<double>(line.size() - 2) * char_seconds;
        else if (line.rfind("<<", 0) == 0 && line.size() > 2)
            t += kDelayMs / 1000.0 + static_cast<double>(line.size()) * char_seconds;
    }
    return t;
}

Run zepcli(const QString& dir, const QStringList& args, int baud) {
    QProcess process;
    process.setWorkingDirectory(dir);
    QElapsedTimer clock;
    clock.start();
    process.start(ZEP_PROGRAM_DIR "/zepcli", QStringList(args) << "--settings" << dir + "/s.ini");
    Run run;
    if (process.waitForFinished(600000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    run.modelled = modelled_seconds((dir + "/ser_dump.txt").toStdString(), baud);
    if (run.status != 0)
        std::fprintf(stderr, "zepcli %s: %s\n", args.join(' ').toLocal8Bit().constData(),
                     process.readAllStandardError().constData());
    return run;
}

void print(const char* what, int baud, const Run& run) {
    std::printf("%-18s %5d baud: wall %6.3f s, modelled %6.3f s, ratio %5.3f (goal <= 1.03)%s\n",
                what, baud, run.wall, run.modelled, run.wall / run.modelled,
                run.status == 0 ? "" : "  FAILED");
}

} // namespace

int main(int argc, char** argv) {
    use_offscreen_platform();
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString d = dir.path();
    std::ofstream(d.toStdString() + "/s.ini") << "SerialDump=YES\n";

    const Run idle = zepcli(d, {"diff", "defaults", "defaults", "--type", "ZEP100"}, 9600);
    std::printf("zepcli start-up and end without a scanner: %.3f s\n", idle.wall);
    for (const int baud : {9600, 38400}) {
        const QString line = QString("%1,N,8,1").arg(baud);
        QProcess sim;
        sim.start(ZEP_PROGRAM_DIR "/zepsim", {"--line", line});
        if (!sim.waitForReadyRead(10000)) {
            std::fprintf(stderr, "zepsim did not start\n");
            return 1;
        }
        const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();
        const QStringList common = {"--port", port, "--line", line};
        print("upload", baud, zepcli(d, QStringList{"upload", d + "/set.slp"} + common, baud));
        print("download --verify", baud,
              zepcli(d, QStringList{"download", d + "/set.slp", "--verify"} + common, baud));
        sim.kill();
        sim.waitForFinished(10000);
    }
    return 0;
}
