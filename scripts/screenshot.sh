#!/usr/bin/env bash
# Takes the README's picture of the main window: starts Tarvolin.exe in Wine's
# virtual desktop (which draws the real frame and caption) inside Xvfb, waits
# for its window, photographs the screen, cuts out the window and closes the
# program.  usage: scripts/screenshot.sh [EXE] [OUTPUT.png]
# Without EXE it takes the build of the architecture this machine's Wine runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/env.sh"
arch=$(test_arch)
exe=${1:-$root/build/win-$arch/app/Tarvolin.exe}
output=${2:-$root/docs/main-window.png}

if [ -z "${TARVOLIN_IN_XVFB:-}" ]; then
  TARVOLIN_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$exe" "$output"
fi

use_wine_for "$arch"
use_chinese_locale
# Keeps Wine's server running between programs (it may run already).
"$WINESERVER" -p 2>/dev/null || true
# Run from C:\Tarvolin, so the output folder shown is the same on every machine.
folder="$WINEPREFIX/drive_c/Tarvolin"
rm -rf "$folder" && mkdir -p "$folder" && cp "$exe" "$folder/"
"$WINE" explorer /desktop=Tarvolin,1024x768 'C:\Tarvolin\Tarvolin.exe' &
desktop=$!

# The program's window lies inside the desktop's X window; wait until the
# screen shows its caption bar (the 1024 x 768 desktop centres it at 192, 144).
shot=$(mktemp --suffix=.png)
for _ in $(seq 1 60); do
  sleep 0.5
  import -window root "$shot"
  # The banner's corner is drawn once the window is painted.
  colour=$(convert "$shot" -format '%[pixel:p{540,450}]' info:)
  [ "$colour" != "$(convert "$shot" -format '%[pixel:p{5,5}]' info:)" ] && break
done
sleep 1  # let every control finish painting
import -window root "$shot"
convert "$shot" -crop 640x480+192+144 +repage "$output"
rm -f "$shot"
echo "wrote $output"

# Esc closes the program, and its desktop goes with it.
LC_ALL=C.UTF-8 xdotool search --name '^Tarvolin' windowfocus --sync key Escape 2>/dev/null || true
for _ in $(seq 1 40); do
  kill -0 "$desktop" 2>/dev/null || break
  sleep 0.25
done
kill "$desktop" 2>/dev/null || true
rm -rf "$folder"
