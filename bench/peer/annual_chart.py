#!/usr/bin/python3
"""The annual chart of daily values drawn with matplotlib, as a speed peer.

It draws the same picture as Tellvane's screen chart from the year's figures in the
shape `tellvane stats` prints (daily texts, seven characteristic values, duration
table, axis range), at the same pixel size and in the same pixel coordinates:
daily bars and step line, duration staircase, frame, 21 value rules with their
labels, 35 month and third-of-month rules with the month labels, the captions and
the statistics box. Japanese texts use IPA Gothic.

    annual_chart.py STATS.json [--size 1024x768] [--out DIR] [--names 水系,河川,観測所]

writes DIR/NO_YYYY-peer.png and DIR/NO_YYYY-peer.pdf.
"""

import argparse
import json
import os
import re
import sys

import matplotlib

matplotlib.use("Agg")

from matplotlib.collections import LineCollection, PolyCollection  # noqa: E402
from matplotlib.figure import Figure  # noqa: E402
from matplotlib.font_manager import FontProperties  # noqa: E402
from matplotlib.patches import Rectangle  # noqa: E402

FONT_FILE = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"

# Screen pixels are 1/96 inch, so a 10-point text is 13⅓ pixels high, as on screen.
DPI = 96

# The 16-colour palette, as RGB fractions.
GREEN = (0, 128 / 255, 0)
MAGENTA = (128 / 255, 0, 128 / 255)
GREY = (128 / 255, 128 / 255, 128 / 255)
LIGHT_RED = (1, 0, 0)
LIGHT_MAGENTA = (1, 0, 1)
WHITE = (1, 1, 1)

PX = 72 / DPI  # one pixel in points, for line widths
DOTTED = (0, (1, 1))  # one pixel on, one off (in line-width units)

LEVEL_LABELS = ["最大水位　", "豊　水　位", "平　水　位", "低　水　位", "渇　水　位", "最小水位　", "年平均水位"]
FLOW_LABELS = ["最大流量　", "豊　流　量", "平　流　量", "低　流　量", "渇　流　量", "最小流量　", "年平均流量"]

_LEADING_NUMBER = re.compile(r"\s*([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?)")


def leading_number(text):
    """The decimal number a text begins with; 0 when it begins with none."""
    m = _LEADING_NUMBER.match(text or "")
    return float(m.group(1)) if m else 0.0


def round2(x):
    s = (x > 0) - (x < 0)
    return round((s * 0.0001 + x) * 100) / 100


def two_decimals(x):
    """The "0.00" form: two decimals, halves away from zero."""
    return "%.2f" % round2(x)


class Fonts:
    """The font objects, built once per process (as a program would keep them)."""

    def __init__(self, path=FONT_FILE):
        self.normal = FontProperties(fname=path, size=10)
        self.title = FontProperties(fname=path, size=16, weight="bold")


