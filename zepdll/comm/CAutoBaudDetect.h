// Automatic baud-rate detection: finds a scanner's serial settings by trying 84 combinations
// of baud rate, parity, data bits and stop bits in a fixed order. Each probe opens the port
// with the combination, sends "W0" framed and reads unframed for a time-out that depends on
// the baud rate; an answer that holds "RV" anywhere wins. The auto-baud dialog owns the
// object, shows the combination being tried and a progress bar, and can stop it.
//
// The table: 12 line formats in the order N81, E81, N82, E82, O81, O82, N71, N72, E71, E72,
// O71, O72, each with the baud rates 2400, 9600, 19200, 4800, 1200, 600, 300; each entry is
// the baud rate left-aligned in five characters, then ",P,D,S":
//   entry 1 "2400 ,N,8,1", entry 2 "9600 ,N,8,1", entry 8 "2400 ,E,8,1", entry 84 "300  ,O,7,2"
// Time-out of a probe: 120627 / baud + 200 ms (2400: 250, 9600: 212, 300: 602); a full run
// without answer waits 26.4 s.
//
// A caller that knows the settings the scanner was last used with names them (TryFirst): when
// they are one of the combinations they are tried first and the others follow in their order
// without them, so a scanner still at its known settings is found in one probe and the run
// through all 84 takes no longer than the fixed order.
//
// Each probe's read is bounded by its own time-out whatever mode the driver is in (a
// detection may start before any connection put the driver into synchronous mode).
#pragma once

#include "GwString.h"

#include <functional>
#include <vector>

class GwCore;

class CAutoBaudDetect {
public:
    static constexpr int kCombinations = 84;

    // parameter: the text item that shows the combination being tried; progress: the
    // progress bar. Either may be null. Not owned.
    CAutoBaudDetect(GwCore* parameter, GwCore* progress);
    virtual ~CAutoBaudDetect() = default;
    CAutoBaudDetect(const CAutoBaudDetect&) = delete;
    CAutoBaudDetect& operator=(const CAutoBaudDetect&) = delete;

    // Tries the combinations in Order() on the port CInitMgr::GetComID() until one answers.
    //   1  found (GetSucPars gives the combination)
    //   0  no combination answered (after all 84)
    //  -1  the port cannot be opened (after that probe; the driver has reported it)
    //  -3  stopped by Stop (after the probe in progress)
    // The progress bar runs from 0 to 84 and always ends full. Afterwards the port stays open
    // with the last combination tried, and the driver has the time-out it had before.
    int Detect();
    // The settings to try first in every later Detect: baud rate, parity, data bits and stop
    // bits as the settings file holds them ("9600,e,7,1"; blanks and either case allowed).
    // Settings that are none of the combinations, and the empty text, leave the fixed order.
    void TryFirst(const GwString& settings) { m_sFirst = settings; }
    // The order of the next Detect: the fixed order, or the TryFirst combination in front.
    std::vector<GwString> Order() const;

    // Asks a running Detect to end after its current probe.
    void Stop() { m_iStopRequested = 1; }
    // The combination that got the last answer ("9600 ,N,8,1", with the blank); empty until
    // the first success, and kept by a later unsuccessful Detect.
    GwString GetSucPars() const { return m_sSucPars; }
    // Number of probes the last Detect made (1 to 84).
    int Probes() const { return m_iProbes; }

    // The 84 entries in the order they are tried.
    static std::vector<GwString> Combinations();
    // The time-out of a probe at a baud rate: 120627 / baud + 200 ms, or what a hook gives.
    static int ProbeTimeout(int baud);
    // Replaces the time-out of every probe (tests keep the suite fast); an empty function
    // restores the rule above.
    static void SetProbeTimeoutHook(std::function<int(int baud)> hook);

protected:
    // One probe: the raw answer when it holds "RV", else empty (also when the port cannot be
    // opened, which sets the port-failed flag).
    GwString TryToConnect(const GwString& settings);

private:
    GwCore* m_pParameter;
    GwCore* m_pProgress;
    int m_iStopRequested = 0;
    int m_iPortFailed = 0;
    GwString m_sSucPars;
    GwString m_sFirst;
    int m_iProbes = 0;
};
