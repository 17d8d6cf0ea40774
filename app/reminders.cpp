#include "reminders.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::time_t kSecondsPerMinute = 60;
constexpr std::time_t kKeptSeconds = 86400;  // a day past its event a key is dropped

bool contains(const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

}  // namespace

std::string reminder_key(const Remindable& e) {
    return e.kind + "@" + std::to_string(e.at / kSecondsPerMinute * kSecondsPerMinute);
}

std::vector<Remindable> due_reminders(const std::vector<Remindable>& coming, const std::vector<std::string>& kinds,
                                      int lead_minutes, std::time_t now, const std::vector<std::string>& shown) {
    std::vector<Remindable> due;
    for (const Remindable& e : coming) {
        // The clock looks once a minute: a reminder is due from the look just before its time.
        const std::time_t from = e.at - static_cast<std::time_t>(lead_minutes) * kSecondsPerMinute - (kSecondsPerMinute - 1);
        const bool in_time = e.at > now && from <= now;
        if (in_time && contains(kinds, e.kind) && !contains(shown, reminder_key(e)) &&
            std::none_of(due.begin(), due.end(), [&](const Remindable& d) { return reminder_key(d) == reminder_key(e); }))
            due.push_back(e);
    }
    return due;
}

std::vector<std::string> keys_to_keep(const std::vector<std::string>& shown, std::time_t now) {
    std::vector<std::string> kept;
    for (const std::string& key : shown) {
        const auto at = key.find('@');
        long long when = 0;
        if (at == std::string::npos) continue;
        const auto r = std::from_chars(key.data() + at + 1, key.data() + key.size(), when);
        if (r.ec == std::errc() && r.ptr == key.data() + key.size() && when > now - kKeptSeconds) kept.push_back(key);
    }
    return kept;
}

std::vector<std::string> split_words(const std::string& text, char separator) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find(separator, start), text.size());
        if (end > start) words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::string join_words(const std::vector<std::string>& words, char separator) {
    std::string out;
    for (const std::string& w : words) out += (out.empty() ? "" : std::string(1, separator)) + w;
    return out;
}
