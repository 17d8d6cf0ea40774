#include "single_clock.h"

#include <QCryptographicHash>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "settings.h"

namespace {

constexpr mode_t kPrivateFileMode = 0600;
constexpr char kNamePrefix[] = "orbalis-";
constexpr int kNameHexDigits = 24;  // 96 bits of the path's SHA-256
constexpr char kSocketSuffix[] = ".sock";
constexpr std::size_t kSocketPathMax = sizeof(sockaddr_un{}.sun_path) - 1;
constexpr auto kAnswerWait = std::chrono::seconds(3);  // a first clock may still be starting
constexpr auto kRetryPause = std::chrono::milliseconds(20);
constexpr char kRaise[] = "raise\n";

std::string errno_text(int e) { return std::strerror(e); }

// A folder made private when it is missing; one that is there is left as it is (and checked).
std::string made_private(const std::string& folder) {
    const int e = make_private_folders(folder);
    return e == 0 ? std::string() : folder + ": " + errno_text(e);
}

std::optional<uid_t> peer_uid(int fd) {
    ucred cred{};
    socklen_t size = sizeof cred;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &size) != 0) return std::nullopt;
    return cred.uid;
}

// A socket path longer than an address holds (a deep home folder) is reached through the
// folder's descriptor.
std::string reachable(const std::string& path, const Fd& folder) {
    if (path.size() <= kSocketPathMax || !folder) return path;
    return "/proc/self/fd/" + std::to_string(folder.get()) + path.substr(path.rfind('/'));
}

bool socket_address(const std::string& path, sockaddr_un& address) {
    if (path.size() > kSocketPathMax) return false;
    address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

// The user's own socket at `path`, connected; nothing while no one listens there.
Fd connect_to(const std::string& path, const Fd& folder) {
    sockaddr_un address{};
    if (!socket_address(reachable(path, folder), address)) return {};
    // Never waits: a listener that does not accept (a clock that hangs, or one that is not
    // ours) fills its backlog, and a blocking connect would then wait for ever.
    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd || ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return {};
    if (peer_uid(fd.get()) != ::getuid()) return {};
    return fd;
}

}  // namespace

Fd& Fd::operator=(Fd&& o) noexcept {
    if (this != &o) {
        if (fd >= 0) ::close(fd);
        fd = std::exchange(o.fd, -1);
    }
    return *this;
}

Fd::~Fd() {
    if (fd >= 0) ::close(fd);
}

std::string private_folder_fault(const std::string& folder, uid_t uid) {
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) return folder + ": " + errno_text(errno);
    if (S_ISLNK(st.st_mode)) return folder + " is a link";
    if (!S_ISDIR(st.st_mode)) return folder + " is not a folder";
    if (st.st_uid != uid) return folder + " belongs to another user";
    if ((st.st_mode & 077) != 0) return folder + " is open to other users";
    return {};
}

std::optional<std::string> guard_folder(const char* xdg_runtime_dir, const char* xdg_cache_home, const char* home,
                                        std::string& why) {
    const uid_t uid = ::getuid();
    const auto usable = [&](const std::string& folder) {
        const std::string fault = private_folder_fault(folder, uid);
        if (!fault.empty()) why += (why.empty() ? "" : "; ") + fault;
        return fault.empty();
    };
    if (xdg_runtime_dir != nullptr && xdg_runtime_dir[0] == '/' && usable(xdg_runtime_dir)) return xdg_runtime_dir;
    const std::string in_tmp = "/tmp/orbalis-" + std::to_string(uid);
    if (const std::string fault = made_private(in_tmp); !fault.empty()) why += (why.empty() ? "" : "; ") + fault;
    else if (usable(in_tmp)) return in_tmp;
    const std::string cache = xdg_folder(xdg_cache_home, home, ".cache");
    const std::string in_cache = cache + "/orbalis";
    if (cache[0] != '/') return std::nullopt;
    if (const std::string fault = made_private(in_cache); !fault.empty()) why += (why.empty() ? "" : "; ") + fault;
    else if (usable(in_cache)) return in_cache;
    return std::nullopt;
}

std::string guard_name(const std::string& settings_file) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path path = fs::absolute(settings_file, ec);
    if (!ec) path = fs::weakly_canonical(path, ec);
    if (ec) path = settings_file;
    const std::string& bytes = path.native();
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(kNameHexDigits);
    return kNamePrefix + digest.toStdString();
}

// The folder is checked again through the descriptor the guard then works in, so it
// cannot be swapped between the check and the use.
SingleClock::SingleClock(const std::optional<std::string>& folder, const std::string& settings_file) {
    if (!folder) return;
    const std::string name = guard_name(settings_file);
    socket_path = *folder + "/" + name + kSocketSuffix;
    folder_fd = Fd(::open(folder->c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (!folder_fd || ::fstat(folder_fd.get(), &st) != 0 || st.st_uid != ::getuid() || (st.st_mode & 077) != 0)
        return;
    Fd fd(::openat(folder_fd.get(), (name + ".lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC,
                   kPrivateFileMode));
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid()) return;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
        role_ = Role::kOnly;
        lock = std::move(fd);
    } else if (errno == EWOULDBLOCK) {
        role_ = Role::kSecond;
    }
}

SingleClock::~SingleClock() {
    if (listener) ::unlink(socket_path.c_str());
}

bool SingleClock::raise_running_clock() const {
    const auto end = std::chrono::steady_clock::now() + kAnswerWait;
    do {
        if (const Fd fd = connect_to(socket_path, folder_fd)) {
            // The connection is the request; the words are for a reader of a trace.
            [[maybe_unused]] const ssize_t sent = ::send(fd.get(), kRaise, sizeof kRaise - 1, MSG_NOSIGNAL);
            return true;
        }
        std::this_thread::sleep_for(kRetryPause);
    } while (std::chrono::steady_clock::now() < end);
    return false;
}

// The folder is private and the lock is ours: a socket left by a killed clock is ours to
// replace.
bool SingleClock::serve() {
    sockaddr_un address{};
    if (role_ != Role::kOnly || !socket_address(reachable(socket_path, folder_fd), address)) return false;
    ::unlink(socket_path.c_str());
    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    constexpr int kBacklog = 8;
    if (!fd || ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd.get(), kBacklog) != 0)
        return false;
    listener = std::move(fd);
    notifier = std::make_unique<QSocketNotifier>(listener.get(), QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &SingleClock::answer);
    return true;
}

// Each start of the user's own that connects is a request to come to the front.
void SingleClock::answer() {
    for (;;) {
        const Fd client(::accept4(listener.get(), nullptr, nullptr, SOCK_CLOEXEC));
        if (!client) return;
        if (peer_uid(client.get()) == ::getuid()) emit raise_requested();
    }
}
