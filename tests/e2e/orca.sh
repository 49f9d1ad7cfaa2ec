#!/usr/bin/env bash
# What a blind player hears: the real Orca screen reader runs on the test's own X display and
# session bus, with no sound device, as the desktop's screen reader, and the test reads what Orca
# speaks from Orca's debug log while it plays a game from the keyboard alone, as a blind player
# would, and then while it reads the counters under the pointer.
#   orca.sh PROGRAM
# Needs: apt-get install --no-install-recommends orca (it brings at-spi2-core, python3-pyatspi and
# speech-dispatcher's client), with xvfb, xdotool and openbox as for x11.sh.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

source "$here/lib.sh"
in_own_session "$0" "$@"

for tool in orca dbus-send xdotool Xvfb; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

orca_speech() { /usr/bin/python3 "$here/orca_speech.py" "$@"; }
orca_log=$work/orca.log
# A mark in Orca's log: orca_said_since MARK prints what Orca said after it, one utterance a line;
# with --times each starts with the time it was spoken, in seconds since the epoch.
orca_mark() { orca_speech size "$orca_log"; }
orca_said_since() { orca_speech said "$orca_log" "$@"; }

# Starts Orca on the display and the session bus, and waits until it has said that it is on and
# listens to the bus. It keeps its settings, caches and home in the scratch folder, starts afresh
# each time with its defaults (there is no first-run dialogue in Orca 43), and has no key echo,
# braille or sounds, but mouse review. Speech-dispatcher is never started: Orca logs each utterance
# before it hands it to a speech server, and speaks to none. Orca refuses to start while another
# process named orca of the same user runs anywhere on the machine, so it runs in a process
# namespace of its own, where it sees no other test's Orca.
start_orca() {
    local namespace=(unshare --pid --fork --kill-child --mount-proc)
    "${namespace[@]}" true 2>/dev/null || namespace=()
    mkdir -p "$work/orca-home" "$work/orca-prefs"
    env HOME="$work/orca-home" XDG_CONFIG_HOME="$work/orca-home/config" XDG_DATA_HOME="$work/orca-home/data" \
        XDG_CACHE_HOME="$work/orca-home/cache" LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE= \
        SPEECHD_CMD=/bin/false SPEECHD_ADDRESS="unix_socket:$work/no-speech-dispatcher" \
        "${namespace[@]}" /usr/bin/python3 "$here/orca_speech.py" run "$orca_log" \
        --user-prefs "$work/orca-prefs" --disable key-echo,braille,sound --enable mouse-review \
        >"$work/orca.out" 2>&1 &
    orca_launcher=$!
    on_exit stop_orca
    for _ in $(seq 300); do
        if grep -q "ORCA: Starting registry" "$orca_log" 2>/dev/null &&
            grep -qx "Screen reader on." <<<"$(orca_said_since 0)"; then
            return 0
        fi
        kill -0 "$orca_launcher" 2>/dev/null || fail "Orca stopped at start: $(tail -n5 "$work/orca.out")"
        sleep 0.1
    done
    fail "Orca was not ready within 30 seconds: $(tail -n5 "$work/orca.out")"
}

# Ends Orca, by its id: in the namespace it is the launcher's child, which the launcher's end ends.
stop_orca() {
    local ids=("$orca_launcher") id alive
    mapfile -t -O 1 ids < <(pgrep -P "$orca_launcher" -x orca || true)
    kill "${ids[@]}" 2>/dev/null || true
    for _ in $(seq 20); do
        alive=
        for id in "${ids[@]}"; do kill -0 "$id" 2>/dev/null && alive=1; done
        [ -z "$alive" ] && return 0
        sleep 0.1
    done
    kill -9 "${ids[@]}" 2>/dev/null || true
}

# Presses a key, or runs a command, and waits until Orca has said something and then been silent
# for a second, or for three seconds of silence: sets heard, what Orca said, one utterance a line,
# and latency, the milliseconds from the key to the first utterance (empty if it said nothing).
listen_after() {
    local mark pressed said count=0 quiet=0
    mark=$(orca_mark)
    pressed=$(date +%s.%N)
    "$@"
    for _ in $(seq 30); do
        sleep 0.1
        said=$(orca_said_since "$mark" --times)
        if [ -n "$said" ] && [ "$(wc -l <<<"$said")" = "$count" ]; then
            quiet=$((quiet + 1))
            [ "$quiet" -ge 10 ] && break
        else
            quiet=0
            [ -n "$said" ] && count=$(wc -l <<<"$said")
        fi
    done
    heard=$(cut -d' ' -f2- <<<"$said")
    latency=
    [ -z "$said" ] || latency=$(awk -v from="$pressed" 'NR == 1 {printf "%d", ($1 - from) * 1000}' <<<"$said")
    printf '  heard after %s ms:\n' "${latency:-(none)}"
    [ -z "$heard" ] || while read -r line; do echo "    $line"; done <<<"$heard"
}
heard_line() { grep -qxF "$1" <<<"$heard"; }

