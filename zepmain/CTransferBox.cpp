#include "CTransferBox.h"

#include "CErrorHandler.h"
#include "GwMessageBox.h"
#include "GwQt.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr unsigned kWarnCancel = 81; // the label of the Cancel button
}

CTransferBox::CTransferBox(const GwString& text) : m_oBox(text) {
    // The box may be cancelled: the arrow, not the wait cursor, stands over its button.
    CErrorHandler::destroy_wait();
    QDialog* dialog = Box() != nullptr ? Box()->dialog() : nullptr;
    auto* layout = dialog != nullptr ? qobject_cast<QVBoxLayout*>(dialog->layout()) : nullptr;
    if (layout == nullptr)
        return;
    m_pBar = new QProgressBar(dialog);
    m_pBar->setObjectName(QStringLiteral("ID_PROGRESS"));
    m_pBar->setFormat(QStringLiteral("%v / %m"));
    m_pBar->setMinimumWidth(320);
    m_pBar->hide();
    m_pCancel = new QPushButton(GwQt::qs(CErrorHandler::warning(kWarnCancel, 0)), dialog);
    m_pCancel->setObjectName(QStringLiteral("ID_CANCEL"));
    m_pCancel->hide();
    QObject::connect(m_pCancel, &QPushButton::clicked, m_pCancel, [this]() { Cancel(); });
    auto* row = new QHBoxLayout;
    row->addWidget(m_pBar, 1);
    row->addWidget(m_pCancel);
    layout->addLayout(row);
}

int CTransferBox::Step(int done, int total) {
    if (m_pBar != nullptr && total > 0) {
        if (m_pBar->isHidden()) {
            m_pBar->show();
            m_pCancel->show();
        }
        m_pBar->setMaximum(total);
        m_pBar->setValue(done);
    }
    return m_bCancelled ? 0 : 1;
}
