# The same sources for 64-bit Windows: used to run the tests on hosts that
# cannot execute 32-bit code (see scripts/env.sh).
set(TAVRIN_TRIPLE_CPU x86_64)
set(TAVRIN_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common.cmake)
