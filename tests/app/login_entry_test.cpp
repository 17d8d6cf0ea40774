// The login entry for binaries and settings files in folders of every awkward name, read
// back by the freedesktop.org Desktop Entry rules and started by a real launcher.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "login_entry.h"

namespace fs = std::filesystem;

namespace {

// The Exec value as a launcher reads it: the string escapes, then the quoting, then "%%".
std::vector<std::string> exec_argv(const std::string& value) {
    std::string s;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            s += value[i];
            continue;
        }
        const char n = value[++i];
        s += n == 's' ? ' ' : n == 'n' ? '\n' : n == 't' ? '\t' : n == 'r' ? '\r' : n;
    }
    std::vector<std::string> args;
    std::string arg;
    bool quoted = false, started = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (quoted && c == '\\' && i + 1 < s.size() && std::strchr("\"`$\\", s[i + 1]) != nullptr) {
            arg += s[++i];
        } else if (c == '"') {
            quoted = !quoted;
            started = true;
        } else if (c == ' ' && !quoted) {
            if (started) args.push_back(arg);
            arg.clear();
            started = false;
        } else {
            EXPECT_TRUE(quoted || std::strchr("\t\n\"'\\><~|&;$*?#()`", c) == nullptr) << "unquoted " << c;
            arg += c;
            started = true;
        }
    }
    if (started) args.push_back(arg);
    for (std::string& a : args) {
        std::string plain;
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_TRUE(a[i] != '%' || (i + 1 < a.size() && a[i + 1] == '%')) << "a field code in " << a;
            plain += a[i];
            if (a[i] == '%') ++i;
        }
        a = plain;
    }
    return args;
}

std::string exec_value(const std::string& entry) {
    const auto at = entry.find("\nExec=");
    return at == std::string::npos ? "" : entry.substr(at + 6, entry.find('\n', at + 6) - at - 6);
}

std::string read_all(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// A stand-in for the clock that writes its arguments, NUL-separated, beside itself.
void plant_recorder(const fs::path& binary) {
    fs::create_directories(binary.parent_path());
    std::ofstream(binary) << "#!/bin/sh\nprintf '%s\\0' \"$0\" \"$@\" > \"$(dirname \"$0\")/../argv\"\n";
    fs::permissions(binary, fs::perms::owner_all);
}

std::vector<std::string> recorded(const fs::path& file) {
    for (int i = 0; i < 100 && !fs::exists(file); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::vector<std::string> args;
    const std::string all = read_all(file);
    for (std::size_t at = 0; at < all.size();) {
        const std::size_t end = all.find('\0', at);
        args.push_back(all.substr(at, end - at));
        at = end + 1;
    }
    return args;
}

}  // namespace

TEST(LoginEntry, EveryFolderNameComesBackExactly) {
    const fs::path root = fs::temp_directory_path() / ("orbalis_login_" + std::to_string(::getpid()));
    fs::remove_all(root);
    const char* const folders[] = {"plain",   "my apps",  "it's",       "say \"hi\"", "back\\slash", "tab\\s",
                                   "%c",      "%f and %", "100%%",      "$HOME",      "`id`",        "a(b);c|d&e",
                                   "~x#y*?<>", "Zürich",  "new\nline",  "tab\there",  "x\nExec=touch PWNED"};
    int n = 0;
    for (const std::string folder : folders) {
        SCOPED_TRACE(folder);
        const fs::path case_root = root / std::to_string(n++);
        const std::string binary = (case_root / folder / "orbalis").string();
        const std::string settings = "/home/u/" + folder + "/orbalis.ini";
        std::string why;
        const std::optional<std::string> entry = autostart_entry(binary, settings, why);
        if (folder.find_first_of("\n\t%") != std::string::npos) {
            EXPECT_FALSE(entry.has_value());
            EXPECT_NE(why.find(folder.find('%') != std::string::npos ? "holds a %" : "control character"),
                      std::string::npos) << why;
            continue;
        }
        ASSERT_TRUE(entry.has_value()) << why;
        EXPECT_EQ(exec_argv(exec_value(*entry)), (std::vector<std::string>{binary, "--settings", settings}));
        fs::create_directories(case_root);
        const fs::path file = case_root / "orbalis.desktop";
        std::ofstream(file) << *entry;
        EXPECT_EQ(std::system(("desktop-file-validate '" + file.string() + "'").c_str()), 0);
        plant_recorder(binary);
        ASSERT_EQ(std::system(("gio launch '" + file.string() + "' >/dev/null 2>&1").c_str()), 0);
        EXPECT_EQ(recorded(case_root / folder / ".." / "argv"),
                  (std::vector<std::string>{binary, "--settings", settings}));
    }
    EXPECT_FALSE(fs::exists("PWNED"));
    std::string why;
    EXPECT_FALSE(autostart_entry("/opt/\xff\xfe/orbalis", "", why).has_value());
    EXPECT_NE(why.find("UTF-8"), std::string::npos);
    EXPECT_EQ(exec_value(*autostart_entry("/usr/bin/orbalis", "", why)), "/usr/bin/orbalis");
    if (!HasFailure()) fs::remove_all(root);
}
