// The embedded caption-button pictures decode to their fixed sizes, with a
// transparent background and an opaque white glyph.
#include <doctest.h>

#include "gdiplus/gdiplus_layer.h"
#include "skin/resources/pictures.h"
#include "skinned_window.h"

using skin::pictures::CaptionPicture;

TEST_CASE("caption pictures: sizes, transparent corners, white glyph centres") {
  test::Engine engine;
  const struct {
    CaptionPicture picture;
    UINT width;
    int glyphX, glyphY;  // a pixel inside the glyph's white body
  } cases[] = {{CaptionPicture::Help, 26, 13, 3},      {CaptionPicture::Menu, 26, 8, 10},
               {CaptionPicture::Minimize, 26, 13, 12}, {CaptionPicture::Maximize, 26, 8, 8},
               {CaptionPicture::Restore, 26, 8, 11},   {CaptionPicture::Close, 38, 19, 9}};
  for (const auto& c : cases) {
    CAPTURE(static_cast<int>(c.picture));
    gx::GxBitmap bitmap;
    REQUIRE(bitmap.LoadFromBytes(skin::pictures::CaptionPictureBytes(c.picture)));
    CHECK(bitmap.GetWidth() == c.width);
    CHECK(bitmap.GetHeight() == 18u);
    CHECK((bitmap.GetPixel(static_cast<INT>(c.width) - 3, 16) >> 24) == 0u);
    CHECK(bitmap.GetPixel(c.glyphX, c.glyphY) == 0xFFFFFFFFu);
  }
}
