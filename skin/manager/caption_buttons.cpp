// The caption-button strip: layout, the buttons' normal, hover and pressed
// looks, and the separators between them. Buttons are redrawn over the
// cached caption background, so a hover fade never re-renders the frame.
#include <cmath>

#include "skin/controls/colour_paths.h"
#include "skin/manager/frame_drawing.h"
#include "skin/manager/skin_manager.h"

namespace skin {

namespace {

constexpr int kStripHeight = 22;
constexpr int kButtonStep = 27;
constexpr int kButtonHitWidth = 26;
constexpr int kCloseHitWidth = 40;
constexpr int kButtonHitHeight = 18;
// Corner of the close button's outline, matching the window's rounded corner.
constexpr int kCloseCorner = 5;

bool IsClose(const CaptionButton& button) { return button.command == CaptionCommand::Close; }

// The rectangle a button is drawn in: from one pixel left of its hit
// rectangle, as wide and high as its picture.
struct ButtonBox {
  int x, y, w, h;
};

ButtonBox DrawBox(const CaptionButton& button, int y) {
  return {static_cast<int>(button.bounds.x - 1), y, button.width, button.height};
}

// The picture shown: the restore picture while a maximise button's window is
// maximised.
const ByteBlob& ButtonPicture(const SkinWindowRecord& record, const CaptionButton& button) {
  const bool restore = button.command == CaptionCommand::MaximizeRestore && record.isMaximized;
  return restore ? button.altImage : button.image;
}

gx::RectF ToRectF(int x, int y, int w, int h) {
  return {static_cast<gx::REAL>(x), static_cast<gx::REAL>(y), static_cast<gx::REAL>(w),
          static_cast<gx::REAL>(h)};
}

gx::ARGB Colour(COLORREF colour, int alpha) {
  return ToGdiPlusColor(colour, static_cast<BYTE>(alpha), true);
}

// Fills `path` with a gradient down the box from `start` to `end`.
void FillDown(gx::GxGraphics& graphics, const gx::GxPath& path, const ButtonBox& box,
              gx::ARGB start, gx::ARGB end) {
  gx::GxBrush brush = VerticalGradient(static_cast<float>(box.x), static_cast<float>(box.y),
                                       static_cast<float>(box.y + box.h), start, end);
  graphics.FillPath(brush, path);
}

// The outline of a button's glow or rim: the close button's follows the
// window's rounded corner, the others have nearly square top corners.
void AddButtonOutline(gx::GxPath& path, const CaptionButton& button, int x, int y, int w, int h) {
  if (IsClose(button)) {
    AddTopRightRoundedOutline(path, x, y, w, h, kCloseCorner);
  } else {
    AddTopRoundedOutline(path, x, y, w, h, 1);
  }
}

// A separator line down the strip at x, fading from black at `alpha`.
void DrawSeparator(gx::GxGraphics& graphics, int x, int stripY, int stripHeight, int alpha) {
  const auto X = static_cast<float>(x), t = static_cast<float>(stripY);
  const auto s = static_cast<float>(stripHeight);
  gx::GxBrush fade = VerticalGradient(X, t, t + s - 3, Colour(kBlack, alpha), Colour(kBlack, 0));
  gx::GxPen pen;
  pen.Create(fade, 1);
  graphics.DrawLine(pen, X, t + 1, X, t + s - 4);
}

}  // namespace

void SkinManager::LayoutCaptionButtons(int index) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  if (IsWindow(record->hwnd)) {
    RECT client{};
    GetClientRect(record->hwnd, &client);
    record->buttonStripX = client.right - record->buttonStripWidth + 1;
    record->buttonStripHeight = kStripHeight;
  }
  const int left = record->buttonStripX + 2, top = record->buttonStripY + 1;
  for (size_t i = 0; i < record->captionButtons.size(); ++i) {
    CaptionButton& button = record->captionButtons[i];
    // Buttons step by 27 pixels whatever their widths; the close button's
    // hit rectangle reaches past the client's right edge.
    const int x = left + kButtonStep * static_cast<int>(i);
    const int width = IsClose(button) ? kCloseHitWidth : kButtonHitWidth;
    button.bounds = {static_cast<float>(x), static_cast<float>(top), static_cast<float>(width),
                     static_cast<float>(kButtonHitHeight)};
    const UINT_PTR tool = i + 1;
    record->captionTips.MoveTool(tool, {x, top, x + width, top + kButtonHitHeight});
    record->captionTips.UpdateToolText(tool, button.tipText.c_str());
  }
}

