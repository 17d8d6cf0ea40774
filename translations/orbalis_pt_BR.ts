<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Almanac</name>
    <message>
        <source>Times at %1</source>
        <comment>a time zone&apos;s name or offset</comment>
        <translation>Horários em %1</translation>
    </message>
    <message>
        <source>%1 — from your time zone; choose yours in Info…</source>
        <comment>a place&apos;s name; the first start&apos;s place, taken from the computer&apos;s time zone</comment>
        <translation>%1 — pelo seu fuso horário; escolha o seu em Informações…</translation>
    </message>
    <message>
        <source>Sun up all day: sets %1</source>
        <translation>Sol acima do horizonte o dia todo: se põe em %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun up all day, no sunset within %n day(s)</source>
        <translation>
            <numerusform>Sol acima do horizonte o dia todo, sem pôr do sol em %n dia</numerusform>
            <numerusform>Sol acima do horizonte o dia todo, sem pôr do sol em %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Sun down all day: rises %1</source>
        <translation>Sol abaixo do horizonte o dia todo: nasce em %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun down all day, no sunrise within %n day(s)</source>
        <translation>
            <numerusform>Sol abaixo do horizonte o dia todo, sem nascer do sol em %n dia</numerusform>
            <numerusform>Sol abaixo do horizonte o dia todo, sem nascer do sol em %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon up all day: sets %1</source>
        <translation>Lua acima do horizonte o dia todo: se põe em %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon up all day, no moonset within %n day(s)</source>
        <translation>
            <numerusform>Lua acima do horizonte o dia todo, sem pôr da lua em %n dia</numerusform>
            <numerusform>Lua acima do horizonte o dia todo, sem pôr da lua em %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon down all day: rises %1</source>
        <translation>Lua abaixo do horizonte o dia todo: nasce em %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon down all day, no moonrise within %n day(s)</source>
        <translation>
            <numerusform>Lua abaixo do horizonte o dia todo, sem nascer da lua em %n dia</numerusform>
            <numerusform>Lua abaixo do horizonte o dia todo, sem nascer da lua em %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunrise in the next 24 h: %1</source>
        <translation>Sem nascer do sol nas próximas 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunrise within %n day(s)</source>
        <translation>
            <numerusform>Sem nascer do sol em %n dia</numerusform>
            <numerusform>Sem nascer do sol em %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunset in the next 24 h: %1</source>
        <translation>Sem pôr do sol nas próximas 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunset within %n day(s)</source>
        <translation>
            <numerusform>Sem pôr do sol em %n dia</numerusform>
            <numerusform>Sem pôr do sol em %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonrise in the next 24 h: %1</source>
        <translation>Sem nascer da lua nas próximas 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonrise within %n day(s)</source>
        <translation>
            <numerusform>Sem nascer da lua em %n dia</numerusform>
            <numerusform>Sem nascer da lua em %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonset in the next 24 h: %1</source>
        <translation>Sem pôr da lua nas próximas 24 h: %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonset within %n day(s)</source>
        <translation>
            <numerusform>Sem pôr da lua em %n dia</numerusform>
            <numerusform>Sem pôr da lua em %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon up here</source>
        <translation>Eclipse lunar penumbral %1, Lua acima do horizonte aqui</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon up here</source>
        <translation>Eclipse lunar parcial %1, Lua acima do horizonte aqui</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon up here</source>
        <translation>Eclipse lunar anular %1, Lua acima do horizonte aqui</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon up here</source>
        <translation>Eclipse lunar total %1, Lua acima do horizonte aqui</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclipse lunar penumbral %1, Lua abaixo do horizonte aqui</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclipse lunar parcial %1, Lua abaixo do horizonte aqui</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclipse lunar anular %1, Lua abaixo do horizonte aqui</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon below the horizon here</source>
        <translation>Eclipse lunar total %1, Lua abaixo do horizonte aqui</translation>
    </message>
    <message>
        <source>under 1%</source>
        <comment>of the Sun covered</comment>
        <translation>menos de 1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Penumbral solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclipse solar penumbral %1, %2 coberto, das %3 às %4</translation>
    </message>
    <message>
        <source>Partial solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclipse solar parcial %1, %2 coberto, das %3 às %4</translation>
    </message>
    <message>
        <source>Annular solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclipse solar anular %1, %2 coberto, das %3 às %4</translation>
    </message>
    <message>
        <source>Total solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Eclipse solar total %1, %2 coberto, das %3 às %4</translation>
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
        <translation>Dia polar: hoje o sol não se põe</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today</source>
        <translation>Noite polar: hoje o sol não nasce</translation>
    </message>
    <message>
        <source>Day %1</source>
        <comment>the length of daylight</comment>
        <translation>Dia %1</translation>
    </message>
    <message>
        <source>Day %1, as long as yesterday</source>
        <translation>Dia %1, igual a ontem</translation>
    </message>
    <message>
        <source>Day %1, %2 shorter than yesterday</source>
        <translation>Dia %1, %2 mais curto que ontem</translation>
    </message>
    <message>
        <source>Day %1, %2 longer than yesterday</source>
        <translation>Dia %1, %2 mais longo que ontem</translation>
    </message>
    <message>
        <source>Golden hour %1–%2</source>
        <translation>Hora dourada %1–%2</translation>
    </message>
    <message>
        <source>Golden hour until %1</source>
        <translation>Hora dourada até %1</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Hora dourada a partir de %1</translation>
    </message>
    <message>
        <source>Blue hour %1–%2</source>
        <translation>Hora azul %1–%2</translation>
    </message>
    <message>
        <source>Blue hour until %1</source>
        <translation>Hora azul até %1</translation>
    </message>
    <message>
        <source>Blue hour from %1</source>
        <translation>Hora azul a partir de %1</translation>
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
        <translation>distância desconhecida</translation>
    </message>
    <message>
        <source>Moon below the horizon, %1</source>
        <translation>Lua abaixo do horizonte, %1</translation>
    </message>
    <message>
        <source>Moon %1° up in the %2 (%3°), %4</source>
        <comment>altitude, compass point, azimuth, distance</comment>
        <translation>Lua a %1° de altura a %2 (%3°), %4</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <comment>a number of days with one decimal</comment>
        <translation>em %1 dias</translation>
    </message>
    <message>
        <source>March equinox %1, %2</source>
        <translation>Equinócio de março %1, %2</translation>
    </message>
    <message>
        <source>June solstice %1, %2</source>
        <translation>Solstício de junho %1, %2</translation>
    </message>
    <message>
        <source>September equinox %1, %2</source>
        <translation>Equinócio de setembro %1, %2</translation>
    </message>
    <message>
        <source>December solstice %1, %2</source>
        <translation>Solstício de dezembro %1, %2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>Perigeu %1, %2</translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>Apogeu %1, %2</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Início do crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Início do crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Início do crepúsculo astronômico</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Fim do crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Fim do crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Fim do crepúsculo astronômico</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Nascer do sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Pôr do sol</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Nascer da lua</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Pôr da lua</translation>
    </message>
    <message>
        <source>Moon %1 days old, %2% lit</source>
        <comment>age in days with a decimal, percent</comment>
        <translation>Lua com %1 dias, %2% iluminada</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the Moon&apos;s age and lit share, its phase by name</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>New moon %1, %2</source>
        <translation>Lua nova %1, %2</translation>
    </message>
    <message>
        <source>First quarter %1, %2</source>
        <translation>Quarto crescente %1, %2</translation>
    </message>
    <message>
        <source>Full moon %1, %2</source>
        <translation>Lua cheia %1, %2</translation>
    </message>
    <message>
        <source>Last quarter %1, %2</source>
        <translation>Quarto minguante %1, %2</translation>
    </message>
    <message>
        <source>New moon not found</source>
        <translation>Lua nova não encontrado</translation>
    </message>
    <message>
        <source>First quarter not found</source>
        <translation>Quarto crescente não encontrado</translation>
    </message>
    <message>
        <source>Full moon not found</source>
        <translation>Lua cheia não encontrado</translation>
    </message>
    <message>
        <source>Last quarter not found</source>
        <translation>Quarto minguante não encontrado</translation>
    </message>
    <message>
        <source>%1 — supermoon, %2</source>
        <comment>a full or new moon, the Moon&apos;s distance then</comment>
        <translation>%1 — superlua, %2</translation>
    </message>
    <message>
        <source>none within 24 h</source>
        <comment>no such event in the coming day</comment>
        <translation>— nenhum em 24 h</translation>
    </message>
    <message numerus="yes">
        <source>No lunar eclipse within %n year(s)</source>
        <translation>
            <numerusform>Nenhum eclipse lunar em %n ano</numerusform>
            <numerusform>Nenhum eclipse lunar em %n anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No solar eclipse seen here within %n year(s)</source>
        <translation>
            <numerusform>Nenhum eclipse solar visível aqui em %n ano</numerusform>
            <numerusform>Nenhum eclipse solar visível aqui em %n anos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>orbalis: --at wants a date and time as &quot;YYYY-MM-DD HH:MM&quot; on the place&apos;s clock, or in ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), not &quot;%1&quot;</source>
        <translation>orbalis: --at espera data e hora como &quot;YYYY-MM-DD HH:MM&quot; no horário do local, ou em ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--settings needs a FILE</source>
        <translation>--settings precisa de um ARQUIVO</translation>
    </message>
    <message>
        <source>--at needs &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--at precisa de &quot;YYYY-MM-DD HH:MM&quot;</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>--print and --json cannot be used together</source>
        <translation>--print e --json não podem ser usados juntos</translation>
    </message>
    <message>
        <source>--at goes with --print or --json</source>
        <translation>--at é usado com --print ou --json</translation>
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
        <translation>Uso: orbalis [--settings ARQUIVO]
     orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings ARQUIVO]
