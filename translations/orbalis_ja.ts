<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Almanac</name>
    <message>
        <source>Times at %1</source>
        <comment>a time zone&apos;s name or offset</comment>
        <translation>%1 の時刻</translation>
    </message>
    <message>
        <source>%1 — from your time zone; choose yours in Info…</source>
        <comment>a place&apos;s name; the first start&apos;s place, taken from the computer&apos;s time zone</comment>
        <translation>%1 — タイムゾーンから推定。「情報…」で場所を選べます</translation>
    </message>
    <message>
        <source>Sun up all day: sets %1</source>
        <translation>太陽は終日地平線の上：次の日の入り %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun up all day, no sunset within %n day(s)</source>
        <translation>
            <numerusform>太陽は終日地平線の上、%n 日以内に日の入りなし</numerusform>
        </translation>
    </message>
    <message>
        <source>Sun down all day: rises %1</source>
        <translation>太陽は終日地平線の下：次の日の出 %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun down all day, no sunrise within %n day(s)</source>
        <translation>
            <numerusform>太陽は終日地平線の下、%n 日以内に日の出なし</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon up all day: sets %1</source>
        <translation>月は終日地平線の上：次の月の入り %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon up all day, no moonset within %n day(s)</source>
        <translation>
            <numerusform>月は終日地平線の上、%n 日以内に月の入りなし</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon down all day: rises %1</source>
        <translation>月は終日地平線の下：次の月の出 %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon down all day, no moonrise within %n day(s)</source>
        <translation>
            <numerusform>月は終日地平線の下、%n 日以内に月の出なし</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunrise in the next 24 h: %1</source>
        <translation>今後24時間に日の出なし：%1</translation>
    </message>
    <message numerus="yes">
        <source>No sunrise within %n day(s)</source>
        <translation>
            <numerusform>%n 日以内に日の出なし</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunset in the next 24 h: %1</source>
        <translation>今後24時間に日の入りなし：%1</translation>
    </message>
    <message numerus="yes">
        <source>No sunset within %n day(s)</source>
        <translation>
            <numerusform>%n 日以内に日の入りなし</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonrise in the next 24 h: %1</source>
        <translation>今後24時間に月の出なし：%1</translation>
    </message>
    <message numerus="yes">
        <source>No moonrise within %n day(s)</source>
        <translation>
            <numerusform>%n 日以内に月の出なし</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonset in the next 24 h: %1</source>
        <translation>今後24時間に月の入りなし：%1</translation>
    </message>
    <message numerus="yes">
        <source>No moonset within %n day(s)</source>
        <translation>
            <numerusform>%n 日以内に月の入りなし</numerusform>
        </translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon up here</source>
        <translation>半影月食 %1、ここでは月は地平線の上</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon up here</source>
        <translation>部分月食 %1、ここでは月は地平線の上</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon up here</source>
        <translation>金環月食 %1、ここでは月は地平線の上</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon up here</source>
        <translation>皆既月食 %1、ここでは月は地平線の上</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon below the horizon here</source>
        <translation>半影月食 %1、ここでは月は地平線の下</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon below the horizon here</source>
        <translation>部分月食 %1、ここでは月は地平線の下</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon below the horizon here</source>
        <translation>金環月食 %1、ここでは月は地平線の下</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon below the horizon here</source>
        <translation>皆既月食 %1、ここでは月は地平線の下</translation>
    </message>
    <message>
        <source>under 1%</source>
        <comment>of the Sun covered</comment>
        <translation>1% 未満</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Penumbral solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>半影日食 %1、%2 が欠ける、%3〜%4</translation>
    </message>
    <message>
        <source>Partial solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>部分日食 %1、%2 が欠ける、%3〜%4</translation>
    </message>
    <message>
        <source>Annular solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>金環日食 %1、%2 が欠ける、%3〜%4</translation>
    </message>
    <message>
        <source>Total solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>皆既日食 %1、%2 が欠ける、%3〜%4</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <comment>hours and minutes</comment>
        <translation>%1時間%2分</translation>
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
        <translation>白夜：今日は太陽が沈みません</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today</source>
        <translation>極夜：今日は太陽が昇りません</translation>
    </message>
    <message>
        <source>Day %1</source>
        <comment>the length of daylight</comment>
        <translation>昼の長さ %1</translation>
    </message>
    <message>
        <source>Day %1, as long as yesterday</source>
        <translation>昼の長さ %1、昨日と同じ</translation>
    </message>
    <message>
        <source>Day %1, %2 shorter than yesterday</source>
        <translation>昼の長さ %1、昨日より %2 短い</translation>
    </message>
    <message>
        <source>Day %1, %2 longer than yesterday</source>
        <translation>昼の長さ %1、昨日より %2 長い</translation>
    </message>
    <message>
        <source>Golden hour %1–%2</source>
        <translation>ゴールデンアワー %1–%2</translation>
    </message>
    <message>
        <source>Golden hour until %1</source>
        <translation>ゴールデンアワー 〜%1</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>ゴールデンアワー %1〜</translation>
    </message>
    <message>
        <source>Blue hour %1–%2</source>
        <translation>ブルーアワー %1–%2</translation>
    </message>
    <message>
        <source>Blue hour until %1</source>
        <translation>ブルーアワー 〜%1</translation>
    </message>
    <message>
        <source>Blue hour from %1</source>
        <translation>ブルーアワー %1〜</translation>
    </message>
    <message>
        <source>%1 km</source>
        <comment>a distance</comment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 away</source>
        <comment>a distance</comment>
        <translation>距離 %1</translation>
    </message>
    <message>
        <source>distance unknown</source>
        <translation>距離不明</translation>
    </message>
    <message>
        <source>Moon below the horizon, %1</source>
        <translation>月は地平線の下、%1</translation>
    </message>
    <message>
        <source>Moon %1° up in the %2 (%3°), %4</source>
        <comment>altitude, compass point, azimuth, distance</comment>
        <translation>月は高度 %1°、方角 %2（%3°）、%4</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <comment>a number of days with one decimal</comment>
        <translation>%1 日後</translation>
    </message>
    <message>
        <source>March equinox %1, %2</source>
        <translation>3月の分点 %1、%2</translation>
    </message>
    <message>
        <source>June solstice %1, %2</source>
        <translation>6月の至点 %1、%2</translation>
    </message>
    <message>
        <source>September equinox %1, %2</source>
        <translation>9月の分点 %1、%2</translation>
    </message>
    <message>
        <source>December solstice %1, %2</source>
        <translation>12月の至点 %1、%2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>近地点 %1、%2</translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>遠地点 %1、%2</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>市民薄明の始まり</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>航海薄明の始まり</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>天文薄明の始まり</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>市民薄明の終わり</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>航海薄明の終わり</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>天文薄明の終わり</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>日の出</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日の入り</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>月の出</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>月の入り</translation>
    </message>
    <message>
        <source>Moon %1 days old, %2% lit</source>
        <comment>age in days with a decimal, percent</comment>
        <translation>月齢 %1 日、輝面比 %2%</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the Moon&apos;s age and lit share, its phase by name</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>New moon %1, %2</source>
        <translation>新月 %1、%2</translation>
    </message>
    <message>
        <source>First quarter %1, %2</source>
        <translation>上弦 %1、%2</translation>
    </message>
    <message>
        <source>Full moon %1, %2</source>
        <translation>満月 %1、%2</translation>
    </message>
    <message>
        <source>Last quarter %1, %2</source>
        <translation>下弦 %1、%2</translation>
    </message>
    <message>
        <source>New moon not found</source>
        <translation>新月 が見つかりません</translation>
    </message>
    <message>
        <source>First quarter not found</source>
        <translation>上弦 が見つかりません</translation>
    </message>
    <message>
        <source>Full moon not found</source>
        <translation>満月 が見つかりません</translation>
    </message>
    <message>
        <source>Last quarter not found</source>
        <translation>下弦 が見つかりません</translation>
    </message>
    <message>
        <source>%1 — supermoon, %2</source>
        <comment>a full or new moon, the Moon&apos;s distance then</comment>
        <translation>%1 — スーパームーン、%2</translation>
    </message>
    <message>
        <source>none within 24 h</source>
        <comment>no such event in the coming day</comment>
        <translation>— 24時間以内になし</translation>
    </message>
    <message numerus="yes">
        <source>No lunar eclipse within %n year(s)</source>
        <translation>
            <numerusform>%n 年以内に月食なし</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No solar eclipse seen here within %n year(s)</source>
        <translation>
            <numerusform>%n 年以内にここで見える日食なし</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>orbalis: --at wants a date and time as &quot;YYYY-MM-DD HH:MM&quot; on the place&apos;s clock, or in ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), not &quot;%1&quot;</source>
        <translation>orbalis: --at には場所の時計での日時「YYYY-MM-DD HH:MM」か ISO 8601（「YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]」）を指定してください。「%1」は使えません</translation>
    </message>
    <message>
        <source>--settings needs a FILE</source>
        <translation>--settings にはファイルが必要です</translation>
    </message>
    <message>
        <source>--at needs &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--at には「YYYY-MM-DD HH:MM」が必要です</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>--print and --json cannot be used together</source>
        <translation>--print と --json は同時に使えません</translation>
    </message>
    <message>
        <source>--at goes with --print or --json</source>
        <translation>--at は --print か --json と一緒に使います</translation>
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
        <translation>使い方: orbalis [--settings ファイル]
        orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings ファイル]
