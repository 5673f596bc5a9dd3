#!/usr/bin/env bash
# Takes pictures of a message box and of a small loaded layout under a virtual X server, so
# that a person can check that the texts are drawn and readable (without fonts Qt draws boxes
# without text, silently). The pictures go to build/screenshots/ and are not committed.
#
#   tests/screenshots.sh            after scripts/setup.sh has built build/
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/build/screenshots"
mkdir -p "$out"
rm -f "$out"/*.png
ZEP_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24" \
  "$top/build/tests/test_toolkit_ui" --gtest_filter='Screenshots.*'
ls -l "$out"/*.png
