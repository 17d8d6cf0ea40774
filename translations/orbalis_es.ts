<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Almanac</name>
    <message>
        <source>Times at %1</source>
        <comment>a time zone&apos;s name or offset</comment>
        <translation>Horas en %1</translation>
    </message>
    <message>
        <source>%1 — from your time zone; choose yours in Info…</source>
        <comment>a place&apos;s name; the first start&apos;s place, taken from the computer&apos;s time zone</comment>
        <translation>%1 — según su zona horaria; elija la suya en Información…</translation>
    </message>
    <message>
        <source>Sun up all day: sets %1</source>
        <translation>Sol sobre el horizonte todo el día: se pone el %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun up all day, no sunset within %n day(s)</source>
        <translation>
            <numerusform>Sol sobre el horizonte todo el día, sin puesta en %n día</numerusform>
            <numerusform>Sol sobre el horizonte todo el día, sin puesta en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Sun down all day: rises %1</source>
        <translation>Sol bajo el horizonte todo el día: sale el %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun down all day, no sunrise within %n day(s)</source>
        <translation>
            <numerusform>Sol bajo el horizonte todo el día, sin salida en %n día</numerusform>
            <numerusform>Sol bajo el horizonte todo el día, sin salida en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon up all day: sets %1</source>
        <translation>Luna sobre el horizonte todo el día: se pone el %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon up all day, no moonset within %n day(s)</source>
        <translation>
            <numerusform>Luna sobre el horizonte todo el día, sin puesta en %n día</numerusform>
            <numerusform>Luna sobre el horizonte todo el día, sin puesta en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon down all day: rises %1</source>
        <translation>Luna bajo el horizonte todo el día: sale el %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon down all day, no moonrise within %n day(s)</source>
        <translation>
            <numerusform>Luna bajo el horizonte todo el día, sin salida en %n día</numerusform>
            <numerusform>Luna bajo el horizonte todo el día, sin salida en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunrise in the next 24 h: %1</source>
        <translation>Sin salida del sol en las próximas 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunrise within %n day(s)</source>
        <translation>
            <numerusform>Sin salida del sol en %n día</numerusform>
            <numerusform>Sin salida del sol en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunset in the next 24 h: %1</source>
        <translation>Sin puesta del sol en las próximas 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunset within %n day(s)</source>
        <translation>
            <numerusform>Sin puesta del sol en %n día</numerusform>
            <numerusform>Sin puesta del sol en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonrise in the next 24 h: %1</source>
        <translation>Sin salida de la luna en las próximas 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonrise within %n day(s)</source>
        <translation>
            <numerusform>Sin salida de la luna en %n día</numerusform>
            <numerusform>Sin salida de la luna en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonset in the next 24 h: %1</source>
        <translation>Sin puesta de la luna en las próximas 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonset within %n day(s)</source>
        <translation>
            <numerusform>Sin puesta de la luna en %n día</numerusform>
            <numerusform>Sin puesta de la luna en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon up here</source>
        <translation>Eclipse lunar penumbral %1, Luna sobre el horizonte aquí</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon up here</source>
        <translation>Eclipse lunar parcial %1, Luna sobre el horizonte aquí</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon up here</source>
        <translation>Eclipse lunar anular %1, Luna sobre el horizonte aquí</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon up here</source>
        <translation>Eclipse lunar total %1, Luna sobre el horizonte aquí</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclipse lunar penumbral %1, Luna bajo el horizonte aquí</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclipse lunar parcial %1, Luna bajo el horizonte aquí</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclipse lunar anular %1, Luna bajo el horizonte aquí</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclipse lunar total %1, Luna bajo el horizonte aquí</translation>
    </message>
    <message>
        <source>under 1%</source>
        <comment>of the Sun covered</comment>
        <translation>menos del 1 %</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Penumbral solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclipse solar penumbral %1, %2 cubierto, de %3 a %4</translation>
    </message>
    <message>
        <source>Partial solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclipse solar parcial %1, %2 cubierto, de %3 a %4</translation>
    </message>
    <message>
        <source>Annular solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclipse solar anular %1, %2 cubierto, de %3 a %4</translation>
    </message>
    <message>
        <source>Total solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclipse solar total %1, %2 cubierto, de %3 a %4</translation>
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
        <translation>Día polar: hoy el sol no se pone</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today</source>
        <translation>Noche polar: hoy el sol no sale</translation>
    </message>
    <message>
        <source>Day %1</source>
        <comment>the length of daylight</comment>
        <translation>Día %1</translation>
    </message>
    <message>
        <source>Day %1, as long as yesterday</source>
        <translation>Día %1, igual que ayer</translation>
    </message>
    <message>
        <source>Day %1, %2 shorter than yesterday</source>
        <translation>Día %1, %2 más corto que ayer</translation>
    </message>
    <message>
        <source>Day %1, %2 longer than yesterday</source>
        <translation>Día %1, %2 más largo que ayer</translation>
    </message>
    <message>
        <source>Golden hour %1–%2</source>
        <translation>Hora dorada %1–%2</translation>
    </message>
    <message>
        <source>Golden hour until %1</source>
        <translation>Hora dorada hasta las %1</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Hora dorada desde las %1</translation>
    </message>
    <message>
        <source>Blue hour %1–%2</source>
        <translation>Hora azul %1–%2</translation>
    </message>
    <message>
        <source>Blue hour until %1</source>
        <translation>Hora azul hasta las %1</translation>
    </message>
    <message>
        <source>Blue hour from %1</source>
        <translation>Hora azul desde las %1</translation>
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
        <translation>distancia desconocida</translation>
    </message>
    <message>
        <source>Moon below the horizon, %1</source>
        <translation>Luna bajo el horizonte, %1</translation>
    </message>
    <message>
        <source>Moon %1° up in the %2 (%3°), %4</source>
        <comment>altitude, compass point, azimuth, distance</comment>
        <translation>Luna a %1° de altura al %2 (%3°), %4</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <comment>a number of days with one decimal</comment>
        <translation>en %1 días</translation>
    </message>
    <message>
        <source>March equinox %1, %2</source>
        <translation>Equinoccio de marzo %1, %2</translation>
    </message>
    <message>
        <source>June solstice %1, %2</source>
        <translation>Solsticio de junio %1, %2</translation>
    </message>
    <message>
        <source>September equinox %1, %2</source>
        <translation>Equinoccio de septiembre %1, %2</translation>
    </message>
    <message>
        <source>December solstice %1, %2</source>
        <translation>Solsticio de diciembre %1, %2</translation>
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
        <translation>Inicio del crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Inicio del crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Inicio del crepúsculo astronómico</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Fin del crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Fin del crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Fin del crepúsculo astronómico</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del sol</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la luna</translation>
    </message>
    <message>
        <source>Moon %1 days old, %2% lit</source>
        <comment>age in days with a decimal, percent</comment>
        <translation>Luna de %1 días, iluminada al %2 %</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the Moon&apos;s age and lit share, its phase by name</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>New moon %1, %2</source>
        <translation>Luna nueva %1, %2</translation>
    </message>
    <message>
        <source>First quarter %1, %2</source>
        <translation>Cuarto creciente %1, %2</translation>
    </message>
    <message>
        <source>Full moon %1, %2</source>
        <translation>Luna llena %1, %2</translation>
    </message>
    <message>
        <source>Last quarter %1, %2</source>
        <translation>Cuarto menguante %1, %2</translation>
    </message>
    <message>
        <source>New moon not found</source>
        <translation>Luna nueva no encontrado</translation>
    </message>
    <message>
        <source>First quarter not found</source>
        <translation>Cuarto creciente no encontrado</translation>
    </message>
    <message>
        <source>Full moon not found</source>
        <translation>Luna llena no encontrado</translation>
    </message>
    <message>
        <source>Last quarter not found</source>
        <translation>Cuarto menguante no encontrado</translation>
    </message>
    <message>
        <source>%1 — supermoon, %2</source>
        <comment>a full or new moon, the Moon&apos;s distance then</comment>
        <translation>%1 — superluna, %2</translation>
    </message>
    <message>
        <source>none within 24 h</source>
        <comment>no such event in the coming day</comment>
        <translation>— ninguno en 24 h</translation>
    </message>
    <message numerus="yes">
        <source>No lunar eclipse within %n year(s)</source>
        <translation>
            <numerusform>Ningún eclipse lunar en %n año</numerusform>
            <numerusform>Ningún eclipse lunar en %n años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No solar eclipse seen here within %n year(s)</source>
        <translation>
            <numerusform>Ningún eclipse solar visible aquí en %n año</numerusform>
            <numerusform>Ningún eclipse solar visible aquí en %n años</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>orbalis: --at wants a date and time as &quot;YYYY-MM-DD HH:MM&quot; on the place&apos;s clock, or in ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), not &quot;%1&quot;</source>
        <translation>orbalis: --at espera una fecha y hora como «YYYY-MM-DD HH:MM» en la hora del lugar, o en ISO 8601 («YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]»), no «%1»</translation>
    </message>
    <message>
        <source>--settings needs a FILE</source>
        <translation>--settings necesita un ARCHIVO</translation>
    </message>
    <message>
        <source>--at needs &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--at necesita «YYYY-MM-DD HH:MM»</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>--print and --json cannot be used together</source>
        <translation>--print y --json no se pueden usar juntos</translation>
    </message>
    <message>
        <source>--at goes with --print or --json</source>
        <translation>--at se usa con --print o --json</translation>
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
        <translation>Uso: orbalis [--settings ARCHIVO]
     orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings ARCHIVO]
