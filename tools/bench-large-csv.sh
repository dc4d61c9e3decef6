#!/usr/bin/env bash
# Reading large files: generates an hourly CSV of about 200 MB (400 stations x 10
# years = 4000 station-years, every hour a reading) in a scratch folder, then times
# `tellvane stats` of one station-year in the middle of it with /usr/bin/time -v:
# peak resident memory and read rate. `wc -l` over the same file, timed in the same
# run, is the machine's own rate of reading it (the peer: the machine's speed drifts).
# The file is removed afterwards.
#
# Usage: tools/bench-large-csv.sh TELLVANE [ROUNDS]
set -euo pipefail

tellvane=${1:?usage: bench-large-csv.sh TELLVANE [ROUNDS]}
rounds=${2:-3}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
csv="$scratch/large.csv"

bash "$(dirname "$0")/generate-hourly-csv.sh" 400 2011 2020 >"$csv"
bytes=$(stat -c %s "$csv")
echo "generated $csv: $bytes bytes, 4000 station-years"
export QT_QPA_PLATFORM=offscreen

# Wall seconds, CPU seconds (user + system) and peak resident kilobytes of a
# command, from /usr/bin/time -v. On a shared machine the CPU time is the steadier
# figure: the wall clock also counts the time other processes held the cores.
measure() {
    /usr/bin/time -v "$@" >/dev/null 2>"$scratch/time.txt" || { cat "$scratch/time.txt" >&2; return 1; }
    local wall cpu rss
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$scratch/time.txt" |
        awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
    cpu=$(awk -F': ' '/User time|System time/ { s += $2 } END { print s }' "$scratch/time.txt")
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$scratch/time.txt")
    echo "$wall $cpu $rss"
}

row() {
    awk -v r="$1" -v name="$2" -v b="$bytes" -v w="$3" -v c="$4" -v k="$5" 'BEGIN {
        printf "%-6s %-26s %8.2f %9.1f %8.2f %9.1f %8.1f\n", r, name, w, b / 1e6 / w, c, b / 1e6 / c, k / 1024 }'
}

printf '%-6s %-26s %8s %9s %8s %9s %8s\n' round command "wall s" "MB/s" "CPU s" "MB/CPU s" "peak MB"
for ((r = 1; r <= rounds; r++)); do
    echo "-- $(uptime | sed 's/.*load average/load average/')"
    read -r wall cpu rss < <(measure wc -l "$csv")
    row "$r" "wc -l" "$wall" "$cpu" "$rss"
    read -r wall cpu rss < <(measure "$tellvane" stats --data "$csv" --station 301011281100200 --year 2015)
    row "$r" "tellvane stats (one year)" "$wall" "$cpu" "$rss"
done
