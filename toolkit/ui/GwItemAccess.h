// The items of an element that holds a list of texts: a combo box, a spin box over items
// (GwSpinBox), a list, or a multi-column list (whose item is its column texts joined by "|").
// GwCore's item operations go through this one interface; a new kind of list is one more
// subclass in GwItemAccess.cpp and one more line in of(). Internal to the toolkit.
//
// An access is looked up for each operation, never kept: while Qt destroys an element it is no
// longer of its class, and of() then finds no items. While an access lives the element sends
// no signals: the program's own changes are no user activation.
#pragma once

#include <QSignalBlocker>
#include <QString>

#include <memory>

class QColor;
class QObject;

class GwItemAccess {
public:
    // The access to the items of element, or null when it holds none.
    static std::unique_ptr<GwItemAccess> of(QObject* element);

    virtual ~GwItemAccess() = default;
    GwItemAccess(const GwItemAccess&) = delete;
    GwItemAccess& operator=(const GwItemAccess&) = delete;

    // Positions count from 0; each operation taking a position needs an existing one
    // (insert: 0..count()).
    virtual int count() const = 0;
    virtual QString text(int position) const = 0;
    virtual void insert(int position, const QString& text) = 0;
    virtual void remove(int position) = 0;
    virtual void clear() = 0;
    virtual int current() const = 0;            // -1 when no item is current
    virtual void set_current(int position) = 0; // -1: no item current, none selected
    virtual void scroll_to(int /*position*/) {} // lists only
    virtual void set_colors(int /*position*/, const QColor& /*text*/,
                            const QColor& /*background*/) {}

    int find(const QString& text) const; // the first equal item, or -1
    // The text the element shows: its current item's, or the free text shown without one.
    virtual QString shown_text() const;
    // Makes the item equal to text current; without one no item is current and, where the
    // element can, it shows text by itself.
    virtual void show_text(const QString& text);

protected:
    explicit GwItemAccess(QObject* element) : m_block(element) {}

private:
    QSignalBlocker m_block;
};