void SkinManager::DrawCaptionButton(int index, int button, int pressed, int intensity,
                                    gx::GxGraphics* graphics) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  const CaptionButton* drawn = EntryAt(record->captionButtons, button);
  if (!drawn) return;
  const ButtonBox box = DrawBox(*drawn, record->buttonStripY + 1);
  const ByteBlob& picture = ButtonPicture(*record, *drawn);

  if (pressed) {
    // The pushed look is always drawn with its own graphics and shown at once.
    ElementGraphics pushed(nullptr, record->surface.dc());
    gx::GxGraphics& g = pushed.get();
    RestoreCaptionBackground(index, {box.x, box.y, box.x + box.w, box.y + box.h});
    gx::GxPath shape;
    shape.Create();
    if (IsClose(*drawn)) {
      AddTopRightRoundedOutline(shape, box.x, box.y, box.w, box.h, kCloseCorner);
      FillDown(g, shape, box, Colour(kRed, 255), Colour(kWhite, 30));
    } else {
      shape.AddRectangle(box.x, box.y, box.w, box.h);
      FillDown(g, shape, box, Colour(kBlack, 80), Colour(kWhite, 5));
    }
    DrawPicture(g, picture, ToRectF(box.x, box.y, box.w - 1, box.h));
    pushed.ShowIfOwned(record->hwnd, box.x, box.y, box.w, box.h);
    return;
  }

  ElementGraphics target(graphics, record->surface.dc());
  gx::GxGraphics& g = target.get();
  if (target.owned()) g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  DrawButtonGlow(g, index, button, intensity);
  gx::GxBrush sheen = VerticalGradient(static_cast<float>(box.x), static_cast<float>(box.y),
                                       static_cast<float>(box.y + box.h), Colour(kWhite, 50),
                                       Colour(kBlack, 0));
  g.FillRectangle(sheen, box.x - 1, box.y, box.w + 1, box.h - 1);
  DrawPicture(g, picture, ToRectF(box.x, box.y, box.w, box.h));
  PaintButtonSeparators(index, button, g);
  target.ShowIfOwned(record->hwnd, box.x, box.y, box.w, box.h);
}

void SkinManager::DrawButtonGlow(gx::GxGraphics& graphics, int index, int button, int intensity) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  const CaptionButton* lit = EntryAt(record->captionButtons, button);
  if (!lit) return;
  const ButtonBox box = DrawBox(*lit, static_cast<int>(lit->bounds.y));
  const int a = intensity;
  RestoreCaptionBackground(index, {box.x - 1, box.y, box.x + box.w + 1, box.y + box.h + 1});

  // A dark haze, then the tint: red for the close button, the accent colour
  // for the others.
  gx::GxPath haze;
  haze.Create();
  AddTopRoundedOutline(haze, box.x, box.y, box.w, box.h, 1);
  FillDown(graphics, haze, box, Colour(kBlack, a / 5), Colour(kWhite, 0));
  if (IsClose(*lit)) {
    gx::GxPath tint;
    tint.Create();
    AddTopRightRoundedOutline(tint, box.x, box.y, box.w, box.h, kCloseCorner);
    FillDown(graphics, tint, box, Colour(kRed, a), Colour(kWhite, 0));
  } else {
    FillDown(graphics, haze, box, Colour(globals::accentColour, a), Colour(kWhite, 0));
  }

  // A light rim over the upper four fifths.
  gx::GxPath rim;
  rim.Create();
  AddButtonOutline(rim, *lit, box.x, box.y, box.w - 1, static_cast<int>(0.8 * box.h));
  gx::GxBrush rimFade = VerticalGradient(static_cast<float>(box.x), static_cast<float>(box.y),
                                         static_cast<float>(box.y + box.h),
                                         Colour(kWhite, static_cast<int>(0.8 * a)),
                                         Colour(kWhite, 0));
  gx::GxPen pen;
  pen.Create(rimFade, 1);
  graphics.DrawPath(pen, rim);
}

void SkinManager::PaintButtonSeparators(int index, int button, gx::GxGraphics& graphics) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  const CaptionButton* drawn = EntryAt(record->captionButtons, button);
  if (!drawn) return;
  const int t = record->buttonStripY, s = record->buttonStripHeight;
  DrawSeparator(graphics, static_cast<int>(drawn->bounds.x - 2), t, s, button == 1 ? 100 : 60);
  if (const CaptionButton* next = EntryAt(record->captionButtons, button + 1)) {
    DrawSeparator(graphics, static_cast<int>(next->bounds.x - 2), t, s, 60);
  }
}

void SkinManager::RestoreCaptionBackground(int index, const RECT& rect) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  BitBlt(record->surface.dc(), rect.left, rect.top, rect.right - rect.left,
         rect.bottom - rect.top, record->captionCache.dc(), rect.left, rect.top, SRCCOPY);
}

}  // namespace skin
