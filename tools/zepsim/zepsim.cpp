// zepsim: a simulated RV-4400 scanner on a pseudo-terminal, for trying the program and its
// tests on the real serial stack without hardware. Prints the device path to open on its first
// output line and serves until it is killed (or, by option, until the scanner vanishes).
#include "CPtyServer.h"
#include "CSimOptions.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const kUsage =
    "usage: zepsim [options]\n"
    "Serves a simulated RV-4400 scanner on a pseudo-terminal and prints its device path\n"
    "(for example /dev/pts/7) on the first line of standard output.\n"
    "\n"
    "  --line B,P,D,S         the scanner's line settings (9600,N,8,1); on a pseudo-terminal\n"
    "                         only baud rate and stop bits decide whether it understands\n"
    "  --model NAME           model name reported by W0 (RV-4400; RV-4400L or any other)\n"
    "  --version TEXT         software version reported by W0 (V2.13)\n"
    "  --delay MS             answer delay (10)\n"
    "  --no-wire              no wire time per character\n"
    "  --lose N               every Nth reply is lost\n"
    "  --garble N             every Nth reply arrives garbled\n"
    "  --garble-value N       every Nth reply arrives with one byte of its value changed\n"
    "  --slow N               every Nth reply comes late by --slow-delay MS (4000)\n"
    "  --nostop N             every Nth reply comes without its stop byte\n"
    "  --long N               every Nth reply is longer than the 4096-byte input queue\n"
    "  --flood N              every Nth reply is 30000 characters without a stop byte\n"
    "  --vanish-commands N    vanish (close the port and exit) after N commands\n"
    "  --vanish-bytes N       vanish after receiving N bytes\n"
    "  --garbage              at wrong line settings send garbage instead of silence\n"
    "  --refuse KEY           refuse every write that would change the parameter KEY (DCI)\n"
    "  --store MS             how long M2 keeps the scanner busy (300)\n"
    "  --memory FILE          keep the permanent memory in FILE (read at start, written by M2)\n"
    "  --options TEXT         the same options in the ZEP_SIM form, e.g. \"lose=3;delay=0\"\n";

// Command-line flags that take a value, and the option key each sets.
struct Flag {
    const char* flag;
    const char* key;
};
const Flag kFlags[] = {{"--line", "line"},
                       {"--model", "model"},
                       {"--version", "version"},
                       {"--delay", "delay"},
                       {"--wire", "wire"},
                       {"--lose", "lose"},
                       {"--garble", "garble"},
                       {"--garble-value", "garble-value"},
                       {"--slow", "slow"},
                       {"--slow-delay", "slowdelay"},
                       {"--nostop", "nostop"},
                       {"--long", "long"},
                       {"--flood", "flood"},
                       {"--vanish-commands", "vanish-commands"},
                       {"--vanish-bytes", "vanish-bytes"},
                       {"--refuse", "refuse"},
                       {"--store", "store"},
                       {"--memory", "memory"}};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    CSimOptions options;
    GwString error;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        int ok = 1;
        if (arg == "--no-wire") {
            ok = options.Set("wire", "off", error);
        } else if (arg == "--garbage") {
            ok = options.Set("garbage", "on", error);
        } else {
            const char* key = nullptr;
            for (const Flag& f : kFlags) {
                if (arg == f.flag)
                    key = f.key;
            }
            if (!key && arg != "--options") {
                std::fprintf(stderr, "zepsim: unknown option %s\n%s", arg.c_str(), kUsage);
                return 2;
            }
            if (i + 1 >= argc) {
                std::fprintf(stderr, "zepsim: %s needs a value\n", arg.c_str());
                return 2;
            }
            const char* value = argv[++i];
            ok = key ? options.Set(key, value, error) : options.Parse(value, error);
        }
        if (!ok) {
            std::fprintf(stderr, "zepsim: %s\n", error.cc());
            return 2;
        }
    }

    CPtyServer server(options);
    if (!server.Start(error)) {
        std::fprintf(stderr, "zepsim: %s\n", error.cc());
        return 1;
    }
    std::printf("%s\n", server.SlavePath().cc());
    std::fflush(stdout);
    const CSimScanner& device = server.Device();
    std::fprintf(stderr, "zepsim: %s %s at %s on %s\n", device.Options().m_sModel.cc(),
                 device.Options().m_sVersion.cc(), device.Line().Text().cc(),
                 server.SlavePath().cc());
    return app.exec();
}
