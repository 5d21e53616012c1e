#include "skin/controls/control_background.h"

#include "gdiplus/gdiplus_layer.h"
#include "skin/controls/colour_paths.h"
#include "skin/controls/control_lookup.h"
#include "skin/controls/memory_surface_list.h"
#include "skin/controls/window_utils.h"

namespace skin {

namespace {

// The nearest thing behind a control that owns a painted backdrop.
struct Host {
  enum Kind { None, Window, Tab, Panel } kind = None;
  int windowIndex = 0;
  int panelIndex = 0;
  HWND tab = nullptr;
};

// Classifies `ancestor` against every registered window, in registry order:
// the window itself, or one of its panels (whose backdrop comes from the tab
// it sits in when it carries "Mb_zpf").
bool ClassifyAncestor(HWND ancestor, Host& host) {
  WindowRegistry& registry = theWindowRegistry();
  for (int index = 1; index <= registry.Size(); ++index) {
    SkinWindowRecord& record = *registry.At(index);
    if (record.hwnd == ancestor) {
      host = {Host::Window, index, 0, nullptr};
      return true;
    }
    if (int panel = FindInList(record.panels, ancestor)) {
      if (HWND tab = reinterpret_cast<HWND>(GetIntProp(ancestor, kTabAncestorProp))) {
        host = {Host::Tab, 0, 0, tab};
      } else {
        host = {Host::Panel, index, panel, nullptr};
      }
      return true;
    }
  }
  return false;
}

Host LocateHost(HWND control) {
  if (IsSkinnedTab(control)) return {Host::Tab, 0, 0, control};
  if (int index = FindWindowIndex(control)) return {Host::Window, index, 0, nullptr};
  Host host;
  for (HWND ancestor = GetParent(control); ancestor; ancestor = GetParent(ancestor)) {
    if (IsSkinnedTab(ancestor)) return {Host::Tab, 0, 0, ancestor};
    if (ClassifyAncestor(ancestor, host)) return host;
  }
  return host;
}

HDC TabBackdrop(HWND tab) { return reinterpret_cast<HDC>(GetIntProp(tab, kTabBackdropProp)); }

HDC WindowBackdrop(int windowIndex) {
  SkinWindowRecord* record = WindowRecordAt(windowIndex);
  return record ? record->surface.dc() : nullptr;
}

// A w × h surface of fully transparent black 32-bit pixels, listed in
// MemorySurfaceList.
HDC MakeSurface(int w, int h) {
  gx::GxBitmap pixels;
  if (!pixels.CreateFromScan0(w, h, 0, PixelFormat32bppARGB)) return nullptr;
  HBITMAP bitmap = pixels.CreateHBITMAP(0);
  if (!bitmap) return nullptr;
  HDC surface = CreateCompatibleDC(nullptr);
  RegisterSurface(surface, bitmap, SelectObject(surface, bitmap));
  return surface;
}

void CopyFrom(HDC surface, const RECT& rect, HDC source, const RECT& at) {
  BitBlt(surface, 0, 0, rect.right - rect.left, rect.bottom - rect.top, source,
         at.left + rect.left, at.top + rect.top, SRCCOPY);
}

// Fills the panel's overlay colour over the surface: the whole rectangle, or
// for a group box a rounded shape from 5 px below the top, so the box's
// caption row keeps the plain backdrop.
void LayOverlay(HDC surface, const RECT& rect, const PanelSkinRecord& panel, bool rounded) {
  gx::GxPath path;
  path.Create();
  if (rounded) {
    AddRoundedRect(path, 0, 5, static_cast<float>(rect.right),
                   static_cast<float>(rect.bottom - 6), 5);
  } else {
    path.AddRectangle(0, 0, static_cast<float>(rect.right - rect.left),
                      static_cast<float>(rect.bottom - rect.top));
  }
  gx::GxGraphics graphics;
  gx::GxSolidBrush brush;
  if (graphics.CreateFromHDC(surface) &&
      brush.Create(ToGdiPlusColor(panel.overlayColour, panel.overlayAlpha, true))) {
    graphics.FillPath(brush, path);
  }
}

PanelSkinRecord* PanelAt(int windowIndex, int panelIndex) {
  SkinWindowRecord* record = WindowRecordAt(windowIndex);
  return record ? EntryAt(record->panels, panelIndex) : nullptr;
}

// Tints with the control's own overlay when the control is a panel of the
// window (rounded for a group box); returns whether it is one.
bool LayOwnOverlay(HDC surface, const RECT& rect, int windowIndex, HWND control) {
  PanelSkinRecord* own = PanelAt(windowIndex, FindPanelIndex(windowIndex, control));
  if (!own) return false;
  if (own->overlayColour != 0) LayOverlay(surface, rect, *own, own->isGroupBox == 1);
  return true;
}

void LayPlainOverlay(HDC surface, const RECT& rect, int windowIndex, int panelIndex) {
  PanelSkinRecord* panel = PanelAt(windowIndex, panelIndex);
  if (panel && panel->overlayColour != 0) LayOverlay(surface, rect, *panel, false);
}

}  // namespace

int FindShadingPanel(int windowIndex, HWND control, HWND stop) {
  SkinWindowRecord* record = WindowRecordAt(windowIndex);
  if (!record) return 0;
  for (HWND ancestor = GetParent(control); ancestor && ancestor != stop;
       ancestor = GetParent(ancestor)) {
    int panel = FindInList(record->panels, ancestor);
    if (panel > 0 && record->panels[static_cast<size_t>(panel) - 1].shadeDescendants != 0) {
      return panel;
    }
  }
  return 0;
}

HDC GetControlBackground(HWND control, const RECT& rect) {
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  if (w < 1 || h < 1) return nullptr;
  Host host = LocateHost(control);

  if (host.kind == Host::Window) {
    HDC surface = MakeSurface(w, h);
    if (!surface) return nullptr;
    CopyFrom(surface, rect, WindowBackdrop(host.windowIndex), RectRelativeToOwner(control));
    LayOwnOverlay(surface, rect, host.windowIndex, control);
    return surface;
  }

  if (host.kind == Host::Tab && host.tab == control) {
    HWND outerTab = reinterpret_cast<HWND>(GetIntProp(control, kTabAncestorProp));
    HDC source = outerTab ? TabBackdrop(outerTab) : WindowBackdrop(FindOwnerWindowIndex(control));
    HDC surface = MakeSurface(w, h);
    if (!surface) return nullptr;
    CopyFrom(surface, rect, source,
             outerTab ? RectRelativeTo(outerTab, control) : RectRelativeToRoot(control));
    return surface;
  }

  if (host.kind == Host::Tab) {
    HDC surface = MakeSurface(w, h);
    if (!surface) return nullptr;
    CopyFrom(surface, rect, TabBackdrop(host.tab), RectRelativeTo(host.tab, control));
    int owner = FindOwnerWindowIndex(control);
    if (owner && !LayOwnOverlay(surface, rect, owner, control)) {
      LayPlainOverlay(surface, rect, owner, FindShadingPanel(owner, control, host.tab));
    }
    return surface;
  }

  // A panel of a window, or nothing found: the owner window's background.
  int owner = host.windowIndex ? host.windowIndex : FindOwnerWindowIndex(control);
  // No surface is made when there is nothing to copy, so none is left behind.
  if (!owner) return nullptr;
  int panel = host.panelIndex;
  if (int own = FindPanelIndex(owner, control)) panel = own;
  HDC surface = MakeSurface(w, h);
  if (!surface) return nullptr;
  CopyFrom(surface, rect, WindowBackdrop(owner), RectRelativeToRoot(control));
  LayPlainOverlay(surface, rect, owner, panel);
  return surface;
}

}  // namespace skin
