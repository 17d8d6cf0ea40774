<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Almanac</name>
    <message>
        <source>Times at %1</source>
        <comment>a time zone&apos;s name or offset</comment>
        <translation>Время по %1</translation>
    </message>
    <message>
        <source>%1 — from your time zone; choose yours in Info…</source>
        <comment>a place&apos;s name; the first start&apos;s place, taken from the computer&apos;s time zone</comment>
        <translation>%1 — по часовому поясу; выберите своё место в «Сведениях…»</translation>
    </message>
    <message>
        <source>Sun up all day: sets %1</source>
        <translation>Солнце весь день над горизонтом: заходит %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun up all day, no sunset within %n day(s)</source>
        <translation>
            <numerusform>Солнце весь день над горизонтом, захода нет в течение %n дня</numerusform>
            <numerusform>Солнце весь день над горизонтом, захода нет в течение %n дней</numerusform>
            <numerusform>Солнце весь день над горизонтом, захода нет в течение %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Sun down all day: rises %1</source>
        <translation>Солнце весь день под горизонтом: восходит %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun down all day, no sunrise within %n day(s)</source>
        <translation>
            <numerusform>Солнце весь день под горизонтом, восхода нет в течение %n дня</numerusform>
            <numerusform>Солнце весь день под горизонтом, восхода нет в течение %n дней</numerusform>
            <numerusform>Солнце весь день под горизонтом, восхода нет в течение %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon up all day: sets %1</source>
        <translation>Луна весь день над горизонтом: заходит %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon up all day, no moonset within %n day(s)</source>
        <translation>
            <numerusform>Луна весь день над горизонтом, захода нет в течение %n дня</numerusform>
            <numerusform>Луна весь день над горизонтом, захода нет в течение %n дней</numerusform>
            <numerusform>Луна весь день над горизонтом, захода нет в течение %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon down all day: rises %1</source>
        <translation>Луна весь день под горизонтом: восходит %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon down all day, no moonrise within %n day(s)</source>
        <translation>
            <numerusform>Луна весь день под горизонтом, восхода нет в течение %n дня</numerusform>
            <numerusform>Луна весь день под горизонтом, восхода нет в течение %n дней</numerusform>
            <numerusform>Луна весь день под горизонтом, восхода нет в течение %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunrise in the next 24 h: %1</source>
        <translation>Восхода солнца нет в ближайшие 24 ч: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunrise within %n day(s)</source>
        <translation>
            <numerusform>Восхода солнца нет в течение %n дня</numerusform>
            <numerusform>Восхода солнца нет в течение %n дней</numerusform>
            <numerusform>Восхода солнца нет в течение %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunset in the next 24 h: %1</source>
        <translation>Захода солнца нет в ближайшие 24 ч: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunset within %n day(s)</source>
        <translation>
            <numerusform>Захода солнца нет в течение %n дня</numerusform>
            <numerusform>Захода солнца нет в течение %n дней</numerusform>
            <numerusform>Захода солнца нет в течение %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonrise in the next 24 h: %1</source>
        <translation>Восхода луны нет в ближайшие 24 ч: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonrise within %n day(s)</source>
        <translation>
            <numerusform>Восхода луны нет в течение %n дня</numerusform>
            <numerusform>Восхода луны нет в течение %n дней</numerusform>
            <numerusform>Восхода луны нет в течение %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonset in the next 24 h: %1</source>
        <translation>Захода луны нет в ближайшие 24 ч: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonset within %n day(s)</source>
        <translation>
            <numerusform>Захода луны нет в течение %n дня</numerusform>
            <numerusform>Захода луны нет в течение %n дней</numerusform>
            <numerusform>Захода луны нет в течение %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon up here</source>
        <translation>Полутеневое лунное затмение %1, Луна здесь над горизонтом</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon up here</source>
        <translation>Частное лунное затмение %1, Луна здесь над горизонтом</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon up here</source>
        <translation>Кольцеобразное лунное затмение %1, Луна здесь над горизонтом</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon up here</source>
        <translation>Полное лунное затмение %1, Луна здесь над горизонтом</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon below the horizon here</source>
        <translation>Полутеневое лунное затмение %1, Луна здесь под горизонтом</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon below the horizon here</source>
        <translation>Частное лунное затмение %1, Луна здесь под горизонтом</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon below the horizon here</source>
        <translation>Кольцеобразное лунное затмение %1, Луна здесь под горизонтом</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon below the horizon here</source>
        <translation>Полное лунное затмение %1, Луна здесь под горизонтом</translation>
    </message>
    <message>
        <source>under 1%</source>
        <comment>of the Sun covered</comment>
        <translation>менее 1 %</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Penumbral solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Полутеневое солнечное затмение %1, закрыто %2, с %3 до %4</translation>
    </message>
    <message>
        <source>Partial solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Частное солнечное затмение %1, закрыто %2, с %3 до %4</translation>
    </message>
    <message>
        <source>Annular solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Кольцеобразное солнечное затмение %1, закрыто %2, с %3 до %4</translation>
    </message>
    <message>
        <source>Total solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Полное солнечное затмение %1, закрыто %2, с %3 до %4</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <comment>hours and minutes</comment>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <comment>minutes and seconds</comment>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set today</source>
        <translation>Полярный день: сегодня Солнце не заходит</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today</source>
        <translation>Полярная ночь: сегодня Солнце не восходит</translation>
    </message>
    <message>
        <source>Day %1</source>
        <comment>the length of daylight</comment>
        <translation>День %1</translation>
    </message>
    <message>
        <source>Day %1, as long as yesterday</source>
        <translation>День %1, как вчера</translation>
    </message>
    <message>
        <source>Day %1, %2 shorter than yesterday</source>
        <translation>День %1, на %2 короче, чем вчера</translation>
    </message>
    <message>
        <source>Day %1, %2 longer than yesterday</source>
        <translation>День %1, на %2 длиннее, чем вчера</translation>
    </message>
    <message>
        <source>Golden hour %1–%2</source>
        <translation>Золотой час %1–%2</translation>
    </message>
    <message>
        <source>Golden hour until %1</source>
        <translation>Золотой час до %1</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Золотой час с %1</translation>
    </message>
    <message>
        <source>Blue hour %1–%2</source>
        <translation>Синий час %1–%2</translation>
    </message>
    <message>
        <source>Blue hour until %1</source>
        <translation>Синий час до %1</translation>
    </message>
    <message>
        <source>Blue hour from %1</source>
        <translation>Синий час с %1</translation>
    </message>
    <message>
        <source>%1 km</source>
        <comment>a distance</comment>
        <translation>%1 км</translation>
    </message>
    <message>
        <source>%1 away</source>
        <comment>a distance</comment>
        <translation>на расстоянии %1</translation>
    </message>
    <message>
        <source>distance unknown</source>
        <translation>расстояние неизвестно</translation>
    </message>
    <message>
        <source>Moon below the horizon, %1</source>
        <translation>Луна под горизонтом, %1</translation>
    </message>
    <message>
        <source>Moon %1° up in the %2 (%3°), %4</source>
        <comment>altitude, compass point, azimuth, distance</comment>
        <translation>Луна на высоте %1°, направление %2 (%3°), %4</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <comment>a number of days with one decimal</comment>
        <translation>через %1 дня</translation>
    </message>
    <message>
        <source>March equinox %1, %2</source>
        <translation>Мартовское равноденствие %1, %2</translation>
    </message>
    <message>
        <source>June solstice %1, %2</source>
        <translation>Июньское солнцестояние %1, %2</translation>
    </message>
    <message>
        <source>September equinox %1, %2</source>
        <translation>Сентябрьское равноденствие %1, %2</translation>
    </message>
    <message>
        <source>December solstice %1, %2</source>
        <translation>Декабрьское солнцестояние %1, %2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>Перигей %1, %2</translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>Апогей %1, %2</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Начало гражданских сумерек</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Начало навигационных сумерек</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Начало астрономических сумерек</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Конец гражданских сумерек</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Конец навигационных сумерек</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Конец астрономических сумерек</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Восход солнца</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Заход солнца</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Восход луны</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Заход луны</translation>
    </message>
    <message>
        <source>Moon %1 days old, %2% lit</source>
        <comment>age in days with a decimal, percent</comment>
        <translation>Луне %1 дня, освещено %2 %</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the Moon&apos;s age and lit share, its phase by name</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>New moon %1, %2</source>
        <translation>Новолуние %1, %2</translation>
    </message>
    <message>
        <source>First quarter %1, %2</source>
        <translation>Первая четверть %1, %2</translation>
    </message>
    <message>
        <source>Full moon %1, %2</source>
        <translation>Полнолуние %1, %2</translation>
    </message>
    <message>
        <source>Last quarter %1, %2</source>
        <translation>Последняя четверть %1, %2</translation>
    </message>
    <message>
        <source>New moon not found</source>
        <translation>Новолуние не найдено</translation>
    </message>
    <message>
        <source>First quarter not found</source>
        <translation>Первая четверть не найдено</translation>
    </message>
    <message>
        <source>Full moon not found</source>
        <translation>Полнолуние не найдено</translation>
    </message>
    <message>
        <source>Last quarter not found</source>
        <translation>Последняя четверть не найдено</translation>
    </message>
    <message>
        <source>%1 — supermoon, %2</source>
        <comment>a full or new moon, the Moon&apos;s distance then</comment>
        <translation>%1 — суперлуние, %2</translation>
    </message>
    <message>
        <source>none within 24 h</source>
        <comment>no such event in the coming day</comment>
        <translation>— нет в ближайшие 24 ч</translation>
    </message>
    <message numerus="yes">
        <source>No lunar eclipse within %n year(s)</source>
        <translation>
            <numerusform>Лунных затмений нет в течение %n года</numerusform>
            <numerusform>Лунных затмений нет в течение %n лет</numerusform>
            <numerusform>Лунных затмений нет в течение %n лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No solar eclipse seen here within %n year(s)</source>
        <translation>
            <numerusform>Солнечных затмений, видимых здесь, нет в течение %n года</numerusform>
            <numerusform>Солнечных затмений, видимых здесь, нет в течение %n лет</numerusform>
            <numerusform>Солнечных затмений, видимых здесь, нет в течение %n лет</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>orbalis: --at wants a date and time as &quot;YYYY-MM-DD HH:MM&quot; on the place&apos;s clock, or in ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), not &quot;%1&quot;</source>
        <translation>orbalis: для --at нужны дата и время в виде «YYYY-MM-DD HH:MM» по часам места или в ISO 8601 («YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]»), а не «%1»</translation>
    </message>
    <message>
        <source>--settings needs a FILE</source>
        <translation>для --settings нужен ФАЙЛ</translation>
    </message>
    <message>
        <source>--at needs &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>для --at нужно «YYYY-MM-DD HH:MM»</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>--print and --json cannot be used together</source>
        <translation>--print и --json нельзя использовать вместе</translation>
    </message>
    <message>
        <source>--at goes with --print or --json</source>
        <translation>--at используется с --print или --json</translation>
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
        <translation>Использование: orbalis [--settings ФАЙЛ]
               orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings ФАЙЛ]
