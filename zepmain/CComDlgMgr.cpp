#include "CComDlgMgr.h"

#include "CInitMgr.h"
#include "CPortChoice.h"
#include "GwCore.h"

namespace {

// The button of a group whose id is value, without regard to case; null for none.
GwCore* button_for(GwCore* group, const GwString& value) {
    if (group == nullptr || value.is_empty())
        return nullptr;
    for (GwCore* c : group->children())
        if (c->is_a(GwTOGGLEBUTTON_CLASS) && c->id().to_upper() == value.to_upper())
            return c;
    return nullptr;
}

void check(GwCore* group, const GwString& value) {
    if (group == nullptr)
        return;
    if (GwCore* button = button_for(group, value)) {
        button->set_value(1);
        return;
    }
    for (GwCore* c : group->children())
        if (c->is_a(GwTOGGLEBUTTON_CLASS))
            c->set_value(0);
}

GwString checked(GwCore* group) {
    if (group == nullptr)
        return GwString();
    for (GwCore* c : group->children())
        if (c->is_a(GwTOGGLEBUTTON_CLASS) && c->value() != 0)
            return c->id();
    return GwString();
}

} // namespace

CComDlgMgr::CComDlgMgr(const GwString& resource, const GwString& file, const GwFuncDesc* table,
                       GwCore* parent)
    : EwDialogSatz(nullptr, resource, file, table, parent), m_sComID(CInitMgr::GetComID()),
      m_sComBaudrate(CInitMgr::GetComBaudrate()), m_sComParity(CInitMgr::GetComParity()),
      m_sComDatabits(CInitMgr::GetComDatabits()), m_sComStopbits(CInitMgr::GetComStopbits()),
      m_pPorts(std::make_unique<CPortChoice>(Window())) {}

CComDlgMgr::~CComDlgMgr() {
    ReleaseResourceFile();
}

int CComDlgMgr::Show(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (window == nullptr)
        return 1;
    window->set_result(15); // closing the window any other way is a cancel
    m_pPorts->Select(m_sComID);
    check(window->child("COMPARBAUDRATE"), m_sComBaudrate);
    check(window->child("COMPARDATABITS"), m_sComDatabits);
    check(window->child("COMPARSTOPBITS"), m_sComStopbits);
    check(window->child("COMPARPARITY"), m_sComParity);
    return 1;
}

int CComDlgMgr::Quit_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    GwCore* dialog = Window();
    if (dialog == nullptr)
        return 1;
    m_sComID = m_pPorts->Value();
    m_sComBaudrate = checked(dialog->child("COMPARBAUDRATE"));
    m_sComDatabits = checked(dialog->child("COMPARDATABITS"));
    m_sComStopbits = checked(dialog->child("COMPARSTOPBITS"));
    m_sComParity = checked(dialog->child("COMPARPARITY"));
    CInitMgr::m_sComID = m_sComID;
    CInitMgr::m_sComBaudrate = m_sComBaudrate;
    CInitMgr::m_sComDatabits = m_sComDatabits;
    CInitMgr::m_sComStopbits = m_sComStopbits;
    CInitMgr::m_sComParity = m_sComParity;
    dialog->set_result(6);
    dialog->hide();
    return 1;
}

int CComDlgMgr::Cancel_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (GwCore* dialog = Window()) {
        dialog->set_result(15);
        dialog->hide();
    }
    return 1;
}
