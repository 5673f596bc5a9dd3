// A simulated RV-4400 / RV-4400L scanner: the device behind the ports "SIM" (inside the
// process) and zepsim (on a pseudo-terminal). It carries its own table of the ZEP100 command
// language and parameter memory and never reads the program's data files, so a fault in the
// command map shows up as a failed exchange with it.
//
// Principles of operation
//   - Bytes come in one at a time (Receive). A frame is STX, up to 255 characters, ETX; bytes
//     outside a frame are ignored, an STX inside one starts it anew, a longer frame is dropped
//     (error 01), an empty one ignored. Each complete frame is one command, carried out at
//     once; Receive then says what goes back on the wire and when.
//   - Queries ("W...") and "A0" get exactly one reply frame, STX text ETX; every other command
//     is carried out or refused silently, as the scanner does. Execute() is the same command
//     language without framing, timing or faults.
//   - The scanner hears only a host at its own line settings. SetHostLine() tells it the
//     host's; a parity of 0 or 0 data bits mean "unknown" and are not compared (a
//     pseudo-terminal carries neither). At other settings commands are not understood: no
//     reply, no change (or garbage, by option).
//   - Three memories: the factory defaults, the permanent memory ("M2" writes it, and the
//     memory file when one is set) and the working memory that commands change. Power-up
//     copies the permanent memory into the working memory and takes the line settings from
//     its H0B and H0F; explicit line options override those two at construction.
//   - Values are kept in coded form, as a parameter data line holds them: codes as they are,
//     numbers filled with "0" to their length ("0500"), quoted texts with their quotes
//     ("\"NOREAD\""), the hex text with its closing pair ("1D00"), and the fields of reading
//     rule n under "Ln" + field letter ("L3L" = "13___").
#pragma once

#include "CLineSettings.h"
#include "CSimOptions.h"
#include "GwProfile.h"
#include "GwString.h"

#include <map>
#include <string>
#include <vector>

class CSimScanner {
public:
    // What the scanner sends after one frame.
    struct Output {
        std::string sBytes; // the bytes to send, framing included; empty when nothing goes out
        int iDelayMs = 0;   // from the arrival of the frame's last byte to the first byte sent
        int iBusyMs = 0;    // the scanner is busy this long after the frame ("M2")
    };

    explicit CSimScanner(const CSimOptions& options = CSimOptions());

    // --- The wire ---

    // Takes one received byte. 1 when it completed a frame (out then tells what goes back,
    // possibly nothing); 0 otherwise, and always 0 once the scanner has vanished.
    int Receive(unsigned char byte, Output& out);

    // The host's line settings (9600,N,8,1 until told otherwise); a parity of '\0' or 0 data
    // bits mean "unknown". A change drops a partial frame.
    void SetHostLine(const CLineSettings& host);
    // 1 when the host's settings are the scanner's own (unknown parts not compared).
    int LineMatches() const;

    // The scanner's own line settings, from its last power-up.
    const CLineSettings& Line() const { return m_oLine; }

    // 1 once the scanner has vanished (vanish-commands / vanish-bytes); a power cycle brings it
    // back.
    int Vanished() const { return m_bVanished ? 1 : 0; }

    // --- The command language ---

    // Carries out one command text (no framing) and gives the reply text, or an empty text
    // for a command that gets none. Execute("WH0B") gives "H0B5" on a new scanner;
    // Execute("H0B6") gives "" and sets the baud rate code to 6; Execute("WXY") gives "?WXY".
    GwString Execute(const GwString& command);

    // --- Memory and state, for tests and tools ---

    // Every key in memory order: RCL, DCC, DCI, DCL, DCO, L0O ... L0H, ..., L9H, ROT, ...,
    // K6X (the unnamed parameters as GN, BT, FD).
    static const std::vector<GwString>& Keys();
    // The coded value of a key in the working / permanent / factory memory; empty for a key
    // not in Keys().
    GwString Value(const GwString& key) const;
    GwString StoredValue(const GwString& key) const;
    static GwString FactoryValue(const GwString& key);
    // Writes a coded value into the working memory as a write command would (same checks),
    // without touching the error register or the changed mark. 1 when taken.
    int SetValue(const GwString& key, const GwString& coded);

    int ErrorRegister() const { return m_iError; } // 0, 1 or 2, not cleared by reading here
    int Changed() const { return m_bChanged ? 1 : 0; }
    int Evaluating() const { return m_bEvaluating ? 1 : 0; }
    long CommandCount() const { return m_lCommands; } // frames carried out since power-up
    long ByteCount() const { return m_lBytes; }       // bytes received since power-up

    // Off and on again: working memory from the permanent memory, line settings from it,
    // evaluation off, error register 00, counters and the vanished state reset.
    void PowerCycle();

    // The options; fault switches take effect at once, the line settings at construction.
    CSimOptions& Options() { return m_options; }
    const CSimOptions& Options() const { return m_options; }

    // The permanent memory as the memory file holds it (a [Memory] section of key=value
    // lines, keys in any case), and the reverse: every entry that a write would take replaces
    // the permanent value of its key; other entries are ignored. Gives the number of entries
    // taken; the working memory follows at the next power cycle.
    // LoadMemoryText("[Memory]\nH0B=6\nDCI=12345\nL3L=05-12\n") gives 2: H0B and L3L are
    // stored, the five-digit DCI is not.
    std::string MemoryText() const;
    int LoadMemoryText(const std::string& text);

    static constexpr int kMaxFrame = 255;
    static constexpr int kLongReply = 8192;   // characters of a "long" fault reply
    static constexpr int kFloodBytes = 30000; // characters of a "flood"

private:
    using Memory = std::map<std::string, std::string>;

    std::string query(const std::string& command);
    std::string rule_reply(int rule, char field) const;
    std::string evaluation_reply();
    // 1 when the command was carried out, 0 when refused; into the given memory.
    static int write_key(Memory& memory, const std::string& command);
    // 1 when the write command would change the key the options refuse (refuse=KEY).
    bool refused(const std::string& command) const;
    static int write_rule(Memory& memory, const std::string& command);
    // Takes the [Memory] entries that a write would take into memory; gives their number.
    static int load_profile(GwProfile& file, Memory& memory);
    void store_permanently();
    void power_up();
    Output make_reply(const std::string& text);
    Output make_garbage(const std::string& frame) const;

    CSimOptions m_options;
    Memory m_working;
    Memory m_permanent;

    CLineSettings m_oLine;
    CLineSettings m_oHost;

    bool m_bInFrame = false;
    bool m_bTooLong = false;
    std::string m_sFrame;

    int m_iError = 0;
    bool m_bChanged = false;
    bool m_bEvaluating = false;
    int m_iRateIndex = 0;
    int m_iBusyMs = 0; // set by the command being carried out
    long m_lCommands = 0;
    long m_lBytes = 0;
    long m_lReplies = 0;
    long m_lValueGarbles = 0; // replies garbled in their value so far
    bool m_bVanished = false;
};
