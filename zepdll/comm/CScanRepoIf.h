// Scanner transfer: connects the repository with the scanner on the serial line. It makes a
// connection (opens the port, checks that a scanner answers, learns its name, loads the
// command map of its type), uploads every parameter value from the scanner into the
// repository, downloads every value into the scanner, tells the scanner to store its
// parameter set, checks that the connected scanner fits the selected type, and keeps the
// connection indicators and the transfer menu items of the main window up to date.
//
// It talks to the scanner only through g_pcoDriver, in synchronous mode, with framed
// messages:
//   connect    "W1" (the reply must begin with "U", also on one further reply), "W0" (the
//              reply's first word is the scanner's name)
//   upload     per parameter its query command; the value is cut from the reply with the
//              command map, and each group gives one data line: "3" + group + for each
//              parameter its field prefix and value, e.g. "3H0B5FAT3E\"NOREAD\"C0"
//   download   per parameter its write command + coded value ("CVI\"AB C\"": quoted texts
//              in double quotes); a dependent parameter is queried first and the reply
//              goes in front ("WL3C" -> "L3O04C2", then "L3O04C2" + "C" + "0")
//   store      "W0", then "M2"
//
// Keeping the parameter set sound:
//   - A reply that does not hold the parameter's reply marker (and search text) may be a
//     late answer to an earlier query: one further reply is read, so one late answer does not
//     shift every later one.
//   - A reply counts only when it arrived whole and uncorrupted (TakeReply): printable
//     characters only (0x20 to 0x7E, as the scanner sends them), exactly the form the command
//     map entry gives with nothing left over, and a value the parameter accepts. Anything else
//     is a reply that did not arrive.
//   - An upload is all or nothing: when any query gets no reply that counts (lost, garbled,
//     cut short, without stop byte, port gone), nothing is stored, the repository and its
//     changed mark stay as they were, and error 59 names the parameters without reply.
//     UploadComplete() tells the caller. After kMaxSilent queries in a row without a
//     complete reply (the port is gone, or the scanner has gone silent) the rest is not
//     asked, only named.
//   - A parameter the command map does not know (or whose entry has no query command or an
//     unknown type) is not queried, and one without a write command is not written: it keeps
//     its value in the repository and in the scanner.
//   - A download stops at the first write the port refuses (the driver reports it) or the
//     first dependent query without a reply that counts (error 60 + name, unless the driver
//     already reported a port error), before anything is written behind it, and gives 0; the
//     caller then keeps the changed mark (and does not store).
//   - Once the port is gone (unplugged) the connection counts as lost: "NOCONNECT" and the
//     transfer items disabled.
//   - A download is not known to be stored until it is read back: VerifyScanner queries every
//     parameter the download writes and names each whose scanner value differs (error 61).
//
// Progress and cancel: a Progress callback (SetProgress) is called after each parameter of an
// upload, a download or a verify with the parameters done and all of them; its result 0 asks
// to cancel. An upload then takes nothing over, a download stops after the write in progress,
// a verify stops reading; each gives its failure result without a message, and Cancelled()
// tells the caller why.
#pragma once

#include "CCmdMap.h"
#include "CParser.h"
#include "DynGwStringPtrArray.h"
#include "GwString.h"

#include <functional>
#include <memory>
#include <vector>

class EwRepository;
class GwCore;

class CScanRepoIf : public CParser {
public:
    // Error texts of this class (CErrorHandler::error_msg); each is followed by a line break
    // and the parameter names.
    static constexpr unsigned kErrNoReplyUpload = 59;
    static constexpr unsigned kErrNoReplyDownload = 60;
    static constexpr unsigned kErrVerifyDiffers = 61;
    static constexpr unsigned kErrNoReplyVerify = 62;
    // An upload stops asking after this many queries in a row without a complete reply.
    static constexpr int kMaxSilent = 3;

    // frame: the main window, whose children carry the indicators and menu items. Creates an
    // empty command map, and g_pcoDriver (with CInitMgr::m_bSerialDump) when there is none;
    // such a driver belongs to whoever deletes g_pcoDriver (the program's main).
    explicit CScanRepoIf(GwCore* frame);
    // Detaches the driver's callbacks (set_window(frame, null, null)); leaves the driver and
    // its port alone.
    ~CScanRepoIf() override;

