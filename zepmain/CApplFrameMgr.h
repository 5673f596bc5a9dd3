// The main window "ZEP Utility" and every command of its menus and tool bar. It owns the
// parameter set of the selected scanner type together with the three objects that work on it
// - the parameter dialog, the script file interface and the print manager - and replaces all
// four at once when the type changes. The transfer object (connect, upload, download) belongs
// to the program's main.
//
// Principles of operation
//   - Start-up (Show): the menu items of the unit and language are checked, the scanner types
//     found beside the program ("zep*" directories) are listed and the recent files appended
//     to the file menu; once the window is on the screen the welcome dialog is shown, then the
//     start file is opened, or the program connects and adopts the connected scanner's type
//     with an upload (falling back to the type used last when nobody answers).
//   - A scanner-type switch is all or nothing: the four files of the type directory are
//     checked ("NAME.cgw", "3prf1", "Profile.zep", "cmd.map"; each missing one is named), the
//     new parameter set and dialog are built completely, and only then is the old type
//     replaced and the type directory set. A failure leaves the old type working as it was.
//   - The save question comes before every command that would lose changes: Yes saves (a
//     save that does not happen ends the command like Cancel), No goes on and drops them,
//     Cancel ends the command.
//   - Upload and download connect first; when that fails the command stops with the
//     connection's message. An upload that did not take every value over keeps the changed
//     mark, so unsaved edits are still protected by the save question.
//   - The file name of the parameter set changes only when a file was written or read: a
//     declined overwrite, a failed write or a file that is not loaded leave it as it was.
//
// Every command returns 1 (handled) whatever happened; what went wrong is shown to the user.
#pragma once

#include "EwDialogSatz.h"
#include "GwString.h"

#include <initializer_list>
#include <memory>

class CFileRepoIf;
class CMainDlgMgr;
class CScanRepoIf;
class CScriptPrintMgr;
class EwRepository;

class CApplFrameMgr : public EwDialogSatz {
public:
    // Builds the main window from resource in file with the callback table; Window() is null
    // when it could not be built.
    CApplFrameMgr(GwCore* parent, const GwString& resource, const GwString& file,
                  const GwFuncDesc* table);
    // Deletes the parameter dialog, the file interface, the print manager and the parameter
    // set; the transfer object is not the frame's.
    ~CApplFrameMgr() override;

    // "CApplFrameMgr::Show_CB": the start-up above, once (a window shown again after being
    // minimised does not start again). The steps from the welcome dialog on run as soon as
    // the window has appeared; StartedUp() tells when they are done. 1.
    int Show(GwCore* window, GwEvent* event, const GwUD& data) override;
    // The parameter dialog's active tab page into the parameter set (a field being typed in
    // is taken over); 0 without a dialog.
    int StoreDialog() override;
    // The parameter set into every control of the dialog; 0 without a dialog.
    int ShowDialog() override;

    void SetTransfer(CScanRepoIf* transfer) { m_pTransfer = transfer; }
    void SetStartFile(const GwString& file) { m_sStartFile = file; }

    // --- The commands (the callbacks of the same name) -----------------------------------
    // Keeps the parameter dialog at the screen position of "reference".
    int Move_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // Save question (Cancel keeps the program running), then the driver is disabled and both
    // windows are hidden, which ends the program's run.
    int Close_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // The splash timer: closes the splash screen.
    int Timer_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // The type chosen in "SCANNER_TYPE"; the user's choice (an event) also connects.
    int SelectScanner_CB(GwCore* window, GwEvent* event, const GwUD& data);
    int NewFile_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // Opens a script file: a recent-file item ("FILE1".."FILE9") opens its file, anything
    // else asks for one. Without a scanner type the file's header selects it.
    int ReadFromFile_CB(GwCore* window, GwEvent* event, const GwUD& data);
    int CloseFile_CB(GwCore* window, GwEvent* event, const GwUD& data);
    int WriteToFile_CB(GwCore* window, GwEvent* event, const GwUD& data);
    int SaveAsFile_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // Asks for the "Download Mode" (0 send, 1 send and store, 2 send, verify and store when
    // the scanner holds every value), connects and sends every parameter.
    int DownLoad_CB(GwCore* window, GwEvent* event, const GwUD& data);
    int UpLoad_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // Asks for the comment of the page header ("Printer Comment"; Cancel prints nothing) and
    // prints the parameter report.
    int PrintSlpFile_CB(GwCore* window, GwEvent* event, const GwUD& data);
    int ExportRtf_CB(GwCore* window, GwEvent* event, const GwUD& data);
    int FactoryDefaults_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // The terminal ("DlgTerminal"), run modally; not while a transfer runs.
    int Terminal_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // "COM Parameter": settings taken over (6) connect anew.
    int ChangeCom_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // "Auto Baud Detect": settings taken over connect anew; when a scanner answers, the
    // question whether to switch to its type and read its parameters.
    int AutoBaudDetect_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // The language of the menu item (its id, "049"), used from the next start.
    int ChangeLanguage_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // The unit of the menu item ("METRIC" or "INCH").
    int ChangeUnit_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // Shows the "About" dialog.
    int About_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // Lists the parameters whose values differ from the type's factory defaults (data
    // "DEFAULTS") or from a script file of the same type that the user chooses ("FILE") in the
    // "Compare List". The parameter set and its changed mark stay as they are.
    int Compare_CB(GwCore* window, GwEvent* event, const GwUD& data);

