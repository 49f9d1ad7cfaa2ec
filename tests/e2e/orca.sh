#!/usr/bin/env bash
# What a blind player hears: the real Orca screen reader runs on the test's own X display and
# session bus, with no sound device, as the desktop's screen reader, and the test reads what Orca
# speaks from Orca's debug log while it plays a game from the keyboard alone, as a blind player
# would, and then while it reads the counters under the pointer; or, given the page, while it plays
# the page in Chromium from the keyboard, in both of Orca's modes.
#   orca.sh PROGRAM | PAGE.html
# Needs: apt-get install --no-install-recommends orca (it brings at-spi2-core, python3-pyatspi and
# speech-dispatcher's client), with xvfb, xdotool and openbox as for x11.sh, and chromium for a page.
# Without Orca, the page's test is skipped.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

source "$here/lib.sh"
in_own_session "$0" "$@"

if [[ $program == *.html ]] && ! command -v orca >/dev/null; then
    echo "SKIPPED: Orca is not installed; scripts/setup web installs it on Debian 12, whose Orca the test knows"
    exit 77
fi
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

# Each step says what Orca must say first, within a second of the key.
expect_first() {
    [ "$(head -n1 <<<"$heard")" = "$1" ] || fail "$2: Orca says \"$(tr '\n' '/' <<<"$heard")\", not \"$1\""
    [ "$latency" -lt 1000 ] || fail "$2: Orca speaks only $latency ms after the key"
}
# What Orca said, without the word "notification" before a phrase and without the full stops.
spoken() { sed -n "s/^\(notification \)\?\(.*\)\.\?$/\2/p" <<<"$heard" | sed 's/\.$//'; }
# A shot's answer, as Orca said it with both counters where they read REMAINING and ATTEMPTS,
# patterns both; nothing if Orca said no such answer.
#   answer_said REMAINING ATTEMPTS
answer_said() { spoken | sed -n "s/^\(попадение\|близост\|няма кораб\); остават $1, опита $2\$/\1/p" | head -n1; }
# Orca answered a shot of the cell whose name starts with PREFIX, and AT-SPI names that cell by the
# answer: sets answer.
#   shot_once PREFIX REMAINING ATTEMPTS WHAT
shot_once() {
    answer=$(answer_said "$2" "$3")
    [ -n "$answer" ] || fail "$4: Orca says \"$(tr '\n' '/' <<<"$heard")\", not the answer to shot $3"
    [ "$(atspi named "$1")" = "$1$answer" ] || fail "$4 shoots another cell than ${1%, }"
}
heard_within_a_second() {
    spoken | grep -qxF "$1" || fail "$2: Orca says \"$(tr '\n' '/' <<<"$heard")\", not \"$1\""
    [ "$latency" -lt 1000 ] || fail "$2: Orca speaks only $latency ms after the key"
}

# The page in Debian's Chromium, shown on the display with its accessibility tree on the bus, as a
# blind player opens it: Tab to the grid, its keys, two shots and "Чисти" twice in Orca's focus mode;
# then Orca's browse mode, its table keys, and Enter on the cell it reached; last, the cell's own
# action "click", as a screen reader activates it.
play_page() {
    # Openbox's own keys would take Shift+Alt with the arrows, Orca's keys for a table's cells.
    printf '<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard/></openbox_config>\n' >"$work/openbox.xml"
    start_window_manager --config-file "$work/openbox.xml"
    opened=$(orca_mark)
    # A new profile whose browser offers no translation of the page, which would take the focus.
    mkdir -p "$work/chromium/Default"
    echo '{"translate": {"enabled": false}}' >"$work/chromium/Default/Preferences"
    chromium --force-renderer-accessibility --no-sandbox --password-store=basic --user-data-dir="$work/chromium" \
        --no-first-run --disable-features=Translate --disable-background-networking --disable-component-update \
        --disable-sync --disable-gpu --window-size=900,700 "file://$program" >"$work/program.log" 2>&1 &
    on_exit "kill $!"
    # The window manager gives the new window the keyboard; Orca reads the page, whose focus starts in
    # the rules box.
    echo "the page opens"
    for _ in $(seq 300); do
        grep -q "^Правила на играта" <<<"$(orca_said_since "$opened")" && break
        sleep 0.1
    done
    # Until Orca is silent: it may still be reading the page.
    listen_after true
    heard=$(orca_said_since "$opened")
    sed 's/^/    /' <<<"$heard"
    grep -q "^Правила на играта" <<<"$heard" ||
        fail "Orca does not name the rules box that has the focus: \"$(tr '\n' '/' <<<"$heard")\""

    echo "Tab to the grid, past the picture and \"Чисти\""
    listen_after xdotool key Tab
    listen_after xdotool key Tab
    listen_after xdotool key Tab
    spoken | grep -qxF "Игрално поле" || fail "Orca does not name the grid: \"$(tr '\n' '/' <<<"$heard")\""
    heard_within_a_second "колона 1, ред 1, непроверена" "the grid's current cell"
    echo "arrows to column 2, row 2"
    listen_after xdotool key Right
    heard_within_a_second "колона 2, ред 1, непроверена" "Right"
    listen_after xdotool key Down
    heard_within_a_second "колона 2, ред 2, непроверена" "Down"
    echo "Space shoots it, and again says its state"
    listen_after xdotool key space
    shot_once "колона 2, ред 2, " "2[45]" 1 "Space"
    [ "$latency" -lt 1000 ] || fail "Orca answers Space only $latency ms after the key"
    listen_after xdotool key space
    heard_within_a_second "колона 2, ред 2, $answer" "Space on the shot cell"
    echo "Shift+Tab to \"Чисти\", and Space twice"
    listen_after xdotool key shift+Tab
    spoken | grep -qxF "Чисти push button" || fail "Shift+Tab from the grid: Orca says \"$(tr '\n' '/' <<<"$heard")\""
    for _ in 1 2; do
        listen_after xdotool key space
        heard_within_a_second "нова игра; остават 25, опита 0" "\"Чисти\""
    done

    # Browse mode: the next table, then Orca's key for the next cell of the row. Orca gives the cell
    # the focus, and may go into focus mode when it sees that; Enter shoots the cell in either mode.
    echo "browse mode: t, then Shift+Alt+Right to column 2, row 1, and Enter"
    listen_after xdotool key t
    spoken | grep -qxF "table with 14 rows 14 columns" || fail "t: Orca says \"$(tr '\n' '/' <<<"$heard")\""
    listen_after xdotool key shift+alt+Right
    heard_within_a_second "колона 2, ред 1, непроверена" "the next cell of the row"
    listen_after xdotool key Return
    shot_once "колона 2, ред 1, " "2[45]" 1 "Enter on the cell reached in browse mode"
    [ "$latency" -lt 1000 ] || fail "Orca answers Enter only $latency ms after the key"
    echo "the action \"click\" of column 5, row 5, as a screen reader activates a cell"
    listen_after atspi activate "колона 5, ред 5, "
    shot_once "колона 5, ред 5, " "2[345]" 2 "the cell's action"
    echo "orca end-to-end checks of the page passed"
}

start_display
set_screen_reader_enabled true
start_orca
case "$program" in
    *.html) play_page; exit 0 ;;
esac

QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
on_exit "kill $!"
window=$(xdotool search --sync --onlyvisible --name 'Информатика-логическа игра' | head -n1)
[ -n "$window" ] || fail "the window did not appear"
sleep 1

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
answer=$(answer_said "2[45]" 1)
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
