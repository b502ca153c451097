#!/usr/bin/env bash
# Sets everything up on a fresh machine and starts the desktop program.
# Without any configuration the demo configuration is installed first (into
# KARVELO_DEMO_DIR, by default ~/Karvelo-Demo), so the program opens on the
# demo documentation right away.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh release
./build/release/src/app/kvf init-demo "${KARVELO_DEMO_DIR:-$HOME/Karvelo-Demo}" --if-no-config
exec ./build/release/src/app/karvelo "$@"
