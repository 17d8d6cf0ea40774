<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Almanac</name>
    <message>
        <source>Times at %1</source>
        <comment>a time zone&apos;s name or offset</comment>
        <translation>%1 时间</translation>
    </message>
    <message>
        <source>%1 — from your time zone; choose yours in Info…</source>
        <comment>a place&apos;s name; the first start&apos;s place, taken from the computer&apos;s time zone</comment>
        <translation>%1 — 根据您的时区；请在“信息…”中选择您的位置</translation>
    </message>
    <message>
        <source>Sun up all day: sets %1</source>
        <translation>太阳全天在地平线上：下次日落 %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun up all day, no sunset within %n day(s)</source>
        <translation>
            <numerusform>太阳全天在地平线上，%n 天内没有日落</numerusform>
        </translation>
    </message>
    <message>
        <source>Sun down all day: rises %1</source>
        <translation>太阳全天在地平线下：下次日出 %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun down all day, no sunrise within %n day(s)</source>
        <translation>
            <numerusform>太阳全天在地平线下，%n 天内没有日出</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon up all day: sets %1</source>
        <translation>月亮全天在地平线上：下次月落 %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon up all day, no moonset within %n day(s)</source>
        <translation>
            <numerusform>月亮全天在地平线上，%n 天内没有月落</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon down all day: rises %1</source>
        <translation>月亮全天在地平线下：下次月出 %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon down all day, no moonrise within %n day(s)</source>
        <translation>
            <numerusform>月亮全天在地平线下，%n 天内没有月出</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunrise in the next 24 h: %1</source>
        <translation>未来24小时内没有日出：%1</translation>
    </message>
    <message numerus="yes">
        <source>No sunrise within %n day(s)</source>
        <translation>
            <numerusform>%n 天内没有日出</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunset in the next 24 h: %1</source>
        <translation>未来24小时内没有日落：%1</translation>
    </message>
    <message numerus="yes">
        <source>No sunset within %n day(s)</source>
        <translation>
            <numerusform>%n 天内没有日落</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonrise in the next 24 h: %1</source>
        <translation>未来24小时内没有月出：%1</translation>
    </message>
    <message numerus="yes">
        <source>No moonrise within %n day(s)</source>
        <translation>
            <numerusform>%n 天内没有月出</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonset in the next 24 h: %1</source>
        <translation>未来24小时内没有月落：%1</translation>
    </message>
    <message numerus="yes">
        <source>No moonset within %n day(s)</source>
        <translation>
            <numerusform>%n 天内没有月落</numerusform>
        </translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon up here</source>
        <translation>半影月食 %1，此地月亮在地平线上</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon up here</source>
        <translation>月偏食 %1，此地月亮在地平线上</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon up here</source>
        <translation>月环食 %1，此地月亮在地平线上</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon up here</source>
        <translation>月全食 %1，此地月亮在地平线上</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon below the horizon here</source>
        <translation>半影月食 %1，此地月亮在地平线下</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon below the horizon here</source>
        <translation>月偏食 %1，此地月亮在地平线下</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon below the horizon here</source>
        <translation>月环食 %1，此地月亮在地平线下</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon below the horizon here</source>
        <translation>月全食 %1，此地月亮在地平线下</translation>
    </message>
    <message>
        <source>under 1%</source>
        <comment>of the Sun covered</comment>
        <translation>不到 1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Penumbral solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>半影日食 %1，食分 %2，%3 至 %4</translation>
    </message>
    <message>
        <source>Partial solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>日偏食 %1，食分 %2，%3 至 %4</translation>
    </message>
    <message>
        <source>Annular solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>日环食 %1，食分 %2，%3 至 %4</translation>
    </message>
    <message>
        <source>Total solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>日全食 %1，食分 %2，%3 至 %4</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <comment>hours and minutes</comment>
        <translation>%1小时%2分</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <comment>minutes and seconds</comment>
        <translation>%1分%2秒</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set today</source>
        <translation>极昼：今天太阳不落</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today</source>
        <translation>极夜：今天太阳不升</translation>
    </message>
    <message>
        <source>Day %1</source>
        <comment>the length of daylight</comment>
        <translation>白昼 %1</translation>
    </message>
    <message>
        <source>Day %1, as long as yesterday</source>
        <translation>白昼 %1，与昨天相同</translation>
    </message>
    <message>
        <source>Day %1, %2 shorter than yesterday</source>
        <translation>白昼 %1，比昨天短 %2</translation>
    </message>
    <message>
        <source>Day %1, %2 longer than yesterday</source>
        <translation>白昼 %1，比昨天长 %2</translation>
    </message>
    <message>
        <source>Golden hour %1–%2</source>
        <translation>黄金时刻 %1–%2</translation>
    </message>
    <message>
        <source>Golden hour until %1</source>
        <translation>黄金时刻 至 %1</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>黄金时刻 从 %1 起</translation>
    </message>
    <message>
        <source>Blue hour %1–%2</source>
        <translation>蓝调时刻 %1–%2</translation>
    </message>
    <message>
        <source>Blue hour until %1</source>
        <translation>蓝调时刻 至 %1</translation>
    </message>
    <message>
        <source>Blue hour from %1</source>
        <translation>蓝调时刻 从 %1 起</translation>
    </message>
    <message>
        <source>%1 km</source>
        <comment>a distance</comment>
        <translation>%1 公里</translation>
    </message>
    <message>
        <source>%1 away</source>
        <comment>a distance</comment>
        <translation>距离 %1</translation>
    </message>
    <message>
        <source>distance unknown</source>
        <translation>距离未知</translation>
    </message>
    <message>
        <source>Moon below the horizon, %1</source>
        <translation>月亮在地平线下，%1</translation>
    </message>
    <message>
        <source>Moon %1° up in the %2 (%3°), %4</source>
        <comment>altitude, compass point, azimuth, distance</comment>
        <translation>月亮高度 %1°，方位 %2（%3°），%4</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <comment>a number of days with one decimal</comment>
        <translation>%1 天后</translation>
    </message>
    <message>
        <source>March equinox %1, %2</source>
        <translation>三月分点 %1，%2</translation>
    </message>
    <message>
        <source>June solstice %1, %2</source>
        <translation>六月至点 %1，%2</translation>
    </message>
    <message>
        <source>September equinox %1, %2</source>
        <translation>九月分点 %1，%2</translation>
    </message>
    <message>
        <source>December solstice %1, %2</source>
        <translation>十二月至点 %1，%2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>近地点 %1，%2</translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>远地点 %1，%2</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>民用晨光始</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>航海晨光始</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>天文晨光始</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>民用昏影终</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>航海昏影终</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>天文昏影终</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>日出</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日落</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>月出</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>月落</translation>
    </message>
    <message>
        <source>Moon %1 days old, %2% lit</source>
        <comment>age in days with a decimal, percent</comment>
        <translation>月龄 %1 天，照亮 %2%</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the Moon&apos;s age and lit share, its phase by name</comment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>New moon %1, %2</source>
        <translation>新月 %1，%2</translation>
    </message>
    <message>
        <source>First quarter %1, %2</source>
        <translation>上弦 %1，%2</translation>
    </message>
    <message>
        <source>Full moon %1, %2</source>
        <translation>满月 %1，%2</translation>
    </message>
    <message>
        <source>Last quarter %1, %2</source>
        <translation>下弦 %1，%2</translation>
    </message>
    <message>
        <source>New moon not found</source>
        <translation>未找到新月</translation>
    </message>
    <message>
        <source>First quarter not found</source>
        <translation>未找到上弦</translation>
    </message>
    <message>
        <source>Full moon not found</source>
        <translation>未找到满月</translation>
    </message>
    <message>
        <source>Last quarter not found</source>
        <translation>未找到下弦</translation>
    </message>
    <message>
        <source>%1 — supermoon, %2</source>
        <comment>a full or new moon, the Moon&apos;s distance then</comment>
        <translation>%1 — 超级月亮，%2</translation>
    </message>
    <message>
        <source>none within 24 h</source>
        <comment>no such event in the coming day</comment>
        <translation>— 24小时内没有</translation>
    </message>
    <message numerus="yes">
        <source>No lunar eclipse within %n year(s)</source>
        <translation>
            <numerusform>%n 年内没有月食</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No solar eclipse seen here within %n year(s)</source>
        <translation>
            <numerusform>%n 年内此地看不到日食</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>orbalis: --at wants a date and time as &quot;YYYY-MM-DD HH:MM&quot; on the place&apos;s clock, or in ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), not &quot;%1&quot;</source>
        <translation>orbalis：--at 需要地点时钟上的日期和时间“YYYY-MM-DD HH:MM”，或 ISO 8601 格式（“YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]”），而不是“%1”</translation>
    </message>
    <message>
        <source>--settings needs a FILE</source>
        <translation>--settings 需要一个文件</translation>
    </message>
    <message>
        <source>--at needs &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--at 需要“YYYY-MM-DD HH:MM”</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>--print and --json cannot be used together</source>
        <translation>--print 和 --json 不能同时使用</translation>
    </message>
    <message>
        <source>--at goes with --print or --json</source>
        <translation>--at 需与 --print 或 --json 一起使用</translation>
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
        <translation>用法：orbalis [--settings 文件]
      orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings 文件]
