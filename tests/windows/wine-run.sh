#!/usr/bin/env bash
# The emulator of the Windows build's tests: runs one Windows program under Wine, in a Windows
# prefix of its own, and exits with the program's status.
#   wine-run.sh PROGRAM.exe [ARGUMENT...]
set -euo pipefail
source "$(dirname "$0")/wine-prefix.sh"
wine_start_prefix
trap wine_end_prefix EXIT
"$wine" "$@"
