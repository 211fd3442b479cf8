#!/bin/sh
# Builds the Debian package, has lintian judge it as the distribution would, unpacks
# it into a scratch root the way dpkg would install it, checks what it holds and what
# it depends on, registers its file type the way a desktop does, and runs the
# unpacked program: its command line without a display, then on the offscreen
# platform.
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

# No error and no warning; informational tags are printed (docs/packaging.md explains each).
set +e
lintian --fail-on error,warning --display-info --pedantic "$deb" >"$scratch/lintian.log" 2>&1
status=$?
set -e
grep -v '^running with root privileges' "$scratch/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian reports errors or warnings (status $status)"

# The dependencies: the libraries the program loads, found by dpkg-shlibdeps,
# and the fonts it opens by file.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libjpeg62-turbo \
               fonts-dejavu-core fonts-wine libngspice0 qt6-translations-l10n; do
    printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$package" ||
        fail "Depends lacks $package"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
for file in usr/bin/takton usr/libexec/takton/takton-simulator \
            "usr/share/applications/$app_id.desktop" \
            "usr/share/metainfo/$app_id.metainfo.xml" \
            usr/share/mime/packages/takton.xml \
            usr/share/man/man1/takton.1.gz \
            usr/share/doc/takton/copyright \
            usr/share/doc/takton/changelog.gz \
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
    -e '^\./usr/share/metainfo/' -e '^\./usr/share/icons/hicolor/' -e '^\./usr/share/mime/packages/' \
    -e '^\./usr/share/man/man1/' -e '^\./usr/share/doc/takton/' || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "menu entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >"$scratch/appstream.log" 2>&1 ||
    { cat "$scratch/appstream.log"; fail "metainfo does not validate"; }
grep -q "<release version=\"$(dpkg-deb -f "$deb" Version)\" date=\"[0-9-]*\">" \
    "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "metainfo lacks this release"

# A file manager finds the program for a values file as a desktop does: the MIME
# database maps *.takton to the type, the menu entries' cache maps the type to ours.
XDG_DATA_DIRS="$root/usr/share" update-mime-database "$root/usr/share/mime" || fail "the MIME type does not register"
grep -qx '[0-9]*:application/x-takton-values:\*\.takton' "$root/usr/share/mime/globs2" ||
    fail "*.takton is not application/x-takton-values"
update-desktop-database "$root/usr/share/applications" || fail "the menu entry does not register"
grep -qx "application/x-takton-values=$app_id.desktop;" "$root/usr/share/applications/mimeinfo.cache" ||
    fail "the menu entry does not open application/x-takton-values"
grep -qx 'Exec=takton %f' "$root/usr/share/applications/$app_id.desktop" ||
    fail "the menu entry does not hand the program its file"

# The command line is answered without a display: status, and which stream says what.
program="$root/usr/bin/takton"
answer() { # expected-status option...
    expected=$1
    shift
    set +e
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$scratch/stdout" 2>"$scratch/stderr"
    status=$?
    set -e
    [ "$status" -eq "$expected" ] || fail "takton $* exited with status $status, not $expected"
}
answer 0 --version
[ "$(cat "$scratch/stdout")" = "takton $(dpkg-deb -f "$deb" Version)" ] && [ ! -s "$scratch/stderr" ] ||
    fail "takton --version printed: $(cat "$scratch/stdout" "$scratch/stderr")"
answer 0 --help
grep -q '^Usage: .*takton \[options\] \[file.takton' "$scratch/stdout" && grep -q -- '--version' "$scratch/stdout" &&
    [ ! -s "$scratch/stderr" ] || fail "takton --help printed: $(cat "$scratch/stdout" "$scratch/stderr")"
answer 1 --frobnicate
grep -q "Unknown option 'frobnicate'" "$scratch/stderr" && grep -q '^Usage: ' "$scratch/stderr" && [ ! -s "$scratch/stdout" ] ||
    fail "an unknown option printed: $(cat "$scratch/stdout" "$scratch/stderr")"
echo "the command line answers --version, --help and an unknown option without a display"

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

# A values file that cannot be loaded is told in a box over the menu; the program
# neither ends nor prints. (Which calculator a good file opens is tested in
# test_opening_from_desktop.)
printf 'not a values file\n' >"$scratch/broken.takton"
set +e
XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen timeout -s TERM 5 "$program" "$scratch/broken.takton" \
    >"$scratch/run.log" 2>&1
status=$?
set -e
[ "$status" -eq 124 ] || fail "with a broken values file the program exited with status $status instead of running"
! grep -v -x 'This plugin does not support propagateSizeHints()' "$scratch/run.log" ||
    fail "with a broken values file the program printed messages"
echo "a broken values file leaves the program running"
