"""The Python module's figures: Year.png(), Year.from_series of 8 760 hourly values,
and charts a second on 1 and 4 threads. Medians of CPU or wall time.

    PYTHONPATH=build/dev/python /usr/bin/python3 bench/python_bench.py
"""

import statistics
import time
import warnings
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

import numpy as np
import pandas as pd

import tellvane

warnings.simplefilter("ignore")
SAMPLE = Path(__file__).resolve().parents[1] / "samples" / "nukada_303011283322030_2025.csv"


def median_ms(call, repeat, clock=time.process_time):
    times = []
    for _ in range(repeat):
        start = clock()
        call()
        times.append((clock() - start) * 1e3)
    return statistics.median(times)


year = tellvane.read(SAMPLE).year()
print(f"Year.png() 1024x768: {median_ms(year.png, 60):.2f} ms CPU (median of 60)")

index = pd.date_range("2025-01-01 01:00", periods=8760, freq="h")
series = pd.Series(np.random.default_rng(1).normal(size=8760), index=index)
print(f"from_series 8760 values: {median_ms(lambda: tellvane.Year.from_series(series, '1', 'level'), 200):.2f} ms CPU")
aware = series.tz_localize("Asia/Tokyo")
print(f"from_series 8760 values, aware: {median_ms(lambda: tellvane.Year.from_series(aware, '1', 'level'), 200):.2f} ms CPU")


def rate(threads, charts=120):
    with ThreadPoolExecutor(max_workers=threads) as pool:
        start = time.perf_counter()
        list(pool.map(lambda _: year.png(), range(charts)))
        return charts / (time.perf_counter() - start)


one, four = rate(1), rate(4)
print(f"charts a second: 1 thread {one:.0f}, 4 threads {four:.0f} ({four / one:.2f}x)")

# The peer in the same run: work that releases the lock too (numpy's sort), to tell
# what the machine gives 4 threads from what the module does with them.
data = np.random.default_rng(0).random(300_000)


def sort_rate(threads, jobs=40):
    with ThreadPoolExecutor(max_workers=threads) as pool:
        start = time.perf_counter()
        list(pool.map(lambda _: np.sort(data, kind="mergesort"), range(jobs)))
        return jobs / (time.perf_counter() - start)


s1, s4 = sort_rate(1), sort_rate(4)
print(f"peer, numpy sorts a second: 1 thread {s1:.0f}, 4 threads {s4:.0f} ({s4 / s1:.2f}x)")
