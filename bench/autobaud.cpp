// A full unsuccessful automatic baud-rate detection: the in-process simulated scanner listens
// at 38400 baud, which the table never tries, so all 84 probes wait their full time-out. Prints
// the wall time as a ratio to the sum of the 84 time-outs (26.352 s) and the processor share.
// Passes or fails nothing.
//
//   build/bench/autobaud            (about 27 s)
#include "BenchSupport.h"
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

int main(int argc, char** argv) {
    use_offscreen_platform();
    QApplication app(argc, argv);
    GwScriptedAnswers::enable();

    CSimOptions options;
    GwString error;
    options.Parse("38400,N,8,1", error);
    CSimPort::ResetDevice(options);
    CInitMgr::m_sComID = "SIM";

    QWidget window;
    CDriver driver(GwCore::of(&window), report_error, nullptr, 0);
    g_pcoDriver = &driver;
    driver.set_mode(1);

    int sum = 0;
    for (const GwString& entry : CAutoBaudDetect::Combinations())
        sum += CAutoBaudDetect::ProbeTimeout(GwAtoi(entry.cc()));

    CAutoBaudDetect detector(nullptr, nullptr);
    QElapsedTimer clock;
    const double cpu0 = cpu_seconds();
    clock.start();
    const int result = detector.Detect();
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const double cpu = cpu_seconds() - cpu0;

    std::printf("automatic baud detection without answer: result %d after %d probes\n", result,
                detector.Probes());
    std::printf("wall %7.3f s, sum of the time-outs %7.3f s, ratio %5.3f (goal <= 1.05)\n", wall,
                sum / 1000.0, wall / (sum / 1000.0));
    std::printf("processor %6.3f s = %5.2f %% of wall time\n", cpu, 100.0 * cpu / wall);
    g_pcoDriver = nullptr;
    return 0;
}
