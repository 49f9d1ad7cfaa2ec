#!/usr/bin/env bash
# Runs the game under a real X server and plays it from outside, as a person would: real pointer
# clicks at pixel positions, and what the window shows read back from screenshots.
#   x11.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
fail() { echo "FAIL: $*" >&2; exit 1; }

source "$(dirname "$0")/play.sh"
start_display
QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
game=$!
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

window=$(xdotool search --sync --onlyvisible --name 'Информатика-логическа игра' | head -n1)
[ -n "$window" ] || fail "the window did not appear"
sleep 0.5

read_client_area "$window"
[ "$width" = 508 ] && [ "$height" = 461 ] || fail "the client area is ${width}x${height}, not 508x461"

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q 'program specified minimum size: 508 by 461' <<<"$hints" || fail "no minimum size of 508 x 461: $hints"
grep -q 'program specified maximum size: 508 by 461' <<<"$hints" || fail "no maximum size of 508 x 461: $hints"
title=$(xprop -id "$window" _NET_WM_NAME)
[ "$title" = '_NET_WM_NAME(UTF8_STRING) = "https://tavrelin.example/ Информатика-логическа игра, случайни, таблица"' ] ||
    fail "the caption is $title"
icon=$(xprop -id "$window" _NET_WM_ICON)
grep -q 'Icon (32 x 32)' <<<"$icon" || fail "the window has no 32 x 32 icon"

wait_for_cells 196 '#FFFFFF' || fail "not every cell is white at start-up"

click_at 18 42
wait_for_cells 195 '#FFFFFF' || fail "a click on a cell does not shoot it"
shot=$(head -n1 <<<"$colours")
case "$shot" in '#FF0000' | '#FFFF00' | '#0000FF') ;; *) fail "a shot cell shows $shot" ;; esac

# The switch's visible part, right of the rules box's edge.
click_at 500 324
wait_for_cells 25 '#FF0000' || fail "the switch shows $(count '#FF0000' <<<"$colours") red cells, not 25"

# "Чисти"
click_at 408 284
wait_for_cells 196 '#FFFFFF' || fail "\"Чисти\" does not turn every cell white"

echo "x11 end-to-end checks passed"
