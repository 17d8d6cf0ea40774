#!/bin/sh
# Brings every translation up to date with the texts in the sources (Qt's lupdate): new
# texts come in unfinished, texts gone are dropped. Run after changing a text, then
# translate what is unfinished (Qt Linguist, or any editor); the tests fail while any is.
# Usage: translations/update.sh [NEW_LANGUAGE...]   ("sv", "pt_PT": a new file for each)
set -eu
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
sources="app dialog"
for language in "$@"; do
    [ -e "translations/orbalis_$language.ts" ] ||
        "$lupdate" -silent -no-obsolete -locations none $sources -target-language "$language" \
            -ts "translations/orbalis_$language.ts"
done
for ts in translations/orbalis_*.ts; do
    case $ts in
        # English is the source: only the plural forms ("1 day", "2 days") are translated.
        */orbalis_en.ts) "$lupdate" -silent -pluralonly -no-obsolete -locations none $sources -ts "$ts" ;;
        *) "$lupdate" -silent -no-obsolete -locations none $sources -ts "$ts" ;;
    esac
done
