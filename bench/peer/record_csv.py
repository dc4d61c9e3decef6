"""Writes a deterministic hourly CSV of one station: 50 years (1976-2025), every
hour a discharge reading in two decimals, about 3 MB. Usage: record_csv.py OUT"""
import calendar
import sys

with open(sys.argv[1], "w", newline="\n") as out:
    out.write("station,date," + ",".join(str(h) for h in range(1, 25)) + "\n")
    state = 12345
    for year in range(1976, 2026):
        for month in range(1, 13):
            for day in range(1, calendar.monthrange(year, month)[1] + 1):
                cells = []
                for hour in range(24):
                    state = (state * 1103515245 + 12345) % 2**31  # a fixed linear congruential sequence
                    cells.append(f"{(state % 90000) / 100 + month:.2f}")
                out.write(f"303011283322030,{year:04d}-{month:02d}-{day:02d}," + ",".join(cells) + "\n")
