#!/usr/bin/env bash
# Runs the Windows program under Wine on a display of its own and plays it from outside, as a
# person would: real pointer clicks and key presses, and what the window shows read back from
# screenshots.
#   wine.sh PROGRAM.exe MSAA-CLIENT.exe
set -euo pipefail
program=$(realpath "$1")
client=$(realpath "$2")
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

# The picture box shows the picture file's pixels one to one from its inner corner, 2 pixels inside
# the box at 296, 32, and cut off at its inner right edge, 197 pixels on.
import -window root -crop "197x118+$((left + 298))+$((top + 34))" +repage "$work/picture.png"
convert "$(dirname "$0")/../../assets/warships.jpg" -crop 197x118+0+0 +repage "$work/expected-picture.png"
differing=$(differing_pixels "$work/picture.png" "$work/expected-picture.png")
[ "$differing" = 0 ] || fail "$differing pixels of the picture box differ from the picture file"

# A counter only shows: a drag across one selects nothing.
xdotool mousemove --sync "$((left + 412))" "$((top + 205))" mousedown 1 \
    mousemove --sync "$((left + 462))" "$((top + 205))" mouseup 1
sleep 0.5
[ "$(counters_picture)" = "$counters" ] || fail "a drag across a counter changes how it looks"

# A screen reader's view, read through MSAA by a client in another process (see msaa-client.cpp):
# the grid is a table (role 24) with its name, of 196 cells (role 29), each with a name of its own, a shot as its
# action and the cell's place on the screen, counted down each column from the grid's corner.
read_msaa() { "$wine" "$client" "$@" 2>/dev/null | tr -d '\r'; }
msaa=$(read_msaa)
grep -qx 'grid 24 196 Игрално поле' <<<"$msaa" || fail "through MSAA the grid is not a named table of 196 children"
[ "$(grep '^cell ' <<<"$msaa" | cut -d'|' -f2 | sort -u | wc -l)" = 196 ] || fail "the 196 cells have no 196 names"
misplaced=$(awk -v x="$((left + grid_left))" -v y="$((top + grid_top))" -v size="$cell_size" '$1 == "cell" &&
    ($3 != 29 || $5 != x + int(($2 - 1) / 14) * size || $6 != y + ($2 - 1) % 14 * size || $7 != size ||
     $8 != size || $9 !~ /^Стреляй\|/)' <<<"$msaa")
[ -z "$misplaced" ] || fail "these cells are not shootable cells at their places: $misplaced"
grep -qx 'cell 48 .*|колона 4, ред 6, непроверена' <<<"$msaa" || fail "cell 47 is not read as not shot yet"
# Every control that takes the focus has a name; the switch has neither name nor action.
awk -F'|' '/^control [^ ]+ 1 / && $2 == ""' <<<"$msaa" | grep . && fail "a control that takes the focus has no name"
grep -qx 'control TavrelinClickLabel 0 [0-9]* ||' <<<"$msaa" || fail "the switch has a name or an action"

# The cell's action shoots it as a click does: its name then says what its colour shows, a screen
# reader hears of the change, and the counters, named by their captions, count it.
msaa=$(read_msaa 48)
wait_for_cells 195 '#FFFFFF' || fail "the cell's action through MSAA does not shoot it"
case "$(sed -n 48p <<<"$colours")" in
'#FF0000') answer=попадение hits=1 ;;
'#FFFF00') answer=близост hits=0 ;;
'#0000FF') answer='няма кораб' hits=0 ;;
*) fail "a cell shot through MSAA shows $(sed -n 48p <<<"$colours")" ;;
esac
grep -qx "cell 48 .*|колона 4, ред 6, $answer" <<<"$msaa" || fail "a cell showing $answer is read as $(grep '^cell 48 ' <<<"$msaa")"
grep -qx 'event namechange TavrelinCellGrid 48' <<<"$msaa" || fail "the shot cell's new name is not announced"
grep -qx "control Edit 0 [0-9]* [^|]*|Остават:|$((25 - hits))" <<<"$msaa" || fail "MSAA reads the counters as: $(grep '^control Edit 0' <<<"$msaa")"
grep -qx 'control Edit 0 [0-9]* [^|]*|Опита:|1' <<<"$msaa" || fail "MSAA reads the counters as: $(grep '^control Edit 0' <<<"$msaa")"

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