    // Connects from scratch with the port and line settings of CInitMgr. 1 connected: the
    // port is open, the driver is in mode 1 with a 100 ms lookup interval, ConnectedScanner
    // holds the name and the command map is loaded. 0 otherwise: port "NONE" (warning 6),
    // a port error (reported by the driver), no "U" to "W1", or a command map that cannot be
    // read ("Initializing of Command-Mapping failed"). Ends with SetConnectionStatus(result).
    // The framing bytes are taken from the hex settings COMPARStartRx, COMPARStopRx,
    // COMPARStartTx, COMPARStopTx ("02" -> 0x02; low 8 bits); an empty setting keeps the
    // driver's STX / ETX.
    int initialize();

    // Upload: one data line per group (CombineGroupFromScanner), then Data2Repo and the
    // changed mark cleared, unless a query got no reply (see above). Without repository or
    // driver: not connected. Always null (the lines are used and freed inside).
    DynGwStringPtrArray* DataFromScanner(EwRepository* repository, int flag);
    // The data line of one group from the scanner's replies. Parameters without reply are
    // left out of the line and listed in NoReply().
    GwString CombineGroupFromScanner(EwRepository* repository, const GwString& group);

    // Download of every parameter the command map can write, changed or not (flag unused).
    // 1 when every command went out; 0 when the download stopped (see above) or there is no
    // driver or no open port; 1 without a repository (nothing to send).
    int Repo2Scanner(EwRepository* repository, int flag);
    // "W0" (reply not used), then "M2". Always 0; a port lost on the way shows as not
    // connected.
    int parameter_set_storing(EwRepository* repository);

    // Reads back every parameter the download writes (the command map can query, cut and write
    // it) and compares the scanner's value with the repository's coded value. The scanner's
    // values are left in the comparison values (set_prf_value), so CParamCompare shows both as
    // texts. 1 when every value read back equals the repository's. 0 otherwise:
    //   - differs lists (in repository order) each parameter whose scanner value differs or
    //     is not a value the parameter allows; error 61 is shown, a line per parameter with
    //     both values as shown, sent first ("DCI: 42 / 500");
    //   - NoReply() lists the parameters without reply; error 62 is shown with their names
    //     (after kMaxSilent in a row the rest is not asked, only named);
    //   - no driver, no open port or no repository; or cancelled (no message).
    // The values and the changed mark are not touched.
    int VerifyScanner(EwRepository* repository, DynGwStringPtrArray& differs);

    // See "Progress and cancel" above. done runs from 1 to total within one transfer; the
    // callback must not start an exchange of its own. An empty callback: never cancelled.
    using Progress = std::function<int(int done, int total)>;
    void SetProgress(Progress progress) { m_oProgress = std::move(progress); }
    // 1 when the last upload, download or verify ended because the progress callback asked.
    int Cancelled() const { return m_iCancelled; }

    // The scanner name to work with: the connected one ("RV-4400L" counts as "RV-4400") when
    // it occurs in the selected type or no type is selected; the selected one when nothing
    // is connected; otherwise errors 21, 22, 23, 26 with both configuration type names are
    // shown and the result is empty.
    //   connected RV-4400L, selected RV-4400 -> "RV-4400"
    GwString CompareScanner();
    void CheckSWVersion() {} // has no effect

    // connected := c; the indicators and the menu items follow.
    void SetConnectionStatus(int connected);
    // "DOWNLOAD_TO_ZEP", "UPLOAD_FROM_ZEP", "TB_DF", "TB_UF" need a selected type and a
    // connection; "NEW", "CLOSE", "SAVE", "SAVE_AS", "PRINT", "EXPORT", "FACTORY_DEFAULTS",
    // "TB_NEW", "TB_SAVE", "TB_PRINT", "TB_FD" need a selected type; "TB_TERMINAL" and
    // "TERMINAL_EMULATOR" are always enabled. Nothing is disabled without a selected type.
    void EnableDisableMenuItems();