Un reloj de escritorio redondo con la fase y la edad de la Luna y la salida y puesta
del sol, el crepúsculo y la salida y puesta de la luna del día.

  --settings ARCHIVO  guardar la configuración en ARCHIVO en lugar del habitual
  --print             mostrar lo que dice ahora la ayuda emergente del reloj para
                      el lugar de la configuración y salir (no necesita pantalla)
  --json              mostrar lo mismo como un objeto JSON y salir
  --at &quot;YYYY-MM-DD HH:MM&quot;
                      con --print o --json: para esa hora del lugar (una hora que
                      un cambio de hora salta se lee con el desfase anterior, una
                      repetida en su primera aparición); o una hora ISO 8601 como
                      la muestra --json, &quot;2027-01-15T12:00:00+01:00&quot; (&quot;Z&quot; para UTC)
  -h, --help          mostrar esta ayuda y salir
  -v, --version       mostrar la versión y salir

Archivo de configuración: %1
(%2 en el directorio de trabajo si lo hay; si no,
$XDG_CONFIG_HOME/%3/%2, por omisión %4)</translation>
    </message>
    <message>
        <source>orbalis: %1 (see orbalis --help)</source>
        <translation>orbalis: %1 (véase orbalis --help)</translation>
    </message>
    <message>
        <source>orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>orbalis: no hay pantalla (DISPLAY o WAYLAND_DISPLAY no está definida)</translation>
    </message>
    <message>
        <source>orbalis: a clock already runs with %1 but does not answer</source>
        <translation>orbalis: ya hay un reloj con %1, pero no responde</translation>
    </message>
    <message>
        <source>orbalis: already running with %1; brought that clock to the front</source>
        <translation>orbalis: ya se ejecuta con %1; se ha traído ese reloj al frente</translation>
    </message>
    <message>
        <source>orbalis: no private folder for the one-clock guard (%1); a second clock on this file is not stopped</source>
        <translation>orbalis: no hay carpeta privada para el bloqueo de reloj único (%1); no se impedirá un segundo reloj con este archivo</translation>
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
        <translation>No hay servicio de ubicación: no se puede acceder al bus del sistema.</translation>
    </message>
    <message>
        <source>The location service gave no usable position.</source>
        <translation>El servicio de ubicación no dio una posición utilizable.</translation>
    </message>
    <message>
        <source>The location service refused: %1</source>
        <translation>El servicio de ubicación se negó: %1</translation>
    </message>
    <message>
        <source>The location service did not answer within %1 s.</source>
        <translation>El servicio de ubicación no respondió en %1 s.</translation>
    </message>
