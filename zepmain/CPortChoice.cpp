#include "CPortChoice.h"

#include "CErrorHandler.h"
#include "GwCore.h"
#include "GwQt.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>

namespace {

const char* const kPathButton = "COMID_PATH";
const char* const kPathField = "COMID_PATH_TEXT";
// The text a button had before any mark was added, kept on the button.
const char* const kBaseText = "zepPortText";

GwString base_text(GwCore* button) {
    const QVariant base = button->object()->property(kBaseText);
    if (!base.isValid()) {
        button->object()->setProperty(kBaseText, GwQt::qs(button->text()));
        return button->text();
    }
    return GwQt::gs(base.toString());
}

// What the machine says about a port, in the interface language; empty for a free port.
GwString state_text(const CPortList::Port& port) {
    switch (port.m_iState) {
    case CPortList::kInUse:
        return CErrorHandler::warning(65, 0) + port.m_sDetail;
    case CPortList::kNoGroup:
        return CErrorHandler::warning(66, 0) + port.m_sDetail;
    case CPortList::kRelogin:
        return CErrorHandler::warning(67, 0) + port.m_sDetail;
    case CPortList::kNoRights:
        return CErrorHandler::warning(68, 0);
    case CPortList::kMissing:
        return CErrorHandler::warning(69, 0);
    default:
        return GwString();
    }
}

GwString hint_text(const CPortList::Port& port) {
    if (port.m_iState != CPortList::kNoGroup && port.m_iState != CPortList::kRelogin)
        return GwString();
    const char* user = std::getenv("USER");
    return CErrorHandler::warning(70, 1) + "sudo usermod -aG " + port.m_sDetail + " " +
           (user != nullptr ? user : "$USER");
}

bool is_radio(const GwCore* c) {
    return c->is_a(GwTOGGLEBUTTON_CLASS) != 0;
}

} // namespace

CPortChoice::CPortChoice(GwCore* dialog) {
    m_pGroup = dialog != nullptr ? dialog->child("COMID") : nullptr;
    if (m_pGroup == nullptr)
        return;
    const std::vector<CPortList::Port> ports = CPortList::Ports();
    AddMachinePorts(ports);
    if (GwCore* field = PathField()) {
        // Typing a path chooses the path button, as a click on it would.
        auto* edit = qobject_cast<QLineEdit*>(field->widget());
        if (edit != nullptr)
            QObject::connect(edit, &QLineEdit::textEdited, edit, [this] {
                if (GwCore* button = PathButton(); button != nullptr && button->value() == 0)
                    button->click();
            });
    }
    Mark(ports);
}

GwCore* CPortChoice::PathButton() const {
    return m_pGroup != nullptr ? m_pGroup->child(kPathButton) : nullptr;
}

GwCore* CPortChoice::PathField() const {
    return m_pGroup != nullptr ? m_pGroup->child(kPathField) : nullptr;
}

void CPortChoice::AddMachinePorts(const std::vector<CPortList::Port>& ports) {
    auto* layout = qobject_cast<QBoxLayout*>(m_pGroup->widget()->layout());
    GwCore* model = nullptr; // a button of the layout: its activation callback is copied
    for (GwCore* c : m_pGroup->children())
        if (is_radio(c) && model == nullptr)
            model = c;
    // New buttons go before the row of the path field.
    int at = layout != nullptr ? layout->count() : 0;
    if (GwCore* path = PathButton(); layout != nullptr && path != nullptr) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem* item = layout->itemAt(i);
            if (item->widget() == path->widget() ||
                (item->layout() != nullptr && item->layout()->indexOf(path->widget()) >= 0))
                at = i;
        }
    }
    for (const CPortList::Port& port : ports) {
        bool known = false;
        for (GwCore* c : m_pGroup->children())
            known = known || (is_radio(c) && c->id().to_upper() == port.m_sName.to_upper());
        if (known)
            continue;
        auto* radio = new QRadioButton(GwQt::qs(port.Label()), m_pGroup->widget());
        radio->setObjectName(GwQt::qs(port.m_sName));
        GwCore* button = GwCore::of(radio);
        if (model != nullptr && model->has_callback(GwCB_ACTIVATE))
            button->set_callback(GwCallback(GwCB_ACTIVATE, model->callback(GwCB_ACTIVATE)));
        if (layout != nullptr)
            layout->insertWidget(at++, radio);
    }
}

void CPortChoice::Mark(const std::vector<CPortList::Port>& ports) {
    if (m_pGroup == nullptr)
        return;
    for (GwCore* c : m_pGroup->children()) {
        if (!is_radio(c) || c->id() == kPathButton)
            continue;
        // A port the machine lists was checked already; a fixed one it does not list now.
        const GwString id = c->id().to_upper();
        const auto listed = std::find_if(ports.begin(), ports.end(),
                                         [&](const auto& p) { return p.m_sName.to_upper() == id; });
        const CPortList::Port port = listed != ports.end() ? *listed : CPortList::Check(c->id());
        GwString text = base_text(c);
        // The layout names a fixed port; the machine adds its device and description.
        const GwString label = port.Label();
        if (label.len() > text.len() && label.begins_with(text))
            text = label;
        const GwString state = state_text(port);
        if (state.not_null())
            text += " - " + state;
        c->set_text(text);
        c->widget()->setToolTip(GwQt::qs(hint_text(port)));
    }
}

void CPortChoice::Select(const GwString& name) {
    if (m_pGroup == nullptr)
        return;
    for (GwCore* c : m_pGroup->children()) {
        if (is_radio(c) && name.not_null() && c->id() != kPathButton &&
            c->id().to_upper() == name.to_upper()) {
            c->set_value(1);
            return;
        }
    }
    for (GwCore* c : m_pGroup->children())
        if (is_radio(c))
            c->set_value(0);
    if (name.is_empty())
        return;
    if (GwCore* field = PathField())
        field->set_text(name);
    if (GwCore* button = PathButton())
        button->set_value(1);
}

GwString CPortChoice::Value() const {
    if (m_pGroup == nullptr)
        return GwString();
    for (GwCore* c : m_pGroup->children()) {
        if (!is_radio(c) || c->value() == 0)
            continue;
        if (c->id() != kPathButton)
            return c->id();
        GwCore* field = PathField();
        return field != nullptr ? GwQt::gs(GwQt::qs(field->text()).trimmed()) : GwString();
    }
    return GwString();
}

void CPortChoice::Enable(int on) {
    if (m_pGroup == nullptr)
        return;
    if (on)
        m_pGroup->enable();
    else
        m_pGroup->disable();
}
