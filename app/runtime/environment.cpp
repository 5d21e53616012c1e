// Environment variables, the date and random numbers.
#include <utility>

#include "app/runtime/ansi_text.h"
#include "app/runtime/win32_services.h"

namespace runtime {
namespace {

// Days from 1 January 1970 to the given date of the proleptic Gregorian
// calendar (month 1-12). <chrono> does the same but cannot be included here:
// its "\u00b5s" literal has no GBK form, the execution character set.
long DaysFromCivil(long year, unsigned month, unsigned day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<long>(dayOfEra) - 719468;
}

}  // namespace

// Read through the W form: Wine 8's GetEnvironmentVariableA truncates values
// with multi-byte characters.
std::string Win32Services::GetEnvironment(const std::string& name) {
  const std::wstring wideName = WidenAnsi(name);
  std::wstring value;
  DWORD needed = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  // The variable can change between the calls; retry until it fits.
  while (needed > value.size()) {
    value.resize(needed);
    needed = GetEnvironmentVariableW(wideName.c_str(), value.data(), needed);
  }
  value.resize(needed);
  return NarrowAnsi(value);
}

double Win32Services::Now() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  // Day 0 of the count is 30 December 1899.
  const long days = DaysFromCivil(local.wYear, local.wMonth, local.wDay) - DaysFromCivil(1899, 12, 30);
  const double seconds =
      local.wHour * 3600.0 + local.wMinute * 60.0 + local.wSecond + local.wMilliseconds / 1000.0;
  return days + seconds / 86400.0;
}

void Win32Services::SeedRandom(std::uint32_t seed) { random_.seed(seed); }

int Win32Services::RandomInt(int low, int high) {
  // The distribution is undefined for an inverted range.
  if (low > high) std::swap(low, high);
  return std::uniform_int_distribution<int>(low, high)(random_);
}

}  // namespace runtime
