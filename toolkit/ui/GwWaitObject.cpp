#include "GwWaitObject.h"

#include <QApplication>
#include <QCursor>

namespace {
int g_active = 0;
}

GwWaitObject::GwWaitObject() {
    ++g_active;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

GwWaitObject::~GwWaitObject() {
    --g_active;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
        QApplication::restoreOverrideCursor();
}

int GwWaitObject::active() {
    return g_active;
}
