#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
# CI builds with warnings as errors.
if [ "${CI:-}" = "true" ]; then
  export ZUDIRA_CMAKE_ARGS="${ZUDIRA_CMAKE_ARGS:-} -DZUDIRA_WERROR=ON"
fi
scripts/build.sh
cd "${ZUDIRA_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 300
