#include "CTerminal.h"

#include "CDriver.h"
#include "CErrorHandler.h"
#include "CInitMgr.h"
#include "CUtils.h"
#include "GwAtomicFile.h"
#include "GwCore.h"
#include "GwFileSelector.h"
#include "GwFont.h"
#include "GwMultiColumnScrolledList.h"
#include "GwPath.h"
#include "GwQt.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QShortcut>
#include <QTime>
#include <QTreeWidget>

#include <algorithm>
#include <cctype>
#include <ctime>
#include <string>

CTerminal* CTerminal::s_pOpen = nullptr;
std::vector<GwString> CTerminal::s_oHistory;

namespace {

const GwColor kWhite(255, 255, 255);
const GwColor kGrey(245, 245, 245);

// A received line without an end is shown once it is this long, so that a scanner sending
// without line ends still shows up (and the buffer stays bounded).
constexpr size_t kMaxLine = 4096;

// Columns of the exchange list.
constexpr int kTimeColumn = 0;
constexpr int kTextColumn = 2;

GwString local_time(const char* format) {
    const std::time_t now = std::time(nullptr);
    char text[128] = "";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(text, sizeof text, format, local);
    return text;
}

// The byte a bracketed name stands for: a single character, a mnemonic of the control
// character table (any case), or two hex digits. The mnemonic wins: "FF" is form feed.
bool name_to_byte(const GwString& name, unsigned char& byte) {
    if (name.len() > 1 && name.first(' ') >= 0)
        return false;
    if (name.len() == 1) {
        byte = static_cast<unsigned char>(name[0]);
        return true;
    }
    if (name.len() == 2 || name.len() == 3) {
        const GwString upper = name.to_upper();
        const GwString hex = CUtils::Token2Hex(upper);
        if (hex != upper) {
            byte = static_cast<unsigned char>(GwAtoi(CUtils::Hex2Int(hex).cc()));
            return true;
        }
        if (name.len() == 2 && std::isxdigit(static_cast<unsigned char>(name[0])) &&
            std::isxdigit(static_cast<unsigned char>(name[1]))) {
            byte = static_cast<unsigned char>(std::stoi(name.str(), nullptr, 16));
            return true;
        }
    }
    return false;
}

} // namespace

// Up and Down recall commands in the command field; Escape empties it (and only closes the
// terminal when it is empty already).
class CTerminal::KeyFilter : public QObject {
public:
    KeyFilter(CTerminal* terminal, QObject* parent) : QObject(parent), m_pTerminal(terminal) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            m_pTerminal->Recall(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
        if (key == Qt::Key_Escape && edit != nullptr && !edit->text().isEmpty()) {
            edit->clear();
            return true;
        }
        return false;
    }

private:
    CTerminal* m_pTerminal;
};