    int IsConnected() const { return m_iConnected; }
    static GwString ConnectedScanner() { return m_sConnectedScanner; }
    // The second word of the connected scanner's "W0" reply, its software version ("V2.13");
    // empty while not connected or when the reply has none.
    static GwString ConnectedVersion() { return m_sConnectedVersion; }
    // 1 when the last DataFromScanner stored the scanner's values, 0 when it stored nothing.
    int UploadComplete() const { return m_iUploadComplete; }
    // The parameters the last upload got no reply for, in query order.
    const DynGwStringPtrArray& NoReply() const { return *m_pNoReply; }
    CCmdMap* CmdMap() const { return m_pCmdMap.get(); }

    // The value a reply to name's query carries, as the repository stores it: 1 and value
    // when the reply counts (see above; the dependent fields of a DPNDNT reply, "O04" in
    // "L3O04C2", must read as fields of the parameter's group that their parameters accept),
    // else 0 (value unchanged). Whether the reply arrived whole is the driver's
    // (ReplyComplete).
    //   L3C: "L3O04C2" -> "2"     "L3O04C\xB2" -> 0     "L3O0xC2" -> 0     "L3O04C7" -> 0
    //   CVI: "CVI\"AB C\"" -> "AB C"     DCI: "DCI=500" -> "0500"     "DCI=5x0" -> 0
    int TakeReply(EwRepository* repository, const GwString& name, const GwString& reply,
                  GwString& value);

    // The driver's callbacks in the system: data is ignored (1); errors are shown in an error
    // box (the box's result).
    static int ReceivedData_CB(const GwString& data);
    static int ReceivedError_CB(const GwString& message);

    static GwString m_sConnectedScanner;
    static GwString m_sConnectedVersion;

protected:
    // Mode 1, open the port, "W1": 1 when the reply, or the next one, begins with "U".
    int ConnectionOK(GwString& port, GwString& settings);
    // Splits the lines (line i belongs to group i) and stores each value in coded form: flag 0
    // set_value for every pair; other flags set_prf_value until the first refusal. A refusal
    // shows warning 11 once at the end.
    void Data2Repo(EwRepository* repository, DynGwStringPtrArray* lines, int flag);
    // Hides "OFFLINE", "NOCONNECT", "CONNECT", then shows "CONNECT" or "NOCONNECT".
    void DisplayConnection(int connected);
    GwString GetComID();
    GwString GetComParam(); // "9600,N,8,1" from the CInitMgr settings

private:
    // 1 when the command map can query and cut the parameter.
    int uploadable(const GwString& name) const;
    // 1 when the download writes the parameter and a verify can read it back.
    int verifiable(const GwString& name) const;
    // The parameters of the repository that pass the test, in transfer order.
    std::vector<GwString> parameters(EwRepository* repository,
                                     int (CScanRepoIf::*test)(const GwString&) const) const;
    // The data line of a group from the replies to the queries of the parameters the test
    // passes; those without reply are listed in NoReply(). Counts progress.
    GwString read_group(EwRepository* repository, const GwString& group,
                        int (CScanRepoIf::*test)(const GwString&) const);
    // Counts one parameter done; 0 when the progress callback asks to cancel.
    int step();
    // The writes of a download, counting progress.
    int send_all(EwRepository* repository);
    // Sends the parameter's query and gives the reply; a complete reply that is not the
    // parameter's (a late answer to an earlier query) is followed by one further read.
    GwString query(GwString& name);
    // 1 when reply is the parameter's complete answer and counts; value as TakeReply.
    int taken(EwRepository* repository, const GwString& name, const GwString& reply,
              GwString& value);
    // 1 when the parameter accepts the value in the form the repository stores, and the
    // parameter data line reads it back as it is.
    int accepts(EwRepository* repository, const GwString& name, const GwString& value);
    // 1 when text is fields of group in the data line form, each accepted by its parameter.
    int group_fields(EwRepository* repository, const GwString& group, const GwString& text);
    void lost_port_check();

    GwCore* m_pFrame;
    int m_iConnected = 0;
    std::unique_ptr<CCmdMap> m_pCmdMap;
    std::unique_ptr<DynGwStringPtrArray> m_pNoReply;
    int m_iUploadComplete = 0;
    int m_iSilent = 0; // queries in a row without a complete reply
    Progress m_oProgress;
    int m_iDone = 0;
    int m_iTotal = 0; // 0: no transfer counts (a single CombineGroupFromScanner)
    int m_iCancelled = 0;
};
