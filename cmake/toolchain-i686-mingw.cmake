# The product: 32-bit Windows.
set(TAVRIN_TRIPLE_CPU i686)
set(TAVRIN_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common.cmake)
