#include "skin/controls/child_enumeration.h"
#include "skin/controls/class_procedures.h"
#include "skin/controls/control_attach.h"
#include "skin/controls/control_font.h"
#include "skin/controls/control_subclass.h"

namespace skin {

namespace {

// 3 icon (bits 0x1 and 0x2, as SS_ICON), 2 bitmap (bits 0xE, as SS_BITMAP),
// else 1 text.
int ContentKind(LONG_PTR style) {
  if (HasBits(style, 0x3)) return 3;
  if (HasBits(style, 0xE)) return 2;
  return 1;
}

// Pictures: 2 centred (SS_CENTERIMAGE), 3 stretched (0x40), 1 bottom-right
// (SS_RIGHTJUST), else 0 top-left.
int ImagePlacement(LONG_PTR style) {
  if (HasBits(style, SS_CENTERIMAGE)) return 2;
  if (HasBits(style, 0x40)) return 3;
  if (HasBits(style, SS_RIGHTJUST)) return 1;
  return 0;
}

}  // namespace

int FindStaticIndex(int windowIndex, HWND control) {
  SkinWindowRecord* record = WindowRecordAt(windowIndex);
  return record ? FindInList(record->staticSkins, control) : 0;
}

void AttachStatics(int windowIndex, HWND parent) {
  if (!globals::ControlsSkinned) return;
  ForEachChildOfClass(parent, "Static", [&](HWND label) {
    if (FindStaticIndex(windowIndex, label) > 0) return;
    ControlFontInfo font = GetControlFontInfo(label);
    if (font.Face.empty()) font = GetControlFontInfo(parent);
    const LONG_PTR style = StyleOf(label);
    StaticSkinRecord& record =
        AttachToList(windowIndex, &SkinWindowRecord::staticSkins, label, StaticSkinProc);
    record.contentKind = ContentKind(style);
    if (record.contentKind != 1) record.imagePlacement = ImagePlacement(style);
    record.fontFace = font.Face.empty() ? Text("宋体") : font.Face;
    record.fontSize = font.Size == 0 ? 12 : font.Size;
    record.fontStyle = font.Style;
  });
}

}  // namespace skin
