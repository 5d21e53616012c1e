#include <doctest.h>
#include <windows.h>
TEST_CASE("acp") { CHECK(GetACP() == 936); }
