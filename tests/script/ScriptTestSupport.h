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
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using Repo = std::unique_ptr<EwRepository>;

// Table rows of the script tests carry a name: GoogleTest prints a row by it and ctest names the
// test after it. (In the unnamed namespace of each test file, where its rows live.)
namespace {
template <typename Row>
auto operator<<(std::ostream& os, const Row& row) -> decltype(os << row.name) {
    return os << row.name;
}
struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};
// The three interface languages as test parameters.
struct LanguageName {
    std::string operator()(const testing::TestParamInfo<int>& info) const {
        return info.param == 1 ? "English" : info.param == 49 ? "German" : "French";
    }
};
} // namespace

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

// A scanner data directory of its own for a test: a copy of the ZEP100 files in a temporary
// directory, made the current scanner directory. Tests remove or replace files in it.
class ScannerDir {
public:
    ScannerDir() {
        for (const char* name :
             {"Profile.zep", "3PRF1", "scl_000.tpl", "prt_001.tpl", "prt_049.tpl", "prt_033.tpl",
              "rtf_001.tpl", "rtf_049.tpl", "rtf_033.tpl"}) {
            const std::string from = std::string(ZEP_PROGRAM_DIR) + "/ZEP100/" + name;
            std::error_code ec;
            std::filesystem::copy_file(from, m_tmp.file(name), ec);
        }
        CInitMgr::m_sScannerSubDir = GwString(m_tmp.dir());
    }
    const TempDir& tmp() const { return m_tmp; }
    std::string dir() const { return m_tmp.dir(); }
    std::string file(const std::string& name) const { return m_tmp.file(name); }
    void remove(const std::string& name) const {
        std::error_code ec;
        std::filesystem::remove(m_tmp.file(name), ec);
    }
    void write(const std::string& name, const std::string& text) const { m_tmp.write(name, text); }

private:
    SettingsGuard m_settings;
    TempDir m_tmp;
};

// Gives every parameter a valid value other than its current one: enumerations their last
// other value, integers a bound, hex texts "4142", texts a sample of their length. Returns the
// names it could not change.
inline std::vector<GwString> change_every_value(EwRepository& repo) {
    std::vector<GwString> unchanged;
    for (const GwString& name : all_parameter_names(repo)) {
        const GwString type = repo.type(name);
        const GwString before = repo.value(name, 1);
        if (type == "ENUMERATEDINT" || type == "ENUMERATEDCHAR" || type == "BOOLEAN") {
            const DynGwStringPtrArray* values = repo.range(name, 0);
            const GwString current = repo.value(name, 0);
            for (int i = values != nullptr ? values->count() - 1 : -1; i >= 0; --i) {
                if (*values->get(i) != current) {
                    repo.set_value(name, *values->get(i), 0);
                    break;
                }
            }
        } else if (type == "INT") {
            const GwString bounds = repo.bounds(name);
            GwString high = bounds.GetToken(1, ',');
            if (high.to_long() == repo.value(name, 0).to_long())
                high = bounds.GetToken(0, ',');
            repo.set_value(name, high, 0);
        } else if (type == "HEXCHAR") {
            repo.set_value(name, "4142", 1);
        } else if (type == "NULSTRING") {
            repo.set_value(name, "1E00", 1);
        } else {
            const int length = repo.length(name).to_int();
            repo.set_value(name,
                           length == 1   ? GwString(";")
                           : length == 5 ? GwString("05-12")
                                         : GwString("AB 12?"),
                           1);
        }
        if (repo.value(name, 1) == before)
            unchanged.push_back(name);
    }
    return unchanged;
}
