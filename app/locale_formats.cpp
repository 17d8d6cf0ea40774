#include "locale_formats.h"

#include <QString>
#include <algorithm>

namespace locale_formats {

namespace {

bool keeps_the_clocks_own(const QLocale& locale) {
    return locale.language() == QLocale::C || locale.language() == QLocale::English;
}

}  // namespace

bool prefers_24_hour(const QLocale& locale) {
    if (keeps_the_clocks_own(locale)) return false;
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    return !format.contains(QLatin1Char('a'), Qt::CaseInsensitive);  // "a", "ap", "AP": am/pm
}

DateStyle face_date_style(const QLocale& locale) {
    DateStyle style;
    if (locale.language() == QLocale::C) return style;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(QLatin1Char('d')), month = format.indexOf(QLatin1Char('M')),
                    year = format.indexOf(QLatin1Char('y'));
    if (day < 0 || month < 0 || year < 0) return style;
    if (day < month && month < year) style.order = DateStyle::Order::DayMonthYear;
    else if (month < day && day < year) style.order = DateStyle::Order::MonthDayYear;
    // The first character after the first field that is not a letter or a space.
    for (qsizetype i = std::min({day, month, year}); i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-')) {
            style.separator = static_cast<char>(c.unicode());
            break;
        }
        if (!c.isLetter() && !c.isSpace()) break;
    }
    return style;
}

}  // namespace locale_formats
