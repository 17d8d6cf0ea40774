// Reminders before the events a user picked: which are due at a moment, each once. Standard
// library only; the window sends them as desktop notifications.
#pragma once

#include <ctime>
#include <string>
#include <vector>

// The kinds of event a reminder can be set for, as the companion file names them.
inline constexpr const char* kRemindKinds[] = {"sunrise", "sunset", "golden_hour", "full_moon", "new_moon", "eclipse"};
// How long before the event, minutes: at it, a quarter of an hour, an hour, a day.
inline constexpr int kRemindLeads[] = {0, 15, 60, 1440};

// An event to come that a reminder may be for.
struct Remindable {
    std::string kind;  // one of kRemindKinds
    std::time_t at;    // the event's instant
};

// The key a reminder is remembered by: the kind and the event's minute ("sunset@1796914320").
std::string reminder_key(const Remindable& e);

// The events of the chosen kinds whose reminder is due at `now`: `lead_minutes` or less
// before the event (less a minute's look ahead), the event not yet come, and not already
// shown (`shown` holds keys).
std::vector<Remindable> due_reminders(const std::vector<Remindable>& coming, const std::vector<std::string>& kinds,
                                      int lead_minutes, std::time_t now, const std::vector<std::string>& shown);

// The keys still worth remembering at `now`: those of events not more than a day past.
std::vector<std::string> keys_to_keep(const std::vector<std::string>& shown, std::time_t now);

// "a b c" <-> {"a", "b", "c"}; a list kept as one value of the companion file.
std::vector<std::string> split_words(const std::string& text, char separator);
std::string join_words(const std::vector<std::string>& words, char separator);
