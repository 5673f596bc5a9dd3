// Callbacks for the toolkit tests under the names the fixture layouts bind ("Test::Activate",
// "Test::Timer", ...), each recording who called it and with what; and UiTest, the fixture
// that registers them with the fixture resource file for one test.
#pragma once

#include "GwCallback.h"
#include "GwCore.h"
#include "GwEvent.h"
#include "GwRcMgr.h"
#include "GwStringPrint.h"
#include "GwUD.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

struct Call {
    std::string callback;
    std::string window; // id of the element that fired
    GwEvent event;      // GwNO_EVENT when the toolkit gave none
    std::string data;
};

class Recorder {
public:
    static inline std::vector<Call> calls;
    static inline std::function<void(GwCore*)> on_timer; // runs inside each Test::Timer call
    static inline std::function<int(char)> key_result;   // Test::Key's result (0 swallows)

    static int count(const std::string& callback) {
        int n = 0;
        for (const Call& c : calls)
            n += c.callback == callback ? 1 : 0;
        return n;
    }
    static const Call* last(const std::string& callback) {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->callback == callback)
                return &*it;
        return nullptr;
    }

    static constexpr const char* kNames[] = {"Test::Activate", "Test::Timer", "Test::Key",
                                             "Test::Ok",       "Test::Show",  "Test::Hide",
                                             "Test::Close"};
    // Callback N of kNames.
    template <int N>
    static int callback(GwCore* w, GwEvent* e, const GwUD& d) {
        calls.push_back(
            {kNames[N], w->id().str(), e != nullptr ? *e : GwEvent(GwNO_EVENT), d.text().str()});
        if (N == 1 && on_timer)
            on_timer(w);
        if (N == 2 && key_result)
            return key_result(e->character());
        return 1;
    }
};

#define ZEP_UI_FIXTURES ZEP_SOURCE_DIR "/tests/toolkit/ui/fixtures/test"

class UiTest : public testing::Test {
protected:
    void SetUp() override {
        Recorder::calls.clear();
        Recorder::on_timer = nullptr;
        Recorder::key_result = nullptr;
        using R = Recorder;
        static const GwFuncDesc table[] = {
            {R::kNames[0], R::callback<0>}, {R::kNames[1], R::callback<1>},
            {R::kNames[2], R::callback<2>}, {R::kNames[3], R::callback<3>},
            {R::kNames[4], R::callback<4>}, {R::kNames[5], R::callback<5>},
            {R::kNames[6], R::callback<6>}, {nullptr, nullptr}};
        GwRcMgr::use_func_desc(table);
        ASSERT_EQ(GwRcMgr::use(ZEP_UI_FIXTURES), 1);
    }
    void TearDown() override {
        GwRcMgr::unuse(ZEP_UI_FIXTURES);
        GwRcMgr::set_language(1);
    }
};
