#!/usr/bin/env bash
# Installs what is missing, builds Zudira and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Running needs no GoogleTest: where it is missing, the program is built without the tests.
if ! dpkg-query -W -f='${Status}' libgtest-dev 2>/dev/null | grep -q "install ok installed"; then
  export ZUDIRA_CMAKE_ARGS="${ZUDIRA_CMAKE_ARGS:-} -DBUILD_TESTING=OFF"
fi
scripts/build.sh --target zudira
exec "${ZUDIRA_BUILD_DIR:-build}/app/zudira"
