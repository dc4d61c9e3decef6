#!/usr/bin/env bash
# The browser page's size and speed: builds the page (tools/web.sh's tree) and
# measures it in headless Chromium on a local server: module size, page ready
# (module and font) cold and cached, the first draw after the year is chosen, the
# redraw on resize, and the plotted page's module: its size and the time to the
# first PDF, on the sample year at 1024 x 768.
set -euo pipefail
cd "$(dirname "$0")/.."
export NODE_PATH=/usr/share/nodejs
cmake -S . -B build/wasm -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DTELLVANE_WITH_QT=OFF \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake >/dev/null
cmake --build build/wasm --target tellvane_site -j "$(nproc)"
uptime
node --experimental-websocket web/tests/page-bench.mjs build/wasm/web/site samples/nukada_303011283322030_2025.csv
