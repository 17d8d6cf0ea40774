// The choices kept in the companion file beside a settings file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
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
    Choices(settings).set_twenty_four_hour(false);  // a new file is private
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
        c.set_twenty_four_hour(false);
        c.set_moon_in_the_sky(true);
        c.set_place(PlaceChoice{"Tokyo, Japan\n[clock]\ndial=24", "Asia/Tokyo"});  // refused: the old place stays
    }
    const Choices again(settings);
    EXPECT_FALSE(again.twenty_four_hour());
    EXPECT_TRUE(again.moon_in_the_sky());
    EXPECT_EQ(again.place_zone(), "Europe/Berlin");
    EXPECT_EQ(read_all(path).find("Tokyo"), std::string::npos);
    EXPECT_NE(read_all(path).find("kept=yes"), std::string::npos);
    Choices(settings).set_place(PlaceChoice{"Tokyo, Japan", "Asia/Tokyo"});
    EXPECT_EQ(Choices(settings).place()->name, "Tokyo, Japan");
    EXPECT_EQ(Choices(settings).place_zone(), "Asia/Tokyo");
    Choices(settings).set_place(std::nullopt);
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
    testing::internal::CaptureStderr();
    c.set_twenty_four_hour(true);
    c.set_moon_in_the_sky(true);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(c.twenty_four_hour());
    EXPECT_NE(said.find("could not save " + c.path()), std::string::npos) << said;
    EXPECT_EQ(said.find("could not save", said.find("could not save") + 1), std::string::npos) << said;
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
    Choices(settings).set_twenty_four_hour(true);
    std::string after = before;
    after.replace(after.find("  dial = 12  "), 13, "dial=24");
    EXPECT_EQ(read_all(path), after);
    Choices(settings).set_moon_in_the_sky(true);  // a section not there yet is added at the end
    EXPECT_EQ(read_all(path), after + "\n\n[face]\nmoon=sky");
    EXPECT_TRUE(Choices(settings).twenty_four_hour());
    for (const std::string& kept : {std::string(70 * 1024, '#'), std::string("[clock]\ndial=24\n\0\x01", 18)}) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << kept;
        Choices c(settings);
        testing::internal::CaptureStderr();
        c.set_twenty_four_hour(false);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("left as it is"), std::string::npos) << said;
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
    clock_a.set_place(PlaceChoice{"Berlin, Germany", "Europe/Berlin"});
    clock_b.set_twenty_four_hour(false);
    clock_b.set_moon_in_the_sky(false);
    EXPECT_TRUE(Choices(a).twenty_four_hour());
    EXPECT_EQ(Choices(a).place_zone(), "Europe/Berlin");
    EXPECT_FALSE(Choices(b).twenty_four_hour());
    EXPECT_EQ(Choices(b).place_zone(), "");
    EXPECT_EQ(Choices((dir / "orbalis.ini").string()).place_zone(), "Asia/Tokyo");
    // The same file from two clocks: each change is made over the other's.
    Choices first(a), second(a);
    first.set_moon_in_the_sky(false);
    second.set_twenty_four_hour(false);
    EXPECT_FALSE(Choices(a).moon_in_the_sky());
    EXPECT_FALSE(Choices(a).twenty_four_hour());
    EXPECT_EQ(Choices(a).place_zone(), "Europe/Berlin");
    fs::remove_all(dir);
}
