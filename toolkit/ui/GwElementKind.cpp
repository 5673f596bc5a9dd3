#include "GwElementKind.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBox>
#include <QTreeWidget>

#include <iterator>

namespace {

// Subclasses before their base classes (a label is a frame, a list a frame too). Elements with
// items (combo box, spin box over items, lists) take text and value from their items.
const GwElementKind kKinds[] = {
    {&QAction::staticMetaObject, GwMENUITEM_CLASS, "text", "checked"},
    {&QMenu::staticMetaObject, GwMENU_CLASS, "windowTitle", nullptr},
    {&QTabWidget::staticMetaObject, GwTABCONTROL_CLASS, "windowTitle", "currentIndex"},
    {&QLineEdit::staticMetaObject, GwEDITBUTTON_CLASS, "text", nullptr},
    {&QTextEdit::staticMetaObject, GwEDITBUTTON_CLASS, "plainText", nullptr},
    {&QPlainTextEdit::staticMetaObject, GwEDITBUTTON_CLASS, "plainText", nullptr},
    {&QSpinBox::staticMetaObject, GwSPINBUTTON_CLASS, "text", "value"},
    {&QAbstractSpinBox::staticMetaObject, GwSPINBUTTON_CLASS, "text", nullptr},
    {&QComboBox::staticMetaObject, GwCOMBOBOX_CLASS, nullptr, nullptr},
    {&QRadioButton::staticMetaObject, GwTOGGLEBUTTON_CLASS, "text", "checked"},
    {&QCheckBox::staticMetaObject, GwTOGGLEBUTTON_CLASS, "text", "checked"},
    {&QAbstractButton::staticMetaObject, GwPUSHBUTTON_CLASS, "text", "checked"},
    {&QLabel::staticMetaObject, GwLABEL_CLASS, "text", nullptr},
    {&QProgressBar::staticMetaObject, GwPROGRESS_CLASS, nullptr, "value"},
    {&QAbstractSlider::staticMetaObject, GwSLIDER_CLASS, "windowTitle", "value"},
    {&QListWidget::staticMetaObject, GwLIST_CLASS, nullptr, nullptr},
    {&QTreeWidget::staticMetaObject, GwLIST_CLASS, nullptr, nullptr},
    {&QGroupBox::staticMetaObject, GwCONTAINER_CLASS, "title", nullptr},
    {&QFrame::staticMetaObject, GwCONTAINER_CLASS, "windowTitle", nullptr},
    {&QWidget::staticMetaObject, GwWINDOW_CLASS, "windowTitle", nullptr},
};

// The class of a page of a tab widget, a stacked widget or a tool box (whose pages sit in a
// scroll area's viewport); GwWINDOW_CLASS for any other widget.
GwClassId page_class(QWidget* w) {
    QWidget* p = w->parentWidget();
    if (p == nullptr)
        return GwWINDOW_CLASS;
    if (qobject_cast<QStackedWidget*>(p) != nullptr)
        return qobject_cast<QTabWidget*>(p->parentWidget()) != nullptr ? GwTABPAGE_CLASS
                                                                       : GwPAGE_CLASS;
    for (QWidget* q = p; q != nullptr; q = q->parentWidget())
        if (auto* box = qobject_cast<QToolBox*>(q))
            return box->indexOf(w) >= 0 ? GwPAGE_CLASS : GwWINDOW_CLASS;
    return GwWINDOW_CLASS;
}

} // namespace

const GwElementKind& GwElementKind::of(const QObject* element) {
    if (element != nullptr)
        for (const GwElementKind& kind : kKinds)
            if (element->metaObject()->inherits(kind.meta))
                return kind;
    return kKinds[std::size(kKinds) - 1];
}

GwClassId GwElementKind::class_of(QObject* element, bool is_frame) {
    const GwClassId kind = of(element).class_id;
    auto* w = qobject_cast<QWidget*>(element);
    if (w == nullptr || kind == GwMENU_CLASS) // an action, a menu (a window of its own), none
        return kind;
    if (is_frame || w->isWindow())
        return GwFRAME_CLASS;
    if (const GwClassId page = page_class(w); page != GwWINDOW_CLASS)
        return page;
    return kind;
}

QVariant GwElementKind::read(const QObject* element, const char* property) {
    if (element == nullptr || property == nullptr)
        return QVariant();
    const QMetaObject* meta = element->metaObject();
    const int index = meta->indexOfProperty(property);
    return index >= 0 ? meta->property(index).read(element) : QVariant();
}

void GwElementKind::write(QObject* element, const char* property, const QVariant& value) {
    if (element == nullptr || property == nullptr)
        return;
    const QMetaObject* meta = element->metaObject();
    const int index = meta->indexOfProperty(property);
    if (index >= 0)
        meta->property(index).write(element, value);
}
