#!/usr/bin/env bash
# Writes the demonstration's configuration (the one the package installs,
# packaging/Tef_kimbro.demo.ini) as FOLDER/Tef_kimbro.Ini, unless one is
# there already. The start script, the screenshots, the benchmarks, the
# end-to-end cases and the widget tests all take it from that one file.
# Usage: scripts/configuracao-demo.sh FOLDER
set -euo pipefail
pasta="${1:?configuration folder}"
mkdir -p "$pasta"
if [ ! -f "$pasta/Tef_kimbro.Ini" ]; then
  install -m 600 "$(dirname "$0")/../packaging/Tef_kimbro.demo.ini" "$pasta/Tef_kimbro.Ini"
fi
