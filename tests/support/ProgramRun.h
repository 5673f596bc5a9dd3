// Runs a program of the build's program directory, as a user would, and keeps what it printed.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

struct ProgramRun {
    int status = -1; // the exit status; -1 when it did not end normally within the time
    std::string out;
    std::string err;
};

// env: variables set for the program on top of the test's own ("ZEP_SIM", "delay=0").
inline ProgramRun run_program(const QString& name, const QStringList& args,
                              const std::vector<std::pair<QString, QString>>& env = {},
                              int timeout_ms = 60000) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [key, value] : env)
        environment.insert(key, value);
    process.setProcessEnvironment(environment);
    process.start(QString(ZEP_PROGRAM_DIR) + "/" + name, args);
    ProgramRun run;
    if (process.waitForFinished(timeout_ms) && process.exitStatus() == QProcess::NormalExit) {
        run.status = process.exitCode();
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
    }
    return run;
}
