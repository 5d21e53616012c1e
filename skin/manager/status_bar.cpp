// The optional bar of panes along the bottom of a skinned window's client
// area: layout, drawing over the cached bar background, and the operations
// through which an application changes panes and style. Pane rectangles are
// kept as RECTs (left, top, right, bottom) in client coordinates.
#include <algorithm>

#include "skin/controls/colour_paths.h"
#include "skin/controls/control_lookup.h"
#include "skin/manager/frame_drawing.h"
#include "skin/manager/skin_manager.h"

namespace skin {

namespace {

// Pane text is placed for a line this high, whatever the font size.
constexpr int kLineHeight = 12;
// A pane of this width takes the rest of the bar.
constexpr int kRestOfBar = -1;

RECT RectAt(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

}  // namespace

void SkinManager::SetupStatusBar(int index, int height,
                                 std::optional<std::span<const StatusPane>> panes) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  record->statusBarHeight = height;
  const SIZE client = ClientSize(record->hwnd);
  const int b = frameBorder;
  record->statusBarRect = RectAt(b, client.cy - b - height - 1, client.cx - 2 * b, height);

  const StatusPane wholeBar{kRestOfBar, {}, {}, 0};
  const std::span<const StatusPane> given = panes ? *panes : std::span(&wholeBar, 1);
  record->statusPanes.clear();
  record->statusPaneRects.clear();
  int x = b, previousWidth = 0;
  for (const StatusPane& pane : given) {
    x += previousWidth;
    const int width = pane.width == kRestOfBar ? client.cx - b - x : pane.width;
    record->statusPaneRects.push_back(RectAt(x, record->statusBarRect.top, width, height));
    record->statusPanes.push_back(pane);
    previousWidth = width;
  }
}

void SkinManager::LayoutStatusBar(int index) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  const SIZE client = ClientSize(record->hwnd);
  const int b = frameBorder;
  RECT& bar = record->statusBarRect;
  bar = RectAt(b, client.cy - record->statusBarHeight - b - 1, client.cx - 2 * b,
               bar.bottom - bar.top);

  int x = b, used = 0;
  const size_t count = std::min(record->statusPanes.size(), record->statusPaneRects.size());
  for (size_t i = 0; i < count; ++i) {
    RECT& rect = record->statusPaneRects[i];
    int width = rect.right - rect.left;
    if (record->statusPanes[i].width == kRestOfBar) width = client.cx - used - 2 * b;
    rect = RectAt(x, bar.top, width, rect.bottom - rect.top);
    used += width;
    x += width;
  }
}

void SkinManager::RestoreStatusBarBackground(int index, const RECT& rect) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  // The cache's origin is the bar's top-left corner.
  BitBlt(record->surface.dc(), rect.left, rect.top, rect.right - rect.left,
         rect.bottom - rect.top, record->statusBarCache.dc(),
         rect.left - record->statusBarRect.left, rect.top - record->statusBarRect.top, SRCCOPY);
}

void SkinManager::DrawStatusPane(int index, int pane, gx::GxGraphics* graphics) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  const StatusPane* drawn = EntryAt(record->statusPanes, pane);
  const RECT* rect = EntryAt(record->statusPaneRects, pane);
  if (!drawn || !rect) return;
  const int x = rect->left, y = rect->top;
  const int w = rect->right - rect->left, h = rect->bottom - rect->top;

  ElementGraphics target(graphics, record->surface.dc());
  gx::GxGraphics& g = target.get();
  if (target.owned()) RestoreStatusBarBackground(index, *rect);
  const auto X = static_cast<gx::REAL>(x), Y = static_cast<gx::REAL>(y);
  gx::GxBrush band = VerticalGradient(X, Y, Y + h, ToGdiPlusColor(kWhite, 60, true),
                                      ToGdiPlusColor(kWhite, 10, true));
  g.FillRectangle(band, X, Y, static_cast<gx::REAL>(w), static_cast<gx::REAL>(h));

  gx::RectF box(X + 3, static_cast<gx::REAL>(y + (h - kLineHeight) / 2), static_cast<gx::REAL>(w),
                static_cast<gx::REAL>(h));
  if (!drawn->icon.empty()) {
    // An undecodable icon draws nothing and is placed as if 0 pixels wide.
    gx::GxImage icon;
    icon.LoadFromBytes(drawn->icon);
    const int iconWidth = static_cast<int>(icon.GetWidth());
    const int iconHeight = static_cast<int>(icon.GetHeight());
    if (!icon.IsEmpty()) {
      g.DrawImageRectRect(icon,
                          {X + 2, static_cast<gx::REAL>(y + (h - iconHeight) / 2),
                           static_cast<gx::REAL>(iconWidth), static_cast<gx::REAL>(iconHeight)},
                          {0, 0, static_cast<gx::REAL>(iconWidth), static_cast<gx::REAL>(iconHeight)});
    }
    box.X = static_cast<gx::REAL>(x + iconWidth + 3);
    box.Width = static_cast<gx::REAL>(w - iconWidth - 3);
  }

  const std::string_view face = record->statusFontName;
  const auto size = static_cast<float>(record->statusFontSize);
  if (record->statusGlowText) {
    DrawGlowText(g, drawn->text, box, record->statusGlowTextColour, record->statusGlowColour, 4,
                 {face, Gdiplus::FontStyleRegular, size});
  } else {
    const COLORREF colour =
        record->statusInvertText ? (~globals::themeBaseColour & 0xFFFFFF) : drawn->colour;
    gx::GxSolidBrush ink;
    ink.Create(ToGdiPlusColor(colour, 255, true));
    gx::GxFont font;
    font.Create(face, size, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    gx::GxStringFormat format;
    format.Create();
    format.SetAlign(Gdiplus::StringAlignmentNear);
    g.DrawString(drawn->text, font, box, format, ink);
  }
  target.ShowIfOwned(record->hwnd, x, y, w, h);
}

int SkinManager::SetStatusPane(HWND window, int pane, std::string_view text,
                               std::optional<std::span<const std::uint8_t>> icon,
                               std::optional<COLORREF> colour) {
  const int index = FindWindowIndex(window);
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return 0;
  StatusPane* changed = EntryAt(record->statusPanes, pane);
  if (!changed) return 0;
  changed->text = text;
  if (icon) changed->icon.assign(icon->begin(), icon->end());
  if (colour) changed->colour = *colour;
  DrawStatusPane(index, pane);
  return 1;
}

int SkinManager::SetStatusBarStyle(HWND window, const StatusBarStyle& style) {
  SkinWindowRecord* record = theWindowRegistry().At(theWindowRegistry().IndexFromProperty(window));
  if (!record) return 0;
  record->statusInvertText = style.invertText.value_or(1);
  record->statusGlowText = style.glowText.value_or(0);
  record->statusGlowTextColour = style.glowTextColour.value_or(0);
  record->statusGlowColour = style.glowColour.value_or(0xFFFFFF);
  if (style.fontName) record->statusFontName = *style.fontName;
  if (style.fontSize) record->statusFontSize = *style.fontSize;
  return 1;
}

}  // namespace skin
