#!/usr/bin/env bash
# Times the game's start-up against the bare toolkit window, as whole processes, alternating.
#   startup.sh BENCH_DIR RUNS PLATFORM      (PLATFORM: offscreen or xcb; xcb starts its own Xvfb)
# Prints: median_game_ms median_reference_ms ratio peak_game_kib peak_reference_kib
set -euo pipefail
dir=$1
runs=$2
platform=$3

if [ "$platform" = xcb ]; then
    exec 3<> <(:)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null || true' EXIT
    read -r -t 20 number <&3
    export DISPLAY=":$number"
fi
export QT_QPA_PLATFORM=$platform

# One run: wall milliseconds and peak memory of the whole process.
run() {
    local start end out
    start=$(date +%s%N)
    out=$("$dir/$1" 2>/dev/null)
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) ${out#peak_kib=}"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

run startup_game >/dev/null  # the first run of each warms the disk cache
run startup_reference >/dev/null
: >"$dir/startup_game.times"
: >"$dir/startup_reference.times"
for _ in $(seq "$runs"); do
    run startup_game >>"$dir/startup_game.times"
    run startup_reference >>"$dir/startup_reference.times"
done
game_us=$(cut -d' ' -f1 "$dir/startup_game.times" | median)
reference_us=$(cut -d' ' -f1 "$dir/startup_reference.times" | median)
game_kib=$(cut -d' ' -f2 "$dir/startup_game.times" | sort -n | tail -n1)
reference_kib=$(cut -d' ' -f2 "$dir/startup_reference.times" | sort -n | tail -n1)
awk -v g="$game_us" -v r="$reference_us" -v gm="$game_kib" -v rm="$reference_kib" \
    'BEGIN { printf "%.1f %.1f %.3f %d %d\n", g / 1000, r / 1000, g / r, gm, rm }'
