// Conversions between the system's texts (GwString, UTF-8 bytes) and Qt's.
#pragma once

#include "GwString.h"

#include <QString>

class GwQt {
public:
    static QString qs(const GwString& text) {
        return QString::fromUtf8(text.str().data(), static_cast<qsizetype>(text.str().size()));
    }
    static GwString gs(const QString& text) { return GwString(text.toStdString()); }
};
