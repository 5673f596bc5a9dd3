#!/usr/bin/env bash
# Takes pictures under a virtual X server, so that a person can check that the texts are drawn
# and readable (without fonts Qt draws boxes without text, silently) and that nothing is cut
# or overlaps: every tab page of the ZEP100 parameter
# dialog and its "CVMInfo", the terminal (with traffic) and the two port dialogs, and the main
# window with each tab page below it, About, the welcome dialog, the download mode, the printer
# comment, a transfer under way and the compare list, in English, German and French. The
# pictures go to build/screenshots/ and are not committed (docs/zepmain.png is
# main_1_Reading.png).
#
#   tests/screenshots.sh            after scripts/setup.sh has built build/
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/build/screenshots"
mkdir -p "$out"
rm -f "$out"/*.png
ZEP_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24" \
  "$top/build/tests/test_zepmain" --gtest_filter='Screenshots.*'
ls -l "$out"/*.png
