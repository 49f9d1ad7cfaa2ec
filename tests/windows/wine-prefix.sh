# Sourced by whatever runs a Windows program under Wine: a Windows prefix of its own for each run,
# made fresh in a scratch folder without the prompts to install Mono or Gecko, and its server
# stopped and the folder removed at the end.
#   wine_start_prefix      sets WINEPREFIX and friends and makes the prefix (about 8 seconds)
#   "$wine" PROGRAM.exe    runs a program in it
#   wine_end_prefix        stops the prefix's server and removes the prefix

# Debian's 64-bit Wine.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

wine_start_prefix() {
    wine_scratch=$(mktemp -d)
    export WINEPREFIX="$wine_scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    "$wine" wineboot --init >/dev/null 2>&1
    # wineboot returns before the prefix's start-up programs are done; they end with the server.
    "$wineserver" -w
}

wine_end_prefix() {
    [ -n "${wine_scratch:-}" ] || return 0
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    rm -rf "$wine_scratch"
}
