"""The module gives what the command line gives, byte for byte."""

import pytest

import tellvane
from conftest import SAMPLE_YEARS, cli, cli_args, cli_stats


def year_of(data, kind):
    return tellvane.read(data).year(kind=kind)


@pytest.mark.filterwarnings("ignore")
@pytest.mark.parametrize("data,kind", SAMPLE_YEARS)
def test_stats_equal_the_tools_json(data, kind):
    assert year_of(data, kind).stats == cli_stats(data, kind)


@pytest.mark.filterwarnings("ignore")
@pytest.mark.parametrize("data,kind", SAMPLE_YEARS)
def test_png_and_pdf_are_the_files_render_writes(data, kind, tmp_path):
    png, pdf = cli("render", *cli_args(data, kind), "--out", tmp_path).split()
    year = year_of(data, kind)
    assert year.png() == open(png, "rb").read()
    year.save(tmp_path / "page.pdf")
    assert (tmp_path / "page.pdf").read_bytes() == open(pdf, "rb").read()


@pytest.mark.filterwarnings("ignore")
@pytest.mark.parametrize("plot", [False, True])
def test_trace_is_the_tools_trace(plot):
    data, kind = SAMPLE_YEARS[0].values
    flags = ["--plot"] if plot else []
    assert tellvane.read(data).year().trace(plot=plot) == cli("trace", *cli_args(data, kind), *flags).splitlines()


def test_png_size_and_svg_page(tmp_path):
    year = year_of(*SAMPLE_YEARS[0].values)
    png = year.png(640, 480)
    assert png[:8] == b"\x89PNG\r\n\x1a\n"
    assert int.from_bytes(png[16:20], "big") == 640 and int.from_bytes(png[20:24], "big") == 480
    year.save(tmp_path / "page.svg")
    assert (tmp_path / "page.svg").read_bytes().lstrip().startswith(b"<")
    assert year._repr_png_() == year.png()


def test_daily_and_duration_follow_the_stats():
    year = year_of(*SAMPLE_YEARS[0].values)
    daily, stats = year.daily, year.stats
    assert len(daily) == 365 and daily.notna().sum() == stats["daysWithData"]
    assert daily.max() == stats["stats"][0]
    duration = year.duration
    assert list(duration.columns) == ["value", "days"]
    assert duration["value"].iloc[0] == daily.max() and duration["value"].is_monotonic_decreasing
