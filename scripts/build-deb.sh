#!/usr/bin/env bash
# Builds the Debian package: a Release build of the tutor, then CPack's DEB generator.
# The package lands in build/package/clavora_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh package
cmake --preset release >/dev/null
cmake --build --preset release
cpack --config build/release/CPackConfig.cmake -B build/package
ls build/package/clavora_*.deb
