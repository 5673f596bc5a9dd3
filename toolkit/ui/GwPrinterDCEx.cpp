#include "GwPrinterDCEx.h"

#include "GwCore.h"
#include "GwQt.h"
#include "GwScriptedAnswers.h"

#include <QDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

GwPrinterDCEx::GwPrinterDCEx() = default;

GwPrinterDCEx::~GwPrinterDCEx() {
    if (m_pPainter != nullptr && m_pPainter->isActive())
        m_pPainter->end();
    set_painter(nullptr);
    set_device(nullptr);
}

int GwPrinterDCEx::prepare(int /*flags*/) {
    if (m_pPainter != nullptr && m_pPainter->isActive())
        return 0; // a document is still under way
    set_device(nullptr);
    m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    GwString pdf;
    const int scripted = GwScriptedAnswers::printer_requested(pdf);
    if (scripted == 0) {
        m_pPrinter.reset();
        return 0;
    }
    if (scripted > 0) {
        m_pPrinter->setOutputFormat(QPrinter::PdfFormat);
        m_pPrinter->setOutputFileName(GwQt::qs(pdf));
    } else {
        QWidget* parent = nullptr;
        if (m_pParent != nullptr) {
            GwCore* frame = m_pParent->frame();
            parent = frame != nullptr ? frame->widget() : m_pParent->widget();
        }
        QPrintDialog dialog(m_pPrinter.get(), parent);
        if (dialog.exec() != QDialog::Accepted) {
            m_pPrinter.reset();
            return 0;
        }
    }
    set_device(m_pPrinter.get());
    return 1;
}

int GwPrinterDCEx::start_doc(const GwString& name) {
    if (m_pPrinter == nullptr)
        return 0;
    m_pPrinter->setDocName(GwQt::qs(name));
    m_pPainter = std::make_unique<QPainter>();
    if (!m_pPainter->begin(m_pPrinter.get())) {
        m_pPainter.reset();
        return 0;
    }
    m_iPages = 0;
    m_bPageOpen = false;
    return 1;
}

int GwPrinterDCEx::start_page() {
    if (m_pPainter == nullptr || !m_pPainter->isActive())
        return 0;
    // The painter begins on the first page; every further page is a new sheet.
    if (m_iPages > 0 && !m_pPrinter->newPage())
        return 0;
    ++m_iPages;
    m_bPageOpen = true;
    set_painter(m_pPainter.get());
    return 1;
}

int GwPrinterDCEx::end_page() {
    if (!m_bPageOpen)
        return 0;
    m_bPageOpen = false;
    set_painter(nullptr);
    return 1;
}

int GwPrinterDCEx::end_doc() {
    if (m_pPainter == nullptr)
        return 0;
    set_painter(nullptr);
    m_bPageOpen = false;
    const bool ok = m_pPainter->end();
    m_pPainter.reset();
    return ok ? 1 : 0;
}

GwString GwPrinterDCEx::output_file() const {
    return m_pPrinter != nullptr ? GwQt::gs(m_pPrinter->outputFileName()) : GwString();
}
