#!/usr/bin/env bash
# Opens the ZEP100 RTF reports in a real word processor: zepcli writes each language's report
# (factory defaults, and a script that switches every passage on), LibreOffice converts each to
# PDF, and pdftotext shows that the values arrived. Too heavy for the test suite (LibreOffice is
# several hundred megabytes); run it after changing an rtf_*.tpl or the RTF output.
#
#   tests/script/check_rtf_with_libreoffice.sh [BUILD_DIR]      (default: build)
#
# Installs libreoffice-writer-nogui when LibreOffice is missing (with sudo when not root).
# Exit status 0 when every report converted and holds its values.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
bin=$build/bin
[ -x "$bin/zepcli" ] || { echo "check: $bin/zepcli is missing; run scripts/setup.sh" >&2; exit 1; }

if ! command -v soffice >/dev/null 2>&1; then
  echo "check: installing LibreOffice (writer, no GUI) ..."
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends libreoffice-writer-nogui poppler-utils >/dev/null
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# A script that switches on every optional passage of the report.
cat > "$out/all_on.slp" <<'SLP'
[VELT AG, Script ZEP Language]
[ZEP_Type_Target]
Type=100
[Parameter]
L3O=04
L3L=13___
L3U=4100
CVA=1
CVI="4006381333931"
CVM="PPPP@"
HIP=2
HIA=07
H1E=1
LKC=2
LKS=;
K3G=1
K5E=1
K6E=1
SLP

failed=0
for lang in 1 49 33; do
  for variant in defaults all_on; do
    name="report_${lang}_${variant}"
    source=defaults
    [ "$variant" = all_on ] && source="$out/all_on.slp"
    "$bin/zepcli" report "$source" --type ZEP100 --lang "$lang" --rtf "$out/$name.rtf" \
      --settings "$out/zepmain.ini" >/dev/null 2>&1 || true
    # A separate profile directory, so that a running LibreOffice does not interfere.
    soffice -env:UserInstallation="file://$out/lo_profile" --headless --convert-to pdf \
      --outdir "$out" "$out/$name.rtf" >/dev/null 2>&1 || true
    if [ ! -s "$out/$name.pdf" ]; then
      echo "FAIL $name: LibreOffice made no PDF of it"
      failed=1
      continue
    fi
    text=$(pdftotext "$out/$name.pdf" -)
    expect=("ZEP Setup" "9600" "NOREAD" "100")
    if [ "$variant" = all_on ]; then
      expect+=("4006381333931" "PPPP@" "EAN-13" "13___" "GS (hex 1D00)")
    fi
    missing=0
    for value in "${expect[@]}"; do
      if ! grep -qF -- "$value" <<<"$text"; then
        echo "FAIL $name: \"$value\" is not in the converted document"
        missing=1
      fi
    done
    if [ $missing -eq 0 ]; then
      echo "ok   $name ($(pdfinfo "$out/$name.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}') pages)"
    else
      failed=1
    fi
  done
done
exit $failed