CTerminal::CTerminal(const GwString& resource, const GwString& file, const GwFuncDesc* table,
                     GwCore* parent)
    : EwDialogSatz(nullptr, resource, file, table, parent) {
    s_pOpen = this;
    m_iHistoryPos = static_cast<int>(s_oHistory.size());
    m_oColors[0] = kWhite;
    m_oColors[1] = kGrey;
    m_oColors[2] = kWhite;
    GwCore* window = Window();
    if (window == nullptr)
        return;
    m_sTitle = window->title().not_null() ? window->title() : GwString("Terminal");
    window->set_title(m_sTitle);

    GwCore* container = window->child("TERM_CONTAINER");
    m_pList = std::make_unique<GwMultiColumnScrolledList>(container != nullptr ? container : window,
                                                          "LIST", 16, 49, 480, 329, 3);
    QTreeWidget* tree = m_pList->tree();
    if (container != nullptr && container->widget()->layout() != nullptr)
        container->widget()->layout()->addWidget(tree);
    tree->setHeaderLabels({GwQt::qs(CErrorHandler::warning(64, 0)), QString(), QString()});
    m_pList->set_title(CErrorHandler::warning(38, 0));
    m_pList->set_column_width(kTimeColumn, 96);
    m_pList->set_column_width(1, 48);
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->set_sorting(0);
    m_pList->set_font(GwFont("GwDialogFont"));
    m_pList->set_colors(GwColor::black(), kWhite);
    m_pList->set_scroll_bars(1);
    m_pList->show();
    auto* copy = new QShortcut(QKeySequence::Copy, tree, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(copy, &QShortcut::activated, tree, [this] { Copy_CB(nullptr, nullptr, {}); });
    m_oList.Attach(m_pList.get());

    if (GwCore* what = window->child("WHAT")) {
        m_oCommand.Attach(what);
        what->widget()->installEventFilter(new KeyFilter(this, what->widget()));
    }
}

CTerminal::~CTerminal() {
    m_oList.Attach(nullptr);
    m_pList.reset();
    if (s_pOpen == this)
        s_pOpen = nullptr;
    GiveDriverBack(); // also when the window goes without being hidden
    EndEvaluation();
    CloseLog();
    ReleaseResourceFile();
}

GwCore* CTerminal::Control(const char* id) const {
    GwCore* window = Window();
    return window != nullptr ? window->child(id) : nullptr;
}

// --- Showing and hiding ----------------------------------------------------------------------

int CTerminal::Show(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    m_iShowCtrlChars = 1;
    if (GwCore* box = Control("ID_SHOWCTRL"))
        box->set_value(1);
    // Shown again (restored from the task bar): the driver is in terminal mode already.
    if (window != nullptr && g_pcoDriver != nullptr && !m_iDriverTaken) {
        m_sEvalReply = g_pcoDriver->WriteReadFramed("WUC");
        g_pcoDriver->Enable(0);
        g_pcoDriver->set_mode(3);
        g_pcoDriver->set_receive_callback(Receive_CB);
        g_pcoDriver->Enable(1);
        m_iDriverTaken = 1;
    }
    ShowPort();
    if (GwCore* what = m_oCommand.Control())
        what->widget()->setFocus();
    return 1;
}

int CTerminal::Hide_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    // The driver first: changing its mode purges the port, output not yet sent included, so
    // the command that ends evaluation goes out afterwards.
    GiveDriverBack();
    EndEvaluation();
    if (GwCore* window = Window())
        window->stop_timer();
    return 1;
}

void CTerminal::GiveDriverBack() {
    if (!m_iDriverTaken || g_pcoDriver == nullptr)
        return;
    g_pcoDriver->Enable(0);
    g_pcoDriver->set_mode(1);
    g_pcoDriver->Enable(1);
    m_iDriverTaken = 0;
}

void CTerminal::ShowPort() {
    GwCore* label = Control("ID_PORT");
    if (label == nullptr)
        return;
    if (g_pcoDriver != nullptr && g_pcoDriver->PortOpen())
        label->set_text(g_pcoDriver->ModeText());
    else
        label->set_text(CErrorHandler::warning(63, 0));
}

// --- Receiving -------------------------------------------------------------------------------

int CTerminal::Receive_CB(const GwString& data) {
    if (s_pOpen != nullptr)
        s_pOpen->Receive(data);
    return 1;
}

GwString CTerminal::Raw2Display(unsigned char byte) {
    // The code as unsigned: bytes of 128 and above would otherwise turn into negative numbers
    // and eight hex digits.
    GwString hex = CUtils::Int2Hex(GwString(static_cast<int>(byte)));
    if (hex.len() < 2)
        hex.prepend("0");
    const GwString token = CUtils::Hex2Token(hex);
    const GwString itself(static_cast<char>(byte), 1);
    return token != itself ? "<" + token + ">" : itself;
}

void CTerminal::Receive(const GwString& data) {
    if (data.is_empty())
        return; // a zero byte
    const auto byte = static_cast<unsigned char>(data[0]);
    m_sRecBuffer += Raw2Display(byte);
    m_sRecRaw += static_cast<char>(byte);
    if (byte == 3 || byte == 13 || byte == 10 || m_sRecRaw.size() >= kMaxLine) {
        // The raw line is kept as it came: converting the display form back would mangle a
        // reply that itself holds "<" or ">".
        AddLine(m_iShowCtrlChars ? m_sRecBuffer : GwString(m_sRecRaw), 0);
        m_sRecBuffer.clear();
        m_sRecRaw.clear();
    }
}

// --- Sending ---------------------------------------------------------------------------------

GwString CTerminal::Display2Raw(const GwString& text) {
    GwString raw;
    int i = 0;
    while (i < text.len()) {
        const char c = text[i];
        const int close = c == '<' ? text.first('>', i + 1) : -1;
        const int reopen = c == '<' ? text.first('<', i + 1) : -1;
        unsigned char byte = 0;
        if (close > i && (reopen < 0 || reopen > close) &&
            name_to_byte(text(i + 1, close - 1), byte)) {
            raw += static_cast<char>(byte);
            i = close + 1;
        } else {
            raw += c;
            ++i;
        }
    }
    return raw;
}

