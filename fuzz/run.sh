#!/usr/bin/env bash
# Runs every built fuzzer for a bounded time each: fuzz/run.sh <build-dir> [seconds-per-target].
# Seeds come from fuzz/corpus/<name>/; new inputs go to a scratch copy, not the committed corpus.
set -euo pipefail
build=${1:?build dir}
seconds=${2:-10}
src=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
while read -r fuzzer; do
    [ -n "$fuzzer" ] || continue
    name=${fuzzer#fuzz_}
    mkdir -p "$scratch/$name"
    [ -d "$src/corpus/$name" ] && cp -r "$src/corpus/$name/." "$scratch/$name/"
    echo "== $fuzzer (${seconds}s)"
    if ! "$build/fuzz/$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$scratch/$name-" \
        -print_final_stats=1 "$scratch/$name" 2>"$scratch/$name.log"; then
        tail -n 40 "$scratch/$name.log"
        status=1
    else
        grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units)' "$scratch/$name.log" || true
    fi
done <"$build/fuzz/fuzzers.txt"
exit $status
