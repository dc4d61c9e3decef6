#!/usr/bin/env python3
"""Converts one calendar year of an hourly water-level JSON record into Tellvane's
hourly CSV.

The JSON is {"meta": {...}, "records": [{"timestamp": "YYYY-MM-DDTHH:00",
"value": v, "flag": f}, ...]}, as kept for station 額田 (久慈川). Its converter
stored column N時 of day D as D T(N-1):00, so grouping by date gives the day 1時
to 24時 of the water information database: hour h of the CSV is T(h-1):00.
A value of null, or one flagged $ (欠測), # (閉局) or - (未登録), is no reading
and becomes an empty cell; a provisional value (*) is kept. Hours without a
record are empty cells; days without any record are left out.

Usage: convert_hourly_json.py --station NO --year YYYY [--source TEXT] IN.json OUT.csv
"""

import argparse
import collections
import json
import sys

MISSING_FLAGS = {"$", "#", "-"}
KNOWN_FLAGS = MISSING_FLAGS | {"*", "", " "}


def cell(record):
    flag = record.get("flag") or ""
    if flag not in KNOWN_FLAGS:
        sys.exit(f"unknown flag {flag!r} at {record['timestamp']}")
    value = record.get("value")
    if value is None or flag in MISSING_FLAGS:
        return ""
    text = f"{value:.2f}"
    if float(text) != value:
        sys.exit(f"{value!r} at {record['timestamp']} has more than two decimals")
    return text


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--station", required=True)
    parser.add_argument("--year", type=int, required=True)
    parser.add_argument("--source", action="append", default=[], help="a comment line for the header")
    parser.add_argument("input")
    parser.add_argument("output")
    args = parser.parse_args()

    with open(args.input, encoding="utf-8") as f:
        records = json.load(f)["records"]

    days = collections.defaultdict(lambda: [""] * 24)
    seen = set()
    prefix = f"{args.year:04d}-"
    for record in records:
        stamp = record["timestamp"]
        if not stamp.startswith(prefix):
            continue
        date, clock = stamp.split("T")
        hour, minute = clock.split(":")
        if minute != "00":
            sys.exit(f"{stamp} is not on the hour")
        if stamp in seen:
            sys.exit(f"{stamp} appears twice")
        seen.add(stamp)
        days[date][int(hour)] = cell(record)  # T(h-1):00 is hour h

    with open(args.output, "w", encoding="utf-8", newline="\n") as out:
        for line in args.source:
            out.write(f"# {line}\n")
        out.write("station,date," + ",".join(str(h) for h in range(1, 25)) + "\n")
        for date in sorted(days):
            out.write(f"{args.station},{date}," + ",".join(days[date]) + "\n")
    print(f"{len(days)} days written to {args.output}")


if __name__ == "__main__":
    main()
