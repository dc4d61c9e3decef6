#!/usr/bin/env bash
# The main job on the bundled samples: installs what is needed, builds the tool
# (Release, in build/run) and renders the sample years into out/, printing the
# paths of the charts. Run as root on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DTELLVANE_BUILD_TESTS=OFF >/dev/null
cmake --build build/run -j "$(nproc)" --target tellvane
tellvane=build/run/apps/tellvane/tellvane

# 額田 (久慈川), 2025: a whole year of hourly stage, as hourly CSV.
"$tellvane" render --data samples/nukada_303011283322030_2025.csv --stations samples/stations.csv --out out
# 茂志利 (天塩川), 2023: the official daily discharge, as downloaded.
"$tellvane" render --data samples/moshiri_301011281104010/daily/nichi_ryuryo_2023.dat --out out
