// The one-clock guard: its folder must be the user's alone, its name follows the file
// itself, and a second clock on a file finds the first and asks it to the front.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include <QCoreApplication>
#include <filesystem>
#include <fstream>

#include "single_clock.h"

namespace fs = std::filesystem;

namespace {

struct Scratch {
    Scratch() {
        fs::remove_all(root);
        fs::create_directories(root);
    }
    ~Scratch() { fs::remove_all(root); }
    fs::path root = fs::temp_directory_path() / ("orbalis_guard_" + std::to_string(::getpid()));
};

}  // namespace

TEST(SingleClock, OnlyAPrivateFolderHoldsTheGuard) {
    Scratch s;
    const uid_t me = ::getuid();
    const auto folder = [&](const char* name, mode_t mode) {
        fs::create_directories(s.root / name);
        ::chmod((s.root / name).c_str(), mode);
        return (s.root / name).string();
    };
    EXPECT_EQ(private_folder_fault(folder("own", 0700), me), "");
    EXPECT_NE(private_folder_fault(folder("open", 0755), me).find("open to other users"), std::string::npos);
    EXPECT_NE(private_folder_fault(folder("sticky", 01777), me).find("open to other users"), std::string::npos);
    EXPECT_NE(private_folder_fault(folder("group", 0770), me).find("open to other users"), std::string::npos);
    EXPECT_NE(private_folder_fault(folder("own", 0700), me + 1).find("another user"), std::string::npos);
    fs::create_directory_symlink(s.root / "own", s.root / "link");
    EXPECT_NE(private_folder_fault((s.root / "link").string(), me).find("is a link"), std::string::npos);
    std::ofstream(s.root / "file") << "x";
    EXPECT_NE(private_folder_fault((s.root / "file").string(), me).find("not a folder"), std::string::npos);

}

// The folders come from the user's id alone, whatever the environment says; each one that
// will not do is passed over with its reason, and the lock is made in the next.
TEST(SingleClock, TheGuardFolderComesFromTheUserAlone) {
    Scratch s;
    const uid_t me = ::getuid();
    const std::string id = std::to_string(me);
    const auto folders = guard_folders(me, "/home/u", (s.root / "run").string(), (s.root / "tmp").string());
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders[0].path, (s.root / "run" / id).string());
    EXPECT_FALSE(folders[0].make_when_missing);  // the system's to make
    EXPECT_EQ(folders[1].path, (s.root / "tmp" / ("orbalis-" + id)).string());
    EXPECT_EQ(folders[2].path, "/home/u/.cache/orbalis");
    EXPECT_EQ(guard_folders(me, "").size(), 2u);
    EXPECT_EQ(guard_folders(me, "relative").size(), 2u);
    EXPECT_FALSE(account_home(me).empty());

    const std::string file = (s.root / "orbalis.ini").string();
    fs::create_directories(s.root / "tmp");
    const SingleClock no_runtime(guard_folders(me, "", (s.root / "run").string(), (s.root / "tmp").string()), file);
    EXPECT_EQ(no_runtime.role(), SingleClock::Role::kOnly);
    EXPECT_NE(no_runtime.why_unguarded().find((s.root / "run" / id).string()), std::string::npos);
    EXPECT_EQ(private_folder_fault(folders[1].path, me), "");  // made, private

    // A private folder where the lock cannot be made (a folder in the way) is passed over.
    fs::create_directories(s.root / "blocked" / (guard_name(file) + ".lock"));
    ::chmod((s.root / "blocked").c_str(), 0700);
    const SingleClock next({{(s.root / "blocked").string()}, {(s.root / "ok").string(), true}}, file);
    EXPECT_EQ(next.role(), SingleClock::Role::kOnly);
    EXPECT_NE(next.why_unguarded().find("Is a directory"), std::string::npos) << next.why_unguarded();
    const SingleClock none({{(s.root / "missing").string()}}, file);
    EXPECT_EQ(none.role(), SingleClock::Role::kUnguarded);
    EXPECT_NE(none.why_unguarded().find("No such file"), std::string::npos) << none.why_unguarded();
}

TEST(SingleClock, NameFollowsTheFileItself) {
    Scratch s;
    fs::create_directories(s.root / "real");
    fs::create_directory_symlink(s.root / "real", s.root / "linked");
    const std::string direct = (s.root / "real" / "orbalis.ini").string();
    EXPECT_EQ(guard_name((s.root / "linked" / "orbalis.ini").string()), guard_name(direct));
    EXPECT_EQ(guard_name((s.root / "real" / "." / "orbalis.ini").string()), guard_name(direct));
    EXPECT_NE(guard_name((s.root / "real" / "other.ini").string()), guard_name(direct));
    // Names that are not UTF-8 are told apart by their bytes.
    EXPECT_NE(guard_name((s.root / "real" / "\xff.ini").string()), guard_name((s.root / "real" / "\xfe.ini").string()));
    const fs::path cwd = fs::current_path();
    fs::current_path(s.root / "real");
    EXPECT_EQ(guard_name("orbalis.ini"), guard_name(direct));
    fs::current_path(cwd);
}

TEST(SingleClock, SecondFindsTheFirstAndAsksItToTheFront) {
    Scratch s;
    fs::create_directories(s.root / "run");
    fs::permissions(s.root / "run", fs::perms::owner_all);
    const std::vector<GuardFolder> run = {{(s.root / "run").string()}};
    const std::string file = (s.root / "orbalis.ini").string();
    SingleClock first(run, file);
    ASSERT_EQ(first.role(), SingleClock::Role::kOnly);
    int raised = 0;
    QObject::connect(&first, &SingleClock::raise_requested, [&raised] { ++raised; });
    SingleClock early(run, file);  // started before the first listens: it waits for it
    ASSERT_EQ(early.role(), SingleClock::Role::kSecond);
    ASSERT_TRUE(first.serve());
    EXPECT_TRUE(early.raise_running_clock());
    QCoreApplication::processEvents();
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(SingleClock(run, (s.root / "other.ini").string()).role(), SingleClock::Role::kOnly);
    EXPECT_EQ(SingleClock({}, file).role(), SingleClock::Role::kUnguarded);
}

// A socket at the guard's name that another account listens on is not the first clock:
// the second start does not take its word, and gives up once it stops accepting (as root,
// which can be another account).
TEST(SingleClock, AListenerOfAnotherAccountIsNotTheFirstClock) {
    if (::getuid() != 0) GTEST_SKIP() << "needs root to listen as another account";
    Scratch s;
    fs::create_directories(s.root / "run");
    fs::permissions(s.root / "run", fs::perms::owner_all);
    const std::string run = (s.root / "run").string();
    const std::string file = (s.root / "orbalis.ini").string();
    const SingleClock first({{run}}, file);  // holds the lock, does not answer
    const SingleClock second({{run}}, file);
    ASSERT_EQ(second.role(), SingleClock::Role::kSecond);
    const std::string path = run + "/" + guard_name(file) + ".sock";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const pid_t child = ::fork();
    if (child == 0) {  // the peer's credentials are those of the process that listens
        constexpr uid_t kNobody = 65534;
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0 || ::listen(fd, 8) != 0) ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    ::close(fd);
    EXPECT_FALSE(second.raise_running_clock());  // nor does it wait for ever on a full backlog
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}
