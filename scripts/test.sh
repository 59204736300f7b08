#!/usr/bin/env bash
# Builds everything and runs every test (the README's test command).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/format-check.sh
preset="${HRS_PRESET:-dev}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" --timeout 300 -j2
