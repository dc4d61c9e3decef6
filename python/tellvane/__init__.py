"""Annual charts of daily water levels and discharges, from Python.

``read`` reads data files as the command line's ``--data`` does; ``Records.year``
chooses a station-year as ``--station``, ``--year`` and ``--kind`` do; a ``Year``
gives the numbers (``stats``, ``daily``, ``duration``), the chart (``png``) and the
plotted page (``save``) that ``tellvane stats`` and ``tellvane render`` give, with
the same bytes. ``Year.from_series`` charts a pandas Series from anywhere.
``Records.record`` is the station's record, a year a row, as ``tellvane record``
gives it; ``Records.compare`` and ``Year.compare`` draw a year against the others
as ``tellvane compare`` does.

The compiled part releases the interpreter's lock while it reads, computes and
draws, so years may be drawn on several threads at once.
"""

import os
import json
import warnings

import numpy as np

from ._tellvane import ControlError, CoreComparison, CoreRecords, InputError, SelectionError, record_json, write_file

__all__ = ["read", "Records", "Year", "Comparison", "InputError", "SelectionError", "ControlError"]

_TIME_ZONE = "Asia/Tokyo"
# The columns of a record's year, as the JSON of `tellvane record` names them.
_RECORD_VALUES = ["max", "high", "normal", "low", "drought", "min", "mean"]
_RECORD_COLUMNS = ["year", "max", "maxDate", "high", "normal", "low", "drought", "min", "minDate", "mean",
                   "daysWithData", "missingDays", "hoursWithReadings", "runoff"]
# Japan's clock has been UTC+9 without summer time since September 1951: later
# instants convert by the offset alone, earlier ones through the time-zone database.
_JAPAN_OFFSET_NS = 9 * 3600 * 10**9
_JAPAN_FIXED_SINCE_NS = np.datetime64("1951-09-08T15:00", "ns").astype(np.int64)


def _warned(result):
    value, messages = result
    for line in messages.splitlines():
        warnings.warn(line, stacklevel=3)
    return value


def read(paths, stations=None):
    """Reads data files and folders of them (hourly CSV, the database's .dat
    downloads), and the station catalogue CSV if given. Bad input raises
    InputError naming the file and line."""
    if isinstance(paths, (str, bytes)) or hasattr(paths, "__fspath__"):
        paths = [paths]
    paths = [str(p) for p in paths]
    return Records(CoreRecords.read(paths, None if stations is None else str(stations)))


class Records:
    """The readings of the files read: per station and kind, per day."""

    def __init__(self, core):
        self._core = core

    @property
    def stations(self):
        """A list of dicts: station, names (name, water_system, river), kinds, years."""
        return self._core.stations

    @property
    def notes(self):
        """How the files were combined, one line each."""
        return self._core.notes

    def year(self, station=None, year=None, kind=None):
        """The station-year, chosen as the command line chooses it: a part left
        out must have one answer in the data, else SelectionError says which."""
        return Year(self._core.year(station, year, kind), self._core)

    def record(self, station=None, kind=None, allowed_missing_days=0):
        """The station's record as `tellvane record` gives it: a pandas DataFrame
        of one row a year, from the data's first year to its last, with the
        columns of the JSON's years (year, max, maxDate, high, normal, low,
        drought, min, minDate, mean, daysWithData, missingDays,
        hoursWithReadings, runoff). A value the year does not reach is NaN, a
        date NaT; runoff is NaN for water levels. The period (the years with at
        most allowed_missing_days days without data, and each value's mean,
        maximum and minimum over them) is the dict ``.attrs["period"]``, as the
        JSON's "period"; ``.attrs`` also holds station, kind and names. A station
        or kind left out must have one answer in the data, else SelectionError
        says which; readings of unstated kind are water levels unless kind says
        otherwise."""
        import pandas as pd

        line = json.loads(record_json(self._core, station, kind, allowed_missing_days))
        frame = pd.DataFrame(line["years"], columns=_RECORD_COLUMNS)
        for column in _RECORD_VALUES + ["runoff"]:
            frame[column] = frame[column].astype("float64")
        for column in ("maxDate", "minDate"):
            frame[column] = pd.to_datetime(frame[column])
        frame.attrs.update(station=line["station"], kind=line["kind"], names=line["names"], period=line["period"])
        return frame

    def compare(self, year, station=None, kind=None):
        """The year against the station's other years, as `tellvane compare
        --year` draws it: a Comparison. The station and kind are chosen as in
        record(); SelectionError when the year has no readings."""
        return Comparison(CoreComparison(self._core, station, year, kind))


