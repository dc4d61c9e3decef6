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
echo "The page in headless Chromium:"
node --experimental-websocket web/tests/page-test.mjs build/wasm/web/site "$work/cases.json" "$work/page"
