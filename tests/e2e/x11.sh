#!/usr/bin/env bash
# Runs the game under a real X server, bare or with the openbox window manager around it, and plays
# it from outside as a person would: real pointer clicks and key presses, what the window shows read
# back from screenshots, and the counters and the keyboard focus read through the accessibility
# bus, as a screen reader reads them.
#   x11.sh PROGRAM [bare|openbox]
set -euo pipefail
program=$(realpath "$1")
desktop=${2:-bare}
here=$(dirname "$(realpath "$0")")

source "$here/lib.sh"
in_own_session "$0" "$@"

start_display
[ "$desktop" = openbox ] && start_window_manager
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1 &
on_exit "kill $!"

window=$(xdotool search --sync --onlyvisible --name 'Информатика-логическа игра' | head -n1)
[ -n "$window" ] || fail "the window did not appear"
sleep 0.5

read_client_area "$window"
[ "$width" = 508 ] && [ "$height" = 461 ] || fail "the client area is ${width}x${height}, not 508x461"

check_window_properties

# The whole window, frame included, stands in the middle of the 1024 x 768 screen.
frame=(0 0 0 0)
if [ "$desktop" = openbox ]; then
    read -r -a frame <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    [ "${frame[2]}" -gt 0 ] || fail "openbox put no title bar on the window"
fi
outer_left=$((left - frame[0]))
outer_top=$((top - frame[2]))
off_x=$((2 * outer_left - (1024 - 508 - frame[0] - frame[1])))
off_y=$((2 * outer_top - (768 - 461 - frame[2] - frame[3])))
[ "${off_x#-}" -le 2 ] && [ "${off_y#-}" -le 2 ] ||
    fail "the framed window at $outer_left,$outer_top is $((off_x / 2)),$((off_y / 2)) pixels off the centre"
echo "framed window at $outer_left,$outer_top; frame ${frame[*]}; off the centre by $((off_x / 2)),$((off_y / 2))"

# Without a window manager nobody gives the window the keyboard; the test does, as one would.
[ "$desktop" = bare ] && xdotool windowfocus --sync "$window"

# The keyboard: the focus starts in the rules box, where Enter does nothing to the game; Tab goes
# on to the picture box and "Чисти", which Return, Enter and Space all press.
wait_for_cells 196 '#FFFFFF' || fail "not every cell is white at start-up"
[ "$(atspi focus)" = "text: Правила на играта" ] || fail "the focus starts on $(atspi focus), not in the rules box"
# A screen reader finds the grid as 196 cells, each in its place on the screen and named by it and
# by what its colour shows. A shot renames its cell, and says so; so does a press of the cell
# through the accessibility bus, which counts one attempt, as a click does.
cell_name() {
    case "$2" in
        '#FFFFFF') state='непроверена' ;; '#FF0000') state='попадение' ;;
        '#FFFF00') state='близост' ;; '#0000FF') state='няма кораб' ;; *) state="coloured $2" ;;
    esac
    echo "колона $(($1 / 14 + 1)), ред $(($1 % 14 + 1)), $state"
}
atspi listen 20 >"$work/renamed" &
listener=$!
for _ in $(seq 50); do grep -q ready "$work/renamed" && break; sleep 0.1; done
click_cell 20
wait_for_cells 195 '#FFFFFF' || fail "a click on a cell does not shoot it"
wait "$listener" || fail "a shot cell announces no new name"
[ "$(tail -n1 "$work/renamed")" = "$(cell_name 20 "$(sed -n 21p <<<"$colours")")" ] ||
    fail "the shot cell is announced as $(tail -n1 "$work/renamed")"
counters=$(atspi counters)
pressed=$(atspi press 21) || fail "a press of a cell through the accessibility bus announces no new name"
wait_for_cells 194 '#FFFFFF' || fail "a press of a cell through the accessibility bus does not shoot it"
[ "$pressed" = "$(cell_name 21 "$(sed -n 22p <<<"$colours")")" ] || fail "the pressed cell is announced as $pressed"
[ "$(atspi counters | cut -d' ' -f2)" = $(($(cut -d' ' -f2 <<<"$counters") + 1)) ] ||
    fail "a press through the accessibility bus took the attempts from $counters to $(atspi counters)"
