#!/usr/bin/env bash
# Builds Tavrelin with warnings as errors and runs every test but clang-tidy's on Debian 13
# ("trixie") too, in a chroot that debootstrap makes under build/debian13/root, from the files of
# this working tree.
# The chroot is kept and reused; the source is copied in anew on every run.
#   debian13.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
project=$(pwd -P)
root=$project/build/debian13/root
bootstrapped=$root/.tavrelin-bootstrapped
mirror=http://deb.debian.org/debian
export PATH="$PATH:/usr/sbin:/sbin"

if [ "$(id -u)" -ne 0 ]; then
    echo "Debian 13: skipped, making its chroot needs root"
    exit 0
fi
if ! command -v debootstrap >/dev/null; then
    echo "Debian 13: skipped, debootstrap is not installed ('scripts/setup test' installs it as root)"
    exit 0
fi

# What is mounted inside the chroot, deepest first, so that each is unmounted before its parent.
mounted() { awk -v inside="$root/" 'index($2, inside) == 1 { print $2 }' /proc/self/mounts | sort -r; }
unmount_all() {
    local point
    for point in $(mounted); do
        umount "$point" 2>/dev/null || umount --lazy "$point"
    done
}
# Runs on every way out, a failed step included; the first call clears what a killed run left.
trap unmount_all EXIT
unmount_all

# Runs one step and says how long it took.
timed() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    echo "Debian 13: $name took $((SECONDS - start)) s"
}

# Commands inside the chroot start with a clean environment of their own.
# The copy of the source has no git history, so the build time comes with it.
clean=(/usr/bin/env -i HOME=/root LANG=C.UTF-8 PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
       SOURCE_DATE_EPOCH="$(git log -1 --format=%ct)")

bootstrap() {
    # A chroot without its mark was cut short: it is made again from nothing. Nothing is mounted
    # in it by now, and --one-file-system keeps rm from ever leaving the chroot's own disk.
    rm -rf --one-file-system "$root"
    mkdir -p "$root"
    if ! debootstrap --variant=minbase trixie "$root" "$mirror" >"$root.log" 2>&1; then
        tail -n 20 "$root.log" >&2
        echo "Debian 13: debootstrap failed; its whole output is in $root.log" >&2
        exit 1
    fi
    # The release with its updates, as a newly installed system has it; no service starts here.
    cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror trixie main
deb $mirror trixie-updates main
deb http://deb.debian.org/debian-security trixie-security main
EOF
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod +x "$root/usr/sbin/policy-rc.d"
    touch "$bootstrapped"
}
if [ ! -e "$bootstrapped" ]; then
    timed debootstrap bootstrap
fi

# The tracked files and the new ones git does not ignore, as they are in the working tree.
copy_source() {
    local source=$root/src/tavrelin
    rm -rf --one-file-system "$source"
    mkdir -p "$source"
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do
            if [ -e "$file" ]; then printf '%s\0' "$file"; fi
        done |
        tar --null -T - -cf - | tar -C "$source" -xf -
}
copy_source
cp -L --remove-destination /etc/resolv.conf "$root/etc/resolv.conf"

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"

timed "package install" chroot "$root" "${clean[@]}" bash -c 'cd /src/tavrelin && scripts/setup test'
timed build chroot "$root" "${clean[@]}" bash -c 'cmake -S /src/tavrelin -B /build/tavrelin \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRELIN_WERROR=ON >/dev/null && cmake --build /build/tavrelin -j"$(nproc)"'
# The tests get no network, so the X server they start cannot meet one of the host's. clang-tidy
# would read the same source as on the host, and took most of the tests' time here, so its check
# runs on the host alone.
timed tests unshare --net chroot "$root" "${clean[@]}" \
    bash -c 'ctest --test-dir /build/tavrelin --output-on-failure -j"$(nproc)" -E "^ClangTidy$"'
timed "second build" chroot "$root" "${clean[@]}" bash -c 'cd /src/tavrelin && tests/checks/reproducible.sh deb /build/tavrelin'
