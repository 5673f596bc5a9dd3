// Automatic baud-rate detection that tries the stored settings first, against the in-process
// simulated scanner with wire time and real probe time-outs:
//   1. the scanner still at the stored settings (19200, E, 7, 1): found with the first probe;
//   2. the scanner at the last combination of the list (300, O, 7, 2) while 9600, N, 8, 1 are
//      stored: all 84 probes, printed as a ratio to the fixed list's 26.352 s (goal <= 1.03).
// Passes or fails nothing.
//
//   build/bench/autobaud_stored_first            (about 27 s)
#include "CAutoBaudDetect.h"
#include "CDriver.h"
#include "CInitMgr.h"
#include "CSimOptions.h"
#include "CSimPort.h"
#include "GwCore.h"
#include "GwScriptedAnswers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

int report_error(const GwString& message) {
    std::fprintf(stderr, "port error: %s\n", message.cc());
    return 0;
}

// Detects with the scanner at scanner and stored settings first; prints and gives the seconds.
double run(const char* title, const char* scanner, const char* stored) {
    CSimOptions options;
    GwString error;
    options.Parse(scanner, error);
    CSimPort::ResetDevice(options);
    CAutoBaudDetect detector(nullptr, nullptr);
    detector.TryFirst(stored);
    QElapsedTimer clock;
    clock.start();
    const int result = detector.Detect();
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    std::printf("%s\n  scanner %s, stored %s: result %d, %d probe(s), found \"%s\", %.3f s\n",
                title, scanner, stored, result, detector.Probes(), detector.GetSucPars().cc(),
                wall);
    return wall;
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    GwScriptedAnswers::enable();
    CInitMgr::m_sComID = "SIM";

    QWidget window;
    CDriver driver(GwCore::of(&window), report_error, nullptr, 0);
    g_pcoDriver = &driver;
    driver.set_mode(1);

    int sum = 0;
    for (const GwString& entry : CAutoBaudDetect::Combinations())
        sum += CAutoBaudDetect::ProbeTimeout(GwAtoi(entry.cc()));

    run("1. scanner at the stored settings", "19200,E,7,1", "19200,e,7,1");
    const double last =
        run("2. scanner at the last combination", "300,O,7,2", "9600,N,8,1");
    std::printf("  ratio to the fixed list's %.3f s: %.3f (goal <= 1.03)\n", sum / 1000.0,
                last / (sum / 1000.0));
    g_pcoDriver = nullptr;
    return 0;
}
