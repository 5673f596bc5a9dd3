// A real serial port through QSerialPort ("COM3", "/dev/ttyUSB0", "ttyUSB0", "/dev/pts/7").
//
// On top of QSerialPort it keeps the 4096-byte input queue of the original (bytes beyond it are
// dropped), and it works on a Linux pseudo-terminal, which cannot carry parity or a data bit
// count other than 8: there those two settings are taken as given, so that the simulator
// zepsim and the tests can use one. Baud rate and stop bits do reach a pseudo-terminal, and
// the program on its other side can read them.
#pragma once

#include "CSerialPort.h"

#include <QSerialPort>

#include <deque>

class CQtSerialPort : public CSerialPort {
public:
    CQtSerialPort();
    ~CQtSerialPort() override;

    int Open(const GwString& name) override;
    int IsOpen() const override { return m_bOpen ? 1 : 0; }
    int SetLine(const CLineSettings& line) override;
    int BytesWaiting() override;
    int ReadByte(unsigned char& byte) override;
    int Write(const char* data, int length) override;
    int Purge() override;
    int Close() override;
    int LastError() const override { return m_iLastError; }

private:
    void error_occurred(QSerialPort::SerialPortError error);
    int fail(int code);
    // 1 when the open device is the slave side of a pseudo-terminal (the platform part:
    // CQtSerialPort_unix.cpp / CQtSerialPort_win.cpp).
    int is_pty() const;
    // Moves what QSerialPort has read into the input queue, up to its size.
    void take_input();

    QSerialPort m_port;
    std::deque<unsigned char> m_queue;
    bool m_bOpen = false;   // open as the caller sees it
    bool m_bFailed = false; // a read or resource error since opening
    bool m_bWriteFailed = false;
    int m_iLastError = kNoError;
    unsigned m_uGeneration = 0; // counts opens, so a deferred close never hits a later open
};
