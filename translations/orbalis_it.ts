<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Almanac</name>
    <message>
        <source>Times at %1</source>
        <comment>a time zone&apos;s name or offset</comment>
        <translation>Orari a %1</translation>
    </message>
    <message>
        <source>%1 — from your time zone; choose yours in Info…</source>
        <comment>a place&apos;s name; the first start&apos;s place, taken from the computer&apos;s time zone</comment>
        <translation>%1 — dal tuo fuso orario; scegli il tuo in Info…</translation>
    </message>
    <message>
        <source>Sun up all day: sets %1</source>
        <translation>Sole sopra l’orizzonte tutto il giorno: tramonta il %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun up all day, no sunset within %n day(s)</source>
        <translation>
            <numerusform>Sole sopra l’orizzonte tutto il giorno, nessun tramonto entro %n giorno</numerusform>
            <numerusform>Sole sopra l’orizzonte tutto il giorno, nessun tramonto entro %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Sun down all day: rises %1</source>
        <translation>Sole sotto l’orizzonte tutto il giorno: sorge il %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun down all day, no sunrise within %n day(s)</source>
        <translation>
            <numerusform>Sole sotto l’orizzonte tutto il giorno, nessuna alba entro %n giorno</numerusform>
            <numerusform>Sole sotto l’orizzonte tutto il giorno, nessuna alba entro %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon up all day: sets %1</source>
        <translation>Luna sopra l’orizzonte tutto il giorno: tramonta il %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon up all day, no moonset within %n day(s)</source>
        <translation>
            <numerusform>Luna sopra l’orizzonte tutto il giorno, nessun tramonto entro %n giorno</numerusform>
            <numerusform>Luna sopra l’orizzonte tutto il giorno, nessun tramonto entro %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon down all day: rises %1</source>
        <translation>Luna sotto l’orizzonte tutto il giorno: sorge il %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon down all day, no moonrise within %n day(s)</source>
        <translation>
            <numerusform>Luna sotto l’orizzonte tutto il giorno, nessun sorgere entro %n giorno</numerusform>
            <numerusform>Luna sotto l’orizzonte tutto il giorno, nessun sorgere entro %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunrise in the next 24 h: %1</source>
        <translation>Nessuna alba nelle prossime 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunrise within %n day(s)</source>
        <translation>
            <numerusform>Nessuna alba entro %n giorno</numerusform>
            <numerusform>Nessuna alba entro %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunset in the next 24 h: %1</source>
        <translation>Nessun tramonto nelle prossime 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunset within %n day(s)</source>
        <translation>
            <numerusform>Nessun tramonto entro %n giorno</numerusform>
            <numerusform>Nessun tramonto entro %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonrise in the next 24 h: %1</source>
        <translation>Nessun sorgere della Luna nelle prossime 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonrise within %n day(s)</source>
        <translation>
            <numerusform>Nessun sorgere della Luna entro %n giorno</numerusform>
            <numerusform>Nessun sorgere della Luna entro %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonset in the next 24 h: %1</source>
        <translation>Nessun tramonto della Luna nelle prossime 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonset within %n day(s)</source>
        <translation>
            <numerusform>Nessun tramonto della Luna entro %n giorno</numerusform>
            <numerusform>Nessun tramonto della Luna entro %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon up here</source>
        <translation>Eclissi lunare di penombra %1, Luna visibile qui</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon up here</source>
        <translation>Eclissi lunare parziale %1, Luna visibile qui</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon up here</source>
        <translation>Eclissi lunare anulare %1, Luna visibile qui</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon up here</source>
        <translation>Eclissi lunare totale %1, Luna visibile qui</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclissi lunare di penombra %1, Luna sotto l’orizzonte qui</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclissi lunare parziale %1, Luna sotto l’orizzonte qui</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclissi lunare anulare %1, Luna sotto l’orizzonte qui</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclissi lunare totale %1, Luna sotto l’orizzonte qui</translation>
    </message>
    <message>
        <source>under 1%</source>
        <comment>of the Sun covered</comment>
        <translation>meno dell’1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Penumbral solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclissi solare di penombra %1, %2 coperto, dalle %3 alle %4</translation>
    </message>
    <message>
        <source>Partial solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclissi solare parziale %1, %2 coperto, dalle %3 alle %4</translation>
    </message>
    <message>
        <source>Annular solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclissi solare anulare %1, %2 coperto, dalle %3 alle %4</translation>
    </message>
    <message>
        <source>Total solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclissi solare totale %1, %2 coperto, dalle %3 alle %4</translation>
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
        <translation>Giorno polare: oggi il Sole non tramonta</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today</source>
        <translation>Notte polare: oggi il Sole non sorge</translation>
    </message>
    <message>
        <source>Day %1</source>
        <comment>the length of daylight</comment>
        <translation>Giorno %1</translation>
    </message>
    <message>
        <source>Day %1, as long as yesterday</source>
        <translation>Giorno %1, lungo come ieri</translation>
    </message>
    <message>
        <source>Day %1, %2 shorter than yesterday</source>
        <translation>Giorno %1, %2 più corto di ieri</translation>
    </message>
    <message>
        <source>Day %1, %2 longer than yesterday</source>
        <translation>Giorno %1, %2 più lungo di ieri</translation>
    </message>
    <message>
        <source>Golden hour %1–%2</source>
        <translation>Ora d’oro %1–%2</translation>
    </message>
    <message>
        <source>Golden hour until %1</source>
        <translation>Ora d’oro fino alle %1</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Ora d’oro dalle %1</translation>
    </message>
    <message>
        <source>Blue hour %1–%2</source>
        <translation>Ora blu %1–%2</translation>
    </message>
    <message>
        <source>Blue hour until %1</source>
        <translation>Ora blu fino alle %1</translation>
    </message>
    <message>
        <source>Blue hour from %1</source>
        <translation>Ora blu dalle %1</translation>
    </message>
    <message>
        <source>%1 km</source>
        <comment>a distance</comment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 away</source>
        <comment>a distance</comment>
        <translation>a %1</translation>
    </message>
    <message>
        <source>distance unknown</source>
        <translation>distanza sconosciuta</translation>
    </message>
    <message>
        <source>Moon below the horizon, %1</source>
        <translation>Luna sotto l’orizzonte, %1</translation>
    </message>
    <message>
        <source>Moon %1° up in the %2 (%3°), %4</source>
        <comment>altitude, compass point, azimuth, distance</comment>
        <translation>Luna alta %1° a %2 (%3°), %4</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <comment>a number of days with one decimal</comment>
        <translation>tra %1 giorni</translation>
    </message>
    <message>
        <source>March equinox %1, %2</source>
        <translation>Equinozio di marzo %1, %2</translation>
    </message>
    <message>
        <source>June solstice %1, %2</source>
        <translation>Solstizio di giugno %1, %2</translation>
    </message>
    <message>
        <source>September equinox %1, %2</source>
        <translation>Equinozio di settembre %1, %2</translation>
    </message>
    <message>
        <source>December solstice %1, %2</source>
        <translation>Solstizio di dicembre %1, %2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>Perigeo %1, %2</translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>Apogeo %1, %2</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Inizio del crepuscolo civile</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Inizio del crepuscolo nautico</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Inizio del crepuscolo astronomico</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Fine del crepuscolo civile</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Fine del crepuscolo nautico</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Fine del crepuscolo astronomico</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Alba</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Sorgere della Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Tramonto della Luna</translation>
    </message>
    <message>
        <source>Moon %1 days old, %2% lit</source>
        <comment>age in days with a decimal, percent</comment>
        <translation>Luna di %1 giorni, illuminata al %2%</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the Moon&apos;s age and lit share, its phase by name</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>New moon %1, %2</source>
        <translation>Luna nuova %1, %2</translation>
    </message>
    <message>
        <source>First quarter %1, %2</source>
        <translation>Primo quarto %1, %2</translation>
    </message>
    <message>
        <source>Full moon %1, %2</source>
        <translation>Luna piena %1, %2</translation>
    </message>
    <message>
        <source>Last quarter %1, %2</source>
        <translation>Ultimo quarto %1, %2</translation>
    </message>
    <message>
        <source>New moon not found</source>
        <translation>Luna nuova non trovato</translation>
    </message>
    <message>
        <source>First quarter not found</source>
        <translation>Primo quarto non trovato</translation>
    </message>
    <message>
        <source>Full moon not found</source>
        <translation>Luna piena non trovato</translation>
    </message>
    <message>
        <source>Last quarter not found</source>
        <translation>Ultimo quarto non trovato</translation>
    </message>
    <message>
        <source>%1 — supermoon, %2</source>
        <comment>a full or new moon, the Moon&apos;s distance then</comment>
        <translation>%1 — superluna, %2</translation>
    </message>
    <message>
        <source>none within 24 h</source>
        <comment>no such event in the coming day</comment>
        <translation>— nessuno entro 24 h</translation>
    </message>
    <message numerus="yes">
        <source>No lunar eclipse within %n year(s)</source>
        <translation>
            <numerusform>Nessuna eclissi lunare entro %n anno</numerusform>
            <numerusform>Nessuna eclissi lunare entro %n anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No solar eclipse seen here within %n year(s)</source>
        <translation>
            <numerusform>Nessuna eclissi solare visibile qui entro %n anno</numerusform>
            <numerusform>Nessuna eclissi solare visibile qui entro %n anni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>orbalis: --at wants a date and time as &quot;YYYY-MM-DD HH:MM&quot; on the place&apos;s clock, or in ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), not &quot;%1&quot;</source>
        <translation>orbalis: --at vuole data e ora come «YYYY-MM-DD HH:MM» secondo l’orologio del luogo, oppure in ISO 8601 («YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]»), non «%1»</translation>
    </message>
    <message>
        <source>--settings needs a FILE</source>
        <translation>--settings richiede un FILE</translation>
    </message>
    <message>
        <source>--at needs &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--at richiede «YYYY-MM-DD HH:MM»</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>--print and --json cannot be used together</source>
        <translation>--print e --json non possono essere usati insieme</translation>
    </message>
    <message>
        <source>--at goes with --print or --json</source>
        <translation>--at va usato con --print o --json</translation>
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
        <translation>Uso: orbalis [--settings FILE]
     orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings FILE]
