#include "EwRadioCont.h"

#include "GwCore.h"

namespace {

const char* const kBlank = "BLANK";

bool is_radio(const GwCore* c) {
    return c->is_a(GwTOGGLEBUTTON_CLASS) != 0;
}

} // namespace

GwString EwRadioCont::ButtonId(const GwString& v) const {
    GwString rest = v;
    if (m_iPrefixLen > 0) {
        if (!v.begins_with(m_sPrefix))
            return GwString();
        rest = v.from(m_iPrefixLen);
    }
    return rest.is_empty() || rest == " " ? GwString(kBlank) : rest;
}

GwCore* EwRadioCont::ButtonFor(const GwString& v) const {
    GwCore* group = Control();
    const GwString id = ButtonId(v);
    if (group == nullptr || id.is_empty())
        return nullptr;
    for (GwCore* button : group->children())
        if (button->id() == id)
            return button;
    return nullptr;
}

int EwRadioCont::ShowValue(const GwString& value) {
    GwCore* group = Control();
    if (group == nullptr)
        return 0;
    if (GwCore* button = ButtonFor(value)) {
        button->set_value(1); // the others of the group go off
        return 1;
    }
    for (GwCore* button : group->children())
        if (is_radio(button))
            button->set_value(0);
    return 0;
}

GwString EwRadioCont::GetValue() const {
    GwCore* group = Control();
    if (group == nullptr)
        return GwString();
    for (GwCore* button : group->children()) {
        if (!is_radio(button) || button->value() == 0)
            continue;
        const GwString id = button->id();
        return m_sPrefix + (id == kBlank ? GwString() : id);
    }
    return GwString();
}

int EwRadioCont::SetButtonText(const GwString& v, const GwString& text) {
    GwCore* button = ButtonFor(v);
    if (button == nullptr)
        return 0;
    button->set_text(text);
    return 1;
}

GwString EwRadioCont::ButtonText(const GwString& v) const {
    GwCore* button = ButtonFor(v);
    return button != nullptr ? button->text() : GwString();
}

int EwRadioCont::SetButtonId(const GwString& v, const GwString& id) {
    GwCore* button = ButtonFor(v);
    if (button == nullptr)
        return 0;
    button->set_id(id);
    return 1;
}

int EwRadioCont::DisableButton(const GwString& v) {
    GwCore* button = ButtonFor(v);
    if (button == nullptr)
        return 0;
    button->disable();
    return 1;
}

int EwRadioCont::EnableButton(const GwString& v) {
    GwCore* button = ButtonFor(v);
    if (button == nullptr)
        return 0;
    button->enable();
    return 1;
}

int EwRadioCont::HideButton(const GwString& v) {
    GwCore* button = ButtonFor(v);
    if (button == nullptr)
        return 0;
    button->hide();
    return 1;
}

int EwRadioCont::SetPrefix(const GwString& prefix) {
    m_sPrefix = prefix;
    m_iPrefixLen = prefix.len();
    return m_iPrefixLen;
}
