// The wizard's look without the wizard: the engine started as the installer
// starts it, the background JPEG as theme (mode 3), and one 408×398 popup
// window attached like the wizard, with one push button on it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

namespace bench {

class SkinnedFixture {
 public:
  SkinnedFixture();
  ~SkinnedFixture();
  SkinnedFixture(const SkinnedFixture&) = delete;
  SkinnedFixture& operator=(const SkinnedFixture&) = delete;

  HWND window() const { return window_; }
  HWND button() const { return button_; }
  int index() const { return index_; }
  const std::vector<std::uint8_t>& jpeg() const { return jpeg_; }

 private:
  std::vector<std::uint8_t> jpeg_;
  HWND window_ = nullptr;
  HWND button_ = nullptr;
  int index_ = 0;
};

// GDI objects of this process (GetGuiResources, or the GDI handle table
// under Wine where that returns 0), USER objects and committed private bytes.
struct ResourceUse {
  unsigned gdi;
  unsigned user;
  std::size_t privateBytes;
};
ResourceUse MeasureResources();

}  // namespace bench
