// The printer: a GwBaseDCEx on a Qt printer. prepare() is the print dialog, which offers the
// real printers and output to a PDF file; under scripted answers (GwScriptedAnswers) the test's
// answer is taken instead (a PDF file, or failure) and no dialog appears.
//
//   GwPrinterDCEx printer;
//   if (!printer.prepare(0)) ...              // no printer chosen or none usable
//   if (!printer.start_doc("Report")) ...     // the output cannot be started
//   printer.start_page();  ... text_out ...  printer.end_page();
//   printer.start_page();  ...               printer.end_page();
//   printer.end_doc();
// Measurements (text_extent, device_width) use the printer's metrics once it is prepared.
#pragma once

#include "GwBaseDCEx.h"

#include <memory>

class GwCore;
class QPainter;
class QPrinter;

class GwPrinterDCEx : public GwBaseDCEx {
public:
    GwPrinterDCEx();
    ~GwPrinterDCEx() override;

    // The parent of the print dialog (may be null).
    void set_parent(GwCore* parent) { m_pParent = parent; }
    // Chooses the printer for the next document (flags: 0, the only value the system uses).
    // 1 ready; 0 when the person cancelled or no printer can be used.
    int prepare(int flags);
    // Starts a document with this name: 1, or 0 when not prepared or the output (a printer
    // queue, a PDF file) cannot be opened.
    int start_doc(const GwString& name);
    // Pages: start_page, draw, end_page. 0 outside a document.
    int start_page();
    int end_page();
    // Ends the document and hands it to the printer (or closes the PDF file): 1 when done.
    int end_doc();

    // The PDF file of the prepared printer, or empty when it prints on paper.
    GwString output_file() const;
    // Pages started in the current or last document.
    int pages() const { return m_iPages; }

private:
    GwCore* m_pParent = nullptr;
    std::unique_ptr<QPrinter> m_pPrinter;
    std::unique_ptr<QPainter> m_pPainter;
    int m_iPages = 0;
    bool m_bPageOpen = false;
};
