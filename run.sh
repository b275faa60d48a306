#!/usr/bin/env bash
# Builds the tutor (Release) and starts it. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh build
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/clavora "$@"
