// The choices kept for one settings file in its companion file: the dial, the Moon's
// picture and the place chosen by name, each under its own key. Standard library only.
#pragma once

#include <optional>
#include <string>

#include "companion.h"

// A place chosen by name: what it is called and its IANA time zone.
struct PlaceChoice {
    std::string name;  // "Zürich, Switzerland"
    std::string zone;  // "Europe/Zurich"
};

class Choices {
public:
    // The choices in the companion file beside `settings_path` (each its default where the
    // file is missing or odd).
    explicit Choices(const std::string& settings_path);

    bool twenty_four_hour() const;
    bool moon_in_the_sky() const;
    // Nothing once the position was set by hand.
    std::optional<PlaceChoice> place() const;
    // Whether that place is the one a first start took from the computer's time zone, not
    // yet chosen by the user.
    bool place_from_zone() const;
    std::string place_zone() const;  // the chosen place's zone, or empty

    // Each change is written at once; a failed write is said on the standard error, once for
    // each reason, and the choice still holds for this run.
    void set_twenty_four_hour(bool on);
    void set_moon_in_the_sky(bool on);
    void set_place(const std::optional<PlaceChoice>& place, bool from_zone = false);

    const std::string& path() const { return file; }

private:
    void save();

    std::string file;
    Companion companion;
    std::string last_failure;
};
