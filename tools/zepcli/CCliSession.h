// The environment of one zepcli run, set up as zepmain sets itself up: the settings (the
// program directory's zepmain.ini, the user's copy, or --settings), the message texts in the
// interface language, the one serial driver on a hidden frame, the transfer, and the selected
// scanner type with its repository and script file interface.
//
// No window is shown and nobody answers: every message box the library shows is recorded
// (GwScriptedAnswers) and reported on the standard error output with its number, e.g.
//   zepcli: error E59: The scanner did not answer for these parameters. ...
//     H0B, H0F
//   zepcli: error COM Port not available! Code: 1
// A question gets its neutral answer (No, or Cancel), so nothing is done that would need a yes.
#pragma once

#include "CCliOptions.h"
#include "GwString.h"

#include <memory>
#include <string>
#include <vector>

class CFileRepoIf;
class CScanRepoIf;
class EwRepository;
class QWidget;
class CDriver;

class CCliSession {
public:
    explicit CCliSession(const CCliOptions& options);
    ~CCliSession();
    CCliSession(const CCliSession&) = delete;
    CCliSession& operator=(const CCliSession&) = delete;

    // Reads the settings, applies --lang and --line, loads the message texts and makes the
    // driver (a QApplication must exist). 1 when done; 0 when --line is malformed (reported).
    int Start();

    // --- Messages ---------------------------------------------------------------------------
    // Reports what the library showed since the last call; gives the number of errors among it.
    int ReportMessages();
    // Errors reported since Start (the command's failures included).
    int Errors() const { return m_iErrors; }
    // Every message reported since Start, as printed after "zepcli: " ("error E59: ...").
    const std::vector<std::string>& Messages() const { return m_oMessages; }
    // Shows a failure of zepcli's own as the library shows its messages (an error box), and
    // reports it.
    void Fail(const GwString& text);
    // A remark for the person watching (standard error, only when it is a terminal).
    static void Remark(const std::string& text);
    // Progress on the standard error output when it is a terminal: "label done/total" on one
    // line that is rewritten, and a line end once done reaches total. Always 1 (go on).
    static int Progress(const char* label, int done, int total);

    // --- The scanner type -------------------------------------------------------------------
    GwString ProgramDir() const;
    // The configuration name of a type code ("100" -> "ZEP100"), empty when unknown.
    static GwString TypeOfCode(const GwString& code);
    // The type a script file names; empty when the file is no usable script (its header
    // message shown) or names an unknown type (error 32 + "ZEP" + code shown).
    GwString TypeOfScript(const GwString& file);
    // The type for "defaults" when neither a file nor the scanner names one: --type, else the
    // last used type of the settings, else the only type directory there is. Empty when none
    // fits (a usage problem: error says why).
    GwString DefaultType(std::string& error) const;
    // Makes type_name the selected scanner type: its data directory, the model it stands for,
    // a fresh repository from its profile and the script file interface. 1 when done; 0 when
    // the program directory has no such type (error 32 + name shown).
    int SelectType(const GwString& type_name);
    GwString SelectedType() const { return m_sType; }
    EwRepository* Repository() const { return m_pRepository; }
    CFileRepoIf& Files() const { return *m_pFiles; }

    // --- The scanner ------------------------------------------------------------------------
    GwString Port() const;
    GwString Line() const; // "9600,N,8,1"
    // Connects through CScanRepoIf::initialize and, when a type is selected, checks that the
    // scanner fits it (CompareScanner). 1 when connected. 0 otherwise: no port (warning 6), a
    // port error, a scanner that does not answer (error 67 + port and line), an unknown model
    // (its command map) or a scanner of another type (errors 21 to 26).
    int Connect();
    CScanRepoIf& Transfer() const { return *m_pTransfer; }
    CDriver& Driver() const { return *m_pDriver; }

private:
    const CCliOptions& m_rOptions;
    size_t m_uSeen = 0; // boxes reported so far
    int m_iErrors = 0;
    std::vector<std::string> m_oMessages;
    std::unique_ptr<QWidget> m_pFrame;
    std::unique_ptr<CDriver> m_pDriver;
    std::unique_ptr<CScanRepoIf> m_pTransfer;
    GwString m_sType;
    EwRepository* m_pRepository = nullptr; // owned; CFileRepoIf keeps the address of this member
    std::unique_ptr<CFileRepoIf> m_pFiles;
};
