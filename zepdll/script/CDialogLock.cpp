#include "CDialogLock.h"

#include "GwCore.h"

CDialogLock::CDialogLock(GwCore* frame)
    : m_pDialog(frame != nullptr ? frame->child("Main Dialog") : nullptr) {
    if (m_pDialog != nullptr)
        m_pDialog->disable();
}

CDialogLock::~CDialogLock() {
    if (m_pDialog != nullptr)
        m_pDialog->enable();
}
