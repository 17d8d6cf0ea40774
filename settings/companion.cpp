#include "companion.h"

#include <fcntl.h>
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kMostBytes = 64 * 1024;  // a companion file is a few lines

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

struct FileBytes {
    bool there = false;
    bool too_big = false;
    std::string not_ours;  // why a file that is there is another user's
    std::string bytes;
};

// The file's bytes, when it is a regular file of the user's of a sensible size (never a FIFO
// waited on, never another user's file or link).
FileBytes read_small_file(const std::string& path) {
    FileBytes out;
    out.not_ours = not_the_users(path);
    out.there = !out.not_ours.empty();
    if (out.there) return out;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return out;
    struct stat st {};
    out.there = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (out.there && st.st_uid != ::getuid()) {
        out.not_ours = path + " belongs to another user";  // swapped in since the check
    } else if (out.there) {
        char buf[4096];
        for (ssize_t n; !out.too_big && (n = ::read(fd, buf, sizeof buf)) > 0;) {
            out.bytes.append(buf, static_cast<std::size_t>(n));
            out.too_big = out.bytes.size() > kMostBytes;
        }
    }
    ::close(fd);
    return out;
}

// Text: no NUL, no control character but the tab, the carriage return and the line feed.
bool is_text(const std::string& bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 && c != '\t' && c != '\r' && c != '\n';
    });
}

bool valid_name(const std::string& s) {
    return !s.empty() && s.find_first_of("[]=\n\r") == std::string::npos;
}

}  // namespace

std::string Companion::path_beside(const std::string& settings_path) {
    constexpr std::string_view kIni = ".ini", kConf = ".conf";
    const std::string_view name(settings_path);
    const bool ini = name.size() > kIni.size() && name.ends_with(kIni) && name[name.size() - kIni.size() - 1] != '/';
    return std::string(ini ? name.substr(0, name.size() - kIni.size()) : name) + std::string(kConf);
}

Companion::Entry Companion::entry_of(const std::string& line, const std::string& section) {
    const std::string t = trimmed(line);
    if (t.empty() || t[0] == '#' || t[0] == ';') return {section, {}, {}};
    if (t.front() == '[' && t.back() == ']') return {trimmed(t.substr(1, t.size() - 2)), {}, {}};
    const auto eq = t.find('=');
    if (eq == std::string::npos) return {section, {}, {}};  // an odd line, kept as it is
    return {section, trimmed(t.substr(0, eq)), trimmed(t.substr(eq + 1))};
}

Companion Companion::load(const std::string& path) {
    Companion c;
    const FileBytes file = read_small_file(path);
    c.found = file.there;
    if (!file.not_ours.empty()) {
        c.why_kept = file.not_ours + "; it is neither read nor written";
        return c;
    }
    if (file.too_big || !is_text(file.bytes)) {
        c.why_kept = path + (file.too_big ? " is larger than a companion file" : " is not text") +
                     "; it is left as it is and choices are not kept in it";
        return c;
    }
    c.final_line_feed = file.bytes.empty() || file.bytes.back() == '\n';
    std::string section;
    for (std::size_t start = 0; start < file.bytes.size();) {
        auto end = file.bytes.find('\n', start);
        if (end == std::string::npos) end = file.bytes.size();
        c.lines.push_back(file.bytes.substr(start, end - start));
        c.entries.push_back(entry_of(c.lines.back(), section));
        section = c.entries.back().section;
        start = end + 1;
    }
    return c;
}

bool Companion::holds_value(const std::string& value) { return value.find_first_of("\n\r") == std::string::npos; }

std::string Companion::get(const std::string& section, const std::string& key) const {
    for (auto e = entries.rbegin(); e != entries.rend(); ++e)
        if (e->section == section && e->key == key) return e->value;
    return {};
}

void Companion::set(const std::string& section, const std::string& key, const std::string& value) {
    if (!valid_name(section) || !valid_name(key) || !holds_value(value)) return;
    const auto put = [&](std::size_t at) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), key + "=" + value);
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), {section, key, value});
    };
    std::optional<std::size_t> last_of_section;
    for (std::size_t i = entries.size(); i-- > 0;) {
        if (entries[i].section != section) continue;
        if (entries[i].key == key) {  // the value in force: changed where it stands
            lines[i] = key + "=" + value;
            entries[i].value = value;
            return;
        }
        // After the section's last key, or its header; not after the blank lines that end it.
        if (!last_of_section && (!entries[i].key.empty() || trimmed(lines[i]).starts_with("[")))
            last_of_section = i;
    }
    if (last_of_section) {
        put(*last_of_section + 1);
        return;
    }
    if (!lines.empty() && !trimmed(lines.back()).empty()) {
        lines.emplace_back();
        entries.push_back({entries.back().section, {}, {}});
    }
    lines.push_back("[" + section + "]");
    entries.push_back({section, {}, {}});
    put(lines.size());
}

std::string Companion::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i > 0 ? "\n" : "") + lines[i];
    return out + (final_line_feed && !lines.empty() ? "\n" : "");
}

SaveOutcome Companion::save(const std::string& path) const {
    if (!why_kept.empty()) return {false, why_kept};
    const std::string bytes = text();
    return save_file(path, bytes.data(), bytes.size());
}
