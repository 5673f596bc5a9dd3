// The entry of the program zepmain: Qt's application, then the program's run (ZepProgram). An
// exception that reaches this level ends the program with a message.
#include "GwMessageBox.h"
#include "GwQt.h"
#include "ZepProgram.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <typeinfo>
#include <vector>

namespace {

constexpr int kMaxArguments = 128;

int fatal(const char* text) {
    std::fprintf(stderr, "zepmain: %s\n", text);
    GwMessageBox box(nullptr, text, "ZEP Error: ", GwMB_OK, "mb_stop");
    box.go();
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(GwQt::qs(ZepProgram::ProgramDir() + "icons/velt_icon.svg")));
    std::vector<GwString> arguments;
    for (int i = 0; i < argc && i < kMaxArguments; ++i)
        arguments.emplace_back(argv[i]);
    try {
        return ZepProgram::Run(arguments);
    } catch (const std::bad_cast&) {
        return fatal("Bad pointer cast!");
    } catch (...) {
        return fatal("General C++ exception!");
    }
}