月の満ち欠けと月齢、その日の日の出・日の入り・薄明・月の出・月の入りを表示する
丸いデスクトップ時計です。

  --settings ファイル  既定のファイルの代わりに「ファイル」に設定を保存する
  --print              設定の場所について、時計のツールチップが今表示する内容を
                       出力して終了する（ディスプレイ不要）
  --json               同じ内容を1つの JSON オブジェクトとして出力して終了する
  --at &quot;YYYY-MM-DD HH:MM&quot;
                       --print または --json と共に: その場所の時計でのその時刻に
                       ついて（時刻の切り替えで飛ばされる時刻は切り替え前の時差で、
                       繰り返される時刻は最初のほうで読む）。または --json が出力する
                       ISO 8601 の時刻 &quot;2027-01-15T12:00:00+01:00&quot;（UTC は &quot;Z&quot;）
  -h, --help           このヘルプを表示して終了する
  -v, --version        バージョンを表示して終了する

設定ファイル: %1
（作業ディレクトリに %2 があればそれ、なければ
$XDG_CONFIG_HOME/%3/%2、既定では %4）</translation>
    </message>
    <message>
        <source>orbalis: %1 (see orbalis --help)</source>
        <translation>orbalis: %1（orbalis --help を参照）</translation>
    </message>
    <message>
        <source>orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>orbalis: ディスプレイがありません（DISPLAY も WAYLAND_DISPLAY も設定されていません）</translation>
    </message>
    <message>
        <source>orbalis: a clock already runs with %1 but does not answer</source>
        <translation>orbalis: %1 を使う時計がすでに動いていますが、応答しません</translation>
    </message>
    <message>
        <source>orbalis: already running with %1; brought that clock to the front</source>
        <translation>orbalis: %1 ですでに動いています。その時計を前面に出しました</translation>
    </message>
    <message>
        <source>orbalis: no private folder for the one-clock guard (%1); a second clock on this file is not stopped</source>
        <translation>orbalis: 二重起動防止用の専用フォルダーがありません（%1）。このファイルで2つ目の時計が起動しても止められません</translation>
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
        <translation>北北東</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>北東</translation>
    </message>
    <message>
        <source>ENE</source>
        <translation>東北東</translation>
    </message>
    <message>
        <source>E</source>
        <translation>東</translation>
    </message>
    <message>
        <source>ESE</source>
        <translation>東南東</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>南東</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>南南東</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>南南西</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>南西</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>西南西</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>西北西</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>北西</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>北北西</translation>
    </message>
