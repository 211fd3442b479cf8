#!/usr/bin/env bash
# Start-up of the program against a bare Qt Widgets window, side by side on a private
# virtual display with its own session bus:
#   time to the main window mapped (X MapNotify), to its first frame with content
#   (the first DAMAGE event after which the window holds more than one colour), and
#   peak resident memory; runs interleaved (takton, bare, takton, ...) after a warm-up,
#   then the medians, their ratios, the targets, and the time of one step.
#
#   bench/startup.sh [runs] [build dir]      (defaults: 15, build)
# TAKTON_PROGRAM=path measures another build of the program against the same bare one.
# Needs Xvfb and dbus-run-session (packages xvfb, dbus) and a default build.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${2:-build}

if [ "${TAKTON_BENCH_INSIDE:-}" != 1 ]; then
    for file in takton bench/bare bench/startup_probe bench/picture_bytes bench/step_benchmark; do
        [ -x "$build/$file" ] || { echo "startup.sh: $build/$file is missing; build first: cmake --build $build -j2" >&2; exit 1; }
    done
    work=$(mktemp -d)
    trap 'kill "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
    # Xvfb writes its display number to the pipe once it accepts clients.
    mkfifo "$work/display"
    Xvfb -displayfd 9 -screen 0 1920x1080x24 -nolisten tcp 9>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    read -r number <"$work/display"
    DISPLAY=":$number" TAKTON_BENCH_INSIDE=1 QT_QPA_PLATFORM=xcb \
        dbus-run-session -- "$0" "$runs" "$build"
    exit
fi

probe="$build/bench/startup_probe"
program=${TAKTON_PROGRAM:-$build/takton}
measure() { # program name -> appends "name map paint rss" to results
    local line
    line=$("$probe" "$1") || { echo "startup.sh: $2 did not start: $line" >&2; exit 1; }
    echo "$2 $line" | sed 's/[a-z_]*=//g' >>"$results"
}
results=$(mktemp)
trap 'rm -f "$results"' EXIT

echo "Warm-up..."
measure "$program" warmup
measure "$build/bench/bare" warmup
for ((i = 1; i <= runs; i++)); do
    measure "$program" takton
    measure "$build/bench/bare" bare
done

median() { # name column
    awk -v n="$1" -v c="$2" '$1 == n { print $c }' "$results" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
range() { # name column
    awk -v n="$1" -v c="$2" '$1 == n { print $c }' "$results" | sort -g | sed -n '1p;$p' | paste -sd-
}

read -r _ decoded < <("$build/bench/picture_bytes" | sed 's/.*decoded_bytes=//' | xargs echo x)
step_us=$("$build/bench/step_benchmark" --benchmark_filter='step/click_to_label_text' \
          --benchmark_format=csv 2>/dev/null |
          awk -F, '/click_to_label_text/ { t = $3; u = $5; gsub(/"/, "", u); print t * (u == "ns" ? 1e-3 : u == "ms" ? 1e3 : 1) }')

t_map=$(median takton 2) b_map=$(median bare 2)
t_paint=$(median takton 3) b_paint=$(median bare 3)
t_rss=$(median takton 4) b_rss=$(median bare 4)
verdict() { awk -v ok="$1" 'BEGIN { print (ok ? "met" : "NOT met") }'; }

echo
echo "Medians of $runs interleaved runs (range in brackets), Xvfb 1920x1080x24, own session bus:"
printf '%-28s %12s %12s %8s\n' "" takton bare ratio
printf '%-28s %12s %12s %8s\n' "main window mapped, ms" "$t_map" "$b_map" "$(awk -v a="$t_map" -v b="$b_map" 'BEGIN { printf "%.2f", a / b }')"
printf '%-28s %12s %12s\n' "  (range)" "$(range takton 2)" "$(range bare 2)"
printf '%-28s %12s %12s %8s\n' "first frame with content, ms" "$t_paint" "$b_paint" "$(awk -v a="$t_paint" -v b="$b_paint" 'BEGIN { printf "%.2f", a / b }')"
printf '%-28s %12s %12s\n' "  (range)" "$(range takton 3)" "$(range bare 3)"
printf '%-28s %12s %12s %8s\n' "peak RSS, KiB" "$t_rss" "$b_rss" "$(awk -v a="$t_rss" -v b="$b_rss" 'BEGIN { printf "%.2f", a / b }')"
echo "decoded schematics: $((decoded / 1024)) KiB; one step (click to label text): ${step_us} us"
echo
echo "Targets:"
echo "  mapped within 1.2x bare:            $(verdict "$(awk -v a="$t_map" -v b="$b_map" 'BEGIN { print a <= 1.2 * b }')")"
echo "  first frame within 1.2x bare:       $(verdict "$(awk -v a="$t_paint" -v b="$b_paint" 'BEGIN { print a <= 1.2 * b }')")"
echo "  peak RSS within bare + 1.5x decoded: $(verdict "$(awk -v a="$t_rss" -v b="$b_rss" -v d="$decoded" 'BEGIN { print a <= b + 1.5 * d / 1024 }')") (limit $(awk -v b="$b_rss" -v d="$decoded" 'BEGIN { printf "%d", b + 1.5 * d / 1024 }') KiB)"
echo "  one step under 1 ms:                $(verdict "$(awk -v s="$step_us" 'BEGIN { print s != "" && s < 1000 }')")"
