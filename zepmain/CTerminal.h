// The terminal: a modal dialog in which the technician types scanner commands and sees the
// scanner's replies line by line. While it is open the driver runs in terminal mode (3) and
// hands every received byte to Receive_CB; closing it puts the driver back into synchronous
// mode (1).
//
// Principles of operation
//   - Control characters are shown and typed as names in angle brackets: the byte 02 is
//     "<STX>", a blank "<SPC>", a byte of 128 to 255 its two hex digits ("<E4>"). Typing
//     "<STX>W0<ETX>", "<stx>", "<02>" or "<E4>" sends those bytes; a bracketed text that names
//     no character ("<abc>") is sent as it stands.
//   - A received line ends with ETX, CR or LF (which stay part of it). "Show control
//     characters" off shows the line's characters exactly as they came.
//   - The exchange list holds at most 200 entries: when a line would make it more, the oldest
//     30 go at once. Each entry has the time it was sent or received (hh:mm:ss.zzz), "To" or
//     "From", and the text; sent entries are grey, received ones white. "Copy" puts the
//     selected entries (all of them when none is selected) on the clipboard, one line each,
//     the columns separated by tabs.
//   - The command field keeps the commands of this program run: Up and Down recall them,
//     Escape empties the field.
//   - The log file records the exchange in a fixed text format:
//       @LogOn  = 07.12.2026   10:15:02 \tZEP Setup Version V 1.1
//        --> ZEP <STX>W0<ETX>
//        ZEP --> <STX>RV-4400 V2.13<ETX>
//       (empty line)
//       @LogOff = 07.12.2026   10:15:09
//     With "LogOnlyReceive" set the sent records are left out and the received ones carry no
//     prefix. The file replaces an existing one only when it is closed complete.
//   - Evaluation mode polls "A0" once a second after "UC1"; ending it (or closing the
//     terminal) sends back the scanner's reply to "WUC" from when the terminal opened, which
//     restores its evaluation state ("UC0" when there was no usable reply).
//
// The layout "DlgTerminal" holds "WHAT" (command field), "STRT_FRAME" and "STOP_FRAME" (names
// of the characters put around a typed command; an empty or missing field adds nothing),
// "TERM_CONTAINER" (the list "LIST" is created in it), the check boxes "ID_WRITE_LOGFILE",
// "ID_EVAL" and "ID_SHOWCTRL", the label "ID_PORT" (the port the terminal talks on), and
// buttons whose ids are the commands they send. It binds the callbacks below by name.
#pragma once

#include "EwCtrlVw.h"
#include "EwDialogSatz.h"
#include "GwColor.h"

#include <memory>
#include <string>
#include <vector>

class GwAtomicFile;
class GwMultiColumnScrolledList;

class CTerminal : public EwDialogSatz {
public:
    static constexpr int kMaxEntries = 200;
    static constexpr int kDropEntries = 30;
    static constexpr unsigned short kEvalPeriodMs = 1000;
    static constexpr int kHistory = 50; // commands kept for Up/Down

    // Builds the dialog from resource in file under parent, creates the exchange list and
    // becomes the open terminal (Open()).
    CTerminal(const GwString& resource, const GwString& file, const GwFuncDesc* table,
              GwCore* parent);
    // Deletes the list and closes a log file that is still open; no terminal is open after it.
    ~CTerminal() override;

    // "CTerminal::Show_CB": keeps the scanner's reply to "WUC" and switches the driver into
    // terminal mode with Receive_CB. Without a driver or window nothing changes. 1.
    int Show(GwCore* window, GwEvent* event, const GwUD& data) override;
    // "CTerminal::Hide_CB": ends evaluation mode, stops the timer and puts the driver back
    // into synchronous mode. 1.
    int Hide_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // "CTerminal::Write_CB": sends the command field between the frame characters. 1.
    int Write_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // "CTerminal::Timer_CB": one "A0" poll of evaluation mode. 1.
    int Timer_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // "CTerminal::WriteLogfile_CB": the log check box changed. Checked: asks for the file
    // (".log" added to a name without extension; an existing file only after the overwrite
    // question when _PromptOverwrite is set) and opens it: 1. Cancelled: the box is unchecked,
    // 0. A file that cannot be created: error 4 with its name, the box unchecked, 0.
    // Unchecked: closes the log; 0.
    int WriteLogfile_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // "CTerminal::PercentageEval_CB": evaluation mode on or off with the check box. 1.
    int PercentageEval_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // "CTerminal::HandleCommand_CB": puts the id of the pressed button into the command field
    // and sends it. 1.
    int HandleCommand_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // "CTerminal::ShowControlChar_CB": control characters shown as names (box checked) or as
    // they are. 1.
    int ShowControlChar_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // "CTerminal::Copy_CB": the selected entries (all without a selection) to the clipboard. 1.
    int Copy_CB(GwCore* window, GwEvent* event, const GwUD& data);

    // The driver's receive callback in terminal mode: one byte (an empty text for a zero
    // byte, which is dropped) for the open terminal. 1.
    static int Receive_CB(const GwString& data);
    // The terminal open now, or null.
    static CTerminal* Open() { return s_pOpen; }

    // The display form of one received byte: "<STX>", "<SPC>", "<E4>", or the character.
    static GwString Raw2Display(unsigned char byte);
    // A typed text with bracketed names to the bytes they stand for:
    //   "<STX>W0<ETX>" -> 02 'W' '0' 03     "<cr>" -> 0D     "<E4>" -> E4     "<41>" -> 'A'
    //   "a<b" -> "a<b"     "x>y" -> "x>y"     "<abc>" -> "<abc>"     "<FF>" -> 0C (the name wins)
    static GwString Display2Raw(const GwString& text);

    GwMultiColumnScrolledList* List() const { return m_pList.get(); }
    int LogOpen() const { return m_pLog != nullptr ? 1 : 0; }
    // The commands of this run, oldest first.
    static const std::vector<GwString>& History() { return s_oHistory; }

private:
    class KeyFilter;

    void Receive(const GwString& data);
    void Send();
    // Adds a sent (1) or received (0) line: log record, list entries, overflow rule.
    void AddLine(const GwString& text, int sent);
    void AddEntry(const GwString& time, const GwString& direction, const GwString& text,
                  const GwColor& background);
    void WriteLog(const GwString& record);
    void CloseLog();
    void EndEvaluation();
    // Synchronous mode again, once the terminal had switched the driver.
    void GiveDriverBack();
    void ShowPort();
    void Remember(const GwString& command);
    // Up (-1) or Down (+1) in the history; fills the command field.
    void Recall(int step);
    GwCore* Control(const char* id) const;

    GwString m_sRecBuffer; // the line being received, display form
    std::string m_sRecRaw; // the same characters as they came
    std::unique_ptr<GwAtomicFile> m_pLog;
    GwString m_sLogName;
    EwCtrlVw m_oCommand; // "WHAT"
    EwCtrlVw m_oList;    // "LIST"
    std::unique_ptr<GwMultiColumnScrolledList> m_pList;
    GwString m_sEvalReply;
    int m_iShowCtrlChars = 1;
    int m_iDriverTaken = 0; // the driver runs in terminal mode for this terminal
    GwColor m_oColors[3];
    GwString m_sTitle;
    int m_iHistoryPos = 0; // index into the history while recalling; its size when not

    static CTerminal* s_pOpen;
    static std::vector<GwString> s_oHistory;
};
