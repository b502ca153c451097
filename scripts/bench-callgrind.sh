#!/bin/sh
# Instructions per sash of the fittings selection, counted by callgrind over
# the selection runs only (catalogue loading and the order's first selection
# excluded). Sashes are taken in turn from the order's positions.
#   scripts/bench-callgrind.sh [SASHES]   (default 200)
# Uses build/release/bench/bench_engine; KARVELO_BENCH_CATALOG and
# KARVELO_BENCH_ORDER choose another catalogue and order (see bench/engine.cpp).
set -eu
sashes=${1:-200}
root=$(cd "$(dirname "$0")/.." && pwd)
bench="$root/build/release/bench/bench_engine"
[ -x "$bench" ] || { echo "build bench_engine first (cmake --build --preset release --target bench_engine)" >&2; exit 1; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT
valgrind --tool=callgrind --callgrind-out-file="$out" --collect-atstart=no \
    "$bench" --sashes "$sashes" >/dev/null 2>&1
total=$(callgrind_annotate "$out" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1; exit }')
echo "sashes: $sashes"
echo "instructions: $total"
echo "instructions per sash: $((total / sashes))"
