// The commands of zepcli, each run on a started session. A command gives its exit status, the
// text a person reads on the standard output and the same as a JSON object; the messages it
// met are on the standard error output already (and in the JSON object's "messages").
//
// A command fails (status 1) when its work failed or the library showed an error on the way
// (a refused value, a scanner that did not answer); diff fails when the sets differ.
#pragma once

#include "CCliOptions.h"
#include "GwString.h"

#include <QJsonObject>

#include <string>

class CCliSession;

struct CCliResult {
    int m_iStatus = 1;
    std::string m_sText; // its first line is the one-line summary of a port
    QJsonObject m_oJson;
};

class CCliCommands {
public:
    CCliCommands(CCliSession& session, const CCliOptions& options);
    CCliResult Run();

    // A port as part of a file name: "/dev/ttyUSB0" -> "ttyUSB0", "/dev/pts/7" -> "pts-7",
    // "COM3" -> "COM3" (what upload puts in place of "%p").
    static std::string PortFileName(const std::string& port);

private:
    CCliResult Detect();
    CCliResult Info();
    CCliResult Upload();
    CCliResult Download();
    CCliResult Diff();
    CCliResult Report();

    // The type that each side of diff or report names ("defaults" names none), checked to be
    // one type; empty after a message or a usage problem.
    GwString TypeOfSides(int sides);
    // Loads one side of diff into the values (form 0) or the comparison values (form 1).
    int LoadSide(const std::string& side, int form);
    // The column title of a side: the file's name, or the texts "Factory defaults", "Scanner".
    static GwString SideTitle(const std::string& side);
    // Ends a result: status 1 when failed or an error was reported; the messages into JSON.
    CCliResult Finish(CCliResult result, bool failed);

    CCliSession& m_rSession;
    const CCliOptions& m_rOptions;
    bool m_bUsageError = false; // "defaults" names no type and nothing else does
};
