#include "wording.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

std::string two_digits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

void replace_all(std::string& text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// "1234567" as "1,234,567".
std::string grouped(const std::string& digits) {
    std::string out;
    const std::size_t first = digits[0] == '-' ? 1 : 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > first && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string Wording::translate(const char* context, const char* text, const char* comment, int n) const {
    if (translator) return translator(context, text, comment, n);
    std::string out = text;
    if (n >= 0) {
        replace_all(out, "(s)", n == 1 ? "" : "s");
        replace_all(out, "%n", std::to_string(n));
    }
    return out;
}

std::string Wording::date(const LocalTime& t) const {
    if (date_writer) return date_writer(t);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", t.year, t.month, t.day);
    return buf;
}

std::string Wording::time(int hour, int minute, bool twelve_hour) const {
    if (time_writer) return time_writer(hour, minute, twelve_hour);
    if (!twelve_hour) return two_digits(hour) + ":" + two_digits(minute);
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(h12) + ":" + two_digits(minute) + (hour < 12 ? " am" : " pm");
}

std::string Wording::number(double value, int decimals) const {
    if (number_writer) return number_writer(value, decimals);
    constexpr double kLargest = 1e15;  // beyond any number told; keeps the conversion in range
    if (!(std::fabs(value) < kLargest)) return "?";
    if (decimals <= 0) return grouped(std::to_string(std::llround(value)));
    char buf[64];  // to_chars: a point whatever the C library's locale
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    return std::string(buf, end.ptr);
}

std::string fill(const std::string& text, std::initializer_list<std::string> args) {
    const std::vector<std::string> values(args);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < values.size()) {
            out += values[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
