// Comparing two parameter sets of one scanner type. The repository holds the first set as its
// values and the second as its comparison values (prf_value); a parameter differs when the two
// coded values differ, and each difference is shown with both values as the user reads them
// (the plain form: enumerations as texts of the interface language, numbers without padding).
//
// The main window compares the parameter set it shows with the factory defaults or with a
// script file (CompareWithDefaults, CompareWithScript); the command-line tool loads both sides
// itself (a script, the defaults or an upload) and lists them with Differences.
//
//   values H0B 5 (9600 bit/s), comparison values H0B 6 (19200 bit/s), all else equal:
//     Differences -> { "H0B", "9600 bit/s", "19200 bit/s" }
#pragma once

#include "GwString.h"

#include <vector>

class CFileRepoIf;
class EwRepository;

class CParamCompare {
public:
    struct Difference {
        GwString m_sName;  // the parameter's full name ("H0B")
        GwString m_sValue; // its value, plain form
        GwString m_sOther; // its comparison value, plain form
    };

    // Every parameter (groups and parameters in repository order) whose value(1) and
    // prf_value(1) differ.
    static std::vector<Difference> Differences(const EwRepository& repository);

    // Loads the type's factory defaults (CInitMgr::scanner_sub_dir() + "3PRF1") into the
    // comparison values of files' repository and lists the differences. 1 when loaded; 0 when
    // the file cannot be read (error 5 + its path is shown; out is empty). The values and the
    // changed mark are not touched.
    static int CompareWithDefaults(CFileRepoIf& files, std::vector<Difference>& out);
    // The same with a script file (its factory defaults first, then its lines, all into the
    // comparison values, as CFileRepoIf::scriptfile_to_repository loads with form 1). 0 when
    // the script is not loaded (that operation's messages); 1 otherwise.
    static int CompareWithScript(CFileRepoIf& files, const GwString& file,
                                 std::vector<Difference>& out);

    // The differences as a table of three columns, one line each, headed by the titles and
    // padded with blanks so the columns line up:
    //   Parameter  Scanner      line4.slp
    //   H0B        9600 bit/s   19200 bit/s
    static GwString Table(const std::vector<Difference>& differences, const GwString& name_title,
                          const GwString& value_title, const GwString& other_title);
};
