#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine:
# the packages, the zh_CN.UTF-8 locale (Wine takes code page 936 from it), a Wine
# prefix whose message-box font shows Chinese, and the two third-party libraries
# built for MinGW (libjpeg-turbo from Debian's source package, GoogleTest from
# /usr/src/googletest). Every step checks first, so a second run takes seconds.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/env.sh
. "$root/scripts/env.sh"

packages=(cmake ninja-build g++ googletest libgtest-dev g++-mingw-w64-i686-posix
  g++-mingw-w64-x86-64-posix mingw-w64-tools nasm wine wine32:i386 wine64 xvfb xauth
  xdotool x11-utils imagemagick fonts-wqy-microhei fonts-wine locales dpkg-dev icoutils time)

log() { printf 'setup: %s\n' "$*"; }

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || printf '%s\n' "$p"
  done
}

ensure_packages() {
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return
  log "installing: $(echo $missing)"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
}

ensure_deb_src() {
  grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/ && return
  log "adding deb-src entries"
  cat > /etc/apt/sources.list.d/tarvolin-src.sources <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  apt-get update -qq
}

ensure_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && return
  log "generating zh_CN.UTF-8"
  sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
}

ensure_wine_prefix() {  # $1: architecture
  use_wine_for "$1"
  local stamp="$WINEPREFIX/.tarvolin-ready"
  [ -f "$stamp" ] && return
  log "creating the Wine prefix in $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  (
    use_chinese_locale
    "$WINE" wineboot --init >/dev/null 2>&1 || true
    "$WINESERVER" -w
    # Message boxes use "MS Shell Dlg", which has no Chinese glyphs by default.
    local face
    for face in 'MS Shell Dlg' 'MS Shell Dlg 2'; do
      "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
        /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    "$WINESERVER" -w
  )
  touch "$stamp"
}

# Title-bar buttons are drawn with the Marlett font. Debian ships it in
# fonts-wine, where this Wine does not look; the prefix's font folder is found.
ensure_caption_font() {  # $1: architecture
  use_wine_for "$1"
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -f "$fonts/marlett.ttf" ] || cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
}

# Configures, builds and installs one CMake project for MinGW: $1 architecture,
# $2 source folder, $3 build folder, then extra CMake options.
build_for_mingw() {
  local arch=$1 src=$2 work=$3
  shift 3
  rm -rf "$work"
  cmake -S "$src" -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$(mingw_prefix "$arch")" -Wno-dev "$@" >/dev/null
  cmake --build "$work" >/dev/null
  cmake --install "$work" >/dev/null
  rm -rf "$work"
}

ensure_libjpeg() {  # $1: architecture
  [ -f "$(mingw_prefix "$1")/lib/libjpeg.a" ] && return
  log "building libjpeg-turbo for MinGW $1 from Debian's source package"
  local work="$TARVOLIN_DEPS/src"
  rm -rf "$work" && mkdir -p "$work"
  (cd "$work" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
  local src
  src=$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'libjpeg-turbo*' | head -n 1)
  build_for_mingw "$1" "$src" "$work/build" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON
  rm -rf "$work"
}

ensure_gtest() {  # $1: architecture
  [ -f "$(mingw_prefix "$1")/lib/libgtest.a" ] && return
  log "building GoogleTest for MinGW $1 from /usr/src/googletest"
  build_for_mingw "$1" /usr/src/googletest "$TARVOLIN_DEPS/build-gtest" -DBUILD_GMOCK=OFF
}

ensure_packages
ensure_deb_src
ensure_locale
arch=$(test_arch)
ensure_wine_prefix "$arch"
ensure_caption_font "$arch"
ensure_libjpeg i686
ensure_libjpeg "$arch"
ensure_gtest "$arch"
log "ready (tests run as $arch Windows programs)"
