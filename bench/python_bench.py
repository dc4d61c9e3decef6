"""The Python module's figures beside the C++ they wrap, in the same run:

- Year.png() of the sample year (CPU, median) against BM_YearPng/threads:1 of
  tellvane_bench_year_outputs, the same chart from the same files without Python;
- Year.from_series of 8 760 hourly values, naive and aware index (CPU, median);
- charts a second on 1 and on 4 threads of a ThreadPoolExecutor (wall), in
  alternating pairs, with each worker's share of its wall time spent running,
  ready without a CPU ("runnable": the machine's other work) and asleep
  ("blocked": the interpreter's lock, a queue, any other lock), from
  /proc/<pid>/task/<tid>/schedstat, and the machine's idle share meanwhile;
- a peer that also releases the lock (numpy's merge sort), 1 and 4 threads.

    PYTHONPATH=build/dev/python /usr/bin/python3 bench/python_bench.py [--pairs 5]
        [--cpp build/dev/bench/tellvane_bench_year_outputs]
"""

import argparse
import json
import os
import statistics
import subprocess
import threading
import time
import warnings
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

import numpy as np
import pandas as pd

import tellvane

warnings.simplefilter("ignore")
SOURCE = Path(__file__).resolve().parents[1]
SAMPLE = SOURCE / "samples" / "nukada_303011283322030_2025.csv"


def median_ms(call, repeat, clock=time.process_time):
    times = []
    for _ in range(repeat):
        start = clock()
        call()
        times.append((clock() - start) * 1e3)
    return statistics.median(times)


def cpp_year_png_ms(program):
    """BM_YearPng on one thread: CPU ms per chart, median of 5 repetitions."""
    done = subprocess.run([program, "--benchmark_filter=BM_YearPng/real_time/threads:1$",
                           "--benchmark_repetitions=5", "--benchmark_format=json"],
                          capture_output=True, check=True, text=True)
    runs = [b for b in json.loads(done.stdout)["benchmarks"] if b.get("run_type") == "iteration"]
    return statistics.median(b["cpu_time"] for b in runs)


def machine_idle():
    """Idle and all jiffies of the machine so far."""
    fields = list(map(int, open("/proc/stat").readline().split()[1:]))
    return fields[3] + fields[4], sum(fields)


def schedstat(tid):
    ran, waited, _ = map(int, open(f"/proc/self/task/{tid}/schedstat").read().split())
    return ran, waited


def chart_rate(year, threads, charts):
    """Charts a second, and the workers' shares of running, runnable and blocked."""
    tids = set()

    def job(_):
        tids.add(threading.get_native_id())
        return year.png()

    with ThreadPoolExecutor(max_workers=threads) as pool:
        list(pool.map(job, range(2 * threads)))  # the workers started and warm
        before = {t: schedstat(t) for t in tids}
        idle0, all0 = machine_idle()
        start = time.perf_counter()
        list(pool.map(job, range(charts)))
        wall = time.perf_counter() - start
        idle1, all1 = machine_idle()
        after = {t: schedstat(t) for t in tids}
    ran = sum(after[t][0] - before[t][0] for t in tids) / 1e9 / wall / len(tids)
    runnable = sum(after[t][1] - before[t][1] for t in tids) / 1e9 / wall / len(tids)
    return charts / wall, ran, runnable, 1 - ran - runnable, (idle1 - idle0) / max(1, all1 - all0)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pairs", type=int, default=5)
    parser.add_argument("--charts", type=int, default=200)
    parser.add_argument("--cpp", default=str(SOURCE / "build" / "dev" / "bench" / "tellvane_bench_year_outputs"))
    args = parser.parse_args()
    print(f"load average {os.getloadavg()[0]:.2f} {os.getloadavg()[1]:.2f} {os.getloadavg()[2]:.2f}")

    year = tellvane.read(SAMPLE).year()
    for _ in range(3):
        if os.path.exists(args.cpp):
            cpp = cpp_year_png_ms(args.cpp)
        else:
            cpp = float("nan")
        py = median_ms(year.png, 60)
        print(f"Year.png() 1024x768: {py:.2f} ms CPU; C++ BM_YearPng {cpp:.2f} ms CPU; ratio {py / cpp:.2f}")

    index = pd.date_range("2025-01-01 01:00", periods=8760, freq="h")
    series = pd.Series(np.random.default_rng(1).normal(size=8760), index=index)
    aware = series.tz_localize("Asia/Tokyo")
    # Full-precision values are the worst case (17 digits each); the agency's have two decimals.
    levels = pd.Series(np.round(1.5 + 0.3 * series.to_numpy(), 2), index=index)
    naive_ms = median_ms(lambda: tellvane.Year.from_series(series, "1", "level"), 200)
    aware_ms = median_ms(lambda: tellvane.Year.from_series(aware, "1", "level"), 200)
    levels_ms = median_ms(lambda: tellvane.Year.from_series(levels, "1", "level"), 200)
    print(f"from_series 8760 values: {naive_ms:.2f} ms CPU naive, {aware_ms:.2f} ms CPU aware, "
          f"{levels_ms:.2f} ms CPU naive with two decimals")

    for _ in range(args.pairs):
        one, four = chart_rate(year, 1, args.charts), chart_rate(year, 4, args.charts)
        for threads, (rate, ran, runnable, blocked, idle) in ((1, one), (4, four)):
            print(f"  {threads} thread(s): {rate:4.0f} charts/s; each worker ran {ran:4.0%}, runnable {runnable:4.0%}, "
                  f"blocked {blocked:4.0%}; machine idle {idle:4.0%}")
        print(f"charts a second, 4 threads against 1: {four[0] / one[0]:.2f}x "
              f"(CPU the process got: {one[1]:.2f} and {4 * four[1]:.2f} cores)")

    data = np.random.default_rng(0).random(300_000)

    def sort_rate(threads, jobs=40):
        with ThreadPoolExecutor(max_workers=threads) as pool:
            start = time.perf_counter()
            list(pool.map(lambda _: np.sort(data, kind="mergesort"), range(jobs)))
            return jobs / (time.perf_counter() - start)

    s1, s4 = sort_rate(1), sort_rate(4)
    print(f"peer, numpy sorts a second: 1 thread {s1:.0f}, 4 threads {s4:.0f} ({s4 / s1:.2f}x)")


if __name__ == "__main__":
    main()
