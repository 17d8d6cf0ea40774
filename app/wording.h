// How the texts are said: in English as the clock has always said them, or in the user's
// language with the user's locale's dates, times and numbers, which the program supplies
// through Qt (the texts themselves use the standard library only). A translatable phrase is
// an English template with Qt's placeholders (%1 to %9, and %n for a count) passed to
// translate(), where Qt's lupdate finds it.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

// A local date and time to the minute.
struct LocalTime {
    int year, month, day, hour, minute;
};

struct Wording {
    // The phrase in the user's language; `n` a count for %n and the plural form, or -1.
    std::function<std::string(const char* context, const char* text, const char* comment, int n)> translator;
    // A date, and a clock time on the dial's hours, as the locale writes them.
    std::function<std::string(const LocalTime& t)> date_writer;
    std::function<std::string(int hour, int minute, bool twelve_hour)> time_writer;
    // A number with the locale's decimal sign and digit grouping.
    std::function<std::string(double value, int decimals)> number_writer;

    // Without a translator: the English template, %n the count ("day(s)" said "day" for 1).
    std::string translate(const char* context, const char* text, const char* comment = nullptr, int n = -1) const;
    // Without writers: "2026-12-09"; "07:05", or "7:05 am"; "12.1", "357,100".
    std::string date(const LocalTime& t) const;
    std::string time(int hour, int minute, bool twelve_hour) const;
    std::string number(double value, int decimals) const;
};

// `text` with %1, %2, ... replaced by the arguments in turn (Qt's QString::arg, for the
// texts without Qt).
std::string fill(const std::string& text, std::initializer_list<std::string> args);
