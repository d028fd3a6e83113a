#!/usr/bin/env bash
# Builds everything and runs every test: natively on Linux first, then the
# Windows programs under Wine, inside Xvfb since some tests open windows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/build.sh"

configure_and_build "$root/build/native"
ctest --test-dir "$root/build/native" --output-on-failure

build_windows i686
[ "$arch" = i686 ] || build_windows "$arch"
# Checks of the 32-bit product file itself (format, resources, imports).
ctest --test-dir "$root/build/win-i686" -L product --output-on-failure

use_wine_for "$arch"
use_chinese_locale
# A running Wine server keeps every test program's start fast.
"$WINESERVER" -p || true  # exits non-zero when a server is already running
"$WINE" wineboot >/dev/null 2>&1
trap '"$WINESERVER" -k 2>/dev/null || true' EXIT
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir "$root/build/win-$arch" -LE product --output-on-failure
