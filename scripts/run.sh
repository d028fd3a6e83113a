#!/usr/bin/env bash
# Builds the program and starts it under Wine on the current X display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/build.sh"
build_windows i686
[ "$arch" = i686 ] || build_windows "$arch"

if [ -z "${DISPLAY:-}" ]; then
  echo "run.sh: no X display; start it as: xvfb-run -a -s '-screen 0 1024x768x24' scripts/run.sh" >&2
  exit 2
fi
use_wine_for "$arch"
use_chinese_locale
# Wine's virtual desktop draws the window's real frame and caption even where
# no window manager runs.
exec "$WINE" explorer /desktop=Tarvolin,1024x768 "$root/build/win-$arch/app/Tarvolin.exe"
