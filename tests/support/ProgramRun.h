// Runs a program of the build's program directory, as a user would, and keeps what it printed.
#pragma once

#include <QProcess>
#include <QStringList>

#include <string>

struct ProgramRun {
    int status = -1; // the exit status; -1 when it did not end normally within a minute
    std::string out;
    std::string err;
};

inline ProgramRun run_program(const QString& name, const QStringList& args) {
    QProcess process;
    process.start(QString(ZEP_PROGRAM_DIR) + "/" + name, args);
    ProgramRun run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit) {
        run.status = process.exitCode();
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
    }
    return run;
}
