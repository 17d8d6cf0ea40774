<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Almanac</name>
    <message>
        <source>Times at %1</source>
        <comment>a time zone&apos;s name or offset</comment>
        <translation>Tijden in %1</translation>
    </message>
    <message>
        <source>%1 — from your time zone; choose yours in Info…</source>
        <comment>a place&apos;s name; the first start&apos;s place, taken from the computer&apos;s time zone</comment>
        <translation>%1 — uit uw tijdzone; kies de uwe bij Info…</translation>
    </message>
    <message>
        <source>Sun up all day: sets %1</source>
        <translation>Zon de hele dag op: gaat onder op %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun up all day, no sunset within %n day(s)</source>
        <translation>
            <numerusform>Zon de hele dag op, geen zonsondergang binnen %n dag</numerusform>
            <numerusform>Zon de hele dag op, geen zonsondergang binnen %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Sun down all day: rises %1</source>
        <translation>Zon de hele dag onder: komt op op %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun down all day, no sunrise within %n day(s)</source>
        <translation>
            <numerusform>Zon de hele dag onder, geen zonsopkomst binnen %n dag</numerusform>
            <numerusform>Zon de hele dag onder, geen zonsopkomst binnen %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon up all day: sets %1</source>
        <translation>Maan de hele dag op: gaat onder op %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon up all day, no moonset within %n day(s)</source>
        <translation>
            <numerusform>Maan de hele dag op, geen maansondergang binnen %n dag</numerusform>
            <numerusform>Maan de hele dag op, geen maansondergang binnen %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon down all day: rises %1</source>
        <translation>Maan de hele dag onder: komt op op %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon down all day, no moonrise within %n day(s)</source>
        <translation>
            <numerusform>Maan de hele dag onder, geen maansopkomst binnen %n dag</numerusform>
            <numerusform>Maan de hele dag onder, geen maansopkomst binnen %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunrise in the next 24 h: %1</source>
        <translation>Geen zonsopkomst in de komende 24 u: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunrise within %n day(s)</source>
        <translation>
            <numerusform>Geen zonsopkomst binnen %n dag</numerusform>
            <numerusform>Geen zonsopkomst binnen %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunset in the next 24 h: %1</source>
        <translation>Geen zonsondergang in de komende 24 u: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunset within %n day(s)</source>
        <translation>
            <numerusform>Geen zonsondergang binnen %n dag</numerusform>
            <numerusform>Geen zonsondergang binnen %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonrise in the next 24 h: %1</source>
        <translation>Geen maansopkomst in de komende 24 u: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonrise within %n day(s)</source>
        <translation>
            <numerusform>Geen maansopkomst binnen %n dag</numerusform>
            <numerusform>Geen maansopkomst binnen %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonset in the next 24 h: %1</source>
        <translation>Geen maansondergang in de komende 24 u: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonset within %n day(s)</source>
        <translation>
            <numerusform>Geen maansondergang binnen %n dag</numerusform>
            <numerusform>Geen maansondergang binnen %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon up here</source>
        <translation>Halfschaduw-maansverduistering %1, Maan hier boven de horizon</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon up here</source>
        <translation>Gedeeltelijke maansverduistering %1, Maan hier boven de horizon</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon up here</source>
        <translation>Ringvormige maansverduistering %1, Maan hier boven de horizon</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon up here</source>
        <translation>Totale maansverduistering %1, Maan hier boven de horizon</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon below the horizon here</source>
        <translation>Halfschaduw-maansverduistering %1, Maan hier onder de horizon</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon below the horizon here</source>
        <translation>Gedeeltelijke maansverduistering %1, Maan hier onder de horizon</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon below the horizon here</source>
        <translation>Ringvormige maansverduistering %1, Maan hier onder de horizon</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon below the horizon here</source>
        <translation>Totale maansverduistering %1, Maan hier onder de horizon</translation>
    </message>
    <message>
        <source>under 1%</source>
        <comment>of the Sun covered</comment>
        <translation>minder dan 1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Penumbral solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Halfschaduw-zonsverduistering %1, %2 bedekt, van %3 tot %4</translation>
    </message>
    <message>
        <source>Partial solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Gedeeltelijke zonsverduistering %1, %2 bedekt, van %3 tot %4</translation>
    </message>
    <message>
        <source>Annular solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Ringvormige zonsverduistering %1, %2 bedekt, van %3 tot %4</translation>
    </message>
    <message>
        <source>Total solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Totale zonsverduistering %1, %2 bedekt, van %3 tot %4</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <comment>hours and minutes</comment>
        <translation>%1 u %2 min</translation>
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
        <translation>Pooldag: de zon gaat vandaag niet onder</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today</source>
        <translation>Poolnacht: de zon komt vandaag niet op</translation>
    </message>
    <message>
        <source>Day %1</source>
        <comment>the length of daylight</comment>
        <translation>Dag %1</translation>
    </message>
    <message>
        <source>Day %1, as long as yesterday</source>
        <translation>Dag %1, even lang als gisteren</translation>
    </message>
    <message>
        <source>Day %1, %2 shorter than yesterday</source>
        <translation>Dag %1, %2 korter dan gisteren</translation>
    </message>
    <message>
        <source>Day %1, %2 longer than yesterday</source>
        <translation>Dag %1, %2 langer dan gisteren</translation>
    </message>
    <message>
        <source>Golden hour %1–%2</source>
        <translation>Gouden uur %1–%2</translation>
    </message>
    <message>
        <source>Golden hour until %1</source>
        <translation>Gouden uur tot %1</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Gouden uur vanaf %1</translation>
    </message>
    <message>
        <source>Blue hour %1–%2</source>
        <translation>Blauwe uur %1–%2</translation>
    </message>
    <message>
        <source>Blue hour until %1</source>
        <translation>Blauwe uur tot %1</translation>
    </message>
    <message>
        <source>Blue hour from %1</source>
        <translation>Blauwe uur vanaf %1</translation>
    </message>
    <message>
        <source>%1 km</source>
        <comment>a distance</comment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 away</source>
        <comment>a distance</comment>
        <translation>op %1</translation>
    </message>
    <message>
        <source>distance unknown</source>
        <translation>afstand onbekend</translation>
    </message>
    <message>
        <source>Moon below the horizon, %1</source>
        <translation>Maan onder de horizon, %1</translation>
    </message>
    <message>
        <source>Moon %1° up in the %2 (%3°), %4</source>
        <comment>altitude, compass point, azimuth, distance</comment>
        <translation>Maan %1° hoog in het %2 (%3°), %4</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <comment>a number of days with one decimal</comment>
        <translation>over %1 dagen</translation>
    </message>
    <message>
        <source>March equinox %1, %2</source>
        <translation>Maart-equinox %1, %2</translation>
    </message>
    <message>
        <source>June solstice %1, %2</source>
        <translation>Junizonnewende %1, %2</translation>
    </message>
    <message>
        <source>September equinox %1, %2</source>
        <translation>September-equinox %1, %2</translation>
    </message>
    <message>
        <source>December solstice %1, %2</source>
        <translation>Decemberzonnewende %1, %2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>Perigeum %1, %2</translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>Apogeum %1, %2</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Burgerlijke schemering begint</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Nautische schemering begint</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Astronomische schemering begint</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Burgerlijke schemering eindigt</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Nautische schemering eindigt</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Astronomische schemering eindigt</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Zonsopkomst</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zonsondergang</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Maansopkomst</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Maansondergang</translation>
    </message>
    <message>
        <source>Moon %1 days old, %2% lit</source>
        <comment>age in days with a decimal, percent</comment>
        <translation>Maan %1 dagen oud, %2% verlicht</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the Moon&apos;s age and lit share, its phase by name</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>New moon %1, %2</source>
        <translation>Nieuwe maan %1, %2</translation>
    </message>
    <message>
        <source>First quarter %1, %2</source>
        <translation>Eerste kwartier %1, %2</translation>
    </message>
    <message>
        <source>Full moon %1, %2</source>
        <translation>Volle maan %1, %2</translation>
    </message>
    <message>
        <source>Last quarter %1, %2</source>
        <translation>Laatste kwartier %1, %2</translation>
    </message>
    <message>
        <source>New moon not found</source>
        <translation>Nieuwe maan niet gevonden</translation>
    </message>
    <message>
        <source>First quarter not found</source>
        <translation>Eerste kwartier niet gevonden</translation>
    </message>
    <message>
        <source>Full moon not found</source>
        <translation>Volle maan niet gevonden</translation>
    </message>
    <message>
        <source>Last quarter not found</source>
        <translation>Laatste kwartier niet gevonden</translation>
    </message>
    <message>
        <source>%1 — supermoon, %2</source>
        <comment>a full or new moon, the Moon&apos;s distance then</comment>
        <translation>%1 — supermaan, %2</translation>
    </message>
    <message>
        <source>none within 24 h</source>
        <comment>no such event in the coming day</comment>
        <translation>— niet binnen 24 u</translation>
    </message>
    <message numerus="yes">
        <source>No lunar eclipse within %n year(s)</source>
        <translation>
            <numerusform>Geen maansverduistering binnen %n jaar</numerusform>
            <numerusform>Geen maansverduistering binnen %n jaar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No solar eclipse seen here within %n year(s)</source>
        <translation>
            <numerusform>Geen hier zichtbare zonsverduistering binnen %n jaar</numerusform>
            <numerusform>Geen hier zichtbare zonsverduistering binnen %n jaar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>orbalis: --at wants a date and time as &quot;YYYY-MM-DD HH:MM&quot; on the place&apos;s clock, or in ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), not &quot;%1&quot;</source>
        <translation>orbalis: --at verwacht een datum en tijd als &quot;YYYY-MM-DD HH:MM&quot; op de klok van de plaats, of in ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--settings needs a FILE</source>
        <translation>--settings heeft een BESTAND nodig</translation>
    </message>
    <message>
        <source>--at needs &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--at heeft &quot;YYYY-MM-DD HH:MM&quot; nodig</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>--print and --json cannot be used together</source>
        <translation>--print en --json kunnen niet samen worden gebruikt</translation>
    </message>
    <message>
        <source>--at goes with --print or --json</source>
        <translation>--at hoort bij --print of --json</translation>
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
        <translation>Gebruik: orbalis [--settings BESTAND]
         orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings BESTAND]
