// Moving and sizing a skinned window from its drawn frame: the caption
// band moves it through the system's move loop, the frame edges and
// corners size it through the system's size loop (SC_SIZE with the WMSZ_
// edge in its low bits), and the caption buttons are hit-tested here.
#include "skin/manager/window_messages.h"

namespace skin {

namespace {

using window_messages::PointX;
using window_messages::PointY;

// Corner bands reach this far along each edge.
constexpr int kCornerBand = 10;

struct SizeZone {
  LPCSTR cursor;
  WPARAM command;
};

// The frame zone under (x, y) in a client area W x H with border B, tested
// in a fixed order: the four edges, then the four corners. nullptr outside.
const SizeZone* FindSizeZone(int x, int y, int W, int H, int B) {
  static const SizeZone kLeft{IDC_SIZEWE, SC_SIZE | WMSZ_LEFT};
  static const SizeZone kRight{IDC_SIZEWE, SC_SIZE | WMSZ_RIGHT};
  static const SizeZone kTop{IDC_SIZENS, SC_SIZE | WMSZ_TOP};
  static const SizeZone kBottom{IDC_SIZENS, SC_SIZE | WMSZ_BOTTOM};
  static const SizeZone kTopLeft{IDC_SIZENWSE, SC_SIZE | WMSZ_TOPLEFT};
  static const SizeZone kTopRight{IDC_SIZENESW, SC_SIZE | WMSZ_TOPRIGHT};
  static const SizeZone kBottomLeft{IDC_SIZENESW, SC_SIZE | WMSZ_BOTTOMLEFT};
  static const SizeZone kBottomRight{IDC_SIZENWSE, SC_SIZE | WMSZ_BOTTOMRIGHT};
  const int c = kCornerBand;
  const bool alongSide = y > c && y < H - c;
  const bool alongTopOrBottom = x > c && x < W - c;
  if (x <= B && alongSide) return &kLeft;
  if (x >= W - B && alongSide) return &kRight;
  if (y <= B && alongTopOrBottom) return &kTop;
  if (y >= H - B && alongTopOrBottom) return &kBottom;
  if (x <= c && y <= c) return &kTopLeft;
  if (x >= W - c && y <= c) return &kTopRight;
  if (x <= c && y >= H - c) return &kBottomLeft;
  if (x >= W - c && y >= H - c) return &kBottomRight;
  return nullptr;
}

const SizeZone* ZoneAt(LPARAM lParam, const RECT& client, int border) {
  return FindSizeZone(PointX(lParam), PointY(lParam), client.right - client.left,
                      client.bottom - client.top, border);
}

void ShowCursor(LPCSTR cursor) { SetCursor(LoadCursorA(nullptr, cursor)); }

// The system's move loop, as if the press were on a real caption.
void StartMove(HWND hwnd) { SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

}  // namespace

int SkinManager::HitTestCaptionButton(int index, int x, int y) {
  SkinWindowRecord* r = theWindowRegistry().At(index);
  if (!r) return 0;
  if (x < r->buttonStripX || y < r->buttonStripY || y > r->buttonStripY + r->buttonStripHeight) {
    return 0;
  }
  const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
  for (size_t i = 0; i < r->captionButtons.size(); ++i) {
    const FloatRect& b = r->captionButtons[i].bounds;
    if (b.x < fx && fx < b.x + b.width && b.y < fy && fy < b.y + b.height) {
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

int SkinManager::FindMaximizeButton(int index) {
  SkinWindowRecord* r = theWindowRegistry().At(index);
  if (!r) return 0;
  for (size_t i = 0; i < r->captionButtons.size(); ++i) {
    if (r->captionButtons[i].command == CaptionCommand::MaximizeRestore) return static_cast<int>(i) + 1;
  }
  return 0;
}

// Reaches two pixels further left than the hit test and starts at the
// client top whatever buttonStripY holds.
bool SkinManager::PointInButtonStrip(int index, LPARAM lParam) {
  SkinWindowRecord* r = theWindowRegistry().At(index);
  if (!r) return false;
  const int x = PointX(lParam), y = PointY(lParam);
  return x >= r->buttonStripX - 2 && x <= r->buttonStripX + r->buttonStripWidth &&
         y <= r->buttonStripHeight && y >= 0;
}

// A window attached as not resizable is moved from its caption band only:
// its edges and corners never size it.
void SkinManager::BeginMoveOrSize(int index, LPARAM lParam, const RECT& client) {
  SkinWindowRecord* r = theWindowRegistry().At(index);
  if (!r) return;
  const int x = PointX(lParam), y = PointY(lParam);
  const bool overStrip = x >= r->buttonStripX && x <= r->buttonStripX + r->buttonStripWidth &&
                         y <= r->buttonStripHeight && y >= 3;
  if (overStrip || !r->captionEnabled) return;  // a caption button handles the press
  if (r->resizable) {
    if (const SizeZone* zone = ZoneAt(lParam, client, frameBorder)) {
      r->fullRepaint = 1;
      ShowCursor(zone->cursor);
      SendMessageA(r->hwnd, WM_SYSCOMMAND, zone->command, 0);
      return;
    }
  }
  if (y <= r->captionHeight) StartMove(r->hwnd);
}

void SkinManager::UpdateSizeCursor(int index, LPARAM lParam, const RECT& client) {
  SkinWindowRecord* r = theWindowRegistry().At(index);
  if (!r || !r->resizable) return;
  if (const SizeZone* zone = ZoneAt(lParam, client, frameBorder)) ShowCursor(zone->cursor);
}

void SkinManager::LayoutDockedPanels(int index) {
  SkinWindowRecord* r = theWindowRegistry().At(index);
  if (!r) return;
  RECT client{};
  GetClientRect(r->hwnd, &client);
  for (const DockedPanel& panel : r->dockedPanels) {
    if (!panel.window) continue;
    MoveWindow(panel.window, 2, panel.top, client.right - 4,
               client.bottom - panel.top - r->statusBarHeight - 3, TRUE);
  }
}

}  // namespace skin
