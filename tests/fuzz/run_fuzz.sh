#!/usr/bin/env bash
# Runs one fuzz target for a fixed time on a copy of its seeds and says how
# many inputs it tried. A crash, a sanitizer error, a leak or a slow input
# fails the run; the input that did it is kept and named, with the end of
# the fuzzer's log.
#   run_fuzz.sh <target> <seed folder> <seconds> <artifact folder>
set -u
target=$1 seeds=$2 seconds=$3 artifacts=$4
name=$(basename "$target")
scratch=$(mktemp -d "${TMPDIR:-/tmp}/planformix-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/corpus" "$artifacts"
export HOME="$scratch" XDG_CONFIG_HOME="$scratch" XDG_RUNTIME_DIR="$scratch" LC_ALL=C.UTF-8

# The readers explain every refusal on standard output; -close_fd_mask=1
# keeps that out of the log, which still gets the fuzzer's own lines and
# every sanitizer report.
"$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -close_fd_mask=1 \
  -artifact_prefix="$artifacts/$name-" -print_final_stats=1 \
  "$scratch/corpus" "$seeds" >"$scratch/log" 2>&1
status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/log")
seed_count=$(find "$seeds" -type f | wc -l)
echo "$name: ${runs:-0} executions from $seed_count seeds (run for up to ${seconds} s), exit status $status"
if [ "$status" -ne 0 ] || [ -z "$runs" ]; then
  tail -n 150 "$scratch/log"
  ls "$artifacts"/"$name"-* 2>/dev/null | sed 's/^/failing input: /'
  exit 1
fi
