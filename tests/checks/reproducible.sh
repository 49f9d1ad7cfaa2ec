#!/usr/bin/env bash
# Builds the commit a second time, in another folder, at least a second later and under another
# umask, and checks that what a user downloads comes out byte for byte the same as from the first
# build; on a difference, shows where the two differ.
#   reproducible.sh deb BUILD_DIR       the Debian package, packed from BUILD_DIR and from a new build
#   reproducible.sh windows BUILD_DIR   Tavrelin.exe and its setup, from the Windows BUILD_DIR and a new build
#   reproducible.sh web BUILD_DIR       Tavrelin.html, from the web BUILD_DIR and a new build
set -euo pipefail
mode=$1
first=$(realpath "$2")
source=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The second build takes the first one's build type and warnings, and builds no tests. It builds
# under another umask; packing is always done at umask 022, as cpack gives the package's folders
# and parts the permissions of the umask.
cached() { sed -n "s/^$1:[A-Z]*=//p" "$first/CMakeCache.txt"; }
second_build() {
    (
        umask 077
        cmake -S "$source" -B "$work/second" -DCMAKE_BUILD_TYPE="$(cached CMAKE_BUILD_TYPE)" \
            -DTAVRELIN_WERROR="$(cached TAVRELIN_WERROR)" -DTAVRELIN_TESTS=OFF "$@" >/dev/null
        cmake --build "$work/second" -j"$(nproc)" >/dev/null
    )
}
# Passes if the two files are the same, printing their SHA-256; otherwise prints where they differ.
same() {
    if cmp -s "$1" "$2"; then
        echo "$3: $(sha256sum <"$1" | cut -d' ' -f1), the same from both builds"
        return 0
    fi
    echo "FAIL: $3 differs between the two builds, first at byte $(cmp "$1" "$2" | awk '{print $5}' | tr -d ,)" >&2
    return 1
}

sleep 1
case "$mode" in
    deb)
        (umask 022 && cpack --config "$first/CPackConfig.cmake" -B "$work/first" >/dev/null)
        second_build
        (umask 022 && cpack --config "$work/second/CPackConfig.cmake" -B "$work/second/out" >/dev/null)
        a=$(ls "$work"/first/*.deb)
        b=$(ls "$work"/second/out/*.deb)
        if ! same "$a" "$b" "the Debian package"; then
            diff <(dpkg-deb -I "$a" control; dpkg-deb -c "$a") <(dpkg-deb -I "$b" control; dpkg-deb -c "$b") >&2 || true
            exit 1
        fi
        ;;
    windows)
        second_build -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64-x86_64.cmake"
        status=0
        for file in Tavrelin.exe "$(basename "$(ls "$first"/Tavrelin-*-setup.exe)")"; do
            if ! same "$first/$file" "$work/second/$file" "$file"; then
                diff <(x86_64-w64-mingw32-objdump -x "$first/$file") <(x86_64-w64-mingw32-objdump -x "$work/second/$file") |
                    head -n 20 >&2 || true
                status=1
            fi
        done
        exit "$status"
        ;;
    web)
        second_build -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
        if ! same "$first/Tavrelin.html" "$work/second/Tavrelin.html" Tavrelin.html; then
            cmp -l "$first/Tavrelin.html" "$work/second/Tavrelin.html" | head -n 20 >&2 || true
            exit 1
        fi
        ;;
    *) echo "usage: $0 deb|windows|web BUILD_DIR" >&2; exit 2 ;;
esac
