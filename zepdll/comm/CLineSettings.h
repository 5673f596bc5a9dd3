// The settings of a serial line: baud rate, parity, data bits, stop bits. A plain value: it
// may hold settings no device can take; IsValid tells.
//
// The settings text is baud rate, comma, parity letter, comma, data bits, comma, stop bits, as
// the settings file, the port dialogs and the auto-baud table write it. It is read by
// position: the baud rate is the leading decimal number (blanks before the comma allowed), the
// others are the single characters at comma + 1, + 3 and + 5 (parity upper-cased):
//   "9600,N,8,1"    -> 9600 N 8 1          "2400 ,e,7,2"  -> 2400 E 7 2
//   "9600,X,8,1"    -> 9600 X 8 1 (not valid)
//   "9600"          -> 9600 '9' 0 0 (no comma: the characters after the start are read)
// A character missing at its position counts as '\0' (parity) or 0; a data or stop bit
// character that is no digit counts as 0.
#pragma once

#include "GwString.h"

class CLineSettings {
public:
    int m_iBaud = 9600;
    char m_cParity = 'N';
    int m_iDataBits = 8;
    int m_iStopBits = 1;

    CLineSettings() = default;
    CLineSettings(int baud, char parity, int dataBits, int stopBits)
        : m_iBaud(baud), m_cParity(parity), m_iDataBits(dataBits), m_iStopBits(stopBits) {}

    // The settings of a settings text (see above).
    static CLineSettings Parse(const GwString& text);
    // The Windows mode text of a port and a settings text, built from the characters as they
    // stand (a missing one is left out):
    //   ("COM1", "9600 ,n,8,1") -> "COM1: baud=9600 parity=N data=8 stop=1"
    //   ("COM1", "9600")        -> "COM1: baud=9600 parity=9 data=0 stop="
    static GwString ModeText(const GwString& port, const GwString& text);

    // 1 when well-formed: baud rate above 0, parity one of N, E, O, M, S (either case), 5 to
    // 8 data bits, 1 or 2 stop bits. Whether a device can run at them is for the port.
    int IsValid() const;
    // Bits one character takes on the wire: start bit, data bits, parity bit unless the
    // parity is N, stop bits. 8N1 gives 10, 8E1 and 8N2 give 11, 7E1 gives 10.
    int CharBits() const;
    // Wire time of count characters in milliseconds, rounded up; 0 for a baud rate of 0 or
    // less.   9600 8N1, 96 characters -> 100
    long long WireMs(long long count) const;
    // The settings text: "9600,N,8,1".
    GwString Text() const;

    bool operator==(const CLineSettings& other) const;
    bool operator!=(const CLineSettings& other) const { return !(*this == other); }
};
