#!/usr/bin/python3
"""Times Tellvane against the matplotlib peer on the same station-year, in one run.

What is timed, per chart:

- peer PNG / peer PDF: in this process, with matplotlib imported and the font object
  built beforehand; the clock covers building the figure from the year's figures
  (already loaded from JSON) and `savefig` to a file. Python start-up, imports and
  JSON loading are outside. A garbage collection runs before each timed call,
  outside the clock.
- peer raster: the same figure drawn onto its Agg canvas, without encoding a file.
- `tellvane render`: one process per chart, wall time from spawn to exit, so it
  includes process start-up, reading the data file, the year's assembly, drawing
  and writing both the PNG and the PDF. It is started by the small launcher
  spawn_measure (compiled here with g++), which takes the time around spawn and
  wait4() and reports the process's CPU time (user + system) and peak resident
  set size.
- Google Benchmark figures (optional, --bench-json): the medians the C++ benchmark
  executables report (real time and CPU time), read from their JSON output.

Wall time is the primary figure. CPU time is printed beside it because it is less
disturbed when other work shares the machine.

The sides alternate within each round, and the order flips every other round. One
warm-up round is run first and not counted. Medians are printed with the ratios
peer / Tellvane.
"""

import argparse
import csv
import gc
import glob
import json
import os
import re
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # no __pycache__ in the source tree

import annual_chart  # noqa: E402
import year_stats  # noqa: E402

FALLBACK_HOURLY = os.path.join(ROOT, "..", "shared", "data", "mlit_kuji_nukada_303011283322030",
                               "historical_hourly.json")


def find_tellvane(explicit):
    if explicit:
        return explicit if os.access(explicit, os.X_OK) else None
    for tree in ("build/bench", "build/release", "build"):
        path = os.path.join(ROOT, tree, "apps", "tellvane", "tellvane")
        if os.access(path, os.X_OK):
            return path
    return None


def find_sample():
    hits = sorted(f for f in glob.glob(os.path.join(ROOT, "samples", "*.csv"))
                  if os.path.basename(f) != "stations.csv")
    return hits[0] if hits else None


def find_catalogue():
    path = os.path.join(ROOT, "samples", "stations.csv")
    return path if os.path.exists(path) else None


def catalogue_names(path, station):
    """(water system, river, station name) of a station in the catalogue, or None."""
    if not path or not station:
        return None
    with open(path, encoding="utf-8") as f:
        rows = [line for line in f if line.strip() and not line.startswith("#")]
    for row in csv.DictReader(rows):
        if row.get("station") == str(station):
            return row.get("water_system", ""), row.get("river", ""), row.get("name", "")
    return None


def year_figures(args, tellvane):
    """The year's figures the peer draws, and where they came from."""
    if args.stats:
        with open(args.stats, encoding="utf-8") as f:
            return json.load(f), args.stats
    if tellvane and args.data:
        cmd = [tellvane, "stats", "--data", args.data] + render_selection(args)
        out = subprocess.run(cmd, check=True, capture_output=True, text=True).stdout
        return json.loads(out), " ".join(cmd)
    with open(args.hourly, encoding="utf-8") as f:
        records = json.load(f)["records"]
    year = args.year or 2025
    return year_stats.year_figures(records, year, args.station or "303011283322030"), \
        "year_stats.py on " + os.path.relpath(args.hourly, ROOT)


def render_selection(args):
    sel = ["--stations", args.stations] if args.stations else []
    if args.station:
        sel += ["--station", args.station]
    if args.year:
        sel += ["--year", str(args.year)]
    return sel


class Peer:
    def __init__(self, year, width, height, names, outdir):
        self.year, self.width, self.height, self.names = year, width, height, names
        self.fonts = annual_chart.Fonts()
        self.outdir = outdir

    def _timed(self, action):
        """(wall, CPU) seconds of one call."""
        gc.collect()
        w0, c0 = time.perf_counter(), time.process_time()
        action()
        return time.perf_counter() - w0, time.process_time() - c0

    def chart(self):
        return annual_chart.draw_chart(self.year, self.width, self.height, self.names, self.fonts)

    def png(self):
        path = os.path.join(self.outdir, "peer.png")
        return self._timed(lambda: annual_chart.save(self.chart(), path))

    def pdf(self):
        path = os.path.join(self.outdir, "peer.pdf")
        return self._timed(lambda: annual_chart.save(self.chart(), path))

    def raster(self):
        return self._timed(lambda: self.chart().canvas.draw())


def has_render(tellvane):
    """Whether the tool's help lists a render command."""
    probe = subprocess.run([tellvane, "--help"], capture_output=True, text=True)
    return re.search(r"^\s+render\b", probe.stdout + probe.stderr, re.M) is not None


def build_launcher(workdir):
    """Compiles spawn_measure.cpp; None when no C++ compiler is at hand."""
    compiler = shutil.which("g++") or shutil.which("c++")
    if not compiler:
        return None
    exe = os.path.join(workdir, "spawn_measure")
    subprocess.run([compiler, "-O2", "-o", exe, os.path.join(HERE, "spawn_measure.cpp")], check=True)
    return exe


