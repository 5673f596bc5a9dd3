#include "GwMultiColumnScrolledList.h"

#include "GwQt.h"

#include <QHeaderView>
#include <QTreeWidget>

GwMultiColumnScrolledList::GwMultiColumnScrolledList(GwCore* parent, const GwString& id, int x,
                                                     int y, int width, int height, int columns)
    : GwCore(new QTreeWidget(parent != nullptr ? parent->widget() : nullptr)) {
    QTreeWidget* t = tree();
    t->setObjectName(GwQt::qs(id));
    t->setColumnCount(columns < 1 ? 1 : columns);
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setGeometry(x, y, width, height);
    t->header()->setStretchLastSection(true);
}

QTreeWidget* GwMultiColumnScrolledList::tree() const {
    return qobject_cast<QTreeWidget*>(object());
}

void GwMultiColumnScrolledList::set_column_width(int column, int width) {
    if (QTreeWidget* t = tree())
        t->setColumnWidth(column, width);
}

void GwMultiColumnScrolledList::set_selectable(int on) {
    if (QTreeWidget* t = tree())
        t->setSelectionMode(on != 0 ? QAbstractItemView::SingleSelection
                                    : QAbstractItemView::NoSelection);
}

void GwMultiColumnScrolledList::set_scroll_bars(int on) {
    if (QTreeWidget* t = tree()) {
        const auto policy = on != 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
        t->setHorizontalScrollBarPolicy(policy);
        t->setVerticalScrollBarPolicy(policy);
    }
}
