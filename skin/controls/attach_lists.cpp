#include <windows.h>
#include <commctrl.h>

#include "skin/controls/child_enumeration.h"
#include "skin/controls/class_procedures.h"
#include "skin/controls/colour_paths.h"
#include "skin/controls/control_attach.h"
#include "skin/controls/control_font.h"
#include "skin/controls/control_subclass.h"

namespace skin {

namespace {

constexpr LONG_PTR kOwnerDrawFixedBit = 0x10;  // LBS_OWNERDRAWFIXED, LVS_OWNERDRAWFIXED

void AttachList(int windowIndex, HWND control) {
  AttachToList(windowIndex, &SkinWindowRecord::listSkins, control, ListSkinProc);
}

HeaderSkinRecord& AttachHeader(int windowIndex, HWND header) {
  HeaderSkinRecord& record =
      AttachToList(windowIndex, &SkinWindowRecord::headerSkins, header, HeaderSkinProc);
  record.buttonStyle = HasBits(StyleOf(header), HDS_BUTTONS);
  record.imageList = reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
  return record;
}

}  // namespace

void AttachListControls(int windowIndex, HWND parent) {
  if (!globals::ControlsSkinned) return;
  ForEachChildOfClass(parent, "ListBox", [&](HWND list) { AttachList(windowIndex, list); });
  // The list of a simple combo box is a child of the combo box.
  ForEachChildOfClass(parent, "ComboBox", [&](HWND combo) {
    HWND list = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
    if (list && !HasBits(StyleOf(list), kOwnerDrawFixedBit)) AttachList(windowIndex, list);
  });
  ForEachChildOfClass(parent, WC_LISTVIEWA, [&](HWND listView) {
    if (HasBits(StyleOf(listView), kOwnerDrawFixedBit)) return;
    AttachList(windowIndex, listView);
    if (globals::EditPanelEnabled) SendMessageA(listView, LVM_SETTEXTBKCOLOR, 0, CLR_NONE);
  });
  ForEachChildOfClass(parent, WC_TREEVIEWA, [&](HWND tree) {
    AttachList(windowIndex, tree);
    if (globals::EditPanelEnabled) SendMessageA(tree, TVM_SETBKCOLOR, 0, kMagenta);
  });
  ForEachChildOfClass(parent, WC_IPADDRESSA, [&](HWND ip) { AttachList(windowIndex, ip); });
  ForEachChildOfClass(parent, DATETIMEPICK_CLASSA,
                      [&](HWND picker) { AttachList(windowIndex, picker); });
}

void AttachHeaders(int windowIndex, HWND parent) {
  if (!globals::ControlsSkinned) return;
  ForEachChildOfClass(parent, WC_HEADERA, [&](HWND header) { AttachHeader(windowIndex, header); });
  ForEachChildOfClass(parent, WC_LISTVIEWA, [&](HWND listView) {
    HWND header = FindWindowExA(listView, nullptr, WC_HEADERA, nullptr);
    if (!header) return;
    HeaderSkinRecord& record = AttachHeader(windowIndex, header);
    ControlFontInfo font = GetControlFontInfo(header);
    record.fontFace = font.Face;
    record.fontSize = font.Size;
    record.fontStyle = font.Style;
  });
}

}  // namespace skin
