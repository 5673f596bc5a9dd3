#include "GwElementTree.h"

#include "GwBinder.h"
#include "GwCore.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>

#include <deque>

namespace {

// Qt's own helper objects have no id or an id of Qt's; the system never addresses them.
bool is_element(QObject* o) {
    if (qobject_cast<QWidget*>(o) == nullptr && qobject_cast<QAction*>(o) == nullptr)
        return false;
    const QString name = o->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
           !name.startsWith(QLatin1String("_q_"));
}

// Qt's helper widgets that hold the system's elements (the pages of a tab widget, the contents
// of a scroll area) are looked through; other helpers of Qt (a tab bar with its scroll
// buttons) hold nothing of the system's.
bool qt_helper_to_skip(const QObject* o) {
    const QString name = o->objectName();
    return name.startsWith(QLatin1String("qt_")) &&
           name != QLatin1String("qt_tabwidget_stackedwidget") &&
           name != QLatin1String("qt_scrollarea_viewport");
}

// The handle of o when o is a frame built from a resource.
GwCore* frame_handle(const QObject* o) {
    GwBinder* b = GwBinder::of(o);
    return b != nullptr && b->core() != nullptr && b->core()->is_frame() != 0 ? b->core() : nullptr;
}

bool is_binder(QObject* o) {
    return dynamic_cast<GwBinder*>(o) != nullptr;
}

} // namespace

GwCore* GwElementTree::find(QObject* root, const QString& id) {
    if (GwCore* own = search(root, id, false))
        return own;
    return search(root, id, true);
}

GwCore* GwElementTree::search(QObject* root, const QString& id, bool into_nested) {
    if (root == nullptr || id.isEmpty())
        return nullptr;
    if (root->objectName() == id)
        return GwCore::of(root);
    std::deque<QObject*> queue(root->children().begin(), root->children().end());
    while (!queue.empty()) {
        QObject* o = queue.front();
        queue.pop_front();
        if (is_binder(o))
            continue;
        if (o->objectName() == id && is_element(o))
            return GwCore::of(o);
        if (into_nested || frame_handle(o) == nullptr)
            queue.insert(queue.end(), o->children().begin(), o->children().end());
    }
    return nullptr;
}

GwCore* GwElementTree::frame_of(QObject* o) {
    for (; o != nullptr; o = o->parent()) {
        if (GwCore* frame = frame_handle(o))
            return frame;
        // A popup menu is a window of its own, but its items belong to the window it is in.
        if (auto* w = qobject_cast<QWidget*>(o);
            w != nullptr && w->isWindow() && qobject_cast<QMenu*>(w) == nullptr)
            return GwCore::of(o);
    }
    return nullptr;
}

GwCore* GwElementTree::parent_of(QObject* o) {
    for (QObject* p = o != nullptr ? o->parent() : nullptr; p != nullptr; p = p->parent())
        if (qobject_cast<QWidget*>(p) != nullptr || qobject_cast<QAction*>(p) != nullptr)
            return GwCore::of(p);
    return nullptr;
}

std::vector<GwCore*> GwElementTree::children_of(QObject* o) {
    std::vector<GwCore*> result;
    if (auto* tabs = qobject_cast<QTabWidget*>(o)) {
        for (int i = 0; i < tabs->count(); ++i)
            if (is_element(tabs->widget(i)))
                result.push_back(GwCore::of(tabs->widget(i)));
        return result;
    }
    if (o == nullptr)
        return result;
    // Depth first through the unnamed widgets, so that the elements keep their order.
    std::deque<QObject*> queue(o->children().begin(), o->children().end());
    while (!queue.empty()) {
        QObject* c = queue.front();
        queue.pop_front();
        if (is_binder(c) || qt_helper_to_skip(c))
            continue;
        if (is_element(c))
            result.push_back(GwCore::of(c));
        else if (qobject_cast<QWidget*>(c) != nullptr)
            queue.insert(queue.begin(), c->children().begin(), c->children().end());
    }
    return result;
}

std::vector<GwCore*> GwElementTree::descendants_of(QObject* o) {
    std::vector<GwCore*> result;
    if (o == nullptr)
        return result;
    const QList<QObject*> all = o->findChildren<QObject*>();
    for (QObject* c : all) {
        bool inside_helper = false;
        for (QObject* p = c->parent(); p != nullptr && p != o && !inside_helper; p = p->parent())
            inside_helper = qt_helper_to_skip(p);
        if (is_element(c) && !inside_helper)
            result.push_back(GwCore::of(c));
    }
    return result;
}
