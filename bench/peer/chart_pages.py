#!/usr/bin/python3
"""The yearbook's peer: matplotlib's PdfPages writing only the chart pages.

It draws the annual chart of annual_chart.py (daily step line, duration staircase,
grid, Japanese texts in IPA Gothic) on A3 pages, one page per station-year, into
one PDF, and prints the pages a second it managed.

    chart_pages.py STATS.json PAGES OUT.pdf
"""

import json
import sys
import time

from matplotlib.backends.backend_pdf import PdfPages

from annual_chart import Fonts, draw_chart

# A3 landscape at the peer's 96 pixels to the inch.
A3 = (1587, 1123)


def main(argv):
    stats_file, pages, out = argv[1], int(argv[2]), argv[3]
    with open(stats_file, encoding="utf-8") as f:
        year = json.load(f)
    fonts = Fonts()
    start, cpu = time.perf_counter(), time.process_time()
    with PdfPages(out) as pdf:
        for _ in range(pages):
            fig = draw_chart(year, A3[0], A3[1], fonts=fonts)
            pdf.savefig(fig)
    seconds, cpu = time.perf_counter() - start, time.process_time() - cpu
    print(f"peer: {pages} chart pages in {seconds:.2f} s: {pages / seconds:.1f} a second; "
          f"{cpu:.2f} s CPU: {pages / cpu:.1f} a CPU second")


if __name__ == "__main__":
    main(sys.argv)
