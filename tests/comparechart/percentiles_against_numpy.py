#!/usr/bin/python3
"""Checks the chart's percentiles against numpy's linear method (Hyndman and Fan's
type 7) on random samples: small counts, ties, negative values, every p.

Usage: percentiles_against_numpy.py PROBE"""

import random
import subprocess
import sys

import numpy

rng = random.Random(20)
cases = []
for n in [1, 2, 3, 4, 5, 9, 10, 11, 29, 60]:
    for _ in range(20):
        values = [round(rng.uniform(-3, 900), rng.choice([0, 2])) for _ in range(n)]
        if rng.random() < 0.3:  # ties, as two-decimal daily values have
            values = [rng.choice(values) for _ in values]
        p = rng.choice([0.0, 0.1, 0.25, 0.5, 0.75, 0.9, 1.0, rng.random()])
        cases.append((p, values))

text = "".join(f"{p!r} " + " ".join(repr(v) for v in values) + "\n" for p, values in cases)
out = subprocess.run([sys.argv[1]], input=text, capture_output=True, text=True, check=True).stdout.splitlines()
if len(out) != len(cases):
    sys.exit(f"{len(out)} answers to {len(cases)} cases")

faults = 0
for (p, values), line in zip(cases, out):
    got = [float(x) for x in line.split()]
    want = [numpy.percentile(values, 100 * p, method="linear")]
    want += list(numpy.percentile(values, [0, 10, 25, 50, 75, 90, 100], method="linear"))
    for g, w in zip(got, want):
        if abs(g - w) > 1e-9 * max(1.0, abs(w)):
            print(f"p={p} values={values}: got {got}, numpy {want}")
            faults += 1
            break
print(f"{len(cases)} samples, {faults} differing from numpy")
sys.exit(1 if faults else 0)
