#include "CTestScript.h"

#include "CApplFrameMgr.h"
#include "CMainDlgMgr.h"
#include "GwCore.h"
#include "GwEvent.h"
#include "GwEventLoop.h"
#include "GwLineReader.h"
#include "GwScriptedAnswers.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

std::vector<GwString> fields(const GwString& line) {
    std::vector<GwString> out;
    const int count = line.GetTokenCount('|');
    for (int i = 0; i < count; ++i)
        out.push_back(line.GetToken(i, '|'));
    return out;
}

GwString one_line(const GwString& text) {
    GwString out;
    for (int i = 0; i < text.len(); ++i)
        out += text[i] == '\n' ? GwString("\\n") : GwString(text(i, i));
    return out;
}

void print(const GwString& text) {
    std::printf("%s\n", text.cc());
    std::fflush(stdout);
}

class Runner {
public:
    Runner(CApplFrameMgr* frame, std::vector<GwString> lines)
        : m_pFrame(frame), m_oLines(std::move(lines)) {}

    // Queues the answers up to the first command.
    void QueueLeadingAnswers() {
        while (m_iNext < m_oLines.size() && Answer(fields(m_oLines[m_iNext])))
            ++m_iNext;
    }

    void RunCommands() {
        while (m_iNext < m_oLines.size()) {
            const GwString line = m_oLines[m_iNext++];
            const std::vector<GwString> f = fields(line);
            if (!Answer(f) && !Command(f))
                print("bad|" + line);
            if (m_bQuit)
                return;
        }
    }

private:
    // An answer step: queued; false when the line is none.
    static bool Answer(const std::vector<GwString>& f) {
        const GwString& kind = f[0];
        if (kind == "press" && f.size() == 2)
            GwScriptedAnswers::press_button(f[1]);
        else if (kind == "answer" && f.size() == 2)
            GwScriptedAnswers::answer_box(f[1].to_int());
        else if (kind == "file" && f.size() == 2)
            GwScriptedAnswers::choose_file(f[1]);
        else if (kind == "nofile" && f.size() == 1)
            GwScriptedAnswers::cancel_file();
        else if (kind == "end" && f.size() == 3)
            GwScriptedAnswers::end_dialog(f[1], f[2].to_int());
        else if (kind == "printer" && f.size() == 2)
            GwScriptedAnswers::printer_pdf(f[1]);
        else if (kind == "dialog" && f.size() >= 3) {
            const std::vector<GwString> ids(f.begin() + 2, f.end());
            GwScriptedAnswers::on_dialog(f[1], [ids](GwCore* dialog) {
                for (const GwString& id : ids)
                    if (GwCore* element = dialog->child(id))
                        element->click();
            });
        } else
            return false;
        return true;
    }

    GwCore* Element(const GwString& id) const {
        GwCore* main = m_pFrame->Window();
        return main != nullptr ? main->child(id) : nullptr;
    }

    bool Command(const std::vector<GwString>& f) {
        const GwString& kind = f[0];
        if (kind == "click" && f.size() == 2) {
            GwCore* element = Element(f[1]);
            if (element == nullptr)
                return false;
            element->click();
        } else if ((kind == "set" || kind == "check") && f.size() == 3) {
            CMainDlgMgr* dialog = m_pFrame->MainDialog();
            GwCore* control = dialog != nullptr && dialog->Window() != nullptr
                                  ? dialog->Window()->child(f[1])
                                  : nullptr;
            if (control == nullptr)
                return false;
            if (kind == "set")
                control->set_text(f[2]);
            else
                control->set_value(f[2].to_int());
            GwEvent activate(GwACTIVATE);
            control->fire(GwCB_ACTIVATE, &activate);
        } else if (kind == "ready" && f.size() == 1) {
            print("ready");
        } else if (kind == "cpu" && f.size() == 1) {
            const long ms = static_cast<long>(std::clock() * 1000.0 / CLOCKS_PER_SEC);
            print("cpu " + GwString(ms));
        } else if (kind == "wait" && f.size() == 2) {
            QElapsedTimer clock;
            clock.start();
            const int ms = f[1].to_int();
            while (clock.elapsed() < ms)
                GwEventLoop::wait_for_events(static_cast<int>(ms - clock.elapsed()));
        } else if (kind == "shown" && f.size() == 1) {
            PrintShown();
        } else if (kind == "quit" && f.size() == 1) {
            m_bQuit = true;
            if (GwCore* exit = Element("EXIT"))
                exit->click();
        } else {
            return false;
        }
        return true;
    }

    void PrintShown() {
        const auto& shown = GwScriptedAnswers::shown();
        for (; m_iShown < shown.size(); ++m_iShown) {
            const GwScriptedAnswers::Shown& s = shown[m_iShown];
            switch (s.kind) {
            case GwScriptedAnswers::Box:
                print("box|" + one_line(s.title) + "|" + one_line(s.text) + "|" +
                      GwString(s.result));
                break;
            case GwScriptedAnswers::Info:
                print("info|" + one_line(s.text));
                break;
            case GwScriptedAnswers::Dialog:
                print("dialog|" + s.id + "|" + GwString(s.result));
                break;
            case GwScriptedAnswers::File:
                print("file|" + s.path);
                break;
            case GwScriptedAnswers::Printer:
                print("printer|" + s.path);
                break;
            }
        }
    }

    CApplFrameMgr* m_pFrame;
    std::vector<GwString> m_oLines;
    std::size_t m_iNext = 0;
    std::size_t m_iShown = 0;
    bool m_bQuit = false;
};

} // namespace

void CTestScript::Start(CApplFrameMgr* frame, const GwString& path) {
    GwLineReader reader;
    GwCore* main = frame != nullptr ? frame->Window() : nullptr;
    if (main == nullptr || reader.open(path) == 0) {
        std::fprintf(stderr, "zepmain: the test script %s cannot be read\n", path.cc());
        return;
    }
    std::vector<GwString> lines;
    GwString line;
    while (reader.read_line(line) != 0)
        if (line.not_null() && line[0] != '#')
            lines.push_back(line);
    GwScriptedAnswers::enable();
    // The main window's own run is left to its Exit.
    GwScriptedAnswers::on_dialog(main->id(), [](GwCore*) {});
    auto runner = std::make_shared<Runner>(frame, std::move(lines));
    runner->QueueLeadingAnswers();
    auto* poll = new QTimer(main->widget());
    QObject::connect(poll, &QTimer::timeout, poll, [poll, frame, runner]() {
        if (frame->StartedUp() == 0)
            return;
        poll->stop();
        runner->RunCommands();
    });
    poll->start(5);
}
