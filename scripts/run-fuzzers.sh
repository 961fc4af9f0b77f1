#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build side by side for a bounded time.
# Each target fuzz_<name> starts from the checked-in seeds in fuzz/<name>/seeds
# (read only) and keeps what it finds in <build folder>/corpus-fuzz_<name>.
# Usage: run-fuzzers.sh <build folder> <seconds>
set -euo pipefail
build="$(realpath "$1")"; seconds="$2"
cd "$(dirname "$0")/.."
shopt -s nullglob
pids=(); names=()
status=0
for target in "$build"/bin/fuzz_*; do
  name="$(basename "$target")"
  corpus="$build/corpus-$name"; mkdir -p "$corpus"
  seeds="fuzz/${name#fuzz_}/seeds"
  if [ -z "$(ls -A "$seeds" 2>/dev/null)" ]; then
    echo "$name: no seeds in $seeds"; status=1; continue
  fi
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/$name-" "$corpus" "$seeds" >"$build/$name.log" 2>&1 &
  pids+=($!); names+=("$name")
done
[ ${#names[@]} -gt 0 ] || { echo "no fuzz target under $build/bin"; exit 1; }
for i in "${!pids[@]}"; do
  if wait "${pids[$i]}"; then
    echo "${names[$i]}: no finding ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/${names[$i]}.log" | grep -o '[0-9]*$') runs)"
  else
    echo "${names[$i]}: FINDING"; tail -n 40 "$build/${names[$i]}.log"; status=1
  fi
done
exit $status
