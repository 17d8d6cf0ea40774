// One clock per settings file. The first clock on a file holds an exclusive lock on a file
// in a folder only its user can write to and listens on a socket beside it; a later start
// on the same file finds the lock taken, asks the first clock to come to the front and
// exits.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <sys/types.h>

// A descriptor closed with its owner.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : fd(fd) {}
    Fd(Fd&& o) noexcept : fd(std::exchange(o.fd, -1)) {}
    Fd& operator=(Fd&& o) noexcept;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd();
    int get() const { return fd; }
    explicit operator bool() const { return fd >= 0; }

private:
    int fd = -1;
};

// Why `folder` cannot hold the guard (empty when it can): it must be a folder, not a link,
// owned by `uid`, with no access for group or others.
std::string private_folder_fault(const std::string& folder, uid_t uid);

// The folder for the guard: $XDG_RUNTIME_DIR when it is private to the user, else
// /tmp/orbalis-<uid>, else orbalis in the user's cache folder (each made private when
// missing and checked). Nothing when none will do; `why` then says what was wrong.
std::optional<std::string> guard_folder(const char* xdg_runtime_dir, const char* xdg_cache_home, const char* home,
                                        std::string& why);

// The guard's name for a settings file: from its canonical path as bytes, so a file
// reached through a linked folder has one name, and two names that differ only in bytes
// that are not UTF-8 have two.
std::string guard_name(const std::string& settings_file);

class SingleClock : public QObject {
    Q_OBJECT

public:
    enum class Role {
        kOnly,       // the lock is ours: this clock runs and answers later starts
        kSecond,     // another clock holds the lock
        kUnguarded,  // no private folder: the clock runs without the guard
    };

    // Takes the lock for `settings_file` in `folder` (no folder: unguarded).
    SingleClock(const std::optional<std::string>& folder, const std::string& settings_file);
    ~SingleClock() override;

    Role role() const { return role_; }

    // For kSecond: asks the running clock to come to the front. False when it does not
    // answer within a few seconds, or the socket is not its user's.
    bool raise_running_clock() const;

    // For kOnly: listens for later starts; raise_requested() is sent for each.
    // False (the clock runs on, only the hand-over is lost) when the socket cannot be made.
    bool serve();

signals:
    void raise_requested();

private:
    void answer();

    Role role_ = Role::kUnguarded;
    std::string socket_path;
    Fd folder_fd;  // reaches a socket path too long for an address
    Fd lock;
    Fd listener;
    std::unique_ptr<QSocketNotifier> notifier;
};
