// The ZEP100 parameter set of the build's program directory, built once for all runs of a fuzz
// target: building it, or loading the factory defaults, per run would cost most of the time.
// What a run leaves behind is a valid set, and the next run starts from it.
#pragma once

#include "CScanRepoBuilder.h"
#include "EwRepository.h"
#include "GwLanguage.h"

inline EwRepository* zep100_repository() {
    static EwRepository* const repo = [] {
        GwLanguage::set_number(1);
        CScanRepoBuilder builder;
        return builder.build_repo(GwString(ZEP_PROGRAM_DIR) + "/ZEP100/Profile.zep");
    }();
    return repo;
}
