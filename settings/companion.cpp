#include "companion.h"

#include <fcntl.h>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kMostBytes = 64 * 1024;  // a companion file is a few lines

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The file's bytes, when it is a regular file of a sensible size (never a FIFO waited on).
std::string read_small_file(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {};
    struct stat st {};
    std::string out;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) <= kMostBytes) {
        char buf[4096];
        for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0 && out.size() <= kMostBytes;)
            out.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return out;
}

bool valid_name(const std::string& s) {
    return !s.empty() && s.find_first_of("[]=\n\r") == std::string::npos;
}

}  // namespace

std::string Companion::path_beside(const std::string& settings_path) {
    const auto slash = settings_path.rfind('/');
    return slash == std::string::npos ? kCompanionFile : settings_path.substr(0, slash + 1) + kCompanionFile;
}

Companion Companion::load(const std::string& path) {
    Companion c;
    const std::string bytes = read_small_file(path);
    std::string section;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = trimmed(bytes.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = trimmed(line.substr(1, line.size() - 2));
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos || section.empty()) continue;  // an odd line is skipped
        c.set(section, trimmed(line.substr(0, eq)), trimmed(line.substr(eq + 1)));
    }
    return c;
}

bool Companion::holds_value(const std::string& value) { return value.find_first_of("\n\r") == std::string::npos; }

std::string Companion::get(const std::string& section, const std::string& key) const {
    for (const auto& [name, keys] : sections)
        if (name == section)
            for (const auto& [k, v] : keys)
                if (k == key) return v;
    return {};
}

void Companion::set(const std::string& section, const std::string& key, const std::string& value) {
    if (!valid_name(section) || !valid_name(key) || !holds_value(value)) return;
    auto s = std::find_if(sections.begin(), sections.end(), [&](const auto& e) { return e.first == section; });
    if (s == sections.end()) s = sections.insert(sections.end(), {section, {}});
    for (auto& [k, v] : s->second)
        if (k == key) {
            v = value;
            return;
        }
    s->second.emplace_back(key, value);
}

std::string Companion::text() const {
    std::string out;
    for (const auto& [name, keys] : sections) {
        if (!out.empty()) out += '\n';
        out += "[" + name + "]\n";
        for (const auto& [k, v] : keys) out += k + "=" + v + "\n";
    }
    return out;
}

SaveOutcome Companion::save(const std::string& path) const {
    const std::string bytes = text();
    return save_file(path, bytes.data(), bytes.size());
}
