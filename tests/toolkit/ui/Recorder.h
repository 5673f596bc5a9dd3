// Callbacks for the toolkit tests: each records who called it and with what, under the names
// the fixture layouts bind ("Test::Activate", "Test::Timer", ...).
#pragma once

#include "GwCallback.h"
#include "GwCore.h"
#include "GwEvent.h"
#include "GwRcMgr.h"
#include "GwUD.h"

#include <functional>
#include <string>
#include <vector>

struct Call {
    std::string callback;
    std::string window; // id of the element that fired
    GwEventType type;   // GwNO_EVENT when the event was null
    char character;
    unsigned flags;
    std::string data;
};

class Recorder {
public:
    static std::vector<Call>& calls() {
        static std::vector<Call> list;
        return list;
    }
    // Runs inside the next Test::Timer call (the test decides when the run ends).
    static std::function<void(GwCore*)>& on_timer() {
        static std::function<void(GwCore*)> f;
        return f;
    }
    // The result Test::Key gives for a character (0 swallows it).
    static std::function<int(char)>& key_result() {
        static std::function<int(char)> f;
        return f;
    }
    static void clear() {
        calls().clear();
        on_timer() = nullptr;
        key_result() = nullptr;
    }
    static int count(const std::string& callback) {
        int n = 0;
        for (const Call& c : calls())
            n += c.callback == callback ? 1 : 0;
        return n;
    }
    static const Call* last(const std::string& callback) {
        for (auto it = calls().rbegin(); it != calls().rend(); ++it)
            if (it->callback == callback)
                return &*it;
        return nullptr;
    }

    static void record(const char* name, GwCore* w, GwEvent* e, const GwUD& d) {
        calls().push_back({name, w != nullptr ? w->id().str() : std::string(),
                           e != nullptr ? e->type() : GwNO_EVENT,
                           e != nullptr ? e->character() : '\0', e != nullptr ? e->flags() : 0u,
                           d.text().str()});
    }

    static int Activate(GwCore* w, GwEvent* e, const GwUD& d) {
        record("Test::Activate", w, e, d);
        return 1;
    }
    static int Timer(GwCore* w, GwEvent* e, const GwUD& d) {
        record("Test::Timer", w, e, d);
        if (on_timer())
            on_timer()(w);
        return 1;
    }
    static int Show(GwCore* w, GwEvent* e, const GwUD& d) {
        record("Test::Show", w, e, d);
        return 1;
    }
    static int Hide(GwCore* w, GwEvent* e, const GwUD& d) {
        record("Test::Hide", w, e, d);
        return 1;
    }
    static int Close(GwCore* w, GwEvent* e, const GwUD& d) {
        record("Test::Close", w, e, d);
        return 1;
    }
    static int Key(GwCore* w, GwEvent* e, const GwUD& d) {
        record("Test::Key", w, e, d);
        return key_result() ? key_result()(e->character()) : 1;
    }
    // The OK button of the test dialog: result 6, and the dialog goes.
    static int Ok(GwCore* w, GwEvent* e, const GwUD& d) {
        record("Test::Ok", w, e, d);
        GwCore* dialog = w->frame();
        dialog->set_result(6);
        dialog->hide();
        return 1;
    }

    // Registers the fixture resource file and the table above.
    static void use_fixtures() {
        static const GwFuncDesc table[] = {
            {"Test::Activate", Activate},
            {"Test::Timer", Timer},
            {"Test::Show", Show},
            {"Test::Hide", Hide},
            {"Test::Close", Close},
            {"Test::Key", Key},
            {"Test::Ok", Ok},
            {nullptr, nullptr},
        };
        GwRcMgr::use_func_desc(table);
        GwRcMgr::use(ZEP_SOURCE_DIR "/tests/toolkit/ui/fixtures/test");
    }
};