def run_tellvane(cmd, launcher):
    """(wall, CPU) seconds and peak RSS (bytes) of one `tellvane render`; CPU and RSS
    are None without the launcher."""
    if launcher:
        proc = subprocess.run([launcher] + cmd, capture_output=True, text=True)
        fields = proc.stdout.split()
        if proc.returncode != 0 or len(fields) != 4 or fields[3] != "0":
            raise SystemExit("tellvane render failed: %s\n%s%s" % (" ".join(cmd), proc.stdout, proc.stderr))
        return (float(fields[0]), float(fields[1])), int(fields[2]) * 1024
    t0 = time.perf_counter()
    proc = subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    elapsed = time.perf_counter() - t0
    if proc.returncode != 0:
        raise SystemExit("tellvane render failed (%d): %s\n%s" % (proc.returncode, " ".join(cmd), proc.stderr))
    return (elapsed, None), None


def google_benchmark_medians(paths):
    """{benchmark name: (median real time, median CPU time) in ms} from Google
    Benchmark JSON files."""
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
    medians, plain = {}, {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            data = json.load(f)
        for b in data.get("benchmarks", []):
            unit = scale[b.get("time_unit", "ns")]
            ms = (b["real_time"] * unit, b["cpu_time"] * unit)
            if b.get("run_type") == "aggregate":
                if b.get("aggregate_name") == "median":
                    medians[b["run_name"]] = ms
            else:
                plain.setdefault(b.get("run_name", b["name"]), []).append(ms)
    for name, runs in plain.items():
        medians.setdefault(name, (statistics.median(r for r, _ in runs), statistics.median(c for _, c in runs)))
    return medians


def same_size(name, width):
    """False for a benchmark whose name carries a chart width other than ours
    (BM_DrawGraph/1920/1080 at 1024 × 768); names without sizes pass."""
    numbers = re.findall(r"(?<![0-9])[0-9]{3,4}(?![0-9])", name)
    return not numbers or str(width) in numbers


def fmt_ms(seconds_or_ms, already_ms=False):
    if seconds_or_ms is None:
        return "–"
    ms = seconds_or_ms if already_ms else seconds_or_ms * 1e3
    if ms < 1:
        return "%.1f µs" % (ms * 1e3)
    return "%.2f ms" % ms if ms < 10 else "%.1f ms" % ms


def load_note():
    one, five, _ = os.getloadavg()
    return "load %.2f / %.2f (1 / 5 min)" % (one, five)


def main(argv=None):
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--tellvane", help="the tellvane executable (default: found in build/bench, build/release, build)")
    p.add_argument("--data", help="data file for tellvane (default: the first samples/*.csv)")
    p.add_argument("--stations", help="station catalogue for tellvane and the peer's names "
                   "(default: samples/stations.csv)")
    p.add_argument("--station")
    p.add_argument("--year", type=int)
    p.add_argument("--stats", help="year's figures for the peer, instead of `tellvane stats`")
    p.add_argument("--hourly", default=FALLBACK_HOURLY,
                   help="hourly JSON records used when neither --stats nor tellvane is available")
    p.add_argument("--size", default="1024x768", type=annual_chart.parse_size)
    p.add_argument("--names", help="water system, river, station for the peer's captions "
                   "(default: from the catalogue, else 久慈川,久慈川,額田)")
    p.add_argument("--rounds", type=int, default=20)
    p.add_argument("--bench-json", nargs="*", default=[], help="Google Benchmark JSON output files")
    p.add_argument("--png-bench", default=r"(?i)ChartToPng",
                   help="regex: C++ benchmarks of the chart drawn and written as PNG, compared with peer PNG")
    p.add_argument("--pdf-bench", default=r"(?i)pdf|NenzuSakuzu", help="regex: C++ benchmarks compared with peer PDF")
    p.add_argument("--raster-bench", default=r"(?i)DrawGraph",
                   help="regex: C++ benchmarks compared with the peer's raster drawing")
    p.add_argument("--render-bench", default=r"(?i)render",
                   help="regex: C++ benchmarks of the whole render, compared with peer PNG + PDF")
    p.add_argument("--keep", help="keep the last charts of both sides in this directory")
    a = p.parse_args(argv)
    if a.rounds < 1:
        p.error("--rounds must be at least 1")

    width, height = a.size
    tellvane = find_tellvane(a.tellvane)
    if a.data is None:
        a.data = find_sample()
    if a.stations is None:
        a.stations = find_catalogue()
    year, source = year_figures(a, tellvane)
    if a.names is not None:
        names = tuple((a.names.split(",") + ["", "", ""])[:3])
    else:
        names = catalogue_names(a.stations, year.get("station")) or ("久慈川", "久慈川", "額田")
    work = tempfile.mkdtemp(prefix="tellvane-peer-")
    peer = Peer(year, width, height, names, work)
    render_cmd = launcher = None
    render_note = "not built or no sample data: not timed"
    if tellvane and a.data and not has_render(tellvane):
        render_note = tellvane + " has no render command: not timed"
    elif tellvane and a.data:
        launcher = build_launcher(work)
        render_cmd = [tellvane, "render", "--data", a.data] + render_selection(a) + \
            ["--size", "%dx%d" % (width, height), "--out", os.path.join(work, "tellvane")]

    print("Peer comparison: station %s, year %s, %d × %d pixels, %d rounds (+1 warm-up)"
          % (year.get("station"), year.get("year"), width, height, a.rounds))
    print("  peer input:  " + source)
    print("  peer:        matplotlib %s (Agg), Python %s" % (annual_chart.matplotlib.__version__,
                                                            sys.version.split()[0]))
    print("  tellvane:    " + (" ".join(render_cmd) if render_cmd else render_note))
    print("  machine:     %d cores, %s at start" % (os.cpu_count(), load_note()))

    times = {"png": [], "pdf": [], "raster": [], "render": []}  # (wall, CPU) seconds per round
    rss = []
    steps = [("png", peer.png), ("pdf", peer.pdf), ("raster", peer.raster)]
    if render_cmd:
        steps.append(("render", lambda: run_tellvane(render_cmd, launcher)))
    for r in range(a.rounds + 1):
        order = steps if r % 2 == 0 else list(reversed(steps))
        for key, action in order:
            result = action()
            if key == "render":
                result, peak = result
                if r and peak is not None:
                    rss.append(peak)
            if r:
                times[key].append(result)
    times["both"] = [(p[0] + q[0], p[1] + q[1]) for p, q in zip(times["png"], times["pdf"])]

    def median_of(key, i):
        values = [t[i] for t in times[key] if t[i] is not None]
        return statistics.median(values) if values else None

    wall = {k: median_of(k, 0) for k in times if times[k]}
    cpu = {k: median_of(k, 1) for k in times if times[k]}
    print("  load at end: " + load_note())
    print("  peer peak RSS (this process): %.1f MB"
          % (resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024))
    print()
    print("| what | median wall | median CPU | min wall | max wall |")
    print("|---|---|---|---|---|")
    labels = {"png": "peer: figure + savefig PNG", "pdf": "peer: figure + savefig PDF",
              "both": "peer: PNG + PDF, same round", "raster": "peer: figure + Agg draw, no file",
              "render": "tellvane render (PNG + PDF, whole process)"}
    for k in ("png", "pdf", "both", "raster", "render"):
        if times[k]:
            walls = [t[0] for t in times[k]]
            print("| %s | %s | %s | %s | %s |" % (labels[k], fmt_ms(wall[k]), fmt_ms(cpu[k]),
                                                  fmt_ms(min(walls)), fmt_ms(max(walls))))
    if rss:
        print()
        print("tellvane render peak RSS: median %.1f MB, max %.1f MB"
              % (statistics.median(rss) / 2**20, max(rss) / 2**20))

    def ratio(p, t):
        return "%.1f ×" % (p / t) if p is not None and t else "–"

    print()
    print("| ratio (peer / tellvane) | peer wall | tellvane wall | ratio, wall | ratio, CPU |")
    print("|---|---|---|---|---|")
    rows = 0
    if "render" in wall:
        for key in ("png", "pdf", "both"):
            rows += 1
            print("| peer %s / render (PNG + PDF) | %s | %s | %s | %s |"
                  % (labels[key].split(": ")[1].replace("figure + savefig ", "").replace(", same round", ""),
                     fmt_ms(wall[key]), fmt_ms(wall["render"]), ratio(wall[key], wall["render"]),
                     ratio(cpu[key], cpu["render"])))
    bench = google_benchmark_medians(a.bench_json)
    pairs = (("PNG", "png", a.png_bench), ("PDF", "pdf", a.pdf_bench), ("raster", "raster", a.raster_bench),
             ("PNG + PDF", "both", a.render_bench))
    for label, key, pattern in pairs:
        for name, (real_ms, cpu_ms) in sorted(bench.items()):
            if re.search(pattern, name) and same_size(name, width):
                rows += 1
                print("| peer %s / %s | %s | %s | %s | %s |"
                      % (label, name, fmt_ms(wall[key]), fmt_ms(real_ms, True),
                         ratio(wall[key] * 1e3, real_ms), ratio(cpu[key] * 1e3, cpu_ms)))
    if not rows:
        print("| (no Tellvane figure to compare with: no render command, no matching C++ benchmark) | | | | |")
    if bench:
        print()
        print("| C++ benchmark | median real time | median CPU time |")
        print("|---|---|---|")
        for name, (real_ms, cpu_ms) in bench.items():
            print("| %s | %s | %s |" % (name, fmt_ms(real_ms, True), fmt_ms(cpu_ms, True)))

    if a.keep:
        os.makedirs(a.keep, exist_ok=True)
        for f in ("peer.png", "peer.pdf"):
            shutil.copy(os.path.join(work, f), os.path.join(a.keep, f))
        if render_cmd:
            for f in glob.glob(os.path.join(work, "tellvane", "*")):
                shutil.copy(f, a.keep)
    shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