Круглые настольные часы с фазой и возрастом Луны и восходом и заходом Солнца,
сумерками, восходом и заходом Луны за день.

  --settings ФАЙЛ  хранить настройки в ФАЙЛЕ вместо обычного
  --print          вывести то, что сейчас говорит подсказка часов для места
                   из настроек, и выйти (дисплей не нужен)
  --json           вывести то же самое одним объектом JSON и выйти
  --at &quot;YYYY-MM-DD HH:MM&quot;
                   с --print или --json: для этого времени по часам места
                   (время, пропущенное при переводе часов, читается со смещением
                   до перевода, повторённое — при первом появлении); или время
                   ISO 8601, как его выводит --json,
                   &quot;2027-01-15T12:00:00+01:00&quot; (&quot;Z&quot; для UTC)
  -h, --help       показать эту справку и выйти
  -v, --version    показать версию и выйти

Файл настроек: %1
(%2 в рабочем каталоге, если он там есть, иначе
$XDG_CONFIG_HOME/%3/%2, по умолчанию %4)</translation>
    </message>
    <message>
        <source>orbalis: %1 (see orbalis --help)</source>
        <translation>orbalis: %1 (см. orbalis --help)</translation>
    </message>
    <message>
        <source>orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>orbalis: нет дисплея (не задана переменная DISPLAY или WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>orbalis: a clock already runs with %1 but does not answer</source>
        <translation>orbalis: часы с %1 уже запущены, но не отвечают</translation>
    </message>
    <message>
        <source>orbalis: already running with %1; brought that clock to the front</source>
        <translation>orbalis: уже запущены с %1; эти часы выведены на передний план</translation>
    </message>
    <message>
        <source>orbalis: no private folder for the one-clock guard (%1); a second clock on this file is not stopped</source>
        <translation>orbalis: нет личной папки для защиты от второго экземпляра (%1); вторые часы с этим файлом не будут остановлены</translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>С</translation>
    </message>
    <message>
        <source>NNE</source>
        <translation>ССВ</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>СВ</translation>
    </message>
    <message>
        <source>ENE</source>
        <translation>ВСВ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>В</translation>
    </message>
    <message>
        <source>ESE</source>
        <translation>ВЮВ</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>ЮВ</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>ЮЮВ</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>ЮЮЗ</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>ЮЗ</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>ЗЮЗ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>З</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>ЗСЗ</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>СЗ</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>ССЗ</translation>
    </message>
</context>
<context>
    <name>Locator</name>
    <message>
        <source>No location service: the system bus cannot be reached.</source>
        <translation>Нет службы определения местоположения: системная шина недоступна.</translation>
    </message>
    <message>
        <source>The location service gave no usable position.</source>
        <translation>Служба местоположения не дала пригодных координат.</translation>
    </message>
    <message>
        <source>The location service refused: %1</source>
        <translation>Служба местоположения отказала: %1</translation>
    </message>
    <message>
        <source>The location service did not answer within %1 s.</source>
        <translation>Служба местоположения не ответила за %1 с.</translation>
    </message>
</context>
<context>
    <name>Phase</name>
    <message>
        <source>new moon</source>
        <translation>новолуние</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>растущий серп</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>первая четверть</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>растущая луна</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>полнолуние</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>убывающая луна</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>последняя четверть</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>убывающий серп</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>orbalis: reminders cannot be shown: no desktop notification service (%1)</source>
        <translation>orbalis: напоминания нельзя показать: нет службы уведомлений рабочего стола (%1)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Восход солнца</translation>
    </message>
    <message>
        <source>Sunrise at %1</source>
        <translation>Восход солнца в %1</translation>
    </message>
    <message>
        <source>Sunrise on %1 at %2</source>
        <translation>Восход солнца %1 в %2</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Заход солнца</translation>
    </message>
    <message>
        <source>Sunset at %1</source>
        <translation>Заход солнца в %1</translation>
    </message>
    <message>
        <source>Sunset on %1 at %2</source>
        <translation>Заход солнца %1 в %2</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Золотой час</translation>
    </message>
    <message>
        <source>Golden hour at %1</source>
        <translation>Золотой час в %1</translation>
    </message>
    <message>
        <source>Golden hour on %1 at %2</source>
        <translation>Золотой час %1 в %2</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>Full moon at %1</source>
        <translation>Полнолуние в %1</translation>
    </message>
    <message>
        <source>Full moon on %1 at %2</source>
        <translation>Полнолуние %1 в %2</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Новолуние</translation>
    </message>
    <message>
        <source>New moon at %1</source>
        <translation>Новолуние в %1</translation>
    </message>
    <message>
        <source>New moon on %1 at %2</source>
        <translation>Новолуние %1 в %2</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Затмение</translation>
    </message>
    <message>
        <source>Eclipse at %1</source>
        <translation>Затмение в %1</translation>
    </message>
    <message>
        <source>Eclipse on %1 at %2</source>
        <translation>Затмение %1 в %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Twilight</source>
        <translation>&amp;Сумерки</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <extracomment>The size of the clock&apos;s face.</extracomment>
        <translation>&amp;Размер</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Напоминать</translation>
    </message>
    <message>
        <source>1&amp;2h</source>
        <extracomment>The dial of 12 hours (with am and pm); &amp; marks the menu&apos;s key.</extracomment>
        <translation>1&amp;2 ч</translation>
    </message>
    <message>
        <source>2&amp;4h</source>
        <extracomment>The dial of 24 hours.</extracomment>
        <translation>2&amp;4 ч</translation>
    </message>
    <message>
        <source>Moon as in the &amp;sky</source>
        <translation>&amp;Луна как на небе</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>Све&amp;дения…</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>Запускать при &amp;входе</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Civil (Sun 6° below)</source>
        <translation>&amp;Гражданские (Солнце на 6° ниже горизонта)</translation>
    </message>
    <message>
        <source>&amp;Nautical (12° below)</source>
        <translation>&amp;Навигационные (12° ниже)</translation>
    </message>
    <message>
        <source>&amp;Astronomical (18° below)</source>
        <translation>&amp;Астрономические (18° ниже)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a size in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Восход солнца</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Заход солнца</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Золотой час</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Новолуние</translation>
    </message>
    <message>
        <source>An eclipse seen here</source>
        <translation>Затмение, видимое здесь</translation>
    </message>
    <message>
        <source>At the event</source>
        <translation>В момент события</translation>
    </message>
    <message>
        <source>15 min before</source>
        <translation>За 15 мин</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>За 1 час</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>За 1 день</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2). They apply until the clock is closed.</source>
        <translation>Не удалось сохранить настройки в %1 (%2). Они действуют до закрытия часов.</translation>
    </message>
    <message>
        <source>The login start entry %1 was not changed: %2</source>
        <translation>Запись автозапуска %1 не изменена: %2</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1 (%2). Changes to the place and the position will be lost when the clock is closed.</source>
        <translation>Настройки нельзя сохранить в %1 (%2). Изменения места и положения пропадут при закрытии часов.</translation>
    </message>
    <message>
        <source>%1. The dial, the Moon&apos;s picture and the place chosen by name will not be kept.</source>
        <translation>%1. Циферблат, изображение Луны и выбранное по названию место не будут сохранены.</translation>
    </message>
    <message>
        <source>The choice is not kept: %1. It applies until the clock is closed.</source>
        <translation>Выбор не сохранён: %1. Он действует до закрытия часов.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Position</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>Ю</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>В</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>З</translation>
    </message>
    <message>
        <source>Orbalis Options &amp; More Infomations.</source>
        <translation>Orbalis – параметры и сведения</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Height =</source>
        <extracomment>The place&apos;s height above sea level.</extracomment>
        <translation>Высота =</translation>
    </message>
    <message>
        <source>(m)</source>
        <extracomment>Metres, after the height.</extracomment>
        <translation>(м)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Моё местоположение</translation>
    </message>
    <message>
        <source>Asking the location service…</source>
        <translation>Запрос к службе местоположения…</translation>
    </message>
    <message>
        <source>City name</source>
        <translation>Название города</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Time zone, hours east of Greenwich</source>
        <translation>Часовой пояс, часов к востоку от Гринвича</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Юг</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Запад</translation>
    </message>
    <message>
        <source>Latitude, degrees</source>
        <translation>Широта, градусы</translation>
    </message>
    <message>
        <source>Latitude, minutes</source>
        <translation>Широта, минуты</translation>
    </message>
    <message>
        <source>Longitude, degrees</source>
        <translation>Долгота, градусы</translation>
    </message>
    <message>
        <source>Longitude, minutes</source>
        <translation>Долгота, минуты</translation>
    </message>
    <message>
        <source>Height above sea level, metres</source>
        <translation>Высота над уровнем моря, метры</translation>
    </message>
    <message>
        <source>Moon and coming events</source>
        <translation>Луна и ближайшие события</translation>
    </message>
</context>
</TS>