def draw_chart(year, width=1024, height=768, names=("", "", ""), fonts=None):
    """Builds the chart of one year as a matplotlib Figure of width × height pixels."""
    fonts = fonts or Fonts()
    fig = Figure(figsize=(width / DPI, height / DPI), dpi=DPI, facecolor="white")
    ax = fig.add_axes((0, 0, 1, 1))
    ax.set_axis_off()
    ax.set_xlim(0, width)
    ax.set_ylim(height, 0)  # pixel coordinates, origin top left, y downwards

    flow = year.get("mode") == "7"
    vmax = leading_number(year.get("txtMax", ""))
    vmin = leading_number(year.get("txtMin", ""))
    yb = round(height - 20)  # round() ties to even
    wp = round(width - 40)
    hp = round(height - 80)
    vq = (vmax - vmin) / 4
    pq = round(hp / 4)
    pm = round(wp / 12)
    slot = pm / 31

    def y_of(v):
        return yb - (v - vmin) * pq / vq

    def text(x, y, s, font=fonts.normal, colour=MAGENTA):
        ax.text(x, y, s, fontproperties=font, color=colour, ha="left", va="top")

    # Daily bars and step line.
    bars, steps = [], []
    prev_y = 0.0
    for m, month in enumerate(year["days"][:12]):
        for d, cell in enumerate(month[:31]):
            if cell == "":
                continue
            x = 30 + m * pm + d * slot
            y = y_of(leading_number(cell))
            x1, x2, y2 = x + 1, x + slot - 1, yb - 2
            bars.append(((x1, y), (x2, y), (x2, y2), (x1, y2)))
            if prev_y != 0:
                steps.append(((x, prev_y), (x, y)))
            steps.append(((x, y), (x + slot, y)))
            prev_y = y
    ax.add_collection(PolyCollection(bars, facecolors=LIGHT_RED, edgecolors=LIGHT_RED, linewidths=PX))
    ax.add_collection(LineCollection(steps, colors=MAGENTA, linewidths=PX))

    # Duration staircase.
    stairs = []
    prev_x, prev_y = 30.0, 0.0
    for i, (value, days) in enumerate(year.get("duration", [])):
        if days <= 0:
            break
        x, y = 30 + days * pm / 31, y_of(value)
        if i > 0:
            stairs.append(((prev_x, prev_y), (prev_x, y)))
        stairs.append(((prev_x, y), (x, y)))
        prev_x, prev_y = x, y
    ax.add_collection(LineCollection(stairs, colors=GREEN, linewidths=PX))

    # Frame, two pixels wide.
    ax.add_patch(Rectangle((30, yb - hp), wp, hp, fill=False, edgecolor=GREY, linewidth=2 * PX))

    # Value rules and labels.
    solid, dotted = [], []
    for k in range(21):
        y = yb - pq * k / 5
        if k % 5 == 0:
            text(5, y - 6, two_decimals(vmin + (k // 5) * vq))
        if 0 < k < 20:
            (solid if k % 5 == 0 else dotted).append(((30, y), (30 + wp, y)))

    # Month and third-of-month rules, month labels.
    for j in range(1, 37):
        x = 30 + pm * j / 3
        if j % 3 == 0:
            text(x - pm / 2 - 10, yb + 4, "%d月" % (j // 3))
        if j < 36:
            (solid if j % 3 == 0 else dotted).append(((x, yb), (x, yb - hp)))
    ax.add_collection(LineCollection(solid, colors=GREY, linewidths=PX))
    ax.add_collection(LineCollection(dotted, colors=GREY, linewidths=PX, linestyles=[DOTTED]))

    # Captions.
    station = str(year.get("station", ""))
    seireki = int(year.get("year", 0) or 0)
    suikei, kasen, kansokujo = names
    if width > 500:
        text(40, 20, "観測所番号 ： " + station)
    text(40, 40, "水系名 ： " + suikei + "　　河川名 ： " + kasen + "　　観測所名 ： " + kansokujo)
    if seireki != 0 and width > 500:
        text(30 + wp - 125, 40, "平成 %d 年  ( %d )" % (seireki - 1988, seireki))
    text(wp / 2 + 30 - 90, 10, "日　流　量　年　図" if flow else "日　水　位　年　図", fonts.title, LIGHT_MAGENTA)
    text(10, yb - 50, "↑", colour=LIGHT_MAGENTA)
    text(10, yb - 35, "流" if flow else "水", colour=LIGHT_MAGENTA)
    text(10, yb - 20, "量" if flow else "位", colour=LIGHT_MAGENTA)

    # Statistics box: white, outlined in grey, over everything drawn before.
    left, right = 30 + wp - 155, 30 + wp - 42
    ax.add_patch(Rectangle((left, 62), right - left, 170 - 62, facecolor=WHITE, edgecolor=GREY,
                           linewidth=PX, zorder=3))
    labels = FLOW_LABELS if flow else LEVEL_LABELS
    stats = list(year.get("stats", [])) + [0.0] * 7
    for k in range(7):
        ax.text(30 + wp - 150, 15 * (k + 1) + 50, labels[k] + " ： " + two_decimals(stats[k]),
                fontproperties=fonts.normal, color=LIGHT_MAGENTA, ha="left", va="top", zorder=4)
    return fig


def save(fig, path):
    """Writes the figure as PNG or PDF (by the file's extension) at its own pixel size."""
    fig.savefig(path, dpi=DPI, facecolor="white")


def parse_size(text):
    w, h = text.lower().split("x")
    return int(w), int(h)


def main(argv=None):
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("stats", help="the year's figures, as `tellvane stats` prints them")
    p.add_argument("--size", default="1024x768", type=parse_size)
    p.add_argument("--out", default=".")
    p.add_argument("--names", default="久慈川,久慈川,額田", help="water system, river, station")
    a = p.parse_args(argv)
    with open(a.stats, encoding="utf-8") as f:
        year = json.load(f)
    names = tuple((a.names.split(",") + ["", "", ""])[:3])
    os.makedirs(a.out, exist_ok=True)
    stem = os.path.join(a.out, "%s_%s-peer" % (year.get("station", ""), year.get("year", "")))
    fonts = Fonts()
    for ext in ("png", "pdf"):
        save(draw_chart(year, *a.size, names=names, fonts=fonts), stem + "." + ext)
        print(stem + "." + ext)


if __name__ == "__main__":
    sys.exit(main())
