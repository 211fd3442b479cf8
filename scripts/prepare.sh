#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), configures
# and builds with every core. Shared by run.sh and test.sh.
#   scripts/prepare.sh [--preset NAME] [--target NAME] [--with-checks] [--with-bench]
#                      [extra packages...]
# builds the "default" preset (build/) unless another is named, and every target
# unless one is named (run.sh builds only the program). --with-checks adds the tests of
# the desktop files and the Debian package, --with-bench the benchmarks (test.sh asks
# for both), each with the packages only it needs.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=default
if [ "${1:-}" = "--preset" ]; then
    preset=$2
    shift 2
fi
target=()
if [ "${1:-}" = "--target" ]; then
    target=(--target "$2")
    shift 2
fi
options=()
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libjpeg62-turbo-dev libmpfr-dev
          fonts-dejavu-core fonts-wine dpkg-dev poppler-utils
          libngspice0-dev qt6-charts-dev libqt6opengl6-dev libxcb1-dev libfontconfig-dev locales qt6-translations-l10n)
if [ "${1:-}" = "--with-checks" ]; then
    options+=(-DTAKTON_DESKTOP_CHECKS=ON)
    packages+=(desktop-file-utils appstream lintian shared-mime-info)
    shift
fi
if [ "${1:-}" = "--with-bench" ]; then
    options+=(-DTAKTON_BENCH=ON)
    packages+=(libbenchmark-dev libxcb-damage0-dev libxcb-shm0-dev)
    shift
fi
packages+=("$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests check that nothing depends on a comma locale's numbers: one is needed.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
    $sudo localedef -i ru_RU -c -f UTF-8 ru_RU.UTF-8 ||
        echo "prepare.sh: could not generate ru_RU.UTF-8; the tests that need it will skip"
fi

cmake --preset "$preset" "${options[@]}" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" "${target[@]}"
