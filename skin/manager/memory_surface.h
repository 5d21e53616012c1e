// MemorySurface: a memory device context that owns the bitmap selected into
// it. A skinned window keeps three: its rendered frame (the backdrop every
// skinned control copies from) and the clean caption and status-bar caches.
#pragma once
#include <windows.h>

namespace skin {

class MemorySurface {
 public:
  MemorySurface() = default;
  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;
  MemorySurface(MemorySurface&& other) noexcept;
  MemorySurface& operator=(MemorySurface&& other) noexcept;
  ~MemorySurface() { Release(); }

  // Selects `bitmap` into the surface, which takes ownership of it. The first
  // call creates the device context (compatible with the screen) and keeps the
  // object the selection displaced; later calls delete the bitmap they replace.
  void SelectBitmap(HBITMAP bitmap);
  // Puts the displaced object back, deletes the device context, then the
  // bitmap (once it is no longer selected), and forgets all three.
  void Release();

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  HGDIOBJ displaced() const { return displaced_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ displaced_ = nullptr;
};

}  // namespace skin
