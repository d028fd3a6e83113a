#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's prefix and locale:
# wine-run.sh ARCH PROGRAM [ARGS...]. CTest uses it as the emulator of the
# cross builds.
. "$(dirname "$0")/../scripts/env.sh"
use_wine_for "$1"
shift
use_chinese_locale
exec "$WINE" "$@"
