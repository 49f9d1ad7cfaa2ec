#!/usr/bin/env bash
# Reads the Windows program file as Windows would: a 64-bit program for the graphical subsystem
# that needs nothing but Windows' own DLLs, with its version record, icon and manifest.
#   program-file.sh Tavrelin.exe ICON.ico
set -euo pipefail
program=$1
icon=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

headers=$(x86_64-w64-mingw32-objdump -p "$program")
grep -q 'file format pei-x86-64' <<<"$headers" || fail "not a 64-bit Windows program"
grep -qP '^Magic\s+020b\s+\(PE32\+\)' <<<"$headers" || fail "not a PE32+ file"
grep -qP '^Subsystem\s+00000002\s+\(Windows GUI\)' <<<"$headers" || fail "not a program of the graphical subsystem"

# Every DLL it loads is part of Windows: no C++ runtime or anything else to ship beside it.
dlls=$(awk '/DLL Name:/ {print toupper($3)}' <<<"$headers" | sort | tr '\n' ' ')
[ "$dlls" = 'GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL ' ] ||
    fail "it loads $dlls"

# The resources, decompiled by the resource compiler from the program file.
x86_64-w64-mingw32-windres -i "$program" -O rc -o "$work/resources.rc"
value() { grep -qxF "      VALUE \"$1\", \"$2\"" "$work/resources.rc" || fail "the version record's $1 is not \"$2\""; }
value CompanyName 'https://tavrelin.example/'
value FileDescription Tavrelin
value FileVersion 1.00
value InternalName Tavrelin
value LegalCopyright 'https://tavrelin.example/'
value LegalTrademarks 'https://tavrelin.example/'
value OriginalFilename Tavrelin.exe
value ProductName Tavrelin
value ProductVersion 1.00
grep -qx ' FILEVERSION 1, 0, 0, 0' "$work/resources.rc" || fail "the file version is not 1.0.0.0"

# The icon's one image is the 32 x 32 image of the icon file, byte for byte: the file's image
# data follows its 6-byte header and one 16-byte directory entry.
[ "$(od -An -tu1 -j6 -N2 "$icon" | tr -d ' ')" = 3232 ] || fail "the icon file's image is not 32 x 32"
words() { tr -s ' ,\n' '\n' | grep -E '^0x' | sed -E 's/^0x0*([0-9a-f]*)L$/\1/; s/^$/0/'; }
od -An -tx4 -v -j22 "$icon" | tr -s ' ' '\n' | grep . | sed -E 's/^0*([0-9a-f]*)$/\1/; s/^$/0/' > "$work/expected-icon"
awk '/^1 3 \/\* RT_ICON \*\//,/^END/' "$work/resources.rc" | words > "$work/program-icon"
[ -s "$work/program-icon" ] || fail "the program has no icon image"
cmp -s "$work/expected-icon" "$work/program-icon" || fail "the program's icon is not the icon file's image"
grep -q '"IDI_ICON1"' "$work/resources.rc" || fail "the program has no icon group IDI_ICON1"

# The manifest: aware of the display's dots per inch, and the versions of Windows it was made for.
strings -a "$program" > "$work/strings"
grep -q '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>' "$work/strings" ||
    fail "the manifest does not make the program aware of the display's dots per inch"
[ "$(grep -c '<supportedOS Id=' "$work/strings")" = 5 ] || fail "the manifest does not name five versions of Windows"
grep -q '^/\* Type: 24$' "$work/resources.rc" || fail "the program has no manifest resource"

echo "program file checks passed: $dlls"
