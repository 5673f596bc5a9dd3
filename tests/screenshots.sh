#!/usr/bin/env bash
# Takes pictures of a message box, of a small loaded layout, and of the terminal (with traffic)
# and the two port dialogs in English, German and French (file names end in the language
# number) under a virtual X server, so that a person can check that the texts are drawn,
# readable and complete (without fonts Qt draws boxes without text, silently). The pictures go
# to build/screenshots/ and are not committed.
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
ZEP_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$top/build/tests/test_zepmain" --gtest_filter='*WindowScreenshots*'
ls -l "$out"/*.png
