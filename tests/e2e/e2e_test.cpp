// The real program in a real X server (Xvfb), driven with xdotool as a user would.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "computer_zone.h"
#include "settings.h"
#include "single_clock.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::string run(const std::string& cmd) {
    std::string out;
    std::FILE* p = popen(cmd.c_str(), "r");
    if (p == nullptr) return out;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p) != nullptr) out += buf;
    pclose(p);
    return out;
}

// Starts a program in `cwd`, which is also its home, with its standard error in `err`.
// `env` holds further NAME=value settings.
pid_t spawn(const std::vector<std::string>& args, const fs::path& cwd, const std::string& display,
            const fs::path& err = {}, const std::vector<std::string>& env = {}) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (!cwd.empty()) {
            fs::current_path(cwd);
            setenv("HOME", cwd.c_str(), 1);
            setenv("XDG_CONFIG_HOME", (cwd / "config").c_str(), 1);
            // As a desktop session has it: a private runtime folder.
            fs::create_directories(cwd / "runtime");
            fs::permissions(cwd / "runtime", fs::perms::owner_all);
            setenv("XDG_RUNTIME_DIR", (cwd / "runtime").c_str(), 1);
        }
        if (!err.empty() && freopen(err.c_str(), "w", stderr) == nullptr) _exit(126);
        if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
        unsetenv("QT_QPA_PLATFORM");
        unsetenv("WAYLAND_DISPLAY");
        setenv("LC_ALL", "C", 1);  // the clock's own texts, whatever the machine's locale; `env` may say another
        for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> argv;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

bool wait_exit(pid_t pid, std::chrono::milliseconds limit, int* status = nullptr) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        int st;
        if (waitpid(pid, &st, WNOHANG) == pid) {
            if (status != nullptr) *status = st;
            return true;
        }
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

std::size_t count_of(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

std::string file_text(const fs::path& p) {
    std::ifstream f(p);
    return {std::istreambuf_iterator<char>(f), {}};
}

CInit read_settings(const fs::path& p) {
    CInit s{};
    std::ifstream f(p, std::ios::binary);
    f.read(reinterpret_cast<char*>(&s), sizeof s);
    return s;
}

class RealWindow : public testing::Test {
protected:
    void SetUp() override {
        std::string name = "orbalis_e2e_";
        name += std::to_string(getpid());
        name += '_';
        name += testing::UnitTest::GetInstance()->current_test_info()->name();
        dir = fs::temp_directory_path() / name;
        fs::remove_all(dir);
        fs::create_directories(dir);
        // A free display number: Xvfb writes it to the pipe we hand it. No reset when the last
        // client leaves: a clock started right after another one stopped would find none.
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        xvfb = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-noreset", "-screen", "0", "800x600x24",
                      "-nolisten", "tcp"},
                     {}, "");
        close(fds[1]);
        char buf[16] = {};
        ASSERT_GT(read(fds[0], buf, sizeof buf - 1), 0);
        close(fds[0]);
        display.assign(1, ':');
        display.append(buf, std::strcspn(buf, "\n"));
    }
    void TearDown() override {
        // SIGTERM first: a session bus runner ends its bus with it.
        for (pid_t* p : {&clock, &window_manager, &helper})
            if (*p > 0 && (kill(*p, SIGTERM) != 0 || !wait_exit(*p, 2000ms))) {
                kill(*p, SIGKILL);
                wait_exit(*p, 2000ms);
            }
        if (xvfb > 0) {
            kill(xvfb, SIGTERM);
            wait_exit(xvfb, 3000ms);
        }
        if (!HasFailure()) fs::remove_all(dir);
    }
    std::string x(const std::string& cmd) { return run("DISPLAY=" + display + " " + cmd + " 2>/dev/null"); }

    void write_ini(int left, int top) {
        CInit s{};
        default_settings(s);
        derive_angles(s);
        s.left = left;
        s.top = top;
        s.height = 12.5;
        s.tz_hours = 5.75;
        ASSERT_TRUE(save_settings(s, (dir / kSettingsFile).string()));
    }
    void start(const std::vector<std::string>& args = {ORBALIS_BINARY}) {
        clock = spawn(args, dir, display);
        window = find_window("^Orbalis$");
        ASSERT_FALSE(window.empty());
        std::this_thread::sleep_for(700ms);
    }
    std::string find_window(const std::string& name) {
        for (int i = 0; i < 100; ++i) {
            std::string w = x("xdotool search --onlyvisible --name '" + name + "'");
            if (!w.empty()) return w.substr(0, w.find('\n'));
            std::this_thread::sleep_for(100ms);
        }
        return {};
    }
    int visible_clocks() {
        const std::string w = x("xdotool search --onlyvisible --name '^Orbalis$'");
        return static_cast<int>(std::count(w.begin(), w.end(), '\n'));
    }
    void stop() {
        kill(clock, SIGTERM);
        ASSERT_TRUE(wait_exit(clock, 5000ms));
        clock = -1;
    }
    void drag(int from_x, int from_y, int dx, int dy, int button = 1) {
        const std::string b = std::to_string(button);
        x("xdotool mousemove " + std::to_string(from_x) + " " + std::to_string(from_y) + " mousedown " + b);
        x("xdotool mousemove " + std::to_string(from_x + dx / 2) + " " + std::to_string(from_y + dy / 2));
        std::this_thread::sleep_for(100ms);
        x("xdotool mousemove " + std::to_string(from_x + dx) + " " + std::to_string(from_y + dy) + " mouseup " + b);
        std::this_thread::sleep_for(400ms);
    }
    std::pair<int, int> position() {
        const std::string g = x("xdotool getwindowgeometry " + window);
        int px = -1, py = -1;
        const auto at = g.find("Position: ");
        if (at != std::string::npos) std::sscanf(g.c_str() + at, "Position: %d,%d", &px, &py);
        return {px, py};
    }
    // Colour of one screen pixel as "#RRGGBB".
    std::string pixel(const std::string& shot, int px, int py) {
        const std::string t = run("convert " + shot + " -crop 1x1+" + std::to_string(px) + "+" + std::to_string(py) +
                                  " -depth 8 txt:- 2>/dev/null");
        const auto hash = t.find(" #");  // past the "# ImageMagick" header line
        return hash == std::string::npos ? "" : t.substr(hash + 1, 7);
    }
    std::string screenshot(const std::string& name) {
        const std::string p = (dir / name).string();
        x("import -window root " + p);
        return p;
    }
    void menu_key(const std::string& key) {
        auto [px, py] = position();
        x("xdotool mousemove " + std::to_string(px + 60) + " " + std::to_string(py + 30));
        std::this_thread::sleep_for(300ms);
        x("xdotool click 3");
        std::this_thread::sleep_for(600ms);
        x("xdotool key " + key);
        std::this_thread::sleep_for(500ms);
    }

    fs::path dir;
    std::string display, window;
    pid_t xvfb = -1, clock = -1, window_manager = -1, helper = -1;
};

bool face_colour(const std::string& c) { return c == "#0000FF" || c == "#FFFF00"; }

}  // namespace

