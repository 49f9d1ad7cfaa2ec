#!/usr/bin/env bash
# Installs Tavrelin with its setup under Wine as a school's administrator would, silently, and
# checks what the setup put on the machine; starts the installed program from its Start-menu
# shortcut; then removes it with the uninstaller that the list of installed programs names, and
# checks that the machine is as it was before.
#   installer.sh SETUP_EXE BUILT_EXE
set -euo pipefail
setup=$(realpath "$1")
built=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
fail() { echo "FAIL: $*" >&2; exit 1; }

version=1.00
web_address='https://tavrelin.example/'
caption_start="$web_address Информатика-логическа игра"

# The setup file itself: a 64-bit Windows program with a window, not a console one; it asks to be
# run as an administrator; its version record names the product and its maker.
headers=$(x86_64-w64-mingw32-objdump -p "$setup")
grep -Eq '^Magic[[:space:]]+020b' <<<"$headers" || fail "the setup is not a 64-bit (PE32+) program"
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "the setup is not a GUI program"
grep -aq 'level="requireAdministrator"' "$setup" || fail "the setup does not ask for an administrator"
strings -el "$setup" > "$work/setup-strings"
record() {
    # Each value of the version record follows its key.
    local value
    value=$(grep -A1 -x "$1" "$work/setup-strings" | sed -n 2p)
    [ "$value" = "$2" ] || fail "the setup's version record has $1 \"$value\", not \"$2\""
}
record ProductName Tavrelin
record FileDescription 'Tavrelin Setup'
record FileVersion "$version"
record ProductVersion "$version"
record CompanyName "$web_address"
record LegalCopyright "$web_address"
# The numeric record after its signature 0xFEEF04BD and the record's own version: the file's and
# the product's version 1.0.0.0, each as two little-endian words 0x00010000 and 0x00000000.
setup_hex=$(od -An -v -tx1 "$setup" | tr -d ' \n')
[[ $setup_hex =~ bd04effe[0-9a-f]{8}(0000010000000000){2} ]] ||
    fail "the setup's numeric version record is not 1.0.0.0"

# A machine of its own: a fresh Wine prefix, made as Windows is first set up, with a display.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
# Each Windows program runs with no input and for two minutes at most, so that a question nobody
# answers cannot hold the test; so does each wait for all of them to end.
on_windows() { timeout 120 "$wine" "$@" </dev/null; }
wait_for_windows() { timeout 120 "$wineserver" -w; }
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# Offer no downloads of .NET or the HTML engine, and make no Linux menu entries from shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
xvfb=
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# Its display, for every program of the prefix from the start: Xvfb picks a free number.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 20 number <&3 || fail "Xvfb did not start"
export DISPLAY=":$number"
on_windows wineboot --init >/dev/null 2>&1 || fail "Wine could not make a fresh prefix"
wait_for_windows

drive_c="$WINEPREFIX/drive_c"
folder="$drive_c/Program Files/Tavrelin"
windows_folder='C:\Program Files\Tavrelin'
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tavrelin.lnk"
windows_shortcut='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Tavrelin.lnk'
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrelin'

# What the machine holds: every file and folder but the temporary ones, and the machine's
# registry but the network cards, which Wine lists the first time a program asks for them.
machine_state() {
    (cd "$drive_c" && find . -path './users/*/Temp' -prune -o -path ./windows/temp -prune -o -print | sort)
    on_windows reg export 'HKLM\Software' "$work/export.reg" /reg:64 /y >/dev/null
    iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' |
        awk '/^\[/ { skip = index($0, "\\Windows NT\\CurrentVersion\\NetworkCards") > 0 } !skip'
}
machine_state > "$work/before"

