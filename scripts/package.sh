#!/usr/bin/env bash
# Builds the Debian package of zep setup from a build directory and, with --check, tries it the
# way a fresh Debian 12 machine would run it: unpacked (dpkg -x) into an empty root, zepcli
# started from there must find its own libraries and data and talk to the built-in simulated
# scanner, with the settings going to the user's configuration directory.
#
#   scripts/package.sh [--check] [BUILD_DIR] [OUT_DIR]
#     BUILD_DIR  a built build directory (default: build)
#     OUT_DIR    where the .deb goes (default: BUILD_DIR/package)
#
# Install the package with: sudo apt install ./build/package/zepsetup_*.deb
set -euo pipefail

check=0
if [ "${1:-}" = "--check" ]; then
  check=1
  shift
fi
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
out=${2:-$build/package}
mkdir -p "$out"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls -t "$out"/zepsetup_*.deb | head -n 1)
echo "package: $deb"
[ $check -eq 1 ] || exit 0

root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
dpkg -x "$deb" "$root/fs"
fail() { echo "package check: $*" >&2; exit 1; }

# What the package declares it needs from Debian: the Qt libraries, serial port included.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6serialport6 libqt6widgets6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

cli="$root/fs/usr/bin/zepcli"
[ -L "$cli" ] || fail "usr/bin/zepcli is not a link"
# The package's own libraries, not the build tree's.
if ldd "$root/fs/usr/lib/zepsetup/zepcli" | grep -E 'libzepdll|libgw' | grep -vq "$root/fs"; then
  fail "zepcli loads libraries from outside the package"
fi
mkdir -p "$root/home"
# The program directory is read-only, as it is when installed by dpkg.
chmod -R a-w "$root/fs/usr/lib/zepsetup"
answer=$(cd "$root" && env -u ZEP_SIM HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" \
  "$cli" info --port SIM --json) || fail "zepcli info --port SIM failed: $answer"
grep -q '"model": "RV-4400"' <<<"$answer" || fail "unexpected answer: $answer"
(cd "$root" && HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" \
  "$cli" detect --port SIM --save >/dev/null) || fail "zepcli detect --save failed"
# (root may write into a read-only directory, so only another user shows where they go.)
if [ "$(id -u)" -ne 0 ] && [ ! -f "$root/home/.config/zepsetup/zepmain.ini" ]; then
  fail "the settings did not go to the user's configuration directory"
fi
echo "package check: ok"
