#!/usr/bin/env bash
# Builds the two Debian packages in build/pacote: tefkimbro_<version>_amd64.deb
# (the station, what a store installs) and tefkimbro-demo_<version>_amd64.deb
# (the station against the simulator). Run it as a normal user; install as
# root: apt-get install ./build/pacote/tefkimbro_*.deb
# Built with Debian's hardening flags, and reproducibly: every date in the
# packages is the last commit's (SOURCE_DATE_EPOCH, unless already set), so
# two builds of one commit give the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
# As dpkg-buildpackage: the files' and folders' modes in the packages must
# not follow the caller's umask.
umask 022
bash scripts/install-deps.sh
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null \
    || dpkg-parsechangelog -l packaging/changelog -S Timestamp)
fi
export SOURCE_DATE_EPOCH
cmake --preset pacote >/dev/null
cmake --build --preset pacote
rm -f build/pacote/*.deb
cpack --config build/pacote/CPackConfig.cmake -B build/pacote
ls build/pacote/*.deb
