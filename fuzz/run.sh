#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every libFuzzer target in DIR for SECONDS each, starting from its corpus. Inputs the
# fuzzer finds interesting go to a scratch folder, not into the committed corpus; a finding
# leaves its reproducer in fuzz/artifacts/ and fails the run.
#   fuzz/run.sh DIR SECONDS
set -euo pipefail
dir=$1 seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$here/artifacts"
# A target for each corpus.
for corpus in "$here"/corpus/*/; do
    target=$(basename "$corpus")
    scratch=$(mktemp -d)
    echo "== $target: ${seconds}s"
    "$dir/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$here/artifacts/$target-" "$scratch" "$here/corpus/$target" 2>&1 \
        | grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::new_units_added|==[0-9]+==ERROR|SUMMARY)' || true
    rm -rf "$scratch"
    if ls "$here/artifacts/$target-"* >/dev/null 2>&1; then
        echo "$target: finding saved in fuzz/artifacts/" >&2
        exit 1
    fi
done