class Comparison:
    """A year against its station's record: the comparison chart and its page."""

    def __init__(self, core):
        self._core = core

    def __repr__(self):
        return f"<tellvane.Comparison station={self.station} year={self.year} kind={self.kind}>"

    station = property(lambda self: self._core.station, doc="The station number.")
    year = property(lambda self: self._core.year, doc="The year drawn against the others.")
    kind = property(lambda self: self._core.kind, doc="'level' or 'discharge'.")

    def png(self, width=1024, height=768):
        """The chart's PNG file, the bytes `tellvane compare --size WxH` writes."""
        return self._core.png(width, height)

    def _repr_png_(self):
        return self.png()

    def page(self, svg=False):
        """The chart's page: the PDF `tellvane compare` writes, or SVG."""
        return self._core.page(svg)

    def save(self, path):
        """Writes the chart (.png) or its page (.pdf, .svg) to path."""
        _save(self, path)


class Year:
    """One station-year of readings, as the control charts it."""

    def __init__(self, core, records=None):
        self._core = core
        self._records = records
        self._stats = None

    def __repr__(self):
        return f"<tellvane.Year station={self.station} year={self.year} kind={self.kind or 'unstated'}>"

    station = property(lambda self: self._core.station, doc="The station number.")
    year = property(lambda self: self._core.year, doc="The year.")
    kind = property(lambda self: self._core.kind, doc="'level', 'discharge' or '' when the data does not say.")

    @classmethod
    def from_series(cls, series, station, kind, names=None, year=None):
        """A year from a pandas Series of readings with a DatetimeIndex.

        The hours are hour-ending, the agency's convention: the reading stamped
        01:00 is hour 1 of its day, the one stamped 00:00 is hour 24 of the day
        before. Only readings on the full hour are taken (of 15-minute data, those
        at :00); NaN is no reading. A naive index is taken as the station's clock
        (Japan time); an aware one is converted to Asia/Tokyo first. kind is
        'level' or 'discharge'; names a dict of name, water_system, river; year
        chooses among the years the series covers.
        """
        import pandas as pd

        index = series.index
        if not isinstance(index, pd.DatetimeIndex):
            raise TypeError("the series needs a DatetimeIndex")
        stamps = index.asi8  # nanoseconds, of UTC for an aware index
        if index.tz is not None:
            if len(stamps) and stamps.min() < _JAPAN_FIXED_SINCE_NS:
                stamps = index.tz_convert(_TIME_ZONE).tz_localize(None).asi8
            else:
                stamps = stamps + _JAPAN_OFFSET_NS
        stamps = np.ascontiguousarray(stamps, dtype=np.int64)
        values = np.ascontiguousarray(series.to_numpy(dtype=np.float64, na_value=np.nan))
        core = CoreRecords.of_readings(stamps, values, str(station), kind, names)
        return Records(core).year(year=year)

    def compare(self):
        """This year against the other years of the files it was read from (or of
        the series it came from), as `tellvane compare` draws it: a Comparison."""
        if self._records is None:
            raise ValueError("the year was not read from records")
        kind = self.kind or None
        return Records(self._records).compare(self.year, station=self.station, kind=kind)

    @property
    def stats(self):
        """The year's numbers: the dict `tellvane stats` prints as JSON."""
        if self._stats is None:
            self._stats = json.loads(_warned(self._core.stats_json()))
        return self._stats

    @property
    def daily(self):
        """The daily values as a pandas Series by date, NaN for days without data."""
        import pandas as pd

        dates = pd.date_range(f"{self.year}-01-01", f"{self.year}-12-31", freq="D")
        days = self.stats["days"]
        values = [float(days[d.month - 1][d.day - 1] or "nan") for d in dates]
        return pd.Series(values, index=dates, name="daily")

    @property
    def duration(self):
        """The duration table: each distinct daily value, largest first, and on how
        many days the value was reached, as a pandas DataFrame."""
        import pandas as pd

        return pd.DataFrame(self.stats["duration"], columns=["value", "days"])

    def png(self, width=1024, height=768):
        """The chart's PNG file, the bytes `tellvane render --size WxH` writes."""
        return _warned(self._core.png(width, height))

    def _repr_png_(self):
        return self.png()

    def page(self, svg=False):
        """The plotted page's file: the PDF `tellvane render` writes, or SVG."""
        return _warned(self._core.page(svg))

    def save(self, path):
        """Writes the chart (.png) or the plotted page (.pdf, .svg) to path."""
        _save(self, path)

    def trace(self, plot=False, width=1024, height=768):
        """The lines `tellvane trace` prints: the control's drawing calls and
        events as JSON lines, and with plot those of the plotted page."""
        return _warned(self._core.trace(width, height, plot))


def _save(chart, path):
    """The chart's PNG or its page's PDF or SVG, by the name's extension."""
    suffix = str(path).lower().rsplit(".", 1)[-1]
    if suffix == "png":
        data = chart.png()
    elif suffix in ("pdf", "svg"):
        data = chart.page(svg=suffix == "svg")
    else:
        raise ValueError(f"{path}: the name must end in .png, .pdf or .svg")
    _write_output(path, data)


def _write_output(path, data):
    """Every file the module writes goes through here: whole or not at all, as the
    tool writes its files (a folder, FIFO or device at path is refused, OSError)."""
    write_file(os.fspath(path), bytes(data))