Um relógio de mesa redondo com a fase e a idade da Lua e o nascer e o pôr do sol,
o crepúsculo e o nascer e o pôr da lua do dia.

  --settings ARQUIVO  manter as configurações em ARQUIVO em vez do padrão
  --print             mostrar o que a dica do relógio diz agora para o local das
                      configurações e sair (não precisa de tela)
  --json              mostrar o mesmo como um objeto JSON e sair
  --at &quot;YYYY-MM-DD HH:MM&quot;
                      com --print ou --json: para esse horário no relógio do local
                      (um horário pulado por uma mudança de hora é lido com o
                      deslocamento anterior, um repetido na primeira ocorrência); ou
                      um horário ISO 8601 como --json mostra,
                      &quot;2027-01-15T12:00:00+01:00&quot; (&quot;Z&quot; para UTC)
  -h, --help          mostrar esta ajuda e sair
  -v, --version       mostrar a versão e sair

Arquivo de configurações: %1
(%2 na pasta de trabalho, se houver; senão
$XDG_CONFIG_HOME/%3/%2, por padrão %4)</translation>
    </message>
    <message>
        <source>orbalis: %1 (see orbalis --help)</source>
        <translation>orbalis: %1 (veja orbalis --help)</translation>
    </message>
    <message>
        <source>orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>orbalis: sem tela (DISPLAY ou WAYLAND_DISPLAY não está definida)</translation>
    </message>
    <message>
        <source>orbalis: a clock already runs with %1 but does not answer</source>
        <translation>orbalis: um relógio já está rodando com %1, mas não responde</translation>
    </message>
    <message>
        <source>orbalis: already running with %1; brought that clock to the front</source>
        <translation>orbalis: já está rodando com %1; esse relógio foi trazido para a frente</translation>
    </message>
    <message>
        <source>orbalis: no private folder for the one-clock guard (%1); a second clock on this file is not stopped</source>
        <translation>orbalis: nenhuma pasta privada para a trava de relógio único (%1); um segundo relógio com este arquivo não será impedido</translation>
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
        <translation>L</translation>
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
        <translation>Nenhum serviço de localização: o barramento do sistema não está acessível.</translation>
    </message>
    <message>
        <source>The location service gave no usable position.</source>
        <translation>O serviço de localização não forneceu uma posição utilizável.</translation>
    </message>
    <message>
        <source>The location service refused: %1</source>
        <translation>O serviço de localização recusou: %1</translation>
    </message>
    <message>
        <source>The location service did not answer within %1 s.</source>
        <translation>O serviço de localização não respondeu em %1 s.</translation>
    </message>
