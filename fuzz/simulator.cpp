// Fuzzes the simulated scanner with arbitrary received bytes. The first byte picks what else
// is fed: the bytes as they come off the wire, the same with fault modes on, or a memory file.
// Whatever comes in, the scanner must not crash and every reply must stay one frame: STX, at
// most 256 characters without STX or ETX, ETX.
#include "CSimScanner.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void check_framed(const std::string& bytes, bool longAllowed) {
    if (bytes.empty())
        return;
    if (bytes.size() < 2 || bytes.front() != '\x02' || bytes.back() != '\x03')
        __builtin_trap();
    const std::string text = bytes.substr(1, bytes.size() - 2);
    if (text.find_first_of("\x02\x03") != std::string::npos)
        __builtin_trap();
    // The longest reply echoes a 255-character unknown query after "?".
    if (!longAllowed && text.size() > 256)
        __builtin_trap();
}

// The memory text reads back to the same permanent memory.
void check_round_trip(const CSimScanner& scanner, const std::string& text) {
    CSimScanner copy;
    copy.LoadMemoryText(text);
    for (const GwString& key : CSimScanner::Keys()) {
        if (copy.StoredValue(key) != scanner.StoredValue(key))
            __builtin_trap();
    }
}

// A new scanner, kept for all runs, on which every key holds its factory value. The checks that
// give the same result in every run (each factory value is one a write takes, the factory
// memory survives its round trip) are made once, here.
struct Factory {
    CSimScanner probe;
    std::string text = probe.MemoryText();

    Factory() {
        for (const GwString& key : CSimScanner::Keys()) {
            if (!probe.SetValue(key, CSimScanner::FactoryValue(key)))
                __builtin_trap();
        }
        check_round_trip(probe, text);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Factory factory;
    if (size < 1)
        return 0;
    const int mode = data[0] % 3;
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);

    CSimOptions options;
    if (mode == 1) {
        options.m_iGarbleEvery = 2;
        options.m_iLongEvery = 3;
        options.m_iLoseEvery = 5;
        options.m_iGarbleValueEvery = 4;
    }
    CSimScanner scanner(options);
    if (mode == 2) {
        scanner.LoadMemoryText(input);
        scanner.PowerCycle();
        // Whatever the file held, every value in memory is one a write would take on a new
        // scanner. The factory's scanner is that new scanner for every key: a value that
        // differs is written to it and the key set back to its factory value (a scanner built
        // per key would cost nearly all the time).
        for (const GwString& key : CSimScanner::Keys()) {
            const GwString value = scanner.Value(key);
            const GwString factoryValue = CSimScanner::FactoryValue(key);
            if (value != factoryValue &&
                (!factory.probe.SetValue(key, value) || !factory.probe.SetValue(key, factoryValue)))
                __builtin_trap();
        }
        return 0;
    }
    for (unsigned char byte : input) {
        CSimScanner::Output out;
        if (scanner.Receive(byte, out))
            check_framed(out.sBytes, mode == 1);
    }
    // Its memory text reads back to the same memory (the factory memory's was checked once).
    const std::string text = scanner.MemoryText();
    if (text != factory.text)
        check_round_trip(scanner, text);
    return 0;
}