TEST_F(RealWindow, ShapeDragMenuDialogAndExit) {
    write_ini(200, 150);
    const CInit original = read_settings(dir / kSettingsFile);
    start();
    EXPECT_EQ(position(), std::make_pair(200, 150));

    const std::string shot = screenshot("start.png");
    EXPECT_TRUE(face_colour(pixel(shot, 241, 158))) << pixel(shot, 241, 158);  // outer ring, 340 deg
    // Outer ring, 110 deg: where the Moon's picture, which lies over the ring at the bottom
    // and is dark near a new moon, never is.
    EXPECT_TRUE(face_colour(pixel(shot, 314, 230))) << pixel(shot, 314, 230);
    EXPECT_FALSE(face_colour(pixel(shot, 202, 152)));  // outside the circle: not the window
    EXPECT_FALSE(face_colour(pixel(shot, 318, 268)));

    const std::string state = x("xprop -id " + window + " _NET_WM_STATE");
    EXPECT_NE(state.find("_NET_WM_STATE_ABOVE"), std::string::npos) << state;
    // Asked for before the window is mapped: xfwm4 honours "all desktops" only with it.
    EXPECT_NE(state.find("_NET_WM_STATE_STICKY"), std::string::npos) << state;
    EXPECT_NE(x("xprop -id " + window + " _MOTIF_WM_HINTS").find("="), std::string::npos);

    x("xdotool mousemove 250 200 mousedown 1");
    x("xdotool mousemove 270 215");
    std::this_thread::sleep_for(100ms);
    x("xdotool mousemove 290 230 mouseup 1");
    std::this_thread::sleep_for(400ms);
    EXPECT_EQ(position(), std::make_pair(240, 180));

    const std::string before = screenshot("12h.png");
    menu_key("4");  // "2&4h"
    const std::string after = screenshot("24h.png");
    EXPECT_NE(run("compare -metric AE " + before + " " + after + " null: 2>&1"), "0");

    // Return on the untouched dialog is OK: the file keeps every field and takes the
    // position the clock was dragged to.
    menu_key("i");  // "&Info..."
    std::string dialog = find_window("^Orbalis Options & More Infomations[.]$");
    ASSERT_FALSE(dialog.empty());
    screenshot("dialog.png");
    x("xdotool windowfocus --sync " + dialog + " key Return");
    std::this_thread::sleep_for(1000ms);
    CInit untouched = read_settings(dir / kSettingsFile);
    EXPECT_EQ(untouched.tz_hours, original.tz_hours);
    EXPECT_EQ(untouched.height, original.height);
    EXPECT_EQ(untouched.lat_deg, original.lat_deg);
    EXPECT_EQ(untouched.lon_deg, original.lon_deg);
    EXPECT_EQ(untouched.left, 240);
    EXPECT_EQ(untouched.top, 180);

    menu_key("i");
    dialog = find_window("^Orbalis Options & More Infomations[.]$");
    ASSERT_FALSE(dialog.empty());
    x("xdotool windowfocus --sync " + dialog);
    x("xdotool key Tab Tab Tab ctrl+a 4 2 Return");  // zone, place, N/S, then the latitude
    std::this_thread::sleep_for(1000ms);
    CInit now = read_settings(dir / kSettingsFile);
    EXPECT_EQ(now.lat_deg, 42);
    EXPECT_DOUBLE_EQ(now.latitude, 42.0);

    menu_key("x");  // "E&xit"
    screenshot("exit.png");
    ASSERT_TRUE(wait_exit(clock, 5000ms));
    clock = -1;
    const CInit end = read_settings(dir / kSettingsFile);
    EXPECT_EQ(end.left, 240);
    EXPECT_EQ(end.top, 180);
    EXPECT_EQ(end.lat_deg, 42);
    EXPECT_DOUBLE_EQ(end.latitude, 42.0);
    EXPECT_DOUBLE_EQ(end.longitude, 135.0);
    EXPECT_EQ(end.lat_min, original.lat_min);
    EXPECT_EQ(end.lon_deg, original.lon_deg);
    EXPECT_EQ(end.south, original.south);
    EXPECT_EQ(end.west, original.west);
    EXPECT_EQ(end.height, original.height);
    EXPECT_EQ(end.tz_hours, original.tz_hours);
    EXPECT_EQ(fs::file_size(dir / kSettingsFile), 52u);
}

TEST_F(RealWindow, OffScreenPositionComesBackAndSigtermSaves) {
    write_ini(5000, 4000);
    start();
    auto [px, py] = position();
    EXPECT_GE(px, 0);
    EXPECT_LT(px, 800 - 60);
    EXPECT_GE(py, 0);
    EXPECT_LT(py, 600 - 60);
    x("xdotool mousemove " + std::to_string(px + 60) + " " + std::to_string(py + 60) + " mousedown 1");
    x("xdotool mousemove " + std::to_string(px + 90) + " " + std::to_string(py + 100));
    std::this_thread::sleep_for(100ms);
    x("xdotool mousemove " + std::to_string(px + 160) + " " + std::to_string(py + 160) + " mouseup 1");
    std::this_thread::sleep_for(400ms);
    const auto moved = position();
    kill(clock, SIGTERM);
    ASSERT_TRUE(wait_exit(clock, 5000ms));
    clock = -1;
    const CInit s = read_settings(dir / kSettingsFile);
    EXPECT_EQ(s.left, moved.first);
    EXPECT_EQ(s.top, moved.second);
    EXPECT_EQ(s.left, px + 100);
    EXPECT_EQ(s.top, py + 100);
    // With the dialog open (a session that ends then) the clock still ends and saves.
    start();
    drag(s.left + 60, s.top + 60, 30, 20);
    menu_key("i");
    ASSERT_FALSE(find_window("^Orbalis Options & More Infomations[.]$").empty());
    kill(clock, SIGTERM);
    ASSERT_TRUE(wait_exit(clock, 5000ms)) << "the clock kept running behind its dialog";
    clock = -1;
    const CInit after = read_settings(dir / kSettingsFile);
    EXPECT_EQ(std::make_pair(after.left, after.top), std::make_pair(s.left + 30, s.top + 20));
}

// A second start on the same settings file hands over to the first and leaves it alone.
TEST_F(RealWindow, SecondStartRaisesTheFirstAndExits) {
    write_ini(100, 100);
    start();
    drag(160, 160, 50, 30);
    ASSERT_EQ(position(), std::make_pair(150, 130));
    const auto started = std::chrono::steady_clock::now();
    // Started without the session's runtime folder (su, cron, a script): the same guard.
    const pid_t second = spawn({ORBALIS_BINARY}, dir, display, dir / "second.err", {"XDG_RUNTIME_DIR"});
    int status = -1;
    ASSERT_TRUE(wait_exit(second, 2000ms, &status)) << "the second clock kept running";
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2000ms);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string said = file_text(dir / "second.err");  // Qt may add its own notes
    EXPECT_EQ(count_of(said, "orbalis: "), 1) << said;
    EXPECT_NE(said.find("already running"), std::string::npos) << said;
    EXPECT_EQ(visible_clocks(), 1);
    stop();
    EXPECT_EQ(fs::file_size(dir / kSettingsFile), 52u);
    const CInit s = read_settings(dir / kSettingsFile);
    EXPECT_EQ(s.left, 150);
    EXPECT_EQ(s.top, 130);
    // A clock killed outright leaves a stale socket that must not block the next start.
    start();
    kill(clock, SIGKILL);
    ASSERT_TRUE(wait_exit(clock, 2000ms));
    start();
    EXPECT_EQ(visible_clocks(), 1);
    stop();
}

// A display that goes under a clock (a logout that does not close it) takes nothing with
// it: a position dragged a moment before, not yet written, is in the file.
TEST_F(RealWindow, ADisplayThatGoesLeavesTheDraggedPosition) {
    write_ini(100, 100);
    start();
    drag(160, 160, 50, 30);  // ends less than the rest after which a moved clock is written
    const CInit before = read_settings(dir / kSettingsFile);
    kill(xvfb, SIGKILL);
    wait_exit(xvfb, 3000ms);
    xvfb = -1;
    ASSERT_TRUE(wait_exit(clock, 5000ms)) << "the clock outlived its display";
    clock = -1;
    EXPECT_EQ(std::make_pair(before.left, before.top), std::make_pair(100, 100));
    const CInit after = read_settings(dir / kSettingsFile);
    EXPECT_EQ(std::make_pair(after.left, after.top), std::make_pair(150, 130));
}

namespace {

// A second local account, made for the test; nothing when the test cannot make one.
std::optional<std::pair<uid_t, gid_t>> other_account() {
    constexpr const char* kName = "orbalis-other";
    if (::geteuid() != 0) return std::nullopt;
    if (getpwnam(kName) == nullptr &&
        std::system((std::string("useradd --system --no-create-home --shell /usr/sbin/nologin ") + kName +
                     " >/dev/null 2>&1").c_str()) != 0)
        return std::nullopt;
    const passwd* pw = getpwnam(kName);
    if (pw == nullptr) return std::nullopt;
    return std::pair{pw->pw_uid, pw->pw_gid};
}

// The other account squats `path` as a listening socket (in a folder of its own open to
// all), a plain file or a folder, and counts the connections it is offered on `report`.
pid_t squat(const std::pair<uid_t, gid_t>& account, const std::string& how, const fs::path& path,
            const std::string& guard, int report) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (setgid(account.second) != 0 || setuid(account.first) != 0) _exit(1);
    if (how == "file") {
        std::ofstream(path) << "squatted";
        ::chmod(path.c_str(), 0666);
        pause();
    }
    ::mkdir(path.c_str(), how == "folder" ? 0700 : 0777);
    ::chmod(path.c_str(), how == "folder" ? 0700 : 0777);
    if (how == "folder") pause();
    std::vector<int> listeners;
    for (const std::string& name : {path.string() + "/" + guard + ".sock"}) {
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        std::strncpy(a.sun_path, name.c_str(), sizeof a.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && ::listen(fd, 8) == 0) listeners.push_back(fd);
    }
    for (;;) {
        for (const int fd : listeners) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 50) > 0 && ::accept(fd, nullptr, nullptr) >= 0) [[maybe_unused]]
                auto n = ::write(report, "c", 1);
        }
        if (listeners.empty()) pause();
    }
}

}  // namespace

