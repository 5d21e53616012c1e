// The full render: rounded shape and region, background pictures by mode, the
// caption's border and caches, the surface properties, showing the frame.
#include <doctest.h>
#include <windows.h>

#include "skinned_window.h"
#include "support/test_support.h"

using skin::CaptionCommand;

namespace {

constexpr COLORREF kMagenta = 0xFF00FF;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr std::uint32_t kArgbRed = 0xFFFF0000, kArgbBlue = 0xFF0000FF;

// A picture `width` x `height`, red in the listed columns and blue elsewhere.
skin::ByteBlob ColumnPicture(int width, int height, std::vector<int> redColumns) {
  return test::MakePicture(width, height, [redColumns](int x, int) {
    for (int column : redColumns) {
      if (x == column) return kArgbRed;
    }
    return kArgbBlue;
  });
}

}  // namespace

TEST_CASE("outside the rounded shape the surface stays magenta; inside is the background") {
  test::Engine engine;
  test::SkinnedWindow window(400, 300, {CaptionCommand::Close});
  window.record->captionEnabled = 0;
  skin::globals::themeBaseColour = 0x336699;
  test::Manager().RenderFrame(window.index);
  HDC surface = window.record->surface.dc();
  for (POINT corner : {POINT{0, 0}, POINT{399, 0}, POINT{0, 299}, POINT{399, 299}}) {
    CAPTURE(corner.x);
    CAPTURE(corner.y);
    CHECK(test::SurfacePixel(surface, corner.x, corner.y) == kMagenta);
  }
  CHECK(test::SurfacePixel(surface, 200, 150) == 0x336699);

  // The window's region leaves the corners out as well.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  REQUIRE(GetWindowRgn(window.hwnd, region) != ERROR);
  CHECK_FALSE(PtInRegion(region, 0, 0));
  CHECK(PtInRegion(region, 3, 3));
  CHECK(PtInRegion(region, 399, 150));
  DeleteObject(region);
}

TEST_CASE("the caption switch: border, caption cache and buttons only when enabled") {
  const struct {
    int captionEnabled;
  } cases[] = {{0}, {1}};
  for (const auto& c : cases) {
    CAPTURE(c.captionEnabled);
    test::Engine engine;
    test::SkinnedWindow window(400, 300, {CaptionCommand::Close});
    window.record->captionEnabled = c.captionEnabled;
    window.record->backgroundImage = test::SolidPicture(50, 50, kBlue);
    window.record->imageMode = skin::kImageModeTopLeft;
    window.record->baseColour = 0x336699;
    test::Manager().RenderFrame(window.index);
    HDC surface = window.record->surface.dc();
    // The picture and the background colour are drawn either way.
    CHECK(test::SurfacePixel(surface, 20, 30) == kBlue);
    CHECK(test::SurfacePixel(surface, 200, 150) == 0x336699);
    // The outer border on the bottom edge, the close button's picture.
    const bool drawn = c.captionEnabled != 0;
    CHECK((test::SurfacePixel(surface, 200, 299) != 0x336699) == drawn);
    CHECK(test::Near(test::SurfacePixel(surface, 380, 10), 0x0000C0) == drawn);
    CHECK((window.record->captionCache.dc() != nullptr) == drawn);
  }
}

TEST_CASE("background picture modes place the picture") {
  const struct {
    const char* name;
    int mode;
    int pictureWidth;
    std::vector<int> redColumns;  // of the picture
    std::vector<int> red, blue;  // surface columns on row 50
  } cases[] = {
      {"tiled copies at 0, 64, 128, 192", skin::kImageModeTiled, 64, {0},
       {64, 128, 192}, {1, 63, 65, 127, 129, 191, 193}},
      {"centred wider picture starts left of 0", skin::kImageModeCentred, 300, {50, 150},
       {0, 100}, {1, 99, 101}},
      {"top-right", skin::kImageModeTopRight, 64, {0}, {136}, {137, 198}},
      {"stretched", skin::kImageModeStretched, 20, {}, {}, {5, 100, 150}},
  };
  for (const auto& c : cases) {
    CAPTURE(c.name);
    test::Engine engine;
    test::SkinnedWindow window(200, 100);
    window.record->captionEnabled = 0;
    skin::globals::themeImage = ColumnPicture(c.pictureWidth, 100, c.redColumns);
    skin::globals::themeMode = c.mode;
    test::Manager().RenderFrame(window.index);
    HDC surface = window.record->surface.dc();
    for (int x : c.red) {
      CAPTURE(x);
      CHECK(test::SurfacePixel(surface, x, 50) == kRed);
    }
    for (int x : c.blue) {
      CAPTURE(x);
      CHECK(test::SurfacePixel(surface, x, 50) == kBlue);
    }
  }
}

TEST_CASE("every render replaces the frame bitmap and frees the previous one") {
  test::Engine engine;
  test::SkinnedWindow window(300, 200, {CaptionCommand::Minimize, CaptionCommand::Close});
  test::Manager().RenderFrame(window.index);
  const INT_PTR displaced = skin::GetIntProp(window.hwnd, skin::kSurfaceDisplacedProp);
  CHECK(displaced != 0);
  CHECK(skin::GetIntProp(window.hwnd, skin::kFrameBitmapProp) ==
        reinterpret_cast<INT_PTR>(window.record->surface.bitmap()));

  const unsigned before = test::CountGdiObjects();
  test::Manager().RenderFrame(window.index);
  test::Manager().RenderFrame(window.index);
  CHECK(test::CountGdiObjects() == before);
  CHECK(skin::GetIntProp(window.hwnd, skin::kSurfaceDisplacedProp) == displaced);
  CHECK(skin::GetIntProp(window.hwnd, skin::kFrameBitmapProp) ==
        reinterpret_cast<INT_PTR>(window.record->surface.bitmap()));
  CHECK(window.record->fullRepaint == 0);
}

TEST_CASE("a render does not take activation from another window") {
  test::Engine engine;
  test::SkinnedWindow window(300, 200, {CaptionCommand::Close}, true);
  test::SkinnedWindow other(100, 100, {}, true);
  SetActiveWindow(other.hwnd);
  test::PumpMessages();
  REQUIRE(GetActiveWindow() == other.hwnd);
  test::Manager().RenderFrame(window.index);
  test::PumpMessages();
  CHECK(GetActiveWindow() == other.hwnd);
}

TEST_CASE("a shown render invalidates the skinned children once the first size has passed") {
  const struct {
    int firstSizePending;
    bool invalidated;
  } cases[] = {{1, false}, {0, true}};
  for (const auto& c : cases) {
    CAPTURE(c.firstSizePending);
    test::Engine engine;
    test::SkinnedWindow window(300, 200, {CaptionCommand::Close}, true);
    HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 10, 50, 60, 20,
                                  window.hwnd, nullptr, GetModuleHandleA(nullptr), nullptr);
    window.record->buttonSkins[0].hwnd = button;
    UpdateWindow(window.hwnd);
    UpdateWindow(button);
    skin::globals::firstSizePending = c.firstSizePending;
    test::Manager().RenderFrame(window.index, GetDC(window.hwnd));
    CHECK(static_cast<bool>(GetUpdateRect(button, nullptr, FALSE)) == c.invalidated);
  }
}
