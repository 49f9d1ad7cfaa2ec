#!/usr/bin/env bash
# Plays the page in one browser engine, on a display and a session bus of its own, through the
# browser client installed in the folder NODE_MODULES: see browser.js.
#   browser.sh chromium|firefox PAGE.html ASSETS_DIR NODE_MODULES
set -euo pipefail
source "$(dirname "$0")/lib.sh"
in_own_session "$0" "$@"
start_display
NODE_PATH=$4 node "$(dirname "$0")/browser.js" "$1" "$2" "$3"
