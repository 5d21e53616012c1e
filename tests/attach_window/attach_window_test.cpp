#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "attached_window.h"
#include "skin/resources/pictures.h"

namespace {

using skin::CaptionCommand;
using test::AttachedWindow;

std::vector<CaptionCommand> Commands(const skin::SkinWindowRecord& record) {
  std::vector<CaptionCommand> commands;
  for (const skin::CaptionButton& b : record.captionButtons) commands.push_back(b.command);
  return commands;
}

int ToolCount(const skin::SkinWindowRecord& record) {
  return static_cast<int>(SendMessageA(record.captionTips.GetWindow(), TTM_GETTOOLCOUNT, 0, 0));
}

}  // namespace

TEST_CASE("the caption strip holds the buttons the style and the options ask for, in order") {
  test::Engine engine;
  using C = CaptionCommand;
  struct Case {
    DWORD style;
    bool help, menu;
    int stripWidth;
    std::vector<CaptionCommand> commands;
  };
  const Case cases[] = {
      {0, false, false, 41, {C::Close}},
      {WS_MINIMIZEBOX, false, false, 68, {C::Minimize, C::Close}},
      {WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false, false, 95, {C::Minimize, C::MaximizeRestore, C::Close}},
      {WS_MINIMIZEBOX | WS_MAXIMIZEBOX, true, true, 149,
       {C::Help, C::MainMenu, C::Minimize, C::MaximizeRestore, C::Close}},
      {WS_MAXIMIZEBOX, false, true, 68 + 27, {C::MainMenu, C::MaximizeRestore, C::Close}},
  };
  for (const Case& c : cases) {
    CAPTURE(c.stripWidth);
    skin::AttachOptions options;
    if (c.help) options.showHelpButton = 1;
    if (c.menu) options.showMenuButton = 1;
    AttachedWindow w(c.style, 400, 300, options);
    REQUIRE(w.record);
    CHECK(w.record->buttonStripWidth == c.stripWidth);
    CHECK(w.record->buttonStripHeight == 22);
    CHECK(Commands(*w.record) == c.commands);
    CHECK(ToolCount(*w.record) == static_cast<int>(c.commands.size()));
    CHECK(w.record->captionTipCount == static_cast<int>(c.commands.size()));
  }
}

TEST_CASE("each standard button carries its picture, size and tip") {
  test::Engine engine;
  using skin::pictures::CaptionPicture;
  skin::AttachOptions options;
  options.showHelpButton = 1;
  options.showMenuButton = 1;
  AttachedWindow w(WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 400, 300, options);
  struct Expected {
    CaptionPicture picture;
    int width;
    const char* tip;
  };
  const Expected expected[] = {{CaptionPicture::Help, 26, "帮助"},
                               {CaptionPicture::Menu, 26, "主菜单"},
                               {CaptionPicture::Minimize, 26, "最小化"},
                               {CaptionPicture::Maximize, 26, "最大化"},
                               {CaptionPicture::Close, 38, "关闭"}};
  REQUIRE(w.record->captionButtons.size() == 5);
  for (size_t i = 0; i < 5; ++i) {
    CAPTURE(i);
    const skin::CaptionButton& b = w.record->captionButtons[i];
    const auto bytes = skin::pictures::CaptionPictureBytes(expected[i].picture);
    CHECK(b.image == skin::ByteBlob(bytes.begin(), bytes.end()));
    CHECK(b.width == expected[i].width);
    CHECK(b.height == 18);
    CHECK(b.tipText == expected[i].tip);
    CHECK(b.altImage.empty() == (b.command != CaptionCommand::MaximizeRestore));
  }
}

