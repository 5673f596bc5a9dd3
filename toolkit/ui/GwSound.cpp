#include "GwSound.h"

#include <QApplication>

namespace {
int g_beeps = 0;
}

void GwSound::beep() {
    ++g_beeps;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
        QApplication::beep();
}

int GwSound::beep_count() {
    return g_beeps;
}
