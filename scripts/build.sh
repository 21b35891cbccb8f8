#!/usr/bin/env bash
# Configures and builds Zudira into build/ (or the folder in $ZUDIRA_BUILD_DIR).
# Extra configure options come from $ZUDIRA_CMAKE_ARGS; the folder is configured again when
# the last configure failed or those options changed.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZUDIRA_BUILD_DIR:-build}
options="-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${ZUDIRA_CMAKE_ARGS:-}"
stamp="$build_dir/.zudira-configure-options"
if [ ! -f "$build_dir/CMakeCache.txt" ] || [ ! -f "$build_dir/build.ninja" ] ||
   [ "$(cat "$stamp" 2>/dev/null)" != "$options" ]; then
  rm -f "$stamp"
  # shellcheck disable=SC2086 # the options are words on purpose
  cmake -S . -B "$build_dir" $options
  printf '%s' "$options" > "$stamp"
fi
cmake --build "$build_dir" --parallel "$(nproc)" "$@"
