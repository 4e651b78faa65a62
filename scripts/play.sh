#!/usr/bin/env bash
# Sets up, builds and starts the game; arguments go to the game program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec "${BUILD_DIR:-build}/dist/bin/delvorn" "$@"
