"""The command line beside the module: the same samples through both."""

import json
import os
import subprocess
from pathlib import Path

import pytest

SOURCE = Path(os.environ.get("TELLVANE_SOURCE", Path(__file__).resolve().parents[2]))
SAMPLES = SOURCE / "samples"
NUKADA = SAMPLES / "nukada_303011283322030_2025.csv"
MOSHIRI = SAMPLES / "moshiri_301011281104010"

# (data, kind): each sample year the tests compare with the command line.
SAMPLE_YEARS = [
    pytest.param(NUKADA, None, id="nukada-csv"),
    pytest.param(MOSHIRI / "daily", "level", id="moshiri-daily-level"),
    pytest.param(MOSHIRI / "daily", "discharge", id="moshiri-daily-discharge"),
    pytest.param(MOSHIRI / "hourly", "discharge", id="moshiri-hourly-discharge"),
]


def cli(*args):
    """The tool's standard output; the test fails when it exits non-zero."""
    tool = os.environ.get("TELLVANE_CLI")
    if not tool:
        pytest.skip("TELLVANE_CLI is not set (run through ctest)")
    done = subprocess.run([tool, *map(str, args)], capture_output=True, check=True)
    return done.stdout.decode()


def cli_args(data, kind):
    return ["--data", data] + (["--kind", kind] if kind else [])


def cli_stats(data, kind):
    return json.loads(cli("stats", *cli_args(data, kind)))
