// Builds widgets from Qt Designer .ui files for the resource manager. A QSpinBox of a layout
// becomes a GwSpinBox (the toolkit's spin button over list items); everything else is built
// as Qt's own loader builds it.
#pragma once

#include <QUiLoader>

class GwUiLoader : public QUiLoader {
public:
    explicit GwUiLoader(QObject* parent = nullptr) : QUiLoader(parent) {}

    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override;
};
