# Shared settings of the project's scripts: where the Wine prefixes and the
# MinGW builds of third-party libraries live (outside the work tree, so a fresh
# clone reuses them), and how Wine is run.
export TARVOLIN_DEPS="${TARVOLIN_DEPS:-/var/cache/tarvolin}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Where the MinGW builds of libjpeg and GoogleTest for one architecture live.
mingw_prefix() { echo "$TARVOLIN_DEPS/mingw-$1"; }

# The Windows architecture the tests run on. The product is a 32-bit program;
# it is tested as such wherever this machine's kernel runs 32-bit code (what
# 32-bit Wine needs). Kernels built without 32-bit support cannot, and there
# the same sources are tested as a 64-bit build under 64-bit Wine.
test_arch() {
  if /usr/lib/wine/wineserver32 --version >/dev/null 2>&1; then echo i686; else echo x86_64; fi
}

# Selects the Wine prefix and loader for one architecture.
use_wine_for() {
  export WINEPREFIX="$TARVOLIN_DEPS/wine-$1"
  if [ "$1" = i686 ]; then
    export WINEARCH=win32 WINE=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
  else
    export WINEARCH=win64 WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
  fi
}

# Wine takes its ANSI code page from the locale: zh_CN.UTF-8 gives 936 (GBK),
# the code page of the program's users. setup.sh generates the locale.
use_chinese_locale() {
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
}
