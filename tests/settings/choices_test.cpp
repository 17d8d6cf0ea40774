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
    std::ofstream(path) << "# kept by hand\n[place]\nzone = Europe/Berlin\nname = Berlin, Germany\n[clock]\ndial=24\n"
                           "[sky]\nkept=yes\n";
    {
        Choices c(settings);
        EXPECT_TRUE(c.twenty_four_hour());
        EXPECT_FALSE(c.moon_in_the_sky());
        ASSERT_TRUE(c.place().has_value());
        EXPECT_EQ(c.place()->name, "Berlin, Germany");
        EXPECT_EQ(c.place_zone(), "Europe/Berlin");
        fs::remove(path);  // a new file is private
        c.set_twenty_four_hour(false);
        c.set_moon_in_the_sky(true);
        c.set_place(PlaceChoice{"Tokyo, Japan\n[clock]\ndial=24", "Asia/Tokyo"});  // refused: the old place stays
    }
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
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