// Another account that squats the fallback folder of the guard (when the session has no
// runtime folder) as a listening socket, a file or a folder neither stops the clock nor
// lets a second clock run on the same file, and is never talked to.
TEST_F(RealWindow, AnotherAccountCannotSquatTheGuard) {
    const auto account = other_account();
    if (!account) GTEST_SKIP() << "needs root to make a second account";
    const fs::path fallback = "/tmp/orbalis-" + std::to_string(::getuid());
    for (const std::string how : {"socket", "file", "folder"}) {
        SCOPED_TRACE(how);
        fs::remove_all(fallback);
        int report[2];
        ASSERT_EQ(pipe2(report, O_NONBLOCK | O_CLOEXEC), 0);
        const pid_t squatter = helper = squat(
            *account, how, fallback, guard_name((dir / "config" / "orbalis" / kSettingsFile).string()), report[1]);
        ::close(report[1]);
        for (int i = 0; i < 50 && !fs::exists(fallback); ++i) std::this_thread::sleep_for(20ms);
        std::this_thread::sleep_for(100ms);
        const std::vector<std::string> no_runtime = {"XDG_RUNTIME_DIR"};  // putenv of a bare name unsets it
        clock = spawn({ORBALIS_BINARY}, dir, display, dir / "first.err", no_runtime);
        window = find_window("^Orbalis$");
        ASSERT_FALSE(window.empty()) << file_text(dir / "first.err");
        const pid_t second = spawn({ORBALIS_BINARY}, dir, display, dir / "second.err", no_runtime);
        int status = -1;
        ASSERT_TRUE(wait_exit(second, 5000ms, &status)) << "a second clock runs on the same file";
        EXPECT_NE(file_text(dir / "second.err").find("already running"), std::string::npos);
        EXPECT_EQ(visible_clocks(), 1);
        stop();
        char got[16];
        EXPECT_LE(::read(report[0], got, sizeof got), 0) << "the other account's socket was talked to";
        ::close(report[0]);
        kill(squatter, SIGKILL);
        wait_exit(squatter, 2000ms);
    }
    fs::remove_all(fallback);
}

// Two clocks started at the same moment on one file: exactly one runs, the other raises it.
TEST_F(RealWindow, SimultaneousStartsLeaveOneClockEach) {
    constexpr int kPairs = 20;
    std::vector<std::array<pid_t, 2>> pairs;
    for (int i = 0; i < kPairs; ++i) {
        const std::string n = std::to_string(i);
        const std::string file = (dir / ("pair" + n + ".ini")).string();
        pairs.push_back({spawn({ORBALIS_BINARY, "--settings", file}, dir, display, dir / ("a" + n)),
                         spawn({ORBALIS_BINARY, "--settings", file}, dir, display, dir / ("b" + n))});
    }
    // Every second start ends within its wait for the first; no first start ends.
    std::vector<std::array<bool, 2>> ended(kPairs, {false, false});
    int exits = 0;
    const auto deadline = std::chrono::steady_clock::now() + 15s;
    while (std::chrono::steady_clock::now() < deadline && exits < kPairs) {
        for (int i = 0; i < kPairs; ++i)
            for (int k = 0; k < 2; ++k) {
                int status = -1;
                if (ended[i][k] || waitpid(pairs[i][k], &status, WNOHANG) != pairs[i][k]) continue;
                ended[i][k] = true;
                ++exits;
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "pair " << i << " status " << status;
            }
        std::this_thread::sleep_for(50ms);
    }
    std::this_thread::sleep_for(1s);
    int running = 0;
    for (int i = 0; i < kPairs; ++i) {
        int alive = 0;
        for (int k = 0; k < 2; ++k) alive += !ended[i][k] && waitpid(pairs[i][k], nullptr, WNOHANG) == 0;
        EXPECT_EQ(alive, 1) << "pair " << i;
        running += alive;
    }
    EXPECT_EQ(running, kPairs);
    for (int i = 0; i < kPairs; ++i)
        for (int k = 0; k < 2; ++k)
            if (!ended[i][k]) kill(pairs[i][k], SIGTERM);
    for (int i = 0; i < kPairs; ++i)
        for (int k = 0; k < 2; ++k)
            if (!ended[i][k]) wait_exit(pairs[i][k], 5000ms);
}

// Without a file in the working directory the settings go to the configuration folder,
// made on the first save; --settings names another file.
TEST_F(RealWindow, SettingsLocation) {
    start();
    stop();
    EXPECT_EQ(fs::file_size(dir / "config" / "orbalis" / kSettingsFile), 52u);
    EXPECT_FALSE(fs::exists(dir / kSettingsFile));
    const fs::path named = dir / "elsewhere" / "mine.ini";
    start({ORBALIS_BINARY, "--settings", named.string()});
    stop();
    EXPECT_EQ(fs::file_size(named), 52u);
}

namespace {

// Runs a shell command; returns its exit status and what it printed.
std::pair<int, std::string> run_with_status(const std::string& cmd) {
    std::string out;
    std::FILE* p = popen(cmd.c_str(), "r");
    char buf[512];
    while (p != nullptr && std::fgets(buf, sizeof buf, p) != nullptr) out += buf;
    const int status = p != nullptr ? pclose(p) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// Runs the binary with no display.
std::pair<int, std::string> run_without_display(const std::string& args) {
    return run_with_status(
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_CONFIG_HOME LC_ALL=C HOME=/nonexistent " +
        std::string(ORBALIS_BINARY) + " " + args + " 2>&1");
}

}  // namespace

TEST(CommandLine, WorksWithoutADisplay) {
    const auto started = std::chrono::steady_clock::now();
    auto [rc, out] = run_without_display("");
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1000ms);
    EXPECT_EQ(rc, 1);
    EXPECT_EQ(out, "orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)\n");
    std::tie(rc, out) = run_without_display("--help");
    EXPECT_EQ(rc, 0);
    EXPECT_NE(out.find("--settings FILE"), std::string::npos) << out;
    EXPECT_NE(out.find("/nonexistent/.config/orbalis/orbalis.ini"), std::string::npos) << out;
    std::tie(rc, out) = run_without_display("--version");
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(out, "orbalis 1.0\n");
    std::tie(rc, out) = run_without_display("--frobnicate");
    EXPECT_EQ(rc, 2);
    EXPECT_NE(out.find("--frobnicate"), std::string::npos) << out;
    std::tie(rc, out) = run_without_display("'--x\x1b[2J\ny'");  // control bytes are not passed to the terminal
    EXPECT_EQ(rc, 2);
    EXPECT_NE(out.find("unknown option --x?[2J?y"), std::string::npos) << out;
    std::tie(rc, out) = run_without_display("--settings");
    EXPECT_EQ(rc, 2);
}

namespace {

// The clock's command line at a place and a computer zone, in a scratch folder of its own.
struct Almanac {
    fs::path dir = fs::temp_directory_path() / ("orbalis-almanac-" + std::to_string(getpid()));
    std::string computer_zone;