</context>
<context>
    <name>Phase</name>
    <message>
        <source>new moon</source>
        <translation>luna nueva</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>luna creciente</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>cuarto creciente</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibosa creciente</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>luna llena</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibosa menguante</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>cuarto menguante</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>luna menguante</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>orbalis: reminders cannot be shown: no desktop notification service (%1)</source>
        <translation>orbalis: no se pueden mostrar recordatorios: no hay servicio de notificaciones del escritorio (%1)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del sol</translation>
    </message>
    <message>
        <source>Sunrise at %1</source>
        <translation>Salida del sol a las %1</translation>
    </message>
    <message>
        <source>Sunrise on %1 at %2</source>
        <translation>Salida del sol el %1 a las %2</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del sol</translation>
    </message>
    <message>
        <source>Sunset at %1</source>
        <translation>Puesta del sol a las %1</translation>
    </message>
    <message>
        <source>Sunset on %1 at %2</source>
        <translation>Puesta del sol el %1 a las %2</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Hora dorada</translation>
    </message>
    <message>
        <source>Golden hour at %1</source>
        <translation>Hora dorada a las %1</translation>
    </message>
    <message>
        <source>Golden hour on %1 at %2</source>
        <translation>Hora dorada el %1 a las %2</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Full moon at %1</source>
        <translation>Luna llena a las %1</translation>
    </message>
    <message>
        <source>Full moon on %1 at %2</source>
        <translation>Luna llena el %1 a las %2</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>New moon at %1</source>
        <translation>Luna nueva a las %1</translation>
    </message>
    <message>
        <source>New moon on %1 at %2</source>
        <translation>Luna nueva el %1 a las %2</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Eclipse</translation>
    </message>
    <message>
        <source>Eclipse at %1</source>
        <translation>Eclipse a las %1</translation>
    </message>
    <message>
        <source>Eclipse on %1 at %2</source>
        <translation>Eclipse el %1 a las %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Twilight</source>
        <translation>&amp;Crepúsculo</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <extracomment>The size of the clock&apos;s face.</extracomment>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Recordarme</translation>
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
        <translation>&amp;Luna como en el cielo</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Información…</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>Iniciar al &amp;entrar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Civil (Sun 6° below)</source>
        <translation>&amp;Civil (sol a 6° bajo el horizonte)</translation>
    </message>
    <message>
        <source>&amp;Nautical (12° below)</source>
        <translation>&amp;Náutico (12° bajo el horizonte)</translation>
    </message>
    <message>
        <source>&amp;Astronomical (18° below)</source>
        <translation>&amp;Astronómico (18° bajo el horizonte)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a size in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del sol</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Hora dorada</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>An eclipse seen here</source>
        <translation>Un eclipse visible aquí</translation>
    </message>
    <message>
        <source>At the event</source>
        <translation>En el momento</translation>
    </message>
    <message>
        <source>15 min before</source>
        <translation>15 min antes</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 hora antes</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 día antes</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2). They apply until the clock is closed.</source>
        <translation>No se pudo guardar la configuración en %1 (%2). Se aplica hasta que se cierre el reloj.</translation>
    </message>
    <message>
        <source>The login start entry %1 was not changed: %2</source>
        <translation>La entrada de inicio %1 no se cambió: %2</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1 (%2). Changes to the place and the position will be lost when the clock is closed.</source>
        <translation>La configuración no se puede guardar en %1 (%2). Los cambios de lugar y posición se perderán al cerrar el reloj.</translation>
    </message>
    <message>
        <source>%1. The dial, the Moon&apos;s picture and the place chosen by name will not be kept.</source>
        <translation>%1. La esfera, la imagen de la Luna y el lugar elegido por nombre no se guardarán.</translation>
    </message>
    <message>
        <source>The choice is not kept: %1. It applies until the clock is closed.</source>
        <translation>La elección no se guarda: %1. Se aplica hasta que se cierre el reloj.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
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
        <translation>Orbalis – Opciones y más información</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Height =</source>
        <extracomment>The place&apos;s height above sea level.</extracomment>
        <translation>Altitud =</translation>
    </message>
    <message>
        <source>(m)</source>
        <extracomment>Metres, after the height.</extracomment>
        <translation>(m)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Usar mi ubicación</translation>
    </message>
    <message>
        <source>Asking the location service…</source>
        <translation>Consultando el servicio de ubicación…</translation>
    </message>
    <message>
        <source>City name</source>
        <translation>Nombre de la ciudad</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Time zone, hours east of Greenwich</source>
        <translation>Zona horaria, horas al este de Greenwich</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Latitude, degrees</source>
        <translation>Latitud, grados</translation>
    </message>
    <message>
        <source>Latitude, minutes</source>
        <translation>Latitud, minutos</translation>
    </message>
    <message>
        <source>Longitude, degrees</source>
        <translation>Longitud, grados</translation>
    </message>
    <message>
        <source>Longitude, minutes</source>
        <translation>Longitud, minutos</translation>
    </message>
    <message>
        <source>Height above sea level, metres</source>
        <translation>Altitud sobre el nivel del mar, metros</translation>
    </message>
    <message>
        <source>Moon and coming events</source>
        <translation>Luna y próximos eventos</translation>
    </message>
</context>
</TS>
