# 64-bit Windows: the same sources, for testing under 64-bit Wine on kernels
# that cannot run 32-bit code.
set(TARVOLIN_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
