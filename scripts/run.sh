#!/usr/bin/env bash
# Sets everything up on a fresh machine and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh release
exec ./build/release/src/app/karvelo "$@"
