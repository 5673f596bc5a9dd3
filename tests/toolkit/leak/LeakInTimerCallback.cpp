// Leaks on purpose inside a Qt timer callback, then ends normally. The sanitizer build runs it
// and expects LeakSanitizer to report the leak under this function's name: suppressions that
// hide what happens inside Qt's callbacks (every callback, timer and modal loop of the
// program runs there) make that test fail.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

char* volatile g_last = nullptr; // keeps the compiler from dropping the allocation

[[gnu::noinline]] void leak_in_timer_callback() {
    char* lost = new char[4242];
    std::memset(lost, 'x', 4242);
    g_last = lost;
    g_last = nullptr;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv); // the GUI libraries loaded, as in the program
    QWidget window;
    window.show();
    QTimer::singleShot(0, [] {
        leak_in_timer_callback();
        QApplication::quit();
    });
    return QApplication::exec();
}
