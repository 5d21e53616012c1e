#include "skin_fixture.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>

namespace test {

Engine::Engine() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                     ICC_INTERNET_CLASSES};
  InitCommonControlsEx(&controls);
}

void FillPattern(skin::MemorySurface& surface, int w, int h, BYTE tag) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      COLORREF c = PatternPixel(x, y, tag);  // DIB pixels are 0x00RRGGBB
      pixels[y * w + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  surface.SelectBitmap(bitmap);
}

SkinnedWindow::SkinnedWindow()
    : hwnd(CreateWindowExA(0, PlainWindowClass(), "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr)) {
  auto made = std::make_unique<skin::SkinWindowRecord>();
  made->hwnd = hwnd;
  FillPattern(made->surface, 200, 150, 0x40);
  index = skin::theWindowRegistry().Append(std::move(made));
  skin::SetIntProp(hwnd, skin::kIndexProp, index);
}

SkinnedWindow::~SkinnedWindow() { DestroyWindow(hwnd); }

skin::SkinWindowRecord& SkinnedWindow::record() const {
  return *skin::theWindowRegistry().At(index);
}

HWND Child(HWND parent, const char* className, DWORD style, int x, int y, int w, int h,
           const char* text, DWORD exStyle) {
  return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                         parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HWND Container(HWND parent, int x, int y, int w, int h) {
  return Child(parent, PlainWindowClass(), 0, x, y, w, h);
}

}  // namespace test
