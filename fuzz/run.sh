#!/usr/bin/env bash
# Runs the libFuzzer targets, one per core at a time, each for SECONDS (20 by default), on corpora
# seeded from the bundled catalogs, the test fixtures and the scenarios. The corpora grow under
# BUILD/fuzz-corpus/ from run to run. Fails when a target finds anything; the input that broke it
# is kept under BUILD/fuzz-findings/ with the target's log.
#   fuzz/run.sh [SECONDS] [TARGET...]     (BUILD is $IVGEN_FUZZ_BUILD_DIR, default build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true
build=${IVGEN_FUZZ_BUILD_DIR:-build-fuzz}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for program in "$build"/fuzz/fuzz_*; do targets+=("${program##*/fuzz_}"); done
fi

seeds() {
  case "$1" in
    settings) ls data/ivgen.ini tests/catalog/data/*/ivgen.ini ;;
    script) ls tests/scenarios/*.ivb ;;
    writer | reader) find tests/charfile/data tests/scenarios -name '*.iv3' ;;
    json) find tests/json/data tests/scenarios -name '*.json' ;;
    *) ls "data/$1.dat" tests/catalog/data/*/"$1.dat" ;;
  esac
}

run_one() {
  local name=$1 corpus="$build/fuzz-corpus/$1" findings="$build/fuzz-findings/$1" dict=fuzz/catalog.dict
  if [ -f "fuzz/$name.dict" ]; then dict="fuzz/$name.dict"; fi
  mkdir -p "$corpus" "$findings"
  seeds "$name" | while IFS= read -r seed; do cp "$seed" "$corpus/seed-$(printf '%s' "$seed" | tr '/' '_')"; done
  if "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -dict="$dict" \
    -artifact_prefix="$findings/" "$corpus" >"$findings/log" 2>&1; then
    echo "fuzz_$name: nothing found ($(grep -o 'Done [0-9]* runs' "$findings/log" | tail -1))"
  else
    echo "fuzz_$name: FOUND a fault; the input is in $findings/, the log follows" >&2
    grep -v '^#\|^INFO\|^MERGE' "$findings/log" | tail -40 >&2
    return 1
  fi
}
export -f seeds run_one
export build seconds

printf '%s\n' "${targets[@]}" | xargs -P "$(nproc)" -I{} bash -c 'run_one "$@"' _ {}
