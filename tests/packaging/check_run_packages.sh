#!/usr/bin/env bash
# What make run installs is what building and running the clock needs: every system file the
# clock's objects were compiled from (the .o.d files of its own targets) and every shared
# library the program loads comes from one of the Makefile's RUN_PACKAGES or what they
# depend on.
# Usage: check_run_packages.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1 build=$2
run_packages=$(make -s -C "$src" print-run-packages)
closure=$(apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts --no-breaks \
              --no-replaces --no-enhances $run_packages 2>/dev/null | grep -v '^ ' | sed 's/:any$//' | sort -u)
files=$( { cat $(find "$build" -name '*.o.d' -path '*/CMakeFiles/orbalis_*' ! -path '*/tests/*' ! -name '*_sanitized*') \
          | tr ' \\' '\n\n' | grep '^/usr/' ; ldd "$build/orbalis" | awk '$3 ~ /^\// {print $3}'; } | sort -u)
# The packages that own the files, asked at once (a file may be known by its path through
# the /lib link of Debian 12's merged /usr, or through /usr).
owners=$( { dpkg -S $files || true; dpkg -S $(for f in $files; do readlink -f "$f"; echo "${f#/usr}"; done | sort -u) || true; } 2>/dev/null |
          sed 's/: .*//' | tr ',' '\n' | sed 's/^ *//; s/:.*$//' | sort -u)
missing=0
for package in $owners; do
    if ! grep -qx "$package" <<<"$closure"; then
        echo "the clock's build reads or loads a file of $package, which make run does not install" >&2
        missing=1
    fi
done
[ "$missing" = 0 ] && echo "the $(wc -w <<<"$files") files the clock's build reads and loads come from RUN_PACKAGES ($(wc -w <<<"$owners") packages)"
exit "$missing"
