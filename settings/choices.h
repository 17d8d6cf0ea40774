// The choices kept for one settings file in its own companion file: the dial, the Moon's
// picture and the place chosen by name, each under its own key. Standard library only.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "companion.h"

// A place chosen by name: what it is called and its IANA time zone.
struct PlaceChoice {
    std::string name;  // "Zürich, Switzerland"
    std::string zone;  // "Europe/Zurich"
};

// The sizes the face may be drawn at, percent of its own 120 pixels.
inline constexpr int kFaceSizes[] = {100, 150, 200, 300};

class Choices {
public:
    // The choices in the companion file of `settings_path` (each its default where the file
    // is missing or odd). A settings file without a companion of its own yet takes the dial
    // and the Moon's picture from the folder's orbalis.conf, never its place.
    explicit Choices(const std::string& settings_path);

    bool twenty_four_hour() const;
    bool dial_chosen() const;  // whether a dial is kept at all (else the locale's is shown)
    bool moon_in_the_sky() const;
    // Nothing once the position was set by hand.
    std::optional<PlaceChoice> place() const;
    // Whether that place is the one a first start took from the computer's time zone, not
    // yet chosen by the user.
    bool place_from_zone() const;
    std::string place_zone() const;  // the chosen place's zone, or empty
    std::string twilight() const;    // "civil", "nautical", "astronomical" as kept, or empty
    int size_percent() const;        // one of kFaceSizes (the first for anything else)
    // Reminders: the kinds of event, comma-separated; minutes before; the keys of those shown.
    std::string remind_events() const;
    int remind_before() const;  // 0 where none is kept
    std::string reminded() const;

    // Each change is written at once: the file is read again and only this clock's keys
    // change. A failed write returns what to tell the user ("could not save …"), once for
    // each reason, else nothing; the choice still holds for this run.
    using Failure = std::optional<std::string>;
    [[nodiscard]] Failure set_twenty_four_hour(bool on);
    [[nodiscard]] Failure set_moon_in_the_sky(bool on);
    [[nodiscard]] Failure set_twilight(const std::string& kind);
    [[nodiscard]] Failure set_size_percent(int percent);
    [[nodiscard]] Failure set_remind_events(const std::string& kinds);
    [[nodiscard]] Failure set_remind_before(int minutes);
    [[nodiscard]] Failure set_reminded(const std::string& keys);
    [[nodiscard]] Failure set_place(const std::optional<PlaceChoice>& place, bool from_zone = false);

    const std::string& path() const { return file; }
    // Why the companion file is neither read nor written (another user's, too big, not
    // text); empty when it is this clock's.
    const std::string& note() const { return companion.note(); }

private:
    void set(const char* section, const char* key, const std::string& value);
    Failure save();

    std::string file;
    Companion companion;
    struct Change {
        const char* section;
        const char* key;
        std::string value;
    };
    std::vector<Change> changes;  // this clock's, applied again over the file at each save
    std::string last_failure;
};