TEST_CASE("attaching links, restyles and subclasses the window") {
  test::Engine engine;
  skin::AttachOptions options;
  options.captionHeight = 10;
  AttachedWindow w(WS_MINIMIZEBOX, 400, 300, options);
  CHECK(w.index == 1);
  CHECK(skin::GetIntProp(w.hwnd, skin::kIndexProp) == 1);
  // The previous procedure is the one in place (the caption tooltip's
  // subclass, over the class procedure); messages still reach the class's.
  HANDLE previous = GetPropA(w.hwnd, skin::kPrevProcProp);
  CHECK(previous != nullptr);
  CHECK(previous == reinterpret_cast<HANDLE>(w.record->prevWndProc));
  CHECK(previous != reinterpret_cast<HANDLE>(&skin::SkinnedWindowProc));
  w.Send(WM_USER + 7);
  CHECK(test::CountPassed(WM_USER + 7) == 1);
  CHECK(GetWindowLongPtrA(w.hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&skin::SkinnedWindowProc));
  CHECK((GetWindowLongPtrA(w.hwnd, GWL_STYLE) & WS_SYSMENU) != 0);
  const skin::SkinWindowRecord& r = *w.record;
  CHECK(r.captionHeight == 25);
  CHECK(r.resizable == 1);
  CHECK(r.captionEnabled == 1);
  CHECK(r.drawCaptionText == 1);
  CHECK(r.minTrackWidth == 200);
  CHECK(r.minTrackHeight == 150);
  CHECK(r.maxTrackWidth == GetSystemMetrics(SM_CXSCREEN));
  CHECK(r.maxTrackHeight == GetSystemMetrics(SM_CYSCREEN));
  CHECK(r.imageMode == skin::kImageModeTiled);
  CHECK(r.captionFontName == "宋体");
  CHECK(r.attached == 1);
  CHECK(r.fullRepaint == 1);
  CHECK(skin::theSkinManager().frameBorder == 3);
  // The caption layout placed the tools: the close button's tool has its rectangle.
  TTTOOLINFOA tool{sizeof(tool)};
  tool.hwnd = w.hwnd;
  tool.uId = 2;
  REQUIRE(SendMessageA(r.captionTips.GetWindow(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
  CHECK(tool.rect.right - tool.rect.left == 40);
}

TEST_CASE("attaching a window twice changes nothing") {
  test::Engine engine;
  AttachedWindow w(WS_MINIMIZEBOX, 400, 300);
  HANDLE previous = GetPropA(w.hwnd, skin::kPrevProcProp);
  SetWindowLongPtrA(w.hwnd, GWL_STYLE, GetWindowLongPtrA(w.hwnd, GWL_STYLE) | WS_MAXIMIZEBOX);
  skin::theSkinManager().AttachWindow(w.hwnd);
  CHECK(skin::theWindowRegistry().Size() == 1);
  CHECK(w.record->captionButtons.size() == 2);
  CHECK(GetPropA(w.hwnd, skin::kPrevProcProp) == previous);
  w.Send(WM_USER + 7);
  CHECK(test::CountPassed(WM_USER + 7) == 1);
}

TEST_CASE("the window's own picture: empty leaves the theme, mode 3 keeps the bytes") {
  test::Engine engine;
  AttachedWindow plain(0, 300, 200);
  CHECK(plain.record->backgroundImage.empty());
  CHECK(plain.record->baseColour == 0);

  const auto png = skin::pictures::CaptionPictureBytes(skin::pictures::CaptionPicture::Close);
  skin::AttachOptions options;
  options.windowImage = png;
  options.imageMode = skin::kImageModeStretched;
  AttachedWindow pictured(0, 300, 200, options);
  CHECK(pictured.record->imageMode == skin::kImageModeStretched);
  CHECK(pictured.record->backgroundImage == skin::ByteBlob(png.begin(), png.end()));
  CHECK(pictured.record->baseColour == skin::SampleImageColour({png, {}}, skin::kThemeSamples));
}

TEST_CASE("a status bar is set up when asked for, with its text style") {
  test::Engine engine;
  skin::AttachOptions options;
  options.statusBarHeight = 20;
  AttachedWindow w(0, 300, 200, options);
  CHECK(w.record->statusBarHeight == 20);
  CHECK(w.record->statusBarRect.bottom - w.record->statusBarRect.top > 0);
  CHECK(w.record->statusGlowColour == 0xFFFFFF);
  CHECK(w.record->statusFontName == "宋体");
  CHECK(w.record->statusFontSize == 12);
}

TEST_CASE("the window's direct child controls are attached to its record") {
  test::Engine engine;
  HWND parent = CreateWindowExA(0, test::RecordingClass(), "", WS_POPUP, 0, 0, 300, 200, nullptr,
                                nullptr, nullptr, nullptr);
  HWND button = CreateWindowExA(0, "Button", "OK", WS_CHILD | BS_PUSHBUTTON, 10, 40, 80, 24, parent,
                                nullptr, nullptr, nullptr);
  skin::theSkinManager().AttachWindow(parent);
  CHECK(skin::GetIntProp(button, skin::kOwnerIndexProp) == 1);
  CHECK(skin::theWindowRegistry().At(1)->buttonSkins.front().hwnd == button);
  DestroyWindow(parent);
  CHECK(skin::theWindowRegistry().Size() == 0);
}
