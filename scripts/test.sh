#!/usr/bin/env bash
# Sets everything up on a fresh machine and runs every test with no display.
set -euo pipefail
cd "$(dirname "$0")/.."
PRESET="${1:-release}"
./scripts/setup.sh "$PRESET"
unset DISPLAY
export QT_QPA_PLATFORM=offscreen
ctest --preset "$PRESET" --no-tests=error
