#!/usr/bin/env bash
# Sets everything up (missing Debian packages, configure, build) and starts zepmain from the
# program directory build/bin. A new user (no settings file yet) talks to the built-in simulated
# scanner (port SIM); the port chosen in the port dialog is kept in build/bin/zepmain.ini.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
exec build/bin/zepmain "$@"
