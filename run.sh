#!/usr/bin/env bash
# Builds Тактон, installing what is missing, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display to show the program on (for a look without a desktop: xvfb-run ./run.sh)" >&2
    exit 1
fi
scripts/prepare.sh
exec build/takton
