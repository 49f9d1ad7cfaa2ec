#!/usr/bin/env bash
# Times the Windows program's start-up under Wine against a bare window of the same size, as whole
# processes, alternating, in one Wine prefix on a display of its own: from the launch to the first
# screenshot that shows the window painted (the last cell white, or the bare window lavender there).
# Screenshots are taken as fast as they come, about every 20 ms, so that is the resolution.
#   wine-startup.sh GAME.exe BARE.exe RUNS
# Prints: median_game_ms median_bare_ms ratio
set -euo pipefail
game=$(realpath "$1")
bare=$(realpath "$2")
runs=$3
e2e="$(dirname "$0")/../tests/e2e"
source "$e2e/lib.sh"
source "$e2e/../windows/wine-prefix.sh"

start_display
wine_start_prefix
on_exit wine_end_prefix

# One run: milliseconds from the launch until the window with this name shows the colour at the
# last cell's inside.
run() {
    local start end id="" colour="" pid
    start=$(date +%s%N)
    "$wine" "$1" >/dev/null 2>&1 &
    pid=$!
    until [ "$colour" = "$3" ]; do
        [ $(($(date +%s%N) - start)) -lt 60000000000 ] || fail "$2 did not paint within a minute"
        id=${id:-$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n1 || true)}
        if [ -n "$id" ]; then
            colour=$(import -window "$id" -crop 1x1+271+295 -depth 8 txt:- 2>/dev/null | awk 'NR == 2 {print $3}' || true)
        fi
    done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

game_name='Информатика-логическа игра'
bare_name='Tavrelin bare window'
# The first run of each warms the disk cache and the prefix.
run "$game" "$game_name" '#FFFFFF' >/dev/null
run "$bare" "$bare_name" '#C0C0FF' >/dev/null
for _ in $(seq "$runs"); do
    run "$game" "$game_name" '#FFFFFF' >>"$work/game.times"
    run "$bare" "$bare_name" '#C0C0FF' >>"$work/bare.times"
done
game_ms=$(median <"$work/game.times")
bare_ms=$(median <"$work/bare.times")
awk -v g="$game_ms" -v b="$bare_ms" 'BEGIN { printf "%.0f %.0f %.2f\n", g, b, g / b }'
