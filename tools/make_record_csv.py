#!/usr/bin/python3
"""Writes a station's long hourly record as the hourly CSV, the same bytes every run.

The benchmarks of the readers and of the record read it: 50 years of one station
(1976-2025, about 3.1 MB) by default. The readings are water levels in metres with
a seasonal swing, slow drift and floods that rise in hours and fall over days, two
decimals as the agency writes them. A few hours are empty and, in some years, a
few days are missing, so that a year's completeness is not always the same.

    make_record_csv.py [--out FILE] [--years 1976-2025] [--stations 1]
                       [--station 303011283322030] [--seed 20]
                       [--target-bytes N] [--no-gaps]

With --stations N, N stations follow each other (the first number, then numbers
counting up from it), each with its own readings. --target-bytes adds stations
until the file holds at least that many bytes (for files of gigabytes).
"""

import argparse
import datetime
import math
import random
import sys

HEADER = "station,date," + ",".join(str(h) for h in range(1, 25)) + "\n"


def years_arg(text):
    first, _, last = text.partition("-")
    first, last = int(first), int(last or first)
    if not 1 <= first <= last <= 9999:
        raise argparse.ArgumentTypeError("years are A-B with 1 <= A <= B <= 9999")
    return first, last


def station_days(number, first, last, rng, gaps):
    """The rows of one station, as text."""
    base = rng.uniform(-1.5, -0.6)  # below the gauge's zero, as at 額田
    swing = rng.uniform(0.2, 0.8)
    level = base
    flood = 0.0
    rows = []
    day = datetime.date(first, 1, 1)
    end = datetime.date(last, 12, 31)
    one = datetime.timedelta(days=1)
    missing_until = None
    while day <= end:
        if gaps and missing_until is None and rng.random() < 0.0015:
            missing_until = day + datetime.timedelta(days=rng.randint(1, 20))
        if missing_until is not None:
            if day < missing_until:
                day += one
                continue
            missing_until = None
        season = swing * math.sin(2 * math.pi * (day.timetuple().tm_yday - 100) / 365.25)
        cells = []
        for _ in range(24):
            if rng.random() < 0.0004:
                flood += rng.uniform(0.5, 4.0)
            flood *= 0.985
            level += rng.gauss(0, 0.004) + (base - level) * 0.001
            if gaps and rng.random() < 0.002:
                cells.append("")
            else:
                text = "%.2f" % (level + season + flood)
                cells.append("0.00" if text == "-0.00" else text)
        rows.append("%s,%s,%s\n" % (number, day.isoformat(), ",".join(cells)))
        day += one
    return "".join(rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", default="-", help="the file to write (default: standard output)")
    parser.add_argument("--years", type=years_arg, default=(1976, 2025))
    parser.add_argument("--stations", type=int, default=1)
    parser.add_argument("--station", default="303011283322030")
    parser.add_argument("--seed", type=int, default=20)
    parser.add_argument("--target-bytes", type=int, default=0)
    parser.add_argument("--no-gaps", action="store_true", help="every hour of every day a reading")
    args = parser.parse_args()

    rng = random.Random(args.seed)
    out = sys.stdout if args.out == "-" else open(args.out, "w", encoding="utf-8", newline="\n")
    written = out.write(HEADER)
    first = int(args.station)
    s = 0
    while s < args.stations or written < args.target_bytes:
        number = args.station if s == 0 else str(first + s).zfill(len(args.station))
        written += out.write(station_days(number, *args.years, rng, not args.no_gaps))
        s += 1
    if out is not sys.stdout:
        out.close()


if __name__ == "__main__":
    main()
