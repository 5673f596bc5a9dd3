#include "GwUiLoader.h"

#include "GwSpinBox.h"

QWidget* GwUiLoader::createWidget(const QString& className, QWidget* parent, const QString& name) {
    if (className == QLatin1String("QSpinBox") || className == QLatin1String("GwSpinBox")) {
        auto* spin = new GwSpinBox(parent);
        spin->setObjectName(name);
        return spin;
    }
    return QUiLoader::createWidget(className, parent, name);
}