# While a screen reader runs, as it tells the system, Tab reaches the grid after "Чисти", on the
# current cell; the keys move it and shoot it, and each focus and answer reaches the screen reader
# as an event, with the answer as the focused object's description. Wine keeps the system's
# settings in each process as the process first read them, so the program starts again to see the
# flag, and starts again with it cleared before the checks that run without a screen reader.
[ "$(read_msaa screenreader on)" = "screenreader 1" ] || fail "the system does not keep the screen reader's flag"
restart_program "$program"
# With no window manager nobody gives the new window the keyboard; the test does, as one would.
xdotool windowfocus --sync "$window"
sleep 0.5
listen_while() {
    # Straight to the file, so that "ready" is there as soon as the client says it.
    "$wine" "$client" listen "$1" >"$work/events" 2>/dev/null &
    local listener=$!
    for _ in $(seq 100); do grep -q ready "$work/events" && break; sleep 0.1; done
    shift
    "$@"
    wait "$listener"
    events=$(tr -d '\r' <"$work/events" | grep '^event ' || true)
}
listen_while 9000 xdotool key --delay 250 Tab Tab Tab Right Right Right Down Down Down Down Down space Return \
    ctrl+End Tab Tab Tab space
wait_for_cells 196 '#FFFFFF' || fail "\"Чисти\" pressed from the keyboard does not deal"
seen() { grep -qxF "$1" <<<"$events" || fail "$2: the screen reader saw $(tr '\n' '/' <<<"$events")"; }
seen "event focus TavrelinCellGrid 1 колона 1, ред 1, непроверена|" "Tab from \"Чисти\""
seen "event focus TavrelinCellGrid 0 Игрално поле| > 1" "the grid's focus, asked which cell has it"
shot=$(sed -n 's/^event descriptionchange TavrelinCellGrid 48 \(попадение\|близост\|няма кораб\); остават 2[45], опита 1$/\1/p' <<<"$events")
[ -n "$shot" ] || fail "Space on cell 47: the screen reader saw $(tr '\n' '/' <<<"$events")"
seen "event focus TavrelinCellGrid 48 колона 4, ред 6, непроверена|" "the arrows to cell 47"
seen "event namechange TavrelinCellGrid 48" "the shot cell's name"
seen "event descriptionchange TavrelinCellGrid 48 колона 4, ред 6, $shot" "Enter on the shot cell"
seen "event focus TavrelinCellGrid 196 колона 14, ред 14, непроверена|" "Ctrl+End"
seen "event descriptionchange Button 0 нова игра; остават 25, опита 0" "Space on \"Чисти\""
[ "$(read_msaa screenreader off)" = "screenreader 0" ] || fail "the system does not clear the screen reader's flag"

# Inside Wine's virtual desktop, where Wine draws the window's frame as Windows does. A double-click
# there may take five seconds, time enough to shoot a cell through MSAA between its two presses.
"$wine" reg add 'HKCU\Control Panel\Mouse' /v DoubleClickSpeed /t REG_SZ /d 5000 /f >/dev/null 2>&1
restart_program_in_desktop "$program"
# The whole framed window is centred on the desktop, which has no task bar.
[ "$left" = $(((1024 - width) / 2)) ] && [ "$top" = $(((768 - height) / 2)) ] ||
    fail "the framed window, ${width}x$height at $left, $top, is not centred"
