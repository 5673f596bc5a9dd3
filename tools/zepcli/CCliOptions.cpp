#include "CCliOptions.h"

#include <cstring>

namespace {

struct CommandName {
    const char* name;
    CCliOptions::Command command;
    size_t operands;
};
const CommandName kCommands[] = {
    {"detect", CCliOptions::kDetect, 0}, {"info", CCliOptions::kInfo, 0},
    {"upload", CCliOptions::kUpload, 1}, {"download", CCliOptions::kDownload, 1},
    {"diff", CCliOptions::kDiff, 2},     {"report", CCliOptions::kReport, 1}};

// Options that take a value; "--port=X" is the same as "--port X".
const char* const kValueOptions[] = {"--port", "--line", "--lang", "--settings",
                                     "--type", "--pdf",  "--rtf"};

bool takes_value(const std::string& option) {
    for (const char* o : kValueOptions) {
        if (option == o)
            return true;
    }
    return false;
}

void split_ports(const std::string& list, std::vector<std::string>& ports) {
    size_t from = 0;
    while (from <= list.size()) {
        const size_t comma = list.find(',', from);
        const std::string port =
            list.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
        if (!port.empty())
            ports.push_back(port);
        if (comma == std::string::npos)
            break;
        from = comma + 1;
    }
}

} // namespace

int CCliOptions::Parse(const std::vector<std::string>& args, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        const size_t eq = arg.find('=');
        if (arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            if (!takes_value(arg)) {
                error = arg + " takes no value";
                return 0;
            }
        } else if (takes_value(arg)) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return 0;
            }
            value = args[++i];
        }

        if (arg == "--port") {
            split_ports(value, m_oPorts);
            if (value.empty()) {
                error = "--port needs a port name";
                return 0;
            }
        } else if (arg == "--line") {
            m_sLine = value;
        } else if (arg == "--lang") {
            if (value != "1" && value != "49" && value != "33") {
                error = "--lang takes 1, 49 or 33";
                return 0;
            }
            m_iLanguage = std::stoi(value);
        } else if (arg == "--settings") {
            m_sSettings = value;
        } else if (arg == "--type") {
            m_sType = value;
        } else if (arg == "--pdf") {
            m_sPdf = value;
        } else if (arg == "--rtf") {
            m_sRtf = value;
        } else if (arg == "--json") {
            m_bJson = true;
        } else if (arg == "--save") {
            m_bSave = true;
        } else if (arg == "--store") {
            m_bStore = true;
        } else if (arg == "--verify") {
            m_bVerify = true;
        } else if (arg == "--worker") {
            m_bWorker = true;
        } else if (arg == "-h" || arg == "--help") {
            m_bHelp = true;
        } else if (arg == "--version") {
            m_bVersion = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return 0;
        } else if (m_eCommand == kNone) {
            for (const CommandName& c : kCommands) {
                if (arg == c.name)
                    m_eCommand = c.command;
            }
            if (m_eCommand == kNone) {
                error = "unknown command " + arg;
                return 0;
            }
        } else {
            m_oOperands.push_back(arg);
        }
    }
    if (m_bHelp || m_bVersion)
        return 1;
    if (m_eCommand == kNone) {
        error = "no command given";
        return 0;
    }
    const char* name = "";
    size_t operands = 0;
    for (const CommandName& c : kCommands) {
        if (c.command == m_eCommand) {
            name = c.name;
            operands = c.operands;
        }
    }
    if (m_oOperands.size() != operands) {
        error = std::string(name) + " takes " + std::to_string(operands) + " operand" +
                (operands == 1 ? "" : "s");
        return 0;
    }
    const std::pair<bool, Command> fits[] = {{m_bSave, kDetect},
                                             {m_bStore, kDownload},
                                             {m_bVerify, kDownload},
                                             {!m_sPdf.empty(), kReport},
                                             {!m_sRtf.empty(), kReport}};
    const char* const names[] = {"--save", "--store", "--verify", "--pdf", "--rtf"};
    for (size_t k = 0; k < sizeof names / sizeof names[0]; ++k) {
        if (fits[k].first && m_eCommand != fits[k].second) {
            error = std::string(names[k]) + " does not go with " + name;
            return 0;
        }
    }
    if (m_eCommand == kReport && m_sPdf.empty() && m_sRtf.empty()) {
        error = "report needs --pdf FILE or --rtf FILE";
        return 0;
    }
    if (m_eCommand == kDiff && m_oOperands[0] == "scanner" && m_oOperands[1] == "scanner") {
        error = "diff compares the scanner with a file or the defaults, not with itself";
        return 0;
    }
    if (m_oPorts.size() > 1 && m_bSave) {
        error = "--save keeps the settings of one port";
        return 0;
    }
    if (m_oPorts.size() > 1 && m_eCommand == kUpload &&
        m_oOperands[0].find("%p") == std::string::npos) {
        error = "upload from several ports needs %p in the file name (it becomes the port)";
        return 0;
    }
    if (m_bWorker && m_oPorts.size() != 1) {
        error = "--worker serves exactly one port";
        return 0;
    }
    return 1;
}

