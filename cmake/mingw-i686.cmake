# 32-bit Windows, the product's architecture.
set(TARVOLIN_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
