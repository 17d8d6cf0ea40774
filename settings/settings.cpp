#include "settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

namespace {

constexpr std::int16_t kDefaultLatDeg = 35;
constexpr std::int16_t kDefaultLonDeg = 135;
constexpr double kDefaultTimeZone = 9.0;

bool in_range(std::int16_t v, int lo, int hi) { return v >= lo && v <= hi; }

constexpr mode_t kPrivateMode = 0600;  // the record is the user's location
constexpr int kTemporaryNameTries = 16;
constexpr const char* kTemporaryInfix = ".tmp-";
constexpr std::size_t kTemporaryNameLength = 8;  // random letters after the infix

// Writes the whole block; the errno of the failing call when it cannot.
int write_all(int fd, const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;  // a regular file that takes nothing has no room left
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

SaveOutcome failure(const char* step, int error) {
    SaveOutcome out;
    out.error = std::string(step) + ": " + std::strerror(error);
    return out;
}

std::string folder_of(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The read and write permissions of the user's own file, else the private mode: a mode is
// never taken from another user's file, nor made wider than it was.
mode_t mode_to_keep(const std::string& path) {
    constexpr mode_t kReadWrite = 0666;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid()) return st.st_mode & kReadWrite;
    return kPrivateMode;
}

// A new file of a unique name beside `path`, created exclusively: never an existing file
// or a link planted under the name. Returns the descriptor, or -1 with errno set.
int create_temporary(const std::string& path, std::string& name) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        name = path + kTemporaryInfix;
        for (std::size_t i = 0; i < kTemporaryNameLength; ++i) name += kLetters[pick(random)];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kPrivateMode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Temporary files a killed save left behind (their names are unique, so none is ever
// reused): removed once they are old enough that no save can still be writing them.
void remove_stale_temporaries(const std::string& path) {
    namespace fs = std::filesystem;
    constexpr auto kStaleAfter = std::chrono::minutes(1);
    const std::string prefix = fs::path(path).filename().string() + kTemporaryInfix;
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder_of(path), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + kTemporaryNameLength || name.compare(0, prefix.size(), prefix) != 0) continue;
        std::error_code e;
        if (it->is_regular_file(e) && !it->is_symlink(e) && now - it->last_write_time(e) > kStaleAfter && !e)
            fs::remove(it->path(), e);
    }
}

// The rename is on disk only once the folder is.
void flush_folder(const std::string& path) {
    const int fd = ::open(folder_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Reads one whole record from a regular file; anything else (missing, short, a FIFO, a
// device, a folder) reads as nothing, without waiting for a writer. `note` says why
// something that is there was not read.
bool read_record(const std::string& path, unsigned char (&block)[kSettingsSize], std::string& note) {
    if (const std::string why = not_the_users(path); !why.empty()) {
        note = why + "; using the default settings";
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // A file that is not there is no fault; one that is there but cannot be read is said.
        if (errno != ENOENT) note = path + ": " + std::strerror(errno) + "; using the default settings";
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid()) {
        note = path + (S_ISREG(st.st_mode) ? " belongs to another user" : " is not a regular file") +
               "; using the default settings";
        ::close(fd);
        return false;
    }
    std::size_t got = 0;
    while (got < kSettingsSize) {
        const ssize_t n = ::read(fd, block + got, kSettingsSize - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return got == kSettingsSize;
}

// Fields outside their valid ranges take their defaults.
void sanitize_settings(CInit& s) {
    if (!in_range(s.lat_deg, 0, kMaxLatDeg)) s.lat_deg = kDefaultLatDeg;
    if (!in_range(s.lat_min, 0, kMaxArcMinutes)) s.lat_min = 0;
    if (!in_range(s.lon_deg, 0, kMaxLonDeg)) s.lon_deg = kDefaultLonDeg;
    if (!in_range(s.lon_min, 0, kMaxArcMinutes)) s.lon_min = 0;
    drop_minutes_at_the_limits(s);
    if (!std::isfinite(s.tz_hours) || s.tz_hours < kMinTimeZone || s.tz_hours > kMaxTimeZone)
        s.tz_hours = kDefaultTimeZone;
    if (!std::isfinite(s.height) || s.height < kMinHeight || s.height > kMaxHeight) s.height = 0.0;
}

}  // namespace

std::string xdg_folder(const char* variable, const char* home, const char* usual) {
    if (variable != nullptr && variable[0] == '/') return variable;
    return std::string(home != nullptr ? home : "") + "/" + usual;
}

// The folder of the file and those above it, made when missing (the first save into the
// configuration folder). Returns the errno of a failing step, 0 when the folder is there.
int make_private_folders(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT) return errno;
    const std::string parent = folder_of(folder);
    if (parent != folder) {
        if (const int e = make_private_folders(parent); e != 0) return e;
    }
    constexpr mode_t kFolderMode = 0700;
    return ::mkdir(folder.c_str(), kFolderMode) == 0 || errno == EEXIST ? 0 : errno;
}

std::string config_home(const char* xdg_config_home, const char* home) {
    return xdg_folder(xdg_config_home, home, ".config");
}

std::string default_settings_location(const char* xdg_config_home, const char* home, std::string& note) {
    struct stat link {}, target {};
    if (::lstat(kSettingsFile, &link) == 0) {
        if (::stat(kSettingsFile, &target) == 0 && not_the_users(kSettingsFile).empty()) return kSettingsFile;
        note = std::string(kSettingsFile) + " in the working directory belongs to another user; not using it";
    }
    return usual_settings_path(xdg_config_home, home);
}

std::string usual_settings_path(const char* xdg_config_home, const char* home) {
    return config_home(xdg_config_home, home) + "/" + kSettingsFolder + "/" + kSettingsFile;
}

void default_settings(CInit& s) {
    s.left = 0;
    s.top = 0;
    s.south = 0;
    s.west = 0;
    s.lat_deg = kDefaultLatDeg;
    s.lat_min = 0;
    s.lon_deg = kDefaultLonDeg;
    s.lon_min = 0;
    s.height = 0.0;
    s.tz_hours = kDefaultTimeZone;
}

void drop_minutes_at_the_limits(CInit& s) {
    if (s.lat_deg >= kMaxLatDeg) s.lat_min = 0;
    if (s.lon_deg >= kMaxLonDeg) s.lon_min = 0;
}

void derive_angles(CInit& s) {
    const double lat = s.lat_deg + s.lat_min / 60.0;
    const double lon = s.lon_deg + s.lon_min / 60.0;
    s.latitude = s.south ? -lat : lat;
    s.longitude = s.west ? -lon : lon;
}

std::string load_settings(CInit& s, const std::string& path) {
    unsigned char block[kSettingsSize];
    std::string note;
    if (read_record(path, block, note)) {
        std::memcpy(&s, block, kSettingsSize);
        sanitize_settings(s);
    } else {
        default_settings(s);
    }
    derive_angles(s);
    return note;
}

SaveOutcome save_settings(const CInit& s, const std::string& path) { return save_file(path, &s, kSettingsSize); }

std::string not_the_users(const std::string& path) {
    const uid_t me = ::getuid();
    struct stat link {}, target {};
    if (::lstat(path.c_str(), &link) != 0) return {};  // nothing there; a path that cannot be checked fails later
    if (!S_ISLNK(link.st_mode)) return link.st_uid == me ? std::string() : path + " belongs to another user";
    if (link.st_uid != me) return path + " is a link made by another user";
    if (::stat(path.c_str(), &target) != 0) return {};
    return target.st_uid == me ? std::string() : path + " links to another user's file";
}

std::string save_target(const std::string& path) {
    struct stat link {}, target {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode) || link.st_uid != ::getuid()) return path;
    if (::stat(path.c_str(), &target) != 0 || !S_ISREG(target.st_mode) || target.st_uid != ::getuid()) return path;
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    return resolved != nullptr ? std::string(resolved.get()) : path;
}

SaveOutcome can_save(const std::string& path) {
    if (std::string why = not_the_users(path); !why.empty()) return {false, why};
    const std::string target = save_target(path);
    if (const int e = make_private_folders(folder_of(target)); e != 0) return failure("folder", e);
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return failure("rename", EISDIR);
    std::string tmp;
    const int fd = create_temporary(target, tmp);
    if (fd < 0) return failure("create", errno);
    ::close(fd);
    ::unlink(tmp.c_str());
    SaveOutcome out;
    out.saved = true;
    return out;
}

// The temporary stays private until it holds the whole record; only then does it take
// the mode the file had.
SaveOutcome save_file(const std::string& link_or_path, const void* data, std::size_t size) {
    if (std::string why = not_the_users(link_or_path); !why.empty()) return {false, why + "; not replaced"};
    const std::string path = save_target(link_or_path);
    if (const int e = make_private_folders(folder_of(path)); e != 0) return failure("folder", e);
    const mode_t mode = mode_to_keep(path);
    std::string tmp;
    const int fd = create_temporary(path, tmp);
    if (fd < 0) return failure("create", errno);
    int error = write_all(fd, data, size);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(tmp.c_str());
        return failure("write", error);
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        error = errno;
        ::unlink(tmp.c_str());
        return failure("rename", error);
    }
    flush_folder(path);
    remove_stale_temporaries(path);
    SaveOutcome out;
    out.saved = true;
    return out;
}

std::string shortest_decimal(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    return std::string(buf, r.ptr);
}

std::optional<double> parse_decimal(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+' && end - begin > 1 && begin[1] != '-' && begin[1] != '+') ++begin;
    double v = 0;
    const auto r = std::from_chars(begin, end, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v)) return std::nullopt;
    return v;
}
