// The user's language for the clock's texts and for Qt's own (the dialog's buttons), and
// the locale's formats for the almanac's dates, times and numbers. The clock's translations
// are built into the program; Qt's come from Debian's qt6-translations-l10n where installed.
#pragma once

#include <QLocale>
#include <QTranslator>

#include "wording.h"

class Translations {
public:
    // Installs them into the running application; gone with this object.
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language of LC_ALL, else LC_MESSAGES, else LANG; C for C, POSIX or none.
    static QLocale language();
    // The almanac's wording: this language, and the formats of the locale of LC_TIME (the
    // clock's own under C).
    static Wording wording();

private:
    QTranslator english;  // the plural forms of the English texts
    QTranslator own;      // the clock's texts in the user's language
    QTranslator qt;       // Qt's own texts
};
