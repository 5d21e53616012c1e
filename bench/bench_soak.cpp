// 10,000 full renders and caption-button hover fades: GDI and USER handles
// and private bytes before and after must stay flat.
#include <cstdio>

#include "bench_support.h"
#include "skin/manager/skin_manager.h"
#include "skinned_fixture.h"
#include "tests/support/test_support.h"

namespace {

constexpr int kRounds = 10000;
constexpr int kFadeSteps = 8;

void PrintUse(const char* when, const bench::ResourceUse& use) {
  std::printf("%-7s GDI objects %5u | USER objects %5u | private bytes %10zu\n", when, use.gdi,
              use.user, use.privateBytes);
}

}  // namespace

int main() {
  bench::SkinnedFixture fixture;
  skin::SkinManager& manager = skin::theSkinManager();
  const int buttons = static_cast<int>(
      skin::theWindowRegistry().At(fixture.index())->captionButtons.size());
  // One round first, so lazily created system objects are not counted.
  manager.RenderFrame(fixture.index());
  test::PumpMessages();
  const bench::ResourceUse before = bench::MeasureResources();
  const double start = bench::Now();
  for (int round = 0; round < kRounds; ++round) {
    manager.RenderFrame(fixture.index());
    const int button = 1 + round % buttons;
    const int step = 1 + round % kFadeSteps;
    manager.DrawCaptionButton(fixture.index(), button, 0, 30 * step);          // brightening
    manager.DrawCaptionButton(fixture.index(), button, 0, 240 - 30 * step);    // dimming
    if (round % 100 == 0) test::PumpMessages();
    // Checkpoints tell a steady leak (growing at each) from a one-off.
    if ((round + 1) % 2000 == 0) {
      std::printf("%6d: ", round + 1);
      PrintUse("", bench::MeasureResources());
    }
  }
  test::PumpMessages();
  const double elapsed = bench::Now() - start;
  const bench::ResourceUse after = bench::MeasureResources();
  std::printf("soak: %d renders and %d fade steps in %.1f s\n", kRounds, 2 * kRounds, elapsed);
  PrintUse("before", before);
  PrintUse("after", after);
  const long long growth = static_cast<long long>(after.privateBytes) -
                           static_cast<long long>(before.privateBytes);
  std::printf("growth: GDI %+d, USER %+d, private bytes %+lld (targets 0, 0, < 1 MB) %s\n",
              static_cast<int>(after.gdi - before.gdi), static_cast<int>(after.user - before.user),
              growth,
              after.gdi == before.gdi && after.user == before.user && growth < (1 << 20) ? "met"
                                                                                        : "MISSED");
  return 0;
}