    // --- State, for the program and its tests --------------------------------------------
    int StartedUp() const { return m_iStartedUp; }
    int Busy() const { return m_iBusy; }
    EwRepository* Repository() const { return m_pRepository; }
    CMainDlgMgr* MainDialog() const { return m_pMainDialog; }
    CFileRepoIf* FileInterface() const { return m_pFileIf; }
    CScriptPrintMgr* PrintManager() const { return m_pPrintMgr; }
    CScanRepoIf* Transfer() const { return m_pTransfer; }
    // The name of the selected scanner type ("ZEP100"), empty before one is selected.
    GwString TypeName() const { return m_sTypeName; }
    GwString PrinterComment() const { return m_sPrinterComment; }

    // The text a recent-file item shows for a path: paths of up to max characters as they
    // are; a longer one loses, pass by pass, one directory component from the second on
    // (each becomes ".."), until it fits or only its last component is left.
    //   "c:\\data\\scanners\\hall 4\\line 4 rv4400.slp" (42) -> "c:\\..\\scanners\\hall 4\\..."
    static GwString ShortenPath(const GwString& path, int max = 40);

private:
    // Start-up steps after the window has appeared.
    void StartUp();
    void FillScannerTypes();
    void AddRecentFileItems();
    // Enters name (when not empty) first in the recent files and redraws the nine items.
    void RefreshRecentFiles(const GwString& name);

    // Connects with an information box: 1 when a scanner answered. The box is gone when it
    // returns.
    int Connect();
    // Connects under the wait cursor (after the port dialogs); 1 when a scanner answered.
    int Reconnect();
    // Connect for a command: on failure a silent connection attempt (no message shown while
    // it ran) is explained with error 67 and the port; 1 when connected.
    int ConnectForCommand();
    // Selects the type of the connected scanner and, with upload, reads its parameters.
    int Adopt(int upload);
    // Checks the type directory of the list's current entry and builds it (after the save
    // question when ask is set). 1 when switched.
    int SelectScanner(int connect, int ask = 1);
    // Builds the type completely, then replaces the old one. 1 when switched.
    int Build(const GwString& name, const GwString& dir, int connect);
    void LoadFactoryDefaults();
    // Puts the list's current entry back on the selected type (after a switch that did not
    // happen).
    void ShowSelectedType();
    // Selects name in "SCANNER_TYPE"; 0 (and error 32 + name) when the list has no such entry.
    int SelectListEntry(const GwString& name);
    void EnableCommands();
    // Of the menu items ids, checks the one named checked and unchecks the others.
    void CheckOne(std::initializer_list<const char*> ids, const GwString& checked);
    // "ID_PORT": the port and its line settings, with the scanner's name while connected.
    void ShowPort();
    static GwString PortText(); // "SIM 9600,N,8,1"

    // The save question; its result: 15 ends the command.
    int AskSave();
    // Writes the parameter set to name (with the overwrite question): 1 written, 0 not
    // written (shown), 15 the overwrite was declined.
    int WriteScript(const GwString& name, const GwString& previous_name);
    // Save and Save As: the file name from the file interface with always_ask.
    int Save(int always_ask);
    // Open: the header check and loading; flag 1 when no type is selected yet.
    void OpenFile(GwString name, int type_from_file, int start_file);
    // The header check: 1 when the file may be loaded into the (possibly switched) type.
    int CheckHeader(const GwString& name, int type_from_file);
    int Upload();
    // The download steps after connecting: send (with progress and Cancel), then by mode
    // verify and store; each outcome is said in one box.
    void Download(int mode);
    void ClearChanged();
    void RefreshTitle();
    GwCore* Child(const char* id) const;

    EwRepository* m_pRepository = nullptr;
    CMainDlgMgr* m_pMainDialog = nullptr;
    CScanRepoIf* m_pTransfer = nullptr;
    CScriptPrintMgr* m_pPrintMgr = nullptr;
    CFileRepoIf* m_pFileIf = nullptr;
    GwString m_sPrinterComment;
    GwString m_sStartFile;
    int m_iBusy = 0;

    GwString m_sTypeName;
    GwString m_sLayoutFile; // the dialog's resource file, released after the dialog
    int m_iShown = 0;
    int m_iStartedUp = 0;
    int m_iDownloadMode = 1; // the choice offered next time
};
