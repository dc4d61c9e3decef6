"""The record and the comparison chart give what `tellvane record` and `compare` give."""

import json
import math
import subprocess
import sys

import pandas as pd
import pytest

import tellvane
from conftest import MOSHIRI, NUKADA, SOURCE, cli


@pytest.fixture(scope="module")
def ten_years(tmp_path_factory):
    """Ten years of one station, with a few days missing in some years."""
    path = tmp_path_factory.mktemp("record") / "ten_years.csv"
    subprocess.run([sys.executable, SOURCE / "tools" / "make_record_csv.py", "--years", "2016-2025", "--out", path],
                   check=True)
    return path


def as_json_years(frame):
    """The frame's rows written back as the JSON's year objects."""
    def cell(value):
        if isinstance(value, pd.Timestamp):
            return value.strftime("%Y-%m-%d")
        if value is None or value is pd.NaT or (isinstance(value, float) and math.isnan(value)):
            return None
        return value.item() if hasattr(value, "item") else value

    return [{k: cell(v) for k, v in row.items()} for row in frame.to_dict("records")]


# (data, kind, allowed missing days): each a record compared with the tool's JSON.
RECORDS = [
    ("ten", None, 0),
    ("ten", "discharge", 5),  # unstated readings taken as discharge: runoff, drought10
    (MOSHIRI / "daily", "level", 0),
    (MOSHIRI / "daily", "discharge", 0),
    (NUKADA, None, 0),
]


@pytest.mark.parametrize("data,kind,allowed", RECORDS, ids=["ten", "ten-discharge-5", "daily-level",
                                                              "daily-discharge", "nukada"])
def test_record_equals_the_tools_json(ten_years, data, kind, allowed):
    data = ten_years if data == "ten" else data
    args = ["record", "--data", data, "--format", "json", "--allowed-missing-days", allowed]
    expected = json.loads(cli(*args, *(["--kind", kind] if kind else [])))
    frame = tellvane.read(data).record(kind=kind, allowed_missing_days=allowed)
    assert as_json_years(frame) == expected["years"]
    assert frame.attrs["period"] == expected["period"]
    assert (frame.attrs["station"], frame.attrs["kind"], frame.attrs["names"]) == (
        expected["station"], expected["kind"], expected["names"])
    assert frame["maxDate"].dtype.kind == "M" and frame["max"].dtype == "float64"


@pytest.mark.parametrize("data,year,kind", [("ten", 2021, None), (MOSHIRI / "daily", 2023, "discharge")],
                         ids=["ten-2021", "daily-discharge"])
def test_comparison_is_the_files_compare_writes(ten_years, tmp_path, data, year, kind):
    data = ten_years if data == "ten" else data
    args = ["--data", data, "--year", year, "--size", "800x600", "--out", tmp_path]
    png, pdf = cli("compare", *args, *(["--kind", kind] if kind else [])).split()
    comparison = tellvane.read(data).compare(year, kind=kind)
    assert comparison.png(800, 600) == open(png, "rb").read()
    comparison.save(tmp_path / "page.pdf")
    assert (tmp_path / "page.pdf").read_bytes() == open(pdf, "rb").read()


@pytest.mark.filterwarnings("ignore")
def test_a_year_compares_itself_with_its_files(ten_years):
    records = tellvane.read(ten_years)
    comparison = records.year(year=2019).compare()
    assert (comparison.year, comparison.kind) == (2019, "level")
    assert comparison._repr_png_() == records.compare(2019).png()


@pytest.mark.parametrize(
    "call,message",
    [
        (lambda: tellvane.read(MOSHIRI / "daily").record(), "kind="),
        (lambda: tellvane.read(NUKADA).record(station="nowhere"), "nowhere"),
        (lambda: tellvane.read(NUKADA).compare(1999), "1999"),
        (lambda: tellvane.read([NUKADA, MOSHIRI / "daily"]).compare(2025), "station="),
    ],
    ids=["kind-open", "unknown-station", "year-without-readings", "station-open"],
)
def test_open_or_empty_choices(call, message):
    with pytest.raises(tellvane.SelectionError, match=message):
        call()


def test_allowed_missing_days_is_checked():
    with pytest.raises(ValueError, match="allowed_missing_days"):
        tellvane.read(NUKADA).record(allowed_missing_days=400)
