#!/usr/bin/env bash
# Measures how long the main window takes to come up, and the program's peak
# resident memory, with an empty book and with a book of 10,000 anniversaries.
# Runs under Xvfb; needs the build (make check), the packages of make run, and
# the Debian package time.
set -euo pipefail

build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 10,000 anniversaries spread over the twelve months, in the program's format.
awk 'BEGIN {
  split("January February March April May June July August September October November December", Month, " ")
  key = 0
  for (m = 1; m <= 12; m++) {
    n = int(10000 / 12) + (m <= 10000 % 12)
    printf "[%s]\r\nNumberOfItems=%d\r\n", Month[m], n
    for (i = 1; i <= n; i++) printf "%d=%05X\r\n", i, key + i
    for (i = 1; i <= n; i++)
      Items = Items sprintf("[%05X]\r\nDayNumber=%d\r\nEventText=Anniversary %d of %s\r\nOrigYear=%d\r\n",
                           key + i, 1 + int((i - 1) * 28 / n), i, Month[m], 1900 + i % 120)
    key += n
  }
  printf "%s", Items
}' > "$work/BOOK.EVT"
: > "$work/EMPTY.EVT"

cp "$build/datevane" "$work/datevane"
export work
for book in EMPTY BOOK; do
  for run in 1 2 3; do
    rm -f "$work/datevane.INI"
    xvfb-run --auto-servernum bash -c '
      start=$(date +%s%N)
      /usr/bin/time -f %M -o "$work/rss" "$work/datevane" "$work/$0.EVT" 2>/dev/null &
      timer=$!
      until xwininfo -root -tree 2>/dev/null | grep -q "\"Datevane Anniversary Reminder\":"; do sleep 0.005; done
      splash=$(( ($(date +%s%N) - start) / 1000000 ))
      until xwininfo -root -tree 2>/dev/null | grep -q "Anniversaries List - $0"; do sleep 0.005; done
      up=$(( ($(date +%s%N) - start) / 1000000 ))
      sleep 0.3
      pkill -TERM -P $timer
      wait
      echo "$0 run $1: splash up in $splash ms, window up in $up ms, peak resident memory $(( $(cat "$work/rss") / 1024 )) MB"
    ' "$book" "$run"
  done
done
