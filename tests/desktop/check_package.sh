#!/bin/sh
# Builds the Debian package, unpacks it into a scratch root the way dpkg would
# install it, checks what it holds and what it depends on, and starts the unpacked
# program on the offscreen platform.
#   check_package.sh BUILD_DIR APP_ID
set -eu
build=$1
app_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "check_package: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(ls "$scratch"/out/takton_*.deb) || fail "no .deb written"
echo "package: $(basename "$deb")"

# The dependencies: the libraries the program loads, found by dpkg-shlibdeps,
# and the fonts it opens by file.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libjpeg62-turbo \
               fonts-dejavu-core fonts-wine libngspice0; do
    printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$package" ||
        fail "Depends lacks $package"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
for file in usr/bin/takton usr/libexec/takton/takton-simulator \
            "usr/share/applications/$app_id.desktop" \
            "usr/share/metainfo/$app_id.metainfo.xml" \
            usr/share/icons/hicolor/scalable/apps/takton.svg \
            usr/share/icons/hicolor/16x16/apps/takton.png \
            usr/share/icons/hicolor/22x22/apps/takton.png \
            usr/share/icons/hicolor/24x24/apps/takton.png \
            usr/share/icons/hicolor/32x32/apps/takton.png \
            usr/share/icons/hicolor/48x48/apps/takton.png \
            usr/share/icons/hicolor/64x64/apps/takton.png \
            usr/share/icons/hicolor/128x128/apps/takton.png \
            usr/share/icons/hicolor/256x256/apps/takton.png; do
    [ -s "$root/$file" ] || fail "missing from the package: /$file"
done
[ -x "$root/usr/bin/takton" ] || fail "/usr/bin/takton is not executable"
[ -x "$root/usr/libexec/takton/takton-simulator" ] || fail "the simulator worker is not executable"
# Nothing but the program, its simulator worker and its desktop files, all under /usr.
unexpected=$(cd "$root" && find . -type f | grep -v -e '^\./usr/bin/takton$' -e '^\./usr/libexec/takton/takton-simulator$' \
    -e '^\./usr/share/applications/' \
    -e '^\./usr/share/metainfo/' -e '^\./usr/share/icons/hicolor/' || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "menu entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >"$scratch/appstream.log" 2>&1 ||
    { cat "$scratch/appstream.log"; fail "metainfo does not validate"; }

# The installed program starts, opens its windows with their pictures and fonts, and
# keeps running until it is told to stop; anything it says on the way is a fault.
# (The offscreen platform itself says once that it cannot pass on size hints.)
mkdir -m 700 "$scratch/runtime"
set +e
XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen timeout -s TERM 5 "$root/usr/bin/takton" >"$scratch/run.log" 2>&1
status=$?
set -e
cat "$scratch/run.log"
[ "$status" -eq 124 ] || fail "the installed program exited with status $status instead of running"
! grep -v -x 'This plugin does not support propagateSizeHints()' "$scratch/run.log" ||
    fail "the installed program printed messages"
echo "the installed program ran until stopped"