cells=$(atspi cells)
expected=$(for n in $(seq 0 195); do
    echo "[$(cell_name "$n" "$(sed -n "$((n + 1))p" <<<"$colours")")] $((left + grid_left + n / 14 * 20)) $((top + grid_top + n % 14 * 20)) 20 20"
done)
[ "$cells" = "$expected" ] || fail "a screen reader reads the grid as: $(diff <(echo "$expected") <(echo "$cells") | head -5)"
[ -z "$(atspi unnamed)" ] || fail "controls that take the focus have no name: $(atspi unnamed | tr '\n' ' ')"

counters=$(atspi counters)
xdotool key Return
sleep 0.3
[ "$(atspi counters)" = "$counters" ] || fail "Enter in the rules box changed the counters to $(atspi counters)"
xdotool key Tab
xdotool key Tab
[ "$(atspi focus)" = "button: Чисти" ] || fail "two presses of Tab lead to $(atspi focus), not to \"Чисти\""
for key in Return KP_Enter space; do
    xdotool key "$key"
    wait_for_cells 196 '#FFFFFF' || fail "$key on the focused \"Чисти\" does not deal a new game"
    [ "$(atspi counters)" = "25 0" ] || fail "after $key on \"Чисти\" the counters show $(atspi counters)"
    click_cell 20
    wait_for_cells 195 '#FFFFFF' || fail "a click on a cell does not shoot it"
done
xdotool key Tab
[ "$(atspi focus)" = "text: Правила на играта" ] || fail "Tab from \"Чисти\" leads to $(atspi focus), not to the rules box"

# A screen reader finds each counter's number where it is drawn, as its mouse review needs: the
# number's ink lies inside the extents it reports, and the box's centre is on one of its digits.
places=$(atspi counter-places)
while read -r x y w h text_x text_y text_w text_h centre; do
    ink=$(import -window root -crop "$((w - 8))x$((h - 8))+$((x + 4))+$((y + 4))" +repage png:- |
        convert - -fuzz 20% -format '%@' info:)
    read -r ink_w ink_h ink_x ink_y <<<"${ink//[x+]/ }"
    ink_x=$((x + 4 + ink_x)) ink_y=$((y + 4 + ink_y))
    [ "$ink_x" -ge "$text_x" ] && [ "$ink_y" -ge "$text_y" ] && [ $((ink_x + ink_w)) -le $((text_x + text_w)) ] &&
        [ $((ink_y + ink_h)) -le $((text_y + text_h)) ] ||
        fail "a counter's number is drawn at ${ink_w}x$ink_h+$ink_x+$ink_y, outside its reported ${text_w}x$text_h+$text_x+$text_y"
    [ "$centre" -ge 0 ] || fail "the centre of a counter's box is on none of its number's characters"
done <<<"$places"

# A double-click is one click: on the switch it turns the switch on once, counting 25 attempts;
# on a white cell it is one shot.
click_at $CLEAR_X $CLEAR_Y
wait_for_cells 196 '#FFFFFF' || fail "\"Чисти\" does not turn every cell white"
double_click_at $SWITCH_X $SWITCH_Y
wait_for_cells 25 '#FF0000' || fail "a double-click on the switch does not show the fleet"
[ "$(atspi counters)" = "0 25" ] || fail "after a double-click on the switch the counters show $(atspi counters)"
click_at $SWITCH_X $SWITCH_Y
sleep 0.3
[ "$(atspi counters)" = "0 25" ] || fail "the switch was off after a double-click: a click made the counters $(atspi counters)"
click_at $CLEAR_X $CLEAR_Y
wait_for_cells 196 '#FFFFFF' || fail "\"Чисти\" does not turn every cell white"
double_click_cell 100
wait_for_cells 195 '#FFFFFF' || fail "a double-click on a cell does not shoot it"
attempts=$(atspi counters | cut -d' ' -f2)
[ "$attempts" = 1 ] || fail "a double-click on a cell counts $attempts attempts"

