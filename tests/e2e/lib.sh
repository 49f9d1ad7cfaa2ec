# The end-to-end tests' shared steps, whichever program they drive: a display of their own, real
# pointer clicks at pixel positions of the client area, and what the window shows read back from
# screenshots. A test sources this file, starts its program, then reads its client area with
# read_client_area. It gives work (a scratch folder), fail MESSAGE, and on_exit STEP, which runs
# STEP when the test ends, last added first.

work=$(mktemp -d)
cleanup_steps=("rm -rf '$work'")
trap 'for step in "${cleanup_steps[@]}"; do eval "$step" 2>/dev/null || true; done' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
on_exit() { cleanup_steps=("$1" "${cleanup_steps[@]}"); }

# Runs the test again on a session bus of its own, with its sockets in a folder of its own, so that
# the accessibility buses of two tests side by side never meet; goes on only in that second run.
#   in_own_session "$0" "$@"
in_own_session() {
    [ -n "${TAVRELIN_E2E_SESSION:-}" ] && return 0
    local runtime status=0
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    # Nothing in the session writes the user's desktop settings: the accessibility bus keeps
    # ScreenReaderEnabled in them, which would otherwise come back in every later session.
    GSETTINGS_BACKEND=memory XDG_RUNTIME_DIR=$runtime TAVRELIN_E2E_SESSION=1 dbus-run-session -- bash "$@" ||
        status=$?
    rm -rf "$runtime"
    exit "$status"
}
# Reads the game's window through the accessibility bus, as a screen reader does: see atspi.py.
atspi() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@"; }

# Tells the session's accessibility bus that a screen reader runs, or not, as a desktop does when
# its screen reader is turned on or off, and reads it back.
#   set_screen_reader_enabled true|false
set_screen_reader_enabled() {
    local property=(--session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus)
    dbus-send "${property[@]}" org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:ScreenReaderEnabled "variant:boolean:$1" >/dev/null
    [ "$(dbus-send "${property[@]}" org.freedesktop.DBus.Properties.Get string:org.a11y.Status \
        string:ScreenReaderEnabled | awk '{print $NF}')" = "$1" ] || fail "ScreenReaderEnabled does not read back $1"
}

# Where the client area of the X window with this id stands, and its size: sets left, top, width
# and height.
read_client_area() {
    local info
    info=$(xwininfo -id "$1")
    left=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    top=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    width=$(awk '/Width:/ {print $2}' <<<"$info")
    height=$(awk '/Height:/ {print $2}' <<<"$info")
}

# The client area as a picture, written to the file.
shoot_client_area() {
    import -window root -crop "${width}x${height}+$left+$top" +repage "$1"
}

# How many pixels of two pictures of the same size differ.
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

# The grid's top-left corner on the client area and the size of a cell, in pixels: at 96 dots per
# inch unless the test says otherwise.
grid_left=8
grid_top=32
cell_size=20

# What the window tells the desktop, the same for every program: its caption, a fixed size of 508 x
# 461 and a 32 x 32 icon. Needs window.
check_window_properties() {
    local hints title icon
    hints=$(xprop -id "$window" WM_NORMAL_HINTS)
    grep -q 'program specified minimum size: 508 by 461' <<<"$hints" || fail "no minimum size of 508 x 461: $hints"
    grep -q 'program specified maximum size: 508 by 461' <<<"$hints" || fail "no maximum size of 508 x 461: $hints"
    title=$(xprop -id "$window" _NET_WM_NAME)
    [ "$title" = '_NET_WM_NAME(UTF8_STRING) = "https://tavrelin.example/ Информатика-логическа игра, случайни, таблица"' ] ||
        fail "the caption is $title"
    icon=$(xprop -id "$window" _NET_WM_ICON)
    grep -q 'Icon (32 x 32)' <<<"$icon" || fail "the window has no 32 x 32 icon"
}

# Starts an X server of its own, 1024 x 768; Xvfb picks a free display number.
start_display() {
    exec 3<> <(:)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    on_exit "kill $!"
    read -r -t 20 number <&3 || fail "Xvfb did not start"
    export DISPLAY=":$number"
    # The accessibility bus, started later from the session bus, follows the pointer on this
    # display too, for a screen reader's mouse review.
    [ -z "${TAVRELIN_E2E_SESSION:-}" ] || dbus-update-activation-environment DISPLAY
}

# Starts openbox on the display, with its other options if any, and waits until it manages windows. It claims the screen before it
# has loaded its theme, and answers a window only after that, when it sets the work area.
start_window_manager() {
    openbox --sm-disable "$@" >/dev/null 2>&1 &
    on_exit "kill $!"
    for _ in $(seq 100); do
        xprop -root _NET_WORKAREA 2>/dev/null | grep -q ' = ' && return 0
        sleep 0.1
    done
    fail "openbox did not start"
}

