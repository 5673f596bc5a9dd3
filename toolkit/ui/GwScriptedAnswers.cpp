#include "GwScriptedAnswers.h"

#include "GwCore.h"
#include "GwMessageBox.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <map>

namespace {

constexpr int kDefaultDialogTimeout = 10000;

struct BoxAnswer {
    bool by_label;
    int result;
    GwString label;
};

struct DialogAnswer {
    GwString id;
    std::function<void(GwCore*)> action;
    bool ends;
    int result;
};

struct FileAnswer {
    bool chosen;
    GwString path;
};

struct PrinterAnswer {
    bool ok;
    GwString path;
};

struct State {
    bool enabled = false;
    int timeout = kDefaultDialogTimeout;
    std::deque<BoxAnswer> boxes;
    std::deque<DialogAnswer> dialogs;
    std::deque<FileAnswer> files;
    std::deque<PrinterAnswer> printers;
    std::vector<GwScriptedAnswers::Shown> shown;
    std::map<const QObject*, std::size_t> running; // element -> its record while it runs
};

State& state() {
    static State s;
    return s;
}

GwScriptedAnswers::Shown describe(GwMessageBox* box, GwScriptedAnswers::Kind kind) {
    GwScriptedAnswers::Shown s;
    s.kind = kind;
    s.id = box->id();
    s.title = box->title();
    s.text = box->text();
    s.bitmap = box->bitmap();
    for (const auto& b : box->buttons())
        s.buttons.push_back({b.label, b.result, b.is_default});
    return s;
}

// Answers a running message box; called once it is up.
void reply_to_box(GwMessageBox* box, std::size_t index) {
    State& st = state();
    long bit = 0;
    if (!st.boxes.empty()) {
        const BoxAnswer answer = st.boxes.front();
        st.boxes.pop_front();
        for (const auto& b : box->buttons()) {
            if (answer.by_label ? b.label == answer.label : b.result == answer.result) {
                bit = b.bit;
                break;
            }
        }
    }
    if (index < st.shown.size())
        st.shown[index].answered = bit != 0;
    if (bit != 0) {
        box->press(bit);
    } else {
        box->set_result(box->neutral_result());
        box->hide();
    }
}

void reply_to_dialog(QPointer<QObject> element, std::size_t index) {
    State& st = state();
    GwCore* dialog = GwCore::of(element);
    const GwString id = dialog->id();
    for (auto it = st.dialogs.begin(); it != st.dialogs.end(); ++it) {
        if (!it->id.is_empty() && it->id != id)
            continue;
        const DialogAnswer answer = *it;
        st.dialogs.erase(it);
        if (answer.ends) {
            dialog->set_result(answer.result);
            dialog->hide();
        } else if (answer.action) {
            answer.action(dialog);
        }
        return;
    }
    // Nobody answers: give the dialog time to finish by itself, then end it.
    if (index < st.shown.size())
        st.shown[index].answered = false;
    QTimer::singleShot(st.timeout, element, [element]() {
        GwCore* d = GwCore::of(element);
        if (d == nullptr || d->is_running() == 0)
            return;
        d->set_result(GwMB_RESULT_CANCEL);
        d->hide();
    });
}

} // namespace

void GwScriptedAnswers::enable() {
    state().enabled = true;
}

void GwScriptedAnswers::disable() {
    state().enabled = false;
}

bool GwScriptedAnswers::enabled() {
    return state().enabled;
}

void GwScriptedAnswers::reset() {
    State& st = state();
    st.boxes.clear();
    st.dialogs.clear();
    st.files.clear();
    st.printers.clear();
    st.shown.clear();
    st.running.clear();
    st.timeout = kDefaultDialogTimeout;
}

void GwScriptedAnswers::answer_box(int result) {
    state().boxes.push_back({false, result, GwString()});
}

void GwScriptedAnswers::press_button(const GwString& label) {
    state().boxes.push_back({true, 0, label});
}

void GwScriptedAnswers::choose_file(const GwString& path) {
    state().files.push_back({true, path});
}

void GwScriptedAnswers::cancel_file() {
    state().files.push_back({false, GwString()});
}

