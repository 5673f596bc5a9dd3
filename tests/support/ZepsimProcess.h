// zepsim, the simulated scanner on a pseudo-terminal, as a process of a test.
#pragma once

#include <QProcess>
#include <QStringList>

#include <string>

// One zepsim process, killed when the object goes.
class Zepsim {
public:
    ~Zepsim() { stop(); }
    // Starts zepsim; the device path from its first line, or empty on failure.
    std::string start(const QStringList& arguments) {
        stop();
        m_process.start(ZEP_PROGRAM_DIR "/zepsim", arguments);
        while (m_process.waitForStarted(10000) && !m_process.canReadLine() &&
               m_process.waitForReadyRead(10000)) {
        }
        return m_process.canReadLine() ? m_process.readLine().trimmed().toStdString() : "";
    }
    void stop() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

private:
    QProcess m_process;
};
