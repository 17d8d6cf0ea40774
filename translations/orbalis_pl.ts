<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Almanac</name>
    <message>
        <source>Times at %1</source>
        <comment>a time zone&apos;s name or offset</comment>
        <translation>Godziny w strefie %1</translation>
    </message>
    <message>
        <source>%1 — from your time zone; choose yours in Info…</source>
        <comment>a place&apos;s name; the first start&apos;s place, taken from the computer&apos;s time zone</comment>
        <translation>%1 — na podstawie strefy czasowej; wybierz swoje miejsce w menu Informacje…</translation>
    </message>
    <message>
        <source>Sun up all day: sets %1</source>
        <translation>Słońce nad horyzontem cały dzień: zachodzi %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun up all day, no sunset within %n day(s)</source>
        <translation>
            <numerusform>Słońce nad horyzontem cały dzień, brak zachodu w ciągu %n dnia</numerusform>
            <numerusform>Słońce nad horyzontem cały dzień, brak zachodu w ciągu %n dni</numerusform>
            <numerusform>Słońce nad horyzontem cały dzień, brak zachodu w ciągu %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>Sun down all day: rises %1</source>
        <translation>Słońce pod horyzontem cały dzień: wschodzi %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun down all day, no sunrise within %n day(s)</source>
        <translation>
            <numerusform>Słońce pod horyzontem cały dzień, brak wschodu w ciągu %n dnia</numerusform>
            <numerusform>Słońce pod horyzontem cały dzień, brak wschodu w ciągu %n dni</numerusform>
            <numerusform>Słońce pod horyzontem cały dzień, brak wschodu w ciągu %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon up all day: sets %1</source>
        <translation>Księżyc nad horyzontem cały dzień: zachodzi %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon up all day, no moonset within %n day(s)</source>
        <translation>
            <numerusform>Księżyc nad horyzontem cały dzień, brak zachodu w ciągu %n dnia</numerusform>
            <numerusform>Księżyc nad horyzontem cały dzień, brak zachodu w ciągu %n dni</numerusform>
            <numerusform>Księżyc nad horyzontem cały dzień, brak zachodu w ciągu %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon down all day: rises %1</source>
        <translation>Księżyc pod horyzontem cały dzień: wschodzi %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon down all day, no moonrise within %n day(s)</source>
        <translation>
            <numerusform>Księżyc pod horyzontem cały dzień, brak wschodu w ciągu %n dnia</numerusform>
            <numerusform>Księżyc pod horyzontem cały dzień, brak wschodu w ciągu %n dni</numerusform>
            <numerusform>Księżyc pod horyzontem cały dzień, brak wschodu w ciągu %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunrise in the next 24 h: %1</source>
        <translation>Brak wschodu słońca w ciągu 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunrise within %n day(s)</source>
        <translation>
            <numerusform>Brak wschodu słońca w ciągu %n dnia</numerusform>
            <numerusform>Brak wschodu słońca w ciągu %n dni</numerusform>
            <numerusform>Brak wschodu słońca w ciągu %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunset in the next 24 h: %1</source>
        <translation>Brak zachodu słońca w ciągu 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunset within %n day(s)</source>
        <translation>
            <numerusform>Brak zachodu słońca w ciągu %n dnia</numerusform>
            <numerusform>Brak zachodu słońca w ciągu %n dni</numerusform>
            <numerusform>Brak zachodu słońca w ciągu %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonrise in the next 24 h: %1</source>
        <translation>Brak wschodu księżyca w ciągu 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonrise within %n day(s)</source>
        <translation>
            <numerusform>Brak wschodu księżyca w ciągu %n dnia</numerusform>
            <numerusform>Brak wschodu księżyca w ciągu %n dni</numerusform>
            <numerusform>Brak wschodu księżyca w ciągu %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonset in the next 24 h: %1</source>
        <translation>Brak zachodu księżyca w ciągu 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonset within %n day(s)</source>
        <translation>
            <numerusform>Brak zachodu księżyca w ciągu %n dnia</numerusform>
            <numerusform>Brak zachodu księżyca w ciągu %n dni</numerusform>
            <numerusform>Brak zachodu księżyca w ciągu %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon up here</source>
        <translation>Półcieniowe zaćmienie Księżyca %1, Księżyc tu nad horyzontem</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon up here</source>
        <translation>Częściowe zaćmienie Księżyca %1, Księżyc tu nad horyzontem</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon up here</source>
        <translation>Obrączkowe zaćmienie Księżyca %1, Księżyc tu nad horyzontem</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon up here</source>
        <translation>Całkowite zaćmienie Księżyca %1, Księżyc tu nad horyzontem</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon below the horizon here</source>
        <translation>Półcieniowe zaćmienie Księżyca %1, Księżyc tu pod horyzontem</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon below the horizon here</source>
        <translation>Częściowe zaćmienie Księżyca %1, Księżyc tu pod horyzontem</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon below the horizon here</source>
        <translation>Obrączkowe zaćmienie Księżyca %1, Księżyc tu pod horyzontem</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon below the horizon here</source>
        <translation>Całkowite zaćmienie Księżyca %1, Księżyc tu pod horyzontem</translation>
    </message>
    <message>
        <source>under 1%</source>
        <comment>of the Sun covered</comment>
        <translation>poniżej 1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Penumbral solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Półcieniowe zaćmienie Słońca %1, %2 zakrytej tarczy, od %3 do %4</translation>
    </message>
    <message>
        <source>Partial solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Częściowe zaćmienie Słońca %1, %2 zakrytej tarczy, od %3 do %4</translation>
    </message>
    <message>
        <source>Annular solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Obrączkowe zaćmienie Słońca %1, %2 zakrytej tarczy, od %3 do %4</translation>
    </message>
    <message>
        <source>Total solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Całkowite zaćmienie Słońca %1, %2 zakrytej tarczy, od %3 do %4</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <comment>hours and minutes</comment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <comment>minutes and seconds</comment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set today</source>
        <translation>Dzień polarny: Słońce dziś nie zachodzi</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today</source>
        <translation>Noc polarna: Słońce dziś nie wschodzi</translation>
    </message>
    <message>
        <source>Day %1</source>
        <comment>the length of daylight</comment>
        <translation>Dzień %1</translation>
    </message>
    <message>
        <source>Day %1, as long as yesterday</source>
        <translation>Dzień %1, tak długi jak wczoraj</translation>
    </message>
    <message>
        <source>Day %1, %2 shorter than yesterday</source>
        <translation>Dzień %1, o %2 krótszy niż wczoraj</translation>
    </message>
    <message>
        <source>Day %1, %2 longer than yesterday</source>
        <translation>Dzień %1, o %2 dłuższy niż wczoraj</translation>
    </message>
    <message>
        <source>Golden hour %1–%2</source>
        <translation>Złota godzina %1–%2</translation>
    </message>
    <message>
        <source>Golden hour until %1</source>
        <translation>Złota godzina do %1</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Złota godzina od %1</translation>
    </message>
    <message>
        <source>Blue hour %1–%2</source>
        <translation>Niebieska godzina %1–%2</translation>
    </message>
    <message>
        <source>Blue hour until %1</source>
        <translation>Niebieska godzina do %1</translation>
    </message>
    <message>
        <source>Blue hour from %1</source>
        <translation>Niebieska godzina od %1</translation>
    </message>
    <message>
        <source>%1 km</source>
        <comment>a distance</comment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 away</source>
        <comment>a distance</comment>
        <translation>w odległości %1</translation>
    </message>
    <message>
        <source>distance unknown</source>
        <translation>odległość nieznana</translation>
    </message>
    <message>
        <source>Moon below the horizon, %1</source>
        <translation>Księżyc pod horyzontem, %1</translation>
    </message>
    <message>
        <source>Moon %1° up in the %2 (%3°), %4</source>
        <comment>altitude, compass point, azimuth, distance</comment>
        <translation>Księżyc %1° nad horyzontem, kierunek %2 (%3°), %4</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <comment>a number of days with one decimal</comment>
        <translation>za %1 dnia</translation>
    </message>
    <message>
        <source>March equinox %1, %2</source>
        <translation>Równonoc marcowa %1, %2</translation>
    </message>
    <message>
        <source>June solstice %1, %2</source>
        <translation>Przesilenie czerwcowe %1, %2</translation>
    </message>
    <message>
        <source>September equinox %1, %2</source>
        <translation>Równonoc wrześniowa %1, %2</translation>
    </message>
    <message>
        <source>December solstice %1, %2</source>
        <translation>Przesilenie grudniowe %1, %2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>Perygeum %1, %2</translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>Apogeum %1, %2</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Początek świtu cywilnego</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Początek świtu żeglarskiego</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Początek świtu astronomicznego</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Koniec zmierzchu cywilnego</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Koniec zmierzchu żeglarskiego</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Koniec zmierzchu astronomicznego</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Wschód słońca</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zachód słońca</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Wschód księżyca</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Zachód księżyca</translation>
    </message>
    <message>
        <source>Moon %1 days old, %2% lit</source>
        <comment>age in days with a decimal, percent</comment>
        <translation>Księżyc ma %1 dnia, oświetlony w %2%</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the Moon&apos;s age and lit share, its phase by name</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>New moon %1, %2</source>
        <translation>Nów %1, %2</translation>
    </message>
    <message>
        <source>First quarter %1, %2</source>
        <translation>Pierwsza kwadra %1, %2</translation>
    </message>
    <message>
        <source>Full moon %1, %2</source>
        <translation>Pełnia %1, %2</translation>
    </message>
    <message>
        <source>Last quarter %1, %2</source>
        <translation>Ostatnia kwadra %1, %2</translation>
    </message>
    <message>
        <source>New moon not found</source>
        <translation>Nów: nie znaleziono</translation>
    </message>
    <message>
        <source>First quarter not found</source>
        <translation>Pierwsza kwadra: nie znaleziono</translation>
    </message>
    <message>
        <source>Full moon not found</source>
        <translation>Pełnia: nie znaleziono</translation>
    </message>
    <message>
        <source>Last quarter not found</source>
        <translation>Ostatnia kwadra: nie znaleziono</translation>
    </message>
    <message>
        <source>%1 — supermoon, %2</source>
        <comment>a full or new moon, the Moon&apos;s distance then</comment>
        <translation>%1 — superksiężyc, %2</translation>
    </message>
    <message>
        <source>none within 24 h</source>
        <comment>no such event in the coming day</comment>
        <translation>— brak w ciągu 24 h</translation>
    </message>
    <message numerus="yes">
        <source>No lunar eclipse within %n year(s)</source>
        <translation>
            <numerusform>Brak zaćmienia Księżyca w ciągu %n roku</numerusform>
            <numerusform>Brak zaćmienia Księżyca w ciągu %n lat</numerusform>
            <numerusform>Brak zaćmienia Księżyca w ciągu %n lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No solar eclipse seen here within %n year(s)</source>
        <translation>
            <numerusform>Brak zaćmienia Słońca widocznego stąd w ciągu %n roku</numerusform>
            <numerusform>Brak zaćmienia Słońca widocznego stąd w ciągu %n lat</numerusform>
            <numerusform>Brak zaćmienia Słońca widocznego stąd w ciągu %n lat</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>orbalis: --at wants a date and time as &quot;YYYY-MM-DD HH:MM&quot; on the place&apos;s clock, or in ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), not &quot;%1&quot;</source>
        <translation>orbalis: --at oczekuje daty i godziny w postaci „YYYY-MM-DD HH:MM” według zegara miejsca lub w ISO 8601 („YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]”), a nie „%1”</translation>
    </message>
    <message>
        <source>--settings needs a FILE</source>
        <translation>--settings wymaga PLIKU</translation>
    </message>
    <message>
        <source>--at needs &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--at wymaga „YYYY-MM-DD HH:MM”</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>--print and --json cannot be used together</source>
        <translation>--print i --json nie mogą być użyte razem</translation>
    </message>
    <message>
        <source>--at goes with --print or --json</source>
        <translation>--at działa tylko z --print lub --json</translation>
    </message>
    <message>
        <source>Usage: orbalis [--settings FILE]
       orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings FILE]
