// Decoding from bytes and files, encoding, encoder lookup, frames, GDI
// conversions and rotated copies, on the real GDI+.
#include <doctest.h>

#include <algorithm>
#include <string>

#include "gx_test_support.h"
#include "tests/support/test_support.h"

using namespace gx;
using namespace gxtest;

namespace {

constexpr int kSize = 16;

// A kSize square: left half `left`, right half `right`.
GxBitmap TwoHalves(ARGB left, ARGB right) {
  GxBitmap bitmap = Canvas(kSize, kSize, left);
  Paint(bitmap, kSize / 2, 0, kSize / 2, kSize, right);
  return bitmap;
}

bool StartsWith(const ByteBlob& bytes, std::initializer_list<std::uint8_t> signature) {
  return bytes.size() >= signature.size() && std::equal(signature.begin(), signature.end(), bytes.begin());
}

// A two-frame 1 × 1 GIF: a red frame shown 10/100 s, then a blue one 20/100 s.
const ByteBlob kTwoFrameGif = {
    'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,  // screen, 2-colour table
    0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF,                     // red, blue
    0x21, 0xF9, 4, 0, 10, 0, 0, 0,                          // delay 10
    0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0,   // pixel index 0
    0x21, 0xF9, 4, 0, 20, 0, 0, 0,                          // delay 20
    0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 0x01, 0,   // pixel index 1
    0x3B};

}  // namespace

TEST_CASE("an image loaded from bytes owns them: it decodes and draws after the caller's copy is gone") {
  ULONG quality = 95;
  const EncoderParam jpegQuality{kEncoderQuality, 1, Gdiplus::EncoderParameterValueTypeLong, &quality};
  struct Case {
    const char* name;
    std::string_view format;
    std::span<const EncoderParam> params;
    std::initializer_list<std::uint8_t> signature;
    ARGB left, right;
    int tolerance;
  };
  const Case cases[] = {
      {"jpeg", kJpegFormat, {&jpegQuality, 1}, {0xFF, 0xD8, 0xFF}, kRed, kBlue, 40},
      {"png with alpha", kPngFormat, {}, {0x89, 0x50, 0x4E, 0x47}, 0x80FF0000, 0x20008000, 0},
  };
  for (const Case& c : cases) {
    CAPTURE(c.name);
    const ByteBlob encoded = TwoHalves(c.left, c.right).SaveToBytes(c.format, c.params);
    REQUIRE(StartsWith(encoded, c.signature));

    GxImage image;
    {
      ByteBlob callerCopy = encoded;
      REQUIRE(image.LoadFromBytes(callerCopy));
      std::fill(callerCopy.begin(), callerCopy.end(), 0);
    }
    CHECK(image.GetWidth() == kSize);
    CHECK(image.GetHeight() == kSize);
    CHECK(image.GetRawFormat() == c.format);

    // Drawn 1:1 with source copy, so the target holds exactly the image.
    GxBitmap target = Canvas(kSize, kSize, 0);
    GxGraphics graphics;
    REQUIRE(graphics.CreateFromImage(target));
    REQUIRE(graphics.DrawImageRectRect(image, RectF(0, 0, kSize, kSize), RectF(0, 0, kSize, kSize)));
    graphics.Release();
    const int tolerance = std::max(c.tolerance, 2);  // blending over transparent black rounds
    CHECK(Near(target.GetPixel(3, 8), c.left, tolerance));
    CHECK(Near(target.GetPixel(12, 8), c.right, tolerance));

    // Re-decoded as a bitmap, the pixels read back as encoded.
    GxBitmap decoded;
    REQUIRE(decoded.LoadFromBytes(encoded));
    CHECK(Near(decoded.GetPixel(3, 8), c.left, c.tolerance));
    CHECK(Near(decoded.GetPixel(12, 8), c.right, c.tolerance));
  }
}

TEST_CASE("encoder lookup matches the format text exactly; formats without an encoder save nothing") {
  GxBitmap pngSource;
  REQUIRE(pngSource.LoadFromBytes(TwoHalves(kRed, kBlue).SaveToBytes(kPngFormat)));
  const GxBitmap memoryBitmap = TwoHalves(kRed, kBlue);
  std::string lowerPng(kPngFormat);
  std::transform(lowerPng.begin(), lowerPng.end(), lowerPng.begin(), [](char ch) { return static_cast<char>(std::tolower(ch)); });

  struct Case {
    const char* name;
    const GxImage& image;
    std::optional<std::string_view> format;
    bool hasEncoder;
  };
  const Case cases[] = {
      {"png", memoryBitmap, kPngFormat, true},
      {"png in lower case", memoryBitmap, lowerPng, false},
      {"icon", memoryBitmap, kIconFormat, false},
      {"own format of a decoded png", pngSource, std::nullopt, true},
      {"own format of a memory bitmap", memoryBitmap, std::nullopt, false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.name);
    const std::string format(c.format.value_or(c.image.GetRawFormat()));
    CHECK(FindEncoder(format).empty() == !c.hasEncoder);
    CHECK(c.image.SaveToBytes(c.format).empty() == !c.hasEncoder);
  }

  const std::vector<EncoderInfo> encoders = GetImageEncoders();
  const auto png = std::find_if(encoders.begin(), encoders.end(),
                                [](const EncoderInfo& e) { return e.formatId == kPngFormat; });
  REQUIRE(png != encoders.end());
  CHECK(FindEncoder(kPngFormat) == png->clsid);
  CHECK(png->mimeType == "image/png");
  CHECK(png->signaturePattern.size() == std::size_t{png->signatureCount} * png->signatureSize);
}

