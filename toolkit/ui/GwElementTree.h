// The elements of a window as the system sees them: the widgets and actions with an id, with
// Qt's own helpers (a spin box's line edit, a tab bar, the viewport of a scroll area) looked
// through or left out. GwCore finds elements here. Internal to the toolkit.
#pragma once

#include <QString>

#include <vector>

class GwCore;
class QObject;

class GwElementTree {
public:
    // The element of that id nearest to root (root itself first, then breadth first). Elements
    // of root's frame come before those of frames nested in it, so that an id repeated in
    // a nested frame does not shadow one of the outer frame. Null when there is none.
    static GwCore* find(QObject* root, const QString& id);
    // The nearest frame containing o (o itself when it is one): a window built from a
    // resource, or any window but a popup menu. Null for null.
    static GwCore* frame_of(QObject* o);
    // The nearest widget or action enclosing o, or null.
    static GwCore* parent_of(QObject* o);
    // The elements directly below o, unnamed widgets in between looked through; a tab
    // widget's are its pages in tab order.
    static std::vector<GwCore*> children_of(QObject* o);
    // All elements below o.
    static std::vector<GwCore*> descendants_of(QObject* o);

private:
    static GwCore* search(QObject* root, const QString& id, bool into_nested);
};
