# Sourced by an end-to-end test to drive the Windows program: starts it under Wine, in a Windows
# prefix of its own made at the first start, on the display the test has started (see play.sh),
# and stops it again.
# With no window manager, Wine maps only the window's client area as an X window.
#   start_program PROGRAM.exe   sets game (the process), window (the X window) and, through
#                               read_client_area, left, top, width and height
#   stop_program                ends the program, its Wine server and its prefix
#   restart_program_in_desktop PROGRAM.exe
#                               ends the program and starts it again inside Wine's virtual desktop of
#                               the display's size, where Wine draws the window's frame; sets game
#                               and window, and left, top, width and height of the framed window
#   restart_program PROGRAM.exe  ends the program and starts it again, as it was started
#   restart_program_at_dpi DPI PROGRAM.exe
#                               ends the program and starts it again on a display of DPI dots per inch
source "$(dirname "${BASH_SOURCE[0]}")/../windows/wine-prefix.sh"

start_program() {
    [ -n "${wine_scratch:-}" ] || wine_start_prefix
    "$wine" "$1" >"$work/program.log" 2>&1 &
    game=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name 'Информатика-логическа игра' | head -n1) ||
        fail "the window did not appear"
    read_client_area "$window"
}

stop_program() {
    kill "${game:-}" 2>/dev/null || true
    wine_end_prefix
}

restart_program() {
    kill "$game"
    wait "$game" 2>/dev/null || true
    start_program "$1"
}

restart_program_in_desktop() {
    kill "$game"
    wait "$game" 2>/dev/null || true
    # Programs started after it, such as the MSAA client, join the same desktop.
    "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d tavrelin /f >/dev/null 2>&1
    "$wine" explorer /desktop=tavrelin,1024x768 "$1" >"$work/program.log" 2>&1 &
    game=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name 'Информатика-логическа игра' | head -n1) ||
        fail "the window did not appear in the virtual desktop"
    read_client_area "$window"
}

restart_program_at_dpi() {
    kill "$game"
    wait "$game" 2>/dev/null || true
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    "$wine" reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
    # The setting is read when Wine's server starts.
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    start_program "$2"
}
