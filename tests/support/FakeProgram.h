// A program written by a test that records the arguments it was started with, one per line.
// It writes its record in one piece, so a test sees all of the arguments or none.
#pragma once

#include "GwEventLoop.h"
#include "TempDir.h"

#include <QFileInfo>

#include <filesystem>
#include <string>

class FakeProgram {
public:
    FakeProgram(const TempDir& dir, const std::string& name) : m_log(dir.file(name + ".log")) {
        m_path = dir.write(name + ".sh",
                           "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '" + m_log +
                               ".tmp'; done\nmv '" + m_log + ".tmp' '" + m_log + "'\n");
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all);
    }
    const std::string& path() const { return m_path; }
    // The arguments of its run, each followed by a line end; empty when it did not run within
    // the guard of 10 s (the record appears when the program ends).
    std::string arguments() const {
        for (int i = 0; i < 200 && !QFileInfo::exists(QString::fromStdString(m_log)); ++i)
            GwEventLoop::wait_for_events(50);
        return TempDir::read(m_log);
    }

private:
    std::string m_log;
    std::string m_path;
};
