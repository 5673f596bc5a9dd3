#include "GwSpinBox.h"

#include <QLineEdit>

#include <algorithm>

GwSpinBox::GwSpinBox(QWidget* parent) : QAbstractSpinBox(parent) {
    connect(this, &QAbstractSpinBox::editingFinished, this, &GwSpinBox::take_typed_text);
}

int GwSpinBox::insert_item(const QString& text, int position) {
    if (position < 0 || position > item_count())
        position = item_count();
    m_items.insert(position, text);
    if (m_current >= position)
        ++m_current;
    refresh();
    return position;
}

bool GwSpinBox::remove_item(int position) {
    if (position < 0 || position >= item_count())
        return false;
    m_items.removeAt(position);
    if (m_current == position)
        m_current = -1;
    else if (m_current > position)
        --m_current;
    refresh();
    return true;
}

void GwSpinBox::clear_items() {
    m_items.clear();
    m_current = -1;
    refresh();
}

QString GwSpinBox::item(int position) const {
    if (position < 0 || position >= item_count())
        return QString();
    return m_items.at(position);
}

bool GwSpinBox::set_current(int position) {
    if (position < -1 || position >= item_count())
        return false;
    m_current = position;
    refresh();
    return true;
}

void GwSpinBox::set_free_text(const QString& text) {
    m_free_text = text;
    refresh();
}

QString GwSpinBox::current_text() const {
    return m_current >= 0 ? m_items.at(m_current) : m_free_text;
}

void GwSpinBox::stepBy(int steps) {
    if (m_items.isEmpty())
        return;
    int next = m_current < 0 ? (steps > 0 ? 0 : item_count() - 1) : m_current + steps;
    next = std::max(0, std::min(next, item_count() - 1));
    if (next == m_current)
        return;
    m_current = next;
    refresh();
    emit activated(m_current);
}

QAbstractSpinBox::StepEnabled GwSpinBox::stepEnabled() const {
    if (m_items.isEmpty())
        return StepNone;
    if (m_current < 0)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled e = StepNone;
    if (m_current > 0)
        e |= StepDownEnabled;
    if (m_current < item_count() - 1)
        e |= StepUpEnabled;
    return e;
}

void GwSpinBox::refresh() {
    lineEdit()->setText(current_text());
    update();
}

void GwSpinBox::take_typed_text() {
    const QString typed = lineEdit()->text();
    if (typed == current_text())
        return;
    const int position = find(typed);
    if (position >= 0) {
        m_current = position;
        refresh();
        emit activated(m_current);
    } else {
        m_current = -1;
        m_free_text = typed;
        emit activated(-1);
    }
}
