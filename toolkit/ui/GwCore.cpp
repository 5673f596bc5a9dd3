#include "GwCore.h"

#include "GwBinder.h"
#include "GwElementKind.h"
#include "GwElementTree.h"
#include "GwFont.h"
#include "GwItemAccess.h"
#include "GwQt.h"
#include "GwScriptedAnswers.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolBox>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>

// State of one modal run; lives on the stack of go() so that the run can end safely even when
// the element (and with it the handle) is destroyed while it runs.
struct GwCore::Run {
    QEventLoop loop;
    bool alive = true;
    int result = 0;
};

namespace {

// Whether item text a goes before b in a sorted list (sorting 1: descending, 2: ascending).
bool goes_before(int sorting, const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return sorting == 2 ? c < 0 : c > 0;
}

// Tab widgets, stacked widgets and tool boxes share no base class that holds pages.
template <typename Pages>
QWidget* current_page(QObject* o) {
    auto* pages = qobject_cast<Pages*>(o);
    return pages != nullptr ? pages->currentWidget() : nullptr;
}

template <typename Pages>
bool show_page(QObject* o, QWidget* page) {
    auto* pages = qobject_cast<Pages*>(o);
    if (pages == nullptr || pages->indexOf(page) < 0)
        return false;
    pages->setCurrentWidget(page);
    return true;
}

// Progress bars and sliders share no base class that holds a range.
template <typename Bar>
bool set_bar(QObject* o, int low, int high, int value) {
    auto* bar = qobject_cast<Bar*>(o);
    if (bar == nullptr)
        return false;
    bar->setRange(low, high);
    bar->setValue(value);
    return true;
}

QColor qcolor(const GwColor& c) {
    return QColor(c.red(), c.green(), c.blue());
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
    : m_binder(object != nullptr ? new GwBinder(object, this) : nullptr),
      m_belongs_to_element(belongs_to_element) {}

GwCore::~GwCore() {
    end_run();
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
    end_run();
    if (m_belongs_to_element)
        delete this;
}

// The handle goes while it runs modally: go() returns the result set so far.
void GwCore::end_run() {
    if (m_run != nullptr) {
        m_run->alive = false;
        m_run->result = m_result;
        m_run->loop.quit();
        m_run = nullptr;
    }
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

GwCore* GwCore::child(const GwString& id) const {
    return GwElementTree::find(object(), GwQt::qs(id));
}

GwCore* GwCore::frame() const {
    return GwElementTree::frame_of(object());
}

GwCore* GwCore::frame_child(const GwString& id) const {
    GwCore* f = frame();
    return f != nullptr ? f->child(id) : nullptr;
}

GwCore* GwCore::parent() const {
    return GwElementTree::parent_of(object());
}

std::vector<GwCore*> GwCore::children() const {
    return GwElementTree::children_of(object());
}

std::vector<GwCore*> GwCore::descendants() const {
    return GwElementTree::descendants_of(object());
}

int GwCore::is_frame() const {
    return m_is_frame ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// Class queries

GwClassId GwCore::class_id() const {
    const GwClassId c = GwElementKind::class_of(object(), m_is_frame);
    return c == GwEDITBUTTON_CLASS && format_type() != 0 ? GwFMTEDITBUTTON_CLASS : c;
}

int GwCore::format_type() const {
    QObject* o = object();
    return qobject_cast<QLineEdit*>(o) != nullptr ? o->property("gwFormat").toInt() : 0;
}

// ---------------------------------------------------------------------------------------------
// Text, value and state

GwString GwCore::text() const {
    QObject* o = object();
    if (auto items = GwItemAccess::of(o))
        return GwQt::gs(items->shown_text());
    const char* property = GwElementKind::of(o).text;
    if (property == nullptr)
        return GwString(value());
    return GwQt::gs(GwElementKind::read(o, property).toString());
}

void GwCore::set_text(const GwString& text) {
    QObject* o = object();
    if (o == nullptr)
        return;
    QSignalBlocker block(o); // the program's own changes are no user activation
    if (auto items = GwItemAccess::of(o))
        items->show_text(GwQt::qs(text));
    else
        GwElementKind::write(o, GwElementKind::of(o).text, GwQt::qs(text));
}

int GwCore::value() const {
    QObject* o = object();
    if (o == nullptr)
        return 0;
    if (auto items = GwItemAccess::of(o))
        return items->current();
    const char* property = GwElementKind::of(o).value;
    return property != nullptr ? GwElementKind::read(o, property).toInt() : text().to_int();
}

void GwCore::set_value(int value) {
    QObject* o = object();
    if (o == nullptr)
        return;
    if (GwItemAccess::of(o) != nullptr) {
        if (value < 0)
            deselect_all();
        else
            select_item(value);
        return;
    }
    QSignalBlocker block(o);
    if (auto* a = qobject_cast<QAction*>(o); a != nullptr && value != 0)
        a->setCheckable(true);
    if (auto* radio = qobject_cast<QRadioButton*>(o); radio != nullptr && value == 0) {
        // An exclusive group never lets its checked button go by itself.
        const bool exclusive = radio->autoExclusive();
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(exclusive);
        return;
    }
    if (const char* property = GwElementKind::of(o).value)
        GwElementKind::write(o, property, value);
    else
        set_text(GwString(value));
}

// Actions and widgets both have the properties enabled, visible and font.
void GwCore::enable() {
    GwElementKind::write(object(), "enabled", true);
}

void GwCore::disable() {
    GwElementKind::write(object(), "enabled", false);
}

int GwCore::is_enabled() const {
    return GwElementKind::read(object(), "enabled").toBool() ? 1 : 0;
}

void GwCore::show() {
    if (QWidget* w = widget())
        w->show(); // a window in the state its platform shows windows in
    else
        GwElementKind::write(object(), "visible", true);
}

void GwCore::hide() {
    GwElementKind::write(object(), "visible", false);
}

int GwCore::is_visible() const {
    return GwElementKind::read(object(), "visible").toBool() ? 1 : 0;
}

GwString GwCore::title() const {
    QObject* o = object();
    if (auto* tree = qobject_cast<QTreeWidget*>(o))
        return GwQt::gs(tree->headerItem()->text(tree->columnCount() - 1));
    return GwQt::gs(GwElementKind::read(o, "windowTitle").toString());
}

void GwCore::set_title(const GwString& title) {
    QObject* o = object();
    if (auto* tree = qobject_cast<QTreeWidget*>(o))
        tree->headerItem()->setText(tree->columnCount() - 1, GwQt::qs(title));
    GwElementKind::write(o, "windowTitle", GwQt::qs(title));
}

void GwCore::set_font(const GwFont& font) {
    GwElementKind::write(object(), "font", font.qfont());
}

void GwCore::set_colors(const GwColor& text, const GwColor& background) {
    QWidget* w = widget();
    if (w == nullptr)
        return;
    QPalette p = w->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, qcolor(text));
    for (auto role : {QPalette::Window, QPalette::Base})
        p.setColor(role, qcolor(background));
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
    auto items = GwItemAccess::of(object());
    if (items == nullptr)
        return -1;
    const QString t = GwQt::qs(text);
    const int count = items->count();
    if (position < 0 || position > count)
        position = count;
    if (m_sorting != 0)
        for (position = 0; position < count; ++position)
            if (goes_before(m_sorting, t, items->text(position)))
                break;
    items->insert(position, t);
    return position;
}

int GwCore::delete_item(int position) {
    auto items = GwItemAccess::of(object());
    if (items == nullptr || position < 0 || position >= items->count())
        return 0;
    items->remove(position);
    return 1;
}

void GwCore::delete_all_items() {
    if (auto items = GwItemAccess::of(object()))
        items->clear();
}

int GwCore::item_count() const {
    auto items = GwItemAccess::of(object());
    return items != nullptr ? items->count() : 0;
}

GwString GwCore::item_text(int position) const {
    auto items = GwItemAccess::of(object());
    if (items == nullptr || position < 0 || position >= items->count())
        return GwString();
    return GwQt::gs(items->text(position));
}

int GwCore::find_item(const GwString& text) const {
    auto items = GwItemAccess::of(object());
    return items != nullptr ? items->find(GwQt::qs(text)) : -1;
}

int GwCore::select_item(int position) {
    auto items = GwItemAccess::of(object());
    if (items == nullptr || position < 0 || position >= items->count())
        return 0;
    items->set_current(position);
    return 1;
}

void GwCore::deselect_all() {
    if (auto items = GwItemAccess::of(object()))
        items->set_current(-1);
}

int GwCore::current_item() const {
    auto items = GwItemAccess::of(object());
    return items != nullptr ? items->current() : -1;
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
    auto items = GwItemAccess::of(object());
    if (items == nullptr || items->count() < 2)
        return;
    QStringList texts;
    for (int i = 0; i < items->count(); ++i)
        texts << items->text(i);
    const int current = items->current();
    const QString current_text = current >= 0 ? texts[current] : QString();
    std::stable_sort(texts.begin(), texts.end(), [this](const QString& a, const QString& b) {
        return goes_before(m_sorting, a, b);
    });
    items->clear();
    for (int i = 0; i < texts.size(); ++i)
        items->insert(i, texts[i]);
    if (current >= 0)
        items->set_current(items->find(current_text));
}

void GwCore::make_visible(int position) {
    auto items = GwItemAccess::of(object());
    if (items != nullptr && position >= 0 && position < items->count())
        items->scroll_to(position);
}

void GwCore::set_item_colors(int position, const GwColor& text, const GwColor& background) {
    auto items = GwItemAccess::of(object());
    if (items != nullptr && position >= 0 && position < items->count())
        items->set_colors(position, qcolor(text), qcolor(background));
}

// ---------------------------------------------------------------------------------------------
// Menus, tab controls, sliders and progress bars

GwCore* GwCore::append_menu_item(const GwString& id, const GwString& text) {
    auto* menu = qobject_cast<QMenu*>(object());
    if (menu == nullptr)
        return nullptr;
    QAction* a = menu->addAction(GwQt::qs(text));
    a->setObjectName(GwQt::qs(id));
    return GwCore::of(a);
}

GwCore* GwCore::append_separator(const GwString& id) {
    auto* menu = qobject_cast<QMenu*>(object());
    if (menu == nullptr)
        return nullptr;
    QAction* a = menu->addSeparator();
    a->setObjectName(GwQt::qs(id));
    return GwCore::of(a);
}

GwCore* GwCore::active_page() const {
    QObject* o = object();
    QWidget* page = current_page<QTabWidget>(o);
    if (page == nullptr)
        page = current_page<QStackedWidget>(o);
    if (page == nullptr)
        page = current_page<QToolBox>(o);
    return GwCore::of(page);
}

int GwCore::set_active_page(GwCore* page) {
    QObject* o = object();
    QWidget* p = page != nullptr ? page->widget() : nullptr;
    if (o == nullptr || p == nullptr)
        return 0;
    QSignalBlocker block(o);
    const bool shown =
        show_page<QTabWidget>(o, p) || show_page<QStackedWidget>(o, p) || show_page<QToolBox>(o, p);
    return shown ? 1 : 0;
}

void GwCore::set_solid_bar(int on) {
    m_solid_bar = on != 0 ? 1 : 0;
    if (auto* progress = qobject_cast<QProgressBar*>(object()))
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
    if (!set_bar<QProgressBar>(o, lo, hi, v))
        set_bar<QAbstractSlider>(o, lo, hi, v);
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
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->trigger();
    } else if (auto* button = qobject_cast<QAbstractButton*>(o)) {
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
    w->show();
    // Scripted answers act like a user: on a window that has finished appearing, so not
    // inside a wait of its show callback (the terminal's first exchange, for one).
    GwScriptedAnswers::modal_started(this);
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
