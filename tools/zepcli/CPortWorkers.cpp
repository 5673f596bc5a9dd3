#include "CPortWorkers.h"

#include "CCliOptions.h"
#include "CCliSession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <iostream>
#include <memory>

namespace {

// The worker's result: the last line of its standard output that is a JSON object.
QJsonObject result_of(const std::string& out) {
    const QList<QByteArray> lines = QByteArray::fromStdString(out).split('\n');
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        const QJsonDocument doc = QJsonDocument::fromJson(*line);
        if (doc.isObject())
            return doc.object();
    }
    return QJsonObject();
}

} // namespace

std::string CPortWorkers::PortLine(const std::string& port, int status, const std::string& out) {
    const QJsonObject result = result_of(out);
    std::string summary = result.value("summary").toString().toStdString();
    if (result.isEmpty())
        summary = "the worker ended without a result (exit status " + std::to_string(status) + ")";
    return port + (status == 0 ? ": ok: " : ": FAILED: ") + summary;
}

int CPortWorkers::Run(const QString& program, const std::vector<std::string>& args,
                      const std::vector<std::string>& ports, bool json) {
    std::vector<std::unique_ptr<QProcess>> workers;
    for (const std::string& port : ports) {
        QStringList arguments;
        for (const std::string& a : CCliOptions::WorkerArgs(args, port))
            arguments << QString::fromStdString(a);
        workers.push_back(std::make_unique<QProcess>());
        workers.back()->start(program, arguments);
    }
    int status = 0;
    QJsonArray all;
    std::vector<std::string> lines;
    for (size_t i = 0; i < workers.size(); ++i) {
        QProcess& worker = *workers[i];
        const bool ended =
            worker.waitForFinished(-1) && worker.exitStatus() == QProcess::NormalExit;
        const int code = ended ? worker.exitCode() : -1;
        const std::string out = worker.readAllStandardOutput().toStdString();
        for (const QByteArray& line : worker.readAllStandardError().split('\n')) {
            if (!line.isEmpty())
                std::cerr << ports[i] << ": " << line.toStdString() << "\n";
        }
        CCliSession::Progress("ports", static_cast<int>(i + 1), static_cast<int>(ports.size()));
        QJsonObject result = result_of(out);
        result["port"] = QString::fromStdString(ports[i]);
        if (!result.contains("status"))
            result["status"] = code;
        all.append(result);
        lines.push_back(PortLine(ports[i], code, out));
        if (code != 0)
            status = 1;
    }
    if (json) {
        std::cout << QJsonDocument(all).toJson(QJsonDocument::Indented).toStdString();
    } else {
        for (const std::string& line : lines)
            std::cout << line << "\n";
    }
    return status;
}
