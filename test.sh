#!/usr/bin/env bash
# Builds Тактон and every test, installing what is missing, and runs the tests on
# Qt's offscreen platform (no display needed).
set -euo pipefail
cd "$(dirname "$0")"
scripts/prepare.sh
ctest --preset default
