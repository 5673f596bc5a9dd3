// Helpers of the script tests: the ZEP100 repository as the build's program directory holds it,
// a small repository from a profile text, and the settings a script or report run reads
// (scanner directory, selected scanner, version, company, user), restored after each test.
#pragma once

#include "CInitMgr.h"
#include "CParser.h"
#include "CScanRepoBuilder.h"
#include "DynGwStringPtrArray.h"
#include "EwRepository.h"
#include "ProfileText.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

using Repo = std::unique_ptr<EwRepository>;

// The data directory of ZEP100 in the program directory, written the way the settings hold a
// scanner directory (Windows separator at the end).
inline GwString zep100_dir() {
    return GwString(ZEP_PROGRAM_DIR) + "/ZEP100\\";
}

inline Repo zep100_repo() {
    CScanRepoBuilder builder;
    return Repo(builder.build_repo(zep100_dir() + "Profile.zep"));
}

inline Repo repo_from(const std::string& profile) {
    CScanRepoBuilder builder;
    return Repo(builder.build_repo_from_profile(profile_from(profile)));
}

// Every parameter name of a repository, in group order.
inline std::vector<GwString> all_parameter_names(const EwRepository& repo) {
    std::vector<GwString> out;
    std::unique_ptr<DynGwStringPtrArray> groups(repo.list_of_names());
    for (int g = 0; g < groups->count(); ++g) {
        std::unique_ptr<DynGwStringPtrArray> names(repo.list_of_param_names(*groups->get(g)));
        for (int i = 0; names && i < names->count(); ++i)
            out.push_back(*names->get(i));
    }
    return out;
}

// Exposes the parser's protected line splitter.
class ParserProbe : public CParser {
public:
    using CParser::get_array_of_values;

    // The pairs found in a data line of group, as "name=value".
    std::vector<std::string> split(EwRepository* repo, const GwString& group,
                                   const GwString& line) {
        select_group(repo, group);
        DynGwStringPtrArray names(10, 10);
        DynGwStringPtrArray values(10, 10);
        get_array_of_values(repo, group, line, &names, &values);
        std::vector<std::string> out;
        for (int i = 0; i < names.count(); ++i)
            out.push_back(names.get(i)->str() + "=" + values.get(i)->str());
        if (names.count() != values.count())
            out.push_back("<unpaired>");
        return out;
    }
};

// Sets the settings a run reads and puts the previous ones back when the test ends.
class SettingsGuard {
public:
    SettingsGuard()
        : m_dir(CInitMgr::m_sScannerSubDir), m_scanner(CInitMgr::m_sScannerType),
          m_version(CInitMgr::m_sZEPVersionNbr), m_company(CInitMgr::m_sCompany),
          m_user(CInitMgr::m_sUser), m_files(CInitMgr::_Files[0]) {
        CInitMgr::m_sScannerSubDir = zep100_dir();
        CInitMgr::m_sScannerType = "RV-4400";
        CInitMgr::m_sZEPVersionNbr = "2.0.1";
        CInitMgr::m_sCompany = "";
        CInitMgr::m_sUser = "";
    }
    ~SettingsGuard() {
        CInitMgr::m_sScannerSubDir = m_dir;
        CInitMgr::m_sScannerType = m_scanner;
        CInitMgr::m_sZEPVersionNbr = m_version;
        CInitMgr::m_sCompany = m_company;
        CInitMgr::m_sUser = m_user;
        CInitMgr::_Files[0] = m_files;
    }
    SettingsGuard(const SettingsGuard&) = delete;
    SettingsGuard& operator=(const SettingsGuard&) = delete;

private:
    GwString m_dir, m_scanner, m_version, m_company, m_user, m_files;
};
