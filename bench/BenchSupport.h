// Helpers the benchmark programs share.
#pragma once

#include "GwString.h"

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Before the QApplication: no display is needed unless the caller named a platform.
inline void use_offscreen_platform() {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Processor time (user and system) of the whole process so far, in seconds.
inline double cpu_seconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// The driver's error callback: prints the port error and goes on (0).
inline int report_error(const GwString& message) {
    std::fprintf(stderr, "port error: %s\n", message.cc());
    return 0;
}
