#!/usr/bin/env bash
# Remakes the pictures in docs/: the main window and the first calculator, as a user
# sees them, under a private virtual display. Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
for t in Xvfb xdotool import; do
    command -v $t >/dev/null || { echo "screenshots.sh: $t is missing (apt-get install xvfb xdotool imagemagick)" >&2; exit 2; }
done
tmp=$(mktemp -d)
Xvfb :77 -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
apid=
trap 'kill $apid $xpid 2>/dev/null; wait 2>/dev/null; rm -rf "$tmp"' EXIT
export DISPLAY=:77 QT_QPA_PLATFORM=xcb
sleep 1
build/takton >"$tmp/log" 2>&1 & apid=$!

window() { # waits for a visible window with exactly this title
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "screenshots.sh: no window '$1'" >&2; exit 1
}

menu=$(window "Тактон")
sleep 0.5
import -window "$menu" docs/main-window.png
# Button1 of the menu opens the first calculator.
xdotool mousemove --window "$menu" 200 95 click 1
calc=$(window "С двумя источниками коллекторного питания, резистивной и ёмкостной связями")
sleep 0.5
# Step 1 with the amplitudes typed, as a user starts a design.
xdotool type --window "$calc" "10"; xdotool key Tab; xdotool type "8"
xdotool mousemove --window "$calc" 58 440 click 1
sleep 0.5
import -window "$calc" docs/form2.png
echo "docs/main-window.png docs/form2.png"
