// A spin box that steps through a list of texts, the toolkit's spin button: the parameter
// dialog fills it with the allowed values of a parameter ("0", "1", ... or "ON", "OFF").
// Layouts use a plain QSpinBox; the resource loader builds this class in its place. With no
// current item it shows a free text (the parameter dialog shows " " for an unknown value).
// Without items it shows only the free text.
#pragma once

#include <QAbstractSpinBox>
#include <QStringList>

class GwSpinBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit GwSpinBox(QWidget* parent = nullptr);

    // Inserts at position (-1 or beyond the end: appends); gives the position.
    int insert_item(const QString& text, int position = -1);
    bool remove_item(int position);
    void clear_items();
    int item_count() const { return static_cast<int>(m_items.size()); }
    QString item(int position) const;
    int find(const QString& text) const { return static_cast<int>(m_items.indexOf(text)); }

    int current() const { return m_current; }
    // Makes the item current (-1: none, the free text is shown); false when it does not exist.
    bool set_current(int position);
    QString free_text() const { return m_free_text; }
    void set_free_text(const QString& text);
    // The text shown: the current item or the free text.
    QString current_text() const;

    void stepBy(int steps) override;

signals:
    // The user made another item current (arrows, keys, wheel, typing an item's text).
    void activated(int position);

protected:
    StepEnabled stepEnabled() const override;

private:
    void refresh();
    void take_typed_text();

    QStringList m_items;
    int m_current = -1;
    QString m_free_text;
};
