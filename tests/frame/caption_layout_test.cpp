// Caption-button layout and drawing: strip and button geometry, tooltip
// rectangles and texts, the pictures' columns on the surface, the hover glow
// and the pressed look.
#include <doctest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "skinned_window.h"

using skin::CaptionCommand;

namespace {

// The tooltip tool `id` of the window's caption tips: its rectangle and text.
struct Tool {
  RECT rect{};
  std::string text;
};

Tool QueryTool(const skin::SkinWindowRecord& record, UINT_PTR id) {
  char buffer[80] = {};
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = record.captionTips.owner();
  info.uId = id;
  info.lpszText = buffer;
  SendMessageA(record.captionTips.GetWindow(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info));
  return {info.rect, buffer};
}

const std::vector<CaptionCommand> kThreeButtons = {
    CaptionCommand::Minimize, CaptionCommand::MaximizeRestore, CaptionCommand::Close};

}  // namespace

TEST_CASE("three buttons on a 400-pixel client: strip, hit rectangles and tooltips") {
  test::Engine engine;
  test::SkinnedWindow window(400, 300, kThreeButtons);
  const skin::SkinWindowRecord& record = *window.record;
  REQUIRE(record.buttonStripWidth == 95);
  CHECK(record.buttonStripX == 306);
  CHECK(record.buttonStripHeight == 22);

  const struct {
    int left, width;
    const char* tip;
  } expected[] = {{308, 26, "minimise"}, {335, 26, "maximise"}, {362, 40, "close"}};
  for (int i = 0; i < 3; ++i) {
    CAPTURE(i);
    const skin::FloatRect& bounds = record.captionButtons[i].bounds;
    CHECK(bounds.x == expected[i].left);
    CHECK(bounds.y == 1);
    CHECK(bounds.width == expected[i].width);
    CHECK(bounds.height == 18);
    const Tool tool = QueryTool(record, i + 1);
    CHECK(tool.rect.left == expected[i].left);
    CHECK(tool.rect.top == 1);
    CHECK(tool.rect.right == expected[i].left + expected[i].width);
    CHECK(tool.rect.bottom == 19);
    CHECK(tool.text == expected[i].tip);
  }
}

TEST_CASE("a resize moves the strip and the tooltips along") {
  test::Engine engine;
  test::SkinnedWindow window(400, 300, kThreeButtons);
  SetWindowPos(window.hwnd, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  test::Manager().LayoutCaptionButtons(window.index);
  CHECK(window.record->buttonStripX == 406);
  CHECK(QueryTool(*window.record, 3).rect.left == 462);
}

TEST_CASE("the pictures are drawn one pixel left of their hit rectangles") {
  test::Engine engine;
  test::SkinnedWindow window(400, 300, kThreeButtons);
  test::Manager().RenderFrame(window.index);
  HDC surface = window.record->surface.dc();
  const struct {
    int first, last;  // columns the picture covers
    COLORREF colour;
  } pictures[] = {{307, 332, 0x00C000}, {334, 359, 0xC00000}, {361, 398, 0x0000C0}};
  for (const auto& picture : pictures) {
    CAPTURE(picture.first);
    CHECK(test::Near(test::SurfacePixel(surface, picture.first, 10), picture.colour));
    CHECK(test::Near(test::SurfacePixel(surface, picture.last, 10), picture.colour));
    CHECK_FALSE(test::Near(test::SurfacePixel(surface, picture.first - 1, 10), picture.colour));
  }
}

TEST_CASE("the hover glow shows at full intensity and vanishes at zero") {
  test::Engine engine;
  test::SkinnedWindow window(400, 300, kThreeButtons);
  // A transparent picture lets the glow show through.
  window.record->captionButtons[0].image =
      test::MakePicture(26, 18, [](int, int) { return 0u; });
  test::Manager().RenderFrame(window.index);
  HDC surface = window.record->surface.dc();
  // The button's own columns, its sheen included (the next column holds the
  // neighbour's sheen, which a hover redraw leaves out).
  const RECT button{306, 0, 333, 20};
  const auto normal = test::SurfacePixels(surface, button);

  test::Manager().DrawCaptionButton(window.index, 1, 0, 240);
  CHECK(test::SurfacePixels(surface, button) != normal);
  test::Manager().DrawCaptionButton(window.index, 1, 0, 0);
  CHECK(test::SurfacePixels(surface, button) == normal);
}

TEST_CASE("a pressed maximise button shows the restore picture while maximised") {
  test::Engine engine;
  test::SkinnedWindow window(400, 300, kThreeButtons);
  skin::CaptionButton& maximise = window.record->captionButtons[1];
  maximise.altImage = test::SolidPicture(26, 18, 0x00FFFF);
  test::Manager().RenderFrame(window.index);
  const struct {
    int isMaximized;
    COLORREF shown;
  } cases[] = {{0, 0xC00000}, {1, 0x00FFFF}};
  for (const auto& c : cases) {
    CAPTURE(c.isMaximized);
    window.record->isMaximized = c.isMaximized;
    test::Manager().DrawCaptionButton(window.index, 2, 1);
    CHECK(test::Near(test::SurfacePixel(window.record->surface.dc(), 345, 10), c.shown));
  }
}

TEST_CASE("a new title is drawn over the clean caption background") {
  test::Engine engine;
  test::SkinnedWindow window(400, 300, kThreeButtons);
  SetWindowTextA(window.hwnd, "");
  test::Manager().RenderFrame(window.index);
  HDC surface = window.record->surface.dc();
  // The title box: from frame border + 26, as wide as the client less the
  // strip, 32 high (clipped to the caption cache's 25 rows).
  const RECT title{29, 8, 29 + 400 - 95 - 10 - 6 - 20, 25};
  const auto clean = test::SurfacePixels(surface, title);

  test::Manager().DrawCaptionTitle(window.index, "安装向导 Setup");
  CHECK(test::SurfacePixels(surface, title) != clean);
  test::Manager().DrawCaptionTitle(window.index, "");
  CHECK(test::SurfacePixels(surface, title) == clean);
}
