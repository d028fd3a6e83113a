# Sourced by run.sh and test.sh: configures and builds the three build trees.
#   build/native       the engine, the command-line splitter and their tests (Linux)
#   build/win-i686     the product: Tarvolin.exe and tarvolin-split.exe, 32-bit
#   build/win-x86_64   the same sources as 64-bit programs, for testing under
#                      64-bit Wine where the kernel cannot run 32-bit code
# Expects $root; sets $arch to the architecture the Windows tests run on.
bash "$root/scripts/setup.sh"
. "$root/scripts/env.sh"
arch=$(test_arch)

configure_and_build() {  # $1: build folder, then CMake options
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -Wno-dev "$@" >/dev/null
  cmake --build "$dir"
}

build_windows() {  # $1: architecture
  local tests=OFF
  [ "$1" = "$arch" ] && tests=ON
  configure_and_build "$root/build/win-$1" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$1.cmake" -DTARVOLIN_TESTS=$tests
}
