#include "GwDialogFrame.h"

#include "GwQt.h"

#include <QDialog>

namespace {
QWidget* parent_window(GwCore* parent) {
    if (parent == nullptr)
        return nullptr;
    GwCore* frame = parent->frame();
    QWidget* w = frame != nullptr ? frame->widget() : parent->widget();
    return w != nullptr ? w->window() : nullptr;
}
} // namespace

GwDialogFrame::GwDialogFrame(GwCore* parent, const GwString& title)
    : GwCore(new QDialog(parent_window(parent))) {
    dialog()->setWindowTitle(GwQt::qs(title));
}

QDialog* GwDialogFrame::dialog() const {
    return qobject_cast<QDialog*>(object());
}

void GwDialogFrame::set_modality(int modality) {
    m_modality = modality;
    QDialog* d = dialog();
    if (d == nullptr || d->isVisible())
        return;
    d->setWindowModality(modality == 2   ? Qt::ApplicationModal
                         : modality == 1 ? Qt::WindowModal
                                         : Qt::NonModal);
}
