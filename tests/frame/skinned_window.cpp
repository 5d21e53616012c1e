#include "skinned_window.h"

#include <cstdlib>
#include <memory>

#include "gdiplus/gdiplus_layer.h"

namespace test {

skin::SkinManager& Manager() { return skin::theSkinManager(); }

namespace {

struct ButtonLook {
  skin::CaptionCommand command;
  COLORREF colour;
  const char* tip;
};

ButtonLook LookOf(skin::CaptionCommand command) {
  switch (command) {
    case skin::CaptionCommand::Help: return {command, 0x00FFFF, "help"};
    case skin::CaptionCommand::MainMenu: return {command, 0xFFFF00, "menu"};
    case skin::CaptionCommand::Minimize: return {command, 0x00C000, "minimise"};
    case skin::CaptionCommand::MaximizeRestore: return {command, 0xC00000, "maximise"};
    case skin::CaptionCommand::Close: return {command, 0x0000C0, "close"};
    default: return {command, 0x404040, "custom"};
  }
}

}  // namespace

SkinnedWindow::SkinnedWindow(int width, int height, std::vector<skin::CaptionCommand> buttons,
                             bool visible) {
  hwnd = CreateWindowExA(0, PlainWindowClass(), "Frame test", WS_POPUP | (visible ? WS_VISIBLE : 0),
                         20, 20, width, height, nullptr, nullptr, GetModuleHandleA(nullptr),
                         nullptr);
  auto made = std::make_unique<skin::SkinWindowRecord>();
  record = made.get();
  record->hwnd = hwnd;
  record->captionHeight = 25;
  record->captionEnabled = 1;
  record->drawCaptionText = 1;
  record->resizable = 1;
  record->captionTextColour = 0xFFFFFF;
  record->captionShadowColour = 0x808080;
  record->captionFontName = "宋体";
  record->captionFontSize = 12;
  record->captionFontStyle = 1;
  record->captionButtons.clear();
  int total = 0;
  for (skin::CaptionCommand command : buttons) {
    const ButtonLook look = LookOf(command);
    skin::CaptionButton& button = record->captionButtons.emplace_back();
    button.command = command;
    button.width = command == skin::CaptionCommand::Close ? 38 : 26;
    button.height = 18;
    button.image = SolidPicture(button.width, button.height, look.colour);
    button.tipText = look.tip;
    total += button.width;
  }
  if (!buttons.empty()) record->buttonStripWidth = total + static_cast<int>(buttons.size()) - 1 + 3;
  record->buttonStripHeight = 22;
  skin::theSkinManager().frameBorder = 3;
  index = skin::theWindowRegistry().Append(std::move(made));
  record->captionTips.Create(hwnd);
  for (size_t i = 0; i < record->captionButtons.size(); ++i) {
    record->captionTips.AddTool({}, record->captionButtons[i].tipText.c_str(), i + 1);
  }
  skin::SetIntProp(hwnd, skin::kIndexProp, index);
  skin::theSkinManager().LayoutCaptionButtons(index);
}

SkinnedWindow::~SkinnedWindow() { DestroyWindow(hwnd); }

skin::ByteBlob MakePicture(int width, int height,
                           const std::function<std::uint32_t(int, int)>& colour, bool jpeg) {
  gx::GxBitmap bitmap;
  bitmap.CreateFromScan0(width, height, 0, PixelFormat32bppARGB);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, colour(x, y));
  }
  return bitmap.SaveToBytes(jpeg ? gx::kJpegFormat : gx::kPngFormat);
}

skin::ByteBlob SolidPicture(int width, int height, COLORREF colour) {
  const std::uint32_t argb = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) |
                             GetBValue(colour);
  return MakePicture(width, height, [argb](int, int) { return argb; });
}

COLORREF SurfacePixel(HDC dc, int x, int y) { return GetPixel(dc, x, y); }

std::vector<COLORREF> SurfacePixels(HDC dc, const RECT& rect) {
  std::vector<COLORREF> pixels;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  return pixels;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

}  // namespace test
