<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Almanac</name>
    <message>
        <source>Times at %1</source>
        <comment>a time zone&apos;s name or offset</comment>
        <translation>Zeiten in %1</translation>
    </message>
    <message>
        <source>%1 — from your time zone; choose yours in Info…</source>
        <comment>a place&apos;s name; the first start&apos;s place, taken from the computer&apos;s time zone</comment>
        <translation>%1 – aus Ihrer Zeitzone; wählen Sie Ihren Ort unter Info…</translation>
    </message>
    <message>
        <source>Sun up all day: sets %1</source>
        <translation>Sonne den ganzen Tag über dem Horizont: geht unter am %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun up all day, no sunset within %n day(s)</source>
        <translation>
            <numerusform>Sonne den ganzen Tag über dem Horizont, kein Sonnenuntergang innerhalb von %n Tag</numerusform>
            <numerusform>Sonne den ganzen Tag über dem Horizont, kein Sonnenuntergang innerhalb von %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Sun down all day: rises %1</source>
        <translation>Sonne den ganzen Tag unter dem Horizont: geht auf am %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun down all day, no sunrise within %n day(s)</source>
        <translation>
            <numerusform>Sonne den ganzen Tag unter dem Horizont, kein Sonnenaufgang innerhalb von %n Tag</numerusform>
            <numerusform>Sonne den ganzen Tag unter dem Horizont, kein Sonnenaufgang innerhalb von %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon up all day: sets %1</source>
        <translation>Mond den ganzen Tag über dem Horizont: geht unter am %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon up all day, no moonset within %n day(s)</source>
        <translation>
            <numerusform>Mond den ganzen Tag über dem Horizont, kein Monduntergang innerhalb von %n Tag</numerusform>
            <numerusform>Mond den ganzen Tag über dem Horizont, kein Monduntergang innerhalb von %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon down all day: rises %1</source>
        <translation>Mond den ganzen Tag unter dem Horizont: geht auf am %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon down all day, no moonrise within %n day(s)</source>
        <translation>
            <numerusform>Mond den ganzen Tag unter dem Horizont, kein Mondaufgang innerhalb von %n Tag</numerusform>
            <numerusform>Mond den ganzen Tag unter dem Horizont, kein Mondaufgang innerhalb von %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunrise in the next 24 h: %1</source>
        <translation>Kein Sonnenaufgang in den nächsten 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunrise within %n day(s)</source>
        <translation>
            <numerusform>Kein Sonnenaufgang innerhalb von %n Tag</numerusform>
            <numerusform>Kein Sonnenaufgang innerhalb von %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunset in the next 24 h: %1</source>
        <translation>Kein Sonnenuntergang in den nächsten 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunset within %n day(s)</source>
        <translation>
            <numerusform>Kein Sonnenuntergang innerhalb von %n Tag</numerusform>
            <numerusform>Kein Sonnenuntergang innerhalb von %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonrise in the next 24 h: %1</source>
        <translation>Kein Mondaufgang in den nächsten 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonrise within %n day(s)</source>
        <translation>
            <numerusform>Kein Mondaufgang innerhalb von %n Tag</numerusform>
            <numerusform>Kein Mondaufgang innerhalb von %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonset in the next 24 h: %1</source>
        <translation>Kein Monduntergang in den nächsten 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonset within %n day(s)</source>
        <translation>
            <numerusform>Kein Monduntergang innerhalb von %n Tag</numerusform>
            <numerusform>Kein Monduntergang innerhalb von %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon up here</source>
        <translation>Halbschatten-Mondfinsternis %1, Mond hier über dem Horizont</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon up here</source>
        <translation>Partielle Mondfinsternis %1, Mond hier über dem Horizont</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon up here</source>
        <translation>Ringförmige Mondfinsternis %1, Mond hier über dem Horizont</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon up here</source>
        <translation>Totale Mondfinsternis %1, Mond hier über dem Horizont</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon below the horizon here</source>
        <translation>Halbschatten-Mondfinsternis %1, Mond hier unter dem Horizont</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon below the horizon here</source>
        <translation>Partielle Mondfinsternis %1, Mond hier unter dem Horizont</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon below the horizon here</source>
        <translation>Ringförmige Mondfinsternis %1, Mond hier unter dem Horizont</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon below the horizon here</source>
        <translation>Totale Mondfinsternis %1, Mond hier unter dem Horizont</translation>
    </message>
    <message>
        <source>under 1%</source>
        <comment>of the Sun covered</comment>
        <translation>unter 1 %</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Penumbral solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Halbschatten-Sonnenfinsternis %1, %2 bedeckt, %3 bis %4</translation>
    </message>
    <message>
        <source>Partial solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Partielle Sonnenfinsternis %1, %2 bedeckt, %3 bis %4</translation>
    </message>
    <message>
        <source>Annular solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Ringförmige Sonnenfinsternis %1, %2 bedeckt, %3 bis %4</translation>
    </message>
    <message>
        <source>Total solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Totale Sonnenfinsternis %1, %2 bedeckt, %3 bis %4</translation>
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
        <translation>Polartag: Die Sonne geht heute nicht unter</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today</source>
        <translation>Polarnacht: Die Sonne geht heute nicht auf</translation>
    </message>
    <message>
        <source>Day %1</source>
        <comment>the length of daylight</comment>
        <translation>Tag %1</translation>
    </message>
    <message>
        <source>Day %1, as long as yesterday</source>
        <translation>Tag %1, so lang wie gestern</translation>
    </message>
    <message>
        <source>Day %1, %2 shorter than yesterday</source>
        <translation>Tag %1, %2 kürzer als gestern</translation>
    </message>
    <message>
        <source>Day %1, %2 longer than yesterday</source>
        <translation>Tag %1, %2 länger als gestern</translation>
    </message>
    <message>
        <source>Golden hour %1–%2</source>
        <translation>Goldene Stunde %1–%2</translation>
    </message>
    <message>
        <source>Golden hour until %1</source>
        <translation>Goldene Stunde bis %1</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Goldene Stunde ab %1</translation>
    </message>
    <message>
        <source>Blue hour %1–%2</source>
        <translation>Blaue Stunde %1–%2</translation>
    </message>
    <message>
        <source>Blue hour until %1</source>
        <translation>Blaue Stunde bis %1</translation>
    </message>
    <message>
        <source>Blue hour from %1</source>
        <translation>Blaue Stunde ab %1</translation>
    </message>
    <message>
        <source>%1 km</source>
        <comment>a distance</comment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 away</source>
        <comment>a distance</comment>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>distance unknown</source>
        <translation>Entfernung unbekannt</translation>
    </message>
    <message>
        <source>Moon below the horizon, %1</source>
        <translation>Mond unter dem Horizont, %1</translation>
    </message>
    <message>
        <source>Moon %1° up in the %2 (%3°), %4</source>
        <comment>altitude, compass point, azimuth, distance</comment>
        <translation>Mond %1° hoch im %2 (%3°), %4</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <comment>a number of days with one decimal</comment>
        <translation>in %1 Tagen</translation>
    </message>
    <message>
        <source>March equinox %1, %2</source>
        <translation>März-Tagundnachtgleiche %1, %2</translation>
    </message>
    <message>
        <source>June solstice %1, %2</source>
        <translation>Juni-Sonnenwende %1, %2</translation>
    </message>
    <message>
        <source>September equinox %1, %2</source>
        <translation>September-Tagundnachtgleiche %1, %2</translation>
    </message>
    <message>
        <source>December solstice %1, %2</source>
        <translation>Dezember-Sonnenwende %1, %2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>Perigäum %1, %2</translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>Apogäum %1, %2</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Bürgerliche Dämmerung beginnt</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Nautische Dämmerung beginnt</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Astronomische Dämmerung beginnt</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Bürgerliche Dämmerung endet</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Nautische Dämmerung endet</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Astronomische Dämmerung endet</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>Moon %1 days old, %2% lit</source>
        <comment>age in days with a decimal, percent</comment>
        <translation>Mond %1 Tage alt, zu %2 % beleuchtet</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the Moon&apos;s age and lit share, its phase by name</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>New moon %1, %2</source>
        <translation>Neumond %1, %2</translation>
    </message>
    <message>
        <source>First quarter %1, %2</source>
        <translation>Erstes Viertel %1, %2</translation>
    </message>
    <message>
        <source>Full moon %1, %2</source>
        <translation>Vollmond %1, %2</translation>
    </message>
    <message>
        <source>Last quarter %1, %2</source>
        <translation>Letztes Viertel %1, %2</translation>
    </message>
    <message>
        <source>New moon not found</source>
        <translation>Neumond nicht gefunden</translation>
    </message>
    <message>
        <source>First quarter not found</source>
        <translation>Erstes Viertel nicht gefunden</translation>
    </message>
    <message>
        <source>Full moon not found</source>
        <translation>Vollmond nicht gefunden</translation>
    </message>
    <message>
        <source>Last quarter not found</source>
        <translation>Letztes Viertel nicht gefunden</translation>
    </message>
    <message>
        <source>%1 — supermoon, %2</source>
        <comment>a full or new moon, the Moon&apos;s distance then</comment>
        <translation>%1 – Supermond, %2</translation>
    </message>
    <message>
        <source>none within 24 h</source>
        <comment>no such event in the coming day</comment>
        <translation>– nicht innerhalb von 24 h</translation>
    </message>
    <message numerus="yes">
        <source>No lunar eclipse within %n year(s)</source>
        <translation>
            <numerusform>Keine Mondfinsternis innerhalb von %n Jahr</numerusform>
            <numerusform>Keine Mondfinsternis innerhalb von %n Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No solar eclipse seen here within %n year(s)</source>
        <translation>
            <numerusform>Keine hier sichtbare Sonnenfinsternis innerhalb von %n Jahr</numerusform>
            <numerusform>Keine hier sichtbare Sonnenfinsternis innerhalb von %n Jahren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>orbalis: --at wants a date and time as &quot;YYYY-MM-DD HH:MM&quot; on the place&apos;s clock, or in ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), not &quot;%1&quot;</source>
        <translation>orbalis: --at erwartet Datum und Uhrzeit als „YYYY-MM-DD HH:MM“ nach der Uhr des Ortes oder in ISO 8601 („YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]“), nicht „%1“</translation>
    </message>
    <message>
        <source>--settings needs a FILE</source>
        <translation>--settings braucht eine DATEI</translation>
    </message>
    <message>
        <source>--at needs &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--at braucht „YYYY-MM-DD HH:MM“</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--print and --json cannot be used together</source>
        <translation>--print und --json können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--at goes with --print or --json</source>
        <translation>--at gehört zu --print oder --json</translation>
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
        <translation>Aufruf: orbalis [--settings DATEI]
        orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings DATEI]
