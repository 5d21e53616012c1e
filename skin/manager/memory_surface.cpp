#include "skin/manager/memory_surface.h"

#include <utility>

namespace skin {

MemorySurface::MemorySurface(MemorySurface&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)),
      bitmap_(std::exchange(other.bitmap_, nullptr)),
      displaced_(std::exchange(other.displaced_, nullptr)) {}

MemorySurface& MemorySurface::operator=(MemorySurface&& other) noexcept {
  if (this != &other) {
    Release();
    dc_ = std::exchange(other.dc_, nullptr);
    bitmap_ = std::exchange(other.bitmap_, nullptr);
    displaced_ = std::exchange(other.displaced_, nullptr);
  }
  return *this;
}

void MemorySurface::SelectBitmap(HBITMAP bitmap) {
  if (!dc_) dc_ = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc_, bitmap);
  if (!bitmap_) {
    displaced_ = previous;
  } else if (bitmap_ != bitmap) {
    DeleteObject(bitmap_);
  }
  bitmap_ = bitmap;
}

void MemorySurface::Release() {
  if (dc_) {
    if (displaced_) SelectObject(dc_, displaced_);
    DeleteDC(dc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  displaced_ = nullptr;
}

}  // namespace skin
