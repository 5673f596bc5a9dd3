// Hostile input: script, command and template files with garbage, binary bytes, over-long
// lines, missing sections, unterminated quotes and brackets. Nothing may crash, nothing the user
// keeps may be lost, and the repository stays a valid parameter set.
#include "CErrorHandler.h"
#include "CFileRepoIf.h"
#include "CScriptPrintMgr.h"
#include "GwScriptedAnswers.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

#include <random>

namespace {

std::string random_bytes(unsigned seed, size_t size) {
    std::mt19937 rng(seed);
    std::string s(size, '\0');
    for (char& c : s)
        c = static_cast<char>(rng() & 0xFF);
    return s;
}

// Random text made of the characters the parsers react to.
std::string random_syntax(unsigned seed, size_t size) {
    static const std::string kAlphabet = "3LH0CVIMEKSTB=;[]\"$()|_ \t\nPARMNONAMEType=VELT AG,";
    std::mt19937 rng(seed);
    std::string s;
    for (size_t i = 0; i < size; ++i)
        s += kAlphabet[rng() % kAlphabet.size()];
    return s;
}

const std::string kHeader = "[VELT AG, Script ZEP Language]\n[ZEP_Type_Target]\nType=100\n"
                            "[Parameter]\n";

// Every enumeration still holds one of its values, and the coded values survive a script.
void expect_valid(EwRepository& repo) {
    for (const GwString& name : all_parameter_names(repo)) {
        const GwString type = repo.type(name);
        const bool checked = type == "ENUMERATEDINT" || type == "ENUMERATEDCHAR" ||
                             type == "BOOLEAN" || type == "INT";
        if (checked) {
            EXPECT_EQ(repo.IsValid(name, repo.value(name, 0)), 1) << name.str();
        }
    }
}

struct HostileCase {
    const char* name;
    std::string text;
};

std::vector<HostileCase> hostile_scripts() {
    const std::string long_line(5000, 'A');
    return {
        {"binary", random_bytes(1, 4096)},
        {"binary_after_header", kHeader + random_bytes(2, 4096)},
        {"syntax_soup", random_syntax(3, 8000)},
        {"syntax_soup_after_header", kHeader + random_syntax(4, 8000)},
        {"over_long_lines",
         kHeader + "CVI=" + long_line + "\nH0B=6" + long_line + "\n" + long_line + "\n"},
        {"nul_bytes", kHeader + std::string("H0B=\0"
                                            "6\nCVI=a\0b\n",
                                            15)},
        {"unterminated_quotes", kHeader + "CVI=\"abc\nCVM=\"\nH0E=\"\"\"\n"},
        {"only_header", "[VELT AG, Script ZEP Language]\n"},
        {"sections_without_closing_bracket", "[VELT AG\n[Parameter\nH0B=6\n"},
        {"empty", ""},
        {"keys_of_every_length", kHeader + "=\n1=\n12=\n123=\n1234=\n12345=\n==\n;=;\n"},
        {"carriage_returns", kHeader + "H0B=6\r\nH1B=6\r\r\n"},
    };
}

class HostileScript : public testing::TestWithParam<HostileCase> {
protected:
    LanguageGuard m_english{1};
    ScannerDir m_dir;
};

} // namespace

TEST_P(HostileScript, IsReadWithoutHarm) {
    Repo repo = zep100_repo();
    EwRepository* p = repo.get();
    CFileRepoIf files(p, nullptr);
    const std::string path = m_dir.tmp().write("hostile.slp", GetParam().text);
    GwMessageBox* box = nullptr;
    const int result = files.scriptfile_to_repository(path, box, 0);
    CErrorHandler::msgbox_destroy(box);
    EXPECT_TRUE(result == 0 || result == 1);
    EXPECT_EQ(TempDir::read(path), GetParam().text) << "reading changed the file";
    expect_valid(*repo);
    GwString code;
    (void)CFileRepoIf::check_script_header(path, code);
    EXPECT_EQ(files.commandfile_to_repository(path, 1), 1);
    expect_valid(*repo);

    // What was read can be saved and read again into a fresh set.
    const std::string saved = m_dir.file("saved.slp");
    ASSERT_EQ(files.repository_to_scriptfile(saved, 0), 1);
    Repo fresh = zep100_repo();
    EwRepository* q = fresh.get();
    CFileRepoIf reader(q, nullptr);
    ASSERT_EQ(reader.scriptfile_to_repository(saved, box, 0), 1);
    CErrorHandler::msgbox_destroy(box);
    expect_valid(*fresh);
}

