// Hostile input: script, command and template files with garbage, binary bytes, over-long
// lines, missing sections, unterminated quotes and brackets. Nothing may crash, nothing the user
// keeps may be lost, and the repository stays a valid parameter set.
#include "CFileRepoIf.h"
#include "CScriptPrintMgr.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Random bytes, or (with an alphabet) random text of the characters the parsers react to.
std::string random_text(unsigned seed, size_t size, const std::string& alphabet = "") {
    std::mt19937 rng(seed);
    std::string s(size, '\0');
    for (char& c : s)
        c = alphabet.empty() ? static_cast<char>(rng() & 0xFF) : alphabet[rng() % alphabet.size()];
    return s;
}
const std::string kSyntax = "3LH0CVIMEKSTB=;[]\"$()|_ \t\nPARMNONAMEType=VELT AG,";
const std::string kHeader = "[VELT AG, Script ZEP Language]\n[ZEP_Type_Target]\nType=100\n"
                            "[Parameter]\n";

// Every enumeration and integer still holds a value it accepts.
void expect_valid(EwRepository& repo) {
    for (const GwString& name : all_parameter_names(repo)) {
        const GwString type = repo.type(name);
        if (type == "ENUMERATEDINT" || type == "ENUMERATEDCHAR" || type == "BOOLEAN" ||
            type == "INT") {
            EXPECT_EQ(repo.IsValid(name, repo.value(name, 0)), 1) << name.str();
        }
    }
}

struct HostileCase {
    const char* name;
    std::string text;
};

} // namespace

TEST(HostileFiles, ScriptsAreReadWithoutHarm) {
    LanguageGuard english(1);
    ScannerDir dir;
    const std::string long_line(5000, 'A');
    const HostileCase rows[] = {
        {"binary", random_text(1, 4096)},
        {"binary_after_header", kHeader + random_text(2, 4096)},
        {"syntax_soup", random_text(3, 8000, kSyntax)},
        {"syntax_soup_after_header", kHeader + random_text(4, 8000, kSyntax)},
        {"over_long_lines", kHeader + "CVI=" + long_line + "\nH0B=6" + long_line + "\n"},
        {"nul_bytes", kHeader + std::string("H0B=\0"
                                            "6\nCVI=a\0b\n",
                                            15)},
        {"unterminated_quotes", kHeader + "CVI=\"abc\nCVM=\"\nH0E=\"\"\"\n"},
        {"sections_without_closing_bracket", "[VELT AG\n[Parameter\nH0B=6\n"},
        {"empty", ""},
        {"keys_of_every_length", kHeader + "=\n1=\n12=\n123=\n1234=\n12345=\n==\n;=;\n"},
        {"carriage_returns", kHeader + "H0B=6\r\nH1B=6\r\r\n"},
    };
    for (const HostileCase& row : rows) {
        SCOPED_TRACE(row.name);
        Repo repo = zep100_repo();
        EwRepository* p = repo.get();
        CFileRepoIf files(p, nullptr);
        const std::string path = dir.write("hostile.slp", row.text);
        GwMessageBox* box = nullptr;
        const int result = files.scriptfile_to_repository(path, box, 0);
        CErrorHandler::msgbox_destroy(box);
        EXPECT_TRUE(result == 0 || result == 1);
        GwString code;
        CFileRepoIf::check_script_header(path, code);
        EXPECT_EQ(files.commandfile_to_repository(path, 1), 1);
        EXPECT_EQ(TempDir::read(path), row.text) << "reading changed the file";
        expect_valid(*repo);
        // What was read can be saved and read again into a fresh set.
        ASSERT_EQ(files.repository_to_scriptfile(dir.file("saved.slp"), 0), 1);
        Repo fresh = zep100_repo();
        EwRepository* q = fresh.get();
        ASSERT_EQ(CFileRepoIf(q, nullptr).scriptfile_to_repository(dir.file("saved.slp"), box, 0),
                  1);
        CErrorHandler::msgbox_destroy(box);
        expect_valid(*fresh);
    }
}

TEST(HostileFiles, TemplatesArePrintedAndExportedWithoutHarm) {
    LanguageGuard english(1);
    ScannerDir dir;
    const HostileCase rows[] = {
        {"unbalanced_open", "$$DECODE(H0B|5|(a|b\n$$IF((H0B|5)\n$$INDEX(((\n"},
        {"unbalanced_close", "$$DECODE)H0B|5|x|y)\n$$IF)|)\n)))$$H0B )))\n"},
        {"nested_ifs", "$$IF(H0B|5)\n$$IF(H1B|5)\nx\n$$ELSE\n$$ELSE\ny\n$$ENDIF\n$$ENDIF\n"},
        {"missing_endif", "$$IF(H0B|9)\nhidden\nhidden too\n"},
        {"placeholder_storm", std::string(1000, '$') + "\n$$$$$$(|||)$$\n$$(\n$$|\n"},
        {"over_long_line",
         "$$DECODE(H0B|" + std::string(3000, '5') + "|x|y)\n" + std::string(4000, '(') + "\n"},
        {"binary", random_text(5, 4096)},
        {"syntax_soup", random_text(6, 8000, kSyntax)},
        {"deep_brackets",
         "$$INDEX(" + std::string(500, '(') + "H0B" + std::string(500, ')') + "|0|0)\n"},
        {"huge_indexes", "$$INDEX(CVI|-2147483648|2147483647)\n$$DECODE_INDEX(H0B|-5|-1|x|y)\n"
                         "$$INDEX_CHAR(K3F|0|9999)\n"},
    };
    Repo repo = zep100_repo();
    EwRepository* p = repo.get();
    for (const HostileCase& row : rows) {
        SCOPED_TRACE(row.name);
        dir.write("rtf_001.tpl", row.text);
        dir.write("prt_001.tpl", row.text);
        CScriptPrintMgr mgr(p);
        ASSERT_EQ(mgr.repository_to_rtffile(dir.file("out.rtf"), 0), 1);
        GwScriptedAnswers::printer_pdf(dir.file("out.pdf"));
        EXPECT_EQ(mgr.Repo2Printer(nullptr, 0), 1);
        EXPECT_EQ(TempDir::read(dir.file("out.pdf")).rfind("%PDF", 0), 0u);
    }
}
