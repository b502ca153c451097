#!/bin/sh
# Instructions per sash of the fittings selection, counted by callgrind over
# the selection runs only (catalogue loading and the order's first selection
# excluded). Sashes are taken in turn from the order's positions.
#   scripts/bench-callgrind.sh [SASHES]   (default 400)
# The catalogue and order are KARVELO_BENCH_CATALOG and KARVELO_BENCH_ORDER
# when set; otherwise the standard synthetic catalogue (100,000 articles,
# 5,000 sets) and its 1,000-position order are generated with kvf gen-catalog.
set -eu
sashes=${1:-400}
root=$(cd "$(dirname "$0")/.." && pwd)
bench="$root/build/release/bench/bench_engine"
kvf="$root/build/release/src/app/kvf"
[ -x "$bench" ] && [ -x "$kvf" ] || {
    echo "build first: cmake --build --preset release --target bench_engine kvf" >&2
    exit 1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -z "${KARVELO_BENCH_CATALOG:-}" ]; then
    "$kvf" gen-catalog "$work/catalog" --articles 100000 --sets 5000 --orders 1000 >/dev/null
    KARVELO_BENCH_CATALOG="$work/catalog"
    KARVELO_BENCH_ORDER="$work/catalog/orders/bench-1000.json"
fi
export KARVELO_BENCH_CATALOG KARVELO_BENCH_ORDER
valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" --collect-atstart=no \
    "$bench" --sashes "$sashes" >/dev/null 2>&1
total=$(callgrind_annotate "$work/callgrind.out" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1; exit }')
echo "sashes: $sashes"
echo "instructions: $total"
echo "instructions per sash: $((total / sashes))"