seconds_since() { awk -v start="$1" -v now="$(date +%s.%N)" 'BEGIN { printf "%.1f", now - start }'; }
install() {
    local start code=0
    start=$(date +%s.%N)
    # Wine takes the user's language from the locale's name, whether or not Linux has the locale.
    # Wine's own errors, none when the setup succeeds, are kept to tell why it failed.
    timeout 120 env LC_ALL="$1" WINEDEBUG=err+all "$wine" "$setup" /S </dev/null 2>"$work/setup-errors" || code=$?
    [ $code = 0 ] || fail "the silent setup in $1 ended with code $code; Wine's errors: $(cat "$work/setup-errors")"
    install_seconds=$(seconds_since "$start")
}
# The uninstaller copies itself to the temporary folder, starts the copy and ends at once; the
# copy does the work, so the run is over when every program of the prefix has ended.
uninstall() {
    local command start
    command=$(registry_value QuietUninstallString)
    [[ $command =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "the quiet uninstall command is $command"
    start=$(date +%s.%N)
    # shellcheck disable=SC2086 # the arguments are words of the command line
    on_windows "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} || fail "the silent uninstaller ended with code $?"
    wait_for_windows || fail "the uninstaller did not end"
    uninstall_seconds=$(seconds_since "$start")
}
registry_value() {
    awk -v name="$1" '$1 == name { sub(/^[[:space:]]*[^[:space:]]+[[:space:]]+[^[:space:]]+[[:space:]]+/, ""); print }' \
        <<<"$registry"
}
registry_type() { awk -v name="$1" '$1 == name { print $2 }' <<<"$registry"; }
expect_value() {
    [ "$(registry_type "$1")" = "$2" ] || fail "the uninstall entry's $1 is not of type $2"
    [ "$(registry_value "$1")" = "$3" ] || fail "the uninstall entry's $1 is \"$(registry_value "$1")\", not \"$3\""
}
read_shortcut() { /usr/bin/python3 "$here/read_shortcut.py" "$shortcut"; }
shortcut_field() { sed -n "s/^$1=//p" <<<"$fields"; }

# 1. A silent install for a Bulgarian user.
install bg_BG.UTF-8
first_install_seconds=$install_seconds
[ -d "$folder" ] || fail "nothing was installed in Program Files\\Tavrelin"
[ "$(ls -A "$folder" | tr '\n' ' ')" = 'Tavrelin.exe Uninstall.exe ' ] ||
    fail "the install folder holds: $(ls -A "$folder" | tr '\n' ' ')"
cmp -s "$built" "$folder/Tavrelin.exe" || fail "the installed Tavrelin.exe is not the one built"

[ -f "$shortcut" ] || fail "there is no Tavrelin shortcut in the Start menu of all users"
fields=$(read_shortcut)
[ "$(shortcut_field target)" = "$windows_folder\\Tavrelin.exe" ] || fail "the shortcut points at $(shortcut_field target)"
[ "$(shortcut_field working_dir)" = "$windows_folder" ] || fail "the shortcut starts in $(shortcut_field working_dir)"
[ "$(shortcut_field arguments)" = '' ] || fail "the shortcut passes arguments: $(shortcut_field arguments)"
[ "$(shortcut_field icon)" = "$windows_folder\\Tavrelin.exe" ] || fail "the shortcut's icon is in $(shortcut_field icon)"
[ "$(shortcut_field icon_index)" = 0 ] || fail "the shortcut shows icon $(shortcut_field icon_index) of the program"
[ "$(shortcut_field description)" = 'Игра на морски бой за един играч' ] ||
    fail "in a Bulgarian locale the shortcut is described as \"$(shortcut_field description)\""

registry=$(on_windows reg query "$key" /reg:64 | tr -d '\r') || fail "there is no uninstall entry in the 64-bit registry"
if on_windows reg query "${key/Software/Software\\WOW6432Node}" /reg:64 >/dev/null 2>&1; then
    fail "the uninstall entry went to the 32-bit registry too"
fi
installed_kib=$((($(stat -c %s "$folder/Tavrelin.exe") + $(stat -c %s "$folder/Uninstall.exe")) / 1024))
expect_value DisplayName REG_SZ Tavrelin
expect_value DisplayVersion REG_SZ "$version"
expect_value Publisher REG_SZ "$web_address"
expect_value URLInfoAbout REG_SZ "$web_address"
expect_value DisplayIcon REG_SZ "$windows_folder\\Tavrelin.exe,0"
expect_value InstallLocation REG_SZ "$windows_folder"
expect_value UninstallString REG_SZ "\"$windows_folder\\Uninstall.exe\""
expect_value QuietUninstallString REG_SZ "\"$windows_folder\\Uninstall.exe\" /S"
expect_value NoModify REG_DWORD 0x1
expect_value NoRepair REG_DWORD 0x1
expect_value VersionMajor REG_DWORD 0x1
expect_value VersionMinor REG_DWORD 0x0
expect_value EstimatedSize REG_DWORD "$(printf '0x%x' "$installed_kib")"

# 2. The program starts from its shortcut, as after a double click, and its window appears.
on_windows start "$windows_shortcut" >"$work/program.log" 2>&1 || fail "the shortcut does not start: $(cat "$work/program.log")"
window=$(timeout 60 xdotool search --sync --onlyvisible --name "^${caption_start//./\\.}" | head -n1) ||
    fail "the installed program's window did not appear: $(cat "$work/program.log")"
caption=$(xdotool getwindowname "$window")
[[ $caption == "$caption_start"* ]] || fail "the window's caption is \"$caption\""

# 3. While the game runs, its file cannot be replaced or deleted: a second setup and the
#    uninstaller both fail and leave the installed game as it was. The uninstaller is run here
#    with _?= so it works in place and its exit code can be read; Wine quotes a word with a space,
#    which _?= does not allow, so the folder goes as two words of the command line. Both end
#    with code 2, which NSIS gives when the script aborts.
code=0
on_windows "$setup" /S || code=$?
[ $code = 2 ] || fail "a second setup while the game was running ended with code $code, not 2"
cmp -s "$built" "$folder/Tavrelin.exe" || fail "a failed second setup changed the installed Tavrelin.exe"
code=0
on_windows "$windows_folder\\Uninstall.exe" /S '_?=C:\Program' 'Files\Tavrelin' || code=$?
[ $code = 2 ] || fail "the uninstaller while the game was running ended with code $code, not 2"
[ "$(ls -A "$folder" | tr '\n' ' ')" = 'Tavrelin.exe Uninstall.exe ' ] ||
    fail "an uninstaller that failed left the folder holding: $(ls -A "$folder" | tr '\n' ' ')"
[ -f "$shortcut" ] || fail "an uninstaller that failed took the shortcut away"
on_windows reg query "$key" /reg:64 >/dev/null 2>&1 || fail "an uninstaller that failed took the uninstall entry away"

# The game closes when asked, as when its window is closed; then every program of the prefix ends.
on_windows taskkill /IM Tavrelin.exe >/dev/null 2>&1 || fail "the program could not be asked to close"
wait_for_windows || fail "the program did not end when asked to close"

# 4. The same setup again, for a user of a locale it has no language for: it installs over the
#    first install in the same folder, in English.
install de_DE.UTF-8
[ "$(ls -A "$folder" | tr '\n' ' ')" = 'Tavrelin.exe Uninstall.exe ' ] ||
    fail "after a second install the folder holds: $(ls -A "$folder" | tr '\n' ' ')"
fields=$(read_shortcut)
[ "$(shortcut_field description)" = 'A game of Battleship for one player' ] ||
    fail "in a German locale the shortcut is described as \"$(shortcut_field description)\""

# 5. The silent uninstall leaves the machine as it was before the first install.
registry=$(on_windows reg query "$key" /reg:64 | tr -d '\r')
uninstall
first_uninstall_seconds=$uninstall_seconds
[ ! -e "$folder" ] || fail "the install folder is still there, holding: $(ls -A "$folder" | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
if on_windows reg query "$key" /reg:64 >/dev/null 2>&1; then fail "the uninstall entry is still there"; fi
machine_state > "$work/after"
diff "$work/before" "$work/after" >&2 || fail "the machine differs from before the install, as shown above"

# 6. A file someone else put in the install folder stays, and so does the folder; only what the
#    setup installed goes.
install en_US.UTF-8
registry=$(on_windows reg query "$key" /reg:64 | tr -d '\r')
echo "scores" > "$folder/notes.txt"
uninstall
[ "$(ls -A "$folder" 2>/dev/null | tr '\n' ' ')" = 'notes.txt ' ] ||
    fail "the uninstaller did not leave exactly the file it did not install: $(ls -A "$folder" 2>&1 | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"

echo "setup $(stat -c %s "$setup") bytes; silent install ${first_install_seconds} s, silent uninstall ${first_uninstall_seconds} s (to the prefix's end) under Wine"
echo "installer checks passed"
