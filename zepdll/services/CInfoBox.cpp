#include "CInfoBox.h"

#include "CErrorHandler.h"

#include <utility>

CInfoBox::CInfoBox(const GwString& text) : m_pBox(CErrorHandler::info_msg(text)) {}

CInfoBox::~CInfoBox() {
    close();
}

CInfoBox::CInfoBox(CInfoBox&& other) noexcept : m_pBox(other.release()) {}

CInfoBox& CInfoBox::operator=(CInfoBox&& other) noexcept {
    if (this != &other) {
        close();
        m_pBox = other.release();
    }
    return *this;
}

CInfoBox CInfoBox::adopt(GwMessageBox* box) {
    CInfoBox guard;
    guard.m_pBox = box;
    return guard;
}

void CInfoBox::close() {
    if (m_pBox != nullptr)
        CErrorHandler::msgbox_destroy(std::exchange(m_pBox, nullptr));
}

GwMessageBox* CInfoBox::release() {
    return std::exchange(m_pBox, nullptr);
}
