// The port "NONE": no port at all. Opening always fails with kDeviceNotFound, so a program
// configured without a scanner connection says so plainly instead of probing hardware.
#pragma once

#include "CSerialPort.h"

class CNonePort : public CSerialPort {
public:
    CNonePort() = default;

    int Open(const GwString& name) override;
    int IsOpen() const override { return 0; }
    int SetLine(const CLineSettings& line) override;
    int BytesWaiting() override;
    int ReadByte(unsigned char& byte) override;
    int Write(const char* data, int length) override;
    int Purge() override;
    int Close() override;
    int LastError() const override { return m_iLastError; }

private:
    int fail(int code);

    int m_iLastError = kNoError;
};