</context>
<context>
    <name>Phase</name>
    <message>
        <source>new moon</source>
        <translation>lua nova</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>lua crescente</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>quarto crescente</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>crescente gibosa</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>lua cheia</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>minguante gibosa</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>quarto minguante</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>lua minguante</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>orbalis: reminders cannot be shown: no desktop notification service (%1)</source>
        <translation>orbalis: os lembretes não podem ser exibidos: nenhum serviço de notificação da área de trabalho (%1)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Nascer do sol</translation>
    </message>
    <message>
        <source>Sunrise at %1</source>
        <translation>Nascer do sol às %1</translation>
    </message>
    <message>
        <source>Sunrise on %1 at %2</source>
        <translation>Nascer do sol em %1 às %2</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Pôr do sol</translation>
    </message>
    <message>
        <source>Sunset at %1</source>
        <translation>Pôr do sol às %1</translation>
    </message>
    <message>
        <source>Sunset on %1 at %2</source>
        <translation>Pôr do sol em %1 às %2</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Hora dourada</translation>
    </message>
    <message>
        <source>Golden hour at %1</source>
        <translation>Hora dourada às %1</translation>
    </message>
    <message>
        <source>Golden hour on %1 at %2</source>
        <translation>Hora dourada em %1 às %2</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Full moon at %1</source>
        <translation>Lua cheia às %1</translation>
    </message>
    <message>
        <source>Full moon on %1 at %2</source>
        <translation>Lua cheia em %1 às %2</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>New moon at %1</source>
        <translation>Lua nova às %1</translation>
    </message>
    <message>
        <source>New moon on %1 at %2</source>
        <translation>Lua nova em %1 às %2</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Eclipse</translation>
    </message>
    <message>
        <source>Eclipse at %1</source>
        <translation>Eclipse às %1</translation>
    </message>
    <message>
        <source>Eclipse on %1 at %2</source>
        <translation>Eclipse em %1 às %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Twilight</source>
        <translation>Cre&amp;púsculo</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <extracomment>The size of the clock&apos;s face.</extracomment>
        <translation>&amp;Tamanho</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Lembrar-me</translation>
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
        <translation>Lua como no &amp;céu</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Informações…</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>Iniciar ao &amp;entrar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Civil (Sun 6° below)</source>
        <translation>&amp;Civil (sol 6° abaixo do horizonte)</translation>
    </message>
    <message>
        <source>&amp;Nautical (12° below)</source>
        <translation>&amp;Náutico (12° abaixo)</translation>
    </message>
    <message>
        <source>&amp;Astronomical (18° below)</source>
        <translation>&amp;Astronômico (18° abaixo)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a size in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Nascer do sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Pôr do sol</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Hora dourada</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>An eclipse seen here</source>
        <translation>Um eclipse visível aqui</translation>
    </message>
    <message>
        <source>At the event</source>
        <translation>No momento do evento</translation>
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
        <translation>1 dia antes</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2). They apply until the clock is closed.</source>
        <translation>Não foi possível salvar as configurações em %1 (%2). Elas valem até o relógio ser fechado.</translation>
    </message>
    <message>
        <source>The login start entry %1 was not changed: %2</source>
        <translation>A entrada de inicialização %1 não foi alterada: %2</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1 (%2). Changes to the place and the position will be lost when the clock is closed.</source>
        <translation>As configurações não podem ser salvas em %1 (%2). As mudanças de local e posição serão perdidas quando o relógio for fechado.</translation>
    </message>
    <message>
        <source>%1. The dial, the Moon&apos;s picture and the place chosen by name will not be kept.</source>
        <translation>%1. O mostrador, a imagem da Lua e o local escolhido pelo nome não serão mantidos.</translation>
    </message>
    <message>
        <source>The choice is not kept: %1. It applies until the clock is closed.</source>
        <translation>A escolha não é mantida: %1. Ela vale até o relógio ser fechado.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
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
        <translation>L</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>Orbalis Options &amp; More Infomations.</source>
        <translation>Orbalis – Opções e mais informações</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Height =</source>
        <extracomment>The place&apos;s height above sea level.</extracomment>
        <translation>Altitude =</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Usar minha localização</translation>
    </message>
    <message>
        <source>Asking the location service…</source>
        <translation>Consultando o serviço de localização…</translation>
    </message>
    <message>
        <source>City name</source>
        <translation>Nome da cidade</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Time zone, hours east of Greenwich</source>
        <translation>Fuso horário, horas a leste de Greenwich</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Latitude, degrees</source>
        <translation>Latitude, graus</translation>
    </message>
    <message>
        <source>Latitude, minutes</source>
        <translation>Latitude, minutos</translation>
    </message>
    <message>
        <source>Longitude, degrees</source>
        <translation>Longitude, graus</translation>
    </message>
    <message>
        <source>Longitude, minutes</source>
        <translation>Longitude, minutos</translation>
    </message>
    <message>
        <source>Height above sea level, metres</source>
        <translation>Altitude acima do nível do mar, metros</translation>
    </message>
    <message>
        <source>Moon and coming events</source>
        <translation>Lua e próximos eventos</translation>
    </message>
</context>
</TS>
