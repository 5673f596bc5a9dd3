#include "CQtSerialPort.h"

#include <QMetaObject>

CQtSerialPort::CQtSerialPort() {
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) { error_occurred(error); });
}

CQtSerialPort::~CQtSerialPort() {
    if (m_port.isOpen())
        m_port.close();
}

int CQtSerialPort::fail(int code) {
    m_iLastError = code;
    return 0;
}

void CQtSerialPort::error_occurred(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
        return;
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError: {
        // Qt reports a pseudo-terminal whose other side closed as a read error and a pulled
        // USB adapter as a resource error: both are a device that went away.
        m_iLastError = kResource;
        if (!m_bOpen || m_bFailed)
            return;
        m_bFailed = true;
        // A device that is gone stays readable for ever, and QSerialPort keeps its notifier on
        // it: the event loop would spin until the caller closes the port. Release the device
        // now (later, outside QSerialPort's own read handler); the caller still sees an open,
        // failed port until it calls Close().
        const unsigned generation = m_uGeneration;
        QMetaObject::invokeMethod(
            &m_port,
            [this, generation] {
                if (generation == m_uGeneration && m_port.isOpen()) {
                    take_input(); // what came before the failure stays readable
                    m_port.close();
                }
            },
            Qt::QueuedConnection);
        return;
    }
    case QSerialPort::WriteError:
        m_bWriteFailed = true;
        m_iLastError = kWrite;
        return;
    default:
        m_iLastError = static_cast<int>(error);
        return;
    }
}

int CQtSerialPort::Open(const GwString& name) {
    if (m_bOpen)
        return fail(kOpen);
    m_port.setPortName(QString::fromLocal8Bit(SystemName(name).cc()));
    // Unlimited inside QSerialPort: the 4096-byte limit is applied by take_input().
    m_port.setReadBufferSize(0);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const int code = static_cast<int>(m_port.error());
        m_port.clearError();
        return fail(code == kNoError ? kUnknown : code);
    }
    ++m_uGeneration;
    m_bOpen = true;
    m_bFailed = false;
    m_bWriteFailed = false;
    m_queue.clear();
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    return 1;
}

int CQtSerialPort::SetLine(const CLineSettings& line) {
    if (!m_bOpen || m_bFailed)
        return fail(m_bFailed ? kResource : kNotOpen);
    if (!line.IsValid())
        return fail(kUnsupported);

    QSerialPort::Parity qparity = QSerialPort::NoParity;
    switch (line.m_cParity & ~0x20) { // upper case
    case 'E':
        qparity = QSerialPort::EvenParity;
        break;
    case 'O':
        qparity = QSerialPort::OddParity;
        break;
    case 'M':
        qparity = QSerialPort::MarkParity;
        break;
    case 'S':
        qparity = QSerialPort::SpaceParity;
        break;
    default:
        break;
    }
    const auto qdata = static_cast<QSerialPort::DataBits>(line.m_iDataBits);
    const auto qstop = line.m_iStopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop;

    if (!m_port.setBaudRate(line.m_iBaud) || !m_port.setStopBits(qstop)) {
        m_port.clearError();
        return fail(kUnsupported);
    }
    // A pseudo-terminal forces 8 data bits and no parity and Qt reports that as unsupported;
    // there the two settings are taken as given (nothing on the other side can see them).
    const bool pty = is_pty() != 0;
    if (!m_port.setDataBits(qdata) && !pty) {
        m_port.clearError();
        return fail(kUnsupported);
    }
    if (!m_port.setParity(qparity) && !pty) {
        m_port.clearError();
        return fail(kUnsupported);
    }
    m_port.clearError();
    if (m_iLastError == kUnsupported)
        m_iLastError = kNoError;
    return 1;
}

void CQtSerialPort::take_input() {
    if (m_port.bytesAvailable() <= 0)
        return;
    const QByteArray data = m_port.readAll();
    for (char c : data) {
        if (static_cast<int>(m_queue.size()) >= kQueueSize)
            break; // the rest is lost, as in a full input queue
        m_queue.push_back(static_cast<unsigned char>(c));
    }
}

int CQtSerialPort::BytesWaiting() {
    if (!m_bOpen) {
        fail(kNotOpen);
        return -1;
    }
    take_input();
    if (m_bFailed && m_queue.empty())
        return -1;
    return static_cast<int>(m_queue.size());
}

int CQtSerialPort::ReadByte(unsigned char& byte) {
    if (!m_bOpen)
        return fail(kNotOpen);
    if (m_queue.empty())
        take_input();
    if (m_bFailed && m_queue.empty())
        return 0;
    if (m_queue.empty())
        return fail(kRead);
    byte = m_queue.front();
    m_queue.pop_front();
    return 1;
}

int CQtSerialPort::Write(const char* data, int length) {
    if (!m_bOpen)
        return fail(kNotOpen);
    if (m_bFailed)
        return 0;
    if (length <= 0)
        return 1;
    m_bWriteFailed = false;
    const qint64 written = m_port.write(data, length);
    // Hand the bytes to the device now rather than when the event loop next runs.
    m_port.flush();
    if (m_bFailed)
        return 0; // the code the failure left stays
    if (written != length || m_bWriteFailed)
        return fail(kWrite);
    return 1;
}

int CQtSerialPort::Purge() {
    if (!m_bOpen)
        return fail(kNotOpen);
    m_queue.clear();
    if (m_port.isOpen()) {
        m_port.clear(QSerialPort::AllDirections);
        m_port.readAll(); // what QSerialPort had read already
    }
    return 1;
}

int CQtSerialPort::Close() {
    if (!m_bOpen)
        return fail(kNotOpen);
    ++m_uGeneration;
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
    m_bOpen = false;
    m_bFailed = false;
    m_queue.clear();
    return 1;
}
