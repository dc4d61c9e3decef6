#!/usr/bin/env bash
# Builds the browser page (web/) into build/wasm/web/site and serves that folder
# on http://127.0.0.1:8000 for a local look (another port: tools/web.sh PORT).
# The folder is static: copy it to any web host as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
export NODE_PATH=/usr/share/nodejs
cmake -S . -B build/wasm -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DTELLVANE_WITH_QT=OFF -DTELLVANE_BUILD_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake >/dev/null
cmake --build build/wasm --target tellvane_site -j "$(nproc)"
echo "Serving build/wasm/web/site on http://127.0.0.1:${1:-8000}/ (Ctrl-C to stop)"
exec python3 -m http.server --bind 127.0.0.1 --directory build/wasm/web/site "${1:-8000}"
