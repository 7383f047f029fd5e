#!/usr/bin/env bash
# Builds the Debian package of the station: build/pacote/tefkimbro_<version>_amd64.deb
# (install it with: apt-get install ./build/pacote/tefkimbro_*.deb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
cpack --config build/release/CPackConfig.cmake -B build/pacote
ls build/pacote/tefkimbro_*.deb
