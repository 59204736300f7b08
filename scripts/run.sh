#!/usr/bin/env bash
# Builds the program and starts it on a working copy of the demo club
# (the README's run command). Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target hrs hrs-cli >/dev/null
work="${HRS_DEMO_DIR:-$HOME/hrs-demo-club}"
if [ ! -e "$work/player.hrs" ]; then
  mkdir -p "$work"
  cp -r examples/demo-club/. "$work/"
  echo "A working copy of the demo club is in $work"
fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/dev/src/hrs "$work" "$@"
fi
echo "No display is available, so the desktop program cannot open its window."
echo "Here is the status of the demo club from the command line program instead:"
echo
exec build/dev/src/cli/hrs-cli --data "$work" status
