#include "skin/controls/control_font.h"

#include "gdiplus/gdiplus_layer.h"

namespace skin {

ControlFontInfo GetControlFontInfo(HWND control) {
  auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  HDC dc = GetDC(control);
  ControlFontInfo info;
  gx::GxFont gdiFont;
  if (gdiFont.CreateFromDC(dc, font)) {
    info.Size = static_cast<int>(gdiFont.GetSize());
    info.Style = gdiFont.GetStyle();
    gx::GxFontFamily family;
    if (gdiFont.GetFamily(family)) info.Face = family.GetFamilyName();
  }
  ReleaseDC(control, dc);
  return info;
}

}  // namespace skin
