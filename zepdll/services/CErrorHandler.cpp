#include "CErrorHandler.h"

#include "DynGwStringPtrArray.h"
#include "GwCore.h"
#include "GwEventLoop.h"
#include "GwFont.h"
#include "GwMessageBox.h"
#include "GwRcMgr.h"
#include "GwWaitObject.h"

GwCore* CErrorHandler::_appfrm = nullptr;
DynGwStringPtrArray* CErrorHandler::_errmsg = nullptr;
DynGwStringPtrArray* CErrorHandler::_warnings = nullptr;
GwWaitObject* CErrorHandler::_wait = nullptr;

namespace {
constexpr int kBoxX = 210;
constexpr int kBoxY = 210;
constexpr int kDefaultButton = 16384; // No: a question never defaults to the risky answer
constexpr long kDecorationOnTop = 0x400;
} // namespace

int CErrorHandler::init(GwCore* frame, GwCore* view) {
    if (frame != nullptr)
        _appfrm = frame;
    if (_appfrm == nullptr)
        return -1;
    cleanup();
    _errmsg = new DynGwStringPtrArray(25, 10);
    _warnings = new DynGwStringPtrArray(25, 10);
    if (view != nullptr) {
        read_label_text(view, "ERRORMESSAGES", _errmsg);
        read_label_text(view, "WARNINGS_TEXTS", _warnings);
    }
    return 0;
}

int CErrorHandler::cleanup() {
    delete _errmsg;
    _errmsg = nullptr;
    delete _warnings;
    _warnings = nullptr;
    return 0;
}

int CErrorHandler::read_label_text(GwCore* view, GwString name, DynGwStringPtrArray* array) {
    if (view == nullptr || array == nullptr)
        return -1;
    GwCore* label = view->child(name);
    if (label == nullptr)
        return -1;
    GwString text = label->text();
    while (text.not_null()) {
        const int end = text.first('\n');
        if (end < 0) {
            array->add(text);
            break;
        }
        array->add(text(0, end - 1));
        text = text.from(end + 1);
    }
    return 0;
}

GwString CErrorHandler::lookup(const DynGwStringPtrArray* texts, unsigned n, unsigned f,
                               const char* fallback) {
    GwString result;
    const unsigned count = texts != nullptr ? static_cast<unsigned>(texts->count()) : 0;
    if (n < count && texts->get(static_cast<int>(n)) != nullptr)
        result = *texts->get(static_cast<int>(n));
    else if (count > 0 && texts->get(0) != nullptr)
        result = *texts->get(0) + GwString(static_cast<long>(n));
    else
        result = GwString(fallback) + GwString(static_cast<long>(n));
    if (f != 0)
        result += "\n";
    return result;
}

GwString CErrorHandler::error_msg(unsigned n, unsigned f) {
    return lookup(_errmsg, n, f, "Error ");
}

GwString CErrorHandler::warning(unsigned n, unsigned f) {
    return lookup(_warnings, n, f, "Message ");
}

GwMessageBox* CErrorHandler::make_box(const GwString& title, const GwString& text,
                                      const GwString& bitmap, long buttons) {
    destroy_wait();
    auto* box = new GwMessageBox(_appfrm);
    box->move(kBoxX, kBoxY);
    set_font(*box);
    box->set_title(title);
    box->set_text(text);
    box->set_bitmap(bitmap);
    box->set_buttons(buttons);
    return box;
}

int CErrorHandler::run_and_delete(GwMessageBox* box) {
    const int result = box->go();
    delete box;
    return result;
}

int CErrorHandler::show_error(const GwString& text) {
    return run_and_delete(make_box("ZEP Error: ", text, "mb_stop", GwMB_OK));
}

int CErrorHandler::show_data(const GwString& text) {
    return run_and_delete(make_box("ZEP Data: ", text, "mb_info", GwMB_OK));
}

void CErrorHandler::Info(const GwString& text) {
    GwMessageBox* box = make_box(" Information ", text, "mb_info", GwMB_OK);
    box->set_button_text(GwMB_OK, "OK");
    run_and_delete(box);
}

int CErrorHandler::show_extra(const GwString& text) {
    GwMessageBox* box = make_box(" Information ", text, "mb_info", GwMB_OK | GwMB_NO);
    box->set_button_text(GwMB_NO, GwRcMgr::language() == 49 ? "OK für alle" : "OK for all");
    return run_and_delete(box);
}

int CErrorHandler::Question(const GwString& title, const GwString& text, long buttons) {
    GwMessageBox* box = make_box(title, text, "mb_quest", buttons);
    box->set_default_button(kDefaultButton);
    switch (GwRcMgr::language()) {
    case 49:
        box->set_button_text(GwMB_YES, "Ja");
        box->set_button_text(GwMB_NO, "Nein");
        box->set_button_text(GwMB_CANCEL, "Abbrechen");
        break;
    case 33:
        box->set_button_text(GwMB_YES, "Oui");
        box->set_button_text(GwMB_NO, "Non");
        box->set_button_text(GwMB_CANCEL, "Annule");
        break;
    default:
        box->set_button_text(GwMB_YES, "Yes");
        box->set_button_text(GwMB_NO, "No");
        box->set_button_text(GwMB_CANCEL, "Cancel");
        break;
    }
    box->set_modality(2);
    box->set_style(1);
    box->set_colors(GwColor::black(), GwColor::white());
    box->set_frame_decoration(box->frame_decoration() | kDecorationOnTop);
    return run_and_delete(box);
}

GwMessageBox* CErrorHandler::info_msg(const GwString& text) {
    set_wait();
    auto* box = new GwMessageBox(_appfrm, text);
    box->move(kBoxX, kBoxY);
    set_font(*box);
    box->set_frame_decoration(box->frame_decoration() | kDecorationOnTop);
    box->set_modality(2);
    box->set_colors(GwColor::black(), GwColor::white());
    box->show();
    GwEventLoop::process_pending(); // so that it is drawn before the step starts
    return box;
}

void CErrorHandler::msgbox_destroy(GwMessageBox* box) {
    if (box != nullptr) {
        box->hide();
        delete box;
    }
    destroy_wait();
}

void CErrorHandler::set_font(GwMessageBox& box) {
    const GwFont font("GwDialogFont");
    box.set_font(font);
    for (GwCore* control : box.descendants())
        control->set_font(font);
}

int CErrorHandler::set_wait() {
    if (_wait == nullptr)
        _wait = new GwWaitObject;
    return 0;
}

int CErrorHandler::destroy_wait() {
    delete _wait;
    _wait = nullptr;
    return 0;
}