std::vector<std::string> CCliOptions::WorkerArgs(const std::vector<std::string>& args,
                                                 const std::string& port) {
    std::vector<std::string> out;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--port") {
            ++i; // and its value
            continue;
        }
        if (args[i].rfind("--port=", 0) == 0)
            continue;
        out.push_back(args[i]);
    }
    out.insert(out.end(), {"--port", port, "--worker"});
    return out;
}

int CCliOptions::UsesScanner() const {
    switch (m_eCommand) {
    case kDetect:
    case kInfo:
    case kUpload:
    case kDownload:
        return 1;
    case kDiff:
        return m_oOperands[0] == "scanner" || m_oOperands[1] == "scanner" ? 1 : 0;
    default:
        return 0;
    }
}

const char* CCliOptions::Usage() {
    return "usage: zepcli COMMAND [OPERANDS] [OPTIONS]\n"
           "The work of zepmain without windows: the same settings, files and messages.\n"
           "\n"
           "Commands:\n"
           "  detect [--save]             find the scanner's line settings (the stored ones\n"
           "                              first, then the 84 of automatic baud detection);\n"
           "                              --save keeps port and line settings in the settings\n"
           "  info                        connect; print model, software version, scanner type\n"
           "  upload OUT.slp              read every parameter and save them as a script file\n"
           "  download IN.slp [--store] [--verify]\n"
           "                              load a script (factory defaults under it) and send it;\n"
           "                              --verify reads every value back and fails on any\n"
           "                              difference; --store has the scanner keep the set\n"
           "                              (after a successful verify, when both are given)\n"
           "  diff A B                    list the parameters that differ; A and B are each a\n"
           "                              script file, \"defaults\" or \"scanner\"\n"
           "  report IN.slp|defaults [--pdf OUT.pdf] [--rtf OUT.rtf]\n"
           "                              the parameter report as a PDF and/or RTF file\n"
           "\n"
           "Options:\n"
           "  --port P        the port (COM1, /dev/ttyUSB0, SIM, ...); repeat it or give a list\n"
           "                  P1,P2 to serve several scanners at once, one result line each\n"
           "  --line B,P,D,S  line settings for this run (9600,N,8,1) instead of the settings'\n"
           "  --lang 1|49|33  language of the texts (English, German, French)\n"
           "  --settings FILE use this settings file instead of zepmain.ini\n"
           "  --type NAME     scanner type of \"defaults\" when nothing else names one (ZEP100)\n"
           "  --json          machine-readable output\n"
           "  --version, -h, --help\n"
           "\n"
           "Exit status: 0 done, 1 the work failed (or diff found differences), 2 usage error.\n";
}
