// Records of the skinned child controls, one type per control class. Each
// skinned top-level window keeps one list per class in its SkinWindowRecord;
// a control's "Hw_lbID" is its 1-based position in that list. A blank entry
// (all zero, hwnd nullptr) is the slot the first attach of a class reuses.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "skin/manager/engine_globals.h"
#include "tooltip/tip_window.h"

namespace skin {

// A docked child window of a panel or top-level window and its top offset.
struct DockedPanel {
  HWND window = nullptr;
  int top = 0;
};

// Push buttons, image buttons, check boxes and radio buttons.
struct ButtonSkinRecord {
  HWND hwnd = nullptr;
  WNDPROC prevProc = nullptr;
  int kind = 0;  // 0 push, 1 image, 3 four-image, 4 auto radio, 5 check box
  ByteBlob image;
  ByteBlob hoverImage;
  ByteBlob pressedImage;
  ByteBlob disabledImage;
  int iconFlag = 0;  // image button: picture left of the caption instead of above it
  Text caption;
  int focused = 0;
  int checked = 0;
  HWND parentWindow = nullptr;
  tooltip::TipWindow tips;
  Text fontFace;
  int fontSize = 0;
  int fontStyle = 0;  // GDI+ font style bits
};

struct EditSkinRecord {
  HWND hwnd = nullptr;
  WNDPROC prevProc = nullptr;
  int focused = 0;
  int hovered = 0;
  int buttonDown = 0;
};

struct ComboSkinRecord {
  HWND hwnd = nullptr;
  WNDPROC prevProc = nullptr;
  int focused = 0;
};

struct TrackBarSkinRecord {
  HWND hwnd = nullptr;
  WNDPROC prevProc = nullptr;
  int vertical = 0;
  int tickPlacement = 0;  // 0 top, 1 bottom, 2 both, 3 none
  int hovered = 0;
  int selectionRange = 0;
};

struct ProgressSkinRecord {
  HWND hwnd = nullptr;
  WNDPROC prevProc = nullptr;
  int vertical = 0;
};

// List boxes, list views and tree views.
struct ListSkinRecord {
  HWND hwnd = nullptr;
  WNDPROC prevProc = nullptr;
  int focused = 0;
  int hovered = 0;
  int ArrowKeyHeld = 0;
};

struct HeaderSkinRecord {
  HWND hwnd = nullptr;
  WNDPROC prevProc = nullptr;
  int hovered = 0;
  int hotItem = 0;  // 1-based, 0 = none
  int paintedHotItem = 0;
  int buttonStyle = 0;
  int pressedItem = 0;
  int buttonDown = 0;
  Text fontFace;
  int fontStyle = 0;
  int fontSize = 0;
  HIMAGELIST imageList = nullptr;  // read at attach (HDM_GETIMAGELIST)
};

struct UpDownSkinRecord {
  HWND hwnd = nullptr;
  WNDPROC prevProc = nullptr;
  int hovered = 0;
  int hotPart = 0;  // 0 first arrow, 1 second arrow
  int buttonDown = 0;
  int horizontal = 0;
  LPARAM lastMousePos = 0;  // packed client position of the last press or release
};

struct StaticSkinRecord {
  HWND hwnd = nullptr;
  int imagePlacement = 0;  // 0 top-left, 1 bottom-right, 2 centred, 3 stretched
  int contentKind = 0;     // 1 text, 2 bitmap, 3 icon
  WNDPROC prevProc = nullptr;
  Text fontFace;
  int fontSize = 0;
  int fontStyle = 0;
};

// A container window (plain child with controls, group box, tab control,
// toolbar with child windows).
struct PanelSkinRecord {
  HWND hwnd = nullptr;
  COLORREF overlayColour = 0;  // 0 = no translucent fill
  BYTE overlayAlpha = 0;
  int panelStyle = 0;
  WNDPROC prevProc = nullptr;
  int subclassed = 0;  // after attach: the panel's full-repaint request
  int isGroupBox = 0;
  int shadeDescendants = 0;
  Text fontFace;
  int fontSize = 0;
  int fontStyle = 0;
  std::vector<DockedPanel> dockedChildren = std::vector<DockedPanel>(1);
};

// A control that paints itself over the window's background ("Kj_" links).
struct BackdropControlRecord {
  HWND hwnd = nullptr;
  WNDPROC prevProc = nullptr;
  COLORREF backColour = 0;
};

}  // namespace skin
