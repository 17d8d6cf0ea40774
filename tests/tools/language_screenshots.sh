#!/bin/sh
# Pictures of the clock's tooltip, menu and dialog in some languages, for a translator or a
# reviewer to look at (tests/data/languages/<language>_{tooltip,menu,dialog}.png, 256 colours).
# Usage: tests/tools/language_screenshots.sh BINARY [LANGUAGE...]   (default: de_DE ja_JP ru_RU)
# Needs Xvfb, xdotool and ImageMagick, and fonts for the languages (fonts-ipafont-gothic for
# Japanese, fonts-wqy-microhei for Chinese).
set -eu
binary=$(readlink -f "$1")
shift
out=$(cd "$(dirname "$0")/../data/languages" && pwd)
[ $# -gt 0 ] || set -- de_DE ja_JP ru_RU
# The root window's picture, cut to what is drawn on its black.
shoot() { import -window root png:- | convert png:- -trim +repage -colors 256 "PNG8:$1"; }
for language in "$@"; do
    home=$(mktemp -d)
    mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
    Xvfb :77 -screen 0 1024x600x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    export DISPLAY=:77
    env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" LC_ALL="$language.UTF-8" \
        TZ=Europe/Berlin "$binary" &
    clock=$!
    sleep 2
    window=$(xdotool search --onlyvisible --name '^Orbalis$' | head -1)
    xdotool windowmove "$window" 20 20
    sleep 0.5
    xdotool mousemove 80 70 && sleep 0.2 && xdotool mousemove 82 71
    sleep 2
    shoot "$out/${language%%_*}_tooltip.png"
    xdotool mousemove 600 460 && sleep 0.5
    xdotool mousemove 80 50 click 3
    sleep 0.8
    shoot "$out/${language%%_*}_menu.png"
    xdotool key Escape
    sleep 0.3
    xdotool mousemove 80 50 click 3
    sleep 0.6
    # The Info item: the first below the separator (six items above it).
    for _ in 1 2 3 4 5 6 7; do xdotool key Down; done
    xdotool key Return
    sleep 1.5
    shoot "$out/${language%%_*}_dialog.png"
    kill "$clock" 2>/dev/null || true
    wait "$clock" 2>/dev/null || true
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$home"
done
