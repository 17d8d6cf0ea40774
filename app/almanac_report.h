// The almanac of a moment: the engine run for a place and an instant with the searches
// beyond the coming day, and what the clock's tooltip, its screen-reader text and the
// command line say of it. The window keeps one and feeds it the clock; the command line
// makes one for its moment. Standard library and POSIX only.
#pragma once

#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "almanac.h"
#include "choices.h"
#include "place_zone.h"
#include "reminders.h"
#include "settings.h"
#include "texts.h"

// What the almanac says of where the place came from.
struct PlaceNaming {
    enum class By { kHand, kName, kZone };  // typed in, chosen by name, a first start's from the zone
    std::string name;                       // "Kolkata, India"; empty when set by hand
    By by = By::kHand;
};
PlaceNaming naming_of(const Choices& choices);

// The twilight chosen in the companion file; astronomical where none (or an odd one) is.
astro::Twilight twilight_of(const Choices& choices);

class Almanac {
public:
    // A new place or zone: the engine started at `utc` and every search made.
    void start(const astro::Place& place, const PlaceZone& zone, std::time_t utc);
    // The same place at a later instant: the minute pass, and the searches again where
    // what they found is out of date (the phases once the first has passed; what lies
    // beyond the coming day once a day, when an eclipse has passed, or when the day gains
    // or loses a rise or a set).
    void advance(std::time_t utc);
    // The computer's zone changed (a trip): its standard offset is found again.
    void computer_zone_changed() { zone.forget_computer_zone(); }
    // The place's name and how it was chosen: a first start's place is said until the user
    // chooses one.
    void set_naming(PlaceNaming n) { naming = std::move(n); }
    // The language and the locale's formats of text() (English and the clock's own forms
    // until set).
    void set_wording(Wording w) { words = std::move(w); }
    const Wording& wording() const { return words; }
    // The twilight the day's events name and the face shows; start() again to apply it.
    void set_twilight(astro::Twilight kind);

    const astro::CalcContext& context() const { return ctx; }
    const astro::CPlnt_Data& planet_data() const { return planets; }
    PlaceClock clock() const { return {utc, zone}; }

    std::string text(bool twelve_hour) const;  // the tooltip, and --print
    std::string json() const;                  // one JSON object, times in ISO 8601 with their offset
    DisplayTexts display_texts() const;        // the information dialog's memo
    // The events to come a reminder may be for: the coming day's sunrises and sunsets, the
    // golden hours that begin, the next full and new moon, and the next eclipse seen here.
    std::vector<Remindable> remindable() const;

private:
    void search_ahead();
    void search_phases();
    void search_light();
    bool light_out_of_date(double now) const;
    bool cycles_out_of_date(double now) const;

    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    PlaceZone zone;
    PlaceNaming naming;
    Wording words;
    std::time_t utc = 0;
    astro::NextPhases next{};
    astro::NextPhases around{};  // the principal phases after a week before, for the phase's name
    Outlook outlook;
    int outlook_day = 0;      // the Julian day number it was searched on
    int outlook_lacking = 0;  // and the events the day lacked then, one bit each
    long light_day = 0;       // the place's day (days since 1970) the light was searched for
};

// Where the settings record puts the observer.
inline astro::Place place_of(const CInit& s) { return {s.latitude, s.longitude, s.height}; }

// The almanac of a settings record in the place's zone at the instant `utc`.
Almanac almanac_of(const CInit& settings, const PlaceZone& zone, std::time_t utc);

// "Times at America/New_York" where the place's times at `utc` are not the computer's; else empty.
std::string zone_note(const PlaceZone& zone, std::time_t utc, const Wording& words = {});

// "YYYY-MM-DD HH:MM" on the place's clock as an instant, or the ISO 8601 forms --json
// prints ("2027-01-15T12:00", with seconds, with "Z" or an offset: then that instant
// exactly); nothing for any other text, a date not on the calendar or a year outside 1 to
// 9999. A reading a change to summer time skips is read on the offset before the change
// (02:30 is 03:30 summer time), a repeated one at its first occurrence.
std::optional<std::time_t> parse_local_moment(const std::string& text, const PlaceZone& zone);

// The command line's almanac: `settings_file` read (a first start's settings where there is
// none, nothing written), printed as text or JSON at `at` or now. Returns the exit status:
// 0, or 2 with a one-line message on `err` for an `at` that is not a moment. The text is in
// `words`, on the dial kept, else on the locale's (12-hour where `locale_twelve_hour`).
int print_almanac(const std::string& settings_file, bool json, const std::optional<std::string>& at, std::FILE* out,
                  std::FILE* err, const Wording& words = {}, bool locale_twelve_hour = true);
