// The clock in the user's language: a few texts of each language written here by hand, the
// plural forms, the locale's clock times, and the C locale's texts exactly as they stand.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Unit1.h"
#include "Unit2.h"
#include "translations.h"

namespace {

// LC_ALL set for the life of the object.
class LanguageSet {
public:
    explicit LanguageSet(const char* name) {
        if (const char* was = std::getenv("LC_ALL")) before = was;
        setenv("LC_ALL", name, 1);
    }
    ~LanguageSet() {
        if (before.empty()) unsetenv("LC_ALL");
        else setenv("LC_ALL", before.c_str(), 1);
    }
    LanguageSet(const LanguageSet&) = delete;
    LanguageSet& operator=(const LanguageSet&) = delete;

private:
    std::string before;
};

std::string said(const char* context, const char* text, int n = -1) {
    return QCoreApplication::translate(context, text, nullptr, n).toStdString();
}

}  // namespace

TEST(Translations, EachLanguageSaysItsOwnWords) {
    const struct {
        const char* locale;
        const char *exit, *sunrise, *moonrise, *twilight, *full_moon, *timezone, *one_day, *two_days;
    } rows[] = {
        {"de_DE.UTF-8", "&Beenden", "Sonnenaufgang", "Mondaufgang", "Bürgerliche Dämmerung beginnt", "Vollmond",
         "Zeitzone", "Kein Sonnenaufgang innerhalb von 1 Tag", "Kein Sonnenaufgang innerhalb von 2 Tagen"},
        {"fr_FR.UTF-8", "&Quitter", "Lever du soleil", "Lever de la lune", "Début de l’aube civile", "pleine lune",
         "Fuseau horaire", "Pas de lever du soleil d’ici 1 jour", "Pas de lever du soleil d’ici 2 jours"},
        {"es_ES.UTF-8", "&Salir", "Salida del sol", "Salida de la luna", "Inicio del crepúsculo civil", "luna llena",
         "Zona horaria", "Sin salida del sol en 1 día", "Sin salida del sol en 2 días"},
        {"it_IT.UTF-8", "&Esci", "Alba", "Sorgere della Luna", "Inizio del crepuscolo civile", "luna piena",
         "Fuso orario", "Nessuna alba entro 1 giorno", "Nessuna alba entro 2 giorni"},
        {"pt_BR.UTF-8", "Sai&r", "Nascer do sol", "Nascer da lua", "Início do crepúsculo civil", "lua cheia",
         "Fuso horário", "Sem nascer do sol em 1 dia", "Sem nascer do sol em 2 dias"},
        {"nl_NL.UTF-8", "&Afsluiten", "Zonsopkomst", "Maansopkomst", "Burgerlijke schemering begint", "volle maan",
         "Tijdzone", "Geen zonsopkomst binnen 1 dag", "Geen zonsopkomst binnen 2 dagen"},
        {"pl_PL.UTF-8", "Za&kończ", "Wschód słońca", "Wschód księżyca", "Początek świtu cywilnego", "pełnia",
         "Strefa czasowa", "Brak wschodu słońca w ciągu 1 dnia", "Brak wschodu słońca w ciągu 2 dni"},
        {"ru_RU.UTF-8", "В&ыход", "Восход солнца", "Восход луны", "Начало гражданских сумерек", "полнолуние",
         "Часовой пояс", "Восхода солнца нет в течение 1 дня", "Восхода солнца нет в течение 2 дней"},
        {"ja_JP.UTF-8", "終了(&X)", "日の出", "月の出", "市民薄明の始まり", "満月", "タイムゾーン",
         "1 日以内に日の出なし", "2 日以内に日の出なし"},
        {"zh_CN.UTF-8", "退出(&X)", "日出", "月出", "民用晨光始", "满月", "时区", "1 天内没有日出", "2 天内没有日出"},
        // English and C: the clock's own texts, with English plurals.
        {"en_US.UTF-8", "E&xit", "Sunrise", "Moonrise", "Civil twilight begins", "full moon", "Timezone",
         "No sunrise within 1 day", "No sunrise within 2 days"},
        {"C", "E&xit", "Sunrise", "Moonrise", "Civil twilight begins", "full moon", "Timezone",
         "No sunrise within 1 day", "No sunrise within 2 days"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.locale);
        const LanguageSet language(r.locale);
        const Translations translations;
        std::filesystem::remove(kSettingsFile);
        const TForm1 form(kSettingsFile);
        EXPECT_EQ(form.K1->text().toStdString(), r.exit);
        // Each item of the menu opens from the keyboard with a key of its own.
        QString keys;
        for (const QAction* a : form.PopupMenu1.actions()) {
            const qsizetype amp = a->text().indexOf(QLatin1Char('&'));
            if (a->isSeparator() || amp < 0) continue;
            const QChar key = a->text().at(amp + 1).toLower();
            EXPECT_FALSE(keys.contains(key)) << a->text().toStdString();
            keys += key;
        }
        EXPECT_EQ(keys.size(), 9);
        EXPECT_EQ(said("Almanac", "Sunrise"), r.sunrise);
        EXPECT_EQ(said("Almanac", "Moonrise"), r.moonrise);
        EXPECT_EQ(said("Almanac", "Civil twilight begins"), r.twilight);
        EXPECT_EQ(said("Phase", "full moon"), r.full_moon);
        CInit s{};
        default_settings(s);
        const TForm2 dialog(s, {});
        EXPECT_EQ(dialog.Label3.text().toStdString(), r.timezone);
        EXPECT_EQ(said("Almanac", "No sunrise within %n day(s)", 1), r.one_day);
        EXPECT_EQ(said("Almanac", "No sunrise within %n day(s)", 2), r.two_days);
    }
}

