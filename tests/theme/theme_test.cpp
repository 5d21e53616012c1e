// The theme: what SetBackground stores, the sampled base colour, the faded
// edges of a processed picture, and the repaint of visible skinned windows.
#include <doctest.h>
#include <windows.h>

#include "gdiplus/gdiplus_layer.h"
#include "skinned_window.h"

namespace {

using skin::globals::accentColour;
using skin::globals::themeBaseColour;
using skin::globals::themeImage;
using skin::globals::themeMode;

constexpr std::uint32_t kArgbBlue = 0xFF0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kRed = 0x0000FF;

// A picture of stripes, so that the sampled colour depends on which pixels
// were drawn.
skin::ByteBlob Stripes(int width, int height, bool jpeg = false) {
  return test::MakePicture(width, height, [](int x, int y) {
    return ((x / 3 + y / 5) % 2) ? 0xFF20A040u : 0xFFE0C020u;
  }, jpeg);
}

COLORREF PixelOf(const skin::ByteBlob& png, int x, int y) {
  gx::GxBitmap bitmap;
  REQUIRE(bitmap.LoadFromBytes(png));
  int alpha = 0;
  return skin::ArgbToColorRef(bitmap.GetPixel(x, y), alpha);
}

}  // namespace

TEST_CASE("the wizard's call: JPEG bytes kept, mode 3, default accent, sampled base") {
  test::Engine engine;
  const skin::ByteBlob jpeg = test::MakePicture(60, 40, [](int, int) { return 0xFF996633u; }, true);
  REQUIRE(jpeg.size() > 2);
  REQUIRE(jpeg[0] == 0xFF);  // a JPEG's start-of-image marker
  REQUIRE(jpeg[1] == 0xD8);
  accentColour = 0x123456;
  test::Manager().SetBackground("", jpeg, std::nullopt, std::nullopt, 3);
  CHECK(themeImage == jpeg);
  CHECK(themeMode == 3);
  CHECK(accentColour == 0xDDCA22);
  CHECK((themeBaseColour >> 24) == 0xFFu);
  CHECK(test::Near(themeBaseColour & 0xFFFFFF, 0x336699, 4));
}

TEST_CASE("SetBackground: accent, base colour and mode by what is given") {
  test::Engine engine;
  const skin::ByteBlob picture = test::SolidPicture(20, 20, 0x204080);
  const skin::ByteBlob previous = test::SolidPicture(4, 4, 0);

  SUBCASE("accent -1 follows the new base colour") {
    test::Manager().SetBackground("", picture, std::nullopt, skin::kAccentFollowsBase, 3);
    CHECK(accentColour == themeBaseColour);
    test::Manager().SetBackground("", {}, 0x00AA00, skin::kAccentFollowsBase);
    CHECK(accentColour == 0x00AA00);
  }
  SUBCASE("only a base colour empties the picture and keeps the mode") {
    themeImage = previous;
    themeMode = 2;
    test::Manager().SetBackground("", {}, 0x0A0B0C);
    CHECK(themeImage.empty());
    CHECK(themeMode == 2);
    CHECK(themeBaseColour == 0x0A0B0C);
  }
  SUBCASE("a given base colour wins over the sampled one") {
    test::Manager().SetBackground("", picture, 0x010203);
    CHECK(themeBaseColour == 0x010203);
  }
  SUBCASE("mode not given: 4, the picture stored unchanged") {
    themeMode = 1;
    test::Manager().SetBackground("", picture);
    CHECK(themeMode == 4);
    CHECK(themeImage == picture);
  }
  SUBCASE("nothing given changes nothing but the accent") {
    themeImage = previous;
    themeMode = 2;
    themeBaseColour = 0x111111;
    test::Manager().SetBackground("", {}, std::nullopt, 0x445566);
    CHECK(themeImage == previous);
    CHECK(themeMode == 2);
    CHECK(themeBaseColour == 0x111111);
    CHECK(accentColour == 0x445566);
  }
}

TEST_CASE("mode 0 fades a 100 x 50 picture from x 71 and y 21") {
  test::Engine engine;
  const skin::ByteBlob picture =
      test::MakePicture(100, 50, [](int, int) { return kArgbBlue; });
  test::Manager().SetBackground("", picture, kRed, std::nullopt, 0);
  REQUIRE(themeMode == 0);
  const struct {
    int x, y;
    bool changed;
  } pixels[] = {{70, 10, false}, {71, 10, true}, {10, 20, false}, {10, 21, true}, {50, 49, true}};
  for (const auto& p : pixels) {
    CAPTURE(p.x);
    CAPTURE(p.y);
    CHECK((PixelOf(themeImage, p.x, p.y) != kBlue) == p.changed);
  }
  // Far into the bands the picture has nearly become the colour.
  CHECK(test::Near(PixelOf(themeImage, 99, 10), kRed, 24));
  CHECK(test::Near(PixelOf(themeImage, 10, 49), kRed, 24));
}

TEST_CASE("mode 1 fades the left edge instead") {
  test::Engine engine;
  const skin::ByteBlob picture =
      test::MakePicture(100, 50, [](int, int) { return kArgbBlue; });
  test::Manager().SetBackground("", picture, kRed, std::nullopt, 1);
  CHECK(test::Near(PixelOf(themeImage, 0, 10), kRed, 24));
  CHECK(PixelOf(themeImage, 30, 10) == kBlue);
  CHECK(PixelOf(themeImage, 99, 10) == kBlue);
}

TEST_CASE("sampling: the same picture on the same day gives the same colour") {
  test::Engine engine;
  const skin::ByteBlob picture = Stripes(97, 61);
  const skin::PictureSource source{picture, {}};
  const COLORREF first = skin::SampleImageColour(source, 2000);
  CHECK((first >> 24) == 0xFFu);
  CHECK(skin::SampleImageColour(source, 2000) == first);
}

TEST_CASE("an undecodable picture samples nothing and processes to nothing") {
  test::Engine engine;
  const skin::ByteBlob garbage = {1, 2, 3, 4, 5, 6, 7, 8};
  const skin::PictureSource source{garbage, {}};
  CHECK(skin::SampleImageColour(source, 2000) == 0xFF000000);
  CHECK(skin::ProcessBackgroundImage(source, std::nullopt, kRed).empty());
  CHECK(skin::SampleImageColour({test::SolidPicture(4, 4, kRed), {}}, 0) == 0xFF000000);
}

TEST_CASE("ArgbToColorRef swaps red and blue and hands the alpha back") {
  int alpha = 0;
  CHECK(skin::ArgbToColorRef(0x80112233, alpha) == 0x332211);
  CHECK(alpha == 0x80);
}

TEST_CASE("a new theme re-renders the visible skinned windows only") {
  test::Engine engine;
  test::SkinnedWindow shown(200, 100, {skin::CaptionCommand::Close}, true);
  test::SkinnedWindow hidden(200, 100, {skin::CaptionCommand::Close}, false);
  test::Manager().SetBackground("", {}, 0x00FF00);
  REQUIRE(shown.record->surface.dc() != nullptr);
  CHECK(test::SurfacePixel(shown.record->surface.dc(), 100, 60) == 0x00FF00);
  CHECK(hidden.record->surface.dc() == nullptr);
}
