#!/usr/bin/env bash
# Checks that every C++ file of the project is formatted as the project's .clang-format says.
#   format.sh SOURCE_DIR
set -euo pipefail
cd "$1"
files=$(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
clang-format --dry-run --Werror $files
echo "clang-format: $(wc -l <<<"$files") files formatted"
