// The status bar: pane layout at setup and after a resize, the style
// operation's defaults, pane updates over the cached bar background.
#include <doctest.h>
#include <windows.h>

#include <vector>

#include "skinned_window.h"

namespace {

skin::StatusPane Pane(int width) {
  skin::StatusPane pane;
  pane.width = width;
  return pane;
}

struct PaneBox {
  int x, width;
};

std::vector<PaneBox> PaneBoxes(const skin::SkinWindowRecord& record) {
  std::vector<PaneBox> boxes;
  for (const RECT& rect : record.statusPaneRects) boxes.push_back({rect.left, rect.right - rect.left});
  return boxes;
}

void Resize(HWND window, int width, int height) {
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

TEST_CASE("panes of 100, the rest and 80 on a 500-pixel bar, then 600") {
  test::Engine engine;
  test::SkinnedWindow window(500, 300);
  const std::vector<skin::StatusPane> panes = {Pane(100), Pane(-1), Pane(80)};
  test::Manager().SetupStatusBar(window.index, 22, panes);
  const skin::SkinWindowRecord& record = *window.record;
  CHECK(record.statusBarHeight == 22);
  CHECK(record.statusBarRect.left == 3);
  CHECK(record.statusBarRect.top == 300 - 3 - 22 - 1);
  CHECK(record.statusBarRect.right - record.statusBarRect.left == 494);
  CHECK(record.statusBarRect.bottom - record.statusBarRect.top == 22);

  const struct {
    int clientWidth;
    std::vector<std::pair<int, int>> expected;  // x, width of each pane
  } steps[] = {{500, {{3, 100}, {103, 394}, {497, 80}}}, {600, {{3, 100}, {103, 494}, {597, 80}}}};
  for (const auto& step : steps) {
    CAPTURE(step.clientWidth);
    Resize(window.hwnd, step.clientWidth, 300);
    test::Manager().LayoutStatusBar(window.index);
    const std::vector<PaneBox> boxes = PaneBoxes(record);
    REQUIRE(boxes.size() == 3);
    for (size_t i = 0; i < 3; ++i) {
      CAPTURE(i);
      CHECK(boxes[i].x == step.expected[i].first);
      CHECK(boxes[i].width == step.expected[i].second);
      CHECK(record.statusPaneRects[i].top == 274);
    }
  }
}

TEST_CASE("without panes one pane covers the bar") {
  test::Engine engine;
  test::SkinnedWindow window(400, 200);
  test::Manager().SetupStatusBar(window.index, 20);
  const std::vector<PaneBox> boxes = PaneBoxes(*window.record);
  REQUIRE(boxes.size() == 1);
  CHECK(boxes[0].x == 3);
  CHECK(boxes[0].width == 394);
  CHECK(window.record->statusPanes[0].width == -1);
}

TEST_CASE("SetStatusBarStyle with nothing given turns inverted text on and the glow off") {
  test::Engine engine;
  test::SkinnedWindow window(400, 200);
  skin::SkinWindowRecord& record = *window.record;
  record.statusGlowText = 1;
  record.statusGlowTextColour = 0x123456;
  record.statusGlowColour = 0x654321;
  record.statusFontName = "宋体";
  record.statusFontSize = 12;
  CHECK(test::Manager().SetStatusBarStyle(window.hwnd) == 1);
  CHECK(record.statusInvertText == 1);
  CHECK(record.statusGlowText == 0);
  CHECK(record.statusGlowTextColour == 0);
  CHECK(record.statusGlowColour == 0xFFFFFF);
  CHECK(record.statusFontName == "宋体");
  CHECK(record.statusFontSize == 12);

  skin::StatusBarStyle style;
  style.invertText = 0;
  style.fontName = "黑体";
  style.fontSize = 14;
  CHECK(test::Manager().SetStatusBarStyle(window.hwnd, style) == 1);
  CHECK(record.statusInvertText == 0);
  CHECK(record.statusFontName == "黑体");
  CHECK(record.statusFontSize == 14);

  test::SkinnedWindow stranger(100, 100);
  RemovePropA(stranger.hwnd, skin::kIndexProp);
  CHECK(test::Manager().SetStatusBarStyle(stranger.hwnd) == 0);
}

TEST_CASE("SetStatusPane: pane numbers out of range and unknown windows change nothing") {
  test::Engine engine;
  test::SkinnedWindow window(400, 200);
  const std::vector<skin::StatusPane> panes = {Pane(100), Pane(-1)};
  test::Manager().SetupStatusBar(window.index, 20, panes);
  HWND unknown = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  const struct {
    HWND window;
    int pane;
    int result;
  } cases[] = {{window.hwnd, 0, 0}, {window.hwnd, 3, 0}, {unknown, 1, 0}, {window.hwnd, 2, 1}};
  for (const auto& c : cases) {
    CAPTURE(c.pane);
    CHECK(test::Manager().SetStatusPane(c.window, c.pane, "text", std::nullopt, 0x0000FF) == c.result);
  }
  CHECK(window.record->statusPanes[0].text.empty());
  CHECK(window.record->statusPanes[1].text == "text");
  CHECK(window.record->statusPanes[1].colour == 0x0000FF);
  DestroyWindow(unknown);
}

TEST_CASE("a pane update draws over the clean bar background") {
  test::Engine engine;
  test::SkinnedWindow window(400, 200);
  window.record->statusFontName = "宋体";
  window.record->statusFontSize = 12;
  window.record->statusInvertText = 1;
  skin::globals::themeBaseColour = 0xFFFFFF;  // inverted: black text
  const std::vector<skin::StatusPane> panes = {Pane(150), Pane(-1)};
  test::Manager().SetupStatusBar(window.index, 20, panes);
  test::Manager().RenderFrame(window.index);
  HDC surface = window.record->surface.dc();
  const RECT pane = window.record->statusPaneRects[0];
  const auto clean = test::SurfacePixels(surface, pane);

  REQUIRE(test::Manager().SetStatusPane(window.hwnd, 1, "状态 OK"));
  const auto written = test::SurfacePixels(surface, pane);
  CHECK(written != clean);
  // The text is black: the inverse of the white base colour.
  bool dark = false;
  for (COLORREF pixel : written) dark = dark || test::Near(pixel, 0x000000, 40);
  CHECK(dark);

  REQUIRE(test::Manager().SetStatusPane(window.hwnd, 1, ""));
  CHECK(test::SurfacePixels(surface, pane) == clean);
}
