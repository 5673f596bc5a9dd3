// Fuzzes scanner replies through the serial driver's framing and the command map's cut: the
// input is what arrives on the line. The first byte picks the reception (framed synchronous
// reads, unframed reads, asynchronous polling, terminal mode) and the receive framing bytes;
// the rest arrives as it is. What must hold: no message is longer than the port's input
// queue, no framed message holds a framing byte, terminal mode hands on every byte, cutting
// any message for any kind of ZEP100 entry reads nothing outside it, and a value an upload
// takes over from a message is one its parameter accepts and that the message carried: the
// map's cut of it, printable, ending where the message ends.
#include "CCmdMap.h"
#include "CDriver.h"
#include "CScanRepoIf.h"
#include "GwCore.h"
#include "ScriptedPort.h"
#include "Zep100.h"

#include <QCoreApplication>
#include <QObject>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_messages;

// One ZEP100 entry of each kind (SIMPLE; NORMAL INT and STR; DPNDNT RNG, STR and INT; STRING):
// cutting with all 141 would make each run slow.
const char* const kCut[] = {"RCL", "DCI", "K3F", "L3O", "L3L", "L3U", "L3C", "CVI"};

// The entries of kCut as the ZEP100 command map has them: looking each cut up in the whole map
// would cost most of a run.
std::string cut_entries() {
    CCmdMap full;
    full.InitializeFile(GwString(ZEP_PROGRAM_DIR) + "/ZEP100/cmd.map");
    std::string text = "[GeneralInformation]\n[StartMapping]\n";
    for (const char* entry : kCut) {
        for (int i = 0; i < full.Count(); ++i) {
            if (full.Name(i) != entry)
                continue;
            text += std::string(entry) + "=";
            for (int f = 1; f <= CCmdMap::kFields; ++f)
                text += full.Field(i, f).str() + (f < CCmdMap::kFields ? ";" : "\n");
        }
    }
    return text;
}

struct World {
    QObject frame_object;
    CDriver driver{GwCore::of(&frame_object), [](const GwString&) { return 0; },
                   [](const GwString& data) { return g_messages.push_back(data.str()), 1; }, 0};
    std::shared_ptr<ScriptedPort::Line> line = std::make_shared<ScriptedPort::Line>();
    std::unique_ptr<CScanRepoIf> transfer;
    CCmdMap* map = nullptr;

    World() {
        ScriptedPort::Install(line);
        g_pcoDriver = &driver;
        driver.set_timeout(0);
        transfer = std::make_unique<CScanRepoIf>(nullptr);
        map = transfer->CmdMap();
        map->InitializeText(cut_entries());
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
    EwRepository* repo = zep100_repository();
    for (const char* entry : kCut) {
        GwString name = entry;
        GwString reply = message;
        GwString cut = w.map->ExtractValue(name, reply, repo);
        w.map->Fits(name, reply);
        if (cut.len() > reply.len() + 48) // 48: the widest of them
            __builtin_trap();
        GwString value;
        if (!w.transfer->TakeReply(repo, name, reply, value))
            continue;
        if (w.map->IsString(name))
            cut = cut(1, cut.len() - 2); // stored without its quotes
        // Nothing left over: the message ends with the value's last character (before the
        // "_" fill of a rule field; a quoted text with its quote).
        GwString carried = w.map->IsString(name) ? GwString("\"") : value;
        GwString tail = reply;
        for (GwString* text : {&carried, &tail}) {
            while (text->len() > 1 && (*text)[text->len() - 1] == '_')
                *text = (*text)(0, text->len() - 2);
        }
        if (value != cut || !repo->set_value(name, value, 1) || repo->value(name, 1) != value ||
            tail[tail.len() - 1] != carried[carried.len() - 1])
            __builtin_trap();
        for (int i = 0; i < value.len(); ++i) {
            if (value[i] < 0x20 || value[i] > 0x7E)
                __builtin_trap();
        }
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
    if (!w.driver.PortOpen())
        w.driver.initialise("FUZZ", "9600,N,8,1");
    static const unsigned char kModes[] = {1, 1, 0, 3};
    w.driver.set_mode(kModes[pick & 0x03]); // purges the port: the input comes after it
    w.driver.clear_buffer();
    w.line->input.assign(data + 1, data + size);
    g_messages.clear();

    switch (pick & 0x03) {
    case 0: // framed replies, as an upload reads them
        for (int guard = 0; !w.line->input.empty() && guard < 10000; ++guard) {
            const GwString message = w.driver.ReadFramed();
            if (message.len() > CDriver::kMaxMessage ||
                message.first(static_cast<char>(start)) >= 0 ||
                message.first(static_cast<char>(stop)) >= 0)
                __builtin_trap();
            cut_all(w, message);
        }
        break;
    case 1: // unframed, as an auto-baud probe reads
        if (w.driver.Read().len() > CDriver::kMaxMessage)
            __builtin_trap();
        break;
    case 2: // asynchronous polling
        w.driver.LookCom();
        for (const std::string& m : g_messages) {
            if (static_cast<int>(m.size()) > CDriver::kMaxMessage)
                __builtin_trap();
            cut_all(w, m);
        }
        break;
    default: { // terminal: every byte once, in order
        w.driver.LookCom();
        std::string got;
        for (const std::string& m : g_messages)
            got += m.empty() ? std::string(1, '\0') : m;
        if (got != std::string(data + 1, data + size))
            __builtin_trap();
        break;
    }
    }
    return 0;
}
