// Start-up and the exit routine of the engine.
#include <doctest.h>
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <optional>

#include "engine_fixture.h"
#include "skin/controls/memory_surface_list.h"
#include "skin/manager/skin_manager.h"

namespace globals = skin::globals;

TEST_CASE("a module without icon 129 gets its DEFAULT_ICON group") {
  HMODULE module = GetModuleHandleA(nullptr);
  REQUIRE(LoadIconA(module, MAKEINTRESOURCEA(129)) == nullptr);
  HICON icon;
  {
    test::EngineFixture engine;
    icon = globals::appIcon;
    CHECK(icon != nullptr);
    CHECK(icon == LoadIconA(module, "DEFAULT_ICON"));
  }
  // The exit routine leaves the shared icon alive.
  ICONINFO info{};
  CHECK(GetIconInfo(icon, &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
}

TEST_CASE("InitSkinModule starts GDI+ and restores the engine defaults") {
  skin::ConstructEngineObjects();
  globals::firstSizePending = 0;
  globals::ControlsSkinned = 0;
  globals::EditPanelAlpha = 7;
  globals::accentColour = 0x123456;
  globals::trackBarOption = 0;

  CHECK(skin::InitSkinModule() == 0);

  CHECK(globals::gdiplusToken != 0);
  CHECK(globals::firstSizePending == 1);
  CHECK(globals::ControlsSkinned == 1);
  CHECK(globals::EditPanelAlpha == 160);
  CHECK(globals::accentColour == 0xDDCA22);
  CHECK(globals::trackBarOption == 1);
  CHECK(globals::themeBaseColour == GetSysColor(COLOR_BTNFACE));
  skin::OnProcessExit();
  CHECK(globals::gdiplusToken == 0);
}

TEST_CASE("StartGdiPlus: version 1 unless given; a given 0 is refused") {
  struct Case {
    std::optional<UINT32> version;
    bool started;
  } cases[] = {{std::nullopt, true}, {1u, true}, {0u, false}};
  for (const Case& c : cases) {
    CAPTURE(c.version.value_or(99));
    ULONG_PTR token = skin::StartGdiPlus(c.version);
    CHECK((token != 0) == c.started);
    if (token) Gdiplus::GdiplusShutdown(token);
  }
}

namespace {

// What the engine looked like when the first window record was freed.
struct SeenAtRecordFree {
  bool freed = false;
  ULONG_PTR gdiplusToken = 1;
  size_t surfaces = 0;
  size_t themeBytes = 0;
};

// Lives inside a record's callback; notes the engine's state when destroyed.
struct RecordFreeProbe {
  SeenAtRecordFree* seen;
  ~RecordFreeProbe() {
    *seen = {true, globals::gdiplusToken, skin::theMemorySurfaceList().size(),
             globals::themeImage.size()};
  }
};

LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

TEST_CASE("OnProcessExit frees records still registered without touching their windows") {
  test::EngineFixture engine;
  test::TestWindow window;
  SetWindowLongPtrA(window.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc));
  skin::SetIntProp(window.hwnd, "Hw_hProc", reinterpret_cast<INT_PTR>(DefWindowProcA));
  skin::SkinWindowRecord& record = test::RegisterWindow(window.hwnd);
  SeenAtRecordFree seen;
  record.helpCallback = [probe = std::make_shared<RecordFreeProbe>(&seen)] {};
  globals::themeImage = {0xFF, 0xD8, 0xFF};
  HDC surface = CreateCompatibleDC(nullptr);
  skin::theMemorySurfaceList().push_back({surface, nullptr, nullptr});

  skin::OnProcessExit();

  // Order: the manager (and GDI+) went first, the surface list and the theme
  // image were still there while the records were freed.
  CHECK(seen.freed);
  CHECK(seen.gdiplusToken == 0);
  CHECK(seen.surfaces == 1);
  CHECK(seen.themeBytes == 3);
  CHECK(skin::theWindowRegistry().Size() == 0);
  CHECK(skin::theMemorySurfaceList().empty());
  CHECK(globals::themeImage.empty());
  // The window keeps the engine's procedure and properties.
  CHECK(GetWindowLongPtrA(window.hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SubclassProc));
  CHECK(skin::GetIntProp(window.hwnd, "Hw_lbID") == 1);
  CHECK(skin::GetIntProp(window.hwnd, "Hw_hProc") == reinterpret_cast<INT_PTR>(DefWindowProcA));
  DeleteDC(surface);
}

TEST_CASE("OnProcessExit with no window ever attached frees the empty state in order") {
  skin::ConstructEngineObjects();
  skin::InitSkinModule();
  globals::themeImage = {1, 2, 3, 4};
  REQUIRE(globals::gdiplusToken != 0);

  skin::OnProcessExit();

  CHECK(globals::gdiplusToken == 0);
  CHECK(skin::theWindowRegistry().Size() == 0);
  CHECK(skin::theMemorySurfaceList().capacity() == 0);
  CHECK(globals::themeImage.capacity() == 0);
}