int CTerminal::Write_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    Send();
    return 1;
}

int CTerminal::HandleCommand_CB(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (window == nullptr)
        return 1;
    m_oCommand.ShowValue(window->id());
    Send();
    if (GwCore* what = m_oCommand.Control())
        what->widget()->setFocus();
    return 1;
}

void CTerminal::Send() {
    GwCore* what = m_oCommand.Control();
    if (what == nullptr || !what->is_a(GwEDITBUTTON_CLASS))
        return;
    const GwString command = what->text();
    GwString text;
    GwCore* start = Control("STRT_FRAME");
    GwCore* stop = Control("STOP_FRAME");
    if (start != nullptr && start->text().not_null())
        text = "<" + start->text() + ">";
    text += command;
    if (stop != nullptr && stop->text().not_null())
        text += "<" + stop->text() + ">";
    if (text.is_empty())
        return;
    const GwString raw = Display2Raw(text);
    if (g_pcoDriver != nullptr)
        g_pcoDriver->Write(raw);
    AddLine(m_iShowCtrlChars ? text : raw, 1);
    Remember(command);
    if (auto* edit = qobject_cast<QLineEdit*>(what->widget()))
        edit->selectAll(); // Enter repeats the command, typing replaces it
    ShowPort();
}

void CTerminal::Remember(const GwString& command) {
    if (command.not_null() && (s_oHistory.empty() || s_oHistory.back() != command)) {
        s_oHistory.push_back(command);
        if (static_cast<int>(s_oHistory.size()) > kHistory)
            s_oHistory.erase(s_oHistory.begin());
    }
    m_iHistoryPos = static_cast<int>(s_oHistory.size());
}

void CTerminal::Recall(int step) {
    const int size = static_cast<int>(s_oHistory.size());
    const int pos = std::max(0, std::min(size, m_iHistoryPos + step));
    m_iHistoryPos = pos;
    m_oCommand.ShowValue(pos < size ? s_oHistory[static_cast<size_t>(pos)] : GwString());
}

// --- The exchange list and the log -----------------------------------------------------------

void CTerminal::AddLine(const GwString& text, int sent) {
    if (text.not_null()) {
        if (sent && !CInitMgr::m_bLogOnlyReceive)
            WriteLog(" --> ZEP " + text + "\n");
        else if (!sent)
            WriteLog((CInitMgr::m_bLogOnlyReceive ? GwString() : GwString(" ZEP --> ")) + text +
                     "\n");
    }
    GwMultiColumnScrolledList* list = m_pList.get();
    if (list == nullptr)
        return;
    while (list->item_count() > kMaxEntries) {
        list->delete_item(0);
        list->make_visible(list->item_count() - 2);
    }
    const GwString time = GwQt::gs(QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")));
    if (sent) {
        AddEntry(time, "To", text, m_oColors[1]);
    } else if (text.not_null()) {
        // A line ended by a line feed shows without an empty entry after it.
        GwString rest = text;
        bool first = true;
        while (rest.not_null()) {
            const int lf = rest.first('\n');
            const GwString part = lf >= 0 ? rest(0, lf - 1) : rest;
            rest = lf >= 0 ? rest.from(lf + 1) : GwString();
            AddEntry(first ? time : GwString(), first ? "From" : " ", part, m_oColors[2]);
            first = false;
        }
    }
    if (list->item_count() > kMaxEntries) {
        for (int i = 0; i < kDropEntries; ++i)
            list->delete_item(0);
        list->hide();
        list->show();
    }
    list->make_visible(list->item_count() - 1);
}

void CTerminal::AddEntry(const GwString& time, const GwString& direction, const GwString& text,
                         const GwColor& background) {
    const int pos = m_pList->add_item(time + "|" + direction + "|");
    // The text goes into its column as it is: a "|" in a reply is no column separator.
    if (QTreeWidgetItem* item = m_pList->tree()->topLevelItem(pos))
        item->setText(kTextColumn, GwQt::qs(text));
    m_pList->set_item_colors(pos, GwColor::black(), background);
}

int CTerminal::Copy_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (m_pList == nullptr)
        return 1;
    QTreeWidget* tree = m_pList->tree();
    QStringList lines;
    const bool all = tree->selectedItems().isEmpty();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = tree->topLevelItem(i);
        if (all || item->isSelected())
            lines << item->text(0) + '\t' + item->text(1) + '\t' + item->text(kTextColumn);
    }
    QApplication::clipboard()->setText(lines.join('\n') + '\n');
    return 1;
}

