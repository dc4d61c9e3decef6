#!/usr/bin/python3
"""Builds the year's figures of one station in the shape `tellvane stats` prints.

Used when the command-line tool has not been built: it reads the hourly records of
station 額田 (a JSON list of {"timestamp": "YYYY-MM-DDTHH:MM", "value": …}) and
computes the daily means, the seven characteristic values, the duration table and
the axis range the same way the control does.

    year_stats.py HOURLY.json --year 2025 [--station NO] [--out FILE]
"""

import argparse
import json
import math
import sys
from collections import defaultdict


def round2(x):
    s = (x > 0) - (x < 0)
    return round((s * 0.0001 + x) * 100) / 100


def two_decimals(x):
    return "%.2f" % round2(x)


def axis_text(v):
    whole = math.floor(abs(v))
    text = str(whole) + (".5" if abs(v) - whole == 0.5 else "")
    return "-" + text if v < 0 else text


def axis_range(y_min, y_max):
    """Whole units in quarters when the extremes lie more than 10 apart, half units in
    halves otherwise; only a small non-negative lower limit snaps to 0."""
    if y_max - y_min > 10:
        lo, hi = math.floor(y_min), math.floor(y_max) + 1
        if 0 <= lo < 4:
            lo = 0
        if ((hi - lo) / 4) != math.floor((hi - lo) / 4):
            hi = math.floor((hi - lo) / 4 + 1) * 4 + lo
    else:
        lo, hi = math.floor(2 * y_min) / 2, math.floor(2 * y_max) / 2 + 0.5
        if 0 <= lo < 2:
            lo = 0
        if ((hi - lo) / 2) != math.floor((hi - lo) / 2):
            hi = math.floor((hi - lo) / 2 + 1) * 2 + lo
    return axis_text(hi), axis_text(lo)


def year_figures(records, year, station, mode="1"):
    hours = defaultdict(list)
    for r in records:
        ts, v = r.get("timestamp", ""), r.get("value")
        if v is None or not ts.startswith("%04d-" % year) or v == -999:
            continue
        hours[(int(ts[5:7]), int(ts[8:10]))].append(float(v))

    days = [["" for _ in range(31)] for _ in range(12)]
    values = []
    for m in range(1, 13):
        for d in range(1, 32):
            vs = hours.get((m, d))
            if vs:
                text = two_decimals(sum(vs) / len(vs))
                days[m - 1][d - 1] = text
                values.append(float(text))

    stats = [0.0] * 7
    duration = []
    y_min, y_max = 999.0, -999.0
    if values:
        y_min, y_max = min(min(values), 999.0), max(max(values), -999.0)
        stats[0], stats[5] = y_max, y_min
        stats[6] = round2(sum(values) / len(values))
        ranked = sorted(values, reverse=True) + [-999.0]
        for slot, rank in ((1, 95), (2, 185), (3, 275), (4, 355)):
            if rank <= len(ranked):
                stats[slot] = ranked[rank - 1]
        for m in range(2, len(ranked) + 1):
            if ranked[m - 1] != ranked[m - 2]:
                duration.append([ranked[m - 2], m - 1])
    txt_max, txt_min = axis_range(y_min, y_max) if values else ("2", "0")
    return {"station": station, "year": year, "mode": mode, "result": True,
            "txtMax": txt_max, "txtMin": txt_min, "stats": stats,
            "duration": duration, "days": days}


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("hourly")
    p.add_argument("--year", type=int, default=2025)
    p.add_argument("--station", default="303011283322030")
    p.add_argument("--mode", default="1")
    p.add_argument("--out", default="-")
    a = p.parse_args()
    with open(a.hourly, encoding="utf-8") as f:
        records = json.load(f)["records"]
    text = json.dumps(year_figures(records, a.year, a.station, a.mode), ensure_ascii=False)
    if a.out == "-":
        print(text)
    else:
        with open(a.out, "w", encoding="utf-8") as f:
            f.write(text + "\n")


if __name__ == "__main__":
    sys.exit(main())