// Russian and Polish have a third form: 5 days.
TEST(Translations, ThirdPluralForm) {
    const LanguageSet language("ru_RU.UTF-8");
    const Translations translations;
    EXPECT_EQ(said("Almanac", "No lunar eclipse within %n year(s)", 5), "Лунных затмений нет в течение 5 лет");
    EXPECT_EQ(said("Almanac", "No lunar eclipse within %n year(s)", 22), "Лунных затмений нет в течение 22 лет");
    EXPECT_EQ(said("Almanac", "No lunar eclipse within %n year(s)", 21), "Лунных затмений нет в течение 21 года");
}

// The C locale keeps the design's texts exactly, the menu's and the dialog's.
TEST(Translations, TheCLocaleKeepsTheClocksOwnTexts) {
    const LanguageSet language("C");
    const Translations translations;
    const TForm1 form(kSettingsFile);
    EXPECT_EQ(form.Clock12h->text(), "1&2h");
    EXPECT_EQ(form.Clock24h->text(), "2&4h");
    EXPECT_EQ(form.K2->text(), "&Info...");
    CInit s{};
    default_settings(s);
    const TForm2 dialog(s, {});
    EXPECT_EQ(dialog.windowTitle(), "Orbalis Options & More Infomations.");
    EXPECT_EQ(dialog.Label1.text(), "Orbalis   Version 1.0");
    EXPECT_EQ(dialog.BitBtn2.text(), "Cancel");
}

// Clock times, dates and numbers as the locale writes them: 24 hours in German, 12 in
// American English; the day first in German, the month first in American English; the
// decimal comma; the clock's own forms under C.
TEST(Translations, TheLocalesTimesDatesAndNumbers) {
    const struct {
        const char* locale;
        bool twelve;
        const char *time, *date, *decimal, *grouped;
    } rows[] = {
        {"de_DE", false, "20:05", "24.12.26", "14,8", "356.600"},
        {"en_US", true, "8:05 PM", "12/24/26", "14.8", "356,600"},
        {"ru_RU", false, "20:05", "24.12.2026", "14,8", "356\u00a0600"},
        {"ja_JP", false, "20:05", "2026/12/24", "14.8", "356,600"},
        {"C", true, "8:05 pm", "2026-12-24", "14.8", "356,600"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(r.locale)));
        const Wording w = Translations::wording();
        EXPECT_EQ(w.time(20, 5, r.twelve), r.time);
        EXPECT_EQ(w.date({2026, 12, 24, 20, 5}), r.date);
        EXPECT_EQ(w.number(14.8, 1), r.decimal);
        EXPECT_EQ(w.number(356600, 0), r.grouped);
    }
    QLocale::setDefault(QLocale::c());
}
