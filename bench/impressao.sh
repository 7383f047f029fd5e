#!/usr/bin/env bash
# Report generation and raw delivery against a private CUPS scheduler.
# Usage: bench/impressao.sh   (release build)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target impressao >/dev/null
pasta="$PWD/build/release/bench/cups"
servidor=$(scripts/cups-privado.sh start "$pasta")
export "${servidor?}"
trap 'scripts/cups-privado.sh stop "$pasta"' EXIT
build/release/bench/impressao recibos
