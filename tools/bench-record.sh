#!/usr/bin/env bash
# The station's record against pandas: a 50-year hourly CSV of one station (about
# 3.5 MB, bench/peer/record_csv.py), the whole `tellvane record` process timed with
# /usr/bin/time -v (CPU, peak memory) and the pandas script's own in-process time
# after its imports (bench/peer/record_pandas.py), in the same rounds.
#
# Usage: tools/bench-record.sh TELLVANE [ROUNDS]
set -euo pipefail

tellvane=${1:?usage: bench-record.sh TELLVANE [ROUNDS]}
rounds=${2:-5}
python=/usr/bin/python3  # Debian's pandas belongs to Debian's interpreter
here=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
csv="$scratch/record50.csv"
"$python" "$here/bench/peer/record_csv.py" "$csv"
echo "generated $(stat -c %s "$csv") bytes, 50 years of one station"

printf '%-6s %12s %12s %12s %12s %10s\n' round "tellvane CPU" "tellvane wall" "pandas CPU" "pandas wall" "peak MB"
for ((r = 1; r <= rounds; r++)); do
    /usr/bin/time -v "$tellvane" record --data "$csv" --format json >/dev/null 2>"$scratch/time.txt"
    cpu=$(awk -F': ' '/User time|System time/ { s += $2 } END { print s }' "$scratch/time.txt")
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$scratch/time.txt" |
        awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$scratch/time.txt")
    read -r pwall pcpu < <("$python" "$here/bench/peer/record_pandas.py" "$csv" | sed -n 1p)
    printf '%-6s %12.3f %12.3f %12.3f %12.3f %10.1f\n' "$r" "$cpu" "$wall" "$pcpu" "$pwall" "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')"
done
echo "-- $(uptime | sed 's/.*load average/load average/')"
