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

// What every run asks of the fixed ZEP100 set, found once: the script template's lines, and
// each enumeration and integer parameter with the group that holds it (asked of the group
// itself: the repository-wide lookups search every group).
struct Fixed {
    struct Checked {
        const EwDataSet* group;
        GwString name;
    };
    std::vector<GwString> template_lines;
    std::vector<Checked> checked;

    Fixed() {
        GwLineReader in(GwString(ZEP_PROGRAM_DIR) + "/ZEP100/scl_000.tpl");
        for (GwString line; in.read_line(line);)
            template_lines.push_back(line);
        EwRepository* repo = zep100_repository();
        std::unique_ptr<DynGwStringPtrArray> groups(repo->list_of_names());
        for (int g = 0; g < groups->count(); ++g) {
            const EwDataSet* group = repo->item(*groups->get(g));
            std::unique_ptr<DynGwStringPtrArray> names(group->list_of_names());
            for (int i = 0; i < names->count(); ++i) {
                const GwString& name = *names->get(i);
                const GwString type = group->type(name);
                if (type == "ENUMERATEDINT" || type == "ENUMERATEDCHAR" || type == "BOOLEAN" ||
                    type == "INT")
                    checked.push_back({group, name});
            }
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static EwRepository* repo = zep100_repository();
    static const Fixed fixed;
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

    for (const Fixed::Checked& p : fixed.checked) {
        if (!p.group->IsValid(p.name, p.group->value(p.name, 0)))
            __builtin_trap(); // a refused value was stored after all
    }
    // One of the template's lines, picked by the input: a line with a placeholder costs as
    // much as the rest of the run, and over a run every line is written with many sets.
    const std::vector<GwString>& tpl = fixed.template_lines;
    if (!tpl.empty())
        files.instantiate_line(repo, tpl[(size + (size > 0 ? data[0] : 0)) % tpl.size()], "tpl",
                               form);
    return 0;
}
