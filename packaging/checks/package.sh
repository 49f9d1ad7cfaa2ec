#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a distribution would:
# lintian, the desktop entry, the AppStream entry, the installed paths and the binary's hardening.
#   package.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(ls "$work"/out/tavrelin_*_amd64.deb)

echo "lintian:"
lintian --fail-on error,warning "$deb"

root="$work/root"
dpkg-deb -x "$deb" "$root"
id=example.tavrelin.Tavrelin
for path in \
    usr/games/tavrelin \
    usr/share/applications/$id.desktop \
    usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/$id.png \
    usr/share/icons/hicolor/64x64/apps/$id.png \
    usr/share/icons/hicolor/128x128/apps/$id.png \
    usr/share/icons/hicolor/256x256/apps/$id.png \
    usr/share/man/man6/tavrelin.6.gz \
    usr/share/doc/tavrelin/copyright \
    usr/share/doc/tavrelin/changelog.gz; do
    [ -f "$root/$path" ] || fail "the package lacks /$path"
done
[ -x "$root/usr/games/tavrelin" ] || fail "/usr/games/tavrelin is not executable"
dpkg-deb -f "$deb" Section | grep -qx games || fail "the package is not in section games"
dpkg-deb -f "$deb" Depends | grep -q 'fonts-liberation2' || fail "the package does not depend on fonts-liberation2"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the shared-library dependencies are missing"
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "the package does not recommend qt6-wayland"

echo "desktop entry:"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || fail "the desktop entry names another icon"

echo "AppStream entry:"
appstream=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1) || fail "$appstream"
if grep -qE '^(E|W):' <<<"$appstream"; then fail "$appstream"; fi

echo "hardening:"
binary="$root/usr/games/tavrelin"
# Each listing is read whole before it is searched, so grep stopping early cannot fail the pipe.
header=$(readelf -h "$binary")
segments=$(readelf -lW "$binary")
dynamic=$(readelf -dW "$binary")
symbols=$(readelf -sW --dyn-syms "$binary")
sections=$(readelf -SW "$binary")
grep -q 'Type:.*DYN' <<<"$header" || fail "not a position-independent executable"
grep -q 'GNU_RELRO' <<<"$segments" || fail "no read-only relocations"
grep -qE 'BIND_NOW|FLAGS.*NOW' <<<"$dynamic" || fail "symbols are not bound at start"
grep -q '__stack_chk_fail' <<<"$symbols" || fail "no stack protector"
# Checked buffer functions replace only the calls whose sizes the compiler can see, so whether the
# program was built for them shows in its compile commands rather than in the binary.
commands=$(grep -E '"command".*/(app|game|ui)/' "$build/compile_commands.json")
if grep -v -- '-D_FORTIFY_SOURCE=2' <<<"$commands" | grep -q .; then fail "a source of the program was built without _FORTIFY_SOURCE"; fi
if grep -v -- '-O[23s]' <<<"$commands" | grep -q .; then fail "a source of the program was built without optimisation"; fi
if grep -q '\.debug_' <<<"$sections"; then fail "the shipped binary is not stripped"; fi

echo "package checks passed: $(basename "$deb")"
