#!/usr/bin/env bash
# Builds Тактон, installing what is missing, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}" ]; then
    echo "run.sh: no X11 display to show the program on (on Wayland enable XWayland; without a desktop: xvfb-run ./run.sh)" >&2
    exit 1
fi
# Only the program itself: the tests are built by test.sh.
scripts/prepare.sh --target takton
exec build/takton
