#!/usr/bin/env bash
# Sets everything up (missing Debian packages, configure, build) and starts zepmain from the
# program directory build/bin, talking to the built-in simulated scanner (port SIM).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
if [ -x build/bin/zepmain ]; then
  exec build/bin/zepmain "$@"
fi
echo "run.sh: everything is built in build/bin; the program zepmain does not exist yet."
