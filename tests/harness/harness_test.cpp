// The test environment itself: the installer's texts are GBK and its fonts
// are 宋体 and 黑体, so every other test relies on these holding.
#include <doctest.h>
#include <windows.h>

#include <string_view>

TEST_CASE("the ANSI code page is GBK") {
  CHECK(GetACP() == 936);
  // "安装" in GBK widens to the two characters U+5B89 U+88C5.
  wchar_t wide[4] = {};
  CHECK(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "安装", -1, wide, 4) == 3);
  CHECK(wide[0] == 0x5B89);
  CHECK(wide[1] == 0x88C5);
}

TEST_CASE("宋体 and 黑体 resolve to a font with CJK glyphs") {
  HDC dc = CreateCompatibleDC(nullptr);
  for (const char* face : {"宋体", "黑体"}) {
    CAPTURE(face);
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, OUT_TT_PRECIS, 0, 0,
                             0, face);
    HGDIOBJ old = SelectObject(dc, font);
    WORD glyph = 0xFFFF;
    CHECK(GetGlyphIndicesW(dc, L"\x5B89", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1);
    CHECK(glyph != 0xFFFF);
    SelectObject(dc, old);
    DeleteObject(font);
  }
  DeleteDC(dc);
}
