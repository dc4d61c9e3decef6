"""Bad input and open choices are Python exceptions naming the place, never a crash."""

import os

import pytest

import tellvane
from conftest import MOSHIRI, NUKADA


def test_input_error_names_file_and_line(tmp_path):
    bad = tmp_path / "bad.csv"
    bad.write_text("station,date," + ",".join(map(str, range(1, 25))) + "\n1,2024-01-01," + "x," * 23 + "1\n")
    with pytest.raises(tellvane.InputError) as caught:
        tellvane.read(bad)
    assert caught.value.path == str(bad) and caught.value.line == 2
    assert str(bad) in str(caught.value) and isinstance(caught.value, ValueError)


@pytest.mark.parametrize(
    "paths,choice,message",
    [
        ([MOSHIRI / "daily"], {}, "kind="),
        ([NUKADA], {"year": 1999}, "1999"),
        ([NUKADA], {"station": "nowhere"}, "nowhere"),
    ],
    ids=["kind-open", "year-without-readings", "unknown-station"],
)
def test_selection_errors(paths, choice, message):
    with pytest.raises(tellvane.SelectionError, match=message):
        tellvane.read(paths).year(**choice)


@pytest.mark.parametrize(
    "call,error",
    [
        (lambda: tellvane.read("/nonexistent/data"), tellvane.InputError),
        (lambda: tellvane.read(NUKADA).year(kind="rain"), ValueError),
        (lambda: tellvane.read(NUKADA).year().png(0, 10), ValueError),
        (lambda: tellvane.read(NUKADA).year().save("chart.gif"), ValueError),
    ],
    ids=["missing-path", "bad-kind", "empty-size", "unknown-extension"],
)
def test_other_refusals(call, error):
    with pytest.raises(error):
        call()


def test_stations_list():
    (entry,) = tellvane.read(NUKADA).stations
    assert entry["station"] == "303011283322030" and entry["years"] == [2025] and entry["kinds"] == [""]  # the CSV does not say


@pytest.mark.filterwarnings("ignore")
def test_a_pen_beyond_16_bits_fails_the_page_with_overflow(tmp_path, monkeypatch):
    settings = tmp_path / "Tellvane" / "BRACKENLY.ini"
    settings.parent.mkdir()
    settings.write_text("[SETTING]\nHougan1Pen=70000\n")
    monkeypatch.setenv("XDG_CONFIG_HOME", str(tmp_path))
    year = tellvane.read(NUKADA).year()
    with pytest.raises(tellvane.ControlError) as caught:
        year.save(tmp_path / "page.pdf")
    assert caught.value.number == 6 and "run-time error 6" in str(caught.value)
    assert not (tmp_path / "page.pdf").exists()
    assert year.png()  # the chart reads no pens


@pytest.mark.parametrize("make", [os.mkdir, os.mkfifo], ids=["folder", "fifo"])
def test_save_refuses_what_is_no_file_and_keeps_what_was(tmp_path, make):
    year = tellvane.read(NUKADA).year()
    make(tmp_path / "chart.png")
    with pytest.raises(OSError, match="chart.png"):
        year.save(tmp_path / "chart.png")
    kept = tmp_path / "kept.png"
    kept.write_bytes(b"earlier")
    year.save(kept)
    assert kept.read_bytes() == year.png()
    assert sorted(p.name for p in tmp_path.iterdir()) == ["chart.png", "kept.png"]  # no temporary left
