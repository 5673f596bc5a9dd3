// Upload and download of the whole ZEP100 parameter set against the in-process simulated
// scanner at 9600 baud, with its wire-time model on. Prints figures; passes or fails nothing.
//
//   build/bench/transfer            (about 10 s)
//
// Figures:
//   - processor time of the whole process during the upload, as a share of its wall time
//     (the driver waits for the next event; a spinning wait would be near 100 %);
//   - wall time of upload and download as a ratio to the simulator's modelled time: every
//     byte's wire time at 9600 baud (10 bits, 8N1) plus the scanner's answer delay, one
//     exchange after the other. A download ends when its last command has reached the
//     scanner, which a closing "W1" shows; that exchange is counted on both sides.
#include "BenchSupport.h"
#include "CDriver.h"
#include "CInitMgr.h"
#include "CScanRepoBuilder.h"
#include "CScanRepoIf.h"
#include "CSimOptions.h"
#include "CSimPort.h"
#include "CSimScanner.h"
#include "EwRepository.h"
#include "GwCore.h"
#include "GwScriptedAnswers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

int ignore_data(const GwString&) {
    return 1;
}

constexpr double kCharSeconds = 10.0 / 9600.0; // 8N1 at 9600 baud

// The modelled time of one framed exchange: command out, answer delay, reply back.
double exchange_seconds(const GwString& command, const GwString& reply, int delayMs) {
    double t = (command.len() + 2) * kCharSeconds;
    if (reply.not_null())
        t += delayMs / 1000.0 + (reply.len() + 2) * kCharSeconds;
    return t;
}

std::vector<GwString> names_of(const EwRepository& repo) {
    std::vector<GwString> out;
    std::unique_ptr<DynGwStringPtrArray> groups(repo.list_of_names());
    for (int g = 0; g < groups->count(); ++g) {
        std::unique_ptr<DynGwStringPtrArray> names(repo.list_of_param_names(*groups->get(g)));
        for (int i = 0; i < names->count(); ++i)
            out.push_back(*names->get(i));
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    use_offscreen_platform();
    QApplication app(argc, argv);
    GwScriptedAnswers::enable(); // no message box may wait for a person

    const GwString bin = QCoreApplication::applicationDirPath().toStdString() + "/../bin/";
    CInitMgr::m_sProgramDir = bin;
    CInitMgr::m_sComID = "SIM";
    CInitMgr::m_sComBaudrate = "9600";
    CInitMgr::m_sComParity = "N";
    CInitMgr::m_sComDatabits = "8";
    CInitMgr::m_sComStopbits = "1";
    CInitMgr::m_sScannerType = "RV-4400";

    CSimOptions options; // 9600,N,8,1, answer delay 10 ms, wire time on
    CSimPort::ResetDevice(options);

    QWidget window;
    CDriver driver(GwCore::of(&window), report_error, ignore_data, 0);
    g_pcoDriver = &driver;
    CScanRepoIf transfer(GwCore::of(&window));
    if (!transfer.initialize()) {
        std::fprintf(stderr, "no connection to the simulated scanner (program directory %s)\n",
                     bin.cc());
        return 1;
    }
    CScanRepoBuilder builder;
    std::unique_ptr<EwRepository> repo(builder.build_repo(bin + "ZEP100\\Profile.zep"));
    const std::vector<GwString> names = names_of(*repo);

    // --- Upload ---
    CSimScanner twin(options); // answers the same queries, to model their time
    double modelled = 0.0;
    for (GwString name : names) {
        const GwString query = transfer.CmdMap()->GetQueryCmd(name);
        modelled += exchange_seconds(query, twin.Execute(query), options.m_iDelayMs);
    }
    QElapsedTimer clock;
    const double cpu0 = cpu_seconds();
    clock.start();
    transfer.DataFromScanner(repo.get(), 0);
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const double cpu = cpu_seconds() - cpu0;
    if (!transfer.UploadComplete()) {
        std::fprintf(stderr, "the upload did not complete\n");
        return 1;
    }

    // --- Download (every parameter, then "W1") ---
    double modelledDown = 0.0;
    for (GwString name : names) {
        CCmdMap& map = *transfer.CmdMap();
        GwString value = repo->value(name, 1);
        if (map.IsString(name))
            value = "\"" + value + "\"";
        GwString command = map.GetWriteCmd(name);
        if (map.IsDependent(name)) {
            const GwString query = map.GetQueryCmd(name);
            const GwString reply = twin.Execute(query);
            modelledDown += exchange_seconds(query, reply, options.m_iDelayMs);
            command = reply + command;
        }
        modelledDown += exchange_seconds(command + value, GwString(), 0);
        twin.Execute(command + value);
    }
    modelledDown += exchange_seconds("W1", twin.Execute("W1"), options.m_iDelayMs);
    const double cpuDown0 = cpu_seconds();
    clock.restart();
    const int downloaded = transfer.Repo2Scanner(repo.get(), 0);
    const GwString w1 = driver.WriteReadFramed("W1");
    const double wallDown = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const double cpuDown = cpu_seconds() - cpuDown0;
    if (!downloaded || w1.is_empty()) {
        std::fprintf(stderr, "the download did not complete\n");
        return 1;
    }

    std::printf("ZEP100, %zu parameters, simulated scanner at 9600 baud 8N1, answer delay %d ms\n",
                names.size(), options.m_iDelayMs);
    std::printf("upload:   wall %7.3f s, modelled %7.3f s, ratio %5.3f (goal <= 1.05)\n", wall,
                modelled, wall / modelled);
    std::printf("          processor %6.3f s = %5.2f %% of wall time (goal <= 5 %%)\n", cpu,
                100.0 * cpu / wall);
    std::printf("download: wall %7.3f s, modelled %7.3f s, ratio %5.3f (goal <= 1.05)\n", wallDown,
                modelledDown, wallDown / modelledDown);
    std::printf("          processor %6.3f s = %5.2f %% of wall time\n", cpuDown,
                100.0 * cpuDown / wallDown);
    g_pcoDriver = nullptr;
    return 0;
}
