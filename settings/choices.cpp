#include "choices.h"

#include <algorithm>
#include <charconv>
#include <string_view>

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
constexpr Key kTwilight{"sky", "twilight"};         // "civil", "nautical" or "astronomical"
constexpr Key kSize{"clock", "size"};               // the face's size in percent, one of kFaceSizes
constexpr Key kRemindEvents{"remind", "events"};    // "sunset,full_moon"
constexpr Key kRemindBefore{"remind", "before"};    // minutes
constexpr Key kReminded{"remind", "shown"};         // "sunset@1796914320 full_moon@1797...": each once

}  // namespace

Choices::Choices(const std::string& settings_path)
    : file(Companion::path_beside(settings_path)), companion(Companion::load(file)) {
    // Earlier versions kept one orbalis.conf for every settings file of a folder: a clock
    // of another name takes its dial and face from it until it has a file of its own.
    const auto slash = file.rfind('/');
    const std::string shared = (slash == std::string::npos ? std::string() : file.substr(0, slash + 1)) + kCompanionFile;
    if (companion.exists() || shared == file) return;
    const Companion old = Companion::load(shared);
    for (const Key k : {kDial, kMoonPicture})
        if (const std::string v = old.get(k.section, k.name); !v.empty()) set(k.section, k.name, v);
}

bool Choices::twenty_four_hour() const { return companion.get(kDial.section, kDial.name) == "24"; }

bool Choices::dial_chosen() const {
    const std::string dial = companion.get(kDial.section, kDial.name);
    return dial == "12" || dial == "24";
}

bool Choices::moon_in_the_sky() const { return companion.get(kMoonPicture.section, kMoonPicture.name) == "sky"; }

std::optional<PlaceChoice> Choices::place() const {
    std::string name = companion.get(kPlaceName.section, kPlaceName.name);
    if (name.empty()) return std::nullopt;
    return PlaceChoice{std::move(name), place_zone()};
}

bool Choices::place_from_zone() const {
    return place().has_value() && companion.get(kPlaceFrom.section, kPlaceFrom.name) == "zone";
}

int Choices::size_percent() const {
    const std::string v = companion.get(kSize.section, kSize.name);
    for (const int size : kFaceSizes)
        if (v == std::to_string(size)) return size;
    return kFaceSizes[0];
}

Choices::Failure Choices::set_size_percent(int percent) {
    set(kSize.section, kSize.name, std::to_string(percent));
    return save();
}

std::string Choices::remind_events() const { return companion.get(kRemindEvents.section, kRemindEvents.name); }

int Choices::remind_before() const {
    const std::string v = companion.get(kRemindBefore.section, kRemindBefore.name);
    int minutes = 0;
    const auto r = std::from_chars(v.data(), v.data() + v.size(), minutes);
    constexpr int kMostMinutes = 7 * 24 * 60;
    return r.ec == std::errc() && r.ptr == v.data() + v.size() && minutes >= 0 && minutes <= kMostMinutes ? minutes : 0;
}

std::string Choices::reminded() const { return companion.get(kReminded.section, kReminded.name); }

Choices::Failure Choices::set_remind_events(const std::string& kinds) {
    set(kRemindEvents.section, kRemindEvents.name, kinds);
    return save();
}

Choices::Failure Choices::set_remind_before(int minutes) {
    set(kRemindBefore.section, kRemindBefore.name, std::to_string(minutes));
    return save();
}

Choices::Failure Choices::set_reminded(const std::string& keys) {
    set(kReminded.section, kReminded.name, keys);
    return save();
}

std::string Choices::twilight() const { return companion.get(kTwilight.section, kTwilight.name); }

Choices::Failure Choices::set_twilight(const std::string& kind) {
    set(kTwilight.section, kTwilight.name, kind);
    return save();
}

std::string Choices::place_zone() const { return companion.get(kPlaceZone.section, kPlaceZone.name); }

Choices::Failure Choices::set_twenty_four_hour(bool on) {
    set(kDial.section, kDial.name, on ? "24" : "12");
    return save();
}

Choices::Failure Choices::set_moon_in_the_sky(bool on) {
    set(kMoonPicture.section, kMoonPicture.name, on ? "sky" : "picture");
    return save();
}

Choices::Failure Choices::set_place(const std::optional<PlaceChoice>& place, bool from_zone) {
    if (place && !(Companion::holds_value(place->name) && Companion::holds_value(place->zone))) return {};
    set(kPlaceName.section, kPlaceName.name, place ? place->name : std::string());
    set(kPlaceZone.section, kPlaceZone.name, place ? place->zone : std::string());
    set(kPlaceFrom.section, kPlaceFrom.name, place && from_zone ? "zone" : "");
    return save();
}

void Choices::set(const char* section, const char* key, const std::string& value) {
    companion.set(section, key, value);
    const auto same = [&](const Change& c) { return std::string_view(c.section) == section && std::string_view(c.key) == key; };
    if (const auto c = std::find_if(changes.begin(), changes.end(), same); c != changes.end()) c->value = value;
    else changes.push_back({section, key, value});
}

// Another clock, or the user, may have changed the file since: it is read again and only
// this clock's keys are set over it.
Choices::Failure Choices::save() {
    Companion fresh = Companion::load(file);
    for (const Change& c : changes) fresh.set(c.section, c.key, c.value);
    const SaveOutcome saved = fresh.save(file);
    if (saved) companion = fresh;
    if (saved || saved.error == last_failure) return {};
    last_failure = saved.error;
    return "could not save " + file + " (" + saved.error + ")";
}
