// SkinWindowRecord: everything the engine keeps about one skinned top-level
// window or dialog, and the caption buttons drawn in its caption strip.
#pragma once
#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "skin/manager/control_records.h"
#include "skin/manager/engine_globals.h"
#include "skin/manager/memory_surface.h"
#include "tooltip/tip_window.h"

namespace skin {

// An entry point called without arguments; its result is ignored. Empty = none.
using Callback = std::function<void()>;

// What a caption button does when clicked.
enum class CaptionCommand : int {
  Close = 0,
  MaximizeRestore = 1,
  Minimize = 2,
  MainMenu = 3,
  Help = 4,
  Custom = 5,
};

// A rectangle in client coordinates with float edges, as GDI+ lays it out.
struct FloatRect {
  float x = 0, y = 0, width = 0, height = 0;
};

struct CaptionButton {
  int width = 0;  // 26, the close button 38
  int height = 0;  // 18
  ByteBlob image;  // PNG
  ByteBlob altImage;  // maximise button: the picture shown while maximised
  ByteBlob thirdImage;  // nothing writes it
  CaptionCommand command = CaptionCommand::Close;
  Text tipText;
  Callback callback;  // custom buttons
  FloatRect bounds;  // hit and tooltip rectangle, set by the caption layout
};

// A caption button's hover fade: `button` 1-based (0 = none), `step` 0-8.
struct FadeState {
  int button = 0;
  int step = 0;
};

struct StatusPane {
  int width = 0;
  Text text;
  ByteBlob icon;
  COLORREF colour = 0;
};

// Lists start with one blank entry; the first attach of a class reuses it.
template <class T>
std::vector<T> OneBlankEntry() {
  return std::vector<T>(1);
}

// Entry `index` (1-based) of a record list, or nullptr when out of range.
template <class T>
T* EntryAt(std::vector<T>& list, int index) {
  if (index < 1 || static_cast<size_t>(index) > list.size()) return nullptr;
  return &list[static_cast<size_t>(index) - 1];
}

// Owned by WindowRegistry from attach to the window's WM_NCDESTROY. Flags are
// 0/1, colours COLORREF. The record owns its surfaces and tooltip window and
// releases them when it is destroyed.
struct SkinWindowRecord {
  SkinWindowRecord() = default;
  SkinWindowRecord(const SkinWindowRecord&) = delete;
  SkinWindowRecord& operator=(const SkinWindowRecord&) = delete;

  HWND hwnd = nullptr;
  int captionHeight = 0;
  int showHelpButton = 0;
  int showMenuButton = 0;
  int showMinimizeButton = 0;
  int showMaximizeButton = 0;
  int showCloseButton = 0;
  int drawCaptionText = 0;
  int captionGloss = 0;
  ByteBlob reservedBlob;  // no operation reads or writes it
  WNDPROC prevWndProc = nullptr;
  int reserved1 = 0;  // no operation uses it
  ByteBlob backgroundImage;  // the window's own background; empty = theme image
  int imageMode = 0;
  COLORREF baseColour = 0;
  std::vector<CaptionButton> captionButtons = OneBlankEntry<CaptionButton>();
  int buttonStripX = 0, buttonStripY = 0, buttonStripWidth = 0, buttonStripHeight = 0;
  int isMaximized = 0;
  int isMinimized = 0;
  int minTrackWidth = 0, minTrackHeight = 0;
  int maxTrackWidth = 0, maxTrackHeight = 0;
  int resizable = 0;
  int captionEnabled = 0;
  COLORREF captionTextColour = 0;
  COLORREF captionShadowColour = 0;
  Text captionFontName;
  int captionFontSize = 0;
  int captionFontStyle = 0;  // GDI+ font style bits (1 = bold)
  int lastHotButton = 0;
  int hoverKind = 0;  // class code of the hovered control
  HWND hoverParent = nullptr;  // parent of the hovered edit box
  Callback helpCallback;
  Callback menuCallback;
  tooltip::TipWindow captionTips;  // one tool per caption button
  int statusBarHeight = 0;
  RECT statusBarRect{};
  std::vector<StatusPane> statusPanes = OneBlankEntry<StatusPane>();
  std::vector<RECT> statusPaneRects = OneBlankEntry<RECT>();
  int statusInvertText = 0;
  int statusGlowText = 0;
  COLORREF statusGlowTextColour = 0;
  COLORREF statusGlowColour = 0;
  Text statusFontName;
  int statusFontSize = 0;
  std::vector<ButtonSkinRecord> buttonSkins = OneBlankEntry<ButtonSkinRecord>();
  std::vector<EditSkinRecord> editSkins = OneBlankEntry<EditSkinRecord>();
  std::vector<ListSkinRecord> listSkins = OneBlankEntry<ListSkinRecord>();
  std::vector<TrackBarSkinRecord> trackBarSkins = OneBlankEntry<TrackBarSkinRecord>();
  std::vector<ProgressSkinRecord> progressSkins = OneBlankEntry<ProgressSkinRecord>();
  std::vector<ComboSkinRecord> comboSkins = OneBlankEntry<ComboSkinRecord>();
  std::vector<UpDownSkinRecord> updownSkins = OneBlankEntry<UpDownSkinRecord>();
  std::vector<HeaderSkinRecord> headerSkins = OneBlankEntry<HeaderSkinRecord>();
  std::vector<std::pair<int, int>> reservedList = OneBlankEntry<std::pair<int, int>>();  // unused
  std::vector<BackdropControlRecord> backdropControls = OneBlankEntry<BackdropControlRecord>();
  std::vector<StaticSkinRecord> staticSkins = OneBlankEntry<StaticSkinRecord>();
  int fullRepaint = 0;
  // The window background surface (surfaceDC with the frame bitmap) and the
  // caption and status-bar background caches (their DCs, bitmaps and the
  // objects those bitmaps displaced).
  MemorySurface surface;
  MemorySurface captionCache;
  MemorySurface statusBarCache;
  int lastHoverControl = 0;
  int hoverControl = 0;
  int captionTipCount = 0;  // id of the last tool added to captionTips
  std::vector<PanelSkinRecord> panels = OneBlankEntry<PanelSkinRecord>();
  int attached = 0;
  int reserved2 = 0;  // no operation uses it
  std::vector<DockedPanel> dockedPanels = OneBlankEntry<DockedPanel>();
  int mouseInside = 0;
  FadeState fadeIn;
  FadeState fadeOut;
  int fadeTimerOn = 0;
  RECT dialogRect{};
  int closeButtonHot = 0;
  int reserved3 = 0;  // no operation uses it
  int captionDragging = 0;
};

}  // namespace skin
