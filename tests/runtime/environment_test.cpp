#include <doctest.h>

#include <climits>
#include <cmath>
#include <ctime>
#include <set>
#include <vector>

#include <windows.h>
#include <oleauto.h>

#include "app/runtime/runtime_services.h"

namespace {

runtime::RuntimeServices& services = runtime::Win32Runtime();

}  // namespace

TEST_CASE("GetEnvironment returns GBK values whole") {
  struct Case {
    const wchar_t* wideName;
    const char* name;
    std::wstring wideValue;
    std::string value;
  };
  const Case cases[] = {
      {L"TAVRIN_TEST_VALUE", "TAVRIN_TEST_VALUE", L"安装向导 C:\\路径", "安装向导 C:\\路径"},
      {L"TAVRIN_测试", "TAVRIN_测试", L"plain", "plain"},
      // Longer than any first guess at a buffer.
      {L"TAVRIN_TEST_LONG", "TAVRIN_TEST_LONG", std::wstring(5000, L'中'),
       [] {
         std::string gbk;
         for (int i = 0; i < 5000; ++i) gbk += "中";
         return gbk;
       }()},
  };
  for (const Case& c : cases) {
    CAPTURE(c.name);
    REQUIRE(SetEnvironmentVariableW(c.wideName, c.wideValue.c_str()));
    CHECK(services.GetEnvironment(c.name) == c.value);
    SetEnvironmentVariableW(c.wideName, nullptr);
    CHECK(services.GetEnvironment(c.name) == "");
  }
}

TEST_CASE("Now counts days since 30 December 1899 in local time") {
  const double now = services.Now();
  // 1 January 1970 is day 25569; local time is within a day of UTC.
  const double utc = 25569.0 + static_cast<double>(std::time(nullptr)) / 86400.0;
  CHECK(std::abs(now - utc) < 1.0);

  SYSTEMTIME local;
  GetLocalTime(&local);
  double expected = 0;
  REQUIRE(SystemTimeToVariantTime(&local, &expected));
  // The reference has whole seconds; allow for a second boundary in between.
  CHECK(std::abs(now - expected) < 2.0 / 86400.0);
}

TEST_CASE("RandomInt stays in its range and repeats after the same seed") {
  struct Range {
    int low, high;
  };
  for (const Range range : {Range{1, 6}, Range{-5, 5}, Range{7, 7}, Range{0, INT_MAX}, Range{6, 1}}) {
    CAPTURE(range.low);
    CAPTURE(range.high);
    const auto draw = [&] {
      std::vector<int> values;
      for (int i = 0; i < 200; ++i) values.push_back(services.RandomInt(range.low, range.high));
      return values;
    };
    services.SeedRandom(42);
    const auto first = draw();
    services.SeedRandom(42);
    CHECK(draw() == first);
    for (int value : first) {
      CHECK(value >= std::min(range.low, range.high));
      CHECK(value <= std::max(range.low, range.high));
    }
    if (range.high - range.low == 5) {
      CHECK(std::set<int>(first.begin(), first.end()).size() == 6);  // every face shows
    }
  }
}

TEST_CASE("DescribeError gives the system's text without a trailing period or line break") {
  for (DWORD error : {DWORD{ERROR_FILE_NOT_FOUND}, DWORD{ERROR_ACCESS_DENIED}, DWORD{0xDEADBEEF}}) {
    CAPTURE(error);
    const std::string text = runtime::DescribeError(error);
    REQUIRE_FALSE(text.empty());
    CHECK(text.find_last_not_of("\r\n. ") == text.size() - 1);
  }
}
