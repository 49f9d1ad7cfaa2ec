#!/usr/bin/env bash
# Times the Windows program's start-up under Wine against a bare window of the same size, as whole
# processes, alternating, in one Wine prefix on a display of its own: from the launch to the first
# moment the window shows itself painted (the last cell white, or the bare window lavender there).
# That one pixel is read straight from the X server about every half millisecond.
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

# One run: milliseconds from the launch of the program until a window it maps shows the colour at
# the last cell's inside, (271, 295) of the client area. Every window mapped on the display is
# watched, so no search for the window's name slows the polling.
#   run PROGRAM.exe RRGGBB
run() {
    /usr/bin/python3 -c '
import ctypes, subprocess, sys, time

wine, program, colour = sys.argv[1], sys.argv[2], int(sys.argv[3], 16)
x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                          ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XGetPixel.restype = ctypes.c_ulong
x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.c_void_p]
# A window that goes away between two reads is no reason to stop.
ignore_error = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda display, error: 0)
x11.XSetErrorHandler(ignore_error)

SUBSTRUCTURE_NOTIFY_MASK, MAP_NOTIFY, ALL_PLANES, Z_PIXMAP = 1 << 19, 19, 2**64 - 1, 2
display = x11.XOpenDisplay(None)
x11.XSelectInput(display, x11.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
# XMapEvent: type, serial, send_event, display, event, window, ...
event = (ctypes.c_long * 24)()
windows = []
start = time.monotonic_ns()
process = subprocess.Popen([wine, program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
while True:
    if time.monotonic_ns() - start > 60e9:
        sys.exit(program + " did not paint within a minute")
    while x11.XPending(display):
        x11.XNextEvent(display, event)
        if event[0] & 0xFFFFFFFF == MAP_NOTIFY:
            windows.append(event[5])
    for window in windows:
        image = x11.XGetImage(display, window, 271, 295, 1, 1, ALL_PLANES, Z_PIXMAP)
        if image:
            pixel = x11.XGetPixel(image, 0, 0) & 0xFFFFFF
            x11.XDestroyImage(image)
            if pixel == colour:
                print("%.1f" % ((time.monotonic_ns() - start) / 1e6))
                process.terminate()
                process.wait()
                # The next run starts once Wine has cleared this one away.
                time.sleep(0.5)
                sys.exit(0)
    time.sleep(0.0005)
' "$wine" "$1" "$2"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The first run of each warms the disk cache and the prefix.
run "$game" FFFFFF >/dev/null
run "$bare" C0C0FF >/dev/null
for _ in $(seq "$runs"); do
    run "$game" FFFFFF >>"$work/game.times"
    run "$bare" C0C0FF >>"$work/bare.times"
done
game_ms=$(median <"$work/game.times")
bare_ms=$(median <"$work/bare.times")
awk -v g="$game_ms" -v b="$bare_ms" 'BEGIN { printf "%.1f %.1f %.2f\n", g, b, g / b }'
