#include "CCompareDlgMgr.h"

#include "CErrorHandler.h"
#include "GwCore.h"
#include "GwFont.h"
#include "GwPrinterDCEx.h"
#include "GwQt.h"

#include <QApplication>
#include <QClipboard>
#include <QTreeWidget>

namespace {
constexpr unsigned kWarnNoDifference = 79;
constexpr unsigned kWarnDiffering = 80;
constexpr unsigned kWarnParameter = 76;
constexpr int kMarginLines = 5;
} // namespace

CCompareDlgMgr::CCompareDlgMgr(const GwString& resource, const GwString& file,
                               const GwFuncDesc* table, GwCore* parent)
    : EwDialogSatz(nullptr, resource, file, table, parent) {}

void CCompareDlgMgr::SetList(const std::vector<CParamCompare::Difference>& differences,
                             const GwString& value_title, const GwString& other_title) {
    m_oDifferences = differences;
    m_sValueTitle = value_title;
    m_sOtherTitle = other_title;
    GwCore* window = Window();
    if (window == nullptr)
        return;
    if (GwCore* heading = window->child("ID_HEADING"))
        heading->set_text(differences.empty() ? CErrorHandler::warning(kWarnNoDifference, 0)
                                              : CErrorHandler::warning(kWarnDiffering, 0) +
                                                    GwString(static_cast<int>(differences.size())));
    GwCore* list = window->child("LIST");
    if (list == nullptr)
        return;
    if (auto* tree = qobject_cast<QTreeWidget*>(list->object()))
        tree->setHeaderLabels({GwQt::qs(CErrorHandler::warning(kWarnParameter, 0)),
                               GwQt::qs(value_title), GwQt::qs(other_title)});
    list->delete_all_items();
    for (const CParamCompare::Difference& d : differences)
        list->add_item(d.m_sName + "|" + d.m_sValue + "|" + d.m_sOther);
    if (auto* tree = qobject_cast<QTreeWidget*>(list->object()))
        for (int c = 0; c < 3; ++c)
            tree->resizeColumnToContents(c);
}

GwString CCompareDlgMgr::Text(int selected_only) const {
    std::vector<bool> take(m_oDifferences.size(), true);
    GwCore* list = Window() != nullptr ? Window()->child("LIST") : nullptr;
    auto* tree = list != nullptr ? qobject_cast<QTreeWidget*>(list->object()) : nullptr;
    if (selected_only != 0 && tree != nullptr && !tree->selectedItems().isEmpty())
        for (std::size_t i = 0; i < take.size(); ++i)
            take[i] = tree->topLevelItem(static_cast<int>(i))->isSelected();
    GwString text = CErrorHandler::warning(kWarnParameter, 0) + "\t" + m_sValueTitle + "\t" +
                    m_sOtherTitle + "\n";
    for (std::size_t i = 0; i < m_oDifferences.size(); ++i)
        if (take[i])
            text += m_oDifferences[i].m_sName + "\t" + m_oDifferences[i].m_sValue + "\t" +
                    m_oDifferences[i].m_sOther + "\n";
    return text;
}

int CCompareDlgMgr::Copy_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    QApplication::clipboard()->setText(GwQt::qs(Text(1)));
    return 1;
}

int CCompareDlgMgr::Print_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    GwPrinterDCEx printer;
    printer.set_parent(Window());
    GwCore* heading = Window() != nullptr ? Window()->child("ID_HEADING") : nullptr;
    const GwString title = Window() != nullptr ? Window()->title() : GwString();
    if (printer.prepare(0) == 0 || printer.start_doc(title) == 0)
        return 1;
    printer.set_font(GwFont("9.Courier"));
    double width = 0.0;
    double height = 0.0;
    printer.text_extent("Xg", width, height);
    const int lines = height > 0.0 ? static_cast<int>(printer.device_height() / height) : 0;
    // World units are lines and characters' worth of device units: line n at y = n.
    printer.set_wc_rect(-kMarginLines * width, -kMarginLines, printer.device_width(),
                        lines - kMarginLines);
    printer.set_proportional(0, 1);
    printer.set_text_align(0x21);
    std::vector<GwString> out;
    out.push_back(title);
    out.push_back(heading != nullptr ? heading->text() : GwString());
    out.emplace_back();
    GwString table = CParamCompare::Table(m_oDifferences, CErrorHandler::warning(kWarnParameter, 0),
                                          m_sValueTitle, m_sOtherTitle);
    while (table.not_null()) {
        const int end = table.first('\n');
        out.push_back(end < 0 ? table : table(0, end - 1));
        table = end < 0 ? GwString() : table.from(end + 1);
    }
    const int body = std::max(1, lines - 2 * kMarginLines);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int line = static_cast<int>(i) % body;
        if (line == 0) {
            if (i != 0)
                printer.end_page();
            printer.start_page();
            printer.set_font(GwFont("9.Courier"));
        }
        printer.text_out(0, line, out[i]);
    }
    printer.end_page();
    printer.end_doc();
    return 1;
}
