// Serves one simulated scanner on a pseudo-terminal: the program (or a test) opens the slave
// side like any serial port, zepsim keeps the master side.
//
// A pseudo-terminal carries the baud rate and the stop bits the other side sets, but neither
// parity nor data bits, so those two decide whether the scanner understands. Commands come in
// and replies go out byte by byte at the line's wire time, replies after the answer delay. zepsim
// holds a slave descriptor of its own, so the master stays usable while no program has the port
// open.
#pragma once

#include "CSimOptions.h"
#include "CSimScanner.h"

#include <QSocketNotifier>
#include <QTimer>

#include <deque>
#include <memory>

class CPtyServer {
public:
    explicit CPtyServer(const CSimOptions& options);
    ~CPtyServer();
    CPtyServer(const CPtyServer&) = delete;
    CPtyServer& operator=(const CPtyServer&) = delete;

    // Creates the pseudo-terminal and starts serving. 1 when done; 0 with error set.
    int Start(GwString& error);
    // The device path of the slave side ("/dev/pts/7").
    const GwString& SlavePath() const { return m_sSlave; }
    CSimScanner& Device() { return m_device; }

private:
    struct OnWire {
        long long llAt;
        unsigned char byte;
    };

    static long long now();
    void readable();
    void send_due();
    void arm();
    void vanish_when_read();
    void vanish();
    void close_all();

    CSimScanner m_device;
    int m_iMaster = -1;
    int m_iOwnSlave = -1;
    GwString m_sSlave;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_timer;
    std::deque<OnWire> m_out;
    long long m_llDeviceFree = 0;
    long long m_llLineInFree = 0; // when the last byte from the program is in, on the wire
    long long m_llLastWrite = 0;
    int m_iDrainPolls = 0;
    bool m_bVanishing = false;
};
