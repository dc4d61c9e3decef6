#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds, one after the other (they
# would only compete for the same cores), and prints each one's executions and
# coverage. Inputs that add coverage go to build/fuzz/corpus/<target>, so a later
# run goes on from there; an input that fails is kept in build/fuzz/findings/ and
# makes the script exit non-zero after the remaining targets have run.
#   tools/fuzz.sh SECONDS [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ $# -lt 1 || ! $1 =~ ^[0-9]+$ || $1 -eq 0 ]]; then
    echo "usage: tools/fuzz.sh SECONDS [TARGET...]   (SECONDS: a whole number above 0)" >&2
    exit 2
fi
seconds=$1
shift
targets=("$@")
((${#targets[@]})) || targets=(readers_fuzz chart_path_fuzz conversions_fuzz)

build=build/fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "${targets[@]}"

# The largest input each target is given: a month of hourly readings or a year of
# daily ones for the readers and the chart, a short text for the conversions.
declare -A max_len=([readers_fuzz]=4096 [chart_path_fuzz]=16384 [conversions_fuzz]=64)
failed=0
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    mkdir -p "$corpus" "$build/findings"
    seeds=(fuzz/seeds/"$target")
    [[ $target == readers_fuzz ]] && seeds+=(samples)
    log=$build/$target.log
    echo "== $target, ${seconds} s"
    if ! "$build/$target" -max_total_time="$seconds" -max_len="${max_len[$target]:-4096}" -timeout=25 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
        failed=1
        echo "   FINDING: see $log and $build/findings/"
    fi
    grep -E '^#[0-9]+.*(cov|DONE)' "$log" | tail -n 1 || true
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$log" || true
done
exit "$failed"
