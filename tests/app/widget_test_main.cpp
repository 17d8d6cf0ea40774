// Widget tests run on the offscreen platform, each in a scratch working directory that is
// also its home.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#ifndef ORBALIS_TEST_PLATFORM
#define ORBALIS_TEST_PLATFORM "offscreen"
#endif

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", ORBALIS_TEST_PLATFORM, 1);
    setenv("LC_ALL", "C", 1);  // the clock's own texts and forms, whatever the machine's locale; a test sets its own
    const auto dir = std::filesystem::temp_directory_path() / ("orbalis_widgets_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    setenv("HOME", dir.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir / ".config").c_str(), 1);
    const auto runtime = dir / "runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const int rc = RUN_ALL_TESTS();
    std::filesystem::current_path("/");
    std::filesystem::remove_all(dir);
    return rc;
}
