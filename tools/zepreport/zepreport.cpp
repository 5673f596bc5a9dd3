// zepreport: writes the parameter report of a scanner type without the GUI, as the File menu's
// Export (RTF) and Print (to a PDF file) would, from the factory defaults or a script file.
// Support uses it to check a type's report templates, and the RTF check script to produce the
// files it opens in LibreOffice.
//
//   zepreport [--lang 1|49|33] [--script FILE.slp] [--rtf OUT.rtf] [--pdf OUT.pdf] TYPEDIR
//
// TYPEDIR is a scanner type's data directory (Profile.zep, 3PRF1, the templates). Messages the
// program would show in a box go to the standard error output.
// Exit status: 0 done, 1 a step failed, 2 wrong arguments.
#include "CFileRepoIf.h"
#include "CInfoBox.h"
#include "CInitMgr.h"
#include "CScanRepoBuilder.h"
#include "CScriptPrintMgr.h"
#include "EwRepository.h"
#include "GwLanguage.h"
#include "GwPath.h"
#include "GwScriptedAnswers.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

namespace {

int usage() {
    std::cerr << "usage: zepreport [--lang 1|49|33] [--script FILE.slp] [--rtf OUT.rtf]\n"
                 "                 [--pdf OUT.pdf] TYPEDIR\n"
                 "  Builds the parameter set of the scanner type in TYPEDIR, loads its factory\n"
                 "  defaults and, with --script, a parameter script; then exports the RTF report\n"
                 "  and/or prints the report into a PDF file, in the language of --lang.\n";
    return 2;
}

// Every box shown so far, on the standard error output.
void report_boxes(size_t& seen) {
    const auto& shown = GwScriptedAnswers::shown();
    for (; seen < shown.size(); ++seen) {
        const GwScriptedAnswers::Shown& s = shown[seen];
        if (s.kind == GwScriptedAnswers::Box)
            std::cerr << "zepreport: " << s.title.str() << s.text.str() << "\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    int language = 1;
    std::string dir, script, rtf, pdf;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--lang" && has_value) {
            const std::string value = argv[++i];
            if (value != "1" && value != "49" && value != "33")
                return usage();
            language = std::stoi(value);
        } else if (arg == "--script" && has_value) {
            script = argv[++i];
        } else if (arg == "--rtf" && has_value) {
            rtf = argv[++i];
        } else if (arg == "--pdf" && has_value) {
            pdf = argv[++i];
        } else if (arg == "-h" || arg == "--help") {
            usage();
            return 0;
        } else if (dir.empty() && !arg.empty() && arg[0] != '-') {
            dir = arg;
        } else {
            return usage();
        }
    }
    if (dir.empty() || (rtf.empty() && pdf.empty()))
        return usage();
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // No person answers here: boxes are recorded and reported, the printer is the PDF file.
    GwScriptedAnswers::enable();
    GwLanguage::set_number(language);

    if (dir.back() != '/' && dir.back() != '\\')
        dir += '/';
    CInitMgr::set_scanner_sub_dir(GwString(dir));
    CInitMgr::m_sZEPVersionNbr = ZEP_VERSION;
    // The selected scanner, as the type's dialog would name it: the model of the type whose
    // configuration name the directory has ("ZEP100" gives "RV-4400").
    CInitMgr::m_sScannerType =
        CParser::TranslateType(GwPath::file_part(GwString(dir.substr(0, dir.size() - 1))), 2, 0);
    if (!GwPath::is_file(GwString(dir) + "Profile.zep")) {
        std::cerr << "zepreport: no Profile.zep in " << dir << "\n";
        return 1;
    }
    CScanRepoBuilder builder;
    std::unique_ptr<EwRepository> owned(builder.build_repo(GwString(dir) + "Profile.zep"));
    EwRepository* repo = owned.get();
    CFileRepoIf files(repo, nullptr);
    size_t seen = 0;
    int failed = 0;
    if (files.commandfile_to_repository(GwString(dir) + "3PRF1", 0) < 0) {
        std::cerr << "zepreport: no factory defaults (3PRF1) in " << dir << "\n";
        failed = 1;
    }
    if (!script.empty()) {
        GwMessageBox* box = nullptr;
        if (files.scriptfile_to_repository(GwString(script), box, 0) != 1)
            failed = 1;
        CInfoBox::adopt(box).close();
        files.set_filename(GwString(script));
    }
    report_boxes(seen);

    CScriptPrintMgr reports(repo);
    reports.SetFilename(files.get_filename());
    if (!rtf.empty() && reports.repository_to_rtffile(GwString(rtf), 0) != 1) {
        std::cerr << "zepreport: the RTF file was not written: " << rtf << "\n";
        failed = 1;
    }
    if (!pdf.empty()) {
        GwScriptedAnswers::printer_pdf(GwString(pdf));
        if (reports.Repo2Printer(nullptr, 0) != 1) {
            std::cerr << "zepreport: the report was not printed: " << pdf << "\n";
            failed = 1;
        }
    }
    report_boxes(seen);
    return failed;
}
