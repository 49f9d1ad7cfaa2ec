#!/usr/bin/env bash
# Runs the Windows program under Wine on a display of its own and plays it from outside, as a
# person would: real pointer clicks and key presses, and what the window shows read back from
# screenshots.
#   wine.sh PROGRAM.exe
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wine-program.sh"

start_display
on_exit stop_program
start_program "$program"

[ "$width" = 508 ] && [ "$height" = 461 ] || fail "the client area is ${width}x${height}, not 508x461"
# The whole window is centred on the 1024 x 768 screen: its frame is as wide left as right, and
# the caption above the client area is taller than the frame below it.
[ "$left" = 258 ] || fail "the client area starts at x = $left, not 258"
[ "$top" -gt 153 ] && [ "$top" -lt 193 ] || fail "the client area starts at y = $top, not a caption below 153"
check_window_properties

wait_for_cells 196 '#FFFFFF' || fail "not every cell is white at start-up"
counters=$(counters_picture)

# A counter only shows: a drag across one selects nothing.
xdotool mousemove --sync "$((left + 412))" "$((top + 205))" mousedown 1 \
    mousemove --sync "$((left + 462))" "$((top + 205))" mouseup 1
sleep 0.5
[ "$(counters_picture)" = "$counters" ] || fail "a drag across a counter changes how it looks"

# Escape does nothing, whichever control has the focus. It is pressed, then cell N is shot, which
# the window takes only after whatever Escape set off: the window is still open and the grid is as
# before but for the shot.
still_open() { xwininfo -id "$window" >/dev/null 2>&1 && xdotool search --onlyvisible --name 'Информатика' >/dev/null; }
press_escape_then_shoot() {
    local before
    before=$(cell_colours)
    xdotool key Escape
    click_cell "$2"
    if ! wait_for_cells "$(($(count '#FFFFFF' <<<"$before") - 1))" '#FFFFFF'; then
        still_open && fail "a click on a cell does not shoot it"
        fail "Escape $1 closes the window"
    fi
    still_open || fail "Escape $1 closes the window"
    [ "$(sed "$(($2 + 1))d" <<<"$colours")" = "$(sed "$(($2 + 1))d" <<<"$before")" ] || fail "Escape $1 changes the grid"
}

# The focus starts in the rules box; Tab goes to the picture, then to "Чисти", where Enter deals.
press_escape_then_shoot "in the rules box" 20
xdotool key --delay 100 Tab Tab Return
wait_for_cells 196 '#FFFFFF' || fail "Tab, Tab and Enter from the rules box do not press \"Чисти\""
press_escape_then_shoot "on \"Чисти\"" 21
xdotool key Return
wait_for_cells 196 '#FFFFFF' || fail "Enter on \"Чисти\" after Escape does not deal a new game"

# Shots, the switch, a double-click on it and "Чисти", as on every platform.
play_the_game

# A click on "Чисти" deals a new game; with the focus on it, so does Space.
click_at 500 324
wait_for_cells 25 '#FF0000' || fail "the switch does not reveal the fleet of a new game"
click_at 408 284
wait_for_cells 196 '#FFFFFF' || fail "\"Чисти\" does not turn every cell white"
click_at 500 324
wait_for_cells 25 '#FF0000' || fail "the switch does not reveal the fleet of a new game"
xdotool key space
wait_for_cells 196 '#FFFFFF' || fail "Space on \"Чисти\" does not deal a new game"

# At 120 dots per inch every control is 1.25 times as large: the client area is 635 x 576, and the
# cells, 25 pixels a side, start at 10, 40.
restart_program_at_dpi 120 "$program"
[ "$width" = 635 ] && [ "$height" = 576 ] || fail "at 120 dpi the client area is ${width}x${height}, not 635x576"
grid_left=10
grid_top=40
cell_size=25
wait_for_cells 196 '#FFFFFF' || fail "at 120 dpi not every cell is white at start-up"
click_at 347 377
wait_for_cells 195 '#FFFFFF' || fail "at 120 dpi a click on the last cell does not shoot it"
[ "$(tail -n1 <<<"$colours")" != '#FFFFFF' ] || fail "at 120 dpi a click on the last cell shoots another"

echo "wine end-to-end checks passed"
