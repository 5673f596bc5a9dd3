#include "GwInterpreter.h"

#include "GwCore.h"
#include "GwUD.h"

#include <QtGlobal>

namespace {

GwString trimmed(const GwString& text) {
    int from = 0;
    int to = text.len() - 1;
    while (from <= to && (text[from] == ' ' || text[from] == '\t'))
        ++from;
    while (to >= from && (text[to] == ' ' || text[to] == '\t'))
        --to;
    return from <= to ? text(from, to) : GwString();
}

// Splits "word rest" at the first blank: word, and the rest without leading blanks.
void split_word(const GwString& text, GwString& word, GwString& rest) {
    const int blank = text.first(' ');
    word = blank < 0 ? text : text(0, blank - 1);
    rest = blank < 0 ? GwString() : trimmed(text(blank + 1, text.len() - 1));
}

void run(GwCore* frame, const GwString& command) {
    GwString name;
    GwString argument;
    split_word(command, name, argument);
    if (name == "hide") {
        frame->set_result(argument.to_int());
        frame->hide();
        return;
    }
    if (name == "set") {
        GwString id;
        GwString text;
        split_word(argument, id, text);
        if (GwCore* target = frame->child(id)) {
            target->set_text(text);
            return;
        }
    }
    qWarning("gw toolkit: interpreter: %s: cannot run \"%s\"", frame->id().cc(), command.cc());
}

} // namespace

int GwInterpreter::interpreter(GwCore* window, GwEvent* /*event*/, const GwUD& data) {
    GwCore* frame = window != nullptr ? window->frame() : nullptr;
    if (frame == nullptr)
        return 1;
    GwString rest = data.text();
    while (rest.not_null()) {
        const int semicolon = rest.first(';');
        const GwString command = trimmed(semicolon < 0 ? rest : rest(0, semicolon - 1));
        rest = semicolon < 0 ? GwString() : rest(semicolon + 1, rest.len() - 1);
        if (command.not_null())
            run(frame, command);
    }
    return 1;
}
