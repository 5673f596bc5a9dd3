// Helpers the benchmark programs share.
#pragma once

#include "GwString.h"

#include <QByteArray>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

// Before the QApplication: no display is needed unless the caller named a platform.
inline void use_offscreen_platform() {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Processor time (user and system) of the whole process so far, in seconds.
inline double cpu_seconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The driver's error callback: prints the port error and goes on (0).
inline int report_error(const GwString& message) {
    std::fprintf(stderr, "port error: %s\n", message.cc());
    return 0;
}
