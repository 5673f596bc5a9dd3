// zepprofile: shows a data author or support what the program makes of a scanner profile, the
// parameter descriptions of every group and the repository built from them, without the GUI.
//
//   zepprofile [--lang 1|49|33] PROFILE
//
// Exit status: 0 done, 1 the profile cannot be read, 2 wrong arguments.
#include "CProfileReader.h"
#include "CScanRepoBuilder.h"
#include "EwRepository.h"
#include "GwLanguage.h"
#include "GwPath.h"
#include "GwProfile.h"

#include <iostream>
#include <memory>
#include <string>

namespace {

int usage() {
    std::cerr << "usage: zepprofile [--lang 1|49|33] PROFILE\n"
                 "  Prints the parameter descriptions of every group of the profile and the\n"
                 "  repository built from it. --lang picks the language of the choice texts\n"
                 "  (1 English, the default; 49 German; 33 French).\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int language = 1;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--lang" && i + 1 < argc) {
            const std::string value = argv[++i];
            if (value != "1" && value != "49" && value != "33")
                return usage();
            language = std::stoi(value);
        } else if (arg == "-h" || arg == "--help") {
            usage();
            return 0;
        } else if (path.empty() && !arg.empty() && arg[0] != '-') {
            path = arg;
        } else {
            return usage();
        }
    }
    if (path.empty())
        return usage();

    GwLanguage::set_number(language);
    const GwProfile profile{GwString(path)};
    if (!GwPath::is_file(GwString(path)) || !profile.is_valid()) {
        std::cerr << "zepprofile: cannot read " << path << "\n";
        return 1;
    }

    CProfileReader reader(std::make_unique<GwProfile>(profile));
    std::cout << "Profile " << path << ", language " << language << ", version "
              << reader.zep_version().str() << ", resource file " << reader.name_of_resource().str()
              << ", " << reader.number_of_groups() << " groups\n\n";
    for (int g = 0; g < reader.number_of_groups(); ++g) {
        const std::unique_ptr<CDynParameterDescriptionArray> descriptions(
            reader.get_group_parameterdescriptions(g));
        reader.dump_DnyParamDescArray(descriptions.get(), std::cout, g);
    }

    CScanRepoBuilder builder;
    const std::unique_ptr<EwRepository> repo(
        builder.build_repo_from_profile(std::make_unique<GwProfile>(profile)));
    repo->rdump(std::cout, " . ", " : ", 0);
    return std::cout.good() ? 0 : 1;
}