一个圆形桌面时钟，显示月相和月龄，以及当天的日出、日落、晨昏蒙影、月出和月落。

  --settings 文件  将设置保存在“文件”中，而不是默认文件
  --print          输出时钟提示框此刻针对设置中地点显示的内容，然后退出
                   （无需显示器）
  --json           以一个 JSON 对象输出相同内容，然后退出
  --at &quot;YYYY-MM-DD HH:MM&quot;
                   与 --print 或 --json 一起使用：针对该地点时钟上的这个时间
                   （因时钟调整而跳过的时间按调整前的时差读取，重复的时间按第一次
                   出现读取）；或 --json 输出的 ISO 8601 时间，
                   &quot;2027-01-15T12:00:00+01:00&quot;（UTC 用 &quot;Z&quot;）
  -h, --help       显示此帮助并退出
  -v, --version    显示版本并退出

设置文件：%1
（工作目录中有 %2 时用它，否则为
$XDG_CONFIG_HOME/%3/%2，默认是 %4）</translation>
    </message>
    <message>
        <source>orbalis: %1 (see orbalis --help)</source>
        <translation>orbalis：%1（参见 orbalis --help）</translation>
    </message>
    <message>
        <source>orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>orbalis：没有显示器（未设置 DISPLAY 或 WAYLAND_DISPLAY）</translation>
    </message>
    <message>
        <source>orbalis: a clock already runs with %1 but does not answer</source>
        <translation>orbalis：已有使用 %1 的时钟在运行，但没有响应</translation>
    </message>
    <message>
        <source>orbalis: already running with %1; brought that clock to the front</source>
        <translation>orbalis：已在使用 %1 运行；已将该时钟置于最前</translation>
    </message>
    <message>
        <source>orbalis: no private folder for the one-clock guard (%1); a second clock on this file is not stopped</source>
        <translation>orbalis：没有用于单实例保护的私有文件夹（%1）；不会阻止使用此文件的第二个时钟</translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>北</translation>
    </message>
    <message>
        <source>NNE</source>
        <translation>北东北</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>东北</translation>
    </message>
    <message>
        <source>ENE</source>
        <translation>东东北</translation>
    </message>
    <message>
        <source>E</source>
        <translation>东</translation>
    </message>
    <message>
        <source>ESE</source>
        <translation>东东南</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>东南</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>南东南</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>南西南</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>西南</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>西西南</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>西西北</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>西北</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>北西北</translation>
    </message>
