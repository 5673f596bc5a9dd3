// A pseudo-terminal made by a test: the test keeps the master side and hands the slave's path
// to the code under test, which opens it like a serial port.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

class PtyPair {
public:
    PtyPair() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
            close_master();
            return;
        }
        if (const char* name = ptsname(m_master))
            m_slave = name;
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~PtyPair() { close_master(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return m_master >= 0 && !m_slave.empty(); }
    const std::string& slave() const { return m_slave; }

    // Bytes from the master side, as if they came down the line.
    bool send(const std::string& bytes) const { return send_some(bytes) == bytes.size(); }
    // As many of the bytes as the pseudo-terminal takes now; gives their number.
    size_t send_some(const std::string& bytes) const {
        const ssize_t n = ::write(m_master, bytes.data(), bytes.size());
        return n > 0 ? static_cast<size_t>(n) : 0;
    }
    // The other side goes away, like a cable pulled out of a USB adapter.
    void close_master() {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

private:
    int m_master = -1;
    std::string m_slave;
};
