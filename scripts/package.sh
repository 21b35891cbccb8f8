#!/usr/bin/env bash
# Builds the program and its Debian package into build/ (or $ZUDIRA_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZUDIRA_BUILD_DIR:-build}
scripts/build.sh --target zudira
cd "$build_dir"
cpack -G DEB
ls -1 "$PWD"/zudira_*.deb
