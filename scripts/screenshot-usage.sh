#!/usr/bin/env bash
# Takes the README's pictures of the program at work: the window with files
# listed, and the final message of a split run. It runs the end-to-end test,
# which drives the real program the way a user does, and keeps the pictures
# that test takes on the way.
#   usage: scripts/screenshot-usage.sh [BUILD-FOLDER] [OUTPUT-FOLDER]
# Without arguments it uses the build of the architecture this machine's Wine
# runs (scripts/build.sh makes it) and writes to docs/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/env.sh"
arch=$(test_arch)
build=${1:-$root/build/win-$arch}
output=${2:-$root/docs}

if [ -z "${TARVOLIN_IN_XVFB:-}" ]; then
  TARVOLIN_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$output"
fi

use_wine_for "$arch"
use_chinese_locale
"$WINESERVER" -p 2>/dev/null || true
mkdir -p "$output"
SCREENSHOTS=$output bash "$root/tests/ui/e2e/end_to_end.sh" "$build/app/Tarvolin.exe" \
  "$build/tests/ui/window_probe.exe" "$build/tests/ui/drag_source.exe" >/dev/null
echo "wrote files-listed.png, final-message.png and failure-message.png in $output"
