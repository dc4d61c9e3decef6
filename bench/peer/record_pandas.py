"""The peer of `tellvane record`: the per-year 流況 table of an hourly CSV with
pandas (daily means in two decimals, max/min with their first dates, the 95th,
185th, 275th and 355th largest daily values, mean, days, hours, runoff), timed in
the process after the imports. Prints the wall and CPU seconds, then the table's row count."""
import sys
import time

import numpy as np
import pandas as pd

start, cpu = time.perf_counter(), time.process_time()
frame = pd.read_csv(sys.argv[1], dtype={"station": str})
hours = frame.iloc[:, 2:]
daily = pd.DataFrame({"date": pd.to_datetime(frame["date"]), "mean": hours.mean(axis=1).round(2),
                      "hours": hours.notna().sum(axis=1)})
daily["year"] = daily["date"].dt.year
rows = []
for year, g in daily.groupby("year"):
    values = g["mean"].dropna()
    ranked = np.sort(values.to_numpy())[::-1]
    rank = lambda r: ranked[r - 1] if len(ranked) >= r else None
    rows.append({"year": year, "max": values.max(), "maxDate": g.loc[values.idxmax(), "date"],
                 "high": rank(95), "normal": rank(185), "low": rank(275), "drought": rank(355),
                 "min": values.min(), "minDate": g.loc[values.idxmin(), "date"], "mean": round(values.mean(), 2),
                 "days": len(values), "hours": int(g["hours"].sum()), "runoff": values.sum() * 86400 / 1e6})
table = pd.DataFrame(rows)
print(f"{time.perf_counter() - start:.4f} {time.process_time() - cpu:.4f}")
print(len(table))
