#!/usr/bin/env bash
# Builds Tellvane in Release, runs every C++ benchmark with repetitions (medians
# reported), then times the command-line tool against the matplotlib peer and prints
# the results table. Run as root on Debian 12 to install what is missing.
#
# Environment:
#   TELLVANE_BENCH_TREE         build tree (default build/bench)
#   TELLVANE_BENCH_REPETITIONS  repetitions of each C++ benchmark (default 10)
#   TELLVANE_PEER_ROUNDS        rounds of the peer comparison (default 20)
#   TELLVANE_BENCH_FILTER       --benchmark_filter for the C++ benchmarks (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."

tree=${TELLVANE_BENCH_TREE:-build/bench}
repetitions=${TELLVANE_BENCH_REPETITIONS:-10}
rounds=${TELLVANE_PEER_ROUNDS:-20}
filter=${TELLVANE_BENCH_FILTER:-}
jobs=$(nproc)

# A tree inside another build tree's binary directory would share its
# cmake_install.cmake and CTestTestfile.cmake; refuse rather than clobber them.
if [[ -f "$(dirname "$tree")/CMakeCache.txt" ]]; then
    echo "bench.sh: $(dirname "$tree") is itself a CMake build tree; choose another TELLVANE_BENCH_TREE" >&2
    exit 1
fi

# Packages: the build's own (tools/setup.sh), then the peer's.
bash tools/setup.sh
peer_packages=(python3 python3-matplotlib fonts-ipafont-gothic python3-pandas)
missing=()
for p in "${peer_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    if ((EUID != 0)); then
        echo "bench.sh: missing packages ${missing[*]}; run as root to install them" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Debian's matplotlib belongs to Debian's interpreter, whatever else is on PATH.
python=/usr/bin/python3

export QT_QPA_PLATFORM=offscreen

cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTELLVANE_BUILD_TESTS=ON
# Only the benchmarks and the command-line tool; fall back to everything.
targets=$(ninja -C "$tree" -t targets all | sed -n 's/^\(tellvane_bench_[A-Za-z0-9_]*\|tellvane\): phony$/\1/p' | sort -u)
if [[ -n "$targets" ]]; then
    # shellcheck disable=SC2086
    cmake --build "$tree" -j "$jobs" --target $targets
else
    cmake --build "$tree" -j "$jobs"
fi

results="$tree/results"
mkdir -p "$results"
rm -f "$results"/*.json

echo
echo "== C++ benchmarks: $repetitions repetitions each, $(nproc) cores, $(uptime | sed 's/.*load average/load average/')"
mapfile -t benches < <(find "$tree/bench" -maxdepth 2 -type f -name 'tellvane_bench_*' -perm -u+x | sort)
if ((${#benches[@]} == 0)); then
    echo "(no tellvane_bench_* executables under $tree/bench)"
fi
for exe in "${benches[@]}"; do
    name=$(basename "$exe")
    echo "-- $name, $(uptime | sed 's/.*load average/load average/')"
    args=(--benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true
          --benchmark_out="$results/$name.json" --benchmark_out_format=json)
    [[ -n "$filter" ]] && args+=(--benchmark_filter="$filter")
    "$exe" "${args[@]}"
done

echo
echo "== Peer comparison"
compare=(--rounds "$rounds" --keep "$results/charts")
compare+=(--tellvane "$tree/apps/tellvane/tellvane")  # not timed while it is not built
mapfile -t jsons < <(find "$results" -maxdepth 1 -name '*.json' | sort)
((${#jsons[@]})) && compare+=(--bench-json "${jsons[@]}")
"$python" bench/peer/compare.py "${compare[@]}" | tee "$results/summary.md"
echo
echo "== Reading large files"
bash tools/bench-large-csv.sh "$tree/apps/tellvane/tellvane" | tee "$results/large-csv.txt"
echo
echo "== The station's record against pandas"
bash tools/bench-record.sh "$tree/apps/tellvane/tellvane" | tee "$results/record.txt"
echo "== The yearbook"
bash tools/bench-book.sh "$tree/apps/tellvane/tellvane" | tee "$results/book.txt"
echo
echo "Results: $results/ (Google Benchmark JSON, summary.md, the last charts of both sides)"
