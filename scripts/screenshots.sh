#!/usr/bin/env bash
# Remakes the pictures in docs/: the main window and the first calculator, as a user
# sees them, under a private virtual display, and the same calculator at 200 %
# (QT_SCALE_FACTOR=2) on a display of twice the size. Needs xvfb, xdotool and
# imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
for t in Xvfb xdotool import; do
    command -v $t >/dev/null || { echo "screenshots.sh: $t is missing (apt-get install xvfb xdotool imagemagick)" >&2; exit 2; }
done
tmp=$(mktemp -d)
xpid= apid=
trap 'kill $apid $xpid 2>/dev/null; wait 2>/dev/null; rm -rf "$tmp"' EXIT
export QT_QPA_PLATFORM=xcb

window() { # waits for a visible window with exactly this title
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "screenshots.sh: no window '$1'" >&2; exit 1
}

# shoot SCALE MENU_PICTURE CALCULATOR_PICTURE (an empty name skips that picture)
shoot() {
    local scale=$1
    Xvfb :77 -screen 0 $((1920 * scale))x$((1200 * scale))x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
    export DISPLAY=:77
    sleep 1
    QT_SCALE_FACTOR=$scale build/takton >"$tmp/log" 2>&1 & apid=$!
    menu=$(window "Тактон")
    sleep 0.5
    [ -z "$2" ] || import -window "$menu" "$2"
    # Button1 of the menu opens the first calculator.
    xdotool mousemove --window "$menu" $((200 * scale)) $((95 * scale)) click 1
    calc=$(window "С двумя источниками коллекторного питания, резистивной и ёмкостной связями")
    sleep 0.5
    # Step 1 with the amplitudes typed, as a user starts a design.
    xdotool type --window "$calc" "10"; xdotool key Tab; xdotool type "8"
    xdotool mousemove --window "$calc" $((58 * scale)) $((440 * scale)) click 1
    sleep 0.5
    import -window "$calc" "$3"
    kill $apid $xpid; wait $apid $xpid 2>/dev/null || true
    apid= xpid=
}

shoot 1 docs/main-window.png docs/form2.png
shoot 2 "" docs/form2-200-percent.png
echo "docs/main-window.png docs/form2.png docs/form2-200-percent.png"
