#!/usr/bin/env bash
# Starts the program from the build folder. A first start (no settings file
# yet) opens the sample book so there is a filled month to see. Without a
# display the program runs under Xvfb instead: once its window is up a
# screenshot is saved, and the program is closed the usual way.
set -euo pipefail

build=${1:-build}
program="$build/datevane"
arguments=()
[ -e "$program.INI" ] || arguments=(examples/FAMILY.EVT)

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" "${arguments[@]}"
fi

screenshot="$build/screenshot.png"
export program screenshot
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c '
  "$program" "$@" &
  pid=$!
  for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q "Anniversaries List" && break
    kill -0 $pid 2>/dev/null || { echo "The program ended before its window came up." >&2; exit 1; }
    sleep 0.1
  done
  sleep 1
  import -window root "$screenshot"
  kill -TERM $pid
  wait $pid
' run "${arguments[@]}"
echo "No display here, so the program ran under Xvfb; its window is in $screenshot"