void CTerminal::WriteLog(const GwString& record) {
    if (m_pLog == nullptr)
        return;
    m_pLog->stream() << record.str();
    m_pLog->stream().flush();
}

void CTerminal::CloseLog() {
    if (m_pLog == nullptr)
        return;
    WriteLog(local_time("\n@LogOff = %d.%m.%Y   %H:%M:%S\n"));
    const int written = m_pLog->commit();
    m_pLog.reset();
    if (!written)
        CErrorHandler::show_error(CErrorHandler::error_msg(4, 1) + m_sLogName);
}

int CTerminal::WriteLogfile_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    GwCore* box = Control("ID_WRITE_LOGFILE");
    GwCore* window = Window();
    if (box == nullptr || window == nullptr)
        return 0;
    CloseLog();
    window->set_title(m_sTitle);
    if (box->value() == 0)
        return 0;

    const GwString data_path = CInitMgr::get_filename(0);
    GwFileSelector selector(window, GwPath::exists(data_path) ? data_path : GwString("."), "*.log",
                            1, CErrorHandler::warning(45, 0));
    window->disable();
    GwString name;
    int chosen = selector.go(name) && name.not_null();
    window->enable();
    if (chosen && GwPath::file_part(name).first('.') < 0)
        name += ".log";
    if (chosen && CInitMgr::_PromptOverwrite && GwPath::exists(name) &&
        CErrorHandler::Question(CErrorHandler::error_msg(41, 0),
                                CErrorHandler::warning(44, 1) + name, 0x4200) != 10)
        chosen = 0;
    if (chosen) {
        m_pLog = std::make_unique<GwAtomicFile>(name);
        if (m_pLog->is_open()) {
            m_sLogName = name;
            window->set_title(m_sTitle + " [" + name + "]");
            WriteLog(local_time("@LogOn  = %d.%m.%Y   %H:%M:%S \tZEP Setup Version ") +
                     CInitMgr::ZEPVersionNumber() + "\n");
            return 1;
        }
        // Logging must not look switched on when nothing can be recorded.
        m_pLog.reset();
        CErrorHandler::show_error(CErrorHandler::error_msg(4, 1) + name);
    }
    box->set_value(0);
    return 0;
}

// --- Evaluation mode and the check boxes -----------------------------------------------------

int CTerminal::PercentageEval_CB(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    GwCore* box = window != nullptr ? window : Control("ID_EVAL");
    GwCore* dialog = Window();
    if (box == nullptr || dialog == nullptr || g_pcoDriver == nullptr)
        return 1;
    if (box->value() != 0) {
        dialog->start_timer(kEvalPeriodMs);
        g_pcoDriver->WriteFramed("UC1");
        // Terminal mode again only when something changed it: setting the mode it has
        // purges the port, and a reply on its way would be lost.
        if (!g_pcoDriver->IsTerminalMode())
            g_pcoDriver->set_mode(3);
        g_pcoDriver->set_receive_callback(Receive_CB);
    } else {
        EndEvaluation();
    }
    return 1;
}

void CTerminal::EndEvaluation() {
    GwCore* dialog = Window();
    if (dialog == nullptr || !dialog->timer_active())
        return;
    dialog->stop_timer();
    if (GwCore* box = Control("ID_EVAL"))
        box->set_value(0);
    // The reply to "WUC" is the scanner's own command for the state it was in; without one
    // evaluation is switched off.
    if (g_pcoDriver != nullptr)
        g_pcoDriver->WriteFramed(m_sEvalReply.begins_with("UC") ? m_sEvalReply : GwString("UC0"));
}

int CTerminal::Timer_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (g_pcoDriver != nullptr)
        g_pcoDriver->WriteFramed("A0");
    return 1;
}

int CTerminal::ShowControlChar_CB(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    GwCore* box = window != nullptr ? window : Control("ID_SHOWCTRL");
    if (box != nullptr)
        m_iShowCtrlChars = box->value() != 0 ? 1 : 0;
    return 1;
}
