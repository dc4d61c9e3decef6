#!/usr/bin/env bash
# The yearbook: generates hourly CSVs of 100 and 1000 stations x 3 years in a
# scratch folder, writes each book with /usr/bin/time -v (pages a second, bytes a
# page, peak resident memory), and in the same run times matplotlib's PdfPages
# drawing only the chart pages (bench/peer/chart_pages.py), the peer. The scratch
# folder is removed afterwards.
#
# Usage: tools/bench-book.sh TELLVANE [PEER_PAGES]
set -euo pipefail

tellvane=${1:?usage: bench-book.sh TELLVANE [PEER_PAGES]}
peer_pages=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

generate() { bash "$root/tools/generate-hourly-csv.sh" "$1" 2018 2020; }

echo "load: $(uptime | sed 's/.*load average/load average/')"
"$tellvane" stats --data "$root/samples/nukada_303011283322030_2025.csv" >"$scratch/year.json"
for n in 100 1000; do
    generate "$n" >"$scratch/s$n.csv"
    /usr/bin/time -v "$tellvane" book --data "$scratch/s$n.csv" --out "$scratch/b$n.pdf" \
        >"$scratch/out$n.txt" 2>"$scratch/time$n.txt"
    pages=$(qpdf --show-npages "$scratch/b$n.pdf")
    bytes=$(stat -c %s "$scratch/b$n.pdf")
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$scratch/time$n.txt")
    user=$(sed -n 's/.*User time (seconds): //p' "$scratch/time$n.txt")
    sys=$(sed -n 's/.*System time (seconds): //p' "$scratch/time$n.txt")
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$scratch/time$n.txt")
    seconds=$(awk -v t="$wall" 'BEGIN { n = split(t, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }')
    awk -v n="$n" -v p="$pages" -v b="$bytes" -v s="$seconds" -v r="$rss" -v c="$user" -v k="$sys" 'BEGIN {
        printf "tellvane book, %d stations x 3 years: %d pages in %.2f s (%.0f a second), %.2f s CPU (%.0f a CPU second), %.1f KB a page, peak RSS %.1f MB\n",
            n, p, s, p / s, c + k, p / (c + k), b / p / 1024, r / 1024 }'
done
(cd "$root/bench/peer" && /usr/bin/python3 chart_pages.py "$scratch/year.json" "$peer_pages" "$scratch/peer.pdf")
echo "load: $(uptime | sed 's/.*load average/load average/')"
