// The choices kept in the companion file beside a settings file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "choices.h"

namespace {

namespace fs = std::filesystem;

std::string read_all(const fs::path& p) {
    std::ifstream f(p);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace

// Every choice survives a restart; an odd or missing file gives the defaults; a key kept by
// hand stays; a value that would break the file's lines is refused.
TEST(Choices, KeptAndOddFilesRead) {
    const fs::path dir = fs::temp_directory_path() / ("orbalis_choices_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string settings = (dir / "orbalis.ini").string();
    const fs::path path = dir / "orbalis.conf";
    EXPECT_EQ(Choices(settings).path(), path.string());
    EXPECT_FALSE(Choices(settings).twenty_four_hour());
    EXPECT_FALSE(Choices(settings).set_twenty_four_hour(false));  // a new file is private
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    std::ofstream(path, std::ios::trunc) << "# kept by hand\n[place]\nzone = Europe/Berlin\nname = Berlin, Germany\n"
                                            "[clock]\ndial=24\n[sky]\nkept=yes\n";
    {
        Choices c(settings);
        EXPECT_TRUE(c.twenty_four_hour());
        EXPECT_FALSE(c.moon_in_the_sky());
        ASSERT_TRUE(c.place().has_value());
        EXPECT_EQ(c.place()->name, "Berlin, Germany");
        EXPECT_EQ(c.place_zone(), "Europe/Berlin");
        EXPECT_FALSE(c.set_twenty_four_hour(false));
        EXPECT_FALSE(c.set_moon_in_the_sky(true));
        EXPECT_FALSE(c.set_place(PlaceChoice{"Tokyo, Japan\n[clock]\ndial=24", "Asia/Tokyo"}));  // refused: the old place stays
    }
    const Choices again(settings);
    EXPECT_FALSE(again.twenty_four_hour());
    EXPECT_TRUE(again.moon_in_the_sky());
    EXPECT_EQ(again.place_zone(), "Europe/Berlin");
    EXPECT_EQ(read_all(path).find("Tokyo"), std::string::npos);
    EXPECT_NE(read_all(path).find("kept=yes"), std::string::npos);
    EXPECT_FALSE(Choices(settings).set_place(PlaceChoice{"Tokyo, Japan", "Asia/Tokyo"}));
    EXPECT_EQ(Choices(settings).place()->name, "Tokyo, Japan");
    EXPECT_EQ(Choices(settings).place_zone(), "Asia/Tokyo");
    EXPECT_FALSE(Choices(settings).set_place(std::nullopt));
    EXPECT_FALSE(Choices(settings).place().has_value());
    EXPECT_EQ(Choices(settings).place_zone(), "");
    for (const char* odd : {"dial=24\n", "[clock\ndial=24", "\x01\xff[clock]\ndial=twenty-four\n"}) {
        std::ofstream(path, std::ios::trunc) << odd;
        EXPECT_FALSE(Choices(settings).twenty_four_hour()) << odd;
    }
    fs::remove(path);
    fs::create_directory(path);  // a folder under the name: read as missing
    EXPECT_FALSE(Choices(settings).twenty_four_hour());
    fs::remove_all(dir);
}

// A choice that cannot be written still holds for the run, and the failure is said once.
TEST(Choices, AFailedSaveIsSaidOnce) {
    const fs::path dir = fs::temp_directory_path() / ("orbalis_choices_ro_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "folder") << "a file where the folder should be";
    Choices c((dir / "folder" / "orbalis.ini").string());
    const Choices::Failure first = c.set_twenty_four_hour(true);
    EXPECT_TRUE(c.twenty_four_hour());
    ASSERT_TRUE(first.has_value());
    EXPECT_NE(first->find("could not save " + c.path()), std::string::npos) << *first;
    EXPECT_FALSE(c.set_moon_in_the_sky(true).has_value());
    fs::remove_all(dir);
}

// The companion keeps what it does not know byte for byte (comments, lines before a section
// or without "=", duplicate keys, no final line feed); only the key set changes, in place. A
// file too big or not text is left as it is and the choice is said not kept.
TEST(Choices, WhatIsNotOursIsKept) {
    const fs::path dir = fs::temp_directory_path() / ("orbalis_kept_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string settings = (dir / "orbalis.ini").string();
    const fs::path path = dir / "orbalis.conf";
    const std::string before = "top=level\r\n# a comment\n[clock]\n  dial = 12  \nno equals sign\n\n[clock]\nsize=2\n"
                               "[x]\ny=1\ny=2";
    std::ofstream(path, std::ios::binary) << before;
    EXPECT_FALSE(Choices(settings).set_twenty_four_hour(true));
    std::string after = before;
    after.replace(after.find("  dial = 12  "), 13, "dial=24");
    EXPECT_EQ(read_all(path), after);
    EXPECT_FALSE(Choices(settings).set_moon_in_the_sky(true));  // a section not there yet is added at the end
    EXPECT_EQ(read_all(path), after + "\n\n[face]\nmoon=sky");
    EXPECT_TRUE(Choices(settings).twenty_four_hour());
    for (const std::string& kept : {std::string(70 * 1024, '#'), std::string("[clock]\ndial=24\n\0\x01", 18)}) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << kept;
        Choices c(settings);
        EXPECT_NE(c.note().find("left as it is"), std::string::npos) << c.note();
        const Choices::Failure said = c.set_twenty_four_hour(false);
        ASSERT_TRUE(said.has_value());
        EXPECT_NE(said->find("left as it is"), std::string::npos) << *said;
        EXPECT_FALSE(c.twenty_four_hour() && kept.size() > 1024);
        EXPECT_EQ(read_all(path), kept);
    }
    fs::remove_all(dir);
}

// Two clocks in one folder, a.ini and b.ini, keep their own dial, face and place; a clock
// without a companion of its own takes the dial and face of the folder's orbalis.conf, never
// its place; each save changes only its own keys in a file another may have changed.
TEST(Choices, EachSettingsFileHasItsOwn) {
    const fs::path dir = fs::temp_directory_path() / ("orbalis_own_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "orbalis.conf") << "[clock]\ndial=24\n[face]\nmoon=sky\n[place]\nname=Tokyo, Japan\nzone=Asia/Tokyo\n";
    const std::string a = (dir / "a.ini").string(), b = (dir / "b.ini").string();
    EXPECT_EQ(Choices(a).path(), (dir / "a.conf").string());
    EXPECT_EQ(Choices((dir / "clock").string()).path(), (dir / "clock.conf").string());
    Choices clock_a(a), clock_b(b);
    EXPECT_TRUE(clock_a.twenty_four_hour());
    EXPECT_TRUE(clock_a.moon_in_the_sky());
    EXPECT_FALSE(clock_a.place().has_value());
    EXPECT_FALSE(clock_a.set_place(PlaceChoice{"Berlin, Germany", "Europe/Berlin"}));
    EXPECT_FALSE(clock_b.set_twenty_four_hour(false));
    EXPECT_FALSE(clock_b.set_moon_in_the_sky(false));
    EXPECT_TRUE(Choices(a).twenty_four_hour());
    EXPECT_EQ(Choices(a).place_zone(), "Europe/Berlin");
    EXPECT_FALSE(Choices(b).twenty_four_hour());
    EXPECT_EQ(Choices(b).place_zone(), "");
    EXPECT_EQ(Choices((dir / "orbalis.ini").string()).place_zone(), "Asia/Tokyo");
    // The same file from two clocks: each change is made over the other's.
    Choices first(a), second(a);
    EXPECT_FALSE(first.set_moon_in_the_sky(false));
    EXPECT_FALSE(second.set_twenty_four_hour(false));
    EXPECT_FALSE(Choices(a).moon_in_the_sky());
    EXPECT_FALSE(Choices(a).twenty_four_hour());
    EXPECT_EQ(Choices(a).place_zone(), "Europe/Berlin");
    fs::remove_all(dir);
}

// In a shared folder (open, or open with the sticky bit) another user plants links to the
// user's files and files of their own under the names of the record and the companion: none
// is followed, read or replaced, and the save says why. Run as root, which can give a file to
// another user; skipped otherwise.
TEST(Choices, WhatAnotherUserPlantedIsNeitherFollowedNorReplaced) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    constexpr uid_t kOther = 4242;
    const fs::path home = fs::temp_directory_path() / ("orbalis_planted_" + std::to_string(::getpid()));
    fs::create_directories(home);
    const std::string precious = (home / "precious.rc").string(), secret = "the user's own\n";
    std::ofstream(precious) << secret;
    for (const mode_t folder_mode : {0777, 01777}) {
        const fs::path shared = home / (folder_mode == 0777 ? "open" : "sticky");
        fs::create_directories(shared);
        ::chmod(shared.c_str(), folder_mode);
        const std::string settings = (shared / "orbalis.ini").string(), companion = (shared / "orbalis.conf").string();
        const auto others_link = [&](const std::string& at, const std::string& to) {
            fs::create_symlink(to, at);
            ASSERT_EQ(::lchown(at.c_str(), kOther, kOther), 0);
        };
        const auto others_file = [&](const std::string& at, const std::string& text) {
            std::ofstream(at) << text;
            ASSERT_EQ(::chown(at.c_str(), kOther, kOther), 0);
            ::chmod(at.c_str(), 0666);
        };
        const std::string others = (shared / "others.rc").string();
        others_file(others, "[place]\nzone=Asia/Tokyo\n");
        // A link of another user's to the user's file; the user's own link to another's file;
        // another user's file.
        for (const int plant : {0, 1, 2}) {
            SCOPED_TRACE(shared.string() + " plant " + std::to_string(plant));
            fs::remove(settings);
            fs::remove(companion);
            if (plant == 0) {
                others_link(settings, precious);
                others_link(companion, precious);
            } else if (plant == 1) {
                fs::create_symlink(others, settings);
                fs::create_symlink(others, companion);
            } else {
                others_file(settings, std::string(52, '\x01'));
                others_file(companion, "[place]\nzone=Asia/Tokyo\n");
            }
            CInit s{};
            EXPECT_NE(load_settings(s, settings).find("another user"), std::string::npos);
            EXPECT_EQ(s.lat_deg, 35);  // the defaults, not the planted bytes
            const SaveOutcome saved = save_settings(s, settings);
            EXPECT_FALSE(saved);
            EXPECT_NE(saved.error.find("another user"), std::string::npos) << saved.error;
            Choices c(settings);
            EXPECT_EQ(c.place_zone(), "");
            EXPECT_NE(c.note().find("another user"), std::string::npos) << c.note();
            const Choices::Failure failed = c.set_twenty_four_hour(true);
            ASSERT_TRUE(failed.has_value());
            EXPECT_TRUE(c.twenty_four_hour());  // holds for the run
            EXPECT_EQ(read_all(precious), secret);
            EXPECT_EQ(read_all(others), "[place]\nzone=Asia/Tokyo\n");
            EXPECT_EQ(fs::symlink_status(settings).type(), plant == 2 ? fs::file_type::regular : fs::file_type::symlink);
            struct stat st {};
            ASSERT_EQ(::lstat(companion.c_str(), &st), 0);
            EXPECT_EQ(st.st_uid, plant == 1 ? ::getuid() : kOther);
        }
    }
    fs::remove_all(home);
}
