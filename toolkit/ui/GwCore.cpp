#include "GwCore.h"

#include "GwBinder.h"
#include "GwFont.h"
#include "GwQt.h"
#include "GwScriptedAnswers.h"
#include "GwSpinBox.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolBox>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <deque>

// State of one modal run; lives on the stack of go() so that the run can end safely even when
// the element (and with it the handle) is destroyed while it runs.
struct GwCore::Run {
    QEventLoop loop;
    bool alive = true;
    int result = 0;
};

namespace {

template <typename T>
T* as(QObject* o) {
    return qobject_cast<T*>(o);
}

// Qt's own helper objects (the line edit inside a spin box, the tab bar, ...) have no id or an
// id of Qt's; the system never addresses them.
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

int compare_items(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive);
}

// The Qt element that holds the items of a list-like element.
QTreeWidget* tree_of(QObject* o) {
    return as<QTreeWidget>(o);
}

QStringList split_columns(const GwString& text) {
    return GwQt::qs(text).split(QLatin1Char('|'));
}

QString join_columns(const QTreeWidgetItem* item) {
    QStringList parts;
    for (int c = 0; c < item->columnCount(); ++c)
        parts << item->text(c);
    return parts.join(QLatin1Char('|'));
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Life cycle

GwCore* GwCore::of(QObject* object) {
    if (object == nullptr)
        return nullptr;
    if (GwBinder* binder = GwBinder::of(object))
        if (binder->core() != nullptr)
            return binder->core();
    return new GwCore(object, true);
}

GwCore::GwCore(QObject* object) : GwCore(object, false) {}

GwCore::GwCore(QObject* object, bool belongs_to_element)
    : m_belongs_to_element(belongs_to_element) {
    if (object != nullptr)
        attach(object);
}

void GwCore::attach(QObject* object) {
    m_binder = new GwBinder(object, this);
    if (auto* spin = as<QAbstractSpinBox>(object))
        m_binder->watch_keys_of(spin->findChild<QLineEdit*>());
    if (auto* combo = as<QComboBox>(object))
        m_binder->watch_keys_of(combo->lineEdit());
    connect_signals();
}

GwCore::~GwCore() {
    if (m_run != nullptr) {
        m_run->alive = false;
        m_run->result = m_result;
        m_run->loop.quit();
        m_run = nullptr;
    }
    if (m_binder != nullptr) {
        GwBinder* binder = m_binder;
        m_binder = nullptr;
        binder->detach_core();
        // No callbacks while the element goes: it is destroyed because its handle was deleted.
        delete binder->element();
    }
}

void GwCore::element_destroyed() {
    m_binder = nullptr;
    if (m_run != nullptr) {
        m_run->alive = false;
        m_run->result = m_result;
        m_run->loop.quit();
        m_run = nullptr;
    }
    if (m_belongs_to_element)
        delete this;
}

QObject* GwCore::object() const {
    return m_binder != nullptr ? m_binder->element() : nullptr;
}

QWidget* GwCore::widget() const {
    return qobject_cast<QWidget*>(object());
}

QAction* GwCore::action() const {
    return qobject_cast<QAction*>(object());
}

void GwCore::connect_signals() {
    QObject* o = object();
    GwBinder* b = m_binder;
    // The lambdas go through the binder: it lives exactly as long as the element.
    auto activate = [b]() {
        if (GwCore* core = b->core()) {
            GwEvent event(GwACTIVATE);
            core->fire(GwCB_ACTIVATE, &event);
        }
    };
    if (auto* a = as<QAction>(o)) {
        QObject::connect(a, &QAction::triggered, b, activate);
    } else if (auto* button = as<QAbstractButton>(o)) {
        QObject::connect(button, &QAbstractButton::clicked, b, activate);
    } else if (auto* combo = as<QComboBox>(o)) {
        QObject::connect(combo, qOverload<int>(&QComboBox::activated), b, activate);
    } else if (auto* spin = as<GwSpinBox>(o)) {
        QObject::connect(spin, &GwSpinBox::activated, b, activate);
    } else if (auto* number = as<QSpinBox>(o)) {
        QObject::connect(number, &QSpinBox::valueChanged, b, activate);
    } else if (auto* edit = as<QLineEdit>(o)) {
        QObject::connect(edit, &QLineEdit::editingFinished, b, activate);
    } else if (auto* slider = as<QAbstractSlider>(o)) {
        QObject::connect(slider, &QAbstractSlider::valueChanged, b, activate);
    } else if (auto* tabs = as<QTabWidget>(o)) {
        QObject::connect(tabs, &QTabWidget::currentChanged, b, activate);
    } else if (auto* list = as<QListWidget>(o)) {
        QObject::connect(list, &QListWidget::currentRowChanged, b, activate);
    } else if (auto* tree = as<QTreeWidget>(o)) {
        QObject::connect(tree, &QTreeWidget::currentItemChanged, b, activate);
    }
}

bool GwCore::handle_event(QObject* watched, QEvent* event) {
    QWidget* w = widget();
    if (w == nullptr)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (!has_callback(GwCB_KEY))
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QByteArray typed = key->text().toUtf8();
        const bool printable =
            !typed.isEmpty() && static_cast<unsigned char>(typed[0]) >= 0x20 && typed[0] != 0x7f;
        GwEvent ev(GwSINGLE_CHAR, typed.isEmpty() ? '\0' : typed[0], printable ? GwKEY_CHAR : 0u);
        QPointer<QObject> guard(watched);
        const int r = fire(GwCB_KEY, &ev);
        return guard == nullptr || r == 0;
    }
    case QEvent::Show:
        if (watched == w) {
            QPointer<GwBinder> alive(m_binder);
            on_shown();
            if (alive != nullptr && alive->core() == this) {
                GwEvent ev(GwSHOW);
                fire(GwCB_SHOW, &ev);
            }
        }
        return false;
    case QEvent::Hide:
        if (watched == w && !event->spontaneous()) {
            if (m_run != nullptr)
                m_run->loop.quit();
            QPointer<GwBinder> alive(m_binder);
            on_hidden();
            if (alive != nullptr && alive->core() == this) {
                GwEvent ev(GwHIDE);
                fire(GwCB_HIDE, &ev);
            }
        }
        return false;
    case QEvent::Close:
        if (watched == w && has_callback(GwCB_CLOSE)) {
            // The callback decides whether the window goes (it hides it, or asks first).
            event->ignore();
            GwEvent ev(GwCLOSE);
            fire(GwCB_CLOSE, &ev);
            return true;
        }
        return false;
    case QEvent::Move:
        if (watched == w && has_callback(GwCB_MOVE)) {
            GwEvent ev(GwMOVE);
            fire(GwCB_MOVE, &ev);
        }
        return false;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------------------------
// Finding elements

GwString GwCore::id() const {
    QObject* o = object();
    return o != nullptr ? GwQt::gs(o->objectName()) : GwString();
}

void GwCore::set_id(const GwString& id) {
    if (QObject* o = object())
        o->setObjectName(GwQt::qs(id));
}

GwCore* GwCore::search(const GwString& id, bool into_nested) const {
    QObject* root = object();
    if (root == nullptr || id.is_empty())
        return nullptr;
    const QString name = GwQt::qs(id);
    if (root->objectName() == name)
        return GwCore::of(root);
    // Breadth first, so that the nearest element of that id wins.
    std::deque<QObject*> queue(root->children().begin(), root->children().end());
    while (!queue.empty()) {
        QObject* o = queue.front();
        queue.pop_front();
        if (dynamic_cast<GwBinder*>(o) != nullptr)
            continue;
        if (o->objectName() == name && is_element(o))
            return GwCore::of(o);
        if (!into_nested) {
            GwBinder* b = GwBinder::of(o);
            if (b != nullptr && b->core() != nullptr && b->core()->m_is_frame)
                continue;
        }
        const QObjectList& kids = o->children();
        queue.insert(queue.end(), kids.begin(), kids.end());
    }
    return nullptr;
}

GwCore* GwCore::child(const GwString& id) const {
    if (GwCore* own = search(id, false))
        return own;
    return search(id, true);
}

GwCore* GwCore::frame() const {
    for (QObject* o = object(); o != nullptr; o = o->parent()) {
        GwBinder* b = GwBinder::of(o);
        if (b != nullptr && b->core() != nullptr && b->core()->m_is_frame)
            return b->core();
        // A popup menu is a window of its own, but its items belong to the window it is in.
        if (auto* w = qobject_cast<QWidget*>(o);
            w != nullptr && w->isWindow() && qobject_cast<QMenu*>(w) == nullptr)
            return GwCore::of(o);
    }
    return nullptr;
}

GwCore* GwCore::frame_child(const GwString& id) const {
    GwCore* f = frame();
    return f != nullptr ? f->child(id) : nullptr;
}

GwCore* GwCore::parent() const {
    QObject* o = object();
    if (o == nullptr)
        return nullptr;
    for (QObject* p = o->parent(); p != nullptr; p = p->parent())
        if (qobject_cast<QWidget*>(p) != nullptr || qobject_cast<QAction*>(p) != nullptr)
            return GwCore::of(p);
    return nullptr;
}

std::vector<GwCore*> GwCore::children() const {
    std::vector<GwCore*> result;
    QObject* o = object();
    if (o == nullptr)
        return result;
    if (auto* tabs = as<QTabWidget>(o)) { // its pages, in tab order
        for (int i = 0; i < tabs->count(); ++i)
            if (is_element(tabs->widget(i)))
                result.push_back(GwCore::of(tabs->widget(i)));
        return result;
    }
    // Direct child elements; unnamed widgets in between are looked through.
    std::deque<QObject*> queue(o->children().begin(), o->children().end());
    while (!queue.empty()) {
        QObject* c = queue.front();
        queue.pop_front();
        if (dynamic_cast<GwBinder*>(c) != nullptr || qt_helper_to_skip(c))
            continue;
        if (is_element(c)) {
            result.push_back(GwCore::of(c));
            continue;
        }
        if (qobject_cast<QWidget*>(c) != nullptr) {
            const QObjectList& kids = c->children();
            queue.insert(queue.begin(), kids.begin(), kids.end());
        }
    }
    return result;
}

std::vector<GwCore*> GwCore::descendants() const {
    std::vector<GwCore*> result;
    QObject* o = object();
    if (o == nullptr)
        return result;
    const QList<QObject*> all = o->findChildren<QObject*>();
    for (QObject* c : all) {
        if (!is_element(c))
            continue;
        bool inside_helper = false;
        for (QObject* p = c->parent(); p != nullptr && p != o && !inside_helper; p = p->parent())
            inside_helper = qt_helper_to_skip(p);
        if (!inside_helper)
            result.push_back(GwCore::of(c));
    }
    return result;
}

int GwCore::is_frame() const {
    return m_is_frame ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// Class queries

GwClassId GwCore::class_id() const {
    QObject* o = object();
    if (o == nullptr)
        return GwWINDOW_CLASS;
    if (as<QAction>(o) != nullptr)
        return GwMENUITEM_CLASS;
    if (as<QMenu>(o) != nullptr)
        return GwMENU_CLASS;
    auto* w = static_cast<QWidget*>(o);
    if (m_is_frame || w->isWindow())
        return GwFRAME_CLASS;
    if (QWidget* p = w->parentWidget()) {
        if (as<QStackedWidget>(p) != nullptr && as<QTabWidget>(p->parentWidget()) != nullptr)
            return GwTABPAGE_CLASS;
        if (as<QStackedWidget>(p) != nullptr)
            return GwPAGE_CLASS;
        // A page of a tool box sits in a scroll area's viewport.
        for (QWidget* q = p; q != nullptr; q = q->parentWidget()) {
            if (auto* box = as<QToolBox>(q)) {
                if (box->indexOf(w) >= 0)
                    return GwPAGE_CLASS;
                break;
            }
        }
    }
    if (as<QTabWidget>(o) != nullptr)
        return GwTABCONTROL_CLASS;
    if (as<QLineEdit>(o) != nullptr || as<QTextEdit>(o) != nullptr ||
        as<QPlainTextEdit>(o) != nullptr)
        return format_type() != 0 ? GwFMTEDITBUTTON_CLASS : GwEDITBUTTON_CLASS;
    if (as<QAbstractSpinBox>(o) != nullptr)
        return GwSPINBUTTON_CLASS;
    if (as<QComboBox>(o) != nullptr)
        return GwCOMBOBOX_CLASS;
    if (auto* button = as<QAbstractButton>(o)) {
        if (as<QRadioButton>(o) != nullptr || as<QCheckBox>(o) != nullptr)
            return GwTOGGLEBUTTON_CLASS;
        (void)button;
        return GwPUSHBUTTON_CLASS;
    }
    if (as<QLabel>(o) != nullptr)
        return GwLABEL_CLASS;
    if (as<QProgressBar>(o) != nullptr)
        return GwPROGRESS_CLASS;
    if (as<QAbstractSlider>(o) != nullptr)
        return GwSLIDER_CLASS;
    if (as<QListWidget>(o) != nullptr || as<QTreeWidget>(o) != nullptr)
        return GwLIST_CLASS;
    if (as<QGroupBox>(o) != nullptr || as<QFrame>(o) != nullptr)
        return GwCONTAINER_CLASS;
    return GwWINDOW_CLASS;
}

int GwCore::format_type() const {
    QObject* o = object();
    if (o == nullptr || as<QLineEdit>(o) == nullptr)
        return 0;
    return o->property("gwFormat").toInt();
}

// ---------------------------------------------------------------------------------------------
// Text and value

GwString GwCore::text() const {
    QObject* o = object();
    if (o == nullptr)
        return GwString();
    if (auto* a = as<QAction>(o))
        return GwQt::gs(a->text());
    if (auto* label = as<QLabel>(o))
        return GwQt::gs(label->text());
    if (auto* button = as<QAbstractButton>(o))
        return GwQt::gs(button->text());
    if (auto* edit = as<QLineEdit>(o))
        return GwQt::gs(edit->text());
    if (auto* text = as<QTextEdit>(o))
        return GwQt::gs(text->toPlainText());
    if (auto* plain = as<QPlainTextEdit>(o))
        return GwQt::gs(plain->toPlainText());
    if (auto* combo = as<QComboBox>(o)) {
        if (combo->isEditable() || combo->currentIndex() >= 0)
            return GwQt::gs(combo->currentText());
        return m_free_text;
    }
    if (auto* spin = as<GwSpinBox>(o))
        return GwQt::gs(spin->current_text());
    if (auto* spin = as<QAbstractSpinBox>(o))
        return GwQt::gs(spin->text());
    if (auto* group = as<QGroupBox>(o))
        return GwQt::gs(group->title());
    if (auto* progress = as<QProgressBar>(o))
        return GwString(progress->value());
    if (auto* list = as<QListWidget>(o))
        return list->currentItem() != nullptr ? GwQt::gs(list->currentItem()->text()) : GwString();
    if (auto* tree = tree_of(o))
        return tree->currentItem() != nullptr ? GwQt::gs(join_columns(tree->currentItem()))
                                              : GwString();
    auto* w = static_cast<QWidget*>(o);
    return GwQt::gs(w->windowTitle());
}

void GwCore::set_text(const GwString& text) {
    QObject* o = object();
    if (o == nullptr)
        return;
    const QString t = GwQt::qs(text);
    QSignalBlocker block(o); // the program's own changes are no user activation
    if (auto* a = as<QAction>(o))
        a->setText(t);
    else if (auto* label = as<QLabel>(o))
        label->setText(t);
    else if (auto* button = as<QAbstractButton>(o))
        button->setText(t);
    else if (auto* edit = as<QLineEdit>(o))
        edit->setText(t);
    else if (auto* rich = as<QTextEdit>(o))
        rich->setPlainText(t);
    else if (auto* plain = as<QPlainTextEdit>(o))
        plain->setPlainText(t);
    else if (auto* combo = as<QComboBox>(o)) {
        if (combo->isEditable()) {
            combo->setEditText(t);
        } else {
            const int i = combo->findText(t, Qt::MatchExactly);
            combo->setCurrentIndex(i);
            m_free_text = i >= 0 ? GwString() : text;
            combo->setPlaceholderText(i >= 0 ? QString() : t);
        }
    } else if (auto* spin = as<GwSpinBox>(o)) {
        const int i = spin->find(t);
        spin->set_free_text(i >= 0 ? QString() : t);
        spin->set_current(i);
    } else if (auto* group = as<QGroupBox>(o))
        group->setTitle(t);
    else if (auto* list = as<QListWidget>(o)) {
        const auto found = list->findItems(t, Qt::MatchExactly);
        list->setCurrentItem(found.isEmpty() ? nullptr : found.first());
    } else if (auto* w = qobject_cast<QWidget*>(o))
        w->setWindowTitle(t);
}

int GwCore::value() const {
    QObject* o = object();
    if (o == nullptr)
        return 0;
    if (auto* a = as<QAction>(o))
        return a->isChecked() ? 1 : 0;
    if (auto* button = as<QAbstractButton>(o))
        return button->isChecked() ? 1 : 0;
    if (auto* combo = as<QComboBox>(o))
        return combo->currentIndex();
    if (auto* spin = as<GwSpinBox>(o))
        return spin->current();
    if (auto* number = as<QSpinBox>(o))
        return number->value();
    if (auto* slider = as<QAbstractSlider>(o))
        return slider->value();
    if (auto* progress = as<QProgressBar>(o))
        return progress->value();
    if (auto* tabs = as<QTabWidget>(o))
        return tabs->currentIndex();
    if (as<QListWidget>(o) != nullptr || tree_of(o) != nullptr)
        return current_item();
    return text().to_int();
}

void GwCore::set_value(int value) {
    QObject* o = object();
    if (o == nullptr)
        return;
    QSignalBlocker block(o);
    if (auto* a = as<QAction>(o)) {
        if (value != 0)
            a->setCheckable(true);
        a->setChecked(value != 0);
    } else if (auto* radio = as<QRadioButton>(o)) {
        if (value != 0) {
            radio->setChecked(true);
        } else {
            // An exclusive group never lets its checked button go by itself.
            const bool exclusive = radio->autoExclusive();
            radio->setAutoExclusive(false);
            radio->setChecked(false);
            radio->setAutoExclusive(exclusive);
        }
    } else if (auto* button = as<QAbstractButton>(o)) {
        button->setChecked(value != 0);
    } else if (as<QComboBox>(o) != nullptr || as<GwSpinBox>(o) != nullptr ||
               as<QListWidget>(o) != nullptr || tree_of(o) != nullptr) {
        if (value < 0)
            deselect_all();
        else
            select_item(value);
    } else if (auto* number = as<QSpinBox>(o)) {
        number->setValue(value);
    } else if (auto* slider = as<QAbstractSlider>(o)) {
        slider->setValue(value);
    } else if (auto* progress = as<QProgressBar>(o)) {
        progress->setValue(value);
    } else if (auto* tabs = as<QTabWidget>(o)) {
        tabs->setCurrentIndex(value);
    } else {
        set_text(GwString(value));
    }
}

void GwCore::enable() {
    if (auto* a = action())
        a->setEnabled(true);
    else if (auto* w = widget())
        w->setEnabled(true);
}

void GwCore::disable() {
    if (auto* a = action())
        a->setEnabled(false);
    else if (auto* w = widget())
        w->setEnabled(false);
}

int GwCore::is_enabled() const {
    if (auto* a = action())
        return a->isEnabled() ? 1 : 0;
    if (auto* w = widget())
        return w->isEnabled() ? 1 : 0;
    return 0;
}

void GwCore::show() {
    if (auto* a = action())
        a->setVisible(true);
    else if (auto* w = widget())
        w->show();
}

void GwCore::hide() {
    if (auto* a = action())
        a->setVisible(false);
    else if (auto* w = widget())
        w->hide();
}

int GwCore::is_visible() const {
    if (auto* a = action())
        return a->isVisible() ? 1 : 0;
    if (auto* w = widget())
        return w->isVisible() ? 1 : 0;
    return 0;
}

GwString GwCore::title() const {
    QObject* o = object();
    if (auto* tree = tree_of(o))
        return GwQt::gs(tree->headerItem()->text(tree->columnCount() - 1));
    if (auto* w = qobject_cast<QWidget*>(o))
        return GwQt::gs(w->windowTitle());
    return GwString();
}

void GwCore::set_title(const GwString& title) {
    QObject* o = object();
    if (auto* tree = tree_of(o))
        tree->headerItem()->setText(tree->columnCount() - 1, GwQt::qs(title));
    if (auto* w = qobject_cast<QWidget*>(o))
        w->setWindowTitle(GwQt::qs(title));
}

void GwCore::set_font(const GwFont& font) {
    if (auto* a = action())
        a->setFont(font.qfont());
    else if (auto* w = widget())
        w->setFont(font.qfont());
}

void GwCore::set_colors(const GwColor& text, const GwColor& background) {
    QWidget* w = widget();
    if (w == nullptr)
        return;
    QPalette p = w->palette();
    const QColor fg(text.red(), text.green(), text.blue());
    const QColor bg(background.red(), background.green(), background.blue());
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, fg);
    for (auto role : {QPalette::Window, QPalette::Base})
        p.setColor(role, bg);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// ---------------------------------------------------------------------------------------------
// Position and size

void GwCore::move(int x, int y) {
    QWidget* w = widget();
    if (w == nullptr)
        return;
    if (w->isWindow() && w->parentWidget() != nullptr) {
        const QPoint origin = w->parentWidget()->window()->geometry().topLeft();
        w->move(origin + QPoint(x, y));
    } else {
        w->move(x, y);
    }
}

void GwCore::position(int& x, int& y) const {
    x = y = 0;
    QWidget* w = widget();
    if (w == nullptr)
        return;
    QPoint p = w->pos();
    if (w->isWindow() && w->parentWidget() != nullptr)
        p -= w->parentWidget()->window()->geometry().topLeft();
    x = p.x();
    y = p.y();
}

void GwCore::screen_position(int& x, int& y) const {
    x = y = 0;
    QWidget* w = widget();
    if (w == nullptr)
        return;
    const QPoint p = w->isWindow() ? w->geometry().topLeft() : w->mapToGlobal(QPoint(0, 0));
    x = p.x();
    y = p.y();
}

void GwCore::move_to_screen(int x, int y) {
    QWidget* w = widget();
    if (w == nullptr)
        return;
    if (w->isWindow())
        w->move(x, y);
    else if (w->parentWidget() != nullptr)
        w->move(w->parentWidget()->mapFromGlobal(QPoint(x, y)));
    else
        w->move(x, y);
}

void GwCore::resize(int width, int height) {
    if (QWidget* w = widget())
        w->resize(width, height);
}

void GwCore::size(int& width, int& height) const {
    width = height = 0;
    if (QWidget* w = widget()) {
        width = w->width();
        height = w->height();
    }
}

// ---------------------------------------------------------------------------------------------
// Items of lists

int GwCore::add_item(const GwString& text, int position) {
    QObject* o = object();
    if (o == nullptr)
        return -1;
    const QString t = GwQt::qs(text);
    const int count = item_count();
    if (position < 0 || position > count)
        position = count;
    if (m_sorting != 0) {
        position = 0;
        while (position < count) {
            const int c = compare_items(t, GwQt::qs(item_text(position)));
            if ((m_sorting == 2 && c < 0) || (m_sorting == 1 && c > 0))
                break;
            ++position;
        }
    }
    QSignalBlocker block(o);
    if (auto* combo = as<QComboBox>(o)) {
        combo->insertItem(position, t);
        return position;
    }
    if (auto* spin = as<GwSpinBox>(o))
        return spin->insert_item(t, position);
    if (auto* list = as<QListWidget>(o)) {
        list->insertItem(position, t);
        return position;
    }
    if (auto* tree = tree_of(o)) {
        auto* item = new QTreeWidgetItem(split_columns(text));
        tree->insertTopLevelItem(position, item);
        return position;
    }
    return -1;
}

int GwCore::delete_item(int position) {
    QObject* o = object();
    if (position < 0 || position >= item_count())
        return 0;
    QSignalBlocker block(o);
    if (auto* combo = as<QComboBox>(o))
        combo->removeItem(position);
    else if (auto* spin = as<GwSpinBox>(o))
        spin->remove_item(position);
    else if (auto* list = as<QListWidget>(o))
        delete list->takeItem(position);
    else if (auto* tree = tree_of(o))
        delete tree->takeTopLevelItem(position);
    return 1;
}

void GwCore::delete_all_items() {
    QObject* o = object();
    if (o == nullptr)
        return;
    QSignalBlocker block(o);
    if (auto* combo = as<QComboBox>(o))
        combo->clear();
    else if (auto* spin = as<GwSpinBox>(o))
        spin->clear_items();
    else if (auto* list = as<QListWidget>(o))
        list->clear();
    else if (auto* tree = tree_of(o))
        tree->clear();
}

int GwCore::item_count() const {
    QObject* o = object();
    if (auto* combo = as<QComboBox>(o))
        return combo->count();
    if (auto* spin = as<GwSpinBox>(o))
        return spin->item_count();
    if (auto* list = as<QListWidget>(o))
        return list->count();
    if (auto* tree = tree_of(o))
        return tree->topLevelItemCount();
    return 0;
}

GwString GwCore::item_text(int position) const {
    QObject* o = object();
    if (position < 0 || position >= item_count())
        return GwString();
    if (auto* combo = as<QComboBox>(o))
        return GwQt::gs(combo->itemText(position));
    if (auto* spin = as<GwSpinBox>(o))
        return GwQt::gs(spin->item(position));
    if (auto* list = as<QListWidget>(o))
        return GwQt::gs(list->item(position)->text());
    if (auto* tree = tree_of(o))
        return GwQt::gs(join_columns(tree->topLevelItem(position)));
    return GwString();
}

int GwCore::find_item(const GwString& text) const {
    const int count = item_count();
    for (int i = 0; i < count; ++i)
        if (item_text(i) == text)
            return i;
    return -1;
}

int GwCore::select_item(int position) {
    QObject* o = object();
    if (position < 0 || position >= item_count())
        return 0;
    QSignalBlocker block(o);
    if (auto* combo = as<QComboBox>(o)) {
        combo->setCurrentIndex(position);
        m_free_text.clear();
    } else if (auto* spin = as<GwSpinBox>(o)) {
        spin->set_current(position);
    } else if (auto* list = as<QListWidget>(o)) {
        list->setCurrentRow(position);
    } else if (auto* tree = tree_of(o)) {
        tree->setCurrentItem(tree->topLevelItem(position));
    }
    return 1;
}

void GwCore::deselect_all() {
    QObject* o = object();
    if (o == nullptr)
        return;
    QSignalBlocker block(o);
    if (auto* combo = as<QComboBox>(o)) {
        combo->setCurrentIndex(-1);
    } else if (auto* spin = as<GwSpinBox>(o)) {
        spin->set_current(-1);
    } else if (auto* list = as<QListWidget>(o)) {
        list->setCurrentRow(-1);
        list->clearSelection();
    } else if (auto* tree = tree_of(o)) {
        tree->setCurrentItem(nullptr);
        tree->clearSelection();
    }
}

int GwCore::current_item() const {
    QObject* o = object();
    if (auto* combo = as<QComboBox>(o))
        return combo->currentIndex();
    if (auto* spin = as<GwSpinBox>(o))
        return spin->current();
    if (auto* list = as<QListWidget>(o))
        return list->currentRow();
    if (auto* tree = tree_of(o))
        return tree->currentItem() != nullptr ? tree->indexOfTopLevelItem(tree->currentItem()) : -1;
    return -1;
}

void GwCore::set_sorting(int type) {
    m_sorting = type == 1 || type == 2 ? type : 0;
    if (m_sorting != 0)
        list_sort();
}

int GwCore::sorting() const {
    return m_sorting;
}

void GwCore::list_sort() {
    const int count = item_count();
    if (count < 2)
        return;
    std::vector<GwString> items;
    for (int i = 0; i < count; ++i)
        items.push_back(item_text(i));
    const GwString current = current_item() >= 0 ? item_text(current_item()) : GwString();
    const bool had_current = current_item() >= 0;
    std::stable_sort(items.begin(), items.end(), [this](const GwString& a, const GwString& b) {
        const int c = compare_items(GwQt::qs(a), GwQt::qs(b));
        return m_sorting == 2 ? c < 0 : c > 0;
    });
    const int keep = m_sorting;
    m_sorting = 0;
    delete_all_items();
    for (const GwString& item : items)
        add_item(item);
    m_sorting = keep;
    if (had_current)
        select_item(find_item(current));
}

void GwCore::make_visible(int position) {
    QObject* o = object();
    if (position < 0 || position >= item_count())
        return;
    if (auto* list = as<QListWidget>(o))
        list->scrollToItem(list->item(position));
    else if (auto* tree = tree_of(o))
        tree->scrollToItem(tree->topLevelItem(position));
}

void GwCore::set_item_colors(int position, const GwColor& text, const GwColor& background) {
    QObject* o = object();
    if (position < 0 || position >= item_count())
        return;
    const QColor fg(text.red(), text.green(), text.blue());
    const QColor bg(background.red(), background.green(), background.blue());
    if (auto* list = as<QListWidget>(o)) {
        list->item(position)->setForeground(fg);
        list->item(position)->setBackground(bg);
    } else if (auto* tree = tree_of(o)) {
        QTreeWidgetItem* item = tree->topLevelItem(position);
        for (int c = 0; c < tree->columnCount(); ++c) {
            item->setForeground(c, fg);
            item->setBackground(c, bg);
        }
    } else if (auto* combo = as<QComboBox>(o)) {
        combo->setItemData(position, fg, Qt::ForegroundRole);
        combo->setItemData(position, bg, Qt::BackgroundRole);
    }
}

// ---------------------------------------------------------------------------------------------
// Menus and tab controls

GwCore* GwCore::append_menu_item(const GwString& id, const GwString& text) {
    auto* menu = as<QMenu>(object());
    if (menu == nullptr)
        return nullptr;
    QAction* a = menu->addAction(GwQt::qs(text));
    a->setObjectName(GwQt::qs(id));
    return GwCore::of(a);
}

GwCore* GwCore::append_separator(const GwString& id) {
    auto* menu = as<QMenu>(object());
    if (menu == nullptr)
        return nullptr;
    QAction* a = menu->addSeparator();
    a->setObjectName(GwQt::qs(id));
    return GwCore::of(a);
}

GwCore* GwCore::active_page() const {
    QObject* o = object();
    if (auto* tabs = as<QTabWidget>(o))
        return GwCore::of(tabs->currentWidget());
    if (auto* stack = as<QStackedWidget>(o))
        return GwCore::of(stack->currentWidget());
    if (auto* box = as<QToolBox>(o))
        return GwCore::of(box->currentWidget());
    return nullptr;
}

int GwCore::set_active_page(GwCore* page) {
    QObject* o = object();
    QWidget* p = page != nullptr ? page->widget() : nullptr;
    if (o == nullptr || p == nullptr)
        return 0;
    QSignalBlocker block(o);
    if (auto* tabs = as<QTabWidget>(o); tabs != nullptr && tabs->indexOf(p) >= 0) {
        tabs->setCurrentWidget(p);
        return 1;
    }
    if (auto* stack = as<QStackedWidget>(o); stack != nullptr && stack->indexOf(p) >= 0) {
        stack->setCurrentWidget(p);
        return 1;
    }
    if (auto* box = as<QToolBox>(o); box != nullptr && box->indexOf(p) >= 0) {
        box->setCurrentWidget(p);
        return 1;
    }
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Slider and progress bar

void GwCore::set_solid_bar(int on) {
    m_solid_bar = on != 0 ? 1 : 0;
    if (auto* progress = as<QProgressBar>(object()))
        progress->setTextVisible(m_solid_bar == 0);
}

void GwCore::set_start(double start) {
    m_slider_start = start;
    apply_slider();
}

void GwCore::set_end(double end) {
    m_slider_end = end;
    apply_slider();
}

void GwCore::set_slider_value(double value) {
    m_slider_value = value;
    apply_slider();
}

void GwCore::change_by(double delta) {
    m_slider_value += delta;
    apply_slider();
}

void GwCore::apply_slider() {
    const double low = std::min(m_slider_start, m_slider_end);
    const double high = std::max(m_slider_start, m_slider_end);
    m_slider_value = std::max(low, std::min(m_slider_value, high));
    QObject* o = object();
    const int lo = static_cast<int>(std::lround(low));
    const int hi = static_cast<int>(std::lround(high));
    const int v = static_cast<int>(std::lround(m_slider_value));
    QSignalBlocker block(o);
    if (auto* progress = as<QProgressBar>(o)) {
        progress->setRange(lo, hi);
        progress->setValue(v);
    } else if (auto* slider = as<QAbstractSlider>(o)) {
        slider->setRange(lo, hi);
        slider->setValue(v);
    }
}

// ---------------------------------------------------------------------------------------------
// Callbacks and timer

void GwCore::set_callback(const GwCallback& callback) {
    if (callback.kind() >= 0 && callback.kind() < GwCB_KIND_COUNT)
        m_callbacks[callback.kind()] = callback.function();
}

void GwCore::remove_callback(GwCallbackKind kind) {
    if (kind >= 0 && kind < GwCB_KIND_COUNT)
        m_callbacks[kind] = nullptr;
}

int GwCore::has_callback(GwCallbackKind kind) const {
    return callback(kind) != nullptr ? 1 : 0;
}

GwCallbackFn GwCore::callback(GwCallbackKind kind) const {
    if (kind < 0 || kind >= GwCB_KIND_COUNT)
        return nullptr;
    return m_callbacks[kind];
}

int GwCore::fire(GwCallbackKind kind, GwEvent* event) {
    GwCallbackFn fn = callback(kind);
    if (fn == nullptr)
        return -1;
    // The callback may delete this handle: it gets a copy of the user data.
    const GwUD data = m_user_data;
    return fn(this, event, data);
}

void GwCore::click() {
    QObject* o = object();
    if (auto* a = as<QAction>(o)) {
        a->trigger();
    } else if (auto* button = as<QAbstractButton>(o)) {
        button->click();
    } else if (o != nullptr) {
        GwEvent event(GwACTIVATE);
        fire(GwCB_ACTIVATE, &event);
    }
}

void GwCore::start_timer(unsigned short ms) {
    if (m_binder != nullptr)
        m_binder->timer()->start(ms);
}

void GwCore::stop_timer() {
    if (m_binder != nullptr)
        m_binder->timer()->stop();
}

int GwCore::timer_active() const {
    return m_binder != nullptr && m_binder->timer()->isActive() ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// Modal run

int GwCore::go() {
    QWidget* w = widget();
    if (w == nullptr || m_run != nullptr)
        return m_result;
    Run run;
    m_run = &run;
    const bool window = w->isWindow();
    const Qt::WindowModality before = w->windowModality();
    if (window && !w->isVisible())
        w->setWindowModality(Qt::ApplicationModal);
    GwScriptedAnswers::modal_started(this);
    w->show();
    if (run.alive && w->isVisible())
        run.loop.exec();
    if (!run.alive) {
        // The element, and so this handle, went while it ran.
        GwScriptedAnswers::modal_ended(w, run.result);
        return run.result;
    }
    m_run = nullptr;
    GwScriptedAnswers::modal_ended(w, m_result);
    if (window && !w->isVisible())
        w->setWindowModality(before);
    return m_result;
}
