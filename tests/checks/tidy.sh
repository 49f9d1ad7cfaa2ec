#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over every source file of the project that the
# build compiles; the Windows window's files are compiled only by the Windows build, and are left out.
#   tidy.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
cd "$1"
build=$(realpath "$2")
source_dir=$(pwd)
# The files of the build's compile database, as paths from the source folder.
compiled=$(grep -oP '"file": "\K[^"]+' "$build/compile_commands.json" | sort -u)
files=$(find . -path ./build -prune -o -name "*.cpp" -print | sort |
    while read -r file; do
        grep -qxF "$source_dir/${file#./}" <<<"$compiled" && echo "$file" || true
    done)
# One file a core at a time; any finding is an error and fails the run.
xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet <<<"$files" 2>/dev/null
echo "clang-tidy: no findings in $(wc -l <<<"$files") files"
