// The companion text file "orbalis.conf" beside the settings file: the choices the 52-byte
// record has no room for, as INI sections and keys. Keys this version does not know are
// kept as they were read.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings.h"

inline constexpr const char* kCompanionFile = "orbalis.conf";

class Companion {
public:
    // The companion of a settings file: "orbalis.conf" in the same folder.
    static std::string path_beside(const std::string& settings_path);

    // A missing, unreadable or odd file reads as empty: every choice its default.
    static Companion load(const std::string& path);
    SaveOutcome save(const std::string& path) const;

    std::string get(const std::string& section, const std::string& key) const;
    void set(const std::string& section, const std::string& key, const std::string& value);
    std::string text() const;

    // [clock] dial: 12 or 24 hours, 12 unless the file says 24.
    bool twenty_four_hour() const { return get("clock", "dial") == "24"; }
    void set_twenty_four_hour(bool on) { set("clock", "dial", on ? "24" : "12"); }

private:
    // Sections and keys in the order first met.
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections;
};
