#!/usr/bin/env bash
# Holds the lines changed since BASE (default: the last commit's parent) to
# the house style in .clang-format; prints what to change and fails when a
# changed line is not formatted. Quiet and successful where clang-format or
# the base commit is missing (a shallow clone, a machine without the tool).
set -euo pipefail
cd "$(dirname "$0")/.."
base="${1:-HEAD~1}"
command -v clang-format >/dev/null 2>&1 || exit 0
git rev-parse -q --verify "$base^{commit}" >/dev/null 2>&1 || exit 0
out=$(git clang-format --diff --extensions cpp,h "$base" -- src tests bench fuzz 2>&1 || true)
case "$out" in
  ""|"no modified files to format"|"clang-format did not modify any files") exit 0 ;;
esac
printf '%s\n' "$out"
echo "format-check: the lines above are not in the house style (git clang-format $base fixes them)." >&2
exit 1
