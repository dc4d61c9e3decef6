#!/usr/bin/env bash
# Prints an hourly CSV of STATIONS stations (3010112811 and a five-digit number)
# over the years FIRST to LAST, for the benchmarks. Values vary by hour, day and
# station so that no two days repeat.
#
# Usage: tools/generate-hourly-csv.sh STATIONS FIRST LAST
set -euo pipefail
awk -v N="${1:?usage: generate-hourly-csv.sh STATIONS FIRST LAST}" -v FIRST="${2:?}" -v LAST="${3:?}" 'BEGIN {
    print "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24"
    split("31 28 31 30 31 30 31 31 30 31 30 31", days, " ")
    for (s = 0; s < N; s++) {
        station = sprintf("3010112811%05d", s)
        for (y = FIRST; y <= LAST; y++) {
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
