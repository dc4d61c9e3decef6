#!/usr/bin/env bash
# The browser host: builds the WebAssembly module and the page, runs the
# toolkit-free tests on the WebAssembly build under node, then drives the page in
# headless Chromium on 127.0.0.1 against the command line's own output. Needs the
# native build (build/release, or TELLVANE_NATIVE_BUILD) for `tellvane render`.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
native=${TELLVANE_NATIVE_BUILD:-build/release}
export NODE_PATH=/usr/share/nodejs  # em++'s own scripts import node modules from there

cmake -S . -B build/wasm -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DTELLVANE_WITH_QT=OFF -DTELLVANE_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
cmake --build build/wasm -j "$jobs"
ctest --test-dir build/wasm --output-on-failure -j "$jobs"

# The command line's pictures of the samples, with no settings file of the user's.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --build "$native" --target tellvane -j "$jobs"
render() {  # render OUT ARGS...: the PNG and PDF in OUT, and the numbers in OUT/stats.json
    local out=$1
    shift
    XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen "$native/apps/tellvane/tellvane" render \
        --size 1024x768 --out "$work/$out" "$@"
    "$native/apps/tellvane/tellvane" stats "$@" >"$work/$out/stats.json"
}
samples=$PWD/samples
moshiri=$samples/moshiri_301011281104010
render csv --data "$samples/nukada_303011283322030_2025.csv"
render daily --data "$moshiri/daily" --kind level
render hourly --data "$moshiri/hourly" --kind discharge
cat >"$work/cases.json" <<CASES
[
  {"name": "hourly CSV", "files": ["$samples/nukada_303011283322030_2025.csv"], "kind": "",
   "png": "$work/csv/303011283322030_2025.png", "pdf": "$work/csv/303011283322030_2025.pdf",
   "stats": "$work/csv/stats.json", "stem": "303011283322030_2025"},
  {"name": "daily downloads, level", "kind": "level",
   "files": ["$moshiri/daily/nichi_ryuryo_2023.dat", "$moshiri/daily/nichi_suii_2023.dat"],
   "png": "$work/daily/301011281104010_2023.png", "pdf": "$work/daily/301011281104010_2023.pdf",
   "stats": "$work/daily/stats.json", "stem": "301011281104010_2023_level"},
  {"name": "hourly downloads, discharge", "kind": "discharge",
   "files": ["$moshiri/hourly/jikoku_ryuryo_2023-01.dat", "$moshiri/hourly/jikoku_suii_2023-01.dat"],
   "png": "$work/hourly/301011281104010_2023.png", "pdf": "$work/hourly/301011281104010_2023.pdf",
   "stats": "$work/hourly/stats.json", "stem": "301011281104010_2023_discharge"}
]
CASES

# The record and the book of several years, with the catalogue, and of the
# download folder (both kinds, hourly and daily tables), as the command line writes them.
tellvane=$native/apps/tellvane/tellvane
record_and_book() {  # record_and_book OUT ARGS...: OUT/record.json, .csv, .xlsx and OUT/book.pdf
    local out=$work/$1
    shift
    mkdir -p "$out"
    "$tellvane" record --format json "$@" >"$out/record.json"
    "$tellvane" record --format csv --out "$out/record.csv" "$@" >/dev/null
    "$tellvane" record --out "$out/record.xlsx" "$@" >/dev/null
    XDG_CONFIG_HOME="$work/config" "$tellvane" book --out "$out/book.pdf" "$@" >/dev/null
}
python3 tools/make_record_csv.py --years 2021-2023 --out "$work/three_years.csv"
record_and_book three --data "$work/three_years.csv" --stations "$samples/stations.csv"
record_and_book folder --data "$moshiri"
# This year against the others, as the page's comparison canvas is to draw it.
"$tellvane" compare --data "$work/three_years.csv" --stations "$samples/stations.csv" --year 2022 \
    --size 800x500 --out "$work/three" >/dev/null
cat >"$work/records.json" <<RECORDS
[
  {"name": "three years of hourly CSV with the catalogue", "files": ["$work/three_years.csv"],
   "catalogue": "$samples/stations.csv", "dir": "$work/three", "csv": "303011283322030_record.csv",
   "compare": {"year": 2022, "png": "$work/three/303011283322030_2022_compare.png"}},
  {"name": "the download folder", "folder": "$moshiri", "catalogue": null, "dir": "$work/folder",
   "csv": "301011281104010_record.csv", "compare": null}
]
RECORDS
echo "The page in headless Chromium:"
node --experimental-websocket web/tests/page-test.mjs build/wasm/web/site "$work/cases.json" "$work/page" \
    "$work/records.json"
