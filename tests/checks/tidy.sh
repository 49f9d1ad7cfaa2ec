#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over every source file of the project.
#   tidy.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
cd "$1"
build=$(realpath "$2")
files=$(find . -path ./build -prune -o -name "*.cpp" -print | sort)
# One file a core at a time; any finding is an error and fails the run.
xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet <<<"$files" 2>/dev/null
echo "clang-tidy: no findings in $(wc -l <<<"$files") files"
