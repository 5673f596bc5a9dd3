#include "GwItemAccess.h"

#include "GwSpinBox.h"

#include <QColor>
#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

namespace {

class ComboItems : public GwItemAccess {
public:
    explicit ComboItems(QComboBox* combo) : GwItemAccess(combo), m_combo(combo) {}
    int count() const override { return m_combo->count(); }
    QString text(int position) const override { return m_combo->itemText(position); }
    void insert(int position, const QString& text) override { m_combo->insertItem(position, text); }
    void remove(int position) override { m_combo->removeItem(position); }
    void clear() override { m_combo->clear(); }
    int current() const override { return m_combo->currentIndex(); }
    void set_current(int position) override {
        m_combo->setCurrentIndex(position);
        if (position >= 0)
            m_combo->setPlaceholderText(QString());
    }
    void set_colors(int position, const QColor& text, const QColor& background) override {
        m_combo->setItemData(position, text, Qt::ForegroundRole);
        m_combo->setItemData(position, background, Qt::BackgroundRole);
    }
    // A combo box without a current item shows its free text as the placeholder.
    QString shown_text() const override {
        if (m_combo->isEditable() || m_combo->currentIndex() >= 0)
            return m_combo->currentText();
        return m_combo->placeholderText();
    }
    void show_text(const QString& text) override {
        if (m_combo->isEditable()) {
            m_combo->setEditText(text);
            return;
        }
        const int position = find(text);
        m_combo->setCurrentIndex(position);
        m_combo->setPlaceholderText(position >= 0 ? QString() : text);
    }

private:
    QComboBox* m_combo;
};

class SpinItems : public GwItemAccess {
public:
    explicit SpinItems(GwSpinBox* spin) : GwItemAccess(spin), m_spin(spin) {}
    int count() const override { return m_spin->item_count(); }
    QString text(int position) const override { return m_spin->item(position); }
    void insert(int position, const QString& text) override { m_spin->insert_item(text, position); }
    void remove(int position) override { m_spin->remove_item(position); }
    void clear() override { m_spin->clear_items(); }
    int current() const override { return m_spin->current(); }
    void set_current(int position) override { m_spin->set_current(position); }
    QString shown_text() const override { return m_spin->current_text(); }
    void show_text(const QString& text) override {
        const int position = find(text);
        m_spin->set_free_text(position >= 0 ? QString() : text);
        m_spin->set_current(position);
    }

private:
    GwSpinBox* m_spin;
};

class ListItems : public GwItemAccess {
public:
    explicit ListItems(QListWidget* list) : GwItemAccess(list), m_list(list) {}
    int count() const override { return m_list->count(); }
    QString text(int position) const override { return m_list->item(position)->text(); }
    void insert(int position, const QString& text) override { m_list->insertItem(position, text); }
    void remove(int position) override { delete m_list->takeItem(position); }
    void clear() override { m_list->clear(); }
    int current() const override { return m_list->currentRow(); }
    void set_current(int position) override {
        m_list->setCurrentRow(position);
        if (position < 0)
            m_list->clearSelection();
    }
    void scroll_to(int position) override { m_list->scrollToItem(m_list->item(position)); }
    void set_colors(int position, const QColor& text, const QColor& background) override {
        m_list->item(position)->setForeground(text);
        m_list->item(position)->setBackground(background);
    }

private:
    QListWidget* m_list;
};

// A multi-column list: an item is a row of the tree's top level, its text the column texts
// joined by "|".
class TreeItems : public GwItemAccess {
public:
    explicit TreeItems(QTreeWidget* tree) : GwItemAccess(tree), m_tree(tree) {}
    int count() const override { return m_tree->topLevelItemCount(); }
    QString text(int position) const override {
        const QTreeWidgetItem* item = m_tree->topLevelItem(position);
        QStringList columns;
        for (int c = 0; c < item->columnCount(); ++c)
            columns << item->text(c);
        return columns.join(QLatin1Char('|'));
    }
    void insert(int position, const QString& text) override {
        m_tree->insertTopLevelItem(position, new QTreeWidgetItem(text.split(QLatin1Char('|'))));
    }
    void remove(int position) override { delete m_tree->takeTopLevelItem(position); }
    void clear() override { m_tree->clear(); }
    int current() const override {
        QTreeWidgetItem* item = m_tree->currentItem();
        return item != nullptr ? m_tree->indexOfTopLevelItem(item) : -1;
    }
    void set_current(int position) override {
        m_tree->setCurrentItem(position >= 0 ? m_tree->topLevelItem(position) : nullptr);
        if (position < 0)
            m_tree->clearSelection();
    }
    void scroll_to(int position) override { m_tree->scrollToItem(m_tree->topLevelItem(position)); }
    void set_colors(int position, const QColor& text, const QColor& background) override {
        QTreeWidgetItem* item = m_tree->topLevelItem(position);
        for (int c = 0; c < m_tree->columnCount(); ++c) {
            item->setForeground(c, text);
            item->setBackground(c, background);
        }
    }

private:
    QTreeWidget* m_tree;
};

} // namespace

std::unique_ptr<GwItemAccess> GwItemAccess::of(QObject* element) {
    if (auto* combo = qobject_cast<QComboBox*>(element))
        return std::make_unique<ComboItems>(combo);
    if (auto* spin = qobject_cast<GwSpinBox*>(element))
        return std::make_unique<SpinItems>(spin);
    if (auto* list = qobject_cast<QListWidget*>(element))
        return std::make_unique<ListItems>(list);
    if (auto* tree = qobject_cast<QTreeWidget*>(element))
        return std::make_unique<TreeItems>(tree);
    return nullptr;
}

int GwItemAccess::find(const QString& text) const {
    const int n = count();
    for (int i = 0; i < n; ++i)
        if (this->text(i) == text)
            return i;
    return -1;
}

QString GwItemAccess::shown_text() const {
    const int position = current();
    return position >= 0 ? text(position) : QString();
}

void GwItemAccess::show_text(const QString& text) {
    set_current(find(text));
}
