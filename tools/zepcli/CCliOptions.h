// The command line of zepcli: one command, its operands and the options, which may stand
// anywhere after the program name.
//
//   zepcli download --port /dev/ttyUSB0 line4.slp --store --verify
//     -> command kDownload, operands {line4.slp}, ports {/dev/ttyUSB0}, store, verify
//   zepcli info --port SIM,/dev/pts/3 --json
//     -> command kInfo, ports {SIM, /dev/pts/3}, json
//
// Parse checks what can be checked without a scanner or a file: a known command, the number of
// operands, options that fit the command, values that fit their option. Anything else is a
// usage error (exit status 2).
#pragma once

#include <string>
#include <vector>

class CCliOptions {
public:
    enum Command { kNone, kDetect, kInfo, kUpload, kDownload, kDiff, kReport };

    Command m_eCommand = kNone;
    std::vector<std::string> m_oOperands;
    std::vector<std::string> m_oPorts; // in the order given, lists split at ","
    std::string m_sLine;               // --line B,P,D,S; empty: the settings'
    int m_iLanguage = 0;               // 1, 49, 33; 0: the settings'
    std::string m_sSettings;
    std::string m_sType;
    std::string m_sPdf;
    std::string m_sRtf;
    bool m_bJson = false;
    bool m_bSave = false;
    bool m_bStore = false;
    bool m_bVerify = false;
    bool m_bWorker = false; // serves one port for a parent zepcli (not for people)
    bool m_bHelp = false;
    bool m_bVersion = false;

    // The options of args (without the program name). 1 when they are usable; 0 with error
    // set to what is wrong.
    int Parse(const std::vector<std::string>& args, std::string& error);

    // args with every port option left out and "--port port --worker" appended: the command
    // line of the worker that serves that port.
    static std::vector<std::string> WorkerArgs(const std::vector<std::string>& args,
                                               const std::string& port);

    // 1 when the command talks to a scanner (detect, info, upload, download; diff with a side
    // "scanner").
    int UsesScanner() const;

    static const char* Usage();
};