Eine runde Desktop-Uhr mit Mondphase und Mondalter sowie Sonnenaufgang, Sonnenuntergang,
Dämmerung, Mondaufgang und Monduntergang des Tages.

  --settings DATEI  die Einstellungen in DATEI statt in der üblichen Datei halten
  --print           ausgeben, was der Tooltip der Uhr jetzt für den Ort der
                    Einstellungen sagt, und beenden (keine Anzeige nötig)
  --json            dasselbe als ein JSON-Objekt ausgeben und beenden
  --at &quot;YYYY-MM-DD HH:MM&quot;
                    mit --print oder --json: für diese Zeit nach der Uhr des Ortes
                    (eine bei der Zeitumstellung übersprungene Zeit gilt mit dem
                    Versatz davor, eine doppelte bei ihrem ersten Auftreten); oder
                    eine ISO-8601-Zeit, wie --json sie ausgibt,
                    &quot;2027-01-15T12:00:00+01:00&quot; (&quot;Z&quot; für UTC)
  -h, --help        diese Hilfe zeigen und beenden
  -v, --version     die Version zeigen und beenden

Einstellungsdatei: %1
(%2 im Arbeitsverzeichnis, wenn es dort eine gibt, sonst
$XDG_CONFIG_HOME/%3/%2, standardmäßig %4)</translation>
    </message>
    <message>
        <source>orbalis: %1 (see orbalis --help)</source>
        <translation>orbalis: %1 (siehe orbalis --help)</translation>
    </message>
    <message>
        <source>orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>orbalis: keine Anzeige (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>orbalis: a clock already runs with %1 but does not answer</source>
        <translation>orbalis: Eine Uhr läuft bereits mit %1, antwortet aber nicht</translation>
    </message>
    <message>
        <source>orbalis: already running with %1; brought that clock to the front</source>
        <translation>orbalis: läuft bereits mit %1; diese Uhr wurde nach vorne geholt</translation>
    </message>
    <message>
        <source>orbalis: no private folder for the one-clock guard (%1); a second clock on this file is not stopped</source>
        <translation>orbalis: kein privater Ordner für die Sperre gegen eine zweite Uhr (%1); eine zweite Uhr mit dieser Datei wird nicht verhindert</translation>
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
        <translation>NNO</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>ENE</source>
        <translation>ONO</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>ESE</source>
        <translation>OSO</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>SSO</translation>
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
        <translation>Kein Ortungsdienst: Der Systembus ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The location service gave no usable position.</source>
        <translation>Der Ortungsdienst lieferte keine brauchbare Position.</translation>
    </message>
    <message>
        <source>The location service refused: %1</source>
        <translation>Der Ortungsdienst hat abgelehnt: %1</translation>
    </message>
    <message>
        <source>The location service did not answer within %1 s.</source>
        <translation>Der Ortungsdienst hat nicht innerhalb von %1 s geantwortet.</translation>
    </message>
</context>
<context>
    <name>Phase</name>
    <message>
        <source>new moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>zunehmende Sichel</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>erstes Viertel</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>zunehmender Dreiviertelmond</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>abnehmender Dreiviertelmond</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>letztes Viertel</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>abnehmende Sichel</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>orbalis: reminders cannot be shown: no desktop notification service (%1)</source>
        <translation>orbalis: Erinnerungen können nicht angezeigt werden: kein Benachrichtigungsdienst des Desktops (%1)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunrise at %1</source>
        <translation>Sonnenaufgang um %1</translation>
    </message>
    <message>
        <source>Sunrise on %1 at %2</source>
        <translation>Sonnenaufgang am %1 um %2</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Sunset at %1</source>
        <translation>Sonnenuntergang um %1</translation>
    </message>
    <message>
        <source>Sunset on %1 at %2</source>
        <translation>Sonnenuntergang am %1 um %2</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Goldene Stunde</translation>
    </message>
    <message>
        <source>Golden hour at %1</source>
        <translation>Goldene Stunde um %1</translation>
    </message>
    <message>
        <source>Golden hour on %1 at %2</source>
        <translation>Goldene Stunde am %1 um %2</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Full moon at %1</source>
        <translation>Vollmond um %1</translation>
    </message>
    <message>
        <source>Full moon on %1 at %2</source>
        <translation>Vollmond am %1 um %2</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>New moon at %1</source>
        <translation>Neumond um %1</translation>
    </message>
    <message>
        <source>New moon on %1 at %2</source>
        <translation>Neumond am %1 um %2</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Finsternis</translation>
    </message>
    <message>
        <source>Eclipse at %1</source>
        <translation>Finsternis um %1</translation>
    </message>
    <message>
        <source>Eclipse on %1 at %2</source>
        <translation>Finsternis am %1 um %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Twilight</source>
        <translation>&amp;Dämmerung</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <extracomment>The size of the clock&apos;s face.</extracomment>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Erinnern</translation>
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
        <translation>Mond wie am &amp;Himmel</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Info …</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>Beim &amp;Anmelden starten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Civil (Sun 6° below)</source>
        <translation>&amp;Bürgerlich (Sonne 6° unter dem Horizont)</translation>
    </message>
    <message>
        <source>&amp;Nautical (12° below)</source>
        <translation>&amp;Nautisch (12° darunter)</translation>
    </message>
    <message>
        <source>&amp;Astronomical (18° below)</source>
        <translation>&amp;Astronomisch (18° darunter)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a size in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Goldene Stunde</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>An eclipse seen here</source>
        <translation>Eine hier sichtbare Finsternis</translation>
    </message>
    <message>
        <source>At the event</source>
        <translation>Zum Ereignis</translation>
    </message>
    <message>
        <source>15 min before</source>
        <translation>15 min vorher</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 Stunde vorher</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 Tag vorher</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2). They apply until the clock is closed.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden (%2). Sie gelten, bis die Uhr geschlossen wird.</translation>
    </message>
    <message>
        <source>The login start entry %1 was not changed: %2</source>
        <translation>Der Autostart-Eintrag %1 wurde nicht geändert: %2</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1 (%2). Changes to the place and the position will be lost when the clock is closed.</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden (%2). Änderungen an Ort und Position gehen beim Schließen der Uhr verloren.</translation>
    </message>
    <message>
        <source>%1. The dial, the Moon&apos;s picture and the place chosen by name will not be kept.</source>
        <translation>%1. Zifferblatt, Mondbild und der per Name gewählte Ort werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The choice is not kept: %1. It applies until the clock is closed.</source>
        <translation>Die Auswahl wird nicht gespeichert: %1. Sie gilt, bis die Uhr geschlossen wird.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>Orbalis Options &amp; More Infomations.</source>
        <translation>Orbalis – Einstellungen &amp; weitere Informationen</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Height =</source>
        <extracomment>The place&apos;s height above sea level.</extracomment>
        <translation>Höhe =</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Meinen Standort verwenden</translation>
    </message>
    <message>
        <source>Asking the location service…</source>
        <translation>Ortungsdienst wird gefragt …</translation>
    </message>
    <message>
        <source>City name</source>
        <translation>Name der Stadt</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Time zone, hours east of Greenwich</source>
        <translation>Zeitzone, Stunden östlich von Greenwich</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Latitude, degrees</source>
        <translation>Breite, Grad</translation>
    </message>
    <message>
        <source>Latitude, minutes</source>
        <translation>Breite, Minuten</translation>
    </message>
    <message>
        <source>Longitude, degrees</source>
        <translation>Länge, Grad</translation>
    </message>
    <message>
        <source>Longitude, minutes</source>
        <translation>Länge, Minuten</translation>
    </message>
    <message>
        <source>Height above sea level, metres</source>
        <translation>Höhe über dem Meeresspiegel, Meter</translation>
    </message>
    <message>
        <source>Moon and coming events</source>
        <translation>Mond und kommende Ereignisse</translation>
    </message>
</context>
</TS>
