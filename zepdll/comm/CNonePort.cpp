#include "CNonePort.h"

int CNonePort::fail(int code) {
    m_iLastError = code;
    return 0;
}

int CNonePort::Open(const GwString&) {
    return fail(kDeviceNotFound);
}

int CNonePort::SetLine(const CLineSettings&) {
    return fail(kNotOpen);
}

int CNonePort::BytesWaiting() {
    fail(kNotOpen);
    return -1;
}

int CNonePort::ReadByte(unsigned char&) {
    return fail(kNotOpen);
}

int CNonePort::Write(const char*, int) {
    return fail(kNotOpen);
}

int CNonePort::Purge() {
    return fail(kNotOpen);
}

int CNonePort::Close() {
    return fail(kNotOpen);
}