Een ronde bureaubladklok met de fase en de leeftijd van de maan en de zonsopkomst,
zonsondergang, schemering, maansopkomst en maansondergang van de dag.

  --settings BESTAND  de instellingen in BESTAND bewaren in plaats van het gewone
  --print             tonen wat de tooltip van de klok nu zegt voor de plaats van
                      de instellingen en stoppen (geen beeldscherm nodig)
  --json              hetzelfde als één JSON-object tonen en stoppen
  --at &quot;YYYY-MM-DD HH:MM&quot;
                      met --print of --json: voor die tijd op de klok van de plaats
                      (een tijd die een klokwissel overslaat telt met de verschuiving
                      ervoor, een herhaalde bij zijn eerste keer); of een ISO 8601-tijd
                      zoals --json die toont, &quot;2027-01-15T12:00:00+01:00&quot; (&quot;Z&quot; voor UTC)
  -h, --help          deze hulp tonen en stoppen
  -v, --version       de versie tonen en stoppen

Instellingenbestand: %1
(%2 in de werkmap als die er een heeft, anders
$XDG_CONFIG_HOME/%3/%2, standaard %4)</translation>
    </message>
    <message>
        <source>orbalis: %1 (see orbalis --help)</source>
        <translation>orbalis: %1 (zie orbalis --help)</translation>
    </message>
    <message>
        <source>orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>orbalis: geen beeldscherm (DISPLAY of WAYLAND_DISPLAY is niet ingesteld)</translation>
    </message>
    <message>
        <source>orbalis: a clock already runs with %1 but does not answer</source>
        <translation>orbalis: er draait al een klok met %1, maar die reageert niet</translation>
    </message>
    <message>
        <source>orbalis: already running with %1; brought that clock to the front</source>
        <translation>orbalis: draait al met %1; die klok is naar voren gehaald</translation>
    </message>
    <message>
        <source>orbalis: no private folder for the one-clock guard (%1); a second clock on this file is not stopped</source>
        <translation>orbalis: geen privémap voor de slotfunctie tegen een tweede klok (%1); een tweede klok op dit bestand wordt niet tegengehouden</translation>
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
        <translation>OZO</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>ZO</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>ZZO</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>ZZW</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>ZW</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>WZW</translation>
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
        <translation>Geen locatiedienst: de systeembus is niet bereikbaar.</translation>
    </message>
    <message>
        <source>The location service gave no usable position.</source>
        <translation>De locatiedienst gaf geen bruikbare positie.</translation>
    </message>
    <message>
        <source>The location service refused: %1</source>
        <translation>De locatiedienst weigerde: %1</translation>
    </message>
    <message>
        <source>The location service did not answer within %1 s.</source>
        <translation>De locatiedienst antwoordde niet binnen %1 s.</translation>
    </message>
