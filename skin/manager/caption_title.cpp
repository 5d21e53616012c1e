// The caption's icon and title text.
#include <string>

#include "skin/manager/frame_drawing.h"
#include "skin/manager/skin_manager.h"

namespace skin {

namespace {

constexpr int kIconSize = 17;
constexpr int kTitleHeight = 32;

std::string WindowText(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

void SkinManager::DrawCaptionTitle(int index, std::optional<std::string_view> text,
                                   gx::GxGraphics* graphics) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  RECT client{};
  GetClientRect(record->hwnd, &client);
  const int b = frameBorder;
  const int titleWidth = client.right - record->buttonStripWidth - 10 - 2 * b;
  const gx::RectF box(static_cast<gx::REAL>(b + 26), static_cast<gx::REAL>(b + 5),
                      static_cast<gx::REAL>(titleWidth), static_cast<gx::REAL>(kTitleHeight));

  ElementGraphics target(graphics, record->surface.dc());
  if (target.owned()) {
    RestoreCaptionBackground(index, {b + 6, b + 5, b + 6 + titleWidth, b + 5 + kTitleHeight});
  }
  DrawIconEx(record->surface.dc(), b + 6, b + 2, globals::appIcon, kIconSize, kIconSize, 0,
             nullptr, DI_NORMAL);
  const std::string title = text ? std::string(*text) : WindowText(record->hwnd);
  GlowTextFont font{record->captionFontName, record->captionFontStyle ? Gdiplus::FontStyleBold
                                                                      : Gdiplus::FontStyleRegular,
                    static_cast<float>(record->captionFontSize)};
  DrawHaloText(target.get(), title, box, record->captionTextColour, record->captionShadowColour,
               1, font);
  target.ShowIfOwned(record->hwnd, b + 6, b + 3, titleWidth, kTitleHeight, true);
}

}  // namespace skin
