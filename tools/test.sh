#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite: the layer check, then
# three builds — a plain one, one under AddressSanitizer and
# UndefinedBehaviorSanitizer, and one without Qt (the toolkit-free layers and the
# command line, as a server without Qt builds them, with their tests).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

bash tools/check_layers.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTELLVANE_WERROR=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

cmake -S . -B build/qtfree -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTELLVANE_WERROR=ON -DTELLVANE_WITH_QT=OFF
cmake --build build/qtfree -j "$jobs"
ctest --test-dir build/qtfree --output-on-failure -j "$jobs"

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTELLVANE_SANITIZE=ON -DTELLVANE_WERROR=ON
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
bash tools/test-web.sh