click_at $CLEAR_X $CLEAR_Y
play_the_game

# With no screen reader the grid never takes the focus: Tab goes round the three controls alone.
focus_after_tabs() {
    for _ in $(seq "$1"); do xdotool key Tab; done
    sleep 0.3
    atspi focus
}
for _ in 1 2 3; do [ "$(focus_after_tabs 1)" = "text: Правила на играта" ] && break; done
[ "$(focus_after_tabs 3)" = "text: Правила на играта" ] || fail "with no screen reader three Tabs lead to $(atspi focus)"

# While a screen reader runs, as the desktop says on its bus, Tab reaches the grid after "Чисти",
# on the current cell; the keys move it and shoot it, and the shot cell describes the answer.
set_screen_reader_enabled true
sleep 0.5
[ "$(focus_after_tabs 3)" = "table cell: колона 1, ред 1, непроверена" ] ||
    fail "with a screen reader three Tabs from the rules box lead to $(atspi focus), not to the grid's first cell"
xdotool key shift+Tab
[ "$(atspi focus)" = "button: Чисти" ] || fail "Shift+Tab from the grid leads to $(atspi focus)"
xdotool key Tab Right Right Right Down Down Down Down Down Left Right
sleep 0.3
[ "$(atspi focus)" = "table cell: колона 4, ред 6, непроверена" ] || fail "the arrows lead to $(atspi focus)"
xdotool key space
wait_for_cells 195 '#FFFFFF' || fail "Space on the focused cell does not shoot it"
answer=$(cell_name 47 "$(sed -n 48p <<<"$colours")" | sed 's/.*, //')
remaining=$([ "$answer" = попадение ] && echo 24 || echo 25)
focused=$(atspi focus)
[ "$focused" = "table cell: колона 4, ред 6, $answer | $answer; остават $remaining, опита 1" ] ||
    fail "after Space the focused cell reads $focused"
xdotool key Return
sleep 0.3
[ "$(atspi counters)" = "$remaining 1" ] || fail "Enter on a shot cell changed the counters to $(atspi counters)"
[ "$(atspi focus)" = "table cell: колона 4, ред 6, $answer | колона 4, ред 6, $answer" ] ||
    fail "Enter on a shot cell reads $(atspi focus), not its name again"
xdotool key ctrl+Home
sleep 0.3
[ "$(atspi focus)" = "table cell: колона 1, ред 1, непроверена" ] || fail "Ctrl+Home leads to $(atspi focus)"
[ "$(atspi named Игрално)" = "Игрално поле" ] || fail "the grid has no name"
xdotool key End Next
sleep 0.3
[ "$(atspi focus)" = "table cell: колона 14, ред 14, непроверена" ] || fail "End and Page Down lead to $(atspi focus)"
# The current cell shows the focus mark while the grid has the focus.
corner=$(import -window root -crop "20x20+$((left + grid_left + 13 * 20))+$((top + grid_top + 13 * 20))" +repage rgb:- | md5sum)
xdotool key Tab
sleep 0.3
[ "$(atspi focus)" = "text: Правила на играта" ] || fail "Tab from the grid leads to $(atspi focus)"
[ "$(import -window root -crop "20x20+$((left + grid_left + 13 * 20))+$((top + grid_top + 13 * 20))" +repage rgb:- | md5sum)" != "$corner" ] ||
    fail "the focused cell looks the same with the focus and without it"
# The current cell stays where the player left it; when the screen reader stops while the grid has
# the focus, the focus goes to the rules box, and Tab no longer reaches the grid.
[ "$(focus_after_tabs 3)" = "table cell: колона 14, ред 14, непроверена" ] || fail "back on the grid the focus is on $(atspi focus)"
set_screen_reader_enabled false
sleep 0.5
[ "$(atspi focus)" = "text: Правила на играта" ] || fail "when the screen reader stops the focus stays on $(atspi focus)"
[ "$(focus_after_tabs 3)" = "text: Правила на играта" ] || fail "after the screen reader stops three Tabs lead to $(atspi focus)"
echo "x11 end-to-end checks passed ($desktop)"
