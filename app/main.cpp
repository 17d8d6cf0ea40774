// Program entry: the application object, the clock window and the message loop.
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <fcntl.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <unistd.h>

#include "Unit1.h"
#include "almanac_report.h"
#include "locale_formats.h"
#include "single_clock.h"
#include "translations.h"
#include "window_icon.h"

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

// Only async-signal-safe calls, errno as it was, and a pipe that never blocks the handler.
extern "C" void on_quit_signal(int sig) {
    const int saved_errno = errno;
    const unsigned char byte = static_cast<unsigned char>(sig);
    [[maybe_unused]] const ssize_t n = ::write(signal_pipe[1], &byte, 1);
    errno = saved_errno;
}

// Qt ends the process with exit() when the display connection breaks (a logout that does
// not close its X clients), from inside the event loop and past every destructor: the
// running clock, set while the loop runs, is asked there to write a position not yet kept.
TForm1* clock_at_exit = nullptr;

extern "C" void save_at_exit() {
    if (clock_at_exit != nullptr) clock_at_exit->save_before_exit();
}

// An open dialog runs a loop of its own: it is cancelled first, and the window closes once
// that loop has returned (a session that ends while "Info..." is open).
void close_with_its_dialogs(QWidget& window) {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    QTimer::singleShot(0, &window, &QWidget::close);
}

