#!/usr/bin/env bash
# Fuzzes the order and selection file readers for a bounded time each.
#   scripts/fuzz.sh [seconds per target, default 300] [target...]
# Targets: order_reader, selection_reader (both when none are named).
# Inputs that crash or break a reader check are written to
# build/fuzz/artifacts/<target>/; once the reader is fixed, copy each into
# tests/model/data/fuzz/<target>/ and add "<file> loaded|refused" to the
# "expected" file there, so the regression test replays it in every test run.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET="${1:-300}"
shift || true
TARGETS=("$@")
[ ${#TARGETS[@]} -gt 0 ] || TARGETS=(order_reader selection_reader)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_make_seeds $(printf ' fuzz_%s' "${TARGETS[@]}") -j2

OUT=build/fuzz
SEEDS="$OUT/seeds"
if [ ! -d "$SEEDS/order_reader" ]; then
  "$OUT/fuzz/fuzz_make_seeds" "$SEEDS/order_reader" "$SEEDS/selection_reader"
fi

export UBSAN_OPTIONS="print_stacktrace=1:${UBSAN_OPTIONS:-}"
status=0
for t in "${TARGETS[@]}"; do
  corpus="$OUT/corpus/$t"
  artifacts="$OUT/artifacts/$t"
  mkdir -p "$corpus" "$artifacts"
  regressions=()
  [ -d "tests/model/data/fuzz/$t" ] && regressions=("tests/model/data/fuzz/$t")
  echo "== $t for ${SECONDS_PER_TARGET}s"
  log="$OUT/$t.log"
  marker="$OUT/$t.started"
  touch "$marker"
  set +e
  "$OUT/fuzz/fuzz_$t" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" \
    "$corpus" "$SEEDS/$t" "${regressions[@]}" >"$log" 2>&1
  rc=$?
  set -e
  grep -E "^(Done|stat::number_of_executed_units)" "$log" || true
  if [ $rc -ne 0 ]; then
    echo "$t stopped with $rc; see $log"
    status=1
  fi
  find "$artifacts" -type f -newer "$marker" | sed 's|^|  new artifact: |'
  rm -f "$marker"
done
exit $status
