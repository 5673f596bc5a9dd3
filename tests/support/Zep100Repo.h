// The ZEP100 parameter set as the build's program directory holds it, and its parameter names.
#pragma once

#include "CScanRepoBuilder.h"
#include "EwRepository.h"
#include "StringLists.h"

#include <memory>
#include <string>
#include <vector>

inline std::unique_ptr<EwRepository> zep100_repo() {
    return std::unique_ptr<EwRepository>(
        CScanRepoBuilder().build_repo(GwString(ZEP_PROGRAM_DIR) + "/ZEP100/Profile.zep"));
}

// Every parameter name of the repository in transfer order (group by group).
inline std::vector<GwString> parameters_of(const EwRepository& repo) {
    std::vector<GwString> out;
    for (const std::string& group : take_texts(repo.list_of_names()))
        for (const std::string& name : take_texts(repo.list_of_param_names(group.c_str())))
            out.push_back(name.c_str());
    return out;
}
