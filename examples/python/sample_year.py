"""Reads the sample year of 額田, prints its characteristic values and saves its
chart and plotted page.

    PYTHONPATH=build/dev/python /usr/bin/python3 examples/python/sample_year.py [OUT]
"""

import sys
from pathlib import Path

import tellvane

SAMPLE = Path(__file__).resolve().parents[2] / "samples" / "nukada_303011283322030_2025.csv"
NAMES = ["最高", "豊水", "平水", "低水", "渇水", "最低", "平均"]

out = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
year = tellvane.read(SAMPLE).year()
print(year)
for name, value in zip(NAMES, year.stats["stats"]):
    print(f"{name}\t{value}")
year.save(out / f"{year.station}_{year.year}.png")
year.save(out / f"{year.station}_{year.year}.pdf")
