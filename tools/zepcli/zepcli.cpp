// zepcli: the work of zepmain from a shell - detect, info, upload, download (with verify and
// store), diff and report - with the program's settings, files and messages, for one scanner
// or many at once. See CCliOptions::Usage() for the command line.
//
// Exit status: 0 done, 1 the work failed (or diff found differences), 2 usage error.
#include "CCliCommands.h"
#include "CCliOptions.h"
#include "CCliSession.h"
#include "CPortWorkers.h"

#include <QApplication>
#include <QJsonDocument>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

std::string first_line(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// The one-line summary of a worker: the result's first line, or when it failed without
// one its first message.
std::string summary(const CCliResult& result, const std::vector<std::string>& messages) {
    if (result.m_iStatus != 0 && result.m_sText.empty() && !messages.empty())
        return first_line(messages[0]);
    return first_line(result.m_sText);
}

// Qt's own remarks (an offscreen platform that cannot do what a window would ask, a missing
// runtime directory) mean nothing to the user; the library's categories ("zep.comm", switched
// on with QT_LOGGING_RULES) and real failures pass.
void quiet_qt(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const bool ours = context.category != nullptr && std::strncmp(context.category, "zep", 3) == 0;
    if (ours || type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << "\n";
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    CCliOptions options;
    std::string error;
    if (!options.Parse(args, error)) {
        std::cerr << "zepcli: " << error << "\n" << CCliOptions::Usage();
        return 2;
    }
    if (options.m_bHelp) {
        std::cout << CCliOptions::Usage();
        return 0;
    }
    if (options.m_bVersion) {
        std::cout << "zepcli " << ZEP_VERSION << "\n";
        return 0;
    }
    // No window is ever shown; the library's message boxes and printer need a GUI platform.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet_qt);
    QApplication app(argc, argv);

    if (options.m_oPorts.size() > 1 && options.UsesScanner())
        return CPortWorkers::Run(QCoreApplication::applicationFilePath(), args, options.m_oPorts,
                                 options.m_bJson);

    CCliSession session(options);
    if (!session.Start())
        return 2;
    CCliCommands commands(session, options);
    CCliResult result = commands.Run();
    if (options.m_bWorker) {
        result.m_oJson["summary"] = QString::fromStdString(summary(result, session.Messages()));
        std::cout << QJsonDocument(result.m_oJson).toJson(QJsonDocument::Compact).toStdString()
                  << "\n";
    } else if (options.m_bJson) {
        std::cout << QJsonDocument(result.m_oJson).toJson(QJsonDocument::Indented).toStdString();
    } else {
        std::cout << result.m_sText;
    }
    return result.m_iStatus;
}
