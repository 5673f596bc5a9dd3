// Time of the script and report steps on the ZEP100 parameter set: building the set, splitting
// the factory-default lines, filling the script template, interpreting the print template.
// Prints figures; it passes or fails nothing.
//
//   build/bench/script_report [PROGRAM_DIR]      (default: the build's program directory)
#include "CFileRepoIf.h"
#include "CScanRepoBuilder.h"
#include "CScriptPrintMgr.h"
#include "EwRepository.h"
#include "GwLanguage.h"
#include "GwLineReader.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

class Loader : public CFileRepoIf {
public:
    using CFileRepoIf::CFileRepoIf;
    using CFileRepoIf::load_lines;
};

std::vector<GwString> read_lines(const GwString& path) {
    std::vector<GwString> lines;
    GwLineReader in(path);
    for (GwString line; in.read_line(line);)
        lines.push_back(line);
    return lines;
}

// Milliseconds per run of step, over enough runs to take about half a second.
template <typename Step>
double per_run_ms(Step step) {
    using Clock = std::chrono::steady_clock;
    int runs = 0;
    const auto start = Clock::now();
    std::chrono::duration<double, std::milli> spent{};
    do {
        step();
        ++runs;
        spent = Clock::now() - start;
    } while (spent.count() < 500.0);
    return spent.count() / runs;
}

} // namespace

int main(int argc, char** argv) {
    const GwString dir = GwString(argc > 1 ? argv[1] : ZEP_PROGRAM_DIR) + "/ZEP100/";
    GwLanguage::set_number(1);
    CScanRepoBuilder builder;
    std::unique_ptr<EwRepository> repo(builder.build_repo(dir + "Profile.zep"));
    if (repo->size() == 0) {
        std::fprintf(stderr, "script_report: no ZEP100 profile in %s\n", dir.cc());
        return 1;
    }
    EwRepository* p = repo.get();
    Loader loader(p, nullptr);
    CScriptPrintMgr reports(p);
    DynGwStringPtrArray defaults(40, 10);
    for (const GwString& line : read_lines(dir + "3PRF1"))
        if (line[0] == '3')
            defaults.add(line);
    const std::vector<GwString> script = read_lines(dir + "scl_000.tpl");
    const std::vector<GwString> print = read_lines(dir + "prt_001.tpl");

    std::printf("ZEP100: %d groups, %zu script template lines, %zu print template lines\n",
                repo->size(), script.size(), print.size());
    std::printf("build the parameter set        %8.3f ms\n", per_run_ms([&] {
                    std::unique_ptr<EwRepository> r(builder.build_repo(dir + "Profile.zep"));
                }));
    std::printf("load the factory defaults      %8.3f ms\n",
                per_run_ms([&] { loader.load_lines(&defaults, 0); }));
    std::printf("fill the script template       %8.3f ms\n", per_run_ms([&] {
                    for (const GwString& line : script)
                        loader.instantiate_line(p, line, "tpl", 0);
                }));
    std::printf("interpret the print template   %8.3f ms\n", per_run_ms([&] {
                    reports.reset_interpreter();
                    for (const GwString& line : print)
                        reports.instantiate_line(p, line, "tpl", 0);
                }));
    return 0;
}
