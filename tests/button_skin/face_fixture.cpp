#include "face_fixture.h"

namespace test {

FlatWindow::FlatWindow() {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 200, -150, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int i = 0; i < 200 * 150; ++i) pixels[i] = 0x808080;
  record().surface.SelectBitmap(bitmap);
  skin::globals::accentColour = kRedAccent;
}

FlatWindow::~FlatWindow() { skin::globals::accentColour = 0xDDCA22; }

Canvas::Canvas(int w, int h) : dc_(CreateCompatibleDC(nullptr)) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  displaced_ = SelectObject(dc_, bitmap_);
  HBRUSH magenta = CreateSolidBrush(0xFF00FF);
  RECT all{0, 0, w, h};
  FillRect(dc_, &all, magenta);
  DeleteObject(magenta);
}

Canvas::~Canvas() {
  SelectObject(dc_, displaced_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

int Canvas::Count(int x0, int y0, int x1, int y1,
                  const std::function<bool(COLORREF)>& test) const {
  int count = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) count += test(At(x, y)) ? 1 : 0;
  }
  return count;
}

SongFont::SongFont()
    : font(CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, OUT_TT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体")) {}

SongFont::~SongFont() { DeleteObject(font); }

}  // namespace test
