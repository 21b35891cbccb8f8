#!/usr/bin/env bash
# Installs what is missing, builds Zudira and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh --target zudira
exec "${ZUDIRA_BUILD_DIR:-build}/app/zudira"