start_display
set_screen_reader_enabled true
start_orca

QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
on_exit "kill $!"
window=$(xdotool search --sync --onlyvisible --name 'Информатика-логическа игра' | head -n1)
[ -n "$window" ] || fail "the window did not appear"
sleep 1

# Each step says what Orca must say first, within a second of the key.
expect_first() {
    [ "$(head -n1 <<<"$heard")" = "$1" ] || fail "$2: Orca says \"$(tr '\n' '/' <<<"$heard")\", not \"$1\""
    [ "$latency" -lt 1000 ] || fail "$2: Orca speaks only $latency ms after the key"
}

# Without a window manager nobody gives the window the keyboard; the test does, as one would. Orca
# names the window and then the rules box, which has the focus.
echo "the window gets the keyboard"
listen_after xdotool windowfocus --sync "$window"
heard_line "Правила на играта read only text." || fail "Orca does not name the rules box that has the focus"

echo "Tab to the picture box"
listen_after xdotool key Tab
expect_first "Картина: бойни кораби image." "the picture box"
echo "Tab to \"Чисти\""
listen_after xdotool key Tab
expect_first "Чисти push button." "\"Чисти\""
echo "Tab to the grid"
listen_after xdotool key Tab
heard_line "колона 1, ред 1, непроверена." || fail "the grid: Orca says \"$(tr '\n' '/' <<<"$heard")\", not the first cell"
echo "arrows to column 4, row 6"
for key in Right Right Right Down Down Down Down; do listen_after xdotool key "$key"; done
# A new row Orca reads whole, as it reads every table by default; the cell is in it.
listen_after xdotool key Down
heard_line "колона 4, ред 6, непроверена." ||
    fail "the cell reached by the arrows: Orca says \"$(tr '\n' '/' <<<"$heard")\""
[ "$latency" -lt 1000 ] || fail "the cell reached by the arrows: Orca speaks only $latency ms after the key"
echo "Space shoots it"
listen_after xdotool key space
# Orca speaks each phrase as a notification: "notification попадение; остават 24, опита 1."
spoken() { sed -n "s/^\(notification \)\?\(.*\)\.\?$/\2/p" <<<"$heard" | sed 's/\.$//'; }
answer=$(spoken | sed -n 's/^\(попадение\|близост\|няма кораб\); остават \(2[45]\), опита 1$/\1/p' | head -n1)
[ -n "$answer" ] || fail "after Space Orca says \"$(tr '\n' '/' <<<"$heard")\", not the answer with both counters"
echo "Space again on the shot cell"
listen_after xdotool key space
spoken | grep -qxF "колона 4, ред 6, $answer" ||
    fail "Space on a shot cell: Orca says \"$(tr '\n' '/' <<<"$heard")\", not the cell's name"
echo "Tab on to the rules box"
listen_after xdotool key Tab
expect_first "Правила на играта read only text." "Tab from the grid"
echo "Tab round to \"Чисти\" and press it"
listen_after xdotool key Tab
listen_after xdotool key Tab
expect_first "Чисти push button." "\"Чисти\" again"
listen_after xdotool key space
spoken | grep -qxF "нова игра; остават 25, опита 0" ||
    fail "after \"Чисти\" Orca says \"$(tr '\n' '/' <<<"$heard")\", not the new game"
[ "$latency" -lt 1000 ] || fail "Orca says the new game only $latency ms after the key"

# Mouse review, with the window manager that Orca needs to find the window under the pointer: on
# each counter Orca reads its caption and its number, here those of a new game.
start_window_manager
sleep 1
places=$(atspi counter-places)
for counter in "Остават: 25" "Опита: 0"; do
    read -r x y w h _ <<<"$places"
    places=$(sed 1d <<<"$places")
    echo "the pointer on the counter ${counter% *}"
    listen_after xdotool mousemove $((x + w / 2)) $((y + h / 2))
    grep -q "^${counter% *} " <<<"$heard" && heard_line "${counter#* }." ||
        fail "on the counter ${counter% *} Orca says \"$(tr '\n' '/' <<<"$heard")\", not its number ${counter#* }"
done
echo "orca end-to-end checks passed"
