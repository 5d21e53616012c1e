// Text and GUID conversions, fonts from CJK face names, string drawing and
// measuring, on the real GDI+ (code page 936).
#include <doctest.h>

#include <string>

#include "gx_test_support.h"

using namespace gx;
using namespace gxtest;

namespace {

// `text` drawn in black on white with a 16-pixel font of `face`.
GxBitmap RenderText(std::string_view face, std::string_view text,
                  Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear) {
  GxBitmap canvas = Canvas(100, 32, kWhite);
  GxGraphics graphics;
  REQUIRE(graphics.CreateFromImage(canvas));
  GxFont font;
  REQUIRE(font.Create(face, 16, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel));
  GxStringFormat format;
  REQUIRE(format.Create());
  REQUIRE(format.SetAlign(align));
  REQUIRE(format.SetLineAlign(Gdiplus::StringAlignmentCenter));
  GxSolidBrush black;
  REQUIRE(black.Create(kBlack));
  REQUIRE(graphics.DrawString(text, font, RectF(0, 0, 100, 32), format, black));
  return canvas;
}

int DarkPixels(const GxBitmap& bitmap) { return CountPixels(bitmap, IsDark); }

}  // namespace

TEST_CASE("texts convert to UTF-16 and back through the ANSI code page") {
  struct Case {
    std::wstring wide;
    std::string text;  // narrow literals are GBK
  };
  const Case cases[] = {
      {L"Tavrin安装向导", "Tavrin安装向导"},
      {L"宋体", "宋体"},
      {L"", ""},
      {L"A\u0E01B", "A?B"},  // Thai is outside GBK: the code page's replacement
  };
  for (const Case& c : cases) {
    CAPTURE(c.text);
    CHECK(WideToText(c.wide) == c.text);
  }
  CHECK(TextToWide("Tavrin安装向导") == L"Tavrin安装向导");
}

TEST_CASE("GUIDs and their braced upper-case texts") {
  const GUID png = {0xB96B3CAF, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
  CHECK(GuidToText(png) == kPngFormat);
  CHECK(IsEqualGUID(TextToGuid(kPngFormat), png));
  CHECK(IsEqualGUID(TextToGuid("not a guid"), GUID_NULL));
}

TEST_CASE("fonts from the CJK face names draw visible glyphs") {
  for (const char* face : {"宋体", "黑体"}) {
    CAPTURE(face);
    GxFont font;
    REQUIRE(font.Create(face, 16, Gdiplus::FontStyleBold, Gdiplus::UnitPixel));
    CHECK(font.GetSize() == doctest::Approx(16));
    CHECK(font.GetStyle() == Gdiplus::FontStyleBold);
    GxFontFamily family;
    REQUIRE(font.GetFamily(family));
    CHECK_FALSE(family.GetFamilyName().empty());

    CHECK(DarkPixels(RenderText(face, "安装")) > 30);
    CHECK(DarkPixels(RenderText(face, "")) == 0);
  }
}

TEST_CASE("a character outside the code page draws as the replacement character") {
  const std::string text = WideToText(L"\u0E01");
  CHECK(SamePixels(RenderText("宋体", text), RenderText("宋体", "?")));
  CHECK(DarkPixels(RenderText("宋体", text)) > 0);
}

TEST_CASE("string format alignment places the text; measuring grows with the text") {
  struct Case {
    Gdiplus::StringAlignment align;
    int low, high;  // where the ink's mean column must lie
  };
  const Case cases[] = {
      {Gdiplus::StringAlignmentNear, 0, 30},
      {Gdiplus::StringAlignmentCenter, 40, 60},
      {Gdiplus::StringAlignmentFar, 70, 100},
  };
  for (const Case& c : cases) {
    CAPTURE(static_cast<int>(c.align));
    const GxBitmap canvas = RenderText("宋体", "汉", c.align);
    long sum = 0;
    int count = 0;
    for (UINT y = 0; y < canvas.GetHeight(); ++y) {
      for (UINT x = 0; x < canvas.GetWidth(); ++x) {
        if (IsDark(canvas.GetPixel(x, y))) {
          sum += x;
          ++count;
        }
      }
    }
    REQUIRE(count > 0);
    CHECK(sum / count >= c.low);
    CHECK(sum / count <= c.high);
  }

  GxBitmap canvas = Canvas(4, 4, kWhite);
  GxGraphics graphics;
  REQUIRE(graphics.CreateFromImage(canvas));
  GxFont font;
  REQUIRE(font.Create("宋体", 12, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel));
  const GxStringFormat defaultFormat;
  const std::optional<RectF> one = graphics.MeasureString("汉字", font, RectF(), defaultFormat);
  const std::optional<RectF> two = graphics.MeasureString(L"汉字汉字", font, RectF(), defaultFormat);
  REQUIRE(one);
  REQUIRE(two);
  CHECK(one->Width > 12);
  CHECK(two->Width > one->Width + 12);
}

TEST_CASE("a font made from a device context and a GDI font keeps its size and style") {
  struct Case {
    int weight;
    BOOL italic;
    INT style;
  };
  const Case cases[] = {
      {FW_NORMAL, FALSE, Gdiplus::FontStyleRegular},
      {FW_BOLD, TRUE, Gdiplus::FontStyleBold | Gdiplus::FontStyleItalic},
  };
  const HDC dc = CreateCompatibleDC(nullptr);
  for (const Case& c : cases) {
    CAPTURE(c.style);
    const HFONT gdiFont = CreateFontA(-12, 0, 0, 0, c.weight, c.italic, FALSE, FALSE,
                                      GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    GxFont font;
    REQUIRE(font.CreateFromDC(dc, gdiFont));
    CHECK(font.GetSize() == doctest::Approx(12));
    CHECK(font.GetStyle() == c.style);
    DeleteObject(gdiFont);
  }
  DeleteDC(dc);
}