# Its frame is as wide on three sides; the caption bar makes up the rest of the height.
border=$(((width - 508) / 2))
caption=$((height - 461 - 2 * border))
[ "$caption" -gt 12 ] || fail "the framed window, ${width}x$height, has no caption bar"
# The caption bar: the small icon (the icon file at 16 x 16, its transparent part in the bar's
# colour) at its left end, more than 3/4 of its pixels as in the file; the caption after it; and, by
# runs of 10 columns or more off the bar's colour, one box alone at its right end.
frame=$(import -window root -crop "${width}x$height+$left+$top" +repage -depth 8 rgb:- |
    /usr/bin/python3 -c '
import subprocess, sys
from collections import Counter
width, height, border, caption = map(int, sys.argv[1:5])
pixels = sys.stdin.buffer.read()
px = lambda x, y: pixels[3 * (y * width + x):3 * (y * width + x) + 3]
top, bottom = border, border + caption
colour = Counter(px(x, y) for x in range(border, width - border) for y in range(top, bottom)).most_common(1)[0][0]
icon = subprocess.run(["convert", sys.argv[5], "-sample", "16x16", "-background", "#%02X%02X%02X" % tuple(colour),
                       "-flatten", "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
match = max(sum(px(dx + x, dy + y) == icon[3 * (16 * y + x):3 * (16 * y + x) + 3] for x in range(16) for y in range(16))
            for dx in range(border, border + 8) for dy in range(top, bottom - 15))
middle = (top + bottom) // 2
runs, length = [], 0
for x in range(border + 24, width - border + 1):
    if x < width - border and all(px(x, y) != colour for y in range(middle - 4, middle + 5)):
        length += 1
        continue
    if length >= 10:
        runs.append((x - length, x))
    length = 0
end = runs[0][0] if runs else width - border
text = sum(px(x, y) != colour for x in range(border + 24, end) for y in range(top, bottom))
print(match, len(runs), runs[-1][1] if runs else 0, text)' "$width" "$height" "$border" "$caption" "$(dirname "$0")/../../assets/tavrelin.ico")
read -r icon boxes box_end text <<<"$frame"
[ "$icon" -gt 192 ] || fail "the caption bar shows no small icon: $icon of its 256 pixels match"
[ "$text" -gt 500 ] || fail "the caption bar shows no caption"
[ "$boxes" = 1 ] && [ "$box_end" -ge $((width - border - 4)) ] || fail "the caption bar has $boxes boxes, not a close box alone"
left=$((left + border))
top=$((top + border + caption))
width=508
height=461

# Tab and Shift+Tab each round the three controls leave the rules box as it was; only its caret may
# blink meanwhile.
rules_box() { import -window root -crop "489x137+$((left + 8))+$((top + 320))" +repage "$1"; }
rules_box "$work/rules-before.png"
xdotool key --delay 150 Tab Tab Tab shift+Tab shift+Tab shift+Tab
sleep 0.5
rules_box "$work/rules-after.png"
differing=$(differing_pixels "$work/rules-before.png" "$work/rules-after.png")
[ "$differing" -lt 50 ] || fail "a Tab cycle changes $differing pixels of the rules box"
grep -q '^setsel' <<<"$(read_msaa)" && fail "a control asks to have all of its text selected when Tab brings it"

# With the focus on "Чисти", the window minimised and restored gives it back, and Space deals.
click_cell 5
wait_for_cells 195 '#FFFFFF' || fail "in the virtual desktop a click on a cell does not shoot it"
xdotool key --delay 150 Tab Tab
focus=$(read_msaa restore | grep '^focus ')
[ "$focus" = 'focus Button' ] || fail "after a restore the focus is not back on \"Чисти\" but on ${focus#focus }"
xdotool key space
wait_for_cells 196 '#FFFFFF' || fail "after a restore Space on \"Чисти\" does not deal a new game"

# Each press of a double-click on "Чисти" shows the pushed-in face and deals: a cell shot through
# MSAA between the two presses is white again after the second.
clear_face() { import -window root -crop "81x25+$((left + 368))+$((top + 272))" +repage "$1"; }
clear_face "$work/raised.png"
xdotool mousemove --sync "$((left + CLEAR_X))" "$((top + CLEAR_Y))" mousedown 1
sleep 0.3
clear_face "$work/first-press.png"
xdotool mouseup 1
read_msaa 48 >/dev/null
wait_for_cells 195 '#FFFFFF' || fail "the cell's action through MSAA does not shoot it"
xdotool mousedown 1
sleep 0.3
clear_face "$work/second-press.png"
xdotool mouseup 1
rest_pointer
differing=$(differing_pixels "$work/raised.png" "$work/first-press.png")
[ "$differing" -gt 0 ] || fail "a press on \"Чисти\" does not show the pushed-in face"
differing=$(differing_pixels "$work/first-press.png" "$work/second-press.png")
[ "$differing" = 0 ] || fail "the second press of a double-click on \"Чисти\" differs from the first in $differing pixels"
wait_for_cells 196 '#FFFFFF' || fail "the second press of a double-click on \"Чисти\" does not deal"

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