Un orologio da scrivania rotondo con la fase e l’età della Luna e l’alba, il tramonto,
il crepuscolo, il sorgere e il tramonto della Luna del giorno.

  --settings FILE  tenere le impostazioni in FILE invece che in quello predefinito
  --print          stampare ciò che dice ora il suggerimento dell’orologio per il
                   luogo delle impostazioni e uscire (nessuno schermo necessario)
  --json           stampare lo stesso come un oggetto JSON e uscire
  --at &quot;YYYY-MM-DD HH:MM&quot;
                   con --print o --json: per quell’ora secondo l’orologio del luogo
                   (un’ora saltata da un cambio d’ora si legge con lo scarto di
                   prima, una ripetuta alla prima occorrenza); oppure un’ora ISO 8601
                   come la stampa --json, &quot;2027-01-15T12:00:00+01:00&quot; (&quot;Z&quot; per UTC)
  -h, --help       mostrare questo aiuto e uscire
  -v, --version    mostrare la versione e uscire

File delle impostazioni: %1
(%2 nella cartella di lavoro se ce n’è uno, altrimenti
$XDG_CONFIG_HOME/%3/%2, per impostazione predefinita %4)</translation>
    </message>
    <message>
        <source>orbalis: %1 (see orbalis --help)</source>
        <translation>orbalis: %1 (vedi orbalis --help)</translation>
    </message>
    <message>
        <source>orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>orbalis: nessuno schermo (DISPLAY o WAYLAND_DISPLAY non è impostata)</translation>
    </message>
    <message>
        <source>orbalis: a clock already runs with %1 but does not answer</source>
        <translation>orbalis: un orologio è già in esecuzione con %1 ma non risponde</translation>
    </message>
    <message>
        <source>orbalis: already running with %1; brought that clock to the front</source>
        <translation>orbalis: già in esecuzione con %1; quell’orologio è stato portato in primo piano</translation>
    </message>
    <message>
        <source>orbalis: no private folder for the one-clock guard (%1); a second clock on this file is not stopped</source>
        <translation>orbalis: nessuna cartella privata per il blocco dell’orologio unico (%1); un secondo orologio su questo file non viene impedito</translation>
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
        <translation>SSO</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>OSO</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>ONO</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>NNO</translation>
    </message>