void GwScriptedAnswers::on_dialog(const GwString& id, std::function<void(GwCore*)> action) {
    state().dialogs.push_back({id, std::move(action), false, 0});
}

void GwScriptedAnswers::end_dialog(const GwString& id, int result) {
    state().dialogs.push_back({id, nullptr, true, result});
}

void GwScriptedAnswers::printer_pdf(const GwString& pdf_path) {
    state().printers.push_back({true, pdf_path});
}

void GwScriptedAnswers::printer_fails() {
    state().printers.push_back({false, GwString()});
}

const std::vector<GwScriptedAnswers::Shown>& GwScriptedAnswers::shown() {
    return state().shown;
}

int GwScriptedAnswers::count(Kind kind) {
    int n = 0;
    for (const Shown& s : state().shown)
        n += s.kind == kind ? 1 : 0;
    return n;
}

const GwScriptedAnswers::Shown* GwScriptedAnswers::last(Kind kind) {
    const auto& list = state().shown;
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (it->kind == kind)
            return &*it;
    return nullptr;
}

int GwScriptedAnswers::unanswered() {
    int n = 0;
    for (const Shown& s : state().shown)
        n += s.answered ? 0 : 1;
    return n;
}

int GwScriptedAnswers::pending() {
    const State& st = state();
    return static_cast<int>(st.boxes.size() + st.dialogs.size() + st.files.size() +
                            st.printers.size());
}

void GwScriptedAnswers::set_dialog_timeout(int ms) {
    state().timeout = ms < 0 ? 0 : ms;
}

int GwScriptedAnswers::dialog_timeout() {
    return state().timeout;
}

void GwScriptedAnswers::modal_started(GwCore* window) {
    State& st = state();
    if (!st.enabled || window == nullptr || window->object() == nullptr)
        return;
    QPointer<QObject> element(window->object());
    auto* box = dynamic_cast<GwMessageBox*>(window);
    Shown s;
    if (box != nullptr) {
        s = describe(box, Box);
    } else {
        s.kind = Dialog;
        s.id = window->id();
        s.title = window->title();
    }
    st.shown.push_back(s);
    const std::size_t index = st.shown.size() - 1;
    st.running[element.data()] = index;
    QTimer::singleShot(0, element, [element, index]() {
        GwCore* w = GwCore::of(element);
        if (w == nullptr || w->is_running() == 0)
            return;
        if (auto* b = dynamic_cast<GwMessageBox*>(w))
            reply_to_box(b, index);
        else
            reply_to_dialog(element, index);
    });
}

void GwScriptedAnswers::modal_ended(const QObject* element, int result) {
    State& st = state();
    const auto it = st.running.find(element);
    if (it == st.running.end())
        return;
    if (it->second < st.shown.size())
        st.shown[it->second].result = result;
    st.running.erase(it);
}

void GwScriptedAnswers::info_shown(GwMessageBox* box) {
    if (!state().enabled || box == nullptr)
        return;
    state().shown.push_back(describe(box, Info));
}

int GwScriptedAnswers::file_requested(const Shown& request, GwString& path) {
    State& st = state();
    if (!st.enabled)
        return -1;
    Shown s = request;
    s.kind = File;
    int result = 0;
    if (st.files.empty()) {
        s.answered = false;
    } else {
        const FileAnswer answer = st.files.front();
        st.files.pop_front();
        if (answer.chosen) {
            path = answer.path;
            s.path = answer.path;
            result = 1;
        }
    }
    s.result = result;
    st.shown.push_back(s);
    return result;
}

int GwScriptedAnswers::printer_requested(GwString& pdf_path) {
    State& st = state();
    if (!st.enabled)
        return -1;
    Shown s;
    s.kind = Printer;
    int result = 0;
    if (st.printers.empty()) {
        s.answered = false;
    } else {
        const PrinterAnswer answer = st.printers.front();
        st.printers.pop_front();
        if (answer.ok) {
            pdf_path = answer.path;
            s.path = answer.path;
            result = 1;
        }
    }
    s.result = result;
    st.shown.push_back(s);
    return result;
}
