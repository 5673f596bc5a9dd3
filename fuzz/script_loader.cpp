// Fuzzes the script and command file loader on the ZEP100 repository: arbitrary text as a
// script (header, "[Parameter]" lines) and as a command file. Whatever it holds, every
// enumeration and integer parameter must still hold a value its type accepts, and writing the
// set through the script template must work.
#include "CFileRepoIf.h"
#include "EwDataSet.h"
#include "GwLineReader.h"
#include "Zep100.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

class Probe : public CFileRepoIf {
public:
    using CFileRepoIf::CFileRepoIf;
    using CFileRepoIf::load_lines;
    using CFileRepoIf::load_parameter_lines;
};

const std::vector<GwString>& template_lines() {
    static const std::vector<GwString> lines = [] {
        std::vector<GwString> out;
        GwLineReader in(GwString(ZEP_PROGRAM_DIR) + "/ZEP100/scl_000.tpl");
        for (GwString line; in.read_line(line);)
            out.push_back(line);
        return out;
    }();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static EwRepository* repo = zep100_repository();
    Probe files(repo, nullptr);
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int form = size > 0 ? data[0] & 1 : 0;

    GwLineReader in;
    in.open_text(text);
    CFileRepoIf::read_script_header(in);
    int status = 0;
    int line_number = 0;
    if (CFileRepoIf::goto_section(in, "[Parameter]", status, line_number, 0))
        files.load_parameter_lines(in, form);

    DynGwStringPtrArray lines(10, 10);
    std::istringstream command(text);
    for (std::string line; std::getline(command, line);)
        if (!line.empty() && line[0] == '3')
            lines.add(line);
    files.load_lines(&lines, form);

    // Asked of each group itself: the repository-wide lookups search every group.
    std::unique_ptr<DynGwStringPtrArray> groups(repo->list_of_names());
    for (int g = 0; g < groups->count(); ++g) {
        const EwDataSet* group = repo->item(*groups->get(g));
        std::unique_ptr<DynGwStringPtrArray> names(group->list_of_names());
        for (int i = 0; i < names->count(); ++i) {
            const GwString& name = *names->get(i);
            const GwString type = group->type(name);
            const bool checked = type == "ENUMERATEDINT" || type == "ENUMERATEDCHAR" ||
                                 type == "BOOLEAN" || type == "INT";
            if (checked && !group->IsValid(name, group->value(name, 0)))
                __builtin_trap(); // a refused value was stored after all
        }
    }
    // A sample of the template's lines (all of them would dominate the run time).
    const std::vector<GwString>& tpl = template_lines();
    for (size_t i = size % 16; i < tpl.size(); i += 16)
        files.instantiate_line(repo, tpl[i], "tpl", form);
    return 0;
}