</context>
<context>
    <name>Locator</name>
    <message>
        <source>No location service: the system bus cannot be reached.</source>
        <translation>Nessun servizio di localizzazione: il bus di sistema non è raggiungibile.</translation>
    </message>
    <message>
        <source>The location service gave no usable position.</source>
        <translation>Il servizio di localizzazione non ha fornito una posizione utilizzabile.</translation>
    </message>
    <message>
        <source>The location service refused: %1</source>
        <translation>Il servizio di localizzazione ha rifiutato: %1</translation>
    </message>
    <message>
        <source>The location service did not answer within %1 s.</source>
        <translation>Il servizio di localizzazione non ha risposto entro %1 s.</translation>
    </message>
</context>
<context>
    <name>Phase</name>
    <message>
        <source>new moon</source>
        <translation>luna nuova</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>luna crescente</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>primo quarto</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibbosa crescente</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>luna piena</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibbosa calante</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>ultimo quarto</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>luna calante</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>orbalis: reminders cannot be shown: no desktop notification service (%1)</source>
        <translation>orbalis: impossibile mostrare i promemoria: nessun servizio di notifica del desktop (%1)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Alba</translation>
    </message>
    <message>
        <source>Sunrise at %1</source>
        <translation>Alba alle %1</translation>
    </message>
    <message>
        <source>Sunrise on %1 at %2</source>
        <translation>Alba il %1 alle %2</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Sunset at %1</source>
        <translation>Tramonto alle %1</translation>
    </message>
    <message>
        <source>Sunset on %1 at %2</source>
        <translation>Tramonto il %1 alle %2</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Ora d’oro</translation>
    </message>
    <message>
        <source>Golden hour at %1</source>
        <translation>Ora d’oro alle %1</translation>
    </message>
    <message>
        <source>Golden hour on %1 at %2</source>
        <translation>Ora d’oro il %1 alle %2</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Full moon at %1</source>
        <translation>Luna piena alle %1</translation>
    </message>
    <message>
        <source>Full moon on %1 at %2</source>
        <translation>Luna piena il %1 alle %2</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>New moon at %1</source>
        <translation>Luna nuova alle %1</translation>
    </message>
    <message>
        <source>New moon on %1 at %2</source>
        <translation>Luna nuova il %1 alle %2</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Eclissi</translation>
    </message>
    <message>
        <source>Eclipse at %1</source>
        <translation>Eclissi alle %1</translation>
    </message>
    <message>
        <source>Eclipse on %1 at %2</source>
        <translation>Eclissi il %1 alle %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Twilight</source>
        <translation>&amp;Crepuscolo</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <extracomment>The size of the clock&apos;s face.</extracomment>
        <translation>&amp;Dimensione</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Promemoria</translation>
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
        <translation>&amp;Luna come in cielo</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Info…</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>Avvia all’&amp;accesso</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Civil (Sun 6° below)</source>
        <translation>&amp;Civile (Sole 6° sotto l’orizzonte)</translation>
    </message>
    <message>
        <source>&amp;Nautical (12° below)</source>
        <translation>&amp;Nautico (12° sotto)</translation>
    </message>
    <message>
        <source>&amp;Astronomical (18° below)</source>
        <translation>&amp;Astronomico (18° sotto)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a size in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Alba</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Ora d’oro</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>An eclipse seen here</source>
        <translation>Un’eclissi visibile qui</translation>
    </message>
    <message>
        <source>At the event</source>
        <translation>Al momento dell’evento</translation>
    </message>
    <message>
        <source>15 min before</source>
        <translation>15 min prima</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 ora prima</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 giorno prima</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2). They apply until the clock is closed.</source>
        <translation>Impossibile salvare le impostazioni in %1 (%2). Valgono fino alla chiusura dell’orologio.</translation>
    </message>
    <message>
        <source>The login start entry %1 was not changed: %2</source>
        <translation>La voce di avvio %1 non è stata modificata: %2</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1 (%2). Changes to the place and the position will be lost when the clock is closed.</source>
        <translation>Le impostazioni non possono essere salvate in %1 (%2). Le modifiche a luogo e posizione andranno perse alla chiusura dell’orologio.</translation>
    </message>
    <message>
        <source>%1. The dial, the Moon&apos;s picture and the place chosen by name will not be kept.</source>
        <translation>%1. Il quadrante, l’immagine della Luna e il luogo scelto per nome non verranno salvati.</translation>
    </message>
    <message>
        <source>The choice is not kept: %1. It applies until the clock is closed.</source>
        <translation>La scelta non viene salvata: %1. Vale fino alla chiusura dell’orologio.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>Orbalis Options &amp; More Infomations.</source>
        <translation>Orbalis – Opzioni e altre informazioni</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Height =</source>
        <extracomment>The place&apos;s height above sea level.</extracomment>
        <translation>Altitudine =</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Usa la mia posizione</translation>
    </message>
    <message>
        <source>Asking the location service…</source>
        <translation>Richiesta al servizio di localizzazione…</translation>
    </message>
    <message>
        <source>City name</source>
        <translation>Nome della città</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Time zone, hours east of Greenwich</source>
        <translation>Fuso orario, ore a est di Greenwich</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>Latitude, degrees</source>
        <translation>Latitudine, gradi</translation>
    </message>
    <message>
        <source>Latitude, minutes</source>
        <translation>Latitudine, primi</translation>
    </message>
    <message>
        <source>Longitude, degrees</source>
        <translation>Longitudine, gradi</translation>
    </message>
    <message>
        <source>Longitude, minutes</source>
        <translation>Longitudine, primi</translation>
    </message>
    <message>
        <source>Height above sea level, metres</source>
        <translation>Altitudine sul livello del mare, metri</translation>
    </message>
    <message>
        <source>Moon and coming events</source>
        <translation>Luna e prossimi eventi</translation>
    </message>
</context>
</TS>
