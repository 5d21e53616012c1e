#include "skin/controls/combo_paint.h"

#include <cstring>

#include "skin/controls/control_lookup.h"
#include "skin/controls/edit_panel.h"
#include "skin/controls/face_canvas.h"
#include "skin/controls/window_utils.h"
#include "skin/resources/pictures.h"

namespace skin {

namespace {

bool HasClass(HWND window, const char* name) {
  char buffer[32] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return std::strcmp(buffer, name) == 0;
}

// Clears the child's area to the transparency key, so the final copy leaves
// the child's own pixels; a drop list's frame keeps a 2-pixel margin.
void PunchHole(FaceCanvas& canvas, HWND child) {
  RECT hole = RectRelativeToParent(child);
  if (HasClass(child, "ComboLBox")) InflateRect(&hole, -2, -2);
  canvas.graphics().SetClipRect(static_cast<float>(hole.left), static_cast<float>(hole.top),
                                static_cast<float>(hole.right - hole.left),
                                static_cast<float>(hole.bottom - hole.top));
  canvas.graphics().Clear(Opaque(kMagenta));
  canvas.graphics().ResetClip();
}

// CBS_SIMPLE and CBS_DROPDOWNLIST (bit 0x1): every child; CBS_DROPDOWN: the
// first child (its edit) only.
void PunchChildHoles(FaceCanvas& canvas, HWND combo, LONG_PTR style) {
  for (HWND child = GetWindow(combo, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    PunchHole(canvas, child);
    if (!(style & 0x1)) break;
  }
}

void DrawDropDownButton(FaceCanvas& canvas, LONG_PTR style, float W, float H, bool hover) {
  const COLORREF accent = globals::accentColour;
  const float bw = (style & 0x3) == 0x3 ? 17.0f : 18.0f;
  const float bx = W - bw - 2, by = 2, bh = H - 4;
  canvas.Stroke(RoundedRectPath(bx, by, bw - 1, bh - 1, 4),
                hover ? Alpha(accent, 200) : Alpha(kBlack, 80));
  canvas.FillGradient(RoundedRectPath(bx + 1, by + 1, bw - 2, bh - 2, 1), {bx + 1, by},
                      {bx + 1, by + bh - 2}, hover ? Alpha(kWhite, 100) : Alpha(accent, 30),
                      hover ? Alpha(accent, 150) : Alpha(accent, 100));
  const gx::GxImage arrow =
      DecodePicture(pictures::ControlPictureBytes(pictures::ControlPicture::DropDownArrow));
  const SIZE size = PictureSize(arrow);
  canvas.DrawPicture(arrow, bx + (bw - static_cast<float>(size.cx)) / 2,
                     by + (bh - static_cast<float>(size.cy)) / 2);
}

void DrawSelectedText(FaceCanvas& canvas, HWND combo, float W, float H) {
  char text[512] = {};
  GetWindowTextA(combo, text, sizeof text);
  const CaptionStyle style{"宋体", 12, 0, Gdiplus::StringAlignmentNear, std::nullopt,
                           std::nullopt};
  canvas.DrawCaption(text, style, {2, (H - 12) / 2, W - 17, H - 4}, CaptionColour(combo));
}

}  // namespace

RECT RectRelativeToParent(HWND window) {
  if (FindWindowIndex(window)) return RECT{};
  return RectRelativeTo(GetParent(window), window);
}

void PaintComboBox(int windowIndex, int index, std::optional<bool> hover,
                   std::optional<bool> focused) {
  SkinWindowRecord* window = WindowRecordAt(windowIndex);
  ComboSkinRecord* record = window ? EntryAt(window->comboSkins, index) : nullptr;
  if (!record || !record->hwnd) return;
  HWND combo = record->hwnd;
  const bool isHover = hover.value_or(false);
  const bool isFocused = focused.value_or(record->focused != 0);
  const LONG_PTR style = GetWindowLongPtrA(combo, GWL_STYLE);
  RECT rect;
  GetWindowRect(combo, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const float W = static_cast<float>(width), H = static_cast<float>(height);
  FaceCanvas canvas(combo, {0, 0, width, height});
  if (!canvas) return;

  canvas.FillRect(0, 0, W, H,
                  InEditPanelMode() ? Alpha(kWhite, static_cast<BYTE>(globals::EditPanelAlpha))
                                    : Opaque(kWhite));
  PunchChildHoles(canvas, combo, style);
  canvas.StrokeRect(0, 0, W - 1, H - 1,
                    isHover || isFocused ? Alpha(globals::accentColour, 200) : Alpha(kBlack, 80));
  if (style & 0x2) DrawDropDownButton(canvas, style, W, H, isHover);
  if ((style & 0x3) == CBS_DROPDOWNLIST) DrawSelectedText(canvas, combo, W, H);

  canvas.graphics().Flush(Gdiplus::FlushIntentionSync);
  HDC dc = GetWindowDC(combo);
  TransparentBlt(dc, 0, 0, width, height, canvas.surface(), 0, 0, width, height, kMagenta);
  ReleaseDC(combo, dc);
}

}  // namespace skin
