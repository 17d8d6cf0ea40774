#include "choices.h"

#include <cstdio>

namespace {

// Sections and keys of the companion file.
struct Key {
    const char* section;
    const char* name;
};
constexpr Key kDial{"clock", "dial"};              // "12" or "24"
constexpr Key kMoonPicture{"face", "moon"};         // "picture" or "sky"
constexpr Key kPlaceName{"place", "name"};          // as the place list names it
constexpr Key kPlaceZone{"place", "zone"};          // its IANA zone
constexpr Key kPlaceFrom{"place", "from"};          // "zone": a first start's, from the computer's zone

}  // namespace

Choices::Choices(const std::string& settings_path)
    : file(Companion::path_beside(settings_path)), companion(Companion::load(file)) {}

bool Choices::twenty_four_hour() const { return companion.get(kDial.section, kDial.name) == "24"; }

bool Choices::moon_in_the_sky() const { return companion.get(kMoonPicture.section, kMoonPicture.name) == "sky"; }

std::optional<PlaceChoice> Choices::place() const {
    std::string name = companion.get(kPlaceName.section, kPlaceName.name);
    if (name.empty()) return std::nullopt;
    return PlaceChoice{std::move(name), place_zone()};
}

bool Choices::place_from_zone() const {
    return place().has_value() && companion.get(kPlaceFrom.section, kPlaceFrom.name) == "zone";
}

std::string Choices::place_zone() const { return companion.get(kPlaceZone.section, kPlaceZone.name); }

void Choices::set_twenty_four_hour(bool on) {
    companion.set(kDial.section, kDial.name, on ? "24" : "12");
    save();
}

void Choices::set_moon_in_the_sky(bool on) {
    companion.set(kMoonPicture.section, kMoonPicture.name, on ? "sky" : "picture");
    save();
}

void Choices::set_place(const std::optional<PlaceChoice>& place, bool from_zone) {
    if (place && !(Companion::holds_value(place->name) && Companion::holds_value(place->zone))) return;
    companion.set(kPlaceName.section, kPlaceName.name, place ? place->name : std::string());
    companion.set(kPlaceZone.section, kPlaceZone.name, place ? place->zone : std::string());
    companion.set(kPlaceFrom.section, kPlaceFrom.name, place && from_zone ? "zone" : "");
    save();
}

void Choices::save() {
    const SaveOutcome saved = companion.save(file);
    if (saved || saved.error == last_failure) return;
    last_failure = saved.error;
    std::fprintf(stderr, "orbalis: could not save %s (%s)\n", file.c_str(), saved.error.c_str());
}