A round desktop clock with the Moon&apos;s phase and age and the day&apos;s sunrise, sunset,
twilight, moonrise and moonset.

  --settings FILE  keep the settings in FILE instead of the default one
  --print          print what the clock&apos;s tooltip says now, for the place of the
                   settings, and exit (no display needed)
  --json           print the same as one JSON object and exit
  --at &quot;YYYY-MM-DD HH:MM&quot;
                   with --print or --json: for that time on the place&apos;s clock (a
                   time a clock change skips is read on the offset before it, a
                   repeated one at its first occurrence); or an ISO 8601 time as
                   --json prints it, &quot;2027-01-15T12:00:00+01:00&quot; (&quot;Z&quot; for UTC)
  -h, --help       show this help and exit
  -v, --version    show the version and exit

Settings file: %1
(%2 in the working directory when there is one, else
$XDG_CONFIG_HOME/%3/%2, by default %4)</source>
        <translation>Użycie: orbalis [--settings PLIK]
        orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings PLIK]
Okrągły zegar na pulpit z fazą i wiekiem Księżyca oraz wschodem i zachodem słońca,
zmierzchem, wschodem i zachodem księżyca danego dnia.

  --settings PLIK  przechowuj ustawienia w PLIKU zamiast w domyślnym
  --print          wypisz, co teraz mówi podpowiedź zegara dla miejsca
                   z ustawień, i zakończ (ekran nie jest potrzebny)
  --json           wypisz to samo jako jeden obiekt JSON i zakończ
  --at &quot;YYYY-MM-DD HH:MM&quot;
                   z --print lub --json: dla tej godziny według zegara miejsca
                   (godzina pominięta przy zmianie czasu liczy się z przesunięciem
                   sprzed zmiany, powtórzona przy pierwszym wystąpieniu); albo czas
                   ISO 8601 tak, jak wypisuje go --json,
                   &quot;2027-01-15T12:00:00+01:00&quot; (&quot;Z&quot; dla UTC)
  -h, --help       pokaż tę pomoc i zakończ
  -v, --version    pokaż wersję i zakończ