    Almanac(double lat, double lon, double height, const std::string& zone, const std::string& computer)
        : computer_zone(computer) {
        fs::create_directories(dir);
        CInit s{};
        default_settings(s);
        s.south = lat < 0;
        s.west = lon < 0;
        const auto minutes = [](double deg) { return static_cast<int>(std::lround(std::fabs(deg) * 60)); };
        s.lat_deg = static_cast<std::int16_t>(minutes(lat) / 60);
        s.lat_min = static_cast<std::int16_t>(minutes(lat) % 60);
        s.lon_deg = static_cast<std::int16_t>(minutes(lon) / 60);
        s.lon_min = static_cast<std::int16_t>(minutes(lon) % 60);
        derive_angles(s);
        s.height = height;
        s.tz_hours = 0;
        EXPECT_TRUE(save_settings(s, (dir / "orbalis.ini").string()));
        std::ofstream(dir / "orbalis.conf") << "[clock]\ndial=24\n[place]\nname=Here\nzone=" << zone << "\n";
    }
    ~Almanac() { fs::remove_all(dir); }

    std::pair<int, std::string> run(const std::string& args, bool with_errors = false) const {
        return run_with_status("env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C TZ=" + computer_zone +
                               " HOME=" + dir.string() + " " + ORBALIS_BINARY + " --settings " +
                               (dir / "orbalis.ini").string() + " " + args + (with_errors ? " 2>&1" : " 2>/dev/null"));
    }
};

// "2027-01-15T11:33:20+01:00" as the tooltip tells it: "2027-01-15 11:33".
std::string told(const QJsonValue& iso) {
    const std::string s = iso.toString().toStdString();
    if (s.size() < 16) return "?";
    return s.substr(0, 10) + " " + s.substr(11, 5);
}

}  // namespace

// --print and --json for the same moment say the same, with no display, in a place whose
// zone is not the computer's: a polar night and day, a day without a moonrise, eclipses.
TEST(CommandLine, AlmanacAsTextAndJson) {
    const struct {
        double lat, lon, height;
        const char* zone;
        const char* at;
        const char* sun;   // the polar state said in JSON, or null
        const char* line;  // a line of the text that says it
    } rows[] = {
        {69.65, 18.95, 10, "Europe/Oslo", "2026-12-21 12:00", "down_all_day", "Sun down all day: rises "},
        {69.65, 18.95, 10, "Europe/Oslo", "2027-06-21 12:00", "up_all_day", "Sun up all day: sets "},
        {51.5074, -0.1278, 25, "Europe/London", "2027-06-10 13:00", nullptr,
         "No moonrise in the next 24 h: 2027-06-11 13:0"},
        {-33.87, 151.21, 20, "Australia/Sydney", "2028-07-21 20:00", nullptr, "Total solar eclipse 2028-07-22 14:0"},
        // A minute before today's sunrise: tomorrow's, a little earlier, follows with its date.
        {52.52, 13.4, 34, "Europe/Berlin", "2027-03-20 06:08", nullptr, "\nSunrise 06:09\n"},
        {52.52, 13.4, 34, "Europe/Berlin", "2027-03-20 06:08", nullptr, "\nSunrise 2027-03-21 06:07\n"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.zone) + " " + r.at);
        const Almanac here(r.lat, r.lon, r.height, r.zone, "America/New_York");
        const auto [text_rc, text] = here.run(std::string("--print --at '") + r.at + "'");
        const auto [json_rc, json] = here.run(std::string("--json --at '") + r.at + "'");
        ASSERT_EQ(text_rc, 0);
        ASSERT_EQ(json_rc, 0);
        QJsonParseError error{};
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
        EXPECT_EQ(o["place"]["zone"].toString().toStdString(), r.zone);
        EXPECT_NEAR(o["place"]["latitude"].toDouble(), r.lat, 1.0 / 60);
        EXPECT_EQ(told(o["moment"]["local"]), r.at);
        EXPECT_NE(text.find(r.line), std::string::npos) << text;
        EXPECT_EQ(o["polar"]["sun"].toString().toStdString(), r.sun ? r.sun : "");
        EXPECT_NE(text.find("\nTimes at " + std::string(r.zone) + "\n"), std::string::npos) << text;
        constexpr std::pair<const char*, const char*> kEvents[] = {
            {"sunrise", "Sunrise"}, {"sunset", "Sunset"}, {"twilight_begin", "Astronomical twilight begins"},
            {"twilight_end", "Astronomical twilight ends"}, {"moonrise", "Moonrise"}, {"moonset", "Moonset"}};
        for (const QJsonValue e : o["events"].toArray()) {
            for (const auto& [kind, name] : kEvents)
                if (e["kind"].toString() == kind) {  // its time, or its date and time when not today's
                    const std::string line = std::string("\n") + name + " " + told(e["local"]).substr(11) + "\n";
                    const std::string dated = std::string("\n") + name + " " + told(e["local"]) + "\n";
                    EXPECT_TRUE(text.find(line) != std::string::npos || text.find(dated) != std::string::npos)
                        << line << text;
                }
        }
        // The text tells each body's first event to come; "next" is in time order.
        for (const char* body : {"sun", "moon"}) {
            for (const QJsonValue e : o["polar"]["next"].toArray()) {
                if (!e["kind"].toString().startsWith(QLatin1String(body))) continue;
                EXPECT_NE(text.find(told(e["local"])), std::string::npos) << text;
                break;
            }
        }
        for (const QJsonValue p : o["phases"].toArray()) EXPECT_NE(text.find(told(p["local"])), std::string::npos);
        // The searches beyond the day: each said in the text as in the JSON.
        for (const QJsonValue e : o["events"].toArray()) {
            if (e["kind"].toString().startsWith(QLatin1String("twilight"))) {
                EXPECT_EQ(e["depression_deg"].toInt(), 18);
            }
        }
        for (const char* band : {"golden_hour", "blue_hour"}) {
            for (const QJsonValue b : o[band].toArray()) {
                if (!b["begin_local"].isString() || !b["end_local"].isString()) continue;
                EXPECT_NE(text.find(told(b["begin_local"]).substr(11) + "\u2013" + told(b["end_local"]).substr(11)),
                          std::string::npos) << band << "\n" << text;
            }
        }
        const QJsonValue season = o["seasons"].toArray().first();
        EXPECT_NE(text.find(told(season["local"])), std::string::npos) << text;
        for (const QJsonValue a : o["apsides"].toArray())
            EXPECT_NE(text.find(told(a["local"])), std::string::npos) << text;
        EXPECT_TRUE(o["day_length"]["seconds"].isDouble() || (r.sun != nullptr)) << json;
        EXPECT_TRUE(o["moon"]["phase_name"].isString());
        EXPECT_NEAR(o["moon"]["distance_km"].toDouble(), 385000, 30000);
        // The text gives the age in tenths of a day; the JSON the age itself.
        double shown_age = NAN;
        int lit = -1;
        const auto moon_line = text.rfind("\nMoon ", text.find(" days old, "));
        ASSERT_NE(moon_line, std::string::npos) << text;
        ASSERT_EQ(std::sscanf(text.c_str() + moon_line, "\nMoon %lf days old, %d%% lit", &shown_age, &lit), 2) << text;
        EXPECT_NEAR(shown_age, o["moon"]["age_days"].toDouble(), 0.1) << text;
        EXPECT_EQ(lit, std::lround(o["moon"]["lit_fraction"].toDouble() * 100)) << text;
        const QJsonObject lunar = o["lunar_eclipse"].toObject(), solar = o["solar_eclipse"].toObject();
        ASSERT_FALSE(lunar.isEmpty());
        EXPECT_NE(text.find(" lunar eclipse " + told(lunar["peak_local"])), std::string::npos) << text;
        EXPECT_EQ(lunar["moon_up"].toBool(), text.find("Moon up here") != std::string::npos);
        if (!solar.isEmpty()) {
            EXPECT_NE(text.find(" solar eclipse " + told(solar["peak_local"]) + ", "), std::string::npos) << text;
            EXPECT_NE(text.find(told(solar["begin_local"]).substr(11) + " to " + told(solar["end_local"]).substr(11)),
                      std::string::npos) << text;
        }
    }
    // A computer zone named in bytes that are not UTF-8 still gives a JSON document.
    const Almanac odd(35, 135, 0, "", "\"$(printf 'Asia/\\377Tokyo')\"");
    const auto [rc, json] = odd.run("--json");
    QJsonParseError error{};
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
    EXPECT_EQ(o["place"]["zone"].toString(), QStringLiteral("Asia/\uFFFDTokyo")) << json;
}

