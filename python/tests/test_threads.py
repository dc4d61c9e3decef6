"""Years and comparisons drawn on several threads at once give the bytes they give alone."""

from concurrent.futures import ThreadPoolExecutor

import pytest

import tellvane
from conftest import MOSHIRI, NUKADA


@pytest.mark.filterwarnings("ignore")
def test_threads_give_the_same_bytes():
    daily = tellvane.read(MOSHIRI / "daily")
    charts = [tellvane.read(NUKADA).year(), daily.year(kind="discharge"), daily.compare(2023, kind="level")]
    alone = [(c.png(), c.page()) for c in charts]
    jobs = [charts[i % 3] for i in range(18)]
    with ThreadPoolExecutor(max_workers=4) as pool:
        drawn = list(pool.map(lambda c: (c.png(), c.page()), jobs))
    assert drawn == [alone[i % 3] for i in range(18)]
