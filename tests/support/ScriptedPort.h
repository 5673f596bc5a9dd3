// A port whose behaviour a test writes: the bytes that "arrive", failures of opening, of the
// line settings and of writes after a given number of writes. Everything written is recorded.
// The driver gets it through CDriver::SetPortFactory; the test keeps the shared Line to feed it
// and to look at it.
//
//   auto line = std::make_shared<ScriptedPort::Line>();
//   ScriptedPort::Install(line);                  // every port the driver opens is this line
//   line->arrive("\x02U0\x03");                   // bytes waiting in the input queue
//   line->fail_writes_after = 3;                  // the fourth write fails (kResource)
//   line->on_write = [](ScriptedPort::Line& l, const std::string& bytes) {
//       if (bytes == "\x02W1\x03") l.arrive("\x02U0\x03");   // answers as it is written
//   };
#pragma once

#include "CDriver.h"
#include "CSerialPort.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>

class ScriptedPort : public CSerialPort {
public:
    struct Line {
        std::deque<unsigned char> input;
        std::string written;
        int writes = 0;
        int fail_writes_after = -1; // writes that succeed before every further one fails
        bool open_fails = false;
        bool line_fails = false; // SetLine refuses
        bool is_open = false;
        int opens = 0;
        int purges = 0;
        std::string settings; // the line settings applied last: "9600,N,8,1"
        // Called with the bytes of every write that went out (a scripted device answering).
        std::function<void(Line&, const std::string&)> on_write;

        void arrive(const std::string& bytes) {
            input.insert(input.end(), bytes.begin(), bytes.end());
        }
    };

    explicit ScriptedPort(std::shared_ptr<Line> line) : m_line(std::move(line)) {}

    static void Install(const std::shared_ptr<Line>& line) {
        CDriver::SetPortFactory(
            [line](const GwString&) { return std::make_unique<ScriptedPort>(line); });
    }

    int Open(const GwString&) override {
        if (m_line->open_fails)
            return fail(kDeviceNotFound);
        m_line->is_open = true;
        ++m_line->opens;
        return 1;
    }
    int IsOpen() const override { return m_line->is_open ? 1 : 0; }
    int SetLine(const CLineSettings& settings) override {
        if (m_line->line_fails)
            return fail(kUnsupported);
        m_line->settings = settings.Text().str();
        return 1;
    }
    int BytesWaiting() override {
        if (!m_line->is_open) {
            fail(kNotOpen);
            return -1;
        }
        return static_cast<int>(std::min<size_t>(m_line->input.size(), kQueueSize));
    }
    int ReadByte(unsigned char& byte) override {
        if (m_line->input.empty())
            return fail(kRead);
        byte = m_line->input.front();
        m_line->input.pop_front();
        return 1;
    }
    int Write(const char* data, int length) override {
        if (!m_line->is_open)
            return fail(kNotOpen);
        if (m_line->fail_writes_after >= 0 && m_line->writes >= m_line->fail_writes_after)
            return fail(kResource);
        ++m_line->writes;
        m_line->written.append(data, static_cast<size_t>(length));
        if (m_line->on_write)
            m_line->on_write(*m_line, std::string(data, static_cast<size_t>(length)));
        return 1;
    }
    int Purge() override {
        m_line->input.clear();
        ++m_line->purges;
        return 1;
    }
    int Close() override {
        const bool was = m_line->is_open;
        m_line->is_open = false;
        return was ? 1 : fail(kNotOpen);
    }
    int LastError() const override { return m_error; }

private:
    int fail(int code) {
        m_error = code;
        return 0;
    }

    std::shared_ptr<Line> m_line;
    int m_error = kNoError;
};
