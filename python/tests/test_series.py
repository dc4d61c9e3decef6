"""A Series from elsewhere charts as the file it came from."""

import numpy as np
import pandas as pd
import pytest

import tellvane
from conftest import NUKADA


def nukada_series():
    """The CSV's readings as an hour-ending Series: hour h of a day stamped h:00,
    hour 24 at 00:00 of the next day."""
    frame = pd.read_csv(NUKADA, comment="#", dtype={"station": str})
    hours = frame.melt(id_vars=["station", "date"], var_name="hour", value_name="value")
    stamps = pd.to_datetime(hours["date"]) + pd.to_timedelta(hours["hour"].astype(int), unit="h")
    return pd.Series(hours["value"].to_numpy(dtype=float), index=pd.DatetimeIndex(stamps)).sort_index()


@pytest.fixture(scope="module")
def file_year():
    return tellvane.read(NUKADA).year()


# Ways to hand over the same readings: as they are, aware in UTC, with 15-minute
# readings between the hours that must be left out.
def as_is(s):
    return s


def aware_utc(s):
    return s.tz_localize("Asia/Tokyo").tz_convert("UTC")


def with_quarters(s):
    quarters = pd.Series(123.0, index=s.index + pd.Timedelta(minutes=15))
    return pd.concat([s, quarters]).sort_index()


@pytest.mark.filterwarnings("ignore")
@pytest.mark.parametrize("shape", [as_is, aware_utc, with_quarters])
def test_series_equals_the_files_year(file_year, shape):
    year = tellvane.Year.from_series(shape(nukada_series()), file_year.station, "level")
    assert year.stats == file_year.stats
    assert year.png() == file_year.png()


@pytest.mark.filterwarnings("ignore")
def test_nan_is_no_reading():
    index = pd.date_range("2024-03-01 01:00", periods=48, freq="h")
    values = np.arange(48, dtype=float)
    values[24:] = np.nan  # the second day has no reading at all
    year = tellvane.Year.from_series(pd.Series(values, index=index), "1", "discharge")
    assert year.stats["daysWithData"] == 1 and year.kind == "discharge"
    assert year.daily["2024-03-01"] == pytest.approx(11.5)
    assert np.isnan(year.daily["2024-03-02"])


@pytest.mark.parametrize(
    "series,error",
    [
        (pd.Series([1.0, 2.0]), TypeError),
        (pd.Series([1.0, 2.0], index=pd.DatetimeIndex(["2024-01-01 01:00"] * 2)), tellvane.InputError),
        (pd.Series([1e12], index=pd.DatetimeIndex(["2024-01-01 01:00"])), tellvane.InputError),
    ],
    ids=["no-datetime-index", "time-twice", "too-large"],
)
def test_series_refused(series, error):
    with pytest.raises(error):
        tellvane.Year.from_series(series, "1", "level")
