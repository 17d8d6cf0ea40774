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
    // A section, key or value that would break the file's lines ("[", "]", "=" in a name, a
    // line break anywhere) is refused: the old value stays.
    void set(const std::string& section, const std::string& key, const std::string& value);
    static bool holds_value(const std::string& value);
    std::string text() const;

private:
    // Sections and keys in the order first met.
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections;
};
