#include "skinned_fixture.h"

#include <fstream>
#include <iterator>

#include "skin/controls/control_framework.h"
#include "skin/manager/skin_manager.h"
#include "tests/support/test_support.h"

namespace bench {

SkinnedFixture::SkinnedFixture() {
  skin::ConstructEngineObjects();
  skin::InitSkinModule();
  std::ifstream file(BACKGROUND_JPEG, std::ios::binary);
  jpeg_.assign(std::istreambuf_iterator<char>(file), {});
  skin::theSkinManager().SetBackground("", jpeg_, std::nullopt, std::nullopt, 3);

  window_ = CreateWindowExA(0, "STATIC", "Tavrin安装向导",
                            WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU | WS_VISIBLE, 50, 50, 408, 398,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  button_ = CreateWindowExA(0, "Button", "一键安装", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 95, 80,
                            224, 64, window_, nullptr, GetModuleHandleA(nullptr), nullptr);
  skin::AttachOptions options;
  options.resizable = 0;
  skin::theSkinManager().AttachWindow(window_, options);
  index_ = skin::theWindowRegistry().IndexOf(window_);
  test::PumpMessages(200);
}

SkinnedFixture::~SkinnedFixture() {
  DestroyWindow(window_);
  skin::OnProcessExit();
}

namespace {

// Committed private memory, summed over the address space. Wine reports 0
// for PROCESS_MEMORY_COUNTERS_EX::PrivateUsage, so it is counted directly.
std::size_t PrivateBytes() {
  std::size_t total = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const BYTE* address = nullptr;
       VirtualQuery(address, &region, sizeof region) == sizeof region;
       address = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
  }
  return total;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<unsigned*>(count);
  return TRUE;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<unsigned*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

// USER objects: GetGuiResources on Windows; Wine always answers 0 there, so
// the process's windows (the USER objects the engine makes) are counted.
unsigned UserObjects() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return n;
  unsigned windows = 0;
  EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace

ResourceUse MeasureResources() {
  return {test::CountGdiObjects(), UserObjects(), PrivateBytes()};
}

}  // namespace bench
