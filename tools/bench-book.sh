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

# Values vary by hour, day and station so that no two days repeat.
generate() {
    awk -v N="$1" 'BEGIN {
        print "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24"
        split("31 28 31 30 31 30 31 31 30 31 30 31", days, " ")
        for (s = 0; s < N; s++) {
            station = sprintf("3010112811%05d", s)
            for (y = 2018; y <= 2020; y++) {
                leap = (y % 4 == 0)
                for (m = 1; m <= 12; m++) {
                    last = days[m] + (m == 2 && leap)
                    for (d = 1; d <= last; d++) {
                        line = station "," sprintf("%04d-%02d-%02d", y, m, d)
                        for (h = 1; h <= 24; h++) line = line "," sprintf("%.2f", (s * 7 + d * 13 + h * 3 + m) % 900 / 100)
                        print line
                    }
                }
            }
        }
    }'
}

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
