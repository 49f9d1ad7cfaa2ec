#!/usr/bin/env bash
# Runs the game as a native Wayland client under Weston's headless compositor and reads it back
# from Weston's screenshots: the client area's size and its 196 white cells, one shot and "Чисти".
# Weston takes no pointer input from a test, so the shot and the button are pressed through the
# accessibility bus.
#   wayland.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/lib.sh"
in_own_session "$0" "$@"
unset DISPLAY
export WAYLAND_DISPLAY=tavrelin-test

# The headless backend draws only with the software renderer; --debug allows screenshots.
weston --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 \
    --idle-time=0 >"$work/weston.log" 2>&1 &
on_exit "kill $!"
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "Weston did not start: $(tail -n3 "$work/weston.log")"
QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1 &
on_exit "kill $!"

# The client area is the one lavender rectangle of the screen; prints its place and size, then the
# colour of each cell just inside its border.
read_screen() {
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && weston-screenshooter >/dev/null 2>&1) || return 1
    convert "$work"/wayland-screenshot-*.png -depth 8 rgb:- 2>/dev/null | /usr/bin/python3 -c '
import sys
pixels = sys.stdin.buffer.read()
width = 1024
lavender = [i // 3 for i in range(0, len(pixels), 3) if pixels[i:i + 3] == b"\xc0\xc0\xff"]
if not lavender:
    sys.exit(1)
xs = [i % width for i in lavender]
ys = [i // width for i in lavender]
left, top = min(xs), min(ys)
print(left, top, max(xs) - left + 1, max(ys) - top + 1)
for n in range(196):
    x, y = left + 8 + (n // 14) * 20 + 3, top + 32 + (n % 14) * 20 + 3
    print("#%02X%02X%02X" % tuple(pixels[3 * (y * width + x):3 * (y * width + x) + 3]))'
}
# Waits up to ten seconds for exactly N white cells.
wait_for_white() {
    for _ in $(seq 40); do
        screen=$(read_screen || true)
        [ "$(tail -n +2 <<<"$screen" | count '#FFFFFF')" = "$1" ] && return 0
        sleep 0.25
    done
    return 1
}

wait_for_white 196 || fail "no window with 196 white cells appeared: $(head -n1 <<<"$screen")"
read -r left top width height <<<"$(head -n1 <<<"$screen")"
[ "$width" = 508 ] && [ "$height" = 461 ] || fail "the client area is ${width}x${height}, not 508x461"
echo "the window's client area stands at $left,$top"
atspi press 30 >/dev/null || fail "a cell cannot be pressed through the accessibility bus"
wait_for_white 195 || fail "a shot does not show on Wayland"
atspi activate "Чисти"
wait_for_white 196 || fail "\"Чисти\" does not deal a new game on Wayland"
echo "wayland end-to-end checks passed"