// A first start (no settings file) computes for the place of the computer's zone, the one it
// names: the coming events are those of a settings file made for that place by hand.
TEST(CommandLine, AFirstStartComputesWhereItSays) {
    const struct {
        const char* computer_zone;
        double lat, lon, height;
        const char* name;  // null: no place, the defaults
    } rows[] = {
        {"UTC", 35, 135, 0, nullptr},
        {"Etc/GMT-3", 35, 135, 0, nullptr},
        {"Asia/Kolkata", 22 + 34 / 60.0, 88 + 22 / 60.0, 11, "Kolkata, India"},
        {"America/New_York", 40 + 43 / 60.0, -74, 10, "New York City, United States"},
    };
    const auto events = [](const std::string& json) {
        std::vector<std::string> out;
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
        for (const QJsonValue e : o["events"].toArray())
            out.push_back(e["kind"].toString().toStdString() + " " + e["utc"].toString().toStdString());
        return std::pair(o["place"].toObject(), out);
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.computer_zone);
        const Almanac by_hand(r.lat, r.lon, r.height, "", r.computer_zone);
        const fs::path none = by_hand.dir / "first" / "orbalis.ini";
        const auto [rc, first] =
            run_with_status("env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C TZ=" + std::string(r.computer_zone) +
                            " HOME=" + by_hand.dir.string() + " " + ORBALIS_BINARY +
                            " --json --at 2027-01-15T12:00Z --settings " + none.string());
        ASSERT_EQ(rc, 0);
        EXPECT_FALSE(fs::exists(none));  // nothing written
        const auto [place, first_events] = events(first);
        EXPECT_NEAR(place["latitude"].toDouble(), r.lat, 1e-4);  // printed to four decimals
        EXPECT_NEAR(place["longitude"].toDouble(), r.lon, 1e-4);
        EXPECT_EQ(place["name"].toString().toStdString(), r.name ? r.name : "");
        EXPECT_EQ(place["chosen"].toString().toStdString(), r.name ? "time zone" : "by hand");
        ASSERT_FALSE(first_events.empty()) << first;
        EXPECT_EQ(first_events, events(by_hand.run("--json --at 2027-01-15T12:00Z").second).second);
        const auto [text_rc, text] =
            run_with_status("env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C TZ=" + std::string(r.computer_zone) + " HOME=" +
                            by_hand.dir.string() + " " + ORBALIS_BINARY + " --print --settings " + none.string());
        EXPECT_EQ(text.rfind(std::string(r.name ? r.name : "") + " \u2014 from your time zone", 0) == 0,
                  r.name != nullptr)
            << text;
    }
    // With TZ unset the computer's own zone (/etc/localtime) is the one named.
    const fs::path dir = fs::temp_directory_path() / ("orbalis-unset-" + std::to_string(getpid()));
    const std::string machine = [] {
        const char* tz = std::getenv("TZ");
        const std::string kept = tz != nullptr ? tz : "";
        unsetenv("TZ");
        const std::string name = computer_zone_name();
        if (tz != nullptr) setenv("TZ", kept.c_str(), 1);
        return name;
    }();
    const auto first_start = [&dir](const std::string& tz) {
        return run_with_status("env -u DISPLAY -u WAYLAND_DISPLAY " + tz + " LC_ALL=C HOME=" + dir.string() + " " +
                               ORBALIS_BINARY + " --json --at 2027-01-15T12:00Z --settings " +
                               (dir / "none.ini").string())
            .second;
    };
    const std::string unset = first_start("-u TZ");
    EXPECT_NE(unset.find("\"events\""), std::string::npos) << unset;
    if (!machine.empty()) {
        EXPECT_EQ(unset, first_start("TZ=" + machine)) << machine;
    } else {
        EXPECT_NE(unset.find("\"latitude\": 35.0000, \"longitude\": 135.0000"), std::string::npos) << unset;
    }
}

