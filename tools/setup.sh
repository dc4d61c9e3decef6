#!/usr/bin/env bash
# Installs the Debian packages Tellvane builds, tests and runs with. Run as root on
# Debian 12; packages already present are left alone.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-svg-dev fonts-ipafont-gothic
    libcli11-dev nlohmann-json3-dev libspng-dev libcsv-dev libisal-dev
    poppler-utils clang libclang-rt-14-dev time
    libharfbuzz-dev libfreetype-dev zlib1g-dev qpdf libxml2-utils
    emscripten chromium libharfbuzz-bin woff2 python3 dpkg-dev
    python3-numpy
    libxlsxwriter-dev python3-openpyxl python3-pandas
    pybind11-dev python3-dev python3-pytest
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