TEST_CASE("SaveToFile writes a BMP under a GBK file name that loads back") {
  char folder[MAX_PATH];
  REQUIRE(GetTempPathA(MAX_PATH, folder) > 0);
  const std::string path = std::string(folder) + "图像测试.bmp";
  DeleteFileA(path.c_str());

  REQUIRE(TwoHalves(kRed, kBlue).SaveToFile(path));
  {
    GxBitmap loaded;
    REQUIRE(loaded.LoadFromFile(path));
    CHECK(loaded.GetRawFormat() == kBmpFormat);
    CHECK(loaded.GetPixel(3, 8) == kRed);
    CHECK(loaded.GetPixel(12, 8) == kBlue);
  }  // the decoder keeps the file open while the image lives
  CHECK(DeleteFileA(path.c_str()));
  CHECK_FALSE(TwoHalves(kRed, kBlue).SaveToFile(path, kIconFormat));
  CHECK(GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES);
}

TEST_CASE("animated pictures: frame count, frame delays and frame selection") {
  GxBitmap gif;
  REQUIRE(gif.LoadFromBytes(kTwoFrameGif));
  CHECK(gif.GetFrameCount(kTimeDimension) == 2);
  CHECK(gif.GetFrameDelays() == std::vector<std::uint32_t>{10, 20});
  CHECK(gif.GetPixel(0, 0) == kRed);
  REQUIRE(gif.SelectActiveFrame(kTimeDimension, 1));
  CHECK(gif.GetPixel(0, 0) == kBlue);

  GxBitmap still = Canvas(2, 2, kRed);
  CHECK(still.GetFrameDelays().empty());
}

TEST_CASE("GDI bitmaps and icons convert both ways without leaking GDI objects") {
  // The shared system icon stays loaded, so it is loaded before counting.
  const HICON systemIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
  const unsigned before = test::CountGdiObjects();
  {
    const GxBitmap source = TwoHalves(kRed, kBlue);
    const HBITMAP gdiBitmap = source.CreateHBITMAP(kBlack);
    REQUIRE(gdiBitmap != nullptr);
    GxBitmap back;
    REQUIRE(back.CreateFromHBITMAP(gdiBitmap));
    CHECK(back.GetPixel(3, 8) == kRed);
    CHECK(back.GetPixel(12, 8) == kBlue);
    DeleteObject(gdiBitmap);

    GxBitmap icon;
    REQUIRE(icon.CreateFromHICON(systemIcon));
    CHECK(icon.GetWidth() == static_cast<UINT>(GetSystemMetrics(SM_CXICON)));
  }
  CHECK(test::CountGdiObjects() == before);
}

TEST_CASE("RotateBitmap turns the picture about its centre into a bitmap of the rotated size") {
  // 20 × 10: red left half, blue right half, 120 dpi.
  GxBitmap source = Canvas(20, 10, kRed);
  Paint(source, 10, 0, 10, 10, kBlue);
  REQUIRE(source.SetResolution(120, 120));

  struct Probe {
    int x, y;
    ARGB colour;
  };
  struct Case {
    float degrees;
    LONG width, height;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {0, 20, 10, {{5, 5, kRed}, {15, 5, kBlue}}},
      {180, 20, 10, {{5, 5, kBlue}, {15, 5, kRed}}},
      {90, 10, 20, {{5, 4, kRed}, {5, 15, kBlue}}},  // clockwise: left goes up
      {45, 21, 21, {{0, 0, kGreen}, {20, 20, kGreen}}},
  };
  for (const Case& c : cases) {
    CAPTURE(c.degrees);
    const SIZE bounds = GxBitmap::RotatedBounds(20, 10, c.degrees);
    CHECK(bounds.cx == c.width);
    CHECK(bounds.cy == c.height);
    const GxBitmap rotated = source.RotateBitmap(
        c.degrees, {.fill = kGreen, .interpolation = Gdiplus::InterpolationModeNearestNeighbor});
    REQUIRE_FALSE(rotated.IsEmpty());
    CHECK(rotated.GetWidth() == static_cast<UINT>(c.width));
    CHECK(rotated.GetHeight() == static_cast<UINT>(c.height));
    CHECK(rotated.GetHorizontalResolution() == doctest::Approx(120));
    for (const Probe& p : c.probes) {
      CAPTURE(p.x);
      CAPTURE(p.y);
      CHECK(rotated.GetPixel(p.x, p.y) == p.colour);
    }
  }

  const GxBitmap sized = source.RotateBitmap(0, {.size = SIZE{30, 12}});
  CHECK(sized.GetWidth() == 30);
  CHECK(sized.GetHeight() == 12);
  CHECK(sized.GetPixel(0, 0) == 0);  // no fill: transparent
  CHECK(sized.GetPixel(10, 6) == kRed);
}
