// The companion text file beside a settings file ("orbalis.conf" beside "orbalis.ini"): the
// choices the 52-byte record has no room for, as INI sections and keys. Its lines are kept
// as they were read, comments, unknown keys and odd lines included; only the keys set are
// changed, in place. Standard library only.
#pragma once

#include <string>
#include <vector>

#include "settings.h"

inline constexpr const char* kCompanionFile = "orbalis.conf";  // beside orbalis.ini

class Companion {
public:
    // The companion of a settings file: NAME.conf beside NAME.ini, or the name with ".conf"
    // added where it does not end in ".ini".
    static std::string path_beside(const std::string& settings_path);

    // A missing or unreadable file reads as empty. One too big for a companion or not text
    // also reads as empty, and is never written over (`note` says why).
    static Companion load(const std::string& path);
    SaveOutcome save(const std::string& path) const;

    // The last value of the key in the section, or empty.
    std::string get(const std::string& section, const std::string& key) const;
    // A section, key or value that would break the file's lines ("[", "]", "=" in a name, a
    // line break anywhere) is refused: the old value stays.
    void set(const std::string& section, const std::string& key, const std::string& value);
    static bool holds_value(const std::string& value);

    std::string text() const;
    bool exists() const { return found; }
    const std::string& note() const { return why_kept; }  // empty when the file may be written

private:
    struct Entry {
        std::string section, key, value;  // key empty: a header, comment, blank or odd line
    };
    static Entry entry_of(const std::string& line, const std::string& section);

    std::vector<std::string> lines;  // as read, without their line feeds
    std::vector<Entry> entries;      // what each line says
    bool final_line_feed = true;     // as the file ended
    bool found = false;
    std::string why_kept;
};