Plik ustawień: %1
(%2 w katalogu roboczym, jeśli tam jest, w przeciwnym razie
$XDG_CONFIG_HOME/%3/%2, domyślnie %4)</translation>
    </message>
    <message>
        <source>orbalis: %1 (see orbalis --help)</source>
        <translation>orbalis: %1 (zobacz orbalis --help)</translation>
    </message>
    <message>
        <source>orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>orbalis: brak ekranu (nie ustawiono DISPLAY ani WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>orbalis: a clock already runs with %1 but does not answer</source>
        <translation>orbalis: zegar z plikiem %1 już działa, ale nie odpowiada</translation>
    </message>
    <message>
        <source>orbalis: already running with %1; brought that clock to the front</source>
        <translation>orbalis: już działa z plikiem %1; ten zegar przeniesiono na wierzch</translation>
    </message>
    <message>
        <source>orbalis: no private folder for the one-clock guard (%1); a second clock on this file is not stopped</source>
        <translation>orbalis: brak prywatnego folderu dla blokady jednego zegara (%1); drugi zegar z tym plikiem nie zostanie zatrzymany</translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NNE</source>
        <translation>NNE</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>ENE</source>
        <translation>ENE</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>ESE</source>
        <translation>ESE</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>SSE</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>SSW</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>WSW</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>WNW</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NW</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>NNW</translation>
    </message>
</context>
<context>
    <name>Locator</name>
    <message>
        <source>No location service: the system bus cannot be reached.</source>
        <translation>Brak usługi lokalizacji: magistrala systemowa jest niedostępna.</translation>
    </message>
    <message>
        <source>The location service gave no usable position.</source>
        <translation>Usługa lokalizacji nie podała użytecznej pozycji.</translation>
    </message>
    <message>
        <source>The location service refused: %1</source>
        <translation>Usługa lokalizacji odmówiła: %1</translation>
    </message>
    <message>
        <source>The location service did not answer within %1 s.</source>
        <translation>Usługa lokalizacji nie odpowiedziała w ciągu %1 s.</translation>
    </message>
</context>
<context>
    <name>Phase</name>
    <message>
        <source>new moon</source>
        <translation>nów</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>przybywający sierp</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>pierwsza kwadra</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>przybywający garb</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>pełnia</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>ubywający garb</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>ostatnia kwadra</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>ubywający sierp</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>orbalis: reminders cannot be shown: no desktop notification service (%1)</source>
        <translation>orbalis: nie można pokazać przypomnień: brak usługi powiadomień pulpitu (%1)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Wschód słońca</translation>
    </message>
    <message>
        <source>Sunrise at %1</source>
        <translation>Wschód słońca o %1</translation>
    </message>
    <message>
        <source>Sunrise on %1 at %2</source>
        <translation>Wschód słońca %1 o %2</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zachód słońca</translation>
    </message>
    <message>
        <source>Sunset at %1</source>
        <translation>Zachód słońca o %1</translation>
    </message>
    <message>
        <source>Sunset on %1 at %2</source>
        <translation>Zachód słońca %1 o %2</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Złota godzina</translation>
    </message>
    <message>
        <source>Golden hour at %1</source>
        <translation>Złota godzina o %1</translation>
    </message>
    <message>
        <source>Golden hour on %1 at %2</source>
        <translation>Złota godzina %1 o %2</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pełnia</translation>
    </message>
    <message>
        <source>Full moon at %1</source>
        <translation>Pełnia o %1</translation>
    </message>
    <message>
        <source>Full moon on %1 at %2</source>
        <translation>Pełnia %1 o %2</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nów</translation>
    </message>
    <message>
        <source>New moon at %1</source>
        <translation>Nów o %1</translation>
    </message>
    <message>
        <source>New moon on %1 at %2</source>
        <translation>Nów %1 o %2</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Zaćmienie</translation>
    </message>
    <message>
        <source>Eclipse at %1</source>
        <translation>Zaćmienie o %1</translation>
    </message>
    <message>
        <source>Eclipse on %1 at %2</source>
        <translation>Zaćmienie %1 o %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Twilight</source>
        <translation>&amp;Zmierzch</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <extracomment>The size of the clock&apos;s face.</extracomment>
        <translation>&amp;Rozmiar</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Przypomnij</translation>
    </message>
    <message>
        <source>1&amp;2h</source>
        <extracomment>The dial of 12 hours (with am and pm); &amp; marks the menu&apos;s key.</extracomment>
        <translation>1&amp;2 h</translation>
    </message>
    <message>
        <source>2&amp;4h</source>
        <extracomment>The dial of 24 hours.</extracomment>
        <translation>2&amp;4 h</translation>
    </message>
    <message>
        <source>Moon as in the &amp;sky</source>
        <translation>Księżyc jak na &amp;niebie</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Informacje…</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>&amp;Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Civil (Sun 6° below)</source>
        <translation>&amp;Cywilny (Słońce 6° pod horyzontem)</translation>
    </message>
    <message>
        <source>&amp;Nautical (12° below)</source>
        <translation>&amp;Żeglarski (12° pod horyzontem)</translation>
    </message>
    <message>
        <source>&amp;Astronomical (18° below)</source>
        <translation>&amp;Astronomiczny (18° pod horyzontem)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a size in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Wschód słońca</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zachód słońca</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Złota godzina</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pełnia</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nów</translation>
    </message>
    <message>
        <source>An eclipse seen here</source>
        <translation>Zaćmienie widoczne stąd</translation>
    </message>
    <message>
        <source>At the event</source>
        <translation>W chwili zdarzenia</translation>
    </message>
    <message>
        <source>15 min before</source>
        <translation>15 min wcześniej</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 godzinę wcześniej</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 dzień wcześniej</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2). They apply until the clock is closed.</source>
        <translation>Nie udało się zapisać ustawień w %1 (%2). Obowiązują do zamknięcia zegara.</translation>
    </message>
    <message>
        <source>The login start entry %1 was not changed: %2</source>
        <translation>Wpis autostartu %1 nie został zmieniony: %2</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1 (%2). Changes to the place and the position will be lost when the clock is closed.</source>
        <translation>Nie można zapisać ustawień w %1 (%2). Zmiany miejsca i położenia zostaną utracone po zamknięciu zegara.</translation>
    </message>
    <message>
        <source>%1. The dial, the Moon&apos;s picture and the place chosen by name will not be kept.</source>
        <translation>%1. Tarcza, obraz Księżyca i miejsce wybrane z nazwy nie zostaną zachowane.</translation>
    </message>
    <message>
        <source>The choice is not kept: %1. It applies until the clock is closed.</source>
        <translation>Wybór nie zostanie zachowany: %1. Obowiązuje do zamknięcia zegara.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Position</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>Orbalis Options &amp; More Infomations.</source>
        <translation>Orbalis – Opcje i informacje</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Height =</source>
        <extracomment>The place&apos;s height above sea level.</extracomment>
        <translation>Wysokość =</translation>
    </message>
    <message>
        <source>(m)</source>
        <extracomment>Metres, after the height.</extracomment>
        <translation>(m)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Użyj mojej lokalizacji</translation>
    </message>
    <message>
        <source>Asking the location service…</source>
        <translation>Pytanie usługi lokalizacji…</translation>
    </message>
    <message>
        <source>City name</source>
        <translation>Nazwa miasta</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Time zone, hours east of Greenwich</source>
        <translation>Strefa czasowa, godziny na wschód od Greenwich</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Północ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Południe</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Wschód</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Zachód</translation>
    </message>
    <message>
        <source>Latitude, degrees</source>
        <translation>Szerokość, stopnie</translation>
    </message>
    <message>
        <source>Latitude, minutes</source>
        <translation>Szerokość, minuty</translation>
    </message>
    <message>
        <source>Longitude, degrees</source>
        <translation>Długość, stopnie</translation>
    </message>
    <message>
        <source>Longitude, minutes</source>
        <translation>Długość, minuty</translation>
    </message>
    <message>
        <source>Height above sea level, metres</source>
        <translation>Wysokość nad poziomem morza, metry</translation>
    </message>
    <message>
        <source>Moon and coming events</source>
        <translation>Księżyc i nadchodzące zdarzenia</translation>
    </message>
</context>
</TS>
