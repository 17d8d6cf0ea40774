// Program entry: the application object, the clock window and the message loop.
#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <unistd.h>

#include "Unit1.h"

namespace {

// An exception that escapes a handler is shown and the loop goes on.
class OrbalisApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            QMessageBox::critical(nullptr, QStringLiteral("Orbalis"), QString::fromLocal8Bit(e.what()));
        } catch (...) {
            QMessageBox::critical(nullptr, QStringLiteral("Orbalis"), QStringLiteral("Unknown error"));
        }
        return false;
    }
};

int signal_pipe[2] = {-1, -1};

extern "C" void on_quit_signal(int sig) {
    const unsigned char byte = static_cast<unsigned char>(sig);
    [[maybe_unused]] const ssize_t n = ::write(signal_pipe[1], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP close the window as the menu's Exit does, so the settings
// are written.
void close_on_signals(QWidget& window, QSocketNotifier& notifier) {
    QObject::connect(&notifier, &QSocketNotifier::activated, &window, [&window] {
        unsigned char byte;
        [[maybe_unused]] const ssize_t n = ::read(signal_pipe[0], &byte, 1);
        window.close();
    });
    struct sigaction sa {};
    sa.sa_handler = on_quit_signal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
}

// On a Wayland desktop run on XWayland when it is there: a Wayland client cannot place
// its own window.
void prefer_xwayland() {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("WAYLAND_DISPLAY") != nullptr &&
        std::getenv("DISPLAY") != nullptr)
        setenv("QT_QPA_PLATFORM", "xcb", 0);
}

// The window is 120 x 120: sending its pixels with each paint request costs less than the
// shared-memory path, which waits on a server round trip before every paint.
void prefer_plain_image_transfer() { setenv("QT_XCB_NO_MITSHM", "1", 0); }

}  // namespace

int main(int argc, char* argv[]) {
    prefer_xwayland();
    prefer_plain_image_transfer();
    if (::pipe2(signal_pipe, O_CLOEXEC) != 0) return EXIT_FAILURE;
    OrbalisApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbalis"));
    QApplication::setApplicationVersion(QStringLiteral(ORBALIS_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orbalis-32.png")));

    TForm1 Form1;
    QSocketNotifier notifier(signal_pipe[0], QSocketNotifier::Read);
    close_on_signals(Form1, notifier);
    // Ending the desktop session closes the clock like Exit does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &Form1, [&Form1](QSessionManager&) {
        Form1.close();
    });
    Form1.show();
    return QApplication::exec();
}
