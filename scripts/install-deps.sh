#!/usr/bin/env bash
# Installs every Debian 12 package the station needs to build, run and test.
# Idempotent: packages already present are left as they are. Run as root, or
# as a user with sudo (the script asks sudo for the installation only).
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache clang libclang-rt-14-dev clang-format-14
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libqt6sql6-sqlite
  nlohmann-json3-dev libsimpleini-dev libicu-dev libcups2-dev libqrencode-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  cups cups-client cups-bsd sqlite3 e2fsprogs mount
  xvfb xauth xdotool x11-apps x11-utils openbox fonts-liberation poppler-utils
  dpkg-dev fakeroot lintian desktop-file-utils zbar-tools appstream devscripts mmdebstrap
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

como_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "install-deps: missing packages (${missing[*]}); run this script as root" >&2
    exit 1
  fi
  como_root=(sudo)
fi

"${como_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${como_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
