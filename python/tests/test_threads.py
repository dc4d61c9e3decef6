"""Years drawn on several threads at once give the bytes they give alone."""

from concurrent.futures import ThreadPoolExecutor

import pytest

import tellvane
from conftest import MOSHIRI, NUKADA


@pytest.mark.filterwarnings("ignore")
def test_threads_give_the_same_bytes():
    years = [tellvane.read(NUKADA).year(), tellvane.read(MOSHIRI / "daily").year(kind="discharge")]
    alone = [(y.png(), y.page()) for y in years]
    jobs = [years[i % 2] for i in range(16)]
    with ThreadPoolExecutor(max_workers=4) as pool:
        drawn = list(pool.map(lambda y: (y.png(), y.page()), jobs))
    assert drawn == [alone[i % 2] for i in range(16)]
