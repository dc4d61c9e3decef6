#!/usr/bin/env bash
# The station's record against pandas: a 50-year hourly CSV of one station (about
# 3.5 MB, bench/peer/record_csv.py), the whole `tellvane record` process timed by
# bench/peer/spawn_measure.cpp (wall, CPU to the microsecond, peak memory) and the
# pandas script's own in-process time after its imports (bench/peer/record_pandas.py),
# in turn in each round, with the medians and minima of the rounds at the end.
#
# Usage: tools/bench-record.sh TELLVANE [ROUNDS]
set -euo pipefail

tellvane=${1:?usage: bench-record.sh TELLVANE [ROUNDS]}
rounds=${2:-15}
python=/usr/bin/python3  # Debian's pandas belongs to Debian's interpreter
here=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
csv="$scratch/record50.csv"
"$python" "$here/bench/peer/record_csv.py" "$csv"
echo "generated $(stat -c %s "$csv") bytes, 50 years of one station"
# /usr/bin/time counts CPU in 10 ms steps, a quarter of what is measured here.
g++ -O2 -o "$scratch/spawn_measure" "$here/bench/peer/spawn_measure.cpp"

printf '%-6s %14s %14s %14s %14s %10s\n' round "tellvane CPU ms" "tellvane wall" "pandas CPU ms" "pandas wall" "peak MB"
for ((r = 1; r <= rounds; r++)); do
    read -r wall cpu rss code < <("$scratch/spawn_measure" "$tellvane" record --data "$csv" --format json)
    [[ $code == 0 ]] || { echo "bench-record.sh: tellvane record exited with $code" >&2; exit 1; }
    read -r pwall pcpu < <("$python" "$here/bench/peer/record_pandas.py" "$csv" | sed -n 1p)
    awk -v r="$r" -v c="$cpu" -v w="$wall" -v pc="$pcpu" -v pw="$pwall" -v k="$rss" \
        'BEGIN { printf "%-6s %14.1f %14.1f %14.1f %14.1f %10.1f\n", r, c * 1000, w * 1000, pc * 1000, pw * 1000, k / 1024 }'
done | tee "$scratch/rounds.txt"
awk '
    function median(a, n,    i, j, t) {
        for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    { n++; c[n] = $2; w[n] = $3; pc[n] = $4; pw[n] = $5; cm = n == 1 || $2 < cm ? $2 : cm; pm = n == 1 || $4 < pm ? $4 : pm }
    END {
        mc = median(c, n); mw = median(w, n); mpc = median(pc, n); mpw = median(pw, n)
        printf "medians: tellvane %.1f ms CPU, %.1f ms wall; pandas %.1f ms CPU, %.1f ms wall\n", mc, mw, mpc, mpw
        printf "pandas / tellvane: %.2f by CPU (medians), %.2f by wall (medians), %.2f by the least CPU of each\n", mpc / mc, mpw / mw, pm / cm
    }' "$scratch/rounds.txt"
echo "-- $(uptime | sed 's/.*load average/load average/')"
