#include "single_clock.h"

#include <QCryptographicHash>
#include <fcntl.h>
#include <pwd.h>
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

std::vector<GuardFolder> guard_folders(uid_t uid, const std::string& account_home, const std::string& run_root,
                                       const std::string& tmp_root) {
    std::vector<GuardFolder> folders = {{run_root + "/" + std::to_string(uid), false},
                                        {tmp_root + "/orbalis-" + std::to_string(uid), true}};
    if (!account_home.empty() && account_home[0] == '/') folders.push_back({account_home + "/.cache/orbalis", true});
    return folders;
}

std::string account_home(uid_t uid) {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr)
        return {};
    return found->pw_dir;
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

SingleClock::SingleClock(const std::vector<GuardFolder>& folders, const std::string& settings_file) {
    const std::string name = guard_name(settings_file);
    for (const GuardFolder& folder : folders) {
        const std::string fault = lock_in(folder, name);
        if (fault.empty()) return;
        why += (why.empty() ? "" : "; ") + fault;
    }
}

// The folder is checked again through the descriptor the guard then works in, so it
// cannot be swapped between the check and the use.
std::string SingleClock::lock_in(const GuardFolder& folder, const std::string& name) {
    if (folder.make_when_missing) {
        if (const std::string fault = made_private(folder.path); !fault.empty()) return fault;
    }
    if (std::string fault = private_folder_fault(folder.path, ::getuid()); !fault.empty()) return fault;
    Fd at(::open(folder.path.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (!at || ::fstat(at.get(), &st) != 0 || st.st_uid != ::getuid() || (st.st_mode & 077) != 0)
        return folder.path + " changed while it was checked";
    const std::string lock_name = name + ".lock";
    Fd fd(::openat(at.get(), lock_name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, kPrivateFileMode));
    if (!fd) return folder.path + "/" + lock_name + ": " + errno_text(errno);
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid())
        return folder.path + "/" + lock_name + " is not the user's own file";
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
        role_ = Role::kOnly;
        lock = std::move(fd);
    } else if (errno == EWOULDBLOCK) {
        role_ = Role::kSecond;
    } else {
        return folder.path + "/" + lock_name + ": " + errno_text(errno);
    }
    socket_path = folder.path + "/" + name + kSocketSuffix;
    folder_fd = std::move(at);
    return {};
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
