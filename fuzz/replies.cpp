// Fuzzes scanner replies through the serial driver's framing and the command map's cut: the
// input is what arrives on the line. The first byte picks the reception (framed synchronous
// reads, unframed reads, asynchronous polling, terminal mode) and the receive framing bytes;
// the rest arrives as it is. What must hold: no message is longer than the port's input
// queue, no framed message holds a framing byte, terminal mode hands on every byte, and
// cutting any message for any ZEP100 parameter reads nothing outside it.
#include "CCmdMap.h"
#include "CDriver.h"
#include "CSerialPort.h"
#include "EwDataSet.h"
#include "EwRepository.h"
#include "EwString.h"
#include "GwCore.h"

#include <QCoreApplication>
#include <QObject>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace {

// The line: the fuzz input waiting in the input queue; writes go nowhere.
class FuzzPort : public CSerialPort {
public:
    explicit FuzzPort(std::deque<unsigned char>* input) : m_input(input) {}
    int Open(const GwString&) override { return m_open = 1; }
    int IsOpen() const override { return m_open; }
    int SetLine(int, char, int, int) override { return 1; }
    int BytesWaiting() override {
        return static_cast<int>(std::min<size_t>(m_input->size(), kQueueSize));
    }
    int ReadByte(unsigned char& byte) override {
        if (m_input->empty())
            return 0;
        byte = m_input->front();
        m_input->pop_front();
        return 1;
    }
    int Write(const char*, int) override { return 1; }
    int Purge() override { return 1; }
    int Close() override { return m_open ? (m_open = 0, 1) : 0; }
    int LastError() const override { return 0; }

private:
    std::deque<unsigned char>* m_input;
    int m_open = 0;
};

std::deque<unsigned char> g_input;
std::vector<std::string> g_messages;

int on_receive(const GwString& data) {
    g_messages.push_back(data.str());
    return 1;
}

int on_error(const GwString&) {
    return 0;
}

// The ZEP100 kinds of entry, and a repository that gives their widths.
const char* const kMap = "[GeneralInformation]\n[StartMapping]\n"
                         "RCL=RW;RCL;WRCL;-;RCL;SIMPLE\n"
                         "DCI=RW;DCI;WDCI;=|INT;DCI;NORMAL\n"
                         "K3F=RW;K3F;WK3F;=|STR;K3F;NORMAL\n"
                         "L3O=RW;L3;WL3O;O|INT;L3O;NORMAL\n"
                         "L3L=RW;L3;WL3L;L|RNG;L;DPNDNT\n"
                         "L3U=RW;L3;WL3U;U|STR;U;DPNDNT\n"
                         "L3C=RW;L3;WL3C;C|INT;C;DPNDNT\n"
                         "CVI=RW;CVI;WCVI;CVI;CVI;STRING\n";

struct World {
    QObject frame_object;
    GwCore* frame = GwCore::of(&frame_object);
    CDriver driver{frame, on_error, on_receive, 0};
    CCmdMap map;
    EwRepository repo;

    World() {
        CDriver::SetPortFactory(
            [](const GwString&) { return std::make_unique<FuzzPort>(&g_input); });
        g_pcoDriver = &driver;
        driver.initialise("FUZZ", "9600,N,8,1");
        driver.set_timeout(0);
        map.InitializeText(kMap);
        EwDataSet* group = new EwDataSet("");
        const std::pair<const char*, int> params[] = {{"RCL", 2}, {"DCI", 4}, {"K3F", 6},
                                                      {"L3O", 2}, {"L3L", 5}, {"L3U", 2},
                                                      {"L3C", 1}, {"CVI", 48}};
        for (const auto& [name, length] : params) {
            EwType* p = new EwString(name, "STRING");
            group->add_item(p);
            group->set_length(name, GwString(length));
        }
        repo.add_item(group);
    }
};

World& world() {
    static int argc = 1;
    static char name[] = "fuzz_replies";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static World w;
    return w;
}

void cut_all(World& w, const GwString& message) {
    for (int i = 0; i < w.map.Count(); ++i) {
        GwString name = w.map.Name(i);
        GwString reply = message;
        const GwString value = w.map.ExtractValue(name, reply, &w.repo);
        w.map.Fits(name, reply);
        if (value.len() > reply.len() + 48)
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    World& w = world();
    const unsigned char pick = data[0];
    // Framing bytes: the usual STX/ETX, or two others.
    const unsigned char start = (pick & 0x10) ? 0x3C : CDriver::kSTX;
    const unsigned char stop = (pick & 0x20) ? 0x3E : CDriver::kETX;
    w.driver.SetStartRx(start);
    w.driver.SetStopRx(stop);
    g_input.assign(data + 1, data + size);
    g_messages.clear();
    if (!w.driver.PortOpen())
        w.driver.initialise("FUZZ", "9600,N,8,1");

    switch (pick & 0x03) {
    case 0: { // framed replies, as an upload reads them
        w.driver.set_mode(1);
        int guard = 0;
        while (!g_input.empty() && guard++ < 10000) {
            const GwString message = w.driver.ReadFramed();
            if (message.len() > CDriver::kMaxMessage)
                __builtin_trap();
            if (message.first(static_cast<char>(start)) >= 0 ||
                message.first(static_cast<char>(stop)) >= 0)
                __builtin_trap();
            cut_all(w, message);
        }
        break;
    }
    case 1: { // unframed, as an auto-baud probe reads
        w.driver.set_mode(1);
        const GwString answer = w.driver.Read();
        if (answer.len() > CDriver::kMaxMessage)
            __builtin_trap();
        break;
    }
    case 2: { // asynchronous polling
        w.driver.set_mode(0);
        w.driver.clear_buffer();
        w.driver.LookCom();
        for (const std::string& m : g_messages) {
            if (static_cast<int>(m.size()) > CDriver::kMaxMessage)
                __builtin_trap();
            cut_all(w, m);
        }
        break;
    }
    default: { // terminal: every byte once, in order
        w.driver.set_mode(3);
        const std::string sent(data + 1, data + size);
        w.driver.LookCom();
        std::string got;
        for (const std::string& m : g_messages)
            got += m.empty() ? std::string(1, '\0') : m;
        if (got != sent)
            __builtin_trap();
        break;
    }
    }
    return 0;
}