// SIGTERM, SIGINT and SIGHUP close the window as the menu's Exit does, so the settings
// are written.
void close_on_signals(QWidget& window, QSocketNotifier& notifier) {
    QObject::connect(&notifier, &QSocketNotifier::activated, &window, [&window] {
        unsigned char byte;
        [[maybe_unused]] const ssize_t n = ::read(signal_pipe[0], &byte, 1);
        close_with_its_dialogs(window);
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

// One malloc arena for all threads: the helper threads (the X connection's reader, D-Bus)
// allocate little, and each arena of their own would keep tens of kilobytes touched for
// the whole run.
void share_one_heap() {
#ifdef __GLIBC__
    mallopt(M_ARENA_MAX, 1);
#endif
}

// What the command line asks for. An error is an English template (for the translators)
// and what it names.
struct Options {
    enum Action { kRun, kHelp, kVersion, kPrint, kJson, kError, kNoDisplay } action = kRun;
    std::string settings_file;  // empty: the default location
    std::optional<std::string> at;  // --at: the moment to print for, on the place's clock
    const char* error = "";
    std::string error_names;
};

// An option that takes a value, as "--name VALUE" or "--name=VALUE"; advances i past it.
std::optional<std::string> option_value(const std::string& name, int argc, char* argv[], int& i) {
    const std::string arg = argv[i];
    if (arg == name && i + 1 < argc) return std::string(argv[++i]);
    if (arg.rfind(name + "=", 0) == 0) return arg.substr(name.size() + 1);
    return std::nullopt;
}

Options refused(Options o, const char* error, const std::string& names = {}) {
    o.action = Options::kError;
    o.error = error;
    o.error_names = names;
    return o;
}

Options parse_options(int argc, char* argv[]) {
    Options o;
    bool print = false, json = false;
    for (int i = 1; i < argc && o.action == Options::kRun; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o.action = Options::kHelp;
        } else if (arg == "--version" || arg == "-v") {
            o.action = Options::kVersion;
        } else if (arg == "--print") {
            print = true;
        } else if (arg == "--json") {
            json = true;
        } else if (const auto file = option_value("--settings", argc, argv, i)) {
            o.settings_file = *file;
            if (file->empty()) o = refused(o, QT_TRANSLATE_NOOP("CommandLine", "--settings needs a FILE"));
        } else if (const auto at = option_value("--at", argc, argv, i)) {
            o.at = *at;
        } else if (arg == "--settings") {
            o = refused(o, QT_TRANSLATE_NOOP("CommandLine", "--settings needs a FILE"));
        } else if (arg == "--at") {
            o = refused(o, QT_TRANSLATE_NOOP("CommandLine", "--at needs \"YYYY-MM-DD HH:MM\""));
        } else {
            o = refused(o, QT_TRANSLATE_NOOP("CommandLine", "unknown option %1"), one_line(arg));
        }
    }
    if (o.action != Options::kRun) return o;
    if (print && json)
        return refused(o, QT_TRANSLATE_NOOP("CommandLine", "--print and --json cannot be used together"));
    if (json) o.action = Options::kJson;
    else if (print) o.action = Options::kPrint;
    else if (o.at) return refused(o, QT_TRANSLATE_NOOP("CommandLine", "--at goes with --print or --json"));
    return o;
}

QString said(const char* text) { return QCoreApplication::translate("CommandLine", text); }

void print_line(std::FILE* to, const QString& text) { std::fprintf(to, "%s\n", text.toLocal8Bit().constData()); }

void print_help(const std::string& settings_file) {
    const QString usage = said(QT_TRANSLATE_NOOP("CommandLine", 
        "Usage: orbalis [--settings FILE]\n"
        "       orbalis --print|--json [--at \"YYYY-MM-DD HH:MM\"] [--settings FILE]\n"
        "A round desktop clock with the Moon's phase and age and the day's sunrise, sunset,\n"
        "twilight, moonrise and moonset.\n\n"
        "  --settings FILE  keep the settings in FILE instead of the default one\n"
        "  --print          print what the clock's tooltip says now, for the place of the\n"
        "                   settings, and exit (no display needed)\n"
        "  --json           print the same as one JSON object and exit\n"
        "  --at \"YYYY-MM-DD HH:MM\"\n"
        "                   with --print or --json: for that time on the place's clock (a\n"
        "                   time a clock change skips is read on the offset before it, a\n"
        "                   repeated one at its first occurrence); or an ISO 8601 time as\n"
        "                   --json prints it, \"2027-01-15T12:00:00+01:00\" (\"Z\" for UTC)\n"
        "  -h, --help       show this help and exit\n"
        "  -v, --version    show the version and exit\n\n"
        "Settings file: %1\n"
        "(%2 in the working directory when there is one, else\n"
        "$XDG_CONFIG_HOME/%3/%2, by default %4)"));
    print_line(stdout, usage.arg(QString::fromStdString(settings_file), QString::fromLatin1(kSettingsFile),
                                 QString::fromLatin1(kSettingsFolder),
                                 QString::fromStdString(usual_settings_path(nullptr, "~"))));
}

// What the command line does without a window: help, the version, an error, the almanac;
// in the user's language.
int run_without_window(const Options& options, const std::string& settings_file, int argc, char* argv[]) {
    QCoreApplication core(argc, argv);
    const Translations translations;
    switch (options.action) {
        case Options::kHelp: print_help(settings_file); return EXIT_SUCCESS;
        case Options::kVersion: std::printf("orbalis %s\n", ORBALIS_VERSION); return EXIT_SUCCESS;
        case Options::kError:
        {
            QString what = said(options.error);
            if (!options.error_names.empty()) what = what.arg(QString::fromStdString(options.error_names));
            print_line(stderr, said(QT_TRANSLATE_NOOP("CommandLine", "orbalis: %1 (see orbalis --help)")).arg(what));
            return 2;
        }
        case Options::kNoDisplay:
            print_line(stderr, said(QT_TRANSLATE_NOOP("CommandLine",
                                                      "orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)")));
            return EXIT_FAILURE;
        case Options::kPrint:
        case Options::kJson: break;
        case Options::kRun: return EXIT_FAILURE;
    }
    return print_almanac(settings_file, options.action == Options::kJson, options.at, stdout, stderr,
                         Translations::wording(), !locale_formats::prefers_24_hour(QLocale()));
}

bool have_display() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    // A platform other than the two window systems (offscreen, vnc, ...) needs neither.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const bool other_platform = platform != nullptr && *platform != '\0' && std::strncmp(platform, "xcb", 3) != 0 &&
                                std::strncmp(platform, "wayland", 7) != 0;
    return other_platform || (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

// The first clock on the file comes to the front when the file is opened again.
void raise_on_request(SingleClock& guard, QWidget& window) {
    QObject::connect(&guard, &SingleClock::raise_requested, &window, [&window] {
        window.show();
        window.raise();
        window.activateWindow();
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    const Options options = parse_options(argc, argv);
    std::string passed_over;
    const std::string settings_file =
        !options.settings_file.empty()
            ? options.settings_file
            : default_settings_location(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), passed_over);
    if (!passed_over.empty() && options.action != Options::kError)
        std::fprintf(stderr, "orbalis: %s\n", one_line(passed_over).c_str());
    if (options.action != Options::kRun) return run_without_window(options, settings_file, argc, argv);
    if (!have_display()) {
        Options none = options;
        none.action = Options::kNoDisplay;
        return run_without_window(none, settings_file, argc, argv);
    }
    prefer_xwayland();
    prefer_plain_image_transfer();
    share_one_heap();
    if (::pipe2(signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return EXIT_FAILURE;
    OrbalisApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbalis"));
    QApplication::setApplicationVersion(QStringLiteral(ORBALIS_VERSION));
    QApplication::setWindowIcon(QIcon(window_icon()));
    const Translations translations;

    SingleClock guard(guard_folders(::getuid(), account_home(::getuid())), settings_file);
    switch (guard.role()) {
        case SingleClock::Role::kSecond:
            if (!guard.raise_running_clock()) {
                print_line(stderr, said(QT_TRANSLATE_NOOP("CommandLine",
                                                          "orbalis: a clock already runs with %1 but does not answer"))
                                       .arg(QString::fromStdString(one_line(settings_file))));
                return EXIT_FAILURE;
            }
            print_line(stderr,
                       said(QT_TRANSLATE_NOOP("CommandLine",
                                              "orbalis: already running with %1; brought that clock to the front"))
                           .arg(QString::fromStdString(one_line(settings_file))));
            return EXIT_SUCCESS;
        case SingleClock::Role::kUnguarded:
            print_line(stderr, said(QT_TRANSLATE_NOOP(
                                        "CommandLine",
                                        "orbalis: no private folder for the one-clock guard (%1); a second clock on "
                                        "this file is not stopped"))
                                   .arg(QString::fromStdString(one_line(guard.why_unguarded()))));
            break;
        case SingleClock::Role::kOnly: guard.serve(); break;
    }
    TForm1 Form1(settings_file);
    raise_on_request(guard, Form1);
    QSocketNotifier notifier(signal_pipe[0], QSocketNotifier::Read);
    close_on_signals(Form1, notifier);
    // Ending the desktop session closes the clock like Exit does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &Form1,
                     [&Form1](QSessionManager&) { close_with_its_dialogs(Form1); });
    Form1.show();
    clock_at_exit = &Form1;
    std::atexit(save_at_exit);
    const int status = QApplication::exec();
    clock_at_exit = nullptr;
    return status;
}
