#!/usr/bin/env bash
# Sets everything up and runs the whole test suite through ctest: the normal build (build/)
# and the AddressSanitizer + UndefinedBehaviorSanitizer build with the fuzz targets (build-san/).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --san
jobs=$(nproc)
status=0
ctest --test-dir build -j "$jobs" --output-on-failure || status=1
ctest --test-dir build-san -j "$jobs" --output-on-failure || status=1
exit $status
