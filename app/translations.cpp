#include "translations.h"

#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QTime>
#include <cstdlib>
#include <string_view>

namespace {

constexpr const char* kTranslations = ":/i18n";  // where the build puts the compiled ones

// Languages that write the am/pm word before the time.
bool am_pm_first(const QLocale& l) {
    return l.language() == QLocale::Japanese || l.language() == QLocale::Chinese || l.language() == QLocale::Korean;
}

std::string date_in(const QLocale& formats, const LocalTime& t) {
    return formats.toString(QDate(t.year, t.month, t.day), QLocale::ShortFormat).toStdString();
}

// The locale's short time where it has the dial's hours; else the dial's hours in its words.
std::string time_in(const QLocale& formats, int hour, int minute, bool twelve_hour) {
    QString format = formats.timeFormat(QLocale::ShortFormat);
    const bool locale_twelve = format.contains(QLatin1Char('a'), Qt::CaseInsensitive);
    if (locale_twelve != twelve_hour)
        format = !twelve_hour ? QStringLiteral("HH:mm") : am_pm_first(formats) ? QStringLiteral("aph:mm")
                                                                               : QStringLiteral("h:mm ap");
    return formats.toString(QTime(hour, minute), format).toStdString();
}

}  // namespace

QLocale Translations::language() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0') continue;
        const std::string_view v(value);
        if (v == "C" || v == "POSIX" || v.substr(0, 2) == "C.") return QLocale::c();
        // "de_DE.UTF-8@euro" names de_DE.
        return QLocale(QString::fromLocal8Bit(value).section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0));
    }
    return QLocale::c();
}

Translations::Translations() {
    const QLocale lang = language();
    if (english.load(QStringLiteral("orbalis_en"), QLatin1String(kTranslations)))
        QCoreApplication::installTranslator(&english);
    if (lang.language() == QLocale::C || lang.language() == QLocale::English) return;
    if (own.load(lang, QStringLiteral("orbalis"), QStringLiteral("_"), QLatin1String(kTranslations)))
        QCoreApplication::installTranslator(&own);
    if (qt.load(lang, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

Translations::~Translations() {
    for (QTranslator* t : {&qt, &own, &english}) QCoreApplication::removeTranslator(t);
}

Wording Translations::wording() {
    Wording w;
    w.translator = [](const char* context, const char* text, const char* comment, int n) {
        return QCoreApplication::translate(context, text, comment, n).toStdString();
    };
    const QLocale formats;  // the system's: LC_TIME, LC_NUMERIC
    if (formats.language() == QLocale::C) return w;
    w.date_writer = [formats](const LocalTime& t) { return date_in(formats, t); };
    w.time_writer = [formats](int hour, int minute, bool twelve_hour) {
        return time_in(formats, hour, minute, twelve_hour);
    };
    w.number_writer = [formats](double value, int decimals) {
        return formats.toString(value, 'f', decimals).toStdString();
    };
    return w;
}