</context>
<context>
    <name>Phase</name>
    <message>
        <source>new moon</source>
        <translation>nieuwe maan</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>wassende sikkel</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>eerste kwartier</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>wassende maan</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>volle maan</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>afnemende maan</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>laatste kwartier</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>afnemende sikkel</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>orbalis: reminders cannot be shown: no desktop notification service (%1)</source>
        <translation>orbalis: herinneringen kunnen niet worden getoond: geen meldingsdienst van het bureaublad (%1)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Zonsopkomst</translation>
    </message>
    <message>
        <source>Sunrise at %1</source>
        <translation>Zonsopkomst om %1</translation>
    </message>
    <message>
        <source>Sunrise on %1 at %2</source>
        <translation>Zonsopkomst op %1 om %2</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zonsondergang</translation>
    </message>
    <message>
        <source>Sunset at %1</source>
        <translation>Zonsondergang om %1</translation>
    </message>
    <message>
        <source>Sunset on %1 at %2</source>
        <translation>Zonsondergang op %1 om %2</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Gouden uur</translation>
    </message>
    <message>
        <source>Golden hour at %1</source>
        <translation>Gouden uur om %1</translation>
    </message>
    <message>
        <source>Golden hour on %1 at %2</source>
        <translation>Gouden uur op %1 om %2</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Volle maan</translation>
    </message>
    <message>
        <source>Full moon at %1</source>
        <translation>Volle maan om %1</translation>
    </message>
    <message>
        <source>Full moon on %1 at %2</source>
        <translation>Volle maan op %1 om %2</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nieuwe maan</translation>
    </message>
    <message>
        <source>New moon at %1</source>
        <translation>Nieuwe maan om %1</translation>
    </message>
    <message>
        <source>New moon on %1 at %2</source>
        <translation>Nieuwe maan op %1 om %2</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Verduistering</translation>
    </message>
    <message>
        <source>Eclipse at %1</source>
        <translation>Verduistering om %1</translation>
    </message>
    <message>
        <source>Eclipse on %1 at %2</source>
        <translation>Verduistering op %1 om %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Twilight</source>
        <translation>&amp;Schemering</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <extracomment>The size of the clock&apos;s face.</extracomment>
        <translation>&amp;Grootte</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Herinner mij</translation>
    </message>
    <message>
        <source>1&amp;2h</source>
        <extracomment>The dial of 12 hours (with am and pm); &amp; marks the menu&apos;s key.</extracomment>
        <translation>1&amp;2 u</translation>
    </message>
    <message>
        <source>2&amp;4h</source>
        <extracomment>The dial of 24 hours.</extracomment>
        <translation>2&amp;4 u</translation>
    </message>
    <message>
        <source>Moon as in the &amp;sky</source>
        <translation>Maan zoals aan de he&amp;mel</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Info…</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>S&amp;tarten bij aanmelden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Civil (Sun 6° below)</source>
        <translation>&amp;Burgerlijk (zon 6° onder de horizon)</translation>
    </message>
    <message>
        <source>&amp;Nautical (12° below)</source>
        <translation>&amp;Nautisch (12° eronder)</translation>
    </message>
    <message>
        <source>&amp;Astronomical (18° below)</source>
        <translation>&amp;Astronomisch (18° eronder)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a size in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Zonsopkomst</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zonsondergang</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Gouden uur</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Volle maan</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nieuwe maan</translation>
    </message>
    <message>
        <source>An eclipse seen here</source>
        <translation>Een hier zichtbare verduistering</translation>
    </message>
    <message>
        <source>At the event</source>
        <translation>Op het moment zelf</translation>
    </message>
    <message>
        <source>15 min before</source>
        <translation>15 min vooraf</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 uur vooraf</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 dag vooraf</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2). They apply until the clock is closed.</source>
        <translation>De instellingen konden niet worden opgeslagen in %1 (%2). Ze gelden tot de klok wordt gesloten.</translation>
    </message>
    <message>
        <source>The login start entry %1 was not changed: %2</source>
        <translation>De opstartregel %1 is niet gewijzigd: %2</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1 (%2). Changes to the place and the position will be lost when the clock is closed.</source>
        <translation>De instellingen kunnen niet worden opgeslagen in %1 (%2). Wijzigingen van plaats en positie gaan verloren als de klok wordt gesloten.</translation>
    </message>
    <message>
        <source>%1. The dial, the Moon&apos;s picture and the place chosen by name will not be kept.</source>
        <translation>%1. De wijzerplaat, het maanbeeld en de op naam gekozen plaats worden niet bewaard.</translation>
    </message>
    <message>
        <source>The choice is not kept: %1. It applies until the clock is closed.</source>
        <translation>De keuze wordt niet bewaard: %1. Ze geldt tot de klok wordt gesloten.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>Z</translation>
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
        <translation>Orbalis – Opties en meer informatie</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Tijdzone</translation>
    </message>
    <message>
        <source>Height =</source>
        <extracomment>The place&apos;s height above sea level.</extracomment>
        <translation>Hoogte =</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Mijn locatie gebruiken</translation>
    </message>
    <message>
        <source>Asking the location service…</source>
        <translation>De locatiedienst wordt gevraagd…</translation>
    </message>
    <message>
        <source>City name</source>
        <translation>Naam van de stad</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Time zone, hours east of Greenwich</source>
        <translation>Tijdzone, uren ten oosten van Greenwich</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Noord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Zuid</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Latitude, degrees</source>
        <translation>Breedte, graden</translation>
    </message>
    <message>
        <source>Latitude, minutes</source>
        <translation>Breedte, minuten</translation>
    </message>
    <message>
        <source>Longitude, degrees</source>
        <translation>Lengte, graden</translation>
    </message>
    <message>
        <source>Longitude, minutes</source>
        <translation>Lengte, minuten</translation>
    </message>
    <message>
        <source>Height above sea level, metres</source>
        <translation>Hoogte boven zeeniveau, meter</translation>
    </message>
    <message>
        <source>Moon and coming events</source>
        <translation>Maan en komende gebeurtenissen</translation>
    </message>
</context>
</TS>
