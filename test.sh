#!/usr/bin/env bash
# Builds with AddressSanitizer and UBSan and runs every test (unit, ui, e2e) through CTest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh test
cmake --preset asan >/dev/null
cmake --build --preset asan
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp}"
ctest --preset asan "$@"
