#!/usr/bin/env bash
# Compiles the Windows version record with the MinGW resource compiler and reads its strings back.
#   version-record.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

x86_64-w64-mingw32-windres --preprocessor=cpp -i "$build/app/Tavrelin.rc" -O coff -o "$work/Tavrelin.res.o"
strings -el "$work/Tavrelin.res.o" > "$work/strings"

expect() {
    # Each value of the record follows its key.
    if ! grep -A1 -x "$1" "$work/strings" | tail -n1 | grep -qx "$2"; then
        echo "FAIL: the version record's $1 is not \"$2\"" >&2
        exit 1
    fi
}
expect ProductName Tavrelin
expect FileDescription Tavrelin
expect InternalName Tavrelin
expect OriginalFilename Tavrelin.exe
expect FileVersion 1.00
expect ProductVersion 1.00
expect CompanyName 'https://tavrelin.example/'
expect LegalCopyright 'https://tavrelin.example/'
x86_64-w64-mingw32-objdump -h "$work/Tavrelin.res.o" | grep -q '\.rsrc' || { echo "FAIL: no resource section" >&2; exit 1; }
echo "version record checks passed"