</context>
<context>
    <name>Locator</name>
    <message>
        <source>No location service: the system bus cannot be reached.</source>
        <translation>没有定位服务：无法连接系统总线。</translation>
    </message>
    <message>
        <source>The location service gave no usable position.</source>
        <translation>定位服务没有给出可用的位置。</translation>
    </message>
    <message>
        <source>The location service refused: %1</source>
        <translation>定位服务拒绝了请求：%1</translation>
    </message>
    <message>
        <source>The location service did not answer within %1 s.</source>
        <translation>定位服务在 %1 秒内没有响应。</translation>
    </message>
</context>
<context>
    <name>Phase</name>
    <message>
        <source>new moon</source>
        <translation>新月</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>蛾眉月</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>上弦月</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>盈凸月</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>满月</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>亏凸月</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>下弦月</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>残月</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>orbalis: reminders cannot be shown: no desktop notification service (%1)</source>
        <translation>orbalis：无法显示提醒：没有桌面通知服务（%1）</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>日出</translation>
    </message>
    <message>
        <source>Sunrise at %1</source>
        <translation>日出 %1</translation>
    </message>
    <message>
        <source>Sunrise on %1 at %2</source>
        <translation>日出 %1 %2</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日落</translation>
    </message>
    <message>
        <source>Sunset at %1</source>
        <translation>日落 %1</translation>
    </message>
    <message>
        <source>Sunset on %1 at %2</source>
        <translation>日落 %1 %2</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>黄金时刻</translation>
    </message>
    <message>
        <source>Golden hour at %1</source>
        <translation>黄金时刻 %1</translation>
    </message>
    <message>
        <source>Golden hour on %1 at %2</source>
        <translation>黄金时刻 %1 %2</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>满月</translation>
    </message>
    <message>
        <source>Full moon at %1</source>
        <translation>满月 %1</translation>
    </message>
    <message>
        <source>Full moon on %1 at %2</source>
        <translation>满月 %1 %2</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>新月</translation>
    </message>
    <message>
        <source>New moon at %1</source>
        <translation>新月 %1</translation>
    </message>
    <message>
        <source>New moon on %1 at %2</source>
        <translation>新月 %1 %2</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>日食/月食</translation>
    </message>
    <message>
        <source>Eclipse at %1</source>
        <translation>日食/月食 %1</translation>
    </message>
    <message>
        <source>Eclipse on %1 at %2</source>
        <translation>日食/月食 %1 %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Twilight</source>
        <translation>晨昏蒙影(&amp;T)</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <extracomment>The size of the clock&apos;s face.</extracomment>
        <translation>大小(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>提醒我(&amp;R)</translation>
    </message>
    <message>
        <source>1&amp;2h</source>
        <extracomment>The dial of 12 hours (with am and pm); &amp; marks the menu&apos;s key.</extracomment>
        <translation>1&amp;2小时</translation>
    </message>
    <message>
        <source>2&amp;4h</source>
        <extracomment>The dial of 24 hours.</extracomment>
        <translation>2&amp;4小时</translation>
    </message>
    <message>
        <source>Moon as in the &amp;sky</source>
        <translation>天空中的月相(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>信息(&amp;I)…</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>登录时启动(&amp;L)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Civil (Sun 6° below)</source>
        <translation>民用(&amp;C)（太阳在地平线下 6°）</translation>
    </message>
    <message>
        <source>&amp;Nautical (12° below)</source>
        <translation>航海(&amp;N)（12° 以下）</translation>
    </message>
    <message>
        <source>&amp;Astronomical (18° below)</source>
        <translation>天文(&amp;A)（18° 以下）</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a size in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>日出</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日落</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>黄金时刻</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>满月</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>新月</translation>
    </message>
    <message>
        <source>An eclipse seen here</source>
        <translation>此地可见的日食或月食</translation>
    </message>
    <message>
        <source>At the event</source>
        <translation>事件发生时</translation>
    </message>
    <message>
        <source>15 min before</source>
        <translation>提前 15 分钟</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>提前 1 小时</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>提前 1 天</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2). They apply until the clock is closed.</source>
        <translation>无法将设置保存到 %1（%2）。设置在时钟关闭前有效。</translation>
    </message>
    <message>
        <source>The login start entry %1 was not changed: %2</source>
        <translation>登录启动项 %1 未更改：%2</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1 (%2). Changes to the place and the position will be lost when the clock is closed.</source>
        <translation>无法将设置保存到 %1（%2）。关闭时钟后，对地点和位置的更改将丢失。</translation>
    </message>
    <message>
        <source>%1. The dial, the Moon&apos;s picture and the place chosen by name will not be kept.</source>
        <translation>%1。表盘、月亮图像和按名称选择的地点将不会保存。</translation>
    </message>
    <message>
        <source>The choice is not kept: %1. It applies until the clock is closed.</source>
        <translation>该选择不会保存：%1。在时钟关闭前有效。</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>北</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>南</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>东</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>西</translation>
    </message>
    <message>
        <source>Orbalis Options &amp; More Infomations.</source>
        <translation>Orbalis – 选项和更多信息</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>Height =</source>
        <extracomment>The place&apos;s height above sea level.</extracomment>
        <translation>海拔 =</translation>
    </message>
    <message>
        <source>(m)</source>
        <extracomment>Metres, after the height.</extracomment>
        <translation>(米)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>使用我的位置</translation>
    </message>
    <message>
        <source>Asking the location service…</source>
        <translation>正在询问定位服务…</translation>
    </message>
    <message>
        <source>City name</source>
        <translation>城市名称</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Time zone, hours east of Greenwich</source>
        <translation>时区，格林尼治以东的小时数</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南</translation>
    </message>
    <message>
        <source>East</source>
        <translation>东</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西</translation>
    </message>
    <message>
        <source>Latitude, degrees</source>
        <translation>纬度，度</translation>
    </message>
    <message>
        <source>Latitude, minutes</source>
        <translation>纬度，分</translation>
    </message>
    <message>
        <source>Longitude, degrees</source>
        <translation>经度，度</translation>
    </message>
    <message>
        <source>Longitude, minutes</source>
        <translation>经度，分</translation>
    </message>
    <message>
        <source>Height above sea level, metres</source>
        <translation>海拔高度，米</translation>
    </message>
    <message>
        <source>Moon and coming events</source>
        <translation>月亮和即将发生的事件</translation>
    </message>
</context>
</TS>
