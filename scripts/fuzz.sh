#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 60), starting from a seed
# corpus made of the test fixtures and the demo club; prints the executions
# per target. A crash, leak or sanitizer report fails the script and leaves
# its input in build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
HRS_SETUP_FUZZ=1 scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
seeds=build/fuzz/seeds
rm -rf "$seeds" && mkdir -p "$seeds" build/fuzz/findings
find tests/fixtures examples/demo-club -type f -size -1M -exec cp {} "$seeds"/ \; 2>/dev/null || true
status=0
for target in build/fuzz/fuzz/*_fuzz; do
  name=$(basename "$target")
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  log="build/fuzz/$name.log"
  if (cd build/fuzz/findings && "../../../$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
        -print_final_stats=1 "../../../$corpus" "../../../$seeds") >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    printf '%-30s %12s executions, no findings\n' "$name" "$runs"
  else
    printf '%-30s FINDING, see %s\n' "$name" "$log"
    status=1
  fi
done
exit $status