INSTANTIATE_TEST_SUITE_P(Files, HostileScript, testing::ValuesIn(hostile_scripts()), RowName());

namespace {

std::vector<HostileCase> hostile_templates() {
    return {
        {"unbalanced_open", "$$DECODE(H0B|5|(a|b\n$$IF((H0B|5)\n$$INDEX(((\n"},
        {"unbalanced_close", "$$DECODE)H0B|5|x|y)\n$$IF)|)\n)))$$H0B )))\n"},
        {"nested_ifs", "$$IF(H0B|5)\n$$IF(H1B|5)\n$$IF(CVA|0)\nx\n$$ELSE\n$$ELSE\ny\n"
                       "$$ENDIF\n$$ENDIF\n"},
        {"missing_endif", "$$IF(H0B|9)\nhidden\nhidden too\n"},
        {"else_and_endif_alone", "$$ELSE\n$$ELSE\n$$ENDIF\n$$ENDIF\ntext\n"},
        {"placeholder_storm", std::string(1000, '$') + "\n$$$$$$(|||)$$\n$$(\n$$|\n"},
        {"over_long_line",
         "$$DECODE(H0B|" + std::string(3000, '5') + "|x|y)\n" + std::string(4000, '(') + "\n"},
        {"binary", random_bytes(5, 4096)},
        {"syntax_soup", random_syntax(6, 8000)},
        {"deep_brackets",
         "$$INDEX(" + std::string(500, '(') + "H0B" + std::string(500, ')') + "|0|0)\n"},
        {"huge_indexes", "$$INDEX(CVI|-2147483648|2147483647)\n$$INDEX(CVI|99999999999|-1)\n"
                         "$$DECODE_INDEX(H0B|-5|-1|x|y)\n$$INDEX_CHAR(K3F|0|9999)\n"},
    };
}

class HostileTemplate : public testing::TestWithParam<HostileCase> {
protected:
    LanguageGuard m_english{1};
    ScannerDir m_dir;
};

} // namespace

TEST_P(HostileTemplate, PrintsAndExportsWithoutHarm) {
    m_dir.write("rtf_001.tpl", GetParam().text);
    m_dir.write("prt_001.tpl", GetParam().text);
    Repo repo = zep100_repo();
    EwRepository* p = repo.get();
    CScriptPrintMgr mgr(p);
    const std::string rtf = m_dir.file("out.rtf");
    ASSERT_EQ(mgr.repository_to_rtffile(rtf, 0), 1);
    EXPECT_TRUE(std::filesystem::exists(rtf));
    GwScriptedAnswers::printer_pdf(m_dir.file("out.pdf"));
    EXPECT_EQ(mgr.Repo2Printer(nullptr, 0), 1);
    EXPECT_EQ(TempDir::read(m_dir.file("out.pdf")).rfind("%PDF", 0), 0u);
    // The next report is not disturbed by what this one left behind.
    m_dir.write("rtf_001.tpl", "$$DECODE(H0B|5|fine|bad)\n");
    ASSERT_EQ(mgr.repository_to_rtffile(rtf, 0), 1);
    EXPECT_EQ(TempDir::read(rtf), "fine\n");
}

INSTANTIATE_TEST_SUITE_P(Files, HostileTemplate, testing::ValuesIn(hostile_templates()), RowName());

TEST(HostileTemplate, ExpectedOutputsOfFaultyPlaceholders) {
    LanguageGuard english(1);
    Repo repo = zep100_repo();
    EwRepository* p = repo.get();
    CScriptPrintMgr mgr(p);
    auto line = [&](const char* text) { return mgr.instantiate_line(p, text, "", 0).str(); };
    // A key runs to a blank or "(": this one names no parameter and is printed as it stands.
    EXPECT_EQ(line("$$DECODE)H0B|5|x|y) tail"), "$$DECODE)H0B|5|x|y) tail");
    EXPECT_EQ(line("$$INDEX(CVI|-5|-1)x"), "x");
    EXPECT_EQ(line("[$$INDEX(H0E|2|99999999999)]"), "[READ]");
}
