#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a number of seconds each, with its
# seed corpus from fuzz/corpus/<target>.
set -euo pipefail
BUILD=$1
SECONDS_EACH=${2:-60}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$BUILD"/fuzz/*/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  seeds=()
  [ -d "$ROOT/fuzz/corpus/$name" ] && seeds+=("$ROOT/fuzz/corpus/$name")
  echo "== $name for ${SECONDS_EACH}s"
  if ! "$target" -max_total_time="$SECONDS_EACH" -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$work/" "$work" "${seeds[@]}"; then
    status=1
  fi
  rm -rf "$work"
done
exit $status
