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
#include <vector>
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

// A folder that may hold the guard; one made by the clock is made private when missing.
struct GuardFolder {
    std::string path;
    bool make_when_missing = false;
};

// The folders tried for the guard, in order, from the user's id alone, so that every start
// of the user's (a session's, su's, cron's, a script's) meets the same lock: the runtime
// folder the system makes for the user (`run_root`/<uid>), then `tmp_root`/orbalis-<uid>,
// then .cache/orbalis in the account's home folder (none when it has no absolute one).
std::vector<GuardFolder> guard_folders(uid_t uid, const std::string& account_home,
                                       const std::string& run_root = "/run/user", const std::string& tmp_root = "/tmp");

// The home folder of the account `uid` as the password database has it, or empty.
std::string account_home(uid_t uid);

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

    // Takes the lock for `settings_file` in the first of `folders` that is private to the
    // user and where the lock can be made; unguarded when none is (why_unguarded() says
    // what was wrong with each).
    SingleClock(const std::vector<GuardFolder>& folders, const std::string& settings_file);
    ~SingleClock() override;

    Role role() const { return role_; }
    const std::string& why_unguarded() const { return why; }

    // For kSecond: asks the running clock to come to the front. False when it does not
    // answer within a few seconds, or the socket is not its user's.
    bool raise_running_clock() const;

    // For kOnly: listens for later starts; raise_requested() is sent for each.
    // False (the clock runs on, only the hand-over is lost) when the socket cannot be made.
    bool serve();

signals:
    void raise_requested();

private:
    // Why the guard cannot be in `folder` (empty when the lock was tried there).
    std::string lock_in(const GuardFolder& folder, const std::string& name);
    void answer();

    std::string why;
    Role role_ = Role::kUnguarded;
    std::string socket_path;
    Fd folder_fd;  // reaches a socket path too long for an address
    Fd lock;
    Fd listener;
    std::unique_ptr<QSocketNotifier> notifier;
};
