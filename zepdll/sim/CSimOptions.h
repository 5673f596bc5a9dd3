// What makes one simulated scanner differ from another: its own line settings, the model and
// software version it reports, its timing, the faults it shows on purpose, and the file that
// keeps its permanent memory. Set from a text (the ZEP_SIM environment variable of the program)
// or key by key (the command line of zepsim).
//
// Text form: segments separated by ";", each "key=value"; a segment without "=" is the line
// settings. Keys are matched without regard to case.
//   "9600,N,8,1;model=RV-4400L"        line 9600 baud 8N1, reports "RV-4400L V2.13"
//   "19200,E,7,2;delay=0;wire=off"     answers at once, no wire time
//   "lose=3;vanish-commands=40"        every third reply lost; gone after 40 commands
//
//   line=B,P,D,S       the scanner's own line settings: baud 300 to 38400 as the scanner
//                      offers them, parity N/E/O, 7 or 8 data bits, 1 or 2 stop bits
//   model=NAME         the name "W0" reports ("RV-4400", "RV-4400L" or any other)
//   version=TEXT       the software version "W0" reports ("V2.13")
//   delay=MS           answer delay after the end of a command (10)
//   wire=on|off        wire time per character at the line's speed (on)
//   lose=N             every Nth reply is lost (0: never; the same for the next four)
//   garble=N           every Nth reply arrives with its characters changed
//   garble-value=N     every Nth reply arrives with one byte of its value (what follows the
//                      key, "=" or rule number) changed by a line error: its high bit set;
//                      the byte moves back from the value's last with each such reply
//   slow=N             every Nth reply comes slowdelay late
//   slowdelay=MS       (4000: longer than the program's 3 s time-out)
//   nostop=N           every Nth reply comes without its stop byte
//   long=N             every Nth reply is far longer than the 4096-byte input queue
//   flood=N            every Nth reply is a flood: 30000 characters and no stop byte
//   vanish-commands=N  the scanner vanishes after carrying out N commands (0: never)
//   vanish-bytes=N     the scanner vanishes after receiving N bytes (0: never)
//   garbage=on|off     at wrong line settings send garbage instead of staying silent (off)
//   refuse=KEY         every write that would change the parameter KEY (a memory key such as
//                      DCI or L3L) is refused, as a scanner refuses a value it cannot take:
//                      nothing of that command is applied and the error register says 02
//   store=MS           how long "M2" keeps the scanner busy (300)
//   memory=FILE        the permanent memory lives in FILE: read at power-up, written by "M2"
#pragma once

#include "CLineSettings.h"
#include "GwString.h"

class CSimOptions {
public:
    CLineSettings m_oLine;     // 9600,N,8,1
    bool m_bLineGiven = false; // the line was set explicitly (it then overrides the memory's)

    GwString m_sModel = "RV-4400";
    GwString m_sVersion = "V2.13";
    int m_iDelayMs = 10;
    bool m_bWireTime = true;

    int m_iLoseEvery = 0;
    int m_iGarbleEvery = 0;
    int m_iGarbleValueEvery = 0;
    int m_iSlowEvery = 0;
    int m_iSlowMs = 4000;
    int m_iNoStopEvery = 0;
    int m_iLongEvery = 0;
    int m_iFloodEvery = 0;
    long m_lVanishCommands = 0;
    long m_lVanishBytes = 0;
    bool m_bGarbage = false;
    GwString m_sRefuseKey; // upper case; empty: every valid write is taken

    int m_iStoreMs = 300;
    GwString m_sMemoryFile;

    // Sets one option. 1 when the key is known and the value fits; otherwise 0, error names
    // the problem and nothing changes. Set("lose", "3", e) gives 1; Set("lose", "x", e) gives
    // 0 with e = "lose: not a number: x".
    int Set(const GwString& key, const GwString& value, GwString& error);

    // Applies every segment of a text as above, in order. 1 when all fit; otherwise 0 with the
    // first problem in error (the segments before it are applied).
    int Parse(const GwString& text, GwString& error);

    // Reads line settings "B,P,D,S" (blanks around the fields allowed, parity in either case)
    // that the scanner can use. ParseLine("9600,n,8,1", line) gives 1 and 9600,N,8,1;
    // "115200,N,8,1" and "9600,N,8" give 0 (line unchanged).
    static int ParseLine(const GwString& text, CLineSettings& line);
};