# The colour of each cell just inside its border, clear of the caption: one line per cell index.
cell_colours() {
    import -window root -crop "${width}x${height}+$left+$top" +repage -depth 8 rgb:- |
        /usr/bin/python3 -c '
import sys
width, left, top, size = map(int, sys.argv[1:])
pixels = sys.stdin.buffer.read()
for n in range(196):
    x, y = left + (n // 14) * size + 3, top + (n % 14) * size + 3
    offset = 3 * (y * width + x)
    print("#%02X%02X%02X" % tuple(pixels[offset:offset + 3]))' "$width" "$grid_left" "$grid_top" "$cell_size"
}
count() { grep -c -x "$1" || true; }
# A fingerprint of what the two counters show: a change of either shows here.
counters_picture() {
    import -window root -crop "57x59+$((left + 408))+$((top + 192))" +repage -depth 8 rgb:- | md5sum
}
# Each click ends with the pointer on a bare spot of the window, so that the next one moves it.
rest_pointer() { xdotool mousemove --sync "$((left + 292))" "$((top + 200))"; }
click_at() { xdotool mousemove --sync "$((left + $1))" "$((top + $2))" click 1; rest_pointer; }
double_click_at() { xdotool mousemove --sync "$((left + $1))" "$((top + $2))" click --repeat 2 --delay 60 1; rest_pointer; }
# A press at a point dragged off to a bare spot of the window and released there, then at once a
# click at the point again.
drag_off_and_click_again() {
    xdotool mousemove --sync "$((left + $1))" "$((top + $2))" mousedown 1 \
        mousemove --sync "$((left + 292))" "$((top + 200))" mouseup 1 \
        mousemove --sync "$((left + $1))" "$((top + $2))" click 1
    rest_pointer
}
# Waits up to ten seconds for exactly N cells of the colour: the window repaints in its own time.
wait_for_cells() {
    for _ in $(seq 40); do
        colours=$(cell_colours)
        [ "$(count "$2" <<<"$colours")" = "$1" ] && return 0
        sleep 0.25
    done
    return 1
}

# Where a player clicks: the centre of cell n, the hidden switch's visible part right of the
# rules box's edge, and "Чисти".
cell_x() { echo $((grid_left + ($1 / 14) * cell_size + cell_size / 2)); }
cell_y() { echo $((grid_top + ($1 % 14) * cell_size + cell_size / 2)); }
click_cell() { click_at "$(cell_x "$1")" "$(cell_y "$1")"; }
double_click_cell() { double_click_at "$(cell_x "$1")" "$(cell_y "$1")"; }
SWITCH_X=500
SWITCH_Y=324
CLEAR_X=408
CLEAR_Y=284

# The game as a player meets it, checked from the screen alone: a shot, a second click on the same
# cell, the switch, a double-click on the switch, and "Чисти".
play_the_game() {
    wait_for_cells 196 '#FFFFFF' || fail "not every cell is white at start-up"

    click_cell 0
    wait_for_cells 195 '#FFFFFF' || fail "a click on a cell does not shoot it"
    shot=$(head -n1 <<<"$colours")
    case "$shot" in '#FF0000' | '#FFFF00' | '#0000FF') ;; *) fail "a shot cell shows $shot" ;; esac
    click_cell 0
    sleep 0.3
    [ "$(cell_colours | head -n1)" = "$shot" ] || fail "a second click on a shot cell changes it"

    # Two quick clicks 1 pixel apart, on the last pixel row of cell 40 and the first of cell 41, are
    # two shots: close enough in time and place to be a double-click, but on two cells.
    xdotool mousemove --sync "$((left + $(cell_x 40)))" "$((top + grid_top + 40 % 14 * cell_size + cell_size - 1))" click 1 \
        mousemove --sync "$((left + $(cell_x 41)))" "$((top + grid_top + 41 % 14 * cell_size))" click 1
    rest_pointer
    wait_for_cells 193 '#FFFFFF' || fail "two quick clicks on neighbouring cells shoot $((195 - $(count '#FFFFFF' <<<"$colours"))) of them"

    # A press dragged off a cell shoots nothing; a quick press back on it, close enough in time and
    # place to be a double-click, is a press of its own, and its click shoots.
    drag_off_and_click_again "$(cell_x 60)" "$(cell_y 60)"
    wait_for_cells 192 '#FFFFFF' || fail "a click right after a press dragged off the cell shoots nothing"

    click_at $SWITCH_X $SWITCH_Y
    wait_for_cells 25 '#FF0000' || fail "the switch shows $(count '#FF0000' <<<"$colours") red cells, not 25"
    click_at $CLEAR_X $CLEAR_Y
    wait_for_cells 196 '#FFFFFF' || fail "\"Чисти\" does not turn every cell white"

    # The same on the switch: the quick click after a press dragged off it turns it on.
    drag_off_and_click_again $SWITCH_X $SWITCH_Y
    wait_for_cells 25 '#FF0000' || fail "a click right after a press dragged off the switch does not show the fleet"
    click_at $CLEAR_X $CLEAR_Y
    wait_for_cells 196 '#FFFFFF' || fail "\"Чисти\" does not turn every cell white"

    # A double-click turns the switch on once: a single click then turns it off, which changes
    # nothing on the screen, and the next turns it on again, counting 25 more attempts.
    double_click_at $SWITCH_X $SWITCH_Y
    wait_for_cells 25 '#FF0000' || fail "a double-click on the switch does not show the fleet"
    sleep 0.3
    counters=$(counters_picture)
    click_at $SWITCH_X $SWITCH_Y
    sleep 0.5
    [ "$(counters_picture)" = "$counters" ] || fail "a double-click on the switch turned it on and off again"
    click_at $SWITCH_X $SWITCH_Y
    for _ in $(seq 20); do [ "$(counters_picture)" != "$counters" ] && break; sleep 0.25; done
    [ "$(counters_picture)" != "$counters" ] || fail "the switch turned on again counts no attempts"
    click_at $CLEAR_X $CLEAR_Y
    wait_for_cells 196 '#FFFFFF' || fail "\"Чисти\" does not turn every cell white after a double-click"
}
