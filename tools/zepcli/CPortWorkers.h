// Serving several scanners at once. The library has one serial driver per process, so zepcli
// starts itself once per port (a worker: the same command line with that one port and
// --worker); the workers run in parallel and a port that fails does not stop the others.
//
// A worker prints its result as one JSON line on its standard output and its messages on its
// standard error output; the parent passes the messages on with the port in front and prints
// one line per port, in the order the ports were given:
//   /dev/pts/3: ok: The parameters were sent to the scanner and read back: ...
//   /dev/pts/4: FAILED: error ClearCommError: 6
// or, with --json, one array of the workers' objects, each with its "port".
#pragma once

#include <QString>

#include <string>
#include <vector>

class CPortWorkers {
public:
    // Runs program with WorkerArgs(args, port) for each port. 0 when every worker ended with
    // status 0, else 1.
    static int Run(const QString& program, const std::vector<std::string>& args,
                   const std::vector<std::string>& ports, bool json);

    // The line of one port from its worker's exit status and output.
    //   ("SIM", 0, "{\"summary\":\"RV-4400 V2.13\"}") -> "SIM: ok: RV-4400 V2.13"
    // A worker that ended without its JSON line (it crashed) is failed with its exit status.
    static std::string PortLine(const std::string& port, int status, const std::string& out);
};