</context>
<context>
    <name>Locator</name>
    <message>
        <source>No location service: the system bus cannot be reached.</source>
        <translation>位置情報サービスがありません：システムバスに接続できません。</translation>
    </message>
    <message>
        <source>The location service gave no usable position.</source>
        <translation>位置情報サービスから使える位置が得られませんでした。</translation>
    </message>
    <message>
        <source>The location service refused: %1</source>
        <translation>位置情報サービスが拒否しました：%1</translation>
    </message>
    <message>
        <source>The location service did not answer within %1 s.</source>
        <translation>位置情報サービスが %1 秒以内に応答しませんでした。</translation>
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
        <translation>三日月</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>上弦の月</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>満ちていく月</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>満月</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>欠けていく月</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>下弦の月</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>有明月</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>orbalis: reminders cannot be shown: no desktop notification service (%1)</source>
        <translation>orbalis: リマインダーを表示できません：デスクトップ通知サービスがありません（%1）</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>日の出</translation>
    </message>
    <message>
        <source>Sunrise at %1</source>
        <translation>日の出 %1</translation>
    </message>
    <message>
        <source>Sunrise on %1 at %2</source>
        <translation>日の出 %1 %2</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日の入り</translation>
    </message>
    <message>
        <source>Sunset at %1</source>
        <translation>日の入り %1</translation>
    </message>
    <message>
        <source>Sunset on %1 at %2</source>
        <translation>日の入り %1 %2</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>ゴールデンアワー</translation>
    </message>
    <message>
        <source>Golden hour at %1</source>
        <translation>ゴールデンアワー %1</translation>
    </message>
    <message>
        <source>Golden hour on %1 at %2</source>
        <translation>ゴールデンアワー %1 %2</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>満月</translation>
    </message>
    <message>
        <source>Full moon at %1</source>
        <translation>満月 %1</translation>
    </message>
    <message>
        <source>Full moon on %1 at %2</source>
        <translation>満月 %1 %2</translation>
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
        <translation>日食／月食</translation>
    </message>
    <message>
        <source>Eclipse at %1</source>
        <translation>日食／月食 %1</translation>
    </message>
    <message>
        <source>Eclipse on %1 at %2</source>
        <translation>日食／月食 %1 %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Twilight</source>
        <translation>薄明(&amp;T)</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <extracomment>The size of the clock&apos;s face.</extracomment>
        <translation>サイズ(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>通知(&amp;R)</translation>
    </message>
    <message>
        <source>1&amp;2h</source>
        <extracomment>The dial of 12 hours (with am and pm); &amp; marks the menu&apos;s key.</extracomment>
        <translation>1&amp;2時間</translation>
    </message>
    <message>
        <source>2&amp;4h</source>
        <extracomment>The dial of 24 hours.</extracomment>
        <translation>2&amp;4時間</translation>
    </message>
    <message>
        <source>Moon as in the &amp;sky</source>
        <translation>空のとおりの月(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>情報(&amp;I)…</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>ログイン時に起動(&amp;L)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Civil (Sun 6° below)</source>
        <translation>市民薄明(&amp;C)（太陽が6°下）</translation>
    </message>
    <message>
        <source>&amp;Nautical (12° below)</source>
        <translation>航海薄明(&amp;N)（12°下）</translation>
    </message>
    <message>
        <source>&amp;Astronomical (18° below)</source>
        <translation>天文薄明(&amp;A)（18°下）</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a size in percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>日の出</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日の入り</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>ゴールデンアワー</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>満月</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>新月</translation>
    </message>
    <message>
        <source>An eclipse seen here</source>
        <translation>ここで見える日食・月食</translation>
    </message>
    <message>
        <source>At the event</source>
        <translation>その時刻に</translation>
    </message>
    <message>
        <source>15 min before</source>
        <translation>15分前</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1時間前</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1日前</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2). They apply until the clock is closed.</source>
        <translation>設定を %1 に保存できませんでした（%2）。時計を閉じるまで有効です。</translation>
    </message>
    <message>
        <source>The login start entry %1 was not changed: %2</source>
        <translation>ログイン時の起動設定 %1 を変更できませんでした：%2</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1 (%2). Changes to the place and the position will be lost when the clock is closed.</source>
        <translation>設定を %1 に保存できません（%2）。場所と位置の変更は時計を閉じると失われます。</translation>
    </message>
    <message>
        <source>%1. The dial, the Moon&apos;s picture and the place chosen by name will not be kept.</source>
        <translation>%1。文字盤、月の表示、名前で選んだ場所は保存されません。</translation>
    </message>
    <message>
        <source>The choice is not kept: %1. It applies until the clock is closed.</source>
        <translation>選択は保存されません：%1。時計を閉じるまで有効です。</translation>
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
        <translation>東</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>西</translation>
    </message>
    <message>
        <source>Orbalis Options &amp; More Infomations.</source>
        <translation>Orbalis – 設定と情報</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Height =</source>
        <extracomment>The place&apos;s height above sea level.</extracomment>
        <translation>標高 =</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>現在地を使う</translation>
    </message>
    <message>
        <source>Asking the location service…</source>
        <translation>位置情報サービスに問い合わせ中…</translation>
    </message>
    <message>
        <source>City name</source>
        <translation>都市名</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Time zone, hours east of Greenwich</source>
        <translation>タイムゾーン、グリニッジから東への時間</translation>
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
        <translation>東</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西</translation>
    </message>
    <message>
        <source>Latitude, degrees</source>
        <translation>緯度（度）</translation>
    </message>
    <message>
        <source>Latitude, minutes</source>
        <translation>緯度（分）</translation>
    </message>
    <message>
        <source>Longitude, degrees</source>
        <translation>経度（度）</translation>
    </message>
    <message>
        <source>Longitude, minutes</source>
        <translation>経度（分）</translation>
    </message>
    <message>
        <source>Height above sea level, metres</source>
        <translation>標高（メートル）</translation>
    </message>
    <message>
        <source>Moon and coming events</source>
        <translation>月とこれからの出来事</translation>
    </message>
</context>
</TS>