// A settings path that cannot be checked (a link that loops, a name too long) gives the
// defaults with a one-line note, and the almanac is printed: never an abort.
TEST(CommandLine, APathThatCannotBeCheckedIsSaidNotFatal) {
    const fs::path dir = fs::temp_directory_path() / ("orbalis-paths-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::create_symlink(dir / "loop.ini", dir / "loop.ini");
    for (const std::string& path : {(dir / "loop.ini").string(), (dir / std::string(300, 'n')).string() + ".ini"}) {
        const auto [rc, out] = run_with_status("env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C HOME=" + dir.string() + " " +
                                               ORBALIS_BINARY + " --print --settings " + path + " 2>&1");
        EXPECT_EQ(rc, 0) << out;
        EXPECT_EQ(out.rfind("orbalis: " + path + ": ", 0), 0u) << out;
        EXPECT_NE(out.find("\nMoon "), std::string::npos) << out;
    }
    fs::remove_all(dir);
}

TEST(CommandLine, AMomentThatIsNotOneIsRefused) {
    const Almanac here(52.52, 13.4, 34, "Europe/Berlin", "Europe/Berlin");
    for (const char* at : {"2027-02-29 12:00", "2027-13-01 00:00", "2027-01-01 24:00", "tomorrow", "2027-1-1 1:00",
                           "0000-01-01 00:00", "2027-01-01 12:00 extra"}) {
        const auto [rc, out] = here.run(std::string("--json --at '") + at + "'", true);
        EXPECT_EQ(rc, 2) << at;
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
        EXPECT_NE(out.find(at), std::string::npos) << out;
    }
    // A time that a change to summer time skips, and the last day of the years told.
    for (const char* at : {"2027-03-28 02:30", "9999-12-31 23:59", "0001-01-01 00:00"})
        EXPECT_EQ(here.run(std::string("--print --at '") + at + "'").first, 0) << at;
}

// The command line in the user's language: the almanac, an error and the help in German,
// Russian and Japanese, with the locale's times and decimal sign; --json stays as it is.
TEST(CommandLine, InTheUsersLanguage) {
    const fs::path dir = fs::temp_directory_path() / ("orbalis-language-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const auto in = [&dir](const std::string& locale, const std::string& args) {
        return run_with_status("env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=" + locale + " TZ=Europe/Berlin HOME=" +
                               dir.string() + " " + ORBALIS_BINARY + " " + args + " 2>&1")
            .second;
    };
    const std::string at = " --at '2026-12-09 08:00'";
    const struct {
        const char* locale;
        const char *almanac_line, *moon_age, *help, *error;
    } rows[] = {
        {"de_DE.UTF-8", "\nSonnenaufgang 08:04\n", "Mond 0,2 Tage alt", "Aufruf: orbalis", "unbekannte Option --loud"},
        {"ru_RU.UTF-8", "\nВосход солнца 08:04\n", "Луне 0,2 дня", "Использование: orbalis",
         "неизвестный параметр --loud"},
        {"ja_JP.UTF-8", "\n日の出 8:04\n", "月齢 0.2 日", "使い方: orbalis", "不明なオプション --loud"},
        {"C", "\nSunrise 8:04 am\n", "Moon 0.2 days old", "Usage: orbalis", "unknown option --loud"},
    };
    for (const auto& r : rows) {
        const std::string text = in(r.locale, "--print" + at);
        EXPECT_NE(text.find(r.almanac_line), std::string::npos) << r.locale << "\n" << text;
        EXPECT_NE(text.find(r.moon_age), std::string::npos) << r.locale << "\n" << text;
        EXPECT_EQ(in(r.locale, "--help").rfind(r.help, 0), 0u) << r.locale;
        EXPECT_NE(in(r.locale, "--loud").find(r.error), std::string::npos) << r.locale;
        const std::string json = in(r.locale, "--json" + at);
        EXPECT_NE(json.find("\"kind\": \"sunrise\", \"local\": \"2026-12-09T08:04"), std::string::npos) << json;
        EXPECT_NE(json.find("\"lit_fraction\": 0.0"), std::string::npos) << json;
    }
    fs::remove_all(dir);
}

// Resting the pointer on the face shows the day at a glance in a tooltip window.
TEST_F(RealWindow, HoverShowsTheDayAtAGlance) {
    write_ini(100, 100);
    start();
    auto tooltips = [this] {
        int n = 0;
        std::istringstream ids(x("xdotool search --onlyvisible --classname orbalis"));
        for (std::string id; ids >> id;)
            n += x("xprop -id " + id + " _NET_WM_WINDOW_TYPE").find("_NET_WM_WINDOW_TYPE_TOOLTIP") != std::string::npos;
        return n;
    };
    EXPECT_EQ(tooltips(), 0);
    x("xdotool mousemove 160 160");
    std::this_thread::sleep_for(300ms);
    x("xdotool mousemove 162 161");
    int shown = 0;
    for (int i = 0; i < 30 && shown == 0; ++i) {
        std::this_thread::sleep_for(100ms);
        shown = tooltips();
    }
    EXPECT_EQ(shown, 1);
    stop();
}

// Xfce's window manager, at the clock's first start: on the workspace in view and on every
// other, as xfwm4 grants it only to a window that asks to be sticky before it is mapped.
TEST_F(RealWindow, UnderXfwm4OnEveryWorkspace) {
    // xfwm4 reads its settings over a session bus: one of the test's own, ended with it.
    const std::string bus = "DBUS_SESSION_BUS_ADDRESS=unix:path=" + (dir / "bus").string();
    helper = spawn({"dbus-daemon", "--session", "--nofork", "--address=" + bus.substr(bus.find('=') + 1)}, dir, display,
                   dir / "dbus.err");
    for (int i = 0; i < 50 && !fs::exists(dir / "bus"); ++i) std::this_thread::sleep_for(50ms);
    window_manager = spawn({"xfwm4", "--compositor=off"}, dir, display, dir / "xfwm4.err", {"NO_AT_BRIDGE=1", bus});
    for (int i = 0; i < 50 && x("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") == std::string::npos; ++i)
        std::this_thread::sleep_for(100ms);
    if (x("xprop -root _NET_NUMBER_OF_DESKTOPS").find("= ") == std::string::npos)
        GTEST_SKIP() << "xfwm4 did not start: " << file_text(dir / "xfwm4.err");
    start();  // no settings file: a first start
    EXPECT_EQ(x("xdotool get_desktop"), "0\n");
    EXPECT_NE(x("xprop -id " + window + " _NET_WM_STATE").find("_NET_WM_STATE_STICKY"), std::string::npos);
    EXPECT_NE(x("xprop -id " + window + " _NET_WM_DESKTOP").find("4294967295"), std::string::npos);
    for (const char* desktop : {"2", "0"}) {
        x(std::string("xdotool set_desktop ") + desktop);
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(visible_clocks(), 1) << "on workspace " << desktop;
    }
    stop();
}

// Under a window manager (openbox): a gadget on every workspace, out of the taskbar and the
// pager, moved by the window manager, with its menu and exit on the keyboard.
TEST_F(RealWindow, UnderAWindowManager) {
    window_manager = spawn({"openbox", "--sm-disable"}, dir, display, dir / "openbox.err");
    for (int i = 0; i < 50 && x("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") == std::string::npos; ++i)
        std::this_thread::sleep_for(100ms);
    write_ini(200, 150);
    start();
    const std::string state = x("xprop -id " + window + " _NET_WM_STATE");
    for (const char* s : {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"})
        EXPECT_NE(state.find(s), std::string::npos) << state;
    EXPECT_NE(x("xprop -id " + window + " _NET_WM_DESKTOP").find("4294967295"), std::string::npos);
    // The saved position is the user's, which a window manager must honour.
    EXPECT_NE(x("xprop -id " + window + " WM_NORMAL_HINTS").find("user specified location"), std::string::npos);

    drag(260, 210, 70, 50);
    const std::string info = x("xwininfo -id " + window);
    int wx = -1, wy = -1;
    std::sscanf(info.c_str() + info.find("Absolute upper-left X:"), "Absolute upper-left X: %d", &wx);
    std::sscanf(info.c_str() + info.find("Absolute upper-left Y:"), "Absolute upper-left Y: %d", &wy);
    EXPECT_EQ(std::make_pair(wx, wy), std::make_pair(270, 200));
    // A middle-button drag moves the clock and ends on the release (openbox's own move
    // begun with that button never ended).
    drag(330, 260, 40, 30, 2);
    EXPECT_EQ(position(), std::make_pair(310, 230));
    x("xdotool mousemove 600 450");
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(position(), std::make_pair(310, 230)) << "the clock still follows the pointer";
    drag(370, 290, -40, -30, 2);
    EXPECT_EQ(position(), std::make_pair(270, 200));

    // The menu is the one other window of the clock's.
    auto menus = [this] {
        int n = 0;
        std::istringstream ids(x("xdotool search --onlyvisible --classname orbalis"));
        for (std::string id; ids >> id;) n += id != window;
        return n;
    };
    x("xdotool mousemove 700 550");  // no tooltip in the way
    x("xdotool windowactivate --sync " + window);
    x("xdotool key Menu");
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(menus(), 1);
    x("xdotool key Escape");
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(menus(), 0);
    x("xdotool windowactivate --sync " + window + " key shift+F10");
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(menus(), 1);
    x("xdotool key Escape");
    std::this_thread::sleep_for(300ms);

    // A window manager that drops the clock's states while its dialog is open (mutter
    // does): they are asked for again when the dialog closes, even by Cancel.
    x("xdotool windowactivate --sync " + window + " key Menu");
    std::this_thread::sleep_for(400ms);
    x("xdotool key i");
    const std::string dialog = find_window("^Orbalis Options & More Infomations[.]$");
    ASSERT_FALSE(dialog.empty());
    x("wmctrl -i -r " + window + " -b remove,above,sticky");
    x("wmctrl -i -r " + window + " -b remove,skip_taskbar,skip_pager");
    x("wmctrl -i -r " + window + " -t 0");
    std::this_thread::sleep_for(300ms);
    ASSERT_EQ(x("xprop -id " + window + " _NET_WM_STATE").find("_NET_WM_STATE_ABOVE"), std::string::npos);
    x("xdotool windowactivate --sync " + dialog + " key Escape");
    std::this_thread::sleep_for(600ms);
    const std::string after = x("xprop -id " + window + " _NET_WM_STATE");
    for (const char* s : {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"})
        EXPECT_NE(after.find(s), std::string::npos) << after;
    EXPECT_NE(x("xprop -id " + window + " _NET_WM_DESKTOP").find("4294967295"), std::string::npos);

    x("xdotool windowactivate --sync " + window + " key ctrl+q");
    ASSERT_TRUE(wait_exit(clock, 5000ms));
    clock = -1;
    const CInit s = read_settings(dir / kSettingsFile);
    EXPECT_EQ(std::make_pair(s.left, s.top), std::make_pair(wx, wy));
}

namespace {

// An image as 8-bit RGB, read through ImageMagick's binary PPM.
struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    std::array<int, 3> at(int px, int py) const {
        const std::size_t i = 3 * (static_cast<std::size_t>(py) * width + px);
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

Picture read_picture(const fs::path& png) {
    const fs::path ppm = fs::path(png).replace_extension(".ppm");
    Picture p;
    if (std::system(("convert " + png.string() + " -depth 8 " + ppm.string()).c_str()) != 0) return p;
    std::ifstream f(ppm, std::ios::binary);
    std::string magic;
    int max = 0;
    f >> magic >> p.width >> p.height >> max;
    f.get();
    p.rgb.resize(3 * static_cast<std::size_t>(p.width) * p.height);
    f.read(reinterpret_cast<char*>(p.rgb.data()), static_cast<std::streamsize>(p.rgb.size()));
    if (magic != "P6" || max != 255 || !f) p = {};
    return p;
}

}  // namespace

// Native Wayland under weston's headless compositor: the clock starts, runs, ends on
// SIGTERM and leaves the saved position as it was (a Wayland client cannot learn where it
// is); the face is round, its corners transparent.
namespace {

// The clock started through weston's Xwayland on a desktop shot before and after.
struct XwaylandResult {
    bool shown = false;
    int depth = 0;
    std::pair<int, int> seen{-1, -1}, saved{-2, -2};
    std::vector<std::pair<std::array<int, 3>, std::array<int, 3>>> corners;  // desktop before, with the clock
    std::string log;
};

// A screenshot of weston's output (tried three times: the shooter sometimes gets none).
fs::path weston_shot(const fs::path& dir, const std::vector<std::string>& env, const std::string& name) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        wait_exit(spawn({"weston-screenshooter"}, dir, "", dir / "shooter.err", env), 5000ms);
        for (int look = 0; look < 10; ++look) {
            for (const auto& e : fs::directory_iterator(dir))
                if (e.path().filename().string().rfind("wayland-screenshot", 0) == 0) {
                    fs::rename(e.path(), dir / name);
                    return dir / name;
                }
            std::this_thread::sleep_for(100ms);
        }
    }
    return {};
}

XwaylandResult run_through_xwayland(const fs::path& dir, const std::vector<std::string>& env) {
    XwaylandResult r;
    const std::string log = file_text(dir / "weston.log");
    const auto at = log.find("xserver listening on display ");
    if (at == std::string::npos) {
        r.log = "weston has no Xwayland: " + log;
        return r;
    }
    const std::string display = log.substr(at + 29, log.find('\n', at) - at - 29);
    const fs::path desktop = weston_shot(dir, env, "desktop.png");
    const Picture before = desktop.empty() ? Picture{} : read_picture(desktop);
    const fs::path home = dir / "x";
    fs::create_directories(home);
    const pid_t clock = spawn({ORBALIS_BINARY}, home, display, dir / "xclock.err", env);
    const auto x = [&display](const std::string& cmd) {
        return run("DISPLAY=" + display + " " + cmd + " 2>/dev/null");
    };
    std::string id;
    for (int i = 0; i < 100 && id.empty(); ++i) {
        std::this_thread::sleep_for(100ms);
        id = x("xdotool search --onlyvisible --name '^Orbalis$'");
    }
    r.shown = !id.empty();
    if (r.shown) {
        id = id.substr(0, id.find('\n'));
        std::this_thread::sleep_for(2500ms);  // past the clock's look at where it was placed
        const std::string info = x("xwininfo -id " + id);
        std::sscanf(info.c_str() + info.find("Absolute upper-left X:"), "Absolute upper-left X: %d", &r.seen.first);
        std::sscanf(info.c_str() + info.find("Absolute upper-left Y:"), "Absolute upper-left Y: %d", &r.seen.second);
        std::sscanf(info.c_str() + info.find("Depth:"), "Depth: %d", &r.depth);
        const fs::path shot = weston_shot(dir, env, "xwayland.png");
        const Picture after = shot.empty() ? Picture{} : read_picture(shot);
        constexpr int kIn = 2, kFar = 117;  // just inside the 120 px window's corners
        for (const auto& [dx, dy] : {std::pair{kIn, kIn}, {kFar, kIn}, {kIn, kFar}, {kFar, kFar}}) {
            const int px = r.seen.first + dx, py = r.seen.second + dy;
            if (px < after.width && py < after.height && px < before.width && py < before.height)
                r.corners.push_back({before.at(px, py), after.at(px, py)});
        }
    }
    kill(clock, SIGTERM);
    if (!wait_exit(clock, 5000ms)) kill(clock, SIGKILL);
    const CInit s = read_settings(home / "config" / "orbalis" / kSettingsFile);
    r.saved = {s.left, s.top};
    r.log = file_text(dir / "xclock.err");
    return r;
}

}  // namespace

TEST(Wayland, NativeClockKeepsThePositionAndIsRound) {
    const fs::path dir = fs::temp_directory_path() / ("orbalis_wayland_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "runtime");
    fs::permissions(dir / "runtime", fs::perms::owner_all);
    const std::string socket = "wayland-orbalis-" + std::to_string(getpid());
    const std::vector<std::string> env = {"XDG_RUNTIME_DIR=" + (dir / "runtime").string(), "WAYLAND_DISPLAY=" + socket};
    const pid_t weston = spawn({"weston", "--backend=headless-backend.so", "--socket=" + socket, "--width=640",
                                "--height=480", "--use-pixman", "--debug", "--idle-time=0", "--xwayland"},
                               dir, "", dir / "weston.log", env);
    for (int i = 0; i < 50 && !fs::exists(dir / "runtime" / socket); ++i) std::this_thread::sleep_for(100ms);
    if (!fs::exists(dir / "runtime" / socket)) {
        kill(weston, SIGKILL);
        wait_exit(weston, 2000ms);
        GTEST_SKIP() << "weston could not start: " << file_text(dir / "weston.log");
    }
    CInit s{};
    default_settings(s);
    s.left = 250;
    s.top = 130;
    ASSERT_TRUE(save_settings(s, (dir / kSettingsFile).string()));
    std::vector<std::string> clock_env = env;
    clock_env.push_back("QT_QPA_PLATFORM=wayland");
    const pid_t clock = spawn({ORBALIS_BINARY}, dir, "", dir / "clock.err", clock_env);
    std::this_thread::sleep_for(4s);
    const fs::path native_shot = weston_shot(dir, env, "native.png");
    std::this_thread::sleep_for(6s);
    kill(clock, SIGTERM);
    int status = -1;
    const bool ended = wait_exit(clock, 5000ms, &status);
    if (!ended) kill(clock, SIGKILL);
    const XwaylandResult through_xwayland = run_through_xwayland(dir, env);
    kill(weston, SIGTERM);
    wait_exit(weston, 3000ms);
    ASSERT_TRUE(ended) << file_text(dir / "clock.err");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << " " << file_text(dir / "clock.err");
    EXPECT_EQ(fs::file_size(dir / kSettingsFile), 52u);
    const CInit after = read_settings(dir / kSettingsFile);
    EXPECT_EQ(after.left, 250);
    EXPECT_EQ(after.top, 130);

    const fs::path& shot = native_shot;
    if (shot.empty()) {
        std::printf("no screenshot from weston: %s\n", file_text(dir / "shooter.err").c_str());
    } else {
        // The face's blue disc bounds it; just inside the window's corners is the desktop.
        const Picture p = read_picture(shot);
        ASSERT_GT(p.width, 0);
        int x0 = p.width, y0 = p.height, x1 = -1, y1 = -1;
        for (int py = 0; py < p.height; ++py)
            for (int px = 0; px < p.width; ++px)
                if (p.at(px, py) == std::array<int, 3>{0, 0, 255}) {
                    x0 = std::min(x0, px), y0 = std::min(y0, py), x1 = std::max(x1, px), y1 = std::max(y1, py);
                }
        ASSERT_GE(x1 - x0, 100) << "no face in " << shot;
        for (const auto& [cx, cy] : {std::pair{x0 + 2, y0 + 2}, {x1 - 2, y0 + 2}, {x0 + 2, y1 - 2}, {x1 - 2, y1 - 2}})
            EXPECT_NE(p.at(cx, cy), (std::array<int, 3>{0, 0, 0})) << cx << "," << cy;
    }
    // Through weston's Xwayland, which ignores X window shapes: a transparent window
    // (depth 32) drawn round, the desktop at its corners (only darkened by weston's shadow,
    // never the window's light background), and at exit the place it was shown at.
    EXPECT_EQ(through_xwayland.depth, 32) << through_xwayland.log;
    ASSERT_TRUE(through_xwayland.shown) << through_xwayland.log;
    if (through_xwayland.corners.size() != 4) std::printf("no screenshots from weston: corners not checked\n");
    for (const auto& [before, after] : through_xwayland.corners)
        for (int ch = 0; ch < 3; ++ch) EXPECT_LE(after[ch], before[ch] + 8) << "a corner is painted over";
    EXPECT_EQ(through_xwayland.saved, through_xwayland.seen);
    if (!HasFailure()) fs::remove_all(dir);
}

namespace {

// sway's headless compositor with its Xwayland, run as an unprivileged user when the tests
// run as root (sway refuses root), with a pointer of the compositor's own: xdotool's events
// reach only Xwayland, never the compositor, which alone moves windows there.
class UnderSway : public testing::Test {
protected:
    static constexpr uid_t kUnprivileged = 65534;  // nobody
    static constexpr int kWidth = 800, kHeight = 600;

    void SetUp() override {
        if (run("command -v sway && command -v grim && echo both").find("both") == std::string::npos ||
            !fs::exists(VPOINTER_BINARY))
            GTEST_SKIP() << "sway, grim or the test pointer is missing";
        dir = fs::temp_directory_path() /
              ("orbalis_sway_" + std::to_string(getpid()) + "_" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "runtime");
        fs::permissions(dir, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        fs::permissions(dir / "runtime", fs::perms::owner_all);
        std::ofstream(dir / "sway.conf") << "xwayland force\n"
                                         << "output HEADLESS-1 resolution " << kWidth << "x" << kHeight
                                         << " position 0,0\n"
                                         << "exec sh -c 'echo \"$DISPLAY $WAYLAND_DISPLAY $SWAYSOCK\" > "
                                         << (dir / "env").string() << "'\n";
        // The pointer runs as the session's user, who may not reach into the build folder
        // (a checkout in a private temporary folder): a copy of it in the session's.
        fs::copy_file(VPOINTER_BINARY, dir / "vpointer");
        if (geteuid() == 0) {
            ASSERT_EQ(std::system(("chown -R " + std::to_string(kUnprivileged) + " " + dir.string()).c_str()), 0);
            as_user = {"setpriv", "--reuid=" + std::to_string(kUnprivileged),
                       "--regid=" + std::to_string(kUnprivileged), "--clear-groups"};
        }
        sway = spawn(with_user({"sway", "-c", (dir / "sway.conf").string()}), dir, "", dir / "sway.log",
                     {"WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1", "WLR_RENDERER=pixman"});
        for (int i = 0; i < 100 && file_text(dir / "env").empty(); ++i) std::this_thread::sleep_for(100ms);
        std::istringstream env(file_text(dir / "env"));
        env >> display >> wayland >> swaysock;
        if (swaysock.empty()) GTEST_SKIP() << "sway could not start: " << file_text(dir / "sway.log");
    }
    void TearDown() override {
        for (pid_t p : {clock, sway})
            if (p > 0) {
                kill(p, SIGTERM);
                if (!wait_exit(p, 3000ms)) kill(p, SIGKILL), wait_exit(p, 2000ms);
            }
        if (!HasFailure()) fs::remove_all(dir);
    }
    std::vector<std::string> with_user(std::vector<std::string> args) const {
        args.insert(args.begin(), as_user.begin(), as_user.end());
        return args;
    }
    // A command of the user's session, as its own desktop would run it.
    std::string session(const std::string& cmd) const {
        std::string line;
        for (const std::string& a : as_user) line += a + " ";
        return run(line + "env XDG_RUNTIME_DIR=" + (dir / "runtime").string() + " WAYLAND_DISPLAY=" + wayland +
                   " DISPLAY=" + display + " SWAYSOCK=" + swaysock + " " + cmd + " 2>/dev/null");
    }
    void start_clock(const std::vector<std::string>& env) {
        clock = spawn(with_user({ORBALIS_BINARY}), dir, display, dir / "clock.err", env);
        for (int i = 0; i < 100 && !where(); ++i) std::this_thread::sleep_for(100ms);
        ASSERT_TRUE(where()) << file_text(dir / "clock.err");
        std::this_thread::sleep_for(2500ms);  // past the clock's look at where it was placed
    }
    // The clock's window as sway has it: its top left and whether it came through Xwayland.
    std::optional<std::pair<int, int>> where(const QString& title = QStringLiteral("Orbalis"),
                                             bool* xwayland = nullptr) {
        const QJsonDocument tree =
            QJsonDocument::fromJson(QByteArray::fromStdString(session("swaymsg -r -t get_tree")));
        std::vector<QJsonObject> todo = {tree.object()};
        while (!todo.empty()) {
            const QJsonObject node = todo.back();
            todo.pop_back();
            if (node.value("name").toString() == title && node.contains("shell")) {
                if (xwayland != nullptr) *xwayland = node.value("shell").toString() == "xwayland";
                const QJsonObject r = node.value("rect").toObject();
                return std::pair{r.value("x").toInt(), r.value("y").toInt()};
            }
            for (const char* kids : {"nodes", "floating_nodes"})
                for (const QJsonValue& k : node.value(kids).toArray()) todo.push_back(k.toObject());
        }
        return std::nullopt;
    }
    void pointer(const std::string& steps) {
        session((dir / "vpointer").string() + " " + std::to_string(kWidth) + " " + std::to_string(kHeight) + " " +
                steps);
    }
    void drag(int button, int dx, int dy) {
        const auto [left, top] = where().value_or(std::pair{0, 0});
        const std::string b = std::to_string(button);
        pointer("move " + std::to_string(left + 60) + " " + std::to_string(top + 60) + " wait 200 press " + b +
                " wait 200 move " + std::to_string(left + 60 + dx / 2) + " " + std::to_string(top + 60 + dy / 2) +
                " wait 200 move " + std::to_string(left + 60 + dx) + " " + std::to_string(top + 60 + dy) +
                " wait 200 release " + b + " wait 300");
    }
    Picture shot() {
        const fs::path png = dir / "shot.png";
        fs::remove(png);
        session("grim " + png.string());
        return read_picture(png);
    }
    // Within a pixel of where it should be: the pointer's place on the layout is a fraction
    // of its size, which sway rounds.
    static bool near(std::optional<std::pair<int, int>> seen, std::pair<int, int> wanted) {
        return seen && std::abs(seen->first - wanted.first) <= 1 && std::abs(seen->second - wanted.second) <= 1;
    }
    // Drags with the left and the middle button, again and again, each moving the clock by
    // as much as the pointer moved and leaving it where it was let go; after them the menu
    // opens beside the pointer, its Info item opens the dialog, which closes as the desktop
    // closes a window, and the clock still drags.
    void drags_menu_and_dialog() {
        std::pair<int, int> expected = where().value();
        for (const auto& [button, dx, dy] : {std::tuple{1, 40, 30}, {2, -20, 50}, {1, 60, -10}, {2, 30, 20}}) {
            drag(button, dx, dy);
            expected = {expected.first + dx, expected.second + dy};
            EXPECT_TRUE(near(where(), expected)) << "button " << button;
            expected = where().value_or(expected);  // the next drag goes on from where this one was let go
        }
        pointer("move 20 20 wait 300");
        EXPECT_EQ(where(), expected) << "the clock still follows the pointer";

        // The menu opens right of and below the pointer; its Info item is the first below
        // a separator line.
        const int mx = expected.first + 60, my = expected.second + 60;
        pointer("move " + std::to_string(mx) + " " + std::to_string(my) +
                " wait 200 press 3 wait 50 release 3 wait 700");
        const Picture p = shot();
        ASSERT_GT(p.width, mx + 6) << "no screenshot";
        const auto background = p.at(mx + 6, my + 3);
        EXPECT_GT(background[0] + background[1] + background[2], 3 * 200) << "no menu beside the clock";
        int line = my + 4;
        while (line < p.height - 1 && p.at(mx + 6, line) == background) ++line;
        pointer("move " + std::to_string(mx + 40) + " " + std::to_string(line + 12) +
                " wait 200 press 1 wait 50 release 1");
        const QString title = QStringLiteral("Orbalis Options & More Infomations.");
        for (int i = 0; i < 30 && !where(title); ++i) std::this_thread::sleep_for(100ms);
        EXPECT_TRUE(where(title)) << "no dialog";
        session("swaymsg '[title=\"^Orbalis Options\"]' kill");
        for (int i = 0; i < 30 && where(title); ++i) std::this_thread::sleep_for(100ms);
        EXPECT_FALSE(where(title)) << "the dialog did not close";
        drag(1, -40, -40);
        EXPECT_TRUE(near(where(), {expected.first - 40, expected.second - 40})) << "no drag after the dialog";
    }

    fs::path dir;
    std::vector<std::string> as_user;
    std::string display, wayland, swaysock;
    pid_t sway = -1, clock = -1;
};

}  // namespace

TEST_F(UnderSway, ThroughXwaylandEveryDragMenuAndDialog) {
    start_clock({"WAYLAND_DISPLAY=" + wayland});  // both displays, as a sway session has them
    bool xwayland = false;
    where(QStringLiteral("Orbalis"), &xwayland);
    EXPECT_TRUE(xwayland);
    drags_menu_and_dialog();
}

TEST_F(UnderSway, NativelyEveryDragMenuAndDialog) {
    start_clock({"WAYLAND_DISPLAY=" + wayland, "QT_QPA_PLATFORM=wayland"});
    drags_menu_and_dialog();
}
