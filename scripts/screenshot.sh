#!/usr/bin/env bash
# Runs the program inside an X server without a screen (started by xvfb-run), answers the
# start-up reminder and saves a screenshot.  Usage: screenshot.sh PROGRAM OUT.png [xdotool keys...]
set -u
program=$1; out=$2; shift 2
"$program" & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vireon' | head -1)
xdotool windowfocus --sync "$box" key Return
sleep 1
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vireon$' | head -1)
xdotool windowfocus --sync "$win"
if [ $# -gt 0 ]; then xdotool key --delay 150 "$@"; fi
sleep 1
import -window root "$out"
echo "Screenshot saved to $out"
