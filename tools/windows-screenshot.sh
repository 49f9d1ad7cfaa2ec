#!/usr/bin/env bash
# Makes the README's picture of the Windows window: the program under Wine on a display of its
# own, a few shots fired with the pointer, and the client area saved. With no window manager,
# Wine shows no frame, so the picture is the client area alone.
#   tools/windows-screenshot.sh PROGRAM.exe OUTPUT.png
set -euo pipefail
program=$(realpath "$1")
output=$(realpath -m "$2")
e2e="$(dirname "$0")/../tests/e2e"
source "$e2e/lib.sh"
source "$e2e/wine-program.sh"

start_display
on_exit stop_program
start_program "$program"
wait_for_cells 196 '#FFFFFF' || fail "the window did not show its grid"

# Shots spread over the grid, as column and row.
shots=("1 1" "2 5" "3 9" "4 3" "5 12" "6 6" "7 1" "8 8" "9 4" "10 11" "11 2" "12 7" "13 13" "0 13")
for shot in "${shots[@]}"; do
    read -r col row <<<"$shot"
    click_at "$((8 + col * 20 + 10))" "$((32 + row * 20 + 10))"
done
wait_for_cells "$((196 - ${#shots[@]}))" '#FFFFFF' || fail "the shots did not all land"
# The caret of the rules box blinks; the picture is taken with the focus on the picture box.
xdotool key Tab
sleep 0.5
shoot_client_area "$output"
echo "wrote $output"
