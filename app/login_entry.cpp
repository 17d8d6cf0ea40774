#include "login_entry.h"

#include <algorithm>

#include "places.h"

namespace {

// An argument of the Exec key by the freedesktop.org Desktop Entry rules: quoted when it holds a
// reserved character ('"', '`', '$' and '\\' escaped inside the quotes), '%' doubled, then
// every backslash escaped again as the key's value is a string.
std::string exec_argument(const std::string& arg) {
    constexpr const char* kReserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string quoted = arg;
    if (arg.empty() || arg.find_first_of(kReserved) != std::string::npos) {
        quoted.assign(1, '"');
        for (const char c : arg) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
            quoted += c;
        }
        quoted += '"';
    }
    std::string value;
    for (const char c : quoted) {
        if (c == '%') value += "%%";
        else if (c == '\\') value += "\\\\";
        else value += c;
    }
    return value;
}

bool has_control_character(const std::string& s) {
    constexpr unsigned char kFirstPrintable = 0x20, kDelete = 0x7f;
    return std::any_of(s.begin(), s.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < kFirstPrintable || u == kDelete;
    });
}

}  // namespace

std::optional<std::string> autostart_entry(const std::string& binary, const std::string& settings_file,
                                           std::string& why) {
    for (const std::string* path : {&binary, &settings_file}) {
        // GLib looks for the program before it turns "%%" back into "%": it never starts one
        // whose path holds a "%".
        const bool percent = path == &binary && path->find('%') != std::string::npos;
        const char* fault = has_control_character(*path) ? " holds a control character"
                            : !places::is_utf8(*path)     ? " is not UTF-8"
                            : percent                     ? " holds a %, which a login start cannot run"
                                                          : nullptr;
        if (fault != nullptr) {
            why = "the path " + *path + fault;
            return std::nullopt;
        }
    }
    std::string exec = exec_argument(binary);
    if (!settings_file.empty()) exec += " --settings " + exec_argument(settings_file);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Orbalis\n"
           "Comment=Round desktop clock with the Moon's phase, sunrise, sunset and moonrise\n"
           "Exec=" + exec + "\n"
           "Icon=orbalis\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}
