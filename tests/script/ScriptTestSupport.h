// Helpers of the script tests: the ZEP100 repository as the build's program directory holds it,
// a small repository from a profile text, the settings a script or report run reads (restored
// after each test), a scanner directory of the test's own, and the texts of shown messages.
#pragma once

#include "CErrorHandler.h"
#include "CInitMgr.h"
#include "CParser.h"
#include "CScanRepoBuilder.h"
#include "DynGwStringPtrArray.h"
#include "EwRepository.h"
#include "GwScriptedAnswers.h"
#include "GwStringPrint.h"
#include "ProfileText.h"
#include "TempDir.h"
#include "Zep100Repo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using Repo = std::unique_ptr<EwRepository>;

// The data directory of ZEP100 in the program directory, written the way the settings hold a
// scanner directory (Windows separator at the end).
#define ZEP100_DIR ZEP_PROGRAM_DIR "/ZEP100\\"

inline Repo repo_from(const std::string& profile) {
    return Repo(CScanRepoBuilder().build_repo_from_profile(profile_from(profile)));
}

// The message texts of CErrorHandler, and the text of the last thing of a kind shown.
inline std::string err(int n, int line_feed = 0) {
    return CErrorHandler::error_msg(n, line_feed).str();
}
inline std::string warn(int n, int line_feed = 0) {
    return CErrorHandler::warning(n, line_feed).str();
}
inline std::string last_text(GwScriptedAnswers::Kind kind = GwScriptedAnswers::Box) {
    const GwScriptedAnswers::Shown* shown = GwScriptedAnswers::last(kind);
    return shown != nullptr ? shown->text.str() : "<nothing shown>";
}
// The last message box as "title|text": the title tells show_error from show_data.
inline std::string last_box() {
    const GwScriptedAnswers::Shown* box = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    return box != nullptr ? box->title.str() + "|" + box->text.str() : "<nothing shown>";
}

// The last file selector as "title|filter|start|save".
inline std::string last_file_request() {
    const GwScriptedAnswers::Shown* f = GwScriptedAnswers::last(GwScriptedAnswers::File);
    return f == nullptr ? "<nothing shown>"
                        : f->title.str() + "|" + f->filter.str() + "|" + f->start.str() + "|" +
                              std::to_string(f->save);
}

// Exposes the parser's protected line splitter.
class ParserProbe : public CParser {
public:
    // The pairs found in a data line of group, as "name=value".
    std::vector<std::string> split(EwRepository* repo, const GwString& group,
                                   const GwString& line) {
        select_group(repo, group);
        DynGwStringPtrArray names(10, 10);
        DynGwStringPtrArray values(10, 10);
        get_array_of_values(repo, group, line, &names, &values);
        std::vector<std::string> out;
        for (int i = 0; i < names.count(); ++i) // paired: the dataline fuzz target's invariant
            out.push_back(names.get(i)->str() + "=" + values.get(i)->str());
        return out;
    }
};

// Sets the settings a run reads and puts the previous ones back when the test ends.
class SettingsGuard {
public:
    SettingsGuard() {
        for (GwString* setting : settings())
            m_saved.push_back(*setting);
        CInitMgr::m_sScannerSubDir = ZEP100_DIR;
        CInitMgr::m_sScannerType = "RV-4400";
        CInitMgr::m_sZEPVersionNbr = "2.0.1";
        CInitMgr::m_sCompany = CInitMgr::m_sUser = "";
    }
    ~SettingsGuard() {
        for (size_t i = 0; i < m_saved.size(); ++i)
            *settings()[i] = m_saved[i];
    }

private:
    static std::vector<GwString*> settings() {
        return {&CInitMgr::m_sScannerSubDir, &CInitMgr::m_sScannerType, &CInitMgr::m_sZEPVersionNbr,
                &CInitMgr::m_sCompany,       &CInitMgr::m_sUser,        &CInitMgr::_Files[0]};
    }
    std::vector<GwString> m_saved;
};

// A copy of the ZEP100 files in a temporary directory, made the current scanner directory, so
// that a test may remove or replace them.
class ScannerDir : public TempDir {
public:
    ScannerDir() {
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(ZEP_PROGRAM_DIR) + "/ZEP100"))
            std::filesystem::copy_file(entry.path(), file(entry.path().filename().string()));
        CInitMgr::m_sScannerSubDir = GwString(dir());
    }
    void remove(const std::string& name) const { std::filesystem::remove(file(name)); }

private:
    SettingsGuard m_settings;
};

// Gives every parameter a valid value other than its current one: enumerations another of
// their values, integers a bound, hex texts "4142", texts a sample of their length. Returns the
// names it could not change.
inline std::vector<GwString> change_every_value(EwRepository& repo) {
    std::vector<GwString> unchanged;
    for (const GwString& name : parameters_of(repo)) {
        const GwString type = repo.type(name);
        const GwString before = repo.value(name, 1);
        if (type == "ENUMERATEDINT" || type == "ENUMERATEDCHAR" || type == "BOOLEAN") {
            const DynGwStringPtrArray* values = repo.range(name, 0);
            for (int i = values != nullptr ? values->count() - 1 : -1; i >= 0; --i) {
                if (*values->get(i) != repo.value(name, 0)) {
                    repo.set_value(name, *values->get(i), 0);
                    break;
                }
            }
        } else if (type == "INT") {
            const GwString bounds = repo.bounds(name);
            const GwString high = bounds.GetToken(1, ',');
            const bool at_high = high.to_long() == repo.value(name, 0).to_long();
            repo.set_value(name, at_high ? bounds.GetToken(0, ',') : high, 0);
        } else {
            const int length = repo.length(name).to_int();
            const char* text = type == "HEXCHAR"     ? "4142"
                               : type == "NULSTRING" ? "1E00"
                               : length == 1         ? ";"
                               : length == 5         ? "05-12"
                                                     : "AB 12?";
            repo.set_value(name, text, 1);
        }
        if (repo.value(name, 1) == before)
            unchanged.push_back(name);
    }
    return unchanged;
}